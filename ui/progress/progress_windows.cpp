#include "ui/progress/progress_windows.h"

#include "ui/common/one_shot_timer.h"

namespace veltrano {

namespace {

// Builds an owned service and hands back a reference to it for the member that uses it.
template <typename Interface, typename Implementation, typename... Args>
Interface& Own(std::unique_ptr<Interface>& owner, Args&&... args) {
    owner = std::make_unique<Implementation>(std::forward<Args>(args)...);
    return *owner;
}

}  // namespace

ProgressWindows::ProgressWindows(JoinRunner& runner, std::unique_ptr<SoundEffect> completionSound)
    : runner_(runner),
      taskbar_(Own<TaskbarProgress, LauncherTaskbarProgress>(ownTaskbar_)),
      sound_(
          Own<CompletionSound, SoundEffectCompletionSound>(ownSound_, std::move(completionSound))),
      notice_(Own<CompletionNotice, CompletionNotice>(
          ownNotice_, Own<FolderOpener, DesktopFolderOpener>(ownFolderOpener_),
          std::make_unique<QtOneShotTimer>())) {}

ProgressWindows::ProgressWindows(JoinRunner& runner, TaskbarProgress& taskbar,
                                 CompletionSound& sound, CompletionNotice& notice)
    : runner_(runner), taskbar_(taskbar), sound_(sound), notice_(notice) {}

ProgressWindows::~ProgressWindows() = default;

void ProgressWindows::RunJoin(QWidget* owner, const std::vector<QString>& sourcePaths,
                              const JoinRequest& request) {
    FormConverting window(owner, runner_, taskbar_, sound_, notice_);
    // The job starts while the window is being opened: failure messages come before it, and
    // a refused output closes it before it was ever shown.
    runner_.RunJoin(window, sourcePaths, request);
    if (window.IsClosed()) {
        return;
    }
    if (windowOpenedHook_) {
        windowOpenedHook_(window);
    }
    window.exec();
}

}  // namespace veltrano

#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "app/join/join_runner.h"
#include "ui/progress/completion_notice.h"
#include "ui/progress/completion_sound.h"
#include "ui/progress/folder_opener.h"
#include "ui/progress/form_converting.h"
#include "ui/progress/taskbar_progress.h"

class QWidget;

namespace veltrano {

// Opens a fresh progress window for each join, modally, owned by `owner`; owns the completion
// notice (which outlives the progress window), the completion sound and the taskbar progress.
class ProgressWindows {
public:
    // The sound file that ProgramFolder holds.
    static constexpr const char* kCompletionSoundFile = "join-finished.wav";

    // The real services: the launcher-entry taskbar progress, `completionSound` (the engine's,
    // made from kCompletionSoundFile; null for silence), the desktop's file manager and real
    // timers.
    ProgressWindows(JoinRunner& runner, std::unique_ptr<SoundEffect> completionSound);
    // Services supplied by the caller (tests); they must outlive this object.
    ProgressWindows(JoinRunner& runner, TaskbarProgress& taskbar, CompletionSound& sound,
                    CompletionNotice& notice);
    ~ProgressWindows();

    // Runs one join: shows FormConverting modally, starts the join through JoinRunner::RunJoin,
    // returns once the window has closed.
    void RunJoin(QWidget* owner, const std::vector<QString>& sourcePaths,
                 const JoinRequest& request);

    CompletionNotice& Notice() { return notice_; }

    // Called with each progress window just before it waits for the user (tests drive it).
    void SetWindowOpenedHook(std::function<void(FormConverting&)> hook) {
        windowOpenedHook_ = std::move(hook);
    }

private:
    JoinRunner& runner_;
    // Owned services of the real setup; empty when the caller supplied its own.
    std::unique_ptr<TaskbarProgress> ownTaskbar_;
    std::unique_ptr<CompletionSound> ownSound_;
    std::unique_ptr<FolderOpener> ownFolderOpener_;
    std::unique_ptr<CompletionNotice> ownNotice_;
    TaskbarProgress& taskbar_;
    CompletionSound& sound_;
    CompletionNotice& notice_;
    std::function<void(FormConverting&)> windowOpenedHook_;
};

}  // namespace veltrano

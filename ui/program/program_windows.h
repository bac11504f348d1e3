#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "app/join/join_request.h"
#include "app/join/join_runner.h"
#include "core/list/join_list.h"
#include "core/program_folder.h"
#include "core/user_messages.h"
#include "engine/module/engine_module_loader.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "ui/main/window_openers.h"
#include "ui/progress/progress_windows.h"
#include "ui/settings/form_video_format.h"
#include "ui/settings/qt_folder_browser.h"

namespace veltrano {

// The windows the main window's commands open: the output settings dialog (built on its
// first opening and only hidden afterwards, so every choice stays for the run), the progress
// window of each join, the preview player (a fresh window and engine each time, released as
// soon as it closes) and the about window.
class ProgramWindows : public WindowOpeners {
public:
    // Everything the windows work on; owned by the program and outliving this object.
    struct Parts {
        const ProfileCatalogue& Catalogue;
        JoinList& List;
        JoinRequest& Request;
        JoinRunner& Runner;
        UserMessages& Messages;
        const ProgramFolder& Folder;
        // Makes the player and the completion sound (loaded before any window opens).
        EngineModuleLoader& Engine;
    };

    ProgramWindows() = default;
    ~ProgramWindows() override;

    // The program's objects exist only after the main window, which needs the openers; the
    // program hands them over once it is built. Until then every command is ignored.
    void Attach(const Parts& parts);

    void OpenOutputSettings(QWidget* owner) override;
    void OpenPlayer(QWidget* owner, const QString& path) override;
    void OpenAbout(QWidget* owner) override;

    // The dialog once it has been opened (tests drive it); nullptr before.
    FormVideoFormat* OutputSettingsDialog() { return outputSettings_.data(); }
    // The progress windows, made on first use: the sound device and the session bus are only
    // opened once a join needs them, not at start-up. nullptr before Attach.
    ProgressWindows* Progress();

private:
    void ShowProgressWindow(QWidget* owner);

    std::unique_ptr<Parts> parts_;
    std::unique_ptr<ProgressWindows> progress_;
    std::unique_ptr<QtFolderBrowser> folderBrowser_;
    // Owned by the window that opened it (a Qt child goes with its parent): the main window
    // outlives every command, and the dialog must not outlive the main window.
    QPointer<FormVideoFormat> outputSettings_;
};

}  // namespace veltrano

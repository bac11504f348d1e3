#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include "app/join/join_request.h"
#include "app/join/join_runner.h"
#include "app/probe/file_chooser.h"
#include "app/probe/media_prober.h"
#include "core/list/join_list.h"
#include "core/program_folder.h"
#include "core/settings_store.h"
#include "core/user_messages.h"
#include "engine/api/media_encoder.h"

namespace veltrano {

// What the main window does for its rules: the parts that need a widget.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void ApplyStyleSheet(const QString& styleSheet) = 0;
    // Shows the status bar with the two totals panes and starts their timer.
    virtual void SetUpStatusBar() = 0;
    virtual void ApplyProgramIcon() = 0;
    // Closes the window; its close goes through MainController::Closing.
    virtual void CloseWindow() = 0;
};

// What the main window's commands open, owned by the main window.
class MainOpeners {
public:
    virtual ~MainOpeners() = default;
    virtual void OpenOutputSettings() = 0;
    virtual void OpenPlayer(const QString& path) = 0;
    // A page or a local file in the desktop's own viewer.
    virtual void OpenLink(const QUrl& url) = 0;
};

// What the main window's rules work with; all of it outlives the controller.
struct MainControllerParts {
    JoinList& List;
    MediaProber& Prober;
    FileChooser& Chooser;
    UserMessages& Messages;
    JoinRunner& Runner;
    MediaEncoder& Encoder;
    SettingsStore& Settings;
    JoinRequest& Request;  // its OutputFolder is what closing stores as OutPath
    ProgramFolder Folder;  // help pages and skin
};

// The main window's rules: start-up, the commands that decide something (Add Files, Join,
// Exit, Play, Help Contents, Website) and the closing steps. The window renders and forwards.
// User-interface thread only.
class MainController {
public:
    MainController(const MainControllerParts& parts, MainView& view, MainOpeners& openers);

    // Start-up once the window is built: the skin, the status bar, the engine, the window
    // icon. False when the engine is missing ("Video lib not found" was shown): the program
    // must end at once.
    bool Load();

    void AddFiles();
    // Probes dropped paths into the list (folders are skipped).
    void AddDroppedFiles(const QStringList& paths);
    // Opens the output settings, with enough files.
    void Join();
    // Asks, and closes the window on Yes.
    void Exit();
    // Opens the player on the current row, when there is one with a file.
    void Play();
    void ShowHelp();
    void OpenWebsite();
    // The window closes, by any path; it is never refused.
    void Closing();

    // True with two rows or more; otherwise tells the user and opens the Add Files dialog.
    bool HasEnoughFiles();

private:
    MainControllerParts parts_;
    MainView& view_;
    MainOpeners& openers_;
};

}  // namespace veltrano

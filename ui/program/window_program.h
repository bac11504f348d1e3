#pragma once

#include <QStringList>
#include <memory>

#include "app/join/join_request.h"
#include "app/join/join_runner.h"
#include "app/join/seconds_clock.h"
#include "app/main/copy_marker.h"
#include "app/probe/media_prober.h"
#include "core/list/join_list.h"
#include "core/program_folder.h"
#include "core/settings_store.h"
#include "engine/module/engine_module_loader.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "ui/common/file_dialog_chooser.h"
#include "ui/common/message_box_messages.h"
#include "ui/main/form_main.h"
#include "ui/main/link_opener.h"
#include "ui/main/window_openers.h"
#include "ui/main/window_probe_feedback.h"
#include "ui/program/module_copy_checker.h"
#include "ui/program/module_decoder.h"
#include "ui/program/module_encoder.h"

namespace veltrano {

// The window program's objects, built once and handed to one another: the settings store,
// the engine, the catalogue, the join list, the prober, the join runner and the main window.
// main() and the end-to-end test build the program through this one class. The engine's
// objects come from the engine module, which `engine` may still be loading while this is
// built; Start() waits for it (the engine check).
class WindowProgram {
public:
    // `messages`: where message boxes go; nullptr for real boxes owned by the main window.
    // `engine` must outlive the program.
    WindowProgram(EngineModuleLoader& engine, const ProgramFolder& programFolder,
                  WindowOpeners& openers, UserMessages* messages = nullptr);
    ~WindowProgram();
    WindowProgram(const WindowProgram&) = delete;
    WindowProgram& operator=(const WindowProgram&) = delete;

    // The main window's start-up. False when the engine is missing: the program must end.
    bool Start();
    // Files named on the command line, added as if dropped (relative names against the
    // current folder).
    void AddFiles(const QStringList& paths);

    FormMain& MainWindow() { return *formMain_; }
    JoinList& List() { return list_; }
    JoinRequest& Request() { return request_; }
    JoinRunner& Runner() { return runner_; }
    MediaEncoder& Encoder() { return encoder_; }
    UserMessages& Messages() { return messages_; }
    SettingsStore& Settings() { return settings_; }
    const ProfileCatalogue& Catalogue() const { return catalogue_; }
    const ProgramFolder& Folder() const { return programFolder_; }
    EngineModuleLoader& Engine() { return engine_; }

private:
    EngineModuleLoader& engine_;
    ProgramFolder programFolder_;
    SettingsStore settings_;
    ModuleDecoder decoder_{engine_};
    ModuleEncoder encoder_{engine_};
    SteadySecondsClock clock_;
    ProfileCatalogue catalogue_;
    JoinList list_;
    ModuleCopyChecker copyChecker_{engine_};
    ThreadWorkerLauncher copyWorker_;
    // Marks the rows a stream copy cannot take; stops its worker before the list goes.
    CopyMarker copyMarker_{list_, copyChecker_, copyWorker_};
    JoinRequest request_;
    MessageBoxMessages boxMessages_;
    UserMessages& messages_;
    FileDialogChooser chooser_;
    WindowProbeFeedback feedback_{clock_};
    MediaProber prober_;
    JoinRunner runner_;
    DesktopLinkOpener links_;
    // Last: the window goes first, while everything it points to still exists.
    std::unique_ptr<FormMain> formMain_;
};

}  // namespace veltrano

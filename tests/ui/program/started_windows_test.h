#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>

#include "tests/support/recording_messages.h"
#include "tests/ui/fake_one_shot_timer.h"
#include "tests/ui/progress/progress_test_fakes.h"
#include "tests/ui/test_application.h"
#include "ui/program/program_windows.h"
#include "ui/program/window_program.h"

namespace veltrano {

// The window program with its real windows and fake devices, for tests that look at every
// window at once.
struct StartedWindows {
    bool Start() {
        openers.Attach({program.Catalogue(), program.List(), program.Request(), program.Runner(),
                        program.Messages(), program.Folder(), program.Engine()});
        return program.Start();
    }

    RecordingMessages messages;
    ProgramWindows openers;
    EngineModuleLoader engine;
    WindowProgram program{engine,
                          ProgramFolder::ForApplication(QCoreApplication::applicationDirPath()),
                          openers, &messages};
    FakeTaskbar taskbar;
    FakeSound sound;
    FakeFolderOpener folderOpener;
    CompletionNotice notice{folderOpener, std::make_unique<FakeOneShotTimer>()};
};

class StartedWindowsTest : public testing::Test, protected StartedWindows {
protected:
    void SetUp() override {
        TestApplication();
        ASSERT_TRUE(Start());
    }
};

}  // namespace veltrano

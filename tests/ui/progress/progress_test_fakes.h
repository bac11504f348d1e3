#pragma once

#include <QStringList>
#include <cstdint>
#include <memory>

#include "app/join/join_runner.h"
#include "tests/app/join/join_runner_test_fakes.h"
#include "tests/support/recording_messages.h"
#include "tests/ui/fake_one_shot_timer.h"
#include "tests/ui/test_application.h"
#include "ui/progress/completion_notice.h"
#include "ui/progress/completion_sound.h"
#include "ui/progress/folder_opener.h"
#include "ui/progress/taskbar_progress.h"

namespace veltrano {

// Records what the taskbar button was told, one line per call ("25", "cleared").
class FakeTaskbar : public TaskbarProgress {
public:
    void SetProgress(int percent) override { calls << QString::number(percent); }
    void Clear() override { calls << QStringLiteral("cleared"); }
    QStringList calls;
};

class FakeSound : public CompletionSound {
public:
    void Play() override { ++plays; }
    int plays = 0;
};

class FakeFolderOpener : public FolderOpener {
public:
    void Open(const QString& folder) override { opened << folder; }
    QStringList opened;
};

inline constexpr std::int64_t kSecond = 1'000'000;

// The join runner over a fake encoder and clock, with the window services faked; the windows
// under test are the real ones.
class ProgressFixture : public ::testing::Test {
protected:
    ProgressFixture() { runner.SetLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

    static JoinRequest Request() {
        JoinRequest request;
        request.OutputFolder = QStringLiteral("/videos/out/");
        request.OutputName = QStringLiteral("holiday");
        request.OutputExtension = QStringLiteral("mp4");
        request.EngineParameters = QStringLiteral("-f mp4 -join");
        return request;
    }
    static std::vector<QString> Sources() {
        return {QStringLiteral("/videos/a.mp4"), QStringLiteral("/videos/b.mp4")};
    }
    // The encoder's events, as the engine emits them.
    void Progress(double at, std::int64_t bytes, std::int64_t position, std::int64_t total) {
        clock.Seconds = at;
        emit encoder.JobProgress(FakeEncoder::kHandle, bytes, position, total);
    }
    void Terminated(int code, bool completed, bool failed, const QString& message = {}) {
        emit encoder.JobTerminated(code, completed, failed, message);
    }
    int StopJobsCalls() const { return encoder.Calls.count(QStringLiteral("StopJobs false")); }

    QApplication& app = TestApplication();
    FakeEncoder encoder;
    RecordingMessages messages;
    FakeSettings settings;
    FakeClock clock;
    JoinRunner runner{encoder, messages, settings, clock};
    FakeTaskbar taskbar;
    FakeSound sound;
    FakeFolderOpener folderOpener;
    FakeOneShotTimer* noticeTimer = new FakeOneShotTimer;  // owned by `notice`
    CompletionNotice notice{folderOpener, std::unique_ptr<OneShotTimer>(noticeTimer)};
};

}  // namespace veltrano

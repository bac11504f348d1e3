#include "ui/progress/progress_windows.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "tests/ui/progress/progress_test_fakes.h"

namespace veltrano {
namespace {

class ProgressWindowsTest : public ProgressFixture {
protected:
    // What a window looked like when it opened.
    struct Opened {
        QString caption, button, elapsed, remaining, size;
        int bar = -1;
        bool modal = false;
    };

    // Runs one join; `whileOpen` runs inside the window's own event loop, as the user would act.
    void RunJoin(std::function<void(FormConverting&)> whileOpen) {
        windows.SetWindowOpenedHook([this, whileOpen](FormConverting& window) {
            opened.push_back({window.windowTitle(), window.BtnStop()->text(),
                              window.Text1()->text(), window.Text2()->text(),
                              window.Text3()->text(), window.ProgressBar1()->value(),
                              window.isModal()});
            QMetaObject::invokeMethod(
                &window, [&window, whileOpen] { whileOpen(window); }, Qt::QueuedConnection);
        });
        windows.RunJoin(nullptr, Sources(), Request());
    }

    ProgressWindows windows{runner, taskbar, sound, notice};
    std::vector<Opened> opened;
};

TEST_F(ProgressWindowsTest, ACompletedJoinThenASecondJoinStartsFromAFreshWindow) {
    RunJoin([this](FormConverting& window) {
        EXPECT_TRUE(window.isVisible());
        Progress(10.0, 0, 0, 240 * kSecond);
        Progress(70.0, 10'000'000, 60 * kSecond, 240 * kSecond);
        Terminated(0, true, false);
        EXPECT_EQ(window.BtnStop()->text(), QStringLiteral("Close"));
        window.BtnStop()->click();
    });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(notice.isVisible()) << "the notice outlives the window";
    EXPECT_EQ(sound.plays, 1);
    EXPECT_EQ(taskbar.calls, (QStringList{QStringLiteral("25"), QStringLiteral("cleared"),
                                          QStringLiteral("cleared")}));

    RunJoin([this](FormConverting& window) {
        Progress(500.0, 0, 0, 100 * kSecond);
        Progress(510.0, 1000, 50 * kSecond, 100 * kSecond);
        EXPECT_EQ(window.Text1()->text(), QStringLiteral("00:00:10"))
            << "timed from this job's own first report";
        window.BtnStop()->click();
    });
    ASSERT_EQ(opened.size(), 2u);
    for (const Opened& state : opened) {
        EXPECT_EQ(state.caption, QStringLiteral("Please wait..."));
        EXPECT_EQ(state.button, QStringLiteral("Cancel"));
        EXPECT_EQ(state.elapsed, QString());
        EXPECT_EQ(state.remaining, QString());
        EXPECT_EQ(state.size, QString());
        EXPECT_EQ(state.bar, 0);
        EXPECT_TRUE(state.modal);
    }
    EXPECT_FALSE(runner.IsRunning());
}

TEST_F(ProgressWindowsTest, TheJobStartsBeforeTheWindowWaits) {
    RunJoin([this](FormConverting& window) {
        EXPECT_TRUE(encoder.Calls.contains(QStringLiteral("StartJobs 1")));
        window.close();
    });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(encoder.Calls.first(), QStringLiteral("ClearJobs"));
    EXPECT_EQ(encoder.Calls.last(), QStringLiteral("StopJobs false"));
}

TEST_F(ProgressWindowsTest, ARefusedInputIsReportedFirstThenTheWindowWaitsForItsButton) {
    encoder.RefusedInputs.insert(QStringLiteral("/videos/b.mp4"));
    int messagesWhenOpened = -1;
    RunJoin([this, &messagesWhenOpened](FormConverting& window) {
        messagesWhenOpened = messages.Shown.size();
        EXPECT_TRUE(window.isVisible());
        window.BtnStop()->click();
    });
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(messagesWhenOpened, 1) << "the message comes before the window";
    EXPECT_EQ(opened[0].caption, QStringLiteral("Please wait..."));
    EXPECT_EQ(opened[0].button, QStringLiteral("Cancel"));
    EXPECT_FALSE(encoder.Calls.contains(QStringLiteral("StartJobs 1")));
    EXPECT_EQ(sound.plays, 0);
}

TEST_F(ProgressWindowsTest, ARefusedOutputReturnsWithoutShowingAWindow) {
    encoder.RefuseOutput = true;
    RunJoin([](FormConverting&) { FAIL() << "no window may wait"; });
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(messages.Shown.size(), 1);
    EXPECT_TRUE(messages.Shown[0].Text.startsWith(QStringLiteral("Cannot convert.")));
}

TEST_F(ProgressWindowsTest, AFailureDuringTheStartClosesTheWindowBeforeItWaits) {
    // The engine may report a failure as soon as the start lets events through.
    class FailingAtStart : public FakeEncoder {
    public:
        void StartJobs(int parallel) override {
            FakeEncoder::StartJobs(parallel);
            QMetaObject::invokeMethod(
                this, [this] { emit JobTerminated(-2, false, true, QStringLiteral("boom")); },
                Qt::QueuedConnection);
        }
    };
    FailingAtStart failing;
    JoinRunner failingRunner{failing, messages, settings, clock};
    ProgressWindows failingWindows{failingRunner, taskbar, sound, notice};
    bool waited = false;
    failingWindows.SetWindowOpenedHook([&waited](FormConverting&) { waited = true; });
    failingWindows.RunJoin(nullptr, Sources(), Request());
    EXPECT_FALSE(waited);
    ASSERT_EQ(messages.Shown.size(), 1);
    EXPECT_EQ(messages.Shown[0].Text, QStringLiteral("boom"));
}

TEST_F(ProgressWindowsTest, RealServicesWorkWithoutABusASoundDeviceOrASoundFile) {
    ProgressWindows real{runner, std::unique_ptr<SoundEffect>()};
    bool waited = false;
    real.SetWindowOpenedHook([this, &waited](FormConverting& window) {
        waited = true;
        QMetaObject::invokeMethod(
            &window,
            [this, &window] {
                Progress(10.0, 0, 0, 240 * kSecond);
                Progress(70.0, 10'000'000, 60 * kSecond, 240 * kSecond);
                Terminated(0, true, false);
                window.BtnStop()->click();
            },
            Qt::QueuedConnection);
    });
    real.RunJoin(nullptr, Sources(), Request());
    EXPECT_TRUE(waited);
    EXPECT_TRUE(real.Notice().isVisible());
    EXPECT_EQ(real.Notice().OutputFolder(), QStringLiteral("/videos/out/"));
    real.Notice().hide();
}

}  // namespace
}  // namespace veltrano

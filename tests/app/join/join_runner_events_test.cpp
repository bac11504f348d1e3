// The encoder's events and the stop: the progress arithmetic, completion, failure, and that
// nothing reaches a window once its job has ended.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdint>
#include <vector>

#include "app/join/join_runner.h"
#include "tests/app/join/join_runner_test_fakes.h"
#include "tests/support/probe_test_printers.h"
#include "tests/support/recording_messages.h"

namespace veltrano {

namespace {

constexpr std::int64_t kSecond = 1'000'000;
const QString kProduct = QStringLiteral("Veltrano Video Joiner");

class JoinRunnerEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        runner_.SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        Start(view_);
    }
    void Start(FakeProgressView& target) {
        JoinRequest request;
        request.OutputFolder = QStringLiteral("/out/");
        request.OutputName = QStringLiteral("joined");
        request.OutputExtension = QStringLiteral("mkv");
        request.EngineParameters = QStringLiteral("-join");
        ASSERT_EQ(
            runner_.RunJoin(target, {QStringLiteral("/a.mp4"), QStringLiteral("/b.mp4")}, request),
            JoinRunner::RunResult::Started);
        encoder_.Calls.clear();
    }
    // Emits the encoder's signal, as the engine does.
    void Progress(double at, std::int64_t bytes, std::int64_t position, std::int64_t total,
                  int handle = FakeEncoder::kHandle) {
        clock_.Seconds = at;
        emit encoder_.JobProgress(handle, bytes, position, total);
    }
    void Terminated(int code, bool completed, bool failed, const QString& message = {}) {
        emit encoder_.JobTerminated(code, completed, failed, message);
    }

    FakeEncoder encoder_;
    RecordingMessages messages_;
    FakeSettings settings_;
    FakeClock clock_;
    FakeProgressView view_;
    JoinRunner runner_{encoder_, messages_, settings_, clock_};
};

TEST_F(JoinRunnerEventsTest, FirstReportAtPositionZeroOnlyTakesTheStartTime) {
    view_.Log.clear();
    Progress(500.0, 1000, 0, 120 * kSecond);
    EXPECT_EQ(runner_.JobStartTime(), 500.0);
    EXPECT_TRUE(view_.Log.isEmpty());

    Progress(510.0, 1000, 30 * kSecond, 120 * kSecond);
    EXPECT_EQ(view_.Elapsed, QStringLiteral("00:00:10"));
    EXPECT_EQ(view_.Remaining, QStringLiteral("00:00:30"));
    EXPECT_EQ(view_.Bar, 25);
    EXPECT_EQ(view_.Taskbar, 25);
}

// One report after a first one at clock 1000 s, with the texts it must show: elapsed time,
// remaining = elapsed / fraction - elapsed, size = bytes / fraction in MB (1 MB = 1,048,576
// bytes), percent = fraction x 100 truncated.
struct ProgressCase {
    const char* Name;
    double Elapsed;
    std::int64_t Bytes;
    std::int64_t Position;
    std::int64_t Total;
    const char* ElapsedText;
    const char* RemainingText;
    const char* SizeText;
    int Percent;

    friend void PrintTo(const ProgressCase& c, std::ostream* os) { *os << c.Name; }
};

class JoinRunnerProgressTest : public JoinRunnerEventsTest,
                               public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(JoinRunnerProgressTest, ShowsTheProjectedTimesSizeAndPercent) {
    const ProgressCase c = GetParam();
    Progress(1000.0, 0, 0, c.Total);  // takes the start time
    Progress(1000.0 + c.Elapsed, c.Bytes, c.Position, c.Total);
    EXPECT_EQ(view_.Elapsed, QString::fromLatin1(c.ElapsedText));
    EXPECT_EQ(view_.Remaining, QString::fromLatin1(c.RemainingText));
    EXPECT_EQ(view_.Size, QString::fromLatin1(c.SizeText));
    EXPECT_EQ(view_.Bar, c.Percent);
    EXPECT_EQ(view_.Taskbar, c.Percent);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, JoinRunnerProgressTest,
    ::testing::Values(
        // 30 of 120 s after 10 s: a quarter done, 30 s to go; 1 MiB written -> 4 MiB.
        ProgressCase{"Quarter", 10, 1'048'576, 30 * kSecond, 120 * kSecond, "00:00:10", "00:00:30",
                     "4.0 MB", 25},
        // 60 of 240 s after 60 s.
        ProgressCase{"MinuteOfFour", 60, 0, 60 * kSecond, 240 * kSecond, "00:01:00", "00:03:00",
                     "0.0 MB", 25},
        // 3,000,000,000 bytes at half-way: 6,000,000,000 bytes = 5,722.05 MB, not 0.0 MB.
        ProgressCase{"PastTwoGiB", 100, 3'000'000'000, 50 * kSecond, 100 * kSecond, "00:01:40",
                     "00:01:40", "5,722.0 MB", 50},
        // 2 of 3 parts: 66.67 % shows 66.
        ProgressCase{"Truncated", 20, 0, 2 * kSecond, 3 * kSecond, "00:00:20", "00:00:10", "0.0 MB",
                     66},
        // Done: nothing remains.
        ProgressCase{"Whole", 30, 10 * 1'048'576, 90 * kSecond, 90 * kSecond, "00:00:30",
                     "00:00:00", "10.0 MB", 100},
        // A position reported past the total keeps the bar full.
        ProgressCase{"PastTheEnd", 30, 0, 91 * kSecond, 90 * kSecond, "00:00:30", "00:00:00",
                     "0.0 MB", 100}),
    [](const ::testing::TestParamInfo<ProgressCase>& info) {
        return std::string(info.param.Name);
    });

TEST_F(JoinRunnerEventsTest, AReportWithoutATotalChangesNothing) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    Progress(20.0, 5000, 60 * kSecond, 120 * kSecond);
    const QStringList before = view_.Log;
    const QString elapsed = view_.Elapsed;

    Progress(30.0, 9000, 70 * kSecond, 0);
    Progress(31.0, 9000, 0, 0);
    Progress(32.0, 9000, 70 * kSecond, -5);
    EXPECT_EQ(view_.Log, before);
    EXPECT_EQ(view_.Elapsed, elapsed);
    EXPECT_EQ(view_.Bar, 50);
}

TEST_F(JoinRunnerEventsTest, ReportsOfAnotherJobAreIgnored) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond, FakeEncoder::kHandle + 1);
    EXPECT_EQ(runner_.JobStartTime(), 0.0);
    EXPECT_TRUE(view_.Elapsed.isEmpty());
}

TEST_F(JoinRunnerEventsTest, ACompletedJobsNoteReachesTheNoticeAndNoMessageBox) {
    const QString note = QStringLiteral("Left out: audio track 2 (fre) \u2014 not in every file.");
    Terminated(0, true, false, note);

    EXPECT_EQ(view_.Notices, 1);
    EXPECT_EQ(view_.NoticeFolder, QStringLiteral("/out/"));
    EXPECT_EQ(view_.NoticeNote, note);
    EXPECT_TRUE(messages_.Shown.isEmpty()) << "a completed join is no failure";
    EXPECT_EQ(view_.Closes, 0);
}

TEST_F(JoinRunnerEventsTest, CompletionFinishesTheWindowAndLeavesItOpen) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    Progress(20.0, 1000, 60 * kSecond, 120 * kSecond);
    view_.Log.clear();
    Terminated(0, true, false);

    EXPECT_EQ(view_.Log,
              (QStringList{QStringLiteral("Bar 100"), QStringLiteral("Caption Join Finished!"),
                           QStringLiteral("Button Close"), QStringLiteral("Sound"),
                           QStringLiteral("Remaining 00:00:00"), QStringLiteral("TaskbarCleared"),
                           QStringLiteral("Notice /out/")}));
    EXPECT_EQ(view_.Elapsed, QStringLiteral("00:00:10"));  // keeps the final elapsed time
    EXPECT_EQ(runner_.JobStartTime(), 0.0);
    EXPECT_EQ(view_.Closes, 0);
    EXPECT_TRUE(messages_.Shown.isEmpty());
    EXPECT_FALSE(runner_.IsRunning());

    // "Close": the stop path, harmless now.
    runner_.Stop();
    EXPECT_EQ(view_.Closes, 1);
    EXPECT_EQ(encoder_.Calls, QStringList{QStringLiteral("StopJobs false")});
}

TEST_F(JoinRunnerEventsTest, AFailureIsShownAndClosesTheWindow) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    Terminated(-5, false, true, QStringLiteral("Cannot write the output: No space left on device"));

    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(messages_.Shown[0].Text,
              QStringLiteral("Cannot write the output: No space left on device"));
    EXPECT_EQ(messages_.Shown[0].Title, kProduct);
    EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Warning);
    EXPECT_EQ(view_.Closes, 1);
    EXPECT_EQ(view_.Taskbar, -1);
    EXPECT_EQ(view_.Notices, 0);
    EXPECT_EQ(runner_.JobStartTime(), 0.0);
}

TEST_F(JoinRunnerEventsTest, AnEventWithBothFlagsRunsBothOutcomes) {
    Terminated(0, true, true, QStringLiteral("odd"));
    EXPECT_EQ(view_.Caption, QStringLiteral("Join Finished!"));
    EXPECT_EQ(view_.Notices, 1);
    EXPECT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(view_.Closes, 1);
}

TEST_F(JoinRunnerEventsTest, ANegativeCodeIsNoCompletion) {
    Terminated(-1, true, false);
    EXPECT_EQ(view_.Caption, QStringLiteral("Please wait..."));
    EXPECT_EQ(view_.Notices, 0);
    EXPECT_EQ(view_.Sounds, 0);
}

TEST_F(JoinRunnerEventsTest, StopClosesAndLateEventsReopenNothing) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    Progress(20.0, 1000, 60 * kSecond, 120 * kSecond);
    runner_.Stop();
    EXPECT_TRUE(runner_.StopRequested());
    EXPECT_EQ(encoder_.Calls, QStringList{QStringLiteral("StopJobs false")});
    EXPECT_EQ(view_.Taskbar, -1);
    EXPECT_EQ(view_.Closes, 1);
    EXPECT_EQ(runner_.JobStartTime(), 0.0);

    // The window reports its close; then the engine's late reports arrive.
    runner_.ProgressWindowClosed();
    const QStringList afterClose = view_.Log;
    Progress(21.0, 2000, 70 * kSecond, 120 * kSecond);
    Terminated(0, true, false);
    Terminated(-1, false, true, QStringLiteral("late failure"));
    EXPECT_EQ(view_.Log, afterClose);
    EXPECT_TRUE(messages_.Shown.isEmpty());
    EXPECT_EQ(view_.Closes, 1);
}

// The output was renamed into place just before the stop: the job is complete and ends as
// such, its window staying for "Close".
TEST_F(JoinRunnerEventsTest, AStopThatFindsTheJobCompleteEndsItAsCompleted) {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "app_tests";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);  // queued signals need one
    }
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    encoder_.CompleteOnStop(QStringLiteral("Left out: subtitles 1 (eng)."));
    EXPECT_FALSE(runner_.Stop()) << "the window stays";
    EXPECT_EQ(view_.Closes, 0);
    EXPECT_EQ(view_.Caption, QStringLiteral("Join Finished!"));
    EXPECT_EQ(view_.Button, QStringLiteral("Close"));
    EXPECT_EQ(view_.Sounds, 1);
    EXPECT_EQ(view_.Notices, 1);
    EXPECT_EQ(view_.NoticeNote, QStringLiteral("Left out: subtitles 1 (eng)."));
    EXPECT_EQ(view_.Taskbar, -1);

    // "Close" then closes it.
    EXPECT_TRUE(runner_.Stop());
    EXPECT_EQ(view_.Closes, 1);
}

TEST_F(JoinRunnerEventsTest, CloseBoxStopsTheJobAndLateEventsAreIgnored) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    runner_.ProgressWindowClosed();
    EXPECT_FALSE(runner_.StopRequested());
    EXPECT_EQ(encoder_.Calls, QStringList{QStringLiteral("StopJobs false")});
    const QStringList afterClose = view_.Log;
    Progress(11.0, 2000, 70 * kSecond, 120 * kSecond);
    Terminated(0, true, false);
    EXPECT_EQ(view_.Log, afterClose);
    EXPECT_EQ(view_.Notices, 0);
}

TEST_F(JoinRunnerEventsTest, ASecondJobTimesFromItsOwnFirstReport) {
    Progress(100.0, 1000, 30 * kSecond, 120 * kSecond);
    runner_.Stop();
    runner_.ProgressWindowClosed();

    FakeProgressView second;
    Start(second);
    EXPECT_EQ(runner_.JobStartTime(), 0.0);
    Progress(400.0, 1000, 0, 120 * kSecond);
    Progress(406.0, 1000, 60 * kSecond, 120 * kSecond);
    EXPECT_EQ(second.Elapsed, QStringLiteral("00:00:06"));
    EXPECT_EQ(second.Remaining, QStringLiteral("00:00:06"));
    EXPECT_EQ(second.Bar, 50);
}

}  // namespace

}  // namespace veltrano

// The encoder's events and the stop: the progress arithmetic, completion, failure, and that
// nothing reaches a window once its job has ended.
#include <gtest/gtest.h>

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
        runner.SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        Start(view);
    }
    void Start(FakeProgressView& target) {
        JoinRequest request;
        request.OutputFolder = QStringLiteral("/out/");
        request.OutputName = QStringLiteral("joined");
        request.OutputExtension = QStringLiteral("mkv");
        request.EngineParameters = QStringLiteral("-join");
        ASSERT_EQ(
            runner.RunJoin(target, {QStringLiteral("/a.mp4"), QStringLiteral("/b.mp4")}, request),
            JoinRunner::RunResult::Started);
        encoder.calls.clear();
    }
    // Emits the encoder's signal, as the engine does.
    void Progress(double at, std::int64_t bytes, std::int64_t position, std::int64_t total,
                  int handle = FakeEncoder::kHandle) {
        clock.now = at;
        emit encoder.JobProgress(handle, bytes, position, total);
    }
    void Terminated(int code, bool completed, bool failed, const QString& message = {}) {
        emit encoder.JobTerminated(code, completed, failed, message);
    }

    FakeEncoder encoder;
    RecordingMessages messages;
    FakeSettings settings;
    FakeClock clock;
    FakeProgressView view;
    JoinRunner runner{encoder, messages, settings, clock};
};

TEST_F(JoinRunnerEventsTest, FirstReportAtPositionZeroOnlyTakesTheStartTime) {
    view.log.clear();
    Progress(500.0, 1000, 0, 120 * kSecond);
    EXPECT_EQ(runner.JobStartTime(), 500.0);
    EXPECT_TRUE(view.log.isEmpty());

    Progress(510.0, 1000, 30 * kSecond, 120 * kSecond);
    EXPECT_EQ(view.elapsed, QStringLiteral("00:00:10"));
    EXPECT_EQ(view.remaining, QStringLiteral("00:00:30"));
    EXPECT_EQ(view.bar, 25);
    EXPECT_EQ(view.taskbar, 25);
}

// One report after a first one at clock 1000 s, with the texts it must show: elapsed time,
// remaining = elapsed / fraction - elapsed, size = bytes / fraction in MB (1 MB = 1,048,576
// bytes), percent = fraction x 100 truncated.
struct ProgressCase {
    const char* name;
    double elapsed;
    std::int64_t bytes;
    std::int64_t position;
    std::int64_t total;
    const char* elapsedText;
    const char* remainingText;
    const char* sizeText;
    int percent;

    friend void PrintTo(const ProgressCase& c, std::ostream* os) { *os << c.name; }
};

class JoinRunnerProgressTest : public JoinRunnerEventsTest,
                               public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(JoinRunnerProgressTest, ShowsTheProjectedTimesSizeAndPercent) {
    const ProgressCase c = GetParam();
    Progress(1000.0, 0, 0, c.total);  // takes the start time
    Progress(1000.0 + c.elapsed, c.bytes, c.position, c.total);
    EXPECT_EQ(view.elapsed, QString::fromLatin1(c.elapsedText));
    EXPECT_EQ(view.remaining, QString::fromLatin1(c.remainingText));
    EXPECT_EQ(view.size, QString::fromLatin1(c.sizeText));
    EXPECT_EQ(view.bar, c.percent);
    EXPECT_EQ(view.taskbar, c.percent);
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
        return std::string(info.param.name);
    });

TEST_F(JoinRunnerEventsTest, AReportWithoutATotalChangesNothing) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    Progress(20.0, 5000, 60 * kSecond, 120 * kSecond);
    const QStringList before = view.log;
    const QString elapsed = view.elapsed;

    Progress(30.0, 9000, 70 * kSecond, 0);
    Progress(31.0, 9000, 0, 0);
    Progress(32.0, 9000, 70 * kSecond, -5);
    EXPECT_EQ(view.log, before);
    EXPECT_EQ(view.elapsed, elapsed);
    EXPECT_EQ(view.bar, 50);
}

TEST_F(JoinRunnerEventsTest, ReportsOfAnotherJobAreIgnored) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond, FakeEncoder::kHandle + 1);
    EXPECT_EQ(runner.JobStartTime(), 0.0);
    EXPECT_TRUE(view.elapsed.isEmpty());
}

TEST_F(JoinRunnerEventsTest, CompletionFinishesTheWindowAndLeavesItOpen) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    Progress(20.0, 1000, 60 * kSecond, 120 * kSecond);
    view.log.clear();
    Terminated(0, true, false);

    EXPECT_EQ(view.log,
              (QStringList{QStringLiteral("Bar 100"), QStringLiteral("Caption Join Finished!"),
                           QStringLiteral("Button Close"), QStringLiteral("Sound"),
                           QStringLiteral("Remaining 00:00:00"), QStringLiteral("TaskbarCleared"),
                           QStringLiteral("Notice /out/")}));
    EXPECT_EQ(view.elapsed, QStringLiteral("00:00:10"));  // keeps the final elapsed time
    EXPECT_EQ(runner.JobStartTime(), 0.0);
    EXPECT_EQ(view.closes, 0);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(runner.IsRunning());

    // "Close": the stop path, harmless now.
    runner.Stop();
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(encoder.calls, QStringList{QStringLiteral("StopJobs false")});
}

TEST_F(JoinRunnerEventsTest, AFailureIsShownAndClosesTheWindow) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    Terminated(-5, false, true, QStringLiteral("Cannot write the output: No space left on device"));

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Cannot write the output: No space left on device"));
    EXPECT_EQ(messages.shown[0].title, kProduct);
    EXPECT_EQ(messages.shown[0].icon, UserMessages::Icon::Warning);
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(view.taskbar, -1);
    EXPECT_EQ(view.notices, 0);
    EXPECT_EQ(runner.JobStartTime(), 0.0);
}

TEST_F(JoinRunnerEventsTest, AnEventWithBothFlagsRunsBothOutcomes) {
    Terminated(0, true, true, QStringLiteral("odd"));
    EXPECT_EQ(view.caption, QStringLiteral("Join Finished!"));
    EXPECT_EQ(view.notices, 1);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(view.closes, 1);
}

TEST_F(JoinRunnerEventsTest, ANegativeCodeIsNoCompletion) {
    Terminated(-1, true, false);
    EXPECT_EQ(view.caption, QStringLiteral("Please wait..."));
    EXPECT_EQ(view.notices, 0);
    EXPECT_EQ(view.sounds, 0);
}

TEST_F(JoinRunnerEventsTest, StopClosesAndLateEventsReopenNothing) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    Progress(20.0, 1000, 60 * kSecond, 120 * kSecond);
    runner.Stop();
    EXPECT_TRUE(runner.StopRequested());
    EXPECT_EQ(encoder.calls, QStringList{QStringLiteral("StopJobs false")});
    EXPECT_EQ(view.taskbar, -1);
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(runner.JobStartTime(), 0.0);

    // The window reports its close; then the engine's late reports arrive.
    runner.ProgressWindowClosed();
    const QStringList after_close = view.log;
    Progress(21.0, 2000, 70 * kSecond, 120 * kSecond);
    Terminated(0, true, false);
    Terminated(-1, false, true, QStringLiteral("late failure"));
    EXPECT_EQ(view.log, after_close);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(view.closes, 1);
}

TEST_F(JoinRunnerEventsTest, CloseBoxStopsTheJobAndLateEventsAreIgnored) {
    Progress(10.0, 1000, 30 * kSecond, 120 * kSecond);
    runner.ProgressWindowClosed();
    EXPECT_FALSE(runner.StopRequested());
    EXPECT_EQ(encoder.calls, QStringList{QStringLiteral("StopJobs false")});
    const QStringList after_close = view.log;
    Progress(11.0, 2000, 70 * kSecond, 120 * kSecond);
    Terminated(0, true, false);
    EXPECT_EQ(view.log, after_close);
    EXPECT_EQ(view.notices, 0);
}

TEST_F(JoinRunnerEventsTest, ASecondJobTimesFromItsOwnFirstReport) {
    Progress(100.0, 1000, 30 * kSecond, 120 * kSecond);
    runner.Stop();
    runner.ProgressWindowClosed();

    FakeProgressView second;
    Start(second);
    EXPECT_EQ(runner.JobStartTime(), 0.0);
    Progress(400.0, 1000, 0, 120 * kSecond);
    Progress(406.0, 1000, 60 * kSecond, 120 * kSecond);
    EXPECT_EQ(second.elapsed, QStringLiteral("00:00:06"));
    EXPECT_EQ(second.remaining, QStringLiteral("00:00:06"));
    EXPECT_EQ(second.bar, 50);
}

}  // namespace

}  // namespace veltrano

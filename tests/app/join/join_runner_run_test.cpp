// EngineSetup and RunJoin: what the runner asks of the encoder, in which order, and what the
// user is told when something is refused.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <string>
#include <vector>

#include "app/join/join_runner.h"
#include "tests/app/join/join_runner_test_fakes.h"
#include "tests/support/probe_test_printers.h"
#include "tests/support/recording_messages.h"

namespace veltrano {

namespace {

const QString kProduct = QStringLiteral("Veltrano Video Joiner");

class JoinRunnerRunTest : public ::testing::Test {
protected:
    JoinRequest Request() const {
        JoinRequest request;
        request.OutputFolder = QStringLiteral("/out/");
        request.OutputName = QStringLiteral("joined");
        request.OutputExtension = QStringLiteral("mp4");
        request.EngineParameters = QStringLiteral("-vcodec libx264 -s 640x480 -join");
        return request;
    }
    static std::vector<QString> Paths(int count) {
        std::vector<QString> paths;
        for (int i = 1; i <= count; ++i) {
            paths.push_back(QStringLiteral("/clips/part %1.mp4").arg(i));
        }
        return paths;
    }

    FakeEncoder encoder;
    RecordingMessages messages;
    FakeSettings settings;
    FakeClock clock;
    FakeProgressView view;
    JoinRunner runner{encoder, messages, settings, clock};
};

TEST_F(JoinRunnerRunTest, EngineSetupReadsFoldersAndStopsAtALoadedEngine) {
    settings.values[QStringLiteral("OutPath")] = QStringLiteral("/home/user/Videos/");
    EXPECT_TRUE(runner.EngineSetup(QStringLiteral("/opt/veltrano")));
    EXPECT_EQ(runner.ProgramFolder(), QStringLiteral("/opt/veltrano/"));
    EXPECT_EQ(runner.OutputFolder(), QStringLiteral("/home/user/Videos/"));
    EXPECT_EQ(encoder.calls, QStringList{QStringLiteral("IsEngineLoaded")});
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(JoinRunnerRunTest, EngineSetupKeepsAFolderThatAlreadyEndsWithASlash) {
    EXPECT_TRUE(runner.EngineSetup(QStringLiteral("/opt/veltrano/")));
    EXPECT_EQ(runner.ProgramFolder(), QStringLiteral("/opt/veltrano/"));
    EXPECT_EQ(runner.OutputFolder(), QString());
}

TEST_F(JoinRunnerRunTest, EngineSetupLoadsFromTheLibAvSubfolder) {
    encoder.engineLoaded = false;
    EXPECT_TRUE(runner.EngineSetup(QStringLiteral("/opt/veltrano")));
    EXPECT_EQ(encoder.calls, (QStringList{QStringLiteral("IsEngineLoaded"),
                                          QStringLiteral("LoadEngine /opt/veltrano/LibAV")}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(JoinRunnerRunTest, EngineSetupWithoutAnEngineTellsTheUserAndAsksToEnd) {
    encoder.engineLoaded = false;
    encoder.loadSucceeds = false;
    EXPECT_FALSE(runner.EngineSetup(QStringLiteral("/opt/veltrano")));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Video lib not found"));
    EXPECT_EQ(messages.shown[0].title, kProduct);
    EXPECT_EQ(messages.shown[0].icon, UserMessages::Icon::Error);
}

TEST_F(JoinRunnerRunTest, TwoFilesAreHandedOverInOrderAndStarted) {
    const auto result = runner.RunJoin(view, Paths(2), Request());
    EXPECT_EQ(result, JoinRunner::RunResult::Started);
    EXPECT_EQ(
        encoder.calls,
        (QStringList{
            QStringLiteral("ClearJobs"), QStringLiteral("CreateJob /clips/part 1.mp4 []"),
            QStringLiteral("AddJobInput 7 /clips/part 2.mp4 []"),
            QStringLiteral("SetJobOutput 7 /out/joined.mp4 [-vcodec libx264 -s 640x480 -join]"),
            QStringLiteral("StartJobs 1")}));
    EXPECT_TRUE(runner.IsRunning());
    EXPECT_EQ(view.pendingEventRuns, 1);
    EXPECT_TRUE(messages.shown.isEmpty());
    // A fresh window: nothing shown yet.
    EXPECT_EQ(view.caption, QStringLiteral("Please wait..."));
    EXPECT_EQ(view.button, QStringLiteral("Cancel"));
    EXPECT_EQ(view.bar, 0);
    EXPECT_EQ(view.closes, 0);
}

struct InputFailureCase {
    int count;
    int refusedRow;  // 1-based

    friend void PrintTo(const InputFailureCase& c, std::ostream* os) {
        *os << "row " << c.refusedRow << " of " << c.count;
    }
};

class JoinRunnerInputFailureTest : public JoinRunnerRunTest,
                                   public ::testing::WithParamInterface<InputFailureCase> {};

TEST_P(JoinRunnerInputFailureTest, StopsAtTheRefusedRowAndNamesIt) {
    const InputFailureCase c = GetParam();
    const std::vector<QString> paths = Paths(c.count);
    const QString refused = paths[static_cast<size_t>(c.refusedRow - 1)];
    encoder.refusedInputs.insert(refused);
    encoder.lastError =
        QStringLiteral("Cannot open file: Invalid data found when processing input");

    EXPECT_EQ(runner.RunJoin(view, paths, Request()), JoinRunner::RunResult::InputFailed);

    QStringList expected{QStringLiteral("ClearJobs"),
                         QStringLiteral("CreateJob /clips/part 1.mp4 []")};
    for (int row = 2; row <= c.refusedRow; ++row) {
        expected << QStringLiteral("AddJobInput 7 /clips/part %1.mp4 []").arg(row);
    }
    expected << QStringLiteral("LastErrorText");
    EXPECT_EQ(encoder.calls, expected);  // later rows untouched, nothing output or started

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Can not open file: \r\n") + refused +
                                          QStringLiteral("\r\n\r\nError: \r\n") +
                                          encoder.lastError);
    EXPECT_EQ(messages.shown[0].title, kProduct);
    EXPECT_EQ(messages.shown[0].icon, UserMessages::Icon::Error);
    // The window stays open and waits for its button.
    EXPECT_EQ(view.closes, 0);
    EXPECT_EQ(view.caption, QStringLiteral("Please wait..."));
    EXPECT_EQ(view.button, QStringLiteral("Cancel"));
    EXPECT_FALSE(runner.IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Rows, JoinRunnerInputFailureTest,
                         ::testing::Values(InputFailureCase{5, 3}, InputFailureCase{5, 1},
                                           InputFailureCase{2, 2}, InputFailureCase{5, 5}),
                         [](const ::testing::TestParamInfo<InputFailureCase>& info) {
                             return "Row" + std::to_string(info.param.refusedRow) + "Of" +
                                    std::to_string(info.param.count);
                         });

TEST_F(JoinRunnerRunTest, RefusedOutputRemovesTheJobExplainsAndClosesTheWindow) {
    encoder.refuseOutput = true;
    encoder.removeClearsError = true;  // the reason must survive the removal
    encoder.lastError = QStringLiteral("Unknown option \"-foo\"");

    EXPECT_EQ(runner.RunJoin(view, Paths(3), Request()), JoinRunner::RunResult::OutputFailed);

    EXPECT_EQ(encoder.calls.mid(encoder.calls.indexOf(QRegularExpression("^SetJobOutput.*"))),
              (QStringList{QStringLiteral("SetJobOutput 7 /out/joined.mp4 "
                                          "[-vcodec libx264 -s 640x480 -join]"),
                           QStringLiteral("LastErrorText"), QStringLiteral("RemoveJob 7")}));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Cannot convert.\r\nError: Unknown option \"-foo\"\r\n"
                             "Please try to convert it to another format"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Error"));
    EXPECT_EQ(messages.shown[0].icon, UserMessages::Icon::Error);
    EXPECT_EQ(view.closes, 1);
    EXPECT_FALSE(runner.IsRunning());
}

TEST_F(JoinRunnerRunTest, AnEmptySourceListAsksNothingOfTheEncoder) {
    EXPECT_EQ(runner.RunJoin(view, {}, Request()), JoinRunner::RunResult::NothingToJoin);
    EXPECT_TRUE(encoder.calls.isEmpty());
    EXPECT_FALSE(runner.IsRunning());
}

TEST_F(JoinRunnerRunTest, ANewJoinClearsAnEarlierStopRequest) {
    runner.SetStopRequested(true);
    runner.RunJoin(view, Paths(2), Request());
    EXPECT_FALSE(runner.StopRequested());
    EXPECT_EQ(runner.JobStartTime(), 0.0);
}

}  // namespace

}  // namespace veltrano

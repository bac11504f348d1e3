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

    FakeEncoder encoder_;
    RecordingMessages messages_;
    FakeSettings settings_;
    FakeClock clock_;
    FakeProgressView view_;
    JoinRunner runner_{encoder_, messages_, settings_, clock_};
};

TEST_F(JoinRunnerRunTest, EngineSetupReadsFoldersAndStopsAtALoadedEngine) {
    settings_.Values[QStringLiteral("OutPath")] = QStringLiteral("/home/user/Videos/");
    EXPECT_TRUE(runner_.EngineSetup(QStringLiteral("/opt/veltrano")));
    EXPECT_EQ(runner_.ProgramFolder(), QStringLiteral("/opt/veltrano/"));
    EXPECT_EQ(runner_.OutputFolder(), QStringLiteral("/home/user/Videos/"));
    EXPECT_EQ(encoder_.Calls, QStringList{QStringLiteral("IsEngineLoaded")});
    EXPECT_TRUE(messages_.Shown.isEmpty());
}

TEST_F(JoinRunnerRunTest, EngineSetupKeepsAFolderThatAlreadyEndsWithASlash) {
    EXPECT_TRUE(runner_.EngineSetup(QStringLiteral("/opt/veltrano/")));
    EXPECT_EQ(runner_.ProgramFolder(), QStringLiteral("/opt/veltrano/"));
    EXPECT_EQ(runner_.OutputFolder(), QString());
}

TEST_F(JoinRunnerRunTest, EngineSetupLoadsFromTheLibAvSubfolder) {
    encoder_.EngineLoaded = false;
    EXPECT_TRUE(runner_.EngineSetup(QStringLiteral("/opt/veltrano")));
    EXPECT_EQ(encoder_.Calls, (QStringList{QStringLiteral("IsEngineLoaded"),
                                           QStringLiteral("LoadEngine /opt/veltrano/LibAV")}));
    EXPECT_TRUE(messages_.Shown.isEmpty());
}

TEST_F(JoinRunnerRunTest, EngineSetupWithoutAnEngineTellsTheUserAndAsksToEnd) {
    encoder_.EngineLoaded = false;
    encoder_.LoadSucceeds = false;
    EXPECT_FALSE(runner_.EngineSetup(QStringLiteral("/opt/veltrano")));
    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(messages_.Shown[0].Text, QStringLiteral("Video lib not found"));
    EXPECT_EQ(messages_.Shown[0].Title, kProduct);
    EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Error);
}

TEST_F(JoinRunnerRunTest, TwoFilesAreHandedOverInOrderAndStarted) {
    const auto result = runner_.RunJoin(view_, Paths(2), Request());
    EXPECT_EQ(result, JoinRunner::RunResult::Started);
    EXPECT_EQ(
        encoder_.Calls,
        (QStringList{
            QStringLiteral("ClearJobs"), QStringLiteral("CreateJob /clips/part 1.mp4 []"),
            QStringLiteral("AddJobInput 7 /clips/part 2.mp4 []"),
            QStringLiteral("SetJobOutput 7 /out/joined.mp4 [-vcodec libx264 -s 640x480 -join]"),
            QStringLiteral("StartJobs 1")}));
    EXPECT_TRUE(runner_.IsRunning());
    EXPECT_EQ(view_.PendingEventRuns, 1);
    EXPECT_TRUE(messages_.Shown.isEmpty());
    // A fresh window: nothing shown yet.
    EXPECT_EQ(view_.Caption, QStringLiteral("Please wait..."));
    EXPECT_EQ(view_.Button, QStringLiteral("Cancel"));
    EXPECT_EQ(view_.Bar, 0);
    EXPECT_EQ(view_.Closes, 0);
}

struct InputFailureCase {
    int Count;
    int RefusedRow;  // 1-based

    friend void PrintTo(const InputFailureCase& c, std::ostream* os) {
        *os << "row " << c.RefusedRow << " of " << c.Count;
    }
};

class JoinRunnerInputFailureTest : public JoinRunnerRunTest,
                                   public ::testing::WithParamInterface<InputFailureCase> {};

TEST_P(JoinRunnerInputFailureTest, StopsAtTheRefusedRowAndNamesIt) {
    const InputFailureCase c = GetParam();
    const std::vector<QString> paths = Paths(c.Count);
    const QString refused = paths[static_cast<size_t>(c.RefusedRow - 1)];
    encoder_.RefusedInputs.insert(refused);
    encoder_.LastError =
        QStringLiteral("Cannot open file: Invalid data found when processing input");

    EXPECT_EQ(runner_.RunJoin(view_, paths, Request()), JoinRunner::RunResult::InputFailed);

    QStringList expected{QStringLiteral("ClearJobs"),
                         QStringLiteral("CreateJob /clips/part 1.mp4 []")};
    for (int row = 2; row <= c.RefusedRow; ++row) {
        expected << QStringLiteral("AddJobInput 7 /clips/part %1.mp4 []").arg(row);
    }
    expected << QStringLiteral("LastErrorText");
    EXPECT_EQ(encoder_.Calls, expected);  // later rows untouched, nothing output or started

    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(messages_.Shown[0].Text, QStringLiteral("Can not open file: \r\n") + refused +
                                           QStringLiteral("\r\n\r\nError: \r\n") +
                                           encoder_.LastError);
    EXPECT_EQ(messages_.Shown[0].Title, kProduct);
    EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Error);
    // The window stays open and waits for its button.
    EXPECT_EQ(view_.Closes, 0);
    EXPECT_EQ(view_.Caption, QStringLiteral("Please wait..."));
    EXPECT_EQ(view_.Button, QStringLiteral("Cancel"));
    EXPECT_FALSE(runner_.IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Rows, JoinRunnerInputFailureTest,
                         ::testing::Values(InputFailureCase{5, 3}, InputFailureCase{5, 1},
                                           InputFailureCase{2, 2}, InputFailureCase{5, 5}),
                         [](const ::testing::TestParamInfo<InputFailureCase>& info) {
                             return "Row" + std::to_string(info.param.RefusedRow) + "Of" +
                                    std::to_string(info.param.Count);
                         });

TEST_F(JoinRunnerRunTest, RefusedOutputRemovesTheJobExplainsAndClosesTheWindow) {
    encoder_.RefuseOutput = true;
    encoder_.RemoveClearsError = true;  // the reason must survive the removal
    encoder_.LastError = QStringLiteral("Unknown option \"-foo\"");

    EXPECT_EQ(runner_.RunJoin(view_, Paths(3), Request()), JoinRunner::RunResult::OutputFailed);

    EXPECT_EQ(encoder_.Calls.mid(encoder_.Calls.indexOf(QRegularExpression("^SetJobOutput.*"))),
              (QStringList{QStringLiteral("SetJobOutput 7 /out/joined.mp4 "
                                          "[-vcodec libx264 -s 640x480 -join]"),
                           QStringLiteral("LastErrorText"), QStringLiteral("RemoveJob 7")}));
    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_EQ(messages_.Shown[0].Text,
              QStringLiteral("Cannot convert.\r\nError: Unknown option \"-foo\"\r\n"
                             "Please try to convert it to another format"));
    EXPECT_EQ(messages_.Shown[0].Title, QStringLiteral("Error"));
    EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Error);
    EXPECT_EQ(view_.Closes, 1);
    EXPECT_FALSE(runner_.IsRunning());
}

TEST_F(JoinRunnerRunTest, AnEmptySourceListAsksNothingOfTheEncoder) {
    EXPECT_EQ(runner_.RunJoin(view_, {}, Request()), JoinRunner::RunResult::NothingToJoin);
    EXPECT_TRUE(encoder_.Calls.isEmpty());
    EXPECT_FALSE(runner_.IsRunning());
}

TEST_F(JoinRunnerRunTest, ANewJoinClearsAnEarlierStopRequest) {
    runner_.RunJoin(view_, Paths(2), Request());
    runner_.Stop();
    ASSERT_TRUE(runner_.StopRequested());
    runner_.RunJoin(view_, Paths(2), Request());
    EXPECT_FALSE(runner_.StopRequested());
    EXPECT_EQ(runner_.JobStartTime(), 0.0);
    // The new job's reports are taken in, not ignored as a stopped job's would be.
    clock_.Seconds = 5.0;
    emit encoder_.JobProgress(FakeEncoder::kHandle, 1000, 30'000'000, 120'000'000);
    EXPECT_EQ(runner_.JobStartTime(), 5.0);
}

}  // namespace

}  // namespace veltrano

// The join command stopped by Ctrl+C at each stage of the job: the engine's stage observer
// raises the interrupt exactly there, so every case is the same on every run.
#include <gtest/gtest.h>

extern "C" {
#include <libavutil/log.h>
}

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <map>
#include <string>
#include <vector>

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"
#include "core/settings_store.h"
#include "engine/jobs/ff_encoder.h"
#include "engine/plan/join_task.h"
#include "engine/probe/ff_decoder.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "tests/support/join_stop_cases.h"
#include "tests/support/media_tools.h"

namespace veltrano {

namespace {

// Queued signals and the interrupt watcher's timer need an application object.
void EnsureApplication() {
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "cli_join_stop_test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }
}

// Settings kept in memory: the test never touches the user's configuration.
class MemorySettings : public SettingsStore {
public:
    QString ReadSetting(const QString& name) const override {
        const auto found = values_.find(name);
        return found == values_.end() ? QString() : found->second;
    }
    void WriteSetting(const QString& name, const QString& text) override { values_[name] = text; }

private:
    std::map<QString, QString> values_;
};

struct CommandRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

class CliJoinStopTest : public JoinStopTest {
protected:
    // Runs "veltrano-join join" in this process on the real engine; Ctrl+C comes at `stop`.
    CommandRun RunJoin(const StopCase& stop) {
        QStringList words{QStringLiteral("join"),     QStringLiteral("--yes"),
                          QStringLiteral("--name"),   QStringLiteral("joined"),
                          QStringLiteral("--folder"), out_.path()};
        if (stop.Copy) {
            words << QStringLiteral("--copy");
        } else {
            words << QStringLiteral("--profile") << QStringLiteral("ID_MPH");
        }
        words << Input() << Input();
        const Result<CliArguments> args = ParseCliArguments(words);
        EXPECT_TRUE(args.Ok()) << args.Message().toStdString();
        if (!args.Ok()) {
            return {};
        }

        const ProfileCatalogue catalogue;
        MemorySettings settings;
        FFDecoder decoder;
        FFEncoder encoder;
        encoder.SetStageObserver([&encoder, stop](JoinStage stage) {
            if (stage == stop.Stage) {
                // The engine sees the stop at this very point; the command learns of it as it
                // learns of a real Ctrl+C.
                encoder.RequestStop();
                std::raise(SIGINT);
            }
        });
        CliEnvironment env{catalogue, decoder, encoder, settings, ClipFolder() + '/'};
        av_log_set_level(AV_LOG_FATAL);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        CommandRun run;
        run.ExitCode = RunJoinCommand(*args, env);
        run.Out = testing::internal::GetCapturedStdout();
        run.Err = testing::internal::GetCapturedStderr();
        return run;
    }
};

TEST_P(CliJoinStopTest, CtrlCLeavesTheFolderAsItWasOrReportsTheCompletedJoin) {
    const StopCase stop = GetParam();
    const QString output = out_.filePath(QStringLiteral("joined.mp4"));
    {
        QFile older(output);
        ASSERT_TRUE(older.open(QIODevice::WriteOnly));
        older.write("an older file\n");
    }
    const std::map<QString, QByteArray> before = FolderContents();

    const CommandRun run = RunJoin(stop);

    if (stop.Stage == JoinStage::Renamed) {
        // Once the output has its name a Ctrl+C is too late: the join is complete.
        EXPECT_EQ(run.ExitCode, kExitSuccess) << run.Err;
        EXPECT_EQ(run.Out, output.toStdString() + "\n");
        EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(output)), 1.0, 0.15);
        const std::map<QString, QByteArray> after = FolderContents();
        ASSERT_EQ(after.size(), 1u);
        EXPECT_EQ(after.begin()->first, QStringLiteral("joined.mp4"));
        return;
    }
    EXPECT_EQ(run.ExitCode, kExitInterrupted) << run.Err;
    EXPECT_EQ(run.Out, "") << "no output path for a stopped join";
    EXPECT_NE(run.Err.find("veltrano-join: The join was stopped; nothing was written.\n"),
              std::string::npos)
        << run.Err;
    EXPECT_EQ(FolderContents(), before)
        << "left: "
        << QDir(out_.path()).entryList(QDir::Files | QDir::Hidden).join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryStage, CliJoinStopTest, ::testing::ValuesIn(EveryStopCase()),
                         [](const ::testing::TestParamInfo<StopCase>& info) {
                             return StopCaseName(info.param);
                         });

// An encoder whose job completes, its output renamed into place, while a Ctrl+C is on its way:
// the stop reaches it only after the completion was posted.
class LateStopEncoder : public MediaEncoder {
public:
    bool IsEngineLoaded() override { return true; }
    bool LoadEngine(const QString&) override { return true; }
    QString LastErrorText() const override { return {}; }
    void ClearJobs() override {}
    int CreateJob(const QString&, const QString&) override { return 1; }
    int AddJobInput(int, const QString&, const QString&) override { return 0; }
    int SetJobOutput(int, const QString& outputPath, const QString&) override {
        output_ = outputPath;
        return 0;
    }
    void RemoveJob(int) override {}
    void StartJobs(int) override { std::raise(SIGINT); }
    void StopJobs(bool) override {
        if (finished_) {
            return;
        }
        finished_ = true;
        QFile file(output_);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the joined output\n");
        file.close();
        QMetaObject::invokeMethod(
            this, [this] { emit JobTerminated(0, true, false, QString()); }, Qt::QueuedConnection);
    }

private:
    QString output_;
    bool finished_ = false;
};

TEST(CliJoinLateStopTest, ACtrlCThatComesAfterTheJoinCompletedReportsTheOutput) {
    EnsureApplication();
    QTemporaryDir clips;
    QTemporaryDir out;
    const QString input = clips.filePath(QStringLiteral("a.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(
        input, 0.5, 160, 120, QStringLiteral("25"),
        {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
         QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")}));
    const Result<CliArguments> args = ParseCliArguments(
        {QStringLiteral("join"), QStringLiteral("--copy"), QStringLiteral("--name"),
         QStringLiteral("joined"), QStringLiteral("--folder"), out.path(), input, input});
    ASSERT_TRUE(args.Ok()) << args.Message().toStdString();
    const ProfileCatalogue catalogue;
    MemorySettings settings;
    FFDecoder decoder;
    LateStopEncoder encoder;
    CliEnvironment env{catalogue, decoder, encoder, settings, clips.path() + '/'};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int exitCode = RunJoinCommand(*args, env);
    const std::string printed = testing::internal::GetCapturedStdout();
    const std::string errors = testing::internal::GetCapturedStderr();

    const QString output = out.filePath(QStringLiteral("joined.mp4"));
    ASSERT_TRUE(QFileInfo::exists(output));
    EXPECT_EQ(exitCode, kExitSuccess) << errors;
    EXPECT_EQ(printed, output.toStdString() + "\n");
    EXPECT_EQ(errors.find("stopped"), std::string::npos) << errors;
}

}  // namespace

}  // namespace veltrano

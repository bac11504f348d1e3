// The whole window program on a real X server: built through the same wiring as main(), two
// clips from its command line, joined by direct copy by pressing the real toolbar button, the
// output judged by ffprobe.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/join/join_action.h"
#include "app/join/progress_view.h"
#include "tests/app/join/join_runner_test_fakes.h"
#include "tests/support/media_tools.h"
#include "tests/support/recording_messages.h"
#include "tests/ui/program/end_to_end_clips.h"
#include "ui/program/window_program.h"

namespace {

using namespace veltrano;

// Join opens this instead of the output settings window: the dialog's Join Now with direct
// copy, over the real JoinAction, JoinRunner and encoder.
class CopyJoinOpeners : public WindowOpeners, public JoinDialogView, public FolderBrowser {
public:
    void OpenOutputSettings(QWidget*) override {
        ++settingsOpened;
        settings.Mode = JoinMode::DirectCopy;
        settings.FileNameText = QStringLiteral("joined");
        settings.FolderText = outputFolder;
        JoinAction action(settings, program->Request(), program->Messages(), *this, *this);
        const std::vector<MediaItem> rows = JoinListRows(program->List());
        result = action.Run(rows);
    }
    void OpenPlayer(QWidget*, const QString&) override {}
    void OpenAbout(QWidget*) override {}

    void FocusFileName() override {}
    void FocusFolder() override {}
    void HideDialog() override {}
    void ShowProgressWindow() override {
        const JoinRequest& request = program->Request();
        runResult = program->Runner().RunJoin(progress, program->List().SourcePaths(),
                                              {request.OutputFolder, request.OutputName,
                                               request.OutputExtension, request.EngineParameters});
    }
    std::optional<QString> ChooseFolder() override { return std::nullopt; }

    WindowProgram* program = nullptr;
    QString outputFolder;
    OutputSettings settings;
    FakeProgressView progress;
    int settingsOpened = 0;
    std::optional<JoinActionResult> result;
    std::optional<JoinRunner::RunResult> runResult;
};

TEST(WindowProgramEndToEndTest, ListsTheCommandLineFilesAndJoinsThemByDirectCopy) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    qputenv("XDG_CONFIG_HOME", work.filePath("config").toLocal8Bit());
    int argc = 1;
    char name[] = "veltrano-video-joiner";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
        << "run on an X server (tests/support/with-xvfb.sh)";

    const std::optional<EndToEndClips> clips = MakeEndToEndClips(work);
    ASSERT_TRUE(clips.has_value());
    const QString a = clips->First;
    const QString b = clips->Second;

    RecordingMessages messages;
    CopyJoinOpeners openers;
    openers.outputFolder = work.filePath("out");
    EngineModuleLoader engine;
    {
        WindowProgram program(engine,
                              ProgramFolder::ForApplication(QCoreApplication::applicationDirPath()),
                              openers, &messages);
        openers.program = &program;
        ASSERT_TRUE(program.Start());
        FormMain& window = program.MainWindow();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        program.AddFiles({a, b});

        // Listed, in order, in the window's own list and its status bar.
        ASSERT_EQ(program.List().Count(), 2);
        QAbstractItemModel* model = window.ListView()->model();
        ASSERT_EQ(model->rowCount(), 2);
        EXPECT_EQ(model->index(0, 0).data().toString(), a);
        EXPECT_EQ(model->index(1, 0).data().toString(), b);
        EXPECT_EQ(model->index(1, 2).data().toString(), QStringLiteral("00:00:03"));
        EXPECT_EQ(model->index(0, 6).data().toString(), QStringLiteral("h264"));
        window.RefreshTotals();
        EXPECT_EQ(window.TotalFilesPane()->text(), QStringLiteral("Total Files: 2"));
        EXPECT_EQ(window.TotalDurationPane()->text(), QStringLiteral("Total Duration: 00:00:05"));

        // The toolbar's Join button, pressed as a user would.
        QSignalSpy terminated(&program.Encoder(), &MediaEncoder::JobTerminated);
        auto* join = qobject_cast<QToolButton*>(
            window.Toolbar()->widgetForAction(window.Action(CommandId::Join)));
        ASSERT_NE(join, nullptr);
        QTest::mouseClick(join, Qt::LeftButton);
        ASSERT_EQ(openers.settingsOpened, 1);
        ASSERT_EQ(openers.result, JoinActionResult::Started);
        ASSERT_EQ(openers.runResult, JoinRunner::RunResult::Started);
        ASSERT_TRUE(terminated.wait(120000)) << "the join did not end";
        ASSERT_EQ(terminated.size(), 1);
        EXPECT_TRUE(terminated[0][1].toBool()) << terminated[0][3].toString().toStdString();
        EXPECT_FALSE(terminated[0][2].toBool());
        EXPECT_EQ(openers.progress.Caption, QStringLiteral("Join Finished!"));
        EXPECT_TRUE(messages.Shown.isEmpty()) << messages.Shown.value(0).Text.toStdString();

        window.close();  // stores the output folder
    }

    const QString output = work.filePath("out/joined.mp4");
    const QJsonObject probe = media_tools::Probe(output);
    ASSERT_FALSE(probe.isEmpty()) << "no output at " << output.toStdString();
    const QJsonArray video = media_tools::StreamsOfType(probe, QStringLiteral("video"));
    const QJsonArray audio = media_tools::StreamsOfType(probe, QStringLiteral("audio"));
    ASSERT_EQ(video.size(), 1);
    ASSERT_EQ(audio.size(), 1);
    EXPECT_EQ(video[0].toObject()[QStringLiteral("codec_name")].toString(), QStringLiteral("h264"));
    EXPECT_EQ(audio[0].toObject()[QStringLiteral("codec_name")].toString(), QStringLiteral("aac"));
    EXPECT_EQ(video[0].toObject()[QStringLiteral("width")].toInt(), 320);
    EXPECT_NEAR(media_tools::FormatDuration(probe), 5.0, 0.3);
    EXPECT_NEAR(media_tools::StreamDuration(output, QStringLiteral("video")), 5.0, 0.2);

    SettingsStore stored;
    EXPECT_EQ(stored.ReadSetting(QStringLiteral("OutPath")), work.filePath("out") + "/");
}

}  // namespace

// The window program's command line and its wiring.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/recording_messages.h"
#include "ui/program/program_options.h"
#include "ui/program/program_windows.h"
#include "ui/program/window_program.h"

namespace {

using namespace veltrano;

TEST(ProgramOptionsTest, FilesKeepTheirOrderAndOptionsAreRecognisedAnywhere) {
    const Result<ProgramOptions> parsed =
        ParseProgramOptions({"b.mp4", "--print-list", "a.mp4", "-", "--", "--odd.mp4", "-h"});
    ASSERT_TRUE(parsed.Ok());
    const ProgramOptions& options = *parsed;
    EXPECT_TRUE(options.PrintList);
    EXPECT_FALSE(options.Help) << "after -- everything is a file";
    EXPECT_EQ(options.Files, (QStringList{"b.mp4", "a.mp4", "-", "--odd.mp4", "-h"}));
}

TEST(ProgramOptionsTest, HelpAndUnknownOptions) {
    EXPECT_TRUE(ParseProgramOptions({"--help"})->Help);
    EXPECT_TRUE(ParseProgramOptions({"-h", "a.mp4"})->Help);
    const Result<ProgramOptions> none = ParseProgramOptions({});
    ASSERT_TRUE(none.Ok());
    EXPECT_FALSE(none->Help || none->PrintList);
    EXPECT_TRUE(none->Files.isEmpty());
    const Result<ProgramOptions> bad = ParseProgramOptions({"a.mp4", "--print", "--nope"});
    EXPECT_FALSE(bad.Ok());
    EXPECT_EQ(bad.Message(), QStringLiteral("unknown option: --print"));
    EXPECT_TRUE(ProgramUsageText().contains(QLatin1String("--print-list")));
    EXPECT_TRUE(ProgramUsageText().contains(QLatin1String("--help")));
    EXPECT_TRUE(ParseProgramOptions({"a.mp4", "--version"})->Version);
    EXPECT_TRUE(ProgramUsageText().contains(QLatin1String("--version")));
    EXPECT_EQ(ProgramVersionText(), QStringLiteral("veltrano-video-joiner 5.0.0\n"));
}

// The wiring main() uses, without media: start-up reads the stored output folder, and files
// from the command line are probed under their full names, folders skipped.
TEST(WindowProgramTest, StartsAndAddsCommandLineFilesUnderTheirFullNames) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    qputenv("XDG_CONFIG_HOME", work.filePath("config").toLocal8Bit());
    int argc = 1;
    char name[] = "ui_program_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    SettingsStore().WriteSetting(QStringLiteral("OutPath"), QStringLiteral("/videos/out/"));
    QFile notVideo(work.filePath("notes.mp4"));
    ASSERT_TRUE(notVideo.open(QIODevice::WriteOnly));
    notVideo.write("not a video\n");
    notVideo.close();

    RecordingMessages messages;
    ProgramWindows openers;  // not attached: the commands that open windows do nothing
    EngineModuleLoader engine;
    WindowProgram program(engine, ProgramFolder::FirstExisting({work.path()}), openers, &messages);
    ASSERT_TRUE(program.Start());
    EXPECT_EQ(program.Request().OutputFolder, QStringLiteral("/videos/out/"));
    EXPECT_EQ(program.MainWindow().windowTitle(), QStringLiteral("Veltrano Video Joiner"));

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(work.path()));
    program.AddFiles({QStringLiteral("notes.mp4"), QStringLiteral(".")});
    QDir::setCurrent(previous);
    EXPECT_EQ(program.List().Count(), 0);
    ASSERT_EQ(messages.Shown.size(), 1) << "the folder is skipped silently";
    EXPECT_TRUE(messages.Shown[0].Text.startsWith(QStringLiteral("Can not open file: \r\n") +
                                                  work.filePath("notes.mp4") + "\r\n"))
        << messages.Shown[0].Text.toStdString();
    program.MainWindow().close();
    EXPECT_EQ(SettingsStore().ReadSetting(QStringLiteral("OutPath")),
              QStringLiteral("/videos/out/"));
}

}  // namespace

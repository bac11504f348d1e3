// `veltrano-video-joiner --print-list`: the real binary on real clips.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/support/media_tools.h"

namespace {

using namespace veltrano;

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun RunProgram(const QStringList& args, const QString& workingDir) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the program chooses offscreen itself
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), workingDir);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workingDir);
    process.start(QStringLiteral(VELTRANO_VIDEO_JOINER_BINARY), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(PrintListTest, PrintsOneRowPerFileWithTheEightColumns) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList h264{"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"};
    ASSERT_TRUE(media_tools::MakeClip(dir.filePath("a.mp4"), 1.0, 320, 240, "25", h264));
    ASSERT_TRUE(media_tools::MakeClip(dir.filePath("b.mkv"), 2.0, 640, 480, "25", h264));
    QFile text(dir.filePath("notes.mp4"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a video\n");
    text.close();

    const ProgramRun run = RunProgram({"--print-list", "a.mp4", "b.mkv"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << run.out.toStdString();
    const QStringList a = lines[0].split(QLatin1Char('\t'));
    const QStringList b = lines[1].split(QLatin1Char('\t'));
    ASSERT_EQ(a.size(), 8);
    ASSERT_EQ(b.size(), 8);
    EXPECT_EQ(a[0], dir.filePath("a.mp4")) << "names are listed as full paths";
    EXPECT_EQ(a[1], QStringLiteral("MP4"));
    EXPECT_EQ(a[2], QStringLiteral("00:00:01"));
    EXPECT_EQ(a[3], QStringLiteral("320 X 240"));
    EXPECT_TRUE(a[4].endsWith(QLatin1String(" MB")));
    EXPECT_EQ(a[6], QStringLiteral("h264"));
    EXPECT_EQ(a[7], QStringLiteral("aac"));
    EXPECT_EQ(b[0], dir.filePath("b.mkv"));
    EXPECT_EQ(b[1], QStringLiteral("MKV"));
    EXPECT_EQ(b[2], QStringLiteral("00:00:02"));
    EXPECT_EQ(b[3], QStringLiteral("640 X 480"));

    // A file that cannot be opened is told on standard error and left out; a folder is skipped.
    const ProgramRun mixed = RunProgram({"--print-list", "notes.mp4", ".", "a.mp4"}, dir.path());
    EXPECT_EQ(mixed.exitCode, 0);
    EXPECT_EQ(mixed.out.count(QLatin1Char('\n')), 1) << mixed.out.toStdString();
    EXPECT_TRUE(mixed.err.contains(QLatin1String("Can not open file: ")))
        << mixed.err.toStdString();

    const ProgramRun help = RunProgram({"--help"}, dir.path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QLatin1String("--print-list")));
    EXPECT_EQ(RunProgram({"--no-such-option"}, dir.path()).exitCode, 2);
}

}  // namespace

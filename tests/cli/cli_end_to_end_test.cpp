// The real veltrano-join binary, driven as a user would; outputs judged by ffprobe.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "tests/support/media_tools.h"

namespace veltrano {

namespace {

struct CliRun {
    int ExitCode = -1;
    QString Out;
    QString Err;
};

class CliEndToEndTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        clips_ = new QTemporaryDir;
        const QStringList h264{"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"};
        ASSERT_TRUE(media_tools::MakeClip(Clip("a.mp4"), 1.0, 640, 480, "25", h264));
        ASSERT_TRUE(media_tools::MakeClip(Clip("b.mp4"), 1.0, 320, 240, "25", h264));
        ASSERT_TRUE(media_tools::MakeClip(Clip("c.mp4"), 1.0, 640, 480, "25", h264));
        ASSERT_TRUE(
            media_tools::MakeClip(Clip("tone.m4a"), 1.0, 0, 0, "25", {"-c:a", "aac"}, false, true));
        QFile text(Clip("notes.mp4"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("this is not a video\n");
    }
    static void TearDownTestSuite() {
        delete clips_;
        clips_ = nullptr;
    }
    static QString Clip(const QString& name) { return clips_->filePath(name); }

    void SetUp() override {
        ASSERT_TRUE(config_.isValid());
        ASSERT_TRUE(out_.isValid());
    }

    QProcess* Start(const QStringList& args) {
        auto* process = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(out_.path());
        process->start(QStringLiteral(VELTRANO_JOIN_BINARY), args);
        return process;
    }

    CliRun Run(const QStringList& args) {
        std::unique_ptr<QProcess> process(Start(args));
        process->waitForFinished(120000);
        return CliRun{process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1,
                      QString::fromUtf8(process->readAllStandardOutput()),
                      QString::fromUtf8(process->readAllStandardError())};
    }

    QStringList FilesInOutput() const {
        return QDir(out_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    static QTemporaryDir* clips_;
    QTemporaryDir config_;
    QTemporaryDir out_;
};

QTemporaryDir* CliEndToEndTest::clips_ = nullptr;

TEST_F(CliEndToEndTest, ProfilesListsTheWholeCatalogueInMenuOrder) {
    const CliRun run = Run({"profiles"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList lines = run.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 126);
    EXPECT_EQ(
        lines.front(),
        QStringLiteral("1046\tID_GP\tGeneral Video Format\t3GP - 3GP Format (*.3gp)\t3gp\t3gp"));
    EXPECT_TRUE(
        lines.contains("1180\tID_DVDNTSCVIDEO\tVCD/DVD\tDVD NTSC - MPEG-2  Video\tntsc-dvd\tmpg"));
    for (const QString& line : lines) {
        EXPECT_EQ(line.count('\t'), 5) << line.toStdString();
    }
}

TEST_F(CliEndToEndTest, ProbeTextJsonAndUnopenableFiles) {
    const CliRun text = Run({"probe", Clip("a.mp4"), Clip("tone.m4a")});
    ASSERT_EQ(text.ExitCode, 0) << text.Err.toStdString();
    const QStringList lines = text.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    const QStringList first = lines[0].split('\t');
    ASSERT_EQ(first.size(), 8);
    EXPECT_EQ(first[0], Clip("a.mp4"));
    EXPECT_EQ(first[1], QStringLiteral("MP4"));
    EXPECT_EQ(first[2], QStringLiteral("00:00:01"));
    EXPECT_EQ(first[3], QStringLiteral("640 X 480"));
    EXPECT_TRUE(first[4].endsWith(" MB"));
    EXPECT_EQ(first[6], QStringLiteral("h264"));
    EXPECT_EQ(first[7], QStringLiteral("aac"));
    EXPECT_EQ(lines[1].split('\t')[6], QString()) << "no video stream, no video codec";

    const CliRun json = Run({"probe", "--json", Clip("notes.mp4"), Clip("b.mp4")});
    EXPECT_EQ(json.ExitCode, 1);
    EXPECT_TRUE(json.Err.contains("Can not open file: ")) << json.Err.toStdString();
    EXPECT_TRUE(json.Err.contains(Clip("notes.mp4")));
    const QJsonArray rows = QJsonDocument::fromJson(json.Out.toUtf8()).array();
    ASSERT_EQ(rows.size(), 1) << "the unopenable file is left out";
    const QJsonObject row = rows[0].toObject();
    for (const char* key : {"path", "type", "duration", "videoSize", "fileSize", "modified",
                            "videoCodec", "audioCodec", "durationSeconds"}) {
        EXPECT_TRUE(row.contains(QLatin1String(key))) << key;
    }
    EXPECT_EQ(row.value("videoSize").toString(), QStringLiteral("320 X 240"));
    EXPECT_NEAR(row.value("durationSeconds").toDouble(), 1.0, 0.1);
}

TEST_F(CliEndToEndTest, ParamsBuildsTheStringAndWritesNothing) {
    const CliRun smallest = Run({"params", Clip("a.mp4"), Clip("b.mp4")});
    ASSERT_EQ(smallest.ExitCode, 0) << smallest.Err.toStdString();
    EXPECT_EQ(smallest.Out,
              QStringLiteral("-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 512k -ab 128k "
                             "-ar 44100 -s 320x240 -join\nmp4\n"));

    // The profile's reset comes first even when the frame rate is given before it.
    const CliRun ordered = Run({"params", "--frame-rate=25", "--profile", "ID_IPHONEHVIDEO",
                                "--audio-quality", "low", Clip("a.mp4"), Clip("c.mp4")});
    ASSERT_EQ(ordered.ExitCode, 0) << ordered.Err.toStdString();
    EXPECT_EQ(ordered.Out,
              QStringLiteral("-r 25 -ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 1024k "
                             "-ab 96k -ar 22050 -s 480x320 -join\nmp4\n"));

    const CliRun copy = Run({"params", "--copy", Clip("a.mp4"), Clip("c.mp4")});
    EXPECT_EQ(copy.Out, QStringLiteral("-vcodec copy -acodec copy -join\nmp4\n"));
    const CliRun mixed = Run({"params", "--copy", Clip("a.mp4"), Clip("b.mp4")});
    EXPECT_EQ(mixed.ExitCode, 1);
    EXPECT_TRUE(mixed.Err.contains(
        "To use the 'Direct copy stream' function, all video files must be same format"));
    EXPECT_TRUE(FilesInOutput().isEmpty());
}

TEST_F(CliEndToEndTest, CheckSaysPerFileWhetherACopyTakesItAndWritesNothing) {
    const CliRun same = Run({"check", Clip("a.mp4"), Clip("c.mp4")});
    EXPECT_EQ(same.ExitCode, 0) << same.Err.toStdString();
    EXPECT_EQ(same.Out, Clip("c.mp4") + QStringLiteral("\tok\n"));

    const CliRun mixed = Run({"check", Clip("a.mp4"), Clip("b.mp4"), Clip("c.mp4")});
    EXPECT_EQ(mixed.ExitCode, 1);
    EXPECT_EQ(mixed.Out, Clip("b.mp4") +
                             QStringLiteral("\tCannot join by stream copy: b.mp4 differs from "
                                            "a.mp4 in picture size (320x240 vs 640x480).\n") +
                             Clip("c.mp4") + QStringLiteral("\tok\n"));

    const CliRun json = Run({"check", "--json", Clip("a.mp4"), Clip("notes.mp4"), Clip("c.mp4")});
    EXPECT_EQ(json.ExitCode, 1);
    const QJsonArray files = QJsonDocument::fromJson(json.Out.toUtf8()).array();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].toObject().value("file").toString(), Clip("notes.mp4"));
    EXPECT_FALSE(files[0].toObject().value("ok").toBool());
    EXPECT_TRUE(files[0].toObject().value("reason").toString().startsWith("Cannot open notes.mp4"));
    EXPECT_TRUE(files[1].toObject().value("ok").toBool());
    EXPECT_EQ(files[1].toObject().value("reason").toString(), QString());

    EXPECT_EQ(Run({"check", Clip("a.mp4")}).ExitCode, 2) << "one file has nothing after it";
    EXPECT_EQ(Run({"check", "--copy", Clip("a.mp4"), Clip("c.mp4")}).ExitCode, 2);
    EXPECT_TRUE(FilesInOutput().isEmpty());
}

TEST_F(CliEndToEndTest, BadUsageExitsWithTwoAndNamesTheOption) {
    const CliRun unknown = Run({"params", "--shiny", Clip("a.mp4")});
    EXPECT_EQ(unknown.ExitCode, 2);
    EXPECT_TRUE(unknown.Err.contains("--shiny"));
    const CliRun missing = Run({"params", Clip("a.mp4"), "--sample-rate"});
    EXPECT_EQ(missing.ExitCode, 2);
    EXPECT_TRUE(missing.Err.contains("--sample-rate"));
    const CliRun profile = Run({"params", "--profile", "ID_NOTHING", Clip("a.mp4")});
    EXPECT_EQ(profile.ExitCode, 2);
    EXPECT_TRUE(profile.Err.contains("--profile"));
    EXPECT_EQ(profile.Err.count('\n'), 1) << "one line";
}

TEST_F(CliEndToEndTest, CopyJoinProposesTheNameAndGuardsExistingFiles) {
    const CliRun first =
        Run({"join", "--copy", "--folder", out_.path(), Clip("a.mp4"), Clip("c.mp4")});
    ASSERT_EQ(first.ExitCode, 0) << first.Err.toStdString();
    const QString output = out_.filePath(QStringLiteral("a-join.mp4"));
    EXPECT_EQ(first.Out.trimmed(), output);
    EXPECT_TRUE(first.Err.endsWith("\nVerified: 2 files, 00:00:02, every packet in place\n"))
        << first.Err.toStdString();
    EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(output)), 2.0, 0.1);
    EXPECT_EQ(FilesInOutput(), QStringList{"a-join.mp4"}) << "no temporary file is left";

    const qint64 size = QFileInfo(output).size();
    const CliRun again = Run(
        {"join", "--copy", "--folder", out_.path(), Clip("a.mp4"), Clip("a.mp4"), Clip("c.mp4")});
    EXPECT_EQ(again.ExitCode, 1);
    EXPECT_TRUE(again.Err.contains("already exists")) << again.Err.toStdString();
    EXPECT_EQ(QFileInfo(output).size(), size) << "an existing output is kept without --yes";

    const CliRun replace = Run({"join", "--copy", "--yes", "--folder", out_.path(), Clip("a.mp4"),
                                Clip("a.mp4"), Clip("c.mp4")});
    ASSERT_EQ(replace.ExitCode, 0) << replace.Err.toStdString();
    EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(output)), 3.0, 0.1);
}

// MP4 clips saved without an extension: the proposal is "Join", and the copy keeps their
// container under that very name.
TEST_F(CliEndToEndTest, CopyJoinOfFilesWithoutExtensionKeepsTheirContainer) {
    QTemporaryDir bare;
    const QStringList mp4{"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac", "-f", "mp4"};
    const QString first = bare.filePath(QStringLiteral("first"));
    const QString second = bare.filePath(QStringLiteral("second"));
    ASSERT_TRUE(media_tools::MakeClip(first, 1.0, 320, 240, "25", mp4));
    ASSERT_TRUE(media_tools::MakeClip(second, 1.0, 320, 240, "25", mp4));

    const CliRun run = Run({"join", "--copy", "--folder", out_.path(), first, second});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QString output = out_.filePath(QStringLiteral("Join"));
    EXPECT_EQ(run.Out.trimmed(), output);
    EXPECT_EQ(FilesInOutput(), QStringList{"Join"});
    const QJsonObject probe = media_tools::Probe(output);
    EXPECT_TRUE(probe.value("format").toObject().value("format_name").toString().contains("mp4"))
        << QJsonDocument(probe).toJson().toStdString();
    EXPECT_EQ(probe.value("format").toObject().value("tags").toObject().value("major_brand"),
              QStringLiteral("isom"));
    EXPECT_NEAR(media_tools::FormatDuration(probe), 2.0, 0.1);
    EXPECT_EQ(media_tools::StreamsOfType(probe, "video").size(), 1);
    EXPECT_EQ(media_tools::StreamsOfType(probe, "audio").size(), 1);
}

TEST_F(CliEndToEndTest, CopyJoinSaysWhichTracksItLeftOut) {
    // a.mp4 with its sound once more as a French track; c.mp4 has one track of sound.
    const QString twoTracks = out_.filePath(QStringLiteral("two.mp4"));
    ASSERT_TRUE(
        media_tools::RunFfmpeg({"-i", Clip("a.mp4"), "-map", "0:v", "-map", "0:a", "-map", "0:a",
                                "-c", "copy", "-metadata:s:a:1", "language=fre", twoTracks}));
    const CliRun run = Run(
        {"join", "--copy", "--name", "joined", "--folder", out_.path(), twoTracks, Clip("c.mp4")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(
        run.Err.contains(QStringLiteral("Left out: audio track 2 (fre) \u2014 not in every file.")))
        << run.Err.toStdString();
    EXPECT_EQ(
        media_tools::StreamsOfType(media_tools::Probe(out_.filePath("joined.mp4")), "audio").size(),
        1);
}

TEST_F(CliEndToEndTest, RefusesToWriteOverAnInputAndChecksTheName) {
    const qint64 before = QFileInfo(Clip("a.mp4")).size();
    const CliRun over = Run({"join", "--copy", "--yes", "--name", "a", "--folder", clips_->path(),
                             Clip("a.mp4"), Clip("c.mp4")});
    EXPECT_EQ(over.ExitCode, 1);
    EXPECT_TRUE(over.Err.contains("one of the files to join")) << over.Err.toStdString();
    EXPECT_EQ(QFileInfo(Clip("a.mp4")).size(), before);

    const CliRun blank = Run({"join", "--name=   ", Clip("a.mp4"), Clip("c.mp4")});
    EXPECT_EQ(blank.ExitCode, 1);
    EXPECT_TRUE(blank.Err.contains("Invalid file name!"));
    const CliRun folder =
        Run({"join", "--folder", out_.filePath("missing"), Clip("a.mp4"), Clip("c.mp4")});
    EXPECT_EQ(folder.ExitCode, 1);
    EXPECT_TRUE(folder.Err.contains("Invalid path!"));
}

TEST_F(CliEndToEndTest, ConvertJoinWritesTheProfilesFormat) {
    const CliRun run = Run({"join", "--profile", "ID_MPH", "--size", "3", "--name", "joined",
                            Clip("a.mp4"), Clip("b.mp4")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QString output = out_.filePath(QStringLiteral("joined.mp4"));
    EXPECT_EQ(run.Out.trimmed(), output) << "without --folder the current folder is used";
    const QJsonObject probe = media_tools::Probe(output);
    const QJsonArray video = media_tools::StreamsOfType(probe, "video");
    ASSERT_EQ(video.size(), 1);
    EXPECT_EQ(video[0].toObject().value("codec_name").toString(), QStringLiteral("h264"));
    EXPECT_EQ(video[0].toObject().value("width").toInt(), 320);
    EXPECT_NEAR(media_tools::FormatDuration(probe), 2.0, 0.3);
    EXPECT_TRUE(run.Err.contains("100%")) << run.Err.toStdString();
}

// Ctrl+C, and a terminal that goes away, from outside as a user sends them. Each stage a stop can
// hit is covered exactly by cli_join_stop_test.cpp; here the signal comes once the hidden
// output has started growing, and only what holds at any stage is checked: nothing partial is
// left, and the command either reports the stop with nothing written or the completed join.
TEST_F(CliEndToEndTest, CtrlCStopsTheJoinAndRemovesThePartialOutput) {
    QTemporaryDir longClips;
    const QString big = longClips.filePath(QStringLiteral("big.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(big, 20.0, 640, 480, "25",
                                      {"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"}));
    const QDir folder(out_.path());
    for (const int signal : {SIGINT, SIGHUP}) {
        std::unique_ptr<QProcess> process(
            Start({"join", "--profile", "ID_HDHVIDEO", "--video-quality", "high", "--name",
                   "stopped", "--folder", out_.path(), big, big}));
        ASSERT_TRUE(process->waitForStarted());
        const auto growing = [&folder] {
            const QFileInfoList parts =
                folder.entryInfoList({QStringLiteral(".vvj.part-*")}, QDir::Files | QDir::Hidden);
            return !parts.isEmpty() && parts.front().size() > 0;
        };
        QElapsedTimer waited;
        waited.start();
        while (!growing() && process->state() == QProcess::Running && waited.elapsed() < 60000) {
            process->waitForFinished(20);
        }
        if (process->state() == QProcess::Running) {
            ::kill(static_cast<pid_t>(process->processId()), signal);
        }
        ASSERT_TRUE(process->waitForFinished(30000));
        ASSERT_EQ(process->exitStatus(), QProcess::NormalExit) << "signal " << signal;
        const QString out = QString::fromUtf8(process->readAllStandardOutput());
        const QString err = QString::fromUtf8(process->readAllStandardError());
        const QString output = out_.filePath(QStringLiteral("stopped.mp4"));
        if (process->exitCode() == 0) {
            EXPECT_EQ(out.trimmed(), output);
            EXPECT_EQ(FilesInOutput(), QStringList{"stopped.mp4"});
            EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(output)), 40.0, 0.5);
            QFile::remove(output);
            continue;
        }
        EXPECT_EQ(process->exitCode(), 130) << "signal " << signal << ": " << err.toStdString();
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        EXPECT_TRUE(err.contains("veltrano-join: The join was stopped; nothing was written."))
            << err.toStdString();
        EXPECT_TRUE(FilesInOutput().isEmpty()) << FilesInOutput().join(' ').toStdString();
    }
}

}  // namespace

}  // namespace veltrano

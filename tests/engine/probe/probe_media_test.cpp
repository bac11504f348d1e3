// Probing real files: the rows MediaProber builds with the real decoder, judged by ffprobe.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "app/probe/media_prober.h"
#include "app/probe/probe_feedback.h"
#include "core/list/join_list.h"
#include "core/value_format.h"
#include "engine/probe/ff_decoder.h"
#include "tests/support/media_tools.h"
#include "tests/support/probe_test_printers.h"
#include "tests/support/recording_messages.h"

namespace veltrano {

namespace {

class NullFeedback : public ProbeFeedback {
public:
    void ShowBusyPointer() override {}
    void RestoreNormalPointer() override {}
    void ShowWaitWindow() override { ++WaitWindows; }
    void CloseWaitWindow() override { ++WaitCloses; }
    void ProcessPendingEvents() override {}
    int WaitWindows = 0;
    int WaitCloses = 0;
};

struct ClipCase {
    const char* File;
    QStringList CodecArgs;
    bool Video;
    bool Audio;
    int Width;
    int Height;
    int SampleRate;
};

// ffprobe's reason for a file it cannot read: the text after "<path>: " on its last line.
QString FfprobeReason(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), path});
    process.waitForFinished(60000);
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardError())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString last = lines.isEmpty() ? QString() : lines.last().trimmed();
    return last.startsWith(path + QStringLiteral(": ")) ? last.mid(path.size() + 2) : QString();
}

class ProbeMediaTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        for (const ClipCase& c : Clips()) {
            ASSERT_TRUE(media_tools::MakeClip(Path(c.File), 1.6, c.Width, c.Height, "25",
                                              c.CodecArgs, c.Video, c.Audio, c.SampleRate))
                << c.File;
        }
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static std::vector<ClipCase> Clips() {
        return {
            {"h264_aac.mp4", {"-c:v", "libx264", "-c:a", "aac"}, true, true, 160, 120, 44100},
            {"mpeg4_mp3.mkv", {"-c:v", "mpeg4", "-c:a", "libmp3lame"}, true, true, 176, 144, 44100},
            {"mpeg2_mp2.ts",
             {"-c:v", "mpeg2video", "-c:a", "mp2", "-f", "mpegts"},
             true,
             true,
             320,
             240,
             48000},
            {"flv1_mp3.flv", {"-c:v", "flv", "-c:a", "libmp3lame"}, true, true, 128, 96, 22050},
            {"mpeg1_mp2.mpg", {"-c:v", "mpeg1video", "-c:a", "mp2"}, true, true, 352, 288, 44100},
            {"wmv2_wma.wmv", {"-c:v", "wmv2", "-c:a", "wmav2"}, true, true, 320, 240, 44100},
            {"audio_only.m4a", {"-c:a", "aac"}, false, true, 0, 0, 44100},
            {"video_only.mp4", {"-c:v", "libx264"}, true, false, 64, 48, 44100},
        };
    }
    static QString Path(const QString& name) { return dir_->filePath(name); }

    static std::unique_ptr<QTemporaryDir> dir_;
    FFDecoder decoder_;
    JoinList list_;
    RecordingMessages messages_;
    NullFeedback feedback_;
    MediaProber prober_{decoder_, list_, messages_, feedback_};
};

std::unique_ptr<QTemporaryDir> ProbeMediaTest::dir_;

TEST_F(ProbeMediaTest, EveryClipGivesTheRowFfprobeDescribes) {
    for (const ClipCase& c : Clips()) {
        SCOPED_TRACE(c.File);
        const QString path = Path(c.File);
        const int before = list_.Count();
        ASSERT_TRUE(prober_.ProbeFile(path)) << messages_.Shown.value(0).Text.toStdString();
        ASSERT_EQ(list_.Count(), before + 1);
        const MediaItem& row = list_.Row(before);

        const QJsonObject probe = media_tools::Probe(path);
        const QJsonArray videos = media_tools::StreamsOfType(probe, QStringLiteral("video"));
        const QJsonArray audios = media_tools::StreamsOfType(probe, QStringLiteral("audio"));
        const QJsonObject video = videos.isEmpty() ? QJsonObject() : videos.at(0).toObject();
        const QJsonObject audio = audios.isEmpty() ? QJsonObject() : audios.at(0).toObject();

        EXPECT_EQ(row.SourcePath, path);
        EXPECT_EQ(row.TypeText, QFileInfo(path).suffix().toUpper());
        EXPECT_EQ(row.VideoCodec, video.value("codec_name").toString());
        EXPECT_EQ(row.AudioCodec, audio.value("codec_name").toString());
        EXPECT_EQ(row.VideoSizeText, QStringLiteral("%1 X %2")
                                         .arg(video.value("width").toInt())
                                         .arg(video.value("height").toInt()));
        const double seconds = media_tools::FormatDuration(probe);
        EXPECT_NEAR(row.DurationSeconds, seconds, 0.05);
        EXPECT_EQ(row.DurationText, QStringLiteral("00:00:02"));
        const double megabytes = static_cast<double>(QFileInfo(path).size()) / 1048576.0;
        EXPECT_EQ(row.FileSizeText, QString::number(megabytes, 'f', 1) + QStringLiteral(" MB"));
        EXPECT_FALSE(row.ModifiedText.isEmpty());
    }
    EXPECT_TRUE(messages_.Shown.isEmpty());
    // The decoder is closed after every probe.
    EXPECT_EQ(decoder_.VideoStreamIndex(), -1);
}

TEST_F(ProbeMediaTest, AudioOnlyAndVideoOnlyLeaveTheMissingSideEmpty) {
    ASSERT_TRUE(prober_.ProbeFile(Path("audio_only.m4a")));
    ASSERT_TRUE(prober_.ProbeFile(Path("video_only.mp4")));
    EXPECT_EQ(list_.Row(0).VideoCodec, QString());
    EXPECT_EQ(list_.Row(0).VideoSizeText, QStringLiteral("0 X 0"));
    EXPECT_EQ(list_.Row(0).AudioCodec, QStringLiteral("aac"));
    EXPECT_EQ(list_.Row(1).AudioCodec, QString());
    EXPECT_EQ(list_.Row(1).VideoCodec, QStringLiteral("h264"));
    EXPECT_EQ(list_.Row(1).VideoSizeText, QStringLiteral("64 X 48"));
}

TEST_F(ProbeMediaTest, BrokenFilesAreReportedWithLibavsReasonAndNotListed) {
    const QString empty = Path("empty.mp4");
    const QString text = Path("notes.mp4");
    const QString truncated = Path("truncated.mp4");
    {
        QFile file(empty);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("These are my notes, not a video.\nSecond line.\n");
    }
    {
        QFile source(Path("h264_aac.mp4"));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray whole = source.readAll();
        QFile file(truncated);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(whole.left(whole.size() / 2));
    }

    for (const QString& path : {empty, text, truncated}) {
        SCOPED_TRACE(path.toStdString());
        messages_.Shown.clear();
        EXPECT_FALSE(prober_.ProbeFile(path));
        EXPECT_EQ(list_.Count(), 0);
        ASSERT_EQ(messages_.Shown.size(), 1);
        const QString reason = FfprobeReason(path);
        ASSERT_FALSE(reason.isEmpty());
        EXPECT_EQ(messages_.Shown[0].Text, QStringLiteral("Can not open file: \r\n") + path +
                                               QStringLiteral("\r\n\r\nError: \r\n") +
                                               QStringLiteral("Cannot open file: ") + reason);
        EXPECT_EQ(messages_.Shown[0].Title, QStringLiteral("Veltrano Video Joiner"));
        EXPECT_EQ(messages_.Shown[0].Icon, UserMessages::Icon::Error);
    }
}

TEST_F(ProbeMediaTest, ADropSkipsFoldersKeepsOrderAndSurvivesABrokenFile) {
    const QString folder = Path("a folder.mp4");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString broken = Path("broken.avi");
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a video");
    }
    MediaItem earlier;
    earlier.SourcePath = QStringLiteral("/earlier.mp4");
    list_.Append(earlier);
    list_.SetSelected(0, true);

    prober_.AddDroppedFiles({Path("mpeg4_mp3.mkv"), folder, broken, Path("h264_aac.mp4")});

    ASSERT_EQ(list_.Count(), 3);
    EXPECT_EQ(list_.Row(1).SourcePath, Path("mpeg4_mp3.mkv"));
    EXPECT_EQ(list_.Row(2).SourcePath, Path("h264_aac.mp4"));
    ASSERT_EQ(messages_.Shown.size(), 1);
    EXPECT_TRUE(messages_.Shown[0].Text.contains(broken));
    EXPECT_EQ(feedback_.WaitWindows, 1);
    EXPECT_EQ(feedback_.WaitCloses, 1);
    // A drop leaves the selection alone.
    EXPECT_TRUE(list_.IsSelected(0));
    EXPECT_FALSE(list_.IsSelected(2));
}

// Bytes this process has read through system calls so far ("rchar"), or -1.
qint64 BytesReadByThisProcess() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:")) {
            return line.mid(6).trimmed().toLongLong();
        }
    }
    return -1;
}

TEST_F(ProbeMediaTest, ALongFileProbesQuickly) {
    const QString path = Path("long.ts");
    // Twenty minutes of tiny pictures and sound.
    ASSERT_TRUE(media_tools::RunFfmpeg(
        {"-f", "lavfi", "-i", "testsrc2=size=32x32:rate=2:duration=1200", "-f", "lavfi", "-i",
         "sine=sample_rate=8000:duration=1200", "-c:v", "mpeg2video", "-c:a", "mp2", "-ar", "16000",
         "-f", "mpegts", path}));
    // Quick whatever the machine's speed: the probe reads the start and the end of the file,
    // never the whole of it (bytes the process reads, from the kernel's count).
    const qint64 before = BytesReadByThisProcess();
    ASSERT_TRUE(prober_.ProbeFile(path)) << messages_.Shown.value(0).Text.toStdString();
    const qint64 read = BytesReadByThisProcess() - before;
    ASSERT_GE(before, 0);
    EXPECT_LT(read, QFileInfo(path).size() / 4) << read << " bytes read";
    EXPECT_NEAR(list_.Row(0).DurationSeconds, media_tools::FormatDuration(media_tools::Probe(path)),
                1.0);
    EXPECT_EQ(list_.Row(0).DurationText, QStringLiteral("00:20:00"));
}

}  // namespace

}  // namespace veltrano

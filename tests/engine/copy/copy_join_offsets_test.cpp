// Stream copy of files whose audio and video do not start together: the sound before the
// first picture belongs to the file and must survive the join, in every file of it.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <atomic>

#include "engine/copy/copy_join.h"
#include "tests/engine/copy/copy_join_probe.h"
#include "tests/support/copy_join_helpers.h"
#include "tests/support/media_tools.h"

namespace veltrano {

namespace {

using copy_join_probe::DecodedFrames;
using copy_join_probe::StreamSpan;

// Presentation times of every packet of the first stream of a kind, in ascending order.
QList<double> PresentationTimes(const QString& path, const QString& type) {
    const QByteArray out = copy_join_probe::RunFfprobe(
        {QStringLiteral("-select_streams"), type.left(1) + QStringLiteral(":0"),
         QStringLiteral("-show_entries"), QStringLiteral("packet=pts_time"), QStringLiteral("-of"),
         QStringLiteral("csv=p=0"), path});
    QList<double> times;
    for (const QByteArray& line : out.split('\n')) {
        bool ok = false;
        const double time = QString::fromLatin1(line).trimmed().toDouble(&ok);
        if (ok) {
            times.push_back(time);
        }
    }
    std::sort(times.begin(), times.end());
    return times;
}

struct LateVideo {
    const char* Name;
    const char* Extension;
    // Matroska stores no decoding stamps: an MP4 output shows the ones written.
    const char* OutputExtension;
    double AudioSeconds;  // the tone runs from 0
    double VideoStart;    // pictures begin this late
    double VideoSeconds;
    QStringList AudioArgs;  // the tone's source options and encoder
    QStringList VideoArgs;
};

void PrintTo(const LateVideo& clip, std::ostream* os) {
    *os << clip.Name;
}

class CopyJoinLateVideo : public ::testing::TestWithParam<LateVideo> {
protected:
    QString MakeInput(const QString& name) {
        const LateVideo& clip = GetParam();
        const QString path = dir_.filePath(name + QLatin1Char('.') + clip.Extension);
        QStringList args{
            QStringLiteral("-f"),
            QStringLiteral("lavfi"),
            QStringLiteral("-i"),
            QStringLiteral("sine=r=48000:d=%1").arg(clip.AudioSeconds) + clip.AudioArgs.value(0),
            QStringLiteral("-itsoffset"),
            QString::number(clip.VideoStart),
            QStringLiteral("-f"),
            QStringLiteral("lavfi"),
            QStringLiteral("-i"),
            QStringLiteral("testsrc2=s=160x120:r=25:d=%1").arg(clip.VideoSeconds),
            QStringLiteral("-map"),
            QStringLiteral("1:v"),
            QStringLiteral("-map"),
            QStringLiteral("0:a")};
        args << clip.VideoArgs << clip.AudioArgs.mid(1) << path;
        QString error;
        EXPECT_TRUE(media_tools::RunFfmpeg(args, &error)) << error.toStdString();
        return path;
    }
    QTemporaryDir dir_;
};

// Two copies of one file joined: all the sound of both, the second file's pictures as late
// after its start as in the input, timestamps increasing.
TEST_P(CopyJoinLateVideo, KeepsAllTheSoundAndTheOffset) {
    const LateVideo& clip = GetParam();
    ASSERT_TRUE(dir_.isValid());
    const QString a = MakeInput(QStringLiteral("a"));
    const QString b = MakeInput(QStringLiteral("b"));
    const QString output = dir_.filePath(QStringLiteral("joined.") + clip.OutputExtension);
    const Status outcome = CopyJoin({a, b}, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();

    const auto inAudio = StreamSpan(a, QStringLiteral("audio"));
    const auto inVideo = StreamSpan(a, QStringLiteral("video"));
    const auto outAudio = StreamSpan(output, QStringLiteral("audio"));
    const auto outVideo = StreamSpan(output, QStringLiteral("video"));
    ASSERT_GT(inAudio.Packets, 0);
    // Every packet of both, the sound at the join included.
    EXPECT_EQ(outAudio.Packets, 2 * inAudio.Packets);
    EXPECT_NEAR(outAudio.Start, inAudio.Start, 0.03);
    EXPECT_NEAR(outVideo.Start, inVideo.Start, 0.03);
    EXPECT_NEAR(outAudio.End - outAudio.Start, 2 * (inAudio.End - inAudio.Start), 0.06);
    EXPECT_NEAR(outAudio.End, outVideo.End, 0.06) << "audio and video ends";
    EXPECT_EQ(DecodedFrames(output, QStringLiteral("video")),
              2 * DecodedFrames(a, QStringLiteral("video")));

    // The second file's pictures begin as late after its start as the first file's did.
    const QList<double> videoPts = PresentationTimes(output, QStringLiteral("video"));
    ASSERT_EQ(videoPts.size(), 2 * inVideo.Packets);
    const double fileLength = inAudio.End - inAudio.Start;
    EXPECT_NEAR(videoPts[inVideo.Packets] - inVideo.Start, fileLength, 0.06);

    for (const QString& type : {QStringLiteral("video"), QStringLiteral("audio")}) {
        const QList<double> dts = media_tools::PacketDts(output, type);
        for (qsizetype i = 1; i < dts.size(); ++i) {
            ASSERT_LT(dts[i - 1], dts[i]) << type.toStdString() << " packet " << i;
        }
    }
}

const QStringList kX264NoBFrames{QStringLiteral("-c:v"), QStringLiteral("libx264"),
                                 QStringLiteral("-bf"), QStringLiteral("0")};
const QStringList kX264{QStringLiteral("-c:v"), QStringLiteral("libx264")};
const QStringList kAac{QString(), QStringLiteral("-c:a"), QStringLiteral("aac")};
// 64 samples a packet: more than the joiner holds back comes before the first picture.
const QStringList kSmallPcmPackets{QStringLiteral(":samples_per_frame=64"), QStringLiteral("-c:a"),
                                   QStringLiteral("pcm_s16le")};

INSTANTIATE_TEST_SUITE_P(
    Clips, CopyJoinLateVideo,
    ::testing::Values(
        // A second of sound before the pictures, AAC with its priming.
        LateVideo{"aac_mkv", "mkv", "mkv", 3.0, 1.0, 2.0, kAac, kX264},
        // Over a thousand audio packets before the first picture.
        LateVideo{"many_packets_first", "mkv", "mkv", 2.5, 1.5, 1.0, kSmallPcmPackets,
                  kX264NoBFrames},
        // Pictures with B-frames beginning after the usual analysis window: their reorder
        // depth is found only by looking further.
        LateVideo{"b_frames_after_6s", "mkv", "mp4", 7.0, 6.0, 1.0, kAac, kX264}),
    [](const ::testing::TestParamInfo<LateVideo>& info) { return std::string(info.param.Name); });

// Opus in WebM: the Matroska header states the encoder's delay and readers take it off every
// audio stamp, so each clip's pictures must keep their distance to its sound exactly.
TEST(CopyJoinOpus, EachClipKeepsItsOffsetInWebm) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString a = dir.filePath(QStringLiteral("a.webm"));
    const QString b = dir.filePath(QStringLiteral("b.webm"));
    for (const QString& clip : {a, b}) {
        ASSERT_TRUE(media_tools::MakeClip(clip, 1.0, 160, 120, QStringLiteral("25"),
                                          {QStringLiteral("-c:v"), QStringLiteral("libvpx"),
                                           QStringLiteral("-c:a"), QStringLiteral("libopus")},
                                          true, true, 48000));
    }
    const QString output = dir.filePath(QStringLiteral("joined.webm"));
    const Status outcome = CopyJoin({a, b}, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();

    const QList<double> inVideo = PresentationTimes(a, QStringLiteral("video"));
    const QList<double> inAudio = PresentationTimes(a, QStringLiteral("audio"));
    const QList<double> outVideo = PresentationTimes(output, QStringLiteral("video"));
    const QList<double> outAudio = PresentationTimes(output, QStringLiteral("audio"));
    ASSERT_FALSE(inVideo.isEmpty());
    ASSERT_FALSE(inAudio.isEmpty());
    ASSERT_EQ(outVideo.size(), 2 * inVideo.size());
    ASSERT_EQ(outAudio.size(), 2 * inAudio.size());
    const double offset = inVideo.front() - inAudio.front();
    EXPECT_NEAR(outVideo.front() - outAudio.front(), offset, 0.002) << "first clip";
    EXPECT_NEAR(outVideo[inVideo.size()] - outAudio[inAudio.size()], offset, 0.002)
        << "second clip";
}

}  // namespace

}  // namespace veltrano

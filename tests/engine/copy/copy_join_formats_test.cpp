#include <gtest/gtest.h>

extern "C" {
#include <libavutil/error.h>
}

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>

#include "engine/copy/copy_join.h"
#include "engine/plan/output_plan_resolver.h"
#include "tests/engine/copy/copy_join_probe.h"
#include "tests/support/copy_join_helpers.h"
#include "tests/support/media_tools.h"

namespace veltrano {

namespace {

using copy_join_probe::DecodedFrames;
using copy_join_probe::StreamSpan;

constexpr double kFrame = 1.0 / 25.0;

struct CopyFormat {
    const char* Name;
    const char* InputExtension;
    const char* OutputExtension;
    QStringList CodecArgs;
    const char* VideoCodec;
    const char* AudioCodec;
    // AVI stamps pictures by their count: a file can start only on a whole frame, and the sound
    // gets a frame of silence where that leaves a gap as long.
    double PictureGrid = 0.0;
};

void PrintTo(const CopyFormat& format, std::ostream* os) {
    *os << format.Name;
}

// What a file shows, over all its streams: from the earliest packet start to the latest packet
// end, leaving out packets the demuxer marks as not shown; `Lead` is how long those marked
// packets at the start last (AAC priming behind an MP4 edit list).
struct ShownSpan {
    double Start = 0.0;
    double End = 0.0;
    double Lead = 0.0;
    int AudioPackets = 0;
};

ShownSpan ShownSpanOf(const QString& path) {
    const QByteArray out = copy_join_probe::RunFfprobe(
        {QStringLiteral("-show_entries"),
         QStringLiteral("packet=codec_type,pts_time,duration_time,flags"), QStringLiteral("-of"),
         QStringLiteral("csv=p=0"), path});
    ShownSpan span;
    bool any = false;
    for (const QByteArray& line : out.split('\n')) {
        const QStringList fields = QString::fromLatin1(line).trimmed().split(QLatin1Char(','));
        bool ok = false;
        const double pts = fields.value(1).toDouble(&ok);
        if (fields.size() < 4 || !ok) {
            continue;
        }
        const double duration = fields.value(2).toDouble();
        if (fields.value(0) == QLatin1String("audio")) {
            ++span.AudioPackets;
        }
        if (fields.value(3).contains(QLatin1Char('D'))) {
            span.Lead += duration;
            continue;
        }
        span.Start = any ? std::min(span.Start, pts) : pts;
        span.End = any ? std::max(span.End, pts + duration) : pts + duration;
        any = true;
    }
    return span;
}

class CopyJoinFormats : public ::testing::TestWithParam<CopyFormat> {
protected:
    QTemporaryDir dir_;
};

// Ten clips of two lengths, joined by stream copy: continuous, monotonic, A/V ends together.
TEST_P(CopyJoinFormats, TenClipsStayContinuousAndInStep) {
    const CopyFormat& format = GetParam();
    ASSERT_TRUE(dir_.isValid());
    const QString longClip = dir_.filePath(QStringLiteral("long.") + format.InputExtension);
    const QString shortClip = dir_.filePath(QStringLiteral("short.") + format.InputExtension);
    ASSERT_TRUE(
        media_tools::MakeClip(longClip, 1.0, 160, 120, QStringLiteral("25"), format.CodecArgs));
    ASSERT_TRUE(
        media_tools::MakeClip(shortClip, 0.6, 160, 120, QStringLiteral("25"), format.CodecArgs));
    std::vector<QString> inputs;
    double shownSum = 0.0;
    double leadSum = 0.0;
    int audioPackets = 0;
    for (int i = 0; i < 10; ++i) {
        // Copies under their own names: every input is a separate file, as in real use.
        const QString source = i % 2 == 0 ? longClip : shortClip;
        const QString copy =
            dir_.filePath(QStringLiteral("clip%1.").arg(i) + QLatin1String(format.InputExtension));
        ASSERT_TRUE(QFile::copy(source, copy));
        inputs.push_back(copy);
        const ShownSpan span = ShownSpanOf(copy);
        shownSum += span.End - span.Start;
        leadSum += i > 0 ? span.Lead : 0.0;
        audioPackets += span.AudioPackets;
    }
    const QString output = dir_.filePath(QStringLiteral("joined.") + format.OutputExtension);
    const Status outcome = CopyJoin(inputs, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();

    const QJsonObject probe = media_tools::Probe(output);
    const QJsonArray video = media_tools::StreamsOfType(probe, QStringLiteral("video"));
    const QJsonArray audio = media_tools::StreamsOfType(probe, QStringLiteral("audio"));
    ASSERT_EQ(video.size(), 1);
    ASSERT_EQ(audio.size(), 1);
    EXPECT_EQ(video[0].toObject().value(QStringLiteral("codec_name")).toString(),
              QLatin1String(format.VideoCodec));
    EXPECT_EQ(audio[0].toObject().value(QStringLiteral("codec_name")).toString(),
              QLatin1String(format.AudioCodec));

    // Each file follows the whole of the one before: the output shows what the inputs show,
    // end to end, and every audio packet. Priming marked as not shown in a later file is kept
    // in front of it (only the first file's stays hidden), so it may add its own length.
    const ShownSpan joined = ShownSpanOf(output);
    const int joins = static_cast<int>(inputs.size()) - 1;
    if (format.PictureGrid > 0.0) {
        EXPECT_GE(joined.AudioPackets, audioPackets);
        EXPECT_LE(joined.AudioPackets, audioPackets + joins);
    } else {
        EXPECT_EQ(joined.AudioPackets, audioPackets);
    }
    EXPECT_GE(joined.End - joined.Start, shownSum - 0.01) << "shown length";
    EXPECT_LE(joined.End - joined.Start, shownSum + leadSum + joins * format.PictureGrid + 0.01)
        << "shown length";
    const double formatDuration = media_tools::FormatDuration(probe);
    EXPECT_NEAR(formatDuration, joined.End - joined.Start, kFrame) << "format duration";

    const auto videoSpan = StreamSpan(output, QStringLiteral("video"));
    const auto audioSpan = StreamSpan(output, QStringLiteral("audio"));
    EXPECT_NEAR(audioSpan.End, videoSpan.End, 0.05) << "audio and video ends";
    EXPECT_NEAR(audioSpan.Start, videoSpan.Start, 0.05) << "audio and video starts";

    for (const QString& type : {QStringLiteral("video"), QStringLiteral("audio")}) {
        const QList<double> dts = media_tools::PacketDts(output, type);
        ASSERT_GT(dts.size(), 10) << type.toStdString();
        for (qsizetype i = 1; i < dts.size(); ++i) {
            ASSERT_LT(dts[i - 1], dts[i]) << type.toStdString() << " packet " << i;
        }
    }
    // Every picture of every input decodes.
    const int framesPerPair = DecodedFrames(longClip, QStringLiteral("video")) +
                              DecodedFrames(shortClip, QStringLiteral("video"));
    EXPECT_EQ(DecodedFrames(output, QStringLiteral("video")), 5 * framesPerPair);
}

const QStringList kH264Aac{QStringLiteral("-c:v"), QStringLiteral("libx264"),
                           QStringLiteral("-g"),   QStringLiteral("12"),
                           QStringLiteral("-c:a"), QStringLiteral("aac")};

INSTANTIATE_TEST_SUITE_P(
    Containers, CopyJoinFormats,
    ::testing::Values(CopyFormat{"mp4", "mp4", "mp4", kH264Aac, "h264", "aac"},
                      CopyFormat{"mkv", "mkv", "mkv", kH264Aac, "h264", "aac"},
                      CopyFormat{"avi",
                                 "avi",
                                 "avi",
                                 {QStringLiteral("-c:v"), QStringLiteral("mpeg4"),
                                  QStringLiteral("-c:a"), QStringLiteral("libmp3lame")},
                                 "mpeg4",
                                 "mp3",
                                 kFrame},
                      CopyFormat{"mpeg_ps",
                                 "mpg",
                                 "mpg",
                                 {QStringLiteral("-c:v"), QStringLiteral("mpeg2video"),
                                  QStringLiteral("-c:a"), QStringLiteral("mp2"),
                                  QStringLiteral("-f"), QStringLiteral("vob")},
                                 "mpeg2video",
                                 "mp2"},
                      CopyFormat{"mpeg_ts", "ts", "ts", kH264Aac, "h264", "aac"},
                      // Matroska stores no decoding stamps, and no parser gives HEVC's
                      // reorder depth: the demuxer works them out only once analysed.
                      CopyFormat{"hevc_mkv",
                                 "mkv",
                                 "mkv",
                                 {QStringLiteral("-c:v"), QStringLiteral("libx265"),
                                  QStringLiteral("-x265-params"), QStringLiteral("log-level=error"),
                                  QStringLiteral("-c:a"), QStringLiteral("aac")},
                                 "hevc",
                                 "aac"},
                      // ADTS audio and Annex B video into MP4: filters chosen per input.
                      CopyFormat{"ts_into_mp4", "ts", "mp4", kH264Aac, "h264", "aac"}),
    [](const ::testing::TestParamInfo<CopyFormat>& info) { return std::string(info.param.Name); });

class CopyJoinChecks : public ::testing::Test {
protected:
    QString Clip(const QString& name, int width, int height, int sampleRate = 44100) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(media_tools::MakeClip(path, 0.5, width, height, QStringLiteral("25"), kH264Aac,
                                          true, true, sampleRate));
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(CopyJoinChecks, RefusesDifferentPictureSizesBeforeWriting) {
    const QString a = Clip(QStringLiteral("a.mp4"), 160, 120);
    const QString b = Clip(QStringLiteral("b.mp4"), 176, 144);
    const QString output = dir_.filePath(QStringLiteral("out.mp4"));
    const Status outcome = CopyJoin({a, a, b}, output);
    EXPECT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.Message().toStdString(),
              "Cannot join by stream copy: b.mp4 differs from a.mp4 in picture size (176x144 vs "
              "160x120).");
    EXPECT_FALSE(QFileInfo::exists(output));
}

TEST_F(CopyJoinChecks, RefusesDifferentSampleRates) {
    const QString a = Clip(QStringLiteral("a.mp4"), 160, 120, 44100);
    const QString c = Clip(QStringLiteral("c.mp4"), 160, 120, 48000);
    const Status outcome = CopyJoin({a, c}, dir_.filePath(QStringLiteral("out.mkv")));
    EXPECT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.Message().toStdString(),
              "Cannot join by stream copy: c.mp4 differs from a.mp4 in sample rate (48000 Hz vs "
              "44100 Hz).");
}

TEST_F(CopyJoinChecks, RefusesAMissingAudioStream) {
    const QString a = Clip(QStringLiteral("a.mp4"), 160, 120);
    const QString silent = dir_.filePath(QStringLiteral("silent.mp4"));
    ASSERT_TRUE(
        media_tools::MakeClip(silent, 0.5, 160, 120, QStringLiteral("25"), kH264Aac, true, false));
    const Status outcome = CopyJoin({a, silent}, dir_.filePath(QStringLiteral("out.mp4")));
    EXPECT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.Message().toStdString(),
              "Cannot join by stream copy: silent.mp4 differs from a.mp4 in audio stream (none vs "
              "aac).");
}

TEST_F(CopyJoinChecks, MixedContainersIntoTransportStreamDecode) {
    // MP4 needs h264_mp4toannexb for TS, the TS input needs none: chosen per file.
    const QString mp4 = Clip(QStringLiteral("a.mp4"), 160, 120);
    const QString ts = dir_.filePath(QStringLiteral("b.ts"));
    ASSERT_TRUE(media_tools::RunFfmpeg(
        {QStringLiteral("-i"), mp4, QStringLiteral("-c"), QStringLiteral("copy"), ts}));
    const QString output = dir_.filePath(QStringLiteral("out.ts"));
    const Status outcome = CopyJoin({ts, mp4, ts, mp4}, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    EXPECT_EQ(DecodedFrames(output, QStringLiteral("video")),
              4 * DecodedFrames(mp4, QStringLiteral("video")));
}

// A bare MPEG-2 video stream named .mpg carries no stamps of its own; the joined program
// stream must still say when each picture shows, with B-pictures or without.
TEST_F(CopyJoinChecks, ABareMpegVideoStreamIsTimedByItsFrameRate) {
    std::vector<QString> inputs;
    for (const QString& bFrames : {QStringLiteral("0"), QStringLiteral("2")}) {
        inputs.push_back(dir_.filePath(QStringLiteral("bare%1.mpg").arg(bFrames)));
        ASSERT_TRUE(media_tools::RunFfmpeg(
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("testsrc=s=160x120:r=25:d=2"), QStringLiteral("-c:v"),
             QStringLiteral("mpeg2video"), QStringLiteral("-bf"), bFrames, QStringLiteral("-f"),
             QStringLiteral("mpeg2video"), inputs.back()}));
    }
    const QString output = dir_.filePath(QStringLiteral("out.mpg"));
    const Status outcome = CopyJoin(inputs, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    const double duration = copy_join_probe::RunFfprobe(
                                {QStringLiteral("-show_entries"), QStringLiteral("format=duration"),
                                 QStringLiteral("-of"), QStringLiteral("csv=p=0"), output})
                                .trimmed()
                                .toDouble();
    EXPECT_NEAR(duration, 4.0, 2 * kFrame);
    const copy_join_probe::Span video = StreamSpan(output, QStringLiteral("video"));
    EXPECT_NEAR(video.End - video.Start, 4.0, 2 * kFrame);
    EXPECT_EQ(DecodedFrames(output, QStringLiteral("video")), 100);
}

// A 10-bit VP9 WebM whose hidden pictures are blocks of their own, sharing the stamp of the
// picture shown next: no picture is reordered, so the join goes through, every picture kept.
TEST_F(CopyJoinChecks, HiddenVp9PicturesInBlocksOfTheirOwnJoin) {
    const QString encoded = dir_.filePath(QStringLiteral("encoded.webm"));
    // Two passes, so that the encoder makes hidden reference pictures.
    for (const QString& pass : {QStringLiteral("1"), QStringLiteral("2")}) {
        ASSERT_TRUE(media_tools::RunFfmpeg({QStringLiteral("-f"),
                                            QStringLiteral("lavfi"),
                                            QStringLiteral("-i"),
                                            QStringLiteral("testsrc2=s=160x120:r=25:d=2"),
                                            QStringLiteral("-c:v"),
                                            QStringLiteral("libvpx-vp9"),
                                            QStringLiteral("-pix_fmt"),
                                            QStringLiteral("yuv420p10le"),
                                            QStringLiteral("-b:v"),
                                            QStringLiteral("200k"),
                                            QStringLiteral("-auto-alt-ref"),
                                            QStringLiteral("1"),
                                            QStringLiteral("-lag-in-frames"),
                                            QStringLiteral("25"),
                                            QStringLiteral("-passlogfile"),
                                            dir_.filePath(QStringLiteral("passes")),
                                            QStringLiteral("-pass"),
                                            pass,
                                            QStringLiteral("-f"),
                                            QStringLiteral("webm"),
                                            encoded}));
    }
    const QString split = dir_.filePath(QStringLiteral("split.webm"));
    ASSERT_TRUE(media_tools::RunFfmpeg(
        {QStringLiteral("-i"), encoded, QStringLiteral("-c"), QStringLiteral("copy"),
         QStringLiteral("-bsf:v"), QStringLiteral("vp9_superframe_split"),
         QStringLiteral("-fflags"), QStringLiteral("-autobsf"), split}));
    const int shown = DecodedFrames(split, QStringLiteral("video"));
    ASSERT_EQ(shown, 50);
    ASSERT_GT(StreamSpan(split, QStringLiteral("video")).Packets, shown) << "no hidden pictures";

    const QString output = dir_.filePath(QStringLiteral("out.webm"));
    const Status outcome = CopyJoin({split, split}, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    EXPECT_EQ(DecodedFrames(output, QStringLiteral("video")), 2 * shown);
    const copy_join_probe::Span video = StreamSpan(output, QStringLiteral("video"));
    EXPECT_EQ(video.Packets, 2 * shown);
    EXPECT_NEAR(video.End - video.Start, 4.0, kFrame / 2);
}

TEST_F(CopyJoinChecks, AnUnreadableInputIsNamed) {
    const QString a = Clip(QStringLiteral("a.mp4"), 160, 120);
    const QString text = dir_.filePath(QStringLiteral("notes.mp4"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a video\n");
    file.close();
    const QString output = dir_.filePath(QStringLiteral("out.mp4"));
    const Status outcome = CopyJoin({a, text}, output);
    EXPECT_FALSE(outcome.Ok());
    EXPECT_TRUE(outcome.Message().startsWith(QStringLiteral("Cannot open notes.mp4: ")))
        << outcome.Message().toStdString();
    EXPECT_FALSE(QFileInfo::exists(output));
}

TEST_F(CopyJoinChecks, ACancelledJoinStopsAtOnce) {
    const QString a = Clip(QStringLiteral("a.mp4"), 160, 120);
    const QString output = dir_.filePath(QStringLiteral("out.mp4"));
    const auto plan = ParseEncodeOptions(QStringLiteral("-vcodec copy -acodec copy -join"), output);
    ASSERT_TRUE(plan.Ok());
    std::atomic<bool> cancel{true};
    const Status outcome = RunCopyJoin(JoinTask{{a, a}, output, *plan}, cancel, {});
    EXPECT_EQ(outcome.Code(), AVERROR_EXIT);
}

TEST_F(CopyJoinChecks, ProgressCoversTheJoinedTimeline) {
    const QString a = Clip(QStringLiteral("a.mp4"), 160, 120);
    const QString output = dir_.filePath(QStringLiteral("out.mkv"));
    const auto plan = ParseEncodeOptions(QStringLiteral("-vcodec copy -acodec copy -join"), output);
    ASSERT_TRUE(plan.Ok());
    std::atomic<bool> cancel{false};
    std::int64_t lastBytes = -1;
    std::int64_t lastPosition = -1;
    std::int64_t total = 0;
    int calls = 0;
    const Status outcome =
        RunCopyJoin(JoinTask{{a, a, a}, output, *plan}, cancel,
                    [&](std::int64_t bytes, std::int64_t position, std::int64_t totalUs) {
                        EXPECT_GE(bytes, lastBytes);
                        EXPECT_GE(position, lastPosition);
                        lastBytes = bytes;
                        lastPosition = position;
                        total = totalUs;
                        ++calls;
                    });
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    EXPECT_GE(calls, 1);
    const double inputDuration = media_tools::FormatDuration(media_tools::Probe(a));
    EXPECT_NEAR(static_cast<double>(total) / 1e6, 3 * inputDuration, 0.01);
    // A 0.5 s clip at 25 fps holds 13 pictures: the position ends with the last of them.
    EXPECT_NEAR(static_cast<double>(lastPosition) / 1e6,
                3 * media_tools::StreamDuration(a, QStringLiteral("video")), 0.03);
    EXPECT_EQ(lastBytes, QFileInfo(output).size());
}

}  // namespace

}  // namespace veltrano

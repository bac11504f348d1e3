// Stream copy of clips written by other programs than the ffmpeg tool, and of clips cut without
// re-encoding: every packet goes through, each clip keeps its own sound against its pictures,
// and the output shows exactly what the inputs show. Judged by ffprobe alone.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <limits>

#include "tests/engine/copy/copy_join_probe.h"
#include "tests/support/copy_join_helpers.h"
#include "tests/support/media_tools.h"
#include "tests/support/other_writers.h"

namespace veltrano {

namespace {

using copy_join_probe::DecodedFrames;
using copy_join_probe::RunFfprobe;

constexpr double kAudioFrame = 1024.0 / 48000.0;
constexpr double kOffsetTolerance = 0.005;

// Rows of numbers ffprobe prints for the frames a lavfi graph over `path` yields.
QList<QList<double>> FrameRows(const QString& graph, const QString& entries) {
    const QByteArray out = RunFfprobe({QStringLiteral("-f"), QStringLiteral("lavfi"),
                                       QStringLiteral("-i"), graph, QStringLiteral("-show_entries"),
                                       entries, QStringLiteral("-of"), QStringLiteral("csv=p=0")});
    QList<QList<double>> rows;
    for (const QByteArray& line : out.split('\n')) {
        QList<double> row;
        for (const QString& field : QString::fromLatin1(line).trimmed().split(QLatin1Char(','))) {
            bool ok = false;
            const double value = field.toDouble(&ok);
            if (ok) {
                row.append(value);
            } else if (field == QLatin1String("-inf")) {
                row.append(-std::numeric_limits<double>::infinity());  // digital silence
            }
        }
        if (row.size() == 2) {
            rows.append(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Start times of runs of rows whose value passes `loud`, when a run lasts at least `minimum`
// seconds: a beep or a flash, not a click at a decoder's start.
template <typename Test>
QList<double> RunStarts(const QList<QList<double>>& rows, Test loud, double minimum) {
    QList<double> starts;
    qsizetype runStart = -1;
    for (qsizetype i = 0; i <= rows.size(); ++i) {
        const bool now = i < rows.size() && loud(rows[i][1]);
        if (now && runStart < 0) {
            runStart = i;
        } else if (!now && runStart >= 0) {
            const double end = i < rows.size() ? rows[i][0] : rows.back()[0];
            if (end - rows[runStart][0] >= minimum) {
                starts.append(rows[runStart][0]);
            }
            runStart = -1;
        }
    }
    return starts;
}

// Times where the picture turns bright (mean luma above half), as decoded by ffprobe.
QList<double> FlashStarts(const QString& path) {
    const auto rows = FrameRows(QStringLiteral("movie=%1,signalstats").arg(path),
                                QStringLiteral("frame=pts_time:frame_tags=lavfi.signalstats.YAVG"));
    return RunStarts(
        rows, [](double luma) { return luma > 128.0; }, 0.05);
}

// Times where the sound turns loud, to the millisecond (48-sample frames), as decoded by ffprobe.
QList<double> BeepStarts(const QString& path) {
    const auto rows = FrameRows(
        QStringLiteral("amovie=%1,asetnsamples=n=48:p=0,astats=metadata=1:reset=1").arg(path),
        QStringLiteral("frame=pts_time:frame_tags=lavfi.astats.Overall.RMS_level"));
    return RunStarts(
        rows, [](double level) { return std::isfinite(level) && level > -40.0; }, 0.05);
}

int PacketCount(const QString& path, const QString& selector) {
    const QByteArray out =
        RunFfprobe({QStringLiteral("-count_packets"), QStringLiteral("-select_streams"), selector,
                    QStringLiteral("-show_entries"), QStringLiteral("stream=nb_read_packets"),
                    QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    bool ok = false;
    const int count =
        QString::fromLatin1(out).section(QLatin1Char('\n'), 0, 0).trimmed().toInt(&ok);
    return ok ? count : -1;
}

double FormatDuration(const QString& path) {
    return media_tools::FormatDuration(media_tools::Probe(path));
}

void ExpectIncreasingDts(const QString& path) {
    for (const QString& type : {QStringLiteral("video"), QStringLiteral("audio")}) {
        const QList<double> dts = media_tools::PacketDts(path, type);
        ASSERT_FALSE(dts.isEmpty()) << type.toStdString();
        for (qsizetype i = 1; i < dts.size(); ++i) {
            ASSERT_LT(dts[i - 1], dts[i]) << type.toStdString() << " packet " << i;
        }
    }
}

enum class Writer { GstMp4, GstFragmentedMp4, GstMatroska, GstTransportStream, Mkvmerge };

struct WriterCase {
    const char* Name;
    Writer Maker;
    const char* Extension;
};

void PrintTo(const WriterCase& writer, std::ostream* os) {
    *os << writer.Name;
}

class CopyJoinOtherWriters : public ::testing::TestWithParam<WriterCase> {
protected:
    // A clip of the case's writer. GStreamer's clips have their sound run past the pictures as
    // the clip asks; mkvmerge also moves the pictures `lead` seconds later (> 0, the sound starts
    // first) or the sound (< 0).
    QString Make(const QString& name, const media_tools::MarkedClip& clip, double lead) {
        const WriterCase& writer = GetParam();
        const QString path = dir_.filePath(name + QLatin1Char('.') + writer.Extension);
        QString error;
        bool made = false;
        switch (writer.Maker) {
            case Writer::GstMp4:
                made = media_tools::MakeGstreamerClip(path, media_tools::GstContainer::Mp4, clip,
                                                      &error);
                break;
            case Writer::GstFragmentedMp4:
                made = media_tools::MakeGstreamerClip(
                    path, media_tools::GstContainer::FragmentedMp4, clip, &error);
                break;
            case Writer::GstMatroska:
                made = media_tools::MakeGstreamerClip(path, media_tools::GstContainer::Matroska,
                                                      clip, &error);
                break;
            case Writer::GstTransportStream:
                made = media_tools::MakeGstreamerClip(
                    path, media_tools::GstContainer::TransportStream, clip, &error);
                break;
            case Writer::Mkvmerge: {
                // The ffmpeg tool's clip, remuxed: mkvmerge moves one track against the other.
                const QString source = dir_.filePath(name + QStringLiteral(".source.mkv"));
                made = media_tools::RunFfmpeg(
                    {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("color=c=black:s=160x120:r=25:d=%1,drawbox=c=white:t=fill:"
                                    "enable='between(t,%2,%3)',format=yuv420p")
                         .arg(clip.VideoSeconds)
                         .arg(clip.FlashAt)
                         .arg(clip.FlashAt + clip.MarkSeconds - 0.001),
                     QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("sine=f=1000:r=48000:d=%1,volume=0:enable='not(between(t,%2,"
                                    "%3))'")
                         .arg(clip.AudioSeconds)
                         .arg(clip.BeepAt)
                         .arg(clip.BeepAt + clip.MarkSeconds),
                     QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-c:v"),
                     QStringLiteral("libx264"), QStringLiteral("-g"), QStringLiteral("12"),
                     QStringLiteral("-c:a"), QStringLiteral("aac"), source},
                    &error);
                const QString track = lead >= 0 ? QStringLiteral("0") : QStringLiteral("1");
                const QString sync =
                    QStringLiteral("%1:%2").arg(track).arg(std::lround(std::abs(lead) * 1000.0));
                made = made && media_tools::RemuxWithMkvmerge(
                                   source, path, {QStringLiteral("--sync"), sync}, &error);
                break;
            }
        }
        EXPECT_TRUE(made) << error.toStdString();
        return path;
    }
    QTemporaryDir dir_;
};

// Three clips whose sound runs past the pictures or starts before them, each with its own
// distance between a flash and a beep: all packets, each clip's distance, the sum of lengths.
TEST_P(CopyJoinOtherWriters, KeepsEveryPacketAndEachClipsOffset) {
    ASSERT_TRUE(dir_.isValid());
    media_tools::MarkedClip first;  // sound 30 ms past the pictures
    first.VideoSeconds = 2.0;
    first.AudioSeconds = 2.03;
    first.FlashAt = 0.6;
    first.BeepAt = 0.6;
    media_tools::MarkedClip second = first;  // the beep 100 ms after the flash
    second.VideoSeconds = 1.6;
    second.AudioSeconds = 1.62;
    second.BeepAt = 0.7;
    media_tools::MarkedClip third = first;  // the beep 60 ms before the flash
    third.AudioSeconds = 2.01;
    third.FlashAt = 0.8;
    third.BeepAt = 0.74;
    const std::vector<QString> inputs{Make(QStringLiteral("a"), first, 0.04),
                                      Make(QStringLiteral("b"), second, 0.0),
                                      Make(QStringLiteral("c"), third, 0.02)};
    const QString output = dir_.filePath(QStringLiteral("joined.") + GetParam().Extension);
    const Status outcome = CopyJoin(inputs, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();

    int videoPackets = 0;
    int audioPackets = 0;
    double duration = 0.0;
    QList<double> ownOffsets;
    // Where a file's sound ends before its pictures (or the next file's starts after them), the
    // join puts whole frames of silence: the sound of the next file stays on its pictures.
    int silentFrames = 0;
    double gapAfter = 0.0;
    for (const QString& input : inputs) {
        const auto audio = copy_join_probe::StreamSpan(input, QStringLiteral("audio"));
        const auto video = copy_join_probe::StreamSpan(input, QStringLiteral("video"));
        if (&input != &inputs.front()) {
            const double gap = gapAfter + audio.Start - std::min(audio.Start, video.Start);
            silentFrames += static_cast<int>(std::floor(gap / kAudioFrame + 1e-6));
        }
        gapAfter = std::max(audio.End, video.End) - audio.End;
        videoPackets += PacketCount(input, QStringLiteral("v:0"));
        audioPackets += PacketCount(input, QStringLiteral("a:0"));
        duration += FormatDuration(input);
        const QList<double> flashes = FlashStarts(input);
        const QList<double> beeps = BeepStarts(input);
        ASSERT_EQ(flashes.size(), 1) << input.toStdString();
        ASSERT_EQ(beeps.size(), 1) << input.toStdString();
        ownOffsets.append(beeps[0] - flashes[0]);
    }
    EXPECT_EQ(PacketCount(output, QStringLiteral("v:0")), videoPackets);
    EXPECT_EQ(PacketCount(output, QStringLiteral("a:0")), audioPackets + silentFrames);
    EXPECT_NEAR(FormatDuration(output), duration, kAudioFrame);

    const QList<double> flashes = FlashStarts(output);
    const QList<double> beeps = BeepStarts(output);
    ASSERT_EQ(flashes.size(), 3);
    ASSERT_EQ(beeps.size(), 3);
    for (int clip = 0; clip < 3; ++clip) {
        EXPECT_NEAR(beeps[clip] - flashes[clip], ownOffsets[clip], kOffsetTolerance)
            << "clip " << clip;
    }
    ExpectIncreasingDts(output);
}

INSTANTIATE_TEST_SUITE_P(
    Writers, CopyJoinOtherWriters,
    ::testing::Values(WriterCase{"gstreamer_mp4", Writer::GstMp4, "mp4"},
                      WriterCase{"gstreamer_fragmented_mp4", Writer::GstFragmentedMp4, "mp4"},
                      WriterCase{"gstreamer_mkv", Writer::GstMatroska, "mkv"},
                      WriterCase{"gstreamer_ts", Writer::GstTransportStream, "ts"},
                      WriterCase{"mkvmerge", Writer::Mkvmerge, "mkv"}),
    [](const ::testing::TestParamInfo<WriterCase>& info) { return std::string(info.param.Name); });

// A clip cut without re-encoding (`-ss 1 -c copy`): its MP4 edit list hides the first second,
// and the join has to keep it hidden.
class CopyJoinCutClips : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        // Black for a second, then white: a cut-away picture is dark.
        long_ = dir_.filePath(QStringLiteral("long.mp4"));
        cut_ = dir_.filePath(QStringLiteral("cut.mp4"));
        QString error;
        ASSERT_TRUE(media_tools::RunFfmpeg(
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("color=c=black:s=160x120:r=25:d=3,drawbox=c=white:t=fill:enable='gte(t,"
                            "1)',format=yuv420p"),
             QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("sine=r=44100:d=3"), QStringLiteral("-c:v"), QStringLiteral("libx264"),
             QStringLiteral("-g"), QStringLiteral("250"), QStringLiteral("-c:a"),
             QStringLiteral("aac"), long_},
            &error))
            << error.toStdString();
        ASSERT_TRUE(media_tools::RunFfmpeg(
            {QStringLiteral("-ss"), QStringLiteral("1"), QStringLiteral("-i"), long_,
             QStringLiteral("-c"), QStringLiteral("copy"), cut_},
            &error))
            << error.toStdString();
    }
    QString long_;
    QString cut_;
    QTemporaryDir dir_;
};

TEST_F(CopyJoinCutClips, FirstInAnMp4ShowsOnlyWhatTheClipShows) {
    const QString output = dir_.filePath(QStringLiteral("joined.mp4"));
    const Status outcome = CopyJoin({cut_, long_}, output);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();

    const int cutFrames = DecodedFrames(cut_, QStringLiteral("video"));
    const int longFrames = DecodedFrames(long_, QStringLiteral("video"));
    ASSERT_EQ(cutFrames, 50);  // the two seconds the cut clip shows
    EXPECT_EQ(DecodedFrames(output, QStringLiteral("video")), cutFrames + longFrames);
    const double sum = FormatDuration(cut_) + FormatDuration(long_);
    EXPECT_NEAR(FormatDuration(output), sum, 1024.0 / 44100.0);
    EXPECT_NEAR(media_tools::StreamDuration(output, QStringLiteral("video")), sum, 0.04);
    // The first picture shown is white: from after the cut. The long clip's turn to white comes
    // once, two seconds in.
    const QList<double> flashes = FlashStarts(output);
    ASSERT_EQ(flashes.size(), 2);
    EXPECT_NEAR(flashes[0], 0.0, 0.001);
    EXPECT_NEAR(flashes[1], 2.0 + 1.0, 0.05);
    ExpectIncreasingDts(output);
}

TEST_F(CopyJoinCutClips, ACutStartTheOutputCannotHideIsRefused) {
    struct Case {
        const char* Output;
        std::vector<QString> Inputs;
        const char* Message;
    };
    const Case cases[] = {
        {"later.mp4",
         {long_, cut_},
         "Cannot join by stream copy: cut.mp4 was cut without re-encoding (an edit list hides its "
         "start), which only the first file of an MP4 or MOV output can keep hidden. Convert it "
         "instead, or put it first."},
        {"twice.mp4",
         {cut_, cut_},
         "Cannot join by stream copy: cut.mp4 was cut without re-encoding (an edit list hides its "
         "start), which only the first file of an MP4 or MOV output can keep hidden. Convert it "
         "instead, or put it first."},
        {"first.mkv",
         {cut_, long_},
         "Cannot join by stream copy: cut.mp4 was cut without re-encoding (an edit list hides its "
         "start), which only an MP4 or MOV output can keep hidden. Convert it instead."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Output);
        const QString output = dir_.filePath(QLatin1String(c.Output));
        const Status outcome = CopyJoin(c.Inputs, output);
        EXPECT_FALSE(outcome.Ok());
        EXPECT_EQ(outcome.Message().toStdString(), c.Message);
        // Refused while the inputs are looked at, before the earlier files are copied.
        EXPECT_FALSE(QFileInfo::exists(output));
    }
}

}  // namespace

}  // namespace veltrano

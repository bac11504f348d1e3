// What a failed stream-copy write tells the user: a container that refuses what the inputs
// hold asks for a conversion; a disk that fails keeps the system's reason.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <utility>
#include <vector>

#include "engine/copy/copy_join.h"
#include "engine/plan/output_plan_resolver.h"
#include "tests/engine/copy/copy_join_probe.h"
#include "tests/support/copy_join_helpers.h"
#include "tests/support/media_tools.h"

namespace veltrano {

namespace {

class CopyJoinFailures : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

// The DV muxer turns down the second NTSC DV file's audio; ffmpeg's own tool fails there too.
// Its logged reason comes before libav's text.
TEST_F(CopyJoinFailures, ARefusedPacketNamesItsFileAndAsksForAConversion) {
    for (const QString& name : {QStringLiteral("a.dv"), QStringLiteral("b.dv")}) {
        ASSERT_TRUE(media_tools::RunFfmpeg(
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("testsrc=s=720x480:r=30000/1001"), QStringLiteral("-f"),
             QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine"),
             QStringLiteral("-t"), QStringLiteral("1"), QStringLiteral("-target"),
             QStringLiteral("ntsc-dv"), Path(name)}));
    }
    const Status outcome = CopyJoin({Path("a.dv"), Path("b.dv")}, Path("joined.dv"));
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.Message().toStdString(),
              "Cannot join a.dv and b.dv without conversion: the DV output does not accept the "
              "audio of b.dv (Can't process DV frame #29. Insufficient audio data or severe sync "
              "problem: Invalid argument). Choose Convert instead.");
    EXPECT_EQ(outcome.Code(), AVERROR(EINVAL));
}

// Muxers that turn the inputs down with a bare -1 ("Operation not permitted") say why only in
// their log: the refusal names the files, carries that reason and asks for a conversion.
struct RefusedCase {
    const char* Input;
    const char* Output;
    const char* Codecs;
    const char* MuxerSays;
};

class CopyJoinRefusals : public CopyJoinFailures,
                         public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(CopyJoinRefusals, NameTheFilesTheMuxersReasonAndConvert) {
    const RefusedCase& refused = GetParam();
    const QString input = Path(QString::fromLatin1(refused.Input));
    ASSERT_TRUE(media_tools::MakeClip(input, 1.0, 720, 576, QStringLiteral("25"),
                                      QString::fromLatin1(refused.Codecs).split(QLatin1Char(' '))));
    const QString output = Path(QString::fromLatin1(refused.Output));
    const Status outcome = CopyJoin({input, input}, output);
    ASSERT_FALSE(outcome.Ok());
    const QString name = QString::fromLatin1(refused.Input);
    const QString message = outcome.Message();
    EXPECT_TRUE(
        message.startsWith(QStringLiteral("Cannot join %1 and %1 without conversion: ").arg(name)))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromLatin1(refused.MuxerSays))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral(". Choose Convert instead.")))
        << message.toStdString();
    EXPECT_FALSE(message.contains(QStringLiteral("Operation not permitted")))
        << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Muxers, CopyJoinRefusals,
                         ::testing::Values(
                             // DV takes stereo sound only.
                             RefusedCase{"mono.mov", "joined.dv",
                                         "-c:v dvvideo -pix_fmt yuv420p -c:a pcm_s16le -ac 1",
                                         "exactly two streams"},
                             // MXF counts in frames: a QuickTime file's finer clock is refused.
                             RefusedCase{"clip.mov", "joined.mxf", "-c:v mpeg2video -c:a pcm_s16le",
                                         "Unsupported frame rate"}));

// Matroska blocks before their cluster's zero (the ffmpeg tool writes them with negative
// timestamps allowed) are read without a timestamp: left out, they would take the clip's first
// key picture with them. Refused, naming the file.
TEST_F(CopyJoinFailures, PacketsWithoutTimestampsAreRefusedNotDropped) {
    for (const QString& name : {QStringLiteral("a.mkv"), QStringLiteral("b.mkv")}) {
        ASSERT_TRUE(media_tools::RunFfmpeg(
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("testsrc=s=160x120:r=25:d=1"), QStringLiteral("-c:v"),
             QStringLiteral("libx264"), QStringLiteral("-avoid_negative_ts"),
             QStringLiteral("disabled"), QStringLiteral("-output_ts_offset"),
             QStringLiteral("-0.5"), Path(name)}));
    }
    const QByteArray stamps = copy_join_probe::RunFfprobe(
        {QStringLiteral("-select_streams"), QStringLiteral("v:0"), QStringLiteral("-show_entries"),
         QStringLiteral("packet=pts,dts"), QStringLiteral("-of"), QStringLiteral("csv=p=0"),
         Path("a.mkv")});
    ASSERT_TRUE(stamps.contains("N/A,N/A")) << "the clip maker wrote no unstamped blocks";

    const Status outcome = CopyJoin({Path("a.mkv"), Path("b.mkv")}, Path("joined.mkv"));
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.Message().toStdString(),
              "Cannot join by stream copy: some packets of a.mkv carry no timestamp, so where "
              "they belong is unknown. Convert it instead.");
}

// H.264 files whose setup differs in the level alone decode alike with either setup: joined, the
// output stating the higher level. A setting that changes how pictures decode is refused, named.
TEST_F(CopyJoinFailures, H264SetupMayDifferInTheLevelOnly) {
    const auto encode = [this](const QString& name, const QStringList& x264) {
        const QString path = Path(name);
        EXPECT_TRUE(media_tools::MakeClip(
            path, 1.0, 320, 240, QStringLiteral("25"),
            QStringList{QStringLiteral("-c:v"), QStringLiteral("libx264"),
                        QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p")} +
                x264,
            true, false));
        return path;
    };
    const QString low =
        encode(QStringLiteral("low.mp4"), {QStringLiteral("-level"), QStringLiteral("3.1")});
    const QString high =
        encode(QStringLiteral("high.mp4"), {QStringLiteral("-level"), QStringLiteral("4.0")});
    const QString output = Path(QStringLiteral("joined.mp4"));
    const Status joined = CopyJoin({low, high}, output);
    ASSERT_TRUE(joined.Ok()) << joined.Message().toStdString();
    EXPECT_EQ(copy_join_probe::RunFfprobe({QStringLiteral("-select_streams"), QStringLiteral("v:0"),
                                           QStringLiteral("-show_entries"),
                                           QStringLiteral("stream=level"), QStringLiteral("-of"),
                                           QStringLiteral("csv=p=0"), output})
                  .trimmed(),
              QByteArray("40"));
    EXPECT_EQ(copy_join_probe::DecodedFrames(output, QStringLiteral("video")), 50);

    const std::pair<QStringList, const char*> refused[] = {
        {{QStringLiteral("-coder"), QStringLiteral("0")}, "picture parameter set"},
        {{QStringLiteral("-bf"), QStringLiteral("0")}, "sequence parameter set"}};
    for (const auto& [x264, part] : refused) {
        // At the same level, so that only the setting differs.
        const QString other =
            encode(QStringLiteral("other.mp4"),
                   x264 + QStringList{QStringLiteral("-level"), QStringLiteral("3.1")});
        const Status outcome = CopyJoin({low, other}, Path(QStringLiteral("refused.mp4")));
        ASSERT_FALSE(outcome.Ok());
        EXPECT_EQ(outcome.Message(),
                  QStringLiteral("Cannot join by stream copy: other.mp4 differs from low.mp4 in "
                                 "video H.264 %1 (settings other than the level).")
                      .arg(QString::fromLatin1(part)));
    }
}

// A file cut right after its header still opens, with all it needs to be copied, but gives
// no packet: the join fails, naming it, first or later.
TEST_F(CopyJoinFailures, AnInputThatGivesNothingFailsTheJoin) {
    const QString whole = Path(QStringLiteral("whole.m4a"));
    ASSERT_TRUE(media_tools::MakeClip(whole, 1.0, 0, 0, QStringLiteral("25"),
                                      {QStringLiteral("-c:a"), QStringLiteral("aac"),
                                       QStringLiteral("-movflags"), QStringLiteral("+faststart")},
                                      false));
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const qsizetype media = bytes.indexOf("mdat");
    ASSERT_GT(media, 0);
    const QString cut = Path(QStringLiteral("cut.m4a"));
    QFile cutFile(cut);
    ASSERT_TRUE(cutFile.open(QIODevice::WriteOnly));
    ASSERT_EQ(cutFile.write(bytes.left(media + 4)), media + 4);
    cutFile.close();
    for (const std::vector<QString>& inputs : {std::vector{whole, cut}, std::vector{cut, whole}}) {
        const Status outcome = CopyJoin(inputs, Path(QStringLiteral("joined.m4a")));
        ASSERT_FALSE(outcome.Ok());
        EXPECT_EQ(outcome.Message().toStdString(),
                  "Cannot join by stream copy: cut.m4a holds no picture or sound that can be "
                  "copied: it is cut short or damaged.");
    }
}

TEST_F(CopyJoinFailures, AFullDiskKeepsTheSystemsReason) {
    ASSERT_TRUE(QFileInfo(QStringLiteral("/dev/full")).isWritable());
    const QString a = Path(QStringLiteral("a.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(
        a, 2.0, 320, 240, QStringLiteral("25"),
        {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
         QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")}));
    const auto plan = ParseEncodeOptions(QStringLiteral("-vcodec copy -acodec copy -join"),
                                         Path(QStringLiteral("joined.mp4")));
    ASSERT_TRUE(plan.Ok()) << plan.Message().toStdString();
    std::atomic<bool> cancel{false};
    // Every write to /dev/full fails with ENOSPC.
    const Status outcome =
        RunCopyJoin(JoinTask{{a, a}, QStringLiteral("/dev/full"), *plan}, cancel, {});
    ASSERT_FALSE(outcome.Ok());
    EXPECT_EQ(outcome.Code(), AVERROR(ENOSPC)) << outcome.Message().toStdString();
    EXPECT_TRUE(outcome.Message().startsWith(QStringLiteral("Cannot write the output")))
        << outcome.Message().toStdString();
    EXPECT_TRUE(outcome.Message().endsWith(QStringLiteral(": No space left on device")))
        << outcome.Message().toStdString();
}

}  // namespace

}  // namespace veltrano

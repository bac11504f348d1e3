// What a failed stream-copy write tells the user: a container that refuses what the inputs
// hold asks for a conversion; a disk that fails keeps the system's reason.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>

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
              "audio of b.dv (Invalid argument). Choose Convert instead.");
    EXPECT_EQ(outcome.Code(), AVERROR(EINVAL));
}

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

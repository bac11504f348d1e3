// The container and encoder rules the resolver writes into every plan, and the progress
// throttle the joiners share.

#include <gtest/gtest.h>

#include <chrono>

#include "engine/plan/output_rules.h"
#include "engine/plan/progress_throttle.h"

namespace veltrano {

namespace {

OutputPlan Plan(const char* muxer, const char* video) {
    OutputPlan plan;
    plan.MuxerName = QString::fromLatin1(muxer);
    plan.VideoEncoder = QString::fromLatin1(video);
    return plan;
}

TEST(OutputRulesTest, H263TakesFiveSizesOnly) {
    EXPECT_TRUE(IsH263Size(176, 144));
    EXPECT_TRUE(IsH263Size(1408, 1152));
    EXPECT_FALSE(IsH263Size(320, 240));
    EXPECT_FALSE(IsH263Size(144, 176));

    OutputPlan plan = Plan("3gp", "h263");
    ApplyOutputRules(plan);
    ASSERT_EQ(plan.PictureSizes.size(), 5u);
    EXPECT_EQ(PictureSizeRefusal(plan, 320, 240),
              QStringLiteral("H.263 takes only the picture sizes 128x96, 176x144, 352x288, "
                             "704x576 and 1408x1152, not 320x240."));
    OutputPlan other = Plan("3gp", "mpeg4");
    ApplyOutputRules(other);
    EXPECT_TRUE(other.PictureSizes.empty());
}

TEST(OutputRulesTest, FlashCarriesThreeSampleRates) {
    for (const char* muxer : {"flv", "swf"}) {
        OutputPlan plan = Plan(muxer, "flv");
        plan.SampleRate = 48000;
        ApplyOutputRules(plan);
        EXPECT_EQ(plan.SampleRate, 44100) << muxer;
        EXPECT_EQ(plan.MuxerSampleRates, (std::vector<int>{44100, 22050, 11025})) << muxer;
    }
    OutputPlan unset = Plan("flv", "flv");
    ApplyOutputRules(unset);
    EXPECT_EQ(unset.SampleRate, 0);  // the input's rate is fitted when the encoder opens
    OutputPlan mkv = Plan("matroska", "libx264");
    mkv.SampleRate = 48000;
    ApplyOutputRules(mkv);
    EXPECT_EQ(mkv.SampleRate, 48000);
    EXPECT_TRUE(mkv.MuxerSampleRates.empty());
}

TEST(OutputRulesTest, NearestRatePrefersTheHigherOnATie) {
    EXPECT_EQ(NearestRate({44100, 22050, 11025}, 33075), 44100);
    EXPECT_EQ(NearestRate({44100, 22050, 11025}, 8000), 11025);
    EXPECT_EQ(NearestRate({}, 8000), 8000);
}

TEST(OutputRulesTest, RmRateControlStaysUnderThePacketLimit) {
    OutputPlan rv20 = Plan("rm", "rv20");
    ApplyOutputRules(rv20);
    EXPECT_EQ(rv20.VideoBitrate, 1000000);
    EXPECT_EQ(rv20.VideoMaxRate, 1000000);
    EXPECT_EQ(rv20.VideoBufferSize, 400000);

    OutputPlan small = Plan("rm", "rv20");
    small.VideoBitrate = 300000;
    small.VideoBufferSize = 100000;
    ApplyOutputRules(small);
    EXPECT_EQ(small.VideoMaxRate, 300000);
    EXPECT_EQ(small.VideoBufferSize, 100000);

    // Another encoder keeps its bitrate (libavcodec's default when none is given).
    OutputPlan rv10 = Plan("rm", "rv10");
    ApplyOutputRules(rv10);
    EXPECT_EQ(rv10.VideoBitrate, 0);
    EXPECT_EQ(rv10.VideoMaxRate, 200000);
    EXPECT_EQ(rv10.VideoBufferSize, 200000);

    OutputPlan mp4 = Plan("mp4", "mpeg4");
    ApplyOutputRules(mp4);
    EXPECT_EQ(mp4.VideoMaxRate, 0);
    EXPECT_EQ(mp4.VideoBufferSize, 0);
}

TEST(OutputRulesTest, MpegProgramStreamFollowsTheVideo) {
    OutputPlan mpeg2 = Plan("mpeg", "mpeg2video");
    ApplyOutputRules(mpeg2);
    EXPECT_EQ(mpeg2.MuxerName, QStringLiteral("vob"));
    OutputPlan named = Plan("mpeg", "mpeg2video");
    ApplyOutputRules(named, true);
    EXPECT_EQ(named.MuxerName, QStringLiteral("mpeg"));
    OutputPlan mpeg1 = Plan("mpeg", "mpeg1video");
    ApplyOutputRules(mpeg1);
    EXPECT_EQ(mpeg1.MuxerName, QStringLiteral("mpeg"));

    // A copy cannot know the video in advance: the joiner switches on what it finds.
    OutputPlan copy;
    copy.Copy = true;
    copy.MuxerName = QStringLiteral("mpeg");
    ApplyOutputRules(copy, true);
    EXPECT_EQ(copy.MuxerName, QStringLiteral("mpeg"));
    EXPECT_EQ(copy.MuxerForOtherVideo, QStringLiteral("vob"));
}

TEST(OutputRulesTest, ProfileListsComeFromTheContainerTable) {
    QStringList encoders = ProfileEncoders();
    const QStringList muxers = ProfileMuxers();
    EXPECT_EQ(encoders.removeDuplicates(), 0);
    EXPECT_EQ(QStringList(muxers).removeDuplicates(), 0);
    for (const char* extension :
         {"mp4", "mov", "3gp", "flv", "swf", "mkv", "avi", "asf", "wmv", "mpg", "vob", "rm"}) {
        const ContainerProfile* profile = ContainerForExtension(QString::fromLatin1(extension));
        ASSERT_NE(profile, nullptr) << extension;
        EXPECT_TRUE(encoders.contains(QString::fromLatin1(profile->VideoEncoder))) << extension;
        EXPECT_TRUE(encoders.contains(QString::fromLatin1(profile->AudioEncoder))) << extension;
        EXPECT_TRUE(muxers.contains(QString::fromLatin1(profile->Muxer))) << extension;
    }
    EXPECT_TRUE(muxers.contains(QStringLiteral("vcd")));
    EXPECT_TRUE(muxers.contains(QStringLiteral("dvd")));
    EXPECT_EQ(ContainerForExtension(QStringLiteral("xyz")), nullptr);
}

TEST(ProgressThrottleTest, LetsAReportThroughPerInterval) {
    using namespace std::chrono_literals;
    std::chrono::steady_clock::time_point now{};
    ProgressThrottle throttle([&] { return now; });
    EXPECT_TRUE(throttle.Due());  // the first report always goes out
    now += 100ms;
    EXPECT_FALSE(throttle.Due());
    EXPECT_TRUE(throttle.Due(true));  // forced: the end of a join
    now += 249ms;
    EXPECT_FALSE(throttle.Due());
    now += 1ms;
    EXPECT_TRUE(throttle.Due());
    int passed = 0;
    for (int i = 0; i < 100; ++i) {  // 10 s of reports every 100 ms
        now += 100ms;
        passed += throttle.Due() ? 1 : 0;
    }
    EXPECT_EQ(passed, 33);
}

}  // namespace

}  // namespace veltrano

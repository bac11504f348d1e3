// Conversion joins of unlike inputs: sizes, aspects, rotation, missing streams and sample
// rates. Judged by ffprobe, including its cropdetect filter for where each picture lands.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>
#include <memory>

#include "engine/convert/convert_join.h"
#include "tests/engine/convert/convert_join_probe.h"
#include "tests/support/media_tools.h"
#include "tests/support/test_text.h"

namespace veltrano {

namespace {

using convert_join_probe::Box;
using convert_join_probe::ContentAt;

OutputPlan H264Plan(int width, int height) {
    OutputPlan plan;
    plan.MuxerName = Q("mp4");
    plan.VideoEncoder = Q("libx264");
    plan.X264Preset = Q("ultrafast");
    plan.AudioEncoder = Q("aac");
    plan.Width = width;
    plan.Height = height;
    plan.FrameRate = AVRational{25, 1};
    plan.SampleRate = 44100;
    plan.Channels = 2;
    return plan;
}

class ConvertJoinMixedTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        const QStringList h264{Q("-c:v"),      Q("libx264"), Q("-preset"),
                               Q("ultrafast"), Q("-c:a"),    Q("aac")};
        // 4:3 with sound at 44.1 kHz stereo.
        ASSERT_TRUE(media_tools::MakeClip(Path("wide43.mp4"), 1.0, 320, 240, Q("25"), h264));
        // 16:9 at 30 fps without sound.
        ASSERT_TRUE(media_tools::MakeClip(Path("silent169.mp4"), 1.0, 320, 180, Q("30"), h264, true,
                                          false));
        // White upper half, black lower half, 48 kHz mono, stored with rotation metadata: shown
        // turned a quarter counter-clockwise the white half is on the left.
        ASSERT_TRUE(media_tools::RunFfmpeg(
            {Q("-f"), Q("lavfi"), Q("-i"),
             Q("color=white:s=320x120:r=25:d=1.2,pad=320:240:0:0:black"), Q("-f"), Q("lavfi"),
             Q("-i"), Q("sine=sample_rate=48000:duration=1.2"), Q("-ac"), Q("1"), Q("-c:v"),
             Q("libx264"), Q("-preset"), Q("ultrafast"), Q("-c:a"), Q("aac"),
             Path("upright.mp4")}));
        ASSERT_TRUE(
            media_tools::RunFfmpeg({Q("-i"), Path("upright.mp4"), Q("-c"), Q("copy"),
                                    Q("-metadata:s:v:0"), Q("rotate=90"), Path("rotated.mp4")}));
        // Sound only, 22.05 kHz.
        ASSERT_TRUE(media_tools::MakeClip(Path("voice.m4a"), 0.8, 0, 0, Q("25"),
                                          {Q("-c:a"), Q("aac")}, false, true, 22050, 2));
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString Path(const char* name) { return dir_->filePath(Q(name)); }

    static Status Join(const std::vector<QString>& inputs, const OutputPlan& plan,
                       const QString& out) {
        JoinTask task{inputs, out, plan};
        std::atomic<bool> cancel{false};
        return RunConvertJoin(task, cancel, {});
    }

    static void ExpectAudioWithVideo(const QString& out, double expectedSeconds) {
        const double video = media_tools::StreamDuration(out, Q("video"));
        const double audio = media_tools::StreamDuration(out, Q("audio"));
        EXPECT_NEAR(video, audio, 0.1);
        EXPECT_NEAR(video, expectedSeconds, 0.3);
        EXPECT_NEAR(media_tools::FormatDuration(media_tools::Probe(out)), expectedSeconds, 0.3);
    }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> ConvertJoinMixedTest::dir_;

TEST_F(ConvertJoinMixedTest, UnlikeInputsShareOneTimeline) {
    const QString out = Path("mixed.mp4");
    const Status outcome =
        Join({Path("wide43.mp4"), Path("silent169.mp4"), Path("rotated.mp4"), Path("voice.m4a")},
             H264Plan(320, 240), out);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();

    const QJsonObject probe = media_tools::Probe(out);
    const QJsonArray video = media_tools::StreamsOfType(probe, Q("video"));
    ASSERT_EQ(video.size(), 1);
    EXPECT_EQ(video.at(0).toObject().value(Q("width")).toInt(), 320);
    EXPECT_EQ(video.at(0).toObject().value(Q("height")).toInt(), 240);
    ASSERT_EQ(media_tools::StreamsOfType(probe, Q("audio")).size(), 1);
    ExpectAudioWithVideo(out, 1.0 + 1.0 + 1.2 + 0.8);

    // 4:3 fills the frame.
    const Box first = ContentAt(out, 0.5);
    EXPECT_EQ(first.Width, 320);
    EXPECT_EQ(first.Height, 240);
    // 16:9 gets bars above and below.
    const Box second = ContentAt(out, 1.5);
    EXPECT_EQ(second.Width, 320);
    EXPECT_NEAR(second.Height, 180, 2);
    EXPECT_NEAR(second.Y, 30, 2);
    // The rotated clip stands upright: 240x320 shown as 180x240 between bars at x 70, and
    // its white half (the picture's top before turning) on the left.
    const Box third = ContentAt(out, 2.6);
    EXPECT_NEAR(third.X, 70, 2);
    EXPECT_NEAR(third.Width, 90, 2);
    EXPECT_EQ(third.Height, 240);
    // Sound without pictures: black frames.
    EXPECT_LE(ContentAt(out, 3.6).Width, 0);
}

TEST_F(ConvertJoinMixedTest, SizeComesFromFirstInputWithPictures) {
    const QString out = Path("voice-first.mkv");
    OutputPlan plan = H264Plan(0, 0);
    plan.MuxerName = Q("matroska");
    plan.AudioEncoder = Q("libmp3lame");
    const Status outcome = Join({Path("voice.m4a"), Path("silent169.mp4")}, plan, out);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    const QJsonArray video = media_tools::StreamsOfType(media_tools::Probe(out), Q("video"));
    ASSERT_EQ(video.size(), 1);
    EXPECT_EQ(video.at(0).toObject().value(Q("width")).toInt(), 320);
    EXPECT_EQ(video.at(0).toObject().value(Q("height")).toInt(), 180);
    ExpectAudioWithVideo(out, 1.8);
}

TEST_F(ConvertJoinMixedTest, ManyJoinsDoNotDrift) {
    std::vector<QString> inputs;
    for (int i = 0; i < 10; ++i) {
        inputs.push_back(i % 2 == 0 ? Path("wide43.mp4") : Path("rotated.mp4"));
    }
    const QString out = Path("ten.mp4");
    const Status outcome = Join(inputs, H264Plan(160, 120), out);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    const double video = media_tools::StreamDuration(out, Q("video"));
    const double audio = media_tools::StreamDuration(out, Q("audio"));
    EXPECT_NEAR(video, 11.0, 0.1);
    // AAC's priming frame shows in packet times: within about one frame.
    EXPECT_NEAR(audio, video, 0.05);
}

TEST_F(ConvertJoinMixedTest, DisplayAspectSetsSampleAspect) {
    OutputPlan plan;
    plan.MuxerName = Q("dvd");
    plan.VideoEncoder = Q("mpeg2video");
    plan.AudioEncoder = Q("ac3");
    plan.Width = 720;
    plan.Height = 576;
    plan.FrameRate = AVRational{25, 1};
    plan.DisplayAspect = AVRational{16, 9};
    plan.VideoBitrate = 6000000;
    plan.VideoMaxRate = 9000000;
    plan.VideoBufferSize = 1835008;
    plan.SampleRate = 48000;
    const QString out = Path("wide.vob");
    const Status outcome = Join({Path("wide43.mp4"), Path("silent169.mp4")}, plan, out);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    const QJsonArray video = media_tools::StreamsOfType(media_tools::Probe(out), Q("video"));
    ASSERT_EQ(video.size(), 1);
    EXPECT_EQ(video.at(0).toObject().value(Q("display_aspect_ratio")).toString(), Q("16:9"));
    EXPECT_EQ(video.at(0).toObject().value(Q("sample_aspect_ratio")).toString(), Q("64:45"));
    // A 4:3 picture in a 16:9 frame: bars left and right (720 * 3/4 = 540 wide).
    const Box first = ContentAt(out, 0.5);
    EXPECT_NEAR(first.Width, 540, 4);
    EXPECT_NEAR(first.X, 90, 4);
    // A 16:9 picture fills it.
    EXPECT_NEAR(ContentAt(out, 1.5).Width, 720, 4);
    ExpectAudioWithVideo(out, 2.0);
}

TEST_F(ConvertJoinMixedTest, RemovedAudioLeavesVideoOnly) {
    OutputPlan plan = H264Plan(160, 120);
    plan.RemoveAudio = true;
    const QString out = Path("mute.mp4");
    const Status outcome = Join({Path("wide43.mp4"), Path("voice.m4a")}, plan, out);
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    const QJsonObject probe = media_tools::Probe(out);
    EXPECT_EQ(media_tools::StreamsOfType(probe, Q("audio")).size(), 0);
    EXPECT_NEAR(media_tools::StreamDuration(out, Q("video")), 1.8, 0.1);
}

}  // namespace

}  // namespace veltrano

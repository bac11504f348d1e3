// Conversion joins of two small clips into every output format the profiles produce, judged
// by ffprobe: codecs, picture size and duration.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <memory>

#include "engine/convert/convert_join.h"
#include "engine/plan/output_rules.h"
#include "tests/support/media_tools.h"

namespace veltrano {

namespace {

struct FormatCase {
    const char* Name;
    OutputPlan Plan;
    const char* VideoCodec;  // as ffprobe names it
    const char* AudioCodec;
    int Width;  // expected picture size
    int Height;
    const char* FrameRate;  // expected r_frame_rate, or nullptr
    int SampleRate;         // expected, or 0
    int Channels;           // expected, or 0
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.Name;
}

OutputPlan Plan(const char* muxer, const char* video, const char* audio) {
    OutputPlan plan;
    plan.MuxerName = QString::fromLatin1(muxer);
    plan.VideoEncoder = QString::fromLatin1(video);
    plan.AudioEncoder = QString::fromLatin1(audio);
    plan.Channels = 2;
    plan.SampleRate = 44100;
    plan.AudioBitrate = 128000;
    plan.VideoBitrate = 400000;
    return plan;
}

OutputPlan WithSize(OutputPlan plan, int width, int height) {
    plan.Width = width;
    plan.Height = height;
    return plan;
}

OutputPlan WithRate(OutputPlan plan, AVRational rate) {
    plan.FrameRate = rate;
    return plan;
}

OutputPlan WithPreset(OutputPlan plan, const char* preset) {
    plan.X264Preset = QString::fromLatin1(preset);
    return plan;
}

OutputPlan WithAudio(OutputPlan plan, int sampleRate, int channels, std::int64_t bitrate) {
    plan.SampleRate = sampleRate;
    plan.Channels = channels;
    plan.AudioBitrate = bitrate;
    return plan;
}

OutputPlan Dvd() {
    OutputPlan plan = WithSize(Plan("dvd", "mpeg2video", "ac3"), 720, 576);
    plan.FrameRate = AVRational{25, 1};
    plan.VideoBitrate = 6000000;
    plan.VideoMaxRate = 9000000;
    plan.VideoBufferSize = 1835008;
    plan.GopSize = 15;
    plan.PacketSize = 2048;
    plan.MuxRate = 10080000;
    plan.AudioBitrate = 448000;
    plan.SampleRate = 48000;
    plan.DisplayAspect = AVRational{16, 9};
    return plan;
}

OutputPlan Vcd() {
    OutputPlan plan = WithSize(Plan("vcd", "mpeg1video", "mp2"), 352, 288);
    plan.FrameRate = AVRational{25, 1};
    plan.VideoBitrate = 1150000;
    plan.VideoMaxRate = 1150000;
    plan.VideoMinRate = 1150000;
    plan.VideoBufferSize = 327680;
    plan.GopSize = 15;
    plan.AudioBitrate = 224000;
    plan.PacketSize = 2324;
    plan.MuxRate = 1411200;
    plan.PreloadSeconds = 0.44;
    return plan;
}

const FormatCase kCases[] = {
    {"Mp4Mpeg4", WithRate(Plan("mp4", "mpeg4", "aac"), {2997, 100}), "mpeg4", "aac", 160, 120,
     "2997/100", 44100, 2},
    {"Mp4H264", WithSize(WithPreset(Plan("mp4", "libx264", "aac"), "veryfast"), 320, 240), "h264",
     "aac", 320, 240, nullptr, 44100, 2},
    {"Mov", WithRate(Plan("mov", "libx264", "aac"), {2997, 100}), "h264", "aac", 160, 120, nullptr,
     44100, 2},
    {"Flv", WithAudio(Plan("flv", "flv", "libmp3lame"), 22050, 2, 64000), "flv1", "mp3", 160, 120,
     nullptr, 22050, 2},
    {"F4v", WithPreset(Plan("flv", "libx264", "aac"), "ultrafast"), "h264", "aac", 160, 120,
     nullptr, 44100, 2},
    {"Swf", Plan("swf", "flv", "libmp3lame"), "flv1", "mp3", 160, 120, nullptr, 44100, 0},
    {"Mkv", WithPreset(Plan("matroska", "libx264", "libmp3lame"), "medium"), "h264", "mp3", 160,
     120, nullptr, 44100, 2},
    {"Avi", Plan("avi", "libxvid", "libmp3lame"), "mpeg4", "mp3", 160, 120, nullptr, 44100, 2},
    {"Asf", Plan("asf", "msmpeg4v2", "wmav2"), "msmpeg4v2", "wmav2", 160, 120, nullptr, 44100, 2},
    {"Wmv", WithSize(Plan("asf", "wmv2", "wmav2"), 240, 176), "wmv2", "wmav2", 240, 176, nullptr,
     44100, 2},
    {"Mpeg1", WithRate(Plan("mpeg", "mpeg1video", "mp2"), {2997, 100}), "mpeg1video", "mp2", 160,
     120, "30000/1001", 44100, 2},
    {"Mpeg2", WithSize(Plan("mpeg", "mpeg2video", "mp2"), 320, 240), "mpeg2video", "mp2", 320, 240,
     nullptr, 44100, 2},
    {"Dvd", Dvd(), "mpeg2video", "ac3", 720, 576, "25/1", 48000, 2},
    {"Vcd", Vcd(), "mpeg1video", "mp2", 352, 288, "25/1", 44100, 2},
    {"Rm", WithSize(Plan("rm", "rv20", "ac3"), 320, 240), "rv20", "ac3", 320, 240, nullptr, 44100,
     2},
    {"ThreeGp", WithAudio(WithSize(Plan("3gp", "h263", "aac"), 176, 144), 8000, 1, 12200), "h263",
     "aac", 176, 144, nullptr, 8000, 1},
};

class ConvertJoinFormatsTest : public testing::TestWithParam<FormatCase> {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        // Two differing clips: H.264/AAC at 25 fps and 44.1 kHz stereo, then MPEG-4/MP3 at
        // 30 fps and 48 kHz mono.
        ASSERT_TRUE(media_tools::MakeClip(
            dir_->filePath(QStringLiteral("a.mp4")), 1.0, 160, 120, QStringLiteral("25"),
            {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
             QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")}));
        ASSERT_TRUE(media_tools::MakeClip(dir_->filePath(QStringLiteral("b.mkv")), 1.0, 160, 120,
                                          QStringLiteral("30"),
                                          {QStringLiteral("-c:v"), QStringLiteral("mpeg4"),
                                           QStringLiteral("-c:a"), QStringLiteral("libmp3lame")},
                                          true, true, 48000, 1));
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> ConvertJoinFormatsTest::dir_;

TEST_P(ConvertJoinFormatsTest, JoinsTwoClips) {
    const FormatCase& c = GetParam();
    JoinTask task;
    task.Inputs = {dir_->filePath(QStringLiteral("a.mp4")),
                   dir_->filePath(QStringLiteral("b.mkv"))};
    task.WritePath = dir_->filePath(QStringLiteral("out-%1.tmp").arg(QLatin1String(c.Name)));
    task.Plan = c.Plan;
    ApplyOutputRules(task.Plan);  // as the resolver would
    std::atomic<bool> cancel{false};
    const Status outcome = RunConvertJoin(task, cancel, {});
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();

    const QJsonObject probe = media_tools::Probe(task.WritePath);
    ASSERT_FALSE(probe.isEmpty()) << "ffprobe cannot read the output";
    const QJsonArray video = media_tools::StreamsOfType(probe, QStringLiteral("video"));
    const QJsonArray audio = media_tools::StreamsOfType(probe, QStringLiteral("audio"));
    ASSERT_EQ(video.size(), 1);
    ASSERT_EQ(audio.size(), 1);
    const QJsonObject v = video.at(0).toObject();
    const QJsonObject a = audio.at(0).toObject();
    EXPECT_EQ(v.value(QStringLiteral("codec_name")).toString(), QLatin1String(c.VideoCodec));
    EXPECT_EQ(a.value(QStringLiteral("codec_name")).toString(), QLatin1String(c.AudioCodec));
    EXPECT_EQ(v.value(QStringLiteral("width")).toInt(), c.Width);
    EXPECT_EQ(v.value(QStringLiteral("height")).toInt(), c.Height);
    if (c.FrameRate != nullptr) {
        EXPECT_EQ(v.value(QStringLiteral("r_frame_rate")).toString(), QLatin1String(c.FrameRate));
    }
    if (c.SampleRate != 0) {
        EXPECT_EQ(a.value(QStringLiteral("sample_rate")).toString().toInt(), c.SampleRate);
    }
    if (c.Channels != 0) {
        EXPECT_EQ(a.value(QStringLiteral("channels")).toInt(), c.Channels);
    }
    if (c.Plan.MuxerName != QLatin1String("swf")) {  // SWF headers carry no duration
        EXPECT_NEAR(media_tools::FormatDuration(probe), 2.0, 0.3);
    }
    const double videoSeconds =
        media_tools::StreamDuration(task.WritePath, QStringLiteral("video"));
    const double audioSeconds =
        media_tools::StreamDuration(task.WritePath, QStringLiteral("audio"));
    EXPECT_NEAR(videoSeconds, 2.0, 0.3);
    EXPECT_NEAR(audioSeconds, 2.0, 0.3);
}

// An HD key frame at 1000k exceeds the 64 kB packets RM takes unless rate control keeps it
// small.
TEST(ConvertJoinRmTest, HdKeyFramesFitRmPackets) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString clip = dir.filePath(QStringLiteral("hd.mp4"));
    ASSERT_TRUE(media_tools::MakeClip(
        clip, 0.4, 1920, 1080, QStringLiteral("25"),
        {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
         QStringLiteral("ultrafast"), QStringLiteral("-c:a"), QStringLiteral("aac")}));
    JoinTask task;
    task.Inputs = {clip, clip};
    task.WritePath = dir.filePath(QStringLiteral("hd.rm"));
    task.Plan = WithSize(Plan("rm", "rv20", "ac3"), 1920, 1080);
    task.Plan.VideoBitrate = 1000000;
    ApplyOutputRules(task.Plan);  // the resolver bounds RM's rate control
    std::atomic<bool> cancel{false};
    const Status outcome = RunConvertJoin(task, cancel, {});
    ASSERT_TRUE(outcome.Ok()) << outcome.Message().toStdString();
    const QJsonObject probe = media_tools::Probe(task.WritePath);
    const QJsonArray video = media_tools::StreamsOfType(probe, QStringLiteral("video"));
    ASSERT_EQ(video.size(), 1);
    EXPECT_EQ(video.at(0).toObject().value(QStringLiteral("width")).toInt(), 1920);
    EXPECT_NEAR(media_tools::FormatDuration(probe), 0.8, 0.3);
}

INSTANTIATE_TEST_SUITE_P(Formats, ConvertJoinFormatsTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FormatCase>& info) {
                             return std::string(info.param.Name);
                         });

}  // namespace

}  // namespace veltrano

#include <gtest/gtest.h>

#include "engine/plan/encode_options.h"
#include "engine/plan/output_plan_resolver.h"
#include "tests/support/test_text.h"

namespace veltrano {

namespace {

OutputPlan PlanFor(const QString& parameters, const QString& output,
                   const FirstInputFacts& facts = {}) {
    const Result<OutputPlan> result = ParseEncodeOptions(parameters, output, facts);
    EXPECT_TRUE(result.Ok()) << parameters.toStdString() << " -> "
                             << result.Message().toStdString();
    return (result.Ok() ? *result : OutputPlan{});
}

bool SameRate(const std::optional<AVRational>& rate, int num, int den) {
    return rate.has_value() && av_cmp_q(*rate, AVRational{num, den}) == 0;
}

// Strings the parameter builder writes for each format key, and what they must mean.
struct BuilderCase {
    const char* Parameters;
    const char* Output;
    const char* Muxer;
    const char* VideoEncoder;
    const char* AudioEncoder;
    int Width;
    int Height;
    std::int64_t VideoBitrate;
    std::int64_t AudioBitrate;
    int SampleRate;
    int Channels;

    friend void PrintTo(const BuilderCase& c, std::ostream* os) {
        *os << '"' << c.Parameters << "\" to ." << c.Output;
    }
};

class BuilderStrings : public ::testing::TestWithParam<BuilderCase> {};

TEST_P(BuilderStrings, MeanWhatTheProfilePromises) {
    const BuilderCase& c = GetParam();
    const FirstInputFacts facts{AVRational{25, 1}, 640, 480};
    const OutputPlan plan = PlanFor(QString::fromLatin1(c.Parameters),
                                    QStringLiteral("/tmp/out.") + QLatin1String(c.Output), facts);
    EXPECT_FALSE(plan.Copy);
    EXPECT_EQ(plan.MuxerName.toStdString(), c.Muxer);
    EXPECT_EQ(plan.VideoEncoder.toStdString(), c.VideoEncoder);
    EXPECT_EQ(plan.AudioEncoder.toStdString(), c.AudioEncoder);
    EXPECT_EQ(plan.Width, c.Width);
    EXPECT_EQ(plan.Height, c.Height);
    EXPECT_EQ(plan.VideoBitrate, c.VideoBitrate);
    EXPECT_EQ(plan.AudioBitrate, c.AudioBitrate);
    EXPECT_EQ(plan.SampleRate, c.SampleRate);
    EXPECT_EQ(plan.Channels, c.Channels);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFormatKey, BuilderStrings,
    ::testing::Values(
        BuilderCase{"-ac 2 -vb 164k -ab 4750 -ac 1 -ar 8000 -s 176x144 -join", "3gp", "3gp", "h263",
                    "aac", 176, 144, 164000, 4750, 8000, 1},
        BuilderCase{"-ac 2 -vb 500k -ab 12200 -ac 1 -ar 8000 -s 320x240 -join", "3gp", "3gp",
                    "mpeg4", "aac", 320, 240, 500000, 12200, 8000, 1},
        BuilderCase{"-ac 2 -vcodec libxvid -vb 847k -acodec libmp3lame -ab 128k -ar 44100 -join",
                    "avi", "avi", "libxvid", "libmp3lame", 0, 0, 847000, 128000, 44100, 2},
        BuilderCase{"-ac 2 -vcodec msmpeg4v2 -vb 512k -acodec wmav2 -ab 128k -ar 44100 -join",
                    "asf", "asf", "msmpeg4v2", "wmav2", 0, 0, 512000, 128000, 44100, 2},
        BuilderCase{"-ac 1 -vcodec wmv2 -vb 512k -acodec wmav2 -ab 64k -ar 22050 -join", "wmv",
                    "asf", "wmv2", "wmav2", 0, 0, 512000, 64000, 22050, 1},
        BuilderCase{"-ac 2 -vb 512k -ab 64k -ar 44100 -s 320x240 -join", "flv", "flv", "flv",
                    "libmp3lame", 320, 240, 512000, 64000, 44100, 2},
        BuilderCase{"-ac 2 -vb 512k -ab 64k -ar 48000 -join", "swf", "swf", "flv", "libmp3lame", 0,
                    0, 512000, 64000, 44100, 2},
        BuilderCase{"-ac 2 -vcodec libx264 -vpre libx264-veryfast -f flv -vb 512k -acodec "
                    "libfaac -ab 128k -ar 44100 -ac 2 -join",
                    "f4v", "flv", "libx264", "aac", 0, 0, 512000, 128000, 44100, 2},
        BuilderCase{"-ac 2 -vcodec libx264 -vpre libx264-default -vb 512k  -acodec libmp3lame "
                    "-ab 128k -ar 44100 -join",
                    "mkv", "matroska", "libx264", "libmp3lame", 0, 0, 512000, 128000, 44100, 2},
        BuilderCase{"-r 29.97 -ac 2 -vb 6144k -ab 256k -ar 44100 -join", "mov", "mov", "libx264",
                    "aac", 0, 0, 6144000, 256000, 44100, 2},
        BuilderCase{"-r 29.97 -ac 2 -vb 512k -ab 128k -ar 44100 -join", "mp4", "mp4", "mpeg4",
                    "aac", 0, 0, 512000, 128000, 44100, 2},
        BuilderCase{"-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 512k -ab 128k -ar 44100 "
                    "-s 320x240 -join",
                    "mp4", "mp4", "libx264", "aac", 320, 240, 512000, 128000, 44100, 2},
        BuilderCase{"-ac 2 -vb 512k -ab 128k -ar 44100 -join", "mpg", "mpeg", "mpeg1video", "mp2",
                    0, 0, 512000, 128000, 44100, 2},
        BuilderCase{"-ac 2 -vcodec mpeg2video -vb 512k -ab 128k -ar 44100 -join", "mpg", "vob",
                    "mpeg2video", "mp2", 0, 0, 512000, 128000, 44100, 2},
        BuilderCase{"-ac 2 -target ntsc-vcd -vb 1150k -ab 224k -ar 44100 -join", "mpg", "vcd",
                    "mpeg1video", "mp2", 352, 240, 1150000, 224000, 44100, 2},
        BuilderCase{"-ac 2 -target pal-vcd -vb 1150k -ab 224k -ar 44100 -join", "mpg", "vcd",
                    "mpeg1video", "mp2", 352, 288, 1150000, 224000, 44100, 2},
        BuilderCase{"-ac 2 -target ntsc-dvd -ab 128k -ar 44100 -join", "mpg", "dvd", "mpeg2video",
                    "ac3", 720, 480, 6000000, 128000, 44100, 2},
        BuilderCase{"-r 25 -aspect 16:9 -ac 2 -target pal-dvd -ab 256k -ar 44100 -s 720x576 "
                    "-join",
                    "mpg", "dvd", "mpeg2video", "ac3", 720, 576, 6000000, 256000, 44100, 2},
        BuilderCase{"-an -ac 2 -vcodec rv20 -vb 1000k -ab 128k -ar 44100 -s 640x480 -join", "rm",
                    "rm", "rv20", "", 640, 480, 1000000, 128000, 44100, 2},
        BuilderCase{"-ac 2 -target dvd -vb 3300k -ab 192k -ar 48000 -join", "vob", "dvd",
                    "mpeg2video", "ac3", 720, 576, 3300000, 192000, 48000, 2}),
    [](const ::testing::TestParamInfo<BuilderCase>& info) {
        return std::to_string(info.index) + "_" + info.param.Output;
    });

TEST(EncodeOptions, TargetPrecedence) {
    // The target's rate and size override what stands before it, not what follows it.
    const OutputPlan plan =
        PlanFor(QStringLiteral("-r 29.97 -target pal-dvd -ar 44100 -s 720x576 -join"),
                QStringLiteral("/tmp/o.mpg"));
    EXPECT_TRUE(SameRate(plan.FrameRate, 25, 1));
    EXPECT_EQ(plan.SampleRate, 44100);
    EXPECT_EQ(plan.Width, 720);
    EXPECT_EQ(plan.Height, 576);
    EXPECT_EQ(plan.MuxerName, QStringLiteral("dvd"));
    EXPECT_EQ(plan.GopSize, 15);
    EXPECT_EQ(plan.VideoMaxRate, 9000000);
    EXPECT_EQ(plan.VideoBufferSize, 1835008);
    EXPECT_EQ(plan.PacketSize, 2048);
    EXPECT_EQ(plan.MuxRate, 10080000);
    EXPECT_EQ(plan.AudioBitrate, 448000);
    EXPECT_EQ(plan.Channels, 0);  // dvd sets no channel count

    // A bitrate from the string wins wherever it stands.
    EXPECT_EQ(PlanFor(QStringLiteral("-ab 128k -target pal-dvd"), QStringLiteral("/tmp/o.mpg"))
                  .AudioBitrate,
              128000);
    EXPECT_EQ(PlanFor(QStringLiteral("-target pal-dvd -ab 96k"), QStringLiteral("/tmp/o.mpg"))
                  .AudioBitrate,
              96000);
    EXPECT_EQ(PlanFor(QStringLiteral("-vb 800k -target ntsc-vcd"), QStringLiteral("/tmp/o.mpg"))
                  .VideoBitrate,
              800000);
    // The target's sample rate and channels follow the last-wins rule.
    const OutputPlan vcd =
        PlanFor(QStringLiteral("-ar 22050 -ac 1 -target pal-vcd"), QStringLiteral("/tmp/o.mpg"));
    EXPECT_EQ(vcd.SampleRate, 44100);
    EXPECT_EQ(vcd.Channels, 2);
    EXPECT_EQ(vcd.GopSize, 15);
    EXPECT_EQ(vcd.PacketSize, 2324);
    EXPECT_EQ(vcd.MuxRate, 1411200);
    EXPECT_DOUBLE_EQ(vcd.PreloadSeconds, 0.44);
    EXPECT_EQ(PlanFor(QStringLiteral("-target ntsc-vcd"), QStringLiteral("/tmp/o.mpg")).GopSize,
              18);
}

TEST(EncodeOptions, PlainDvdTakesTheNormFromTheFirstInput) {
    const QString text = QStringLiteral("-target dvd -join");
    const OutputPlan pal = PlanFor(text, QStringLiteral("/tmp/o.vob"), {AVRational{25, 1}});
    EXPECT_TRUE(SameRate(pal.FrameRate, 25, 1));
    EXPECT_EQ(pal.Height, 576);
    const OutputPlan ntsc = PlanFor(text, QStringLiteral("/tmp/o.vob"), {AVRational{30000, 1001}});
    EXPECT_TRUE(SameRate(ntsc.FrameRate, 30000, 1001));
    EXPECT_EQ(ntsc.Height, 480);
    EXPECT_EQ(ntsc.GopSize, 18);
    const OutputPlan film = PlanFor(text, QStringLiteral("/tmp/o.vob"), {AVRational{24000, 1001}});
    EXPECT_EQ(film.Height, 480);
    const auto unknown = ParseEncodeOptions(text, QStringLiteral("/tmp/o.vob"), {});
    EXPECT_FALSE(unknown.Ok());
    EXPECT_TRUE(unknown.Message().contains(QStringLiteral("PAL")))
        << unknown.Message().toStdString();
}

TEST(EncodeOptions, ValuesAndLastOccurrence) {
    const OutputPlan plan =
        PlanFor(QStringLiteral("-r 23.97 -r 29.97 -aspect 16:9 -ac 1 -ac 2 -s 320x240 -s 641x361 "
                               "-vb 1.5M -ab 96K -vpre libx264-ultrafast -vcodec libx264 -join"),
                QStringLiteral("/tmp/o.mkv"));
    EXPECT_TRUE(SameRate(plan.FrameRate, 30000, 1001));
    EXPECT_TRUE(plan.DisplayAspect && av_cmp_q(*plan.DisplayAspect, AVRational{16, 9}) == 0);
    EXPECT_EQ(plan.Channels, 2);
    EXPECT_EQ(plan.Width, 640);  // made even
    EXPECT_EQ(plan.Height, 360);
    EXPECT_EQ(plan.VideoBitrate, 1500000);
    EXPECT_EQ(plan.AudioBitrate, 96000);
    EXPECT_EQ(plan.X264Preset, QStringLiteral("ultrafast"));
    EXPECT_TRUE(SameRate(
        PlanFor(QStringLiteral("-r 23.97"), QStringLiteral("/tmp/o.mpg")).FrameRate, 24000, 1001));
    EXPECT_TRUE(SameRate(
        PlanFor(QStringLiteral("-r 59.94"), QStringLiteral("/tmp/o.mpg")).FrameRate, 60000, 1001));
    EXPECT_TRUE(
        SameRate(PlanFor(QStringLiteral("-r 30000/1001"), QStringLiteral("/tmp/o.mp4")).FrameRate,
                 30000, 1001));
    EXPECT_EQ(PlanFor(QStringLiteral("-vpre libx264-default -vcodec libx264"),
                      QStringLiteral("/tmp/o.mp4"))
                  .X264Preset,
              QStringLiteral("medium"));
    EXPECT_EQ(PlanFor(QStringLiteral("-vb 800000"), QStringLiteral("/tmp/o.mp4")).VideoBitrate,
              800000);
    const OutputPlan mono =
        PlanFor(QStringLiteral("-an -vcodec mpeg4"), QStringLiteral("/tmp/o.avi"));
    EXPECT_TRUE(mono.RemoveAudio);
    EXPECT_TRUE(mono.AudioEncoder.isEmpty());
    // The flash containers take 44100, 22050 and 11025 Hz only.
    EXPECT_EQ(PlanFor(QStringLiteral("-ar 16000"), QStringLiteral("/tmp/o.flv")).SampleRate, 11025);
    EXPECT_EQ(PlanFor(QStringLiteral("-ar 32000"), QStringLiteral("/tmp/o.swf")).SampleRate, 22050);
}

TEST(EncodeOptions, RealMediaBoundsRateControl) {
    const OutputPlan plan =
        PlanFor(QStringLiteral("-vcodec rv20 -vb 1000k -s 1920x1080"), QStringLiteral("/tmp/o.rm"));
    EXPECT_EQ(plan.VideoMaxRate, 1000000);
    EXPECT_GT(plan.VideoBufferSize, 0);
    EXPECT_LE(plan.VideoBufferSize, 400000);
    EXPECT_EQ(plan.AudioEncoder, QStringLiteral("ac3"));
}

TEST(EncodeOptions, ThreeGpKeepsH263ForItsSizesOnly) {
    EXPECT_EQ(
        PlanFor(QStringLiteral("-ac 1"), QStringLiteral("/tmp/o.3gp"), {{}, 352, 288}).VideoEncoder,
        QStringLiteral("h263"));
    EXPECT_EQ(
        PlanFor(QStringLiteral("-ac 1"), QStringLiteral("/tmp/o.3gp"), {{}, 640, 480}).VideoEncoder,
        QStringLiteral("mpeg4"));
    EXPECT_EQ(PlanFor(QStringLiteral("-s 1408x1152"), QStringLiteral("/tmp/o.3gp")).VideoEncoder,
              QStringLiteral("h263"));
}

TEST(EncodeOptions, StreamCopy) {
    struct Case {
        const char* Output;
        const char* Muxer;
    };
    for (const Case& c :
         {Case{"mp4", "mp4"}, Case{"MKV", "matroska"}, Case{"avi", "avi"}, Case{"mpg", "mpeg"},
          Case{"ts", "mpegts"}, Case{"mov", "mov"}, Case{"flv", "flv"}, Case{"vob", "vob"},
          Case{"wmv", "asf"}, Case{"m2ts", "mpegts"}, Case{"webm", "webm"}}) {
        const OutputPlan plan = PlanFor(QStringLiteral("-vcodec copy -acodec copy -join"),
                                        QStringLiteral("/tmp/o.") + QLatin1String(c.Output));
        EXPECT_TRUE(plan.Copy);
        EXPECT_EQ(plan.MuxerName.toStdString(), c.Muxer) << c.Output;
    }
    const OutputPlan silent =
        PlanFor(QStringLiteral("-an -vcodec copy -join"), QStringLiteral("/tmp/o.mp4"));
    EXPECT_TRUE(silent.Copy);
    EXPECT_TRUE(silent.RemoveAudio);
}

struct RefusedCase {
    const char* Parameters;
    const char* Output;
    const char* ErrorFragment;

    friend void PrintTo(const RefusedCase& c, std::ostream* os) {
        *os << '"' << c.Parameters << "\" to ." << c.Output;
    }
};

class RefusedStrings : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedStrings, AnswerWithAClearReason) {
    const RefusedCase& c = GetParam();
    const auto result = ParseEncodeOptions(QString::fromLatin1(c.Parameters),
                                           QStringLiteral("/tmp/o.") + QLatin1String(c.Output),
                                           {AVRational{25, 1}, 320, 240});
    EXPECT_FALSE(result.Ok()) << c.Parameters;
    EXPECT_TRUE(result.Message().contains(QLatin1String(c.ErrorFragment)))
        << c.Parameters << " -> " << result.Message().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Errors, RefusedStrings,
    ::testing::Values(RefusedCase{"-ac 2 -s 16x0 -join", "mp4", "picture size"},
                      RefusedCase{"-s 0x240", "mp4", "picture size"},
                      RefusedCase{"-s 320", "mp4", "picture size"},
                      RefusedCase{"-q 5 -join", "mp4", "Unknown option \"-q\""},
                      RefusedCase{"join", "mp4", "Unknown option \"join\""},
                      RefusedCase{"-vb  -ab 128k -join", "mp4", "Missing value for option -vb"},
                      RefusedCase{"-ar", "mp4", "Missing value for option -ar"},
                      RefusedCase{"-vb fast", "mp4", "bitrate"},
                      RefusedCase{"-ab 12x", "mp4", "bitrate"},
                      RefusedCase{"-ar 44.1k", "mp4", "sample rate"},
                      RefusedCase{"-ac 0", "mp4", "channel count"},
                      RefusedCase{"-ac two", "mp4", "channel count"},
                      RefusedCase{"-r 0", "mp4", "frame rate"},
                      RefusedCase{"-r abc", "mp4", "frame rate"},
                      RefusedCase{"-aspect 16:0", "mp4", "aspect ratio"},
                      RefusedCase{"-vcodec nosuchcodec", "mp4", "Unknown codec \"nosuchcodec\""},
                      RefusedCase{"-acodec libx264", "mp4", "not an audio codec"},
                      RefusedCase{"-vcodec aac", "mp4", "not a video codec"},
                      RefusedCase{"-vpre libx264-warpspeed", "mp4", "Unknown preset"},
                      RefusedCase{"-f nosuchformat", "mp4", "Unknown output format"},
                      RefusedCase{"-target pal-svcd", "mpg", "Unknown target"},
                      RefusedCase{"-vcodec copy -acodec aac", "mp4", "Stream copy needs"},
                      RefusedCase{"-vcodec copy -acodec copy -s 320x240", "mp4", "Stream copy"},
                      RefusedCase{"-vcodec copy -acodec copy", "xyz", "Cannot tell the output"},
                      RefusedCase{"-ac 2 -join", "xyz", "Cannot tell the output"},
                      RefusedCase{"-vcodec wmv2", "mp4", "cannot carry"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) {
        return TestNamePart(info.param.Parameters) + "_" + info.param.Output;
    });

}  // namespace

}  // namespace veltrano

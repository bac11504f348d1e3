// The arithmetic of the conversion joiner: fitting values to encoders and muxers, fitting
// pictures into the output frame, reading rotation metadata.

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/display.h>
}

#include <cmath>
#include <cstring>

#include "engine/av/av_ptr.h"
#include "engine/fit/convert_audio_queue.h"
#include "engine/fit/convert_fit.h"
#include "engine/plan/output_rules.h"

namespace veltrano {

namespace {

const AVCodec* Encoder(const char* name) {
    const AVCodec* codec = avcodec_find_encoder_by_name(name);
    EXPECT_NE(codec, nullptr) << name;
    return codec;
}

struct RateCase {
    const char* Encoder;
    AVRational Wanted;
    AVRational Expected;
};

void PrintTo(const RateCase& c, std::ostream* os) {
    *os << c.Encoder << " " << c.Wanted.num << "/" << c.Wanted.den;
}

class ConvertFitFrameRateTest : public testing::TestWithParam<RateCase> {};

TEST_P(ConvertFitFrameRateTest, PicksNearestSupportedRate) {
    const RateCase& c = GetParam();
    const AVRational rate = convert::FitFrameRate(Encoder(c.Encoder), c.Wanted);
    EXPECT_EQ(av_cmp_q(rate, c.Expected), 0) << c.Encoder << " " << rate.num << "/" << rate.den;
}

INSTANTIATE_TEST_SUITE_P(Encoders, ConvertFitFrameRateTest,
                         testing::Values(RateCase{"mpeg1video", {2997, 100}, {30000, 1001}},
                                         RateCase{"mpeg2video", {2397, 100}, {24000, 1001}},
                                         RateCase{"mpeg2video", {5994, 100}, {60000, 1001}},
                                         RateCase{"mpeg2video", {25, 1}, {25, 1}},
                                         RateCase{"mpeg1video", {27, 1}, {25, 1}},
                                         // Encoders without a list keep the rate.
                                         RateCase{"mpeg4", {2997, 100}, {2997, 100}},
                                         RateCase{"libx264", {30000, 1001}, {30000, 1001}},
                                         // Nonsense from a broken input falls back to 25.
                                         RateCase{"mpeg4", {0, 1}, {25, 1}},
                                         RateCase{"mpeg4", {90000, 1}, {25, 1}}),
                         [](const testing::TestParamInfo<RateCase>& info) {
                             const RateCase& c = info.param;
                             return std::string(c.Encoder) + "_" + std::to_string(c.Wanted.num) +
                                    "_" + std::to_string(c.Wanted.den);
                         });

struct SampleRateCase {
    const char* Encoder;
    const char* Muxer;
    int Wanted;
    int Expected;
};

void PrintTo(const SampleRateCase& c, std::ostream* os) {
    *os << c.Encoder << " in " << c.Muxer << " at " << c.Wanted;
}

class ConvertFitSampleRateTest : public testing::TestWithParam<SampleRateCase> {};

TEST_P(ConvertFitSampleRateTest, PicksNearestRateBothAccept) {
    const SampleRateCase& c = GetParam();
    OutputPlan plan;
    plan.MuxerName = QString::fromLatin1(c.Muxer);
    ApplyOutputRules(plan);
    EXPECT_EQ(convert::FitSampleRate(Encoder(c.Encoder), plan.MuxerSampleRates, c.Wanted),
              c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Encoders, ConvertFitSampleRateTest,
                         testing::Values(SampleRateCase{"libmp3lame", "flv", 48000, 44100},
                                         SampleRateCase{"libmp3lame", "flv", 32000, 22050},
                                         SampleRateCase{"libmp3lame", "swf", 8000, 11025},
                                         SampleRateCase{"libmp3lame", "flv", 22050, 22050},
                                         SampleRateCase{"libmp3lame", "matroska", 32000, 32000},
                                         SampleRateCase{"aac", "3gp", 8000, 8000},
                                         SampleRateCase{"ac3", "dvd", 44100, 44100},
                                         SampleRateCase{"ac3", "dvd", 22050, 32000},
                                         SampleRateCase{"mp2", "mpeg", 0, 44100}),
                         [](const testing::TestParamInfo<SampleRateCase>& info) {
                             const SampleRateCase& c = info.param;
                             return std::string(c.Encoder) + "_" + c.Muxer + "_" +
                                    std::to_string(c.Wanted);
                         });

TEST(ConvertFitTest, PixelFormatPrefersYuv420p) {
    EXPECT_EQ(convert::PickPixelFormat(Encoder("libx264")), AV_PIX_FMT_YUV420P);
    EXPECT_EQ(convert::PickPixelFormat(Encoder("mpeg2video")), AV_PIX_FMT_YUV420P);
    // PNG has no 4:2:0: its first format is taken.
    EXPECT_EQ(convert::PickPixelFormat(Encoder("png")), AV_PIX_FMT_RGB24);
}

TEST(ConvertFitTest, ChannelLayoutFollowsCountAndEncoder) {
    EXPECT_EQ(convert::PickChannelLayout(Encoder("aac"), 1).nb_channels, 1);
    EXPECT_EQ(convert::PickChannelLayout(Encoder("libmp3lame"), 2).nb_channels, 2);
    // MP2 carries at most two channels: six become two.
    EXPECT_EQ(convert::PickChannelLayout(Encoder("mp2"), 6).nb_channels, 2);
    EXPECT_EQ(convert::PickChannelLayout(nullptr, 0).nb_channels, 2);
}

TEST(ConvertFitTest, SampleAspectFromDisplayAspect) {
    const AVRational pal = convert::SampleAspectFor({16, 9}, 720, 576);
    EXPECT_EQ(pal.num, 64);
    EXPECT_EQ(pal.den, 45);
    const AVRational ntsc = convert::SampleAspectFor({4, 3}, 720, 480);
    EXPECT_EQ(ntsc.num, 8);
    EXPECT_EQ(ntsc.den, 9);
    const AVRational none = convert::SampleAspectFor({0, 1}, 720, 576);
    EXPECT_EQ(none.num, 1);
    EXPECT_EQ(none.den, 1);
}

struct PictureCase {
    int SrcWidth, SrcHeight;
    AVRational SrcSar;
    int OutWidth, OutHeight;
    AVRational OutSar;
    convert::PictureFit Expected;
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.SrcWidth << "x" << c.SrcHeight << " into " << c.OutWidth << "x" << c.OutHeight;
}

class ConvertFitPictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(ConvertFitPictureTest, KeepsDisplayAspectInsideFrame) {
    const PictureCase& c = GetParam();
    const convert::PictureFit fit =
        convert::FitPicture(c.SrcWidth, c.SrcHeight, c.SrcSar, c.OutWidth, c.OutHeight, c.OutSar);
    EXPECT_EQ(fit.Width, c.Expected.Width);
    EXPECT_EQ(fit.Height, c.Expected.Height);
    EXPECT_EQ(fit.X, c.Expected.X);
    EXPECT_EQ(fit.Y, c.Expected.Y);
}

INSTANTIATE_TEST_SUITE_P(Pictures, ConvertFitPictureTest,
                         testing::Values(
                             // Same aspect: fills the frame.
                             PictureCase{160, 120, {1, 1}, 320, 240, {1, 1}, {320, 240, 0, 0}},
                             // 16:9 into 4:3: bars above and below.
                             PictureCase{320, 180, {1, 1}, 320, 240, {1, 1}, {320, 180, 0, 30}},
                             // Portrait into landscape: bars left and right.
                             PictureCase{240, 320, {1, 1}, 320, 240, {1, 1}, {180, 240, 70, 0}},
                             // Anamorphic PAL 16:9 source into square-pixel 640x360: fills it.
                             PictureCase{720, 576, {64, 45}, 640, 360, {1, 1}, {640, 360, 0, 0}},
                             // Square 4:3 source into a 16:9 DVD frame (720x576 shown at 16:9).
                             PictureCase{320, 240, {1, 1}, 720, 576, {64, 45}, {540, 576, 90, 0}},
                             // Odd results are made even.
                             PictureCase{100, 75, {1, 1}, 176, 144, {1, 1}, {176, 132, 0, 6}}),
                         [](const testing::TestParamInfo<PictureCase>& info) {
                             const PictureCase& c = info.param;
                             return std::to_string(c.SrcWidth) + "x" + std::to_string(c.SrcHeight) +
                                    "_in_" + std::to_string(c.OutWidth) + "x" +
                                    std::to_string(c.OutHeight);
                         });

TEST(ConvertFitTest, RotationFromDisplayMatrix) {
    std::int32_t matrix[9] = {};
    // Whichever way av_display_rotation_set counts, the filter follows the angle that
    // av_display_rotation_get (and ffprobe's "rotation") reports, as the ffmpeg tool's
    // autorotate does: 90 (what "-metadata:s:v rotate=90" gives) turns counter-clockwise.
    av_display_rotation_set(matrix, 90.0);
    const bool setMatchesGet = std::lround(av_display_rotation_get(matrix)) == 90;
    av_display_rotation_set(matrix, setMatchesGet ? 90.0 : -90.0);
    ASSERT_EQ(std::lround(av_display_rotation_get(matrix)), 90);
    convert::Rotation rotation = convert::RotationFromMatrix(matrix);
    EXPECT_EQ(rotation.Filters, QStringLiteral("transpose=cclock"));
    EXPECT_TRUE(rotation.SwapsSides);

    av_display_rotation_set(matrix, setMatchesGet ? -90.0 : 90.0);
    ASSERT_EQ(std::lround(av_display_rotation_get(matrix)), -90);
    rotation = convert::RotationFromMatrix(matrix);
    EXPECT_EQ(rotation.Filters, QStringLiteral("transpose=clock"));
    EXPECT_TRUE(rotation.SwapsSides);

    av_display_rotation_set(matrix, 180.0);
    rotation = convert::RotationFromMatrix(matrix);
    EXPECT_EQ(rotation.Filters, QStringLiteral("hflip,vflip"));
    EXPECT_FALSE(rotation.SwapsSides);

    av_display_rotation_set(matrix, 0.0);
    EXPECT_TRUE(convert::RotationFromMatrix(matrix).Filters.isEmpty());
    EXPECT_TRUE(convert::RotationFromMatrix(nullptr).Filters.isEmpty());
}

TEST(ConvertAudioQueueTest, KeepsOrderAndCutsTail) {
    for (const AVSampleFormat format : {AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_FLTP, AV_SAMPLE_FMT_U8}) {
        ConvertAudioQueue queue(format, 2);
        av::FramePtr frame = av::MakeFrame();
        AVFrame* raw = frame.get();
        raw->format = format;
        raw->nb_samples = 4;
        av_channel_layout_default(&raw->ch_layout, 2);
        ASSERT_EQ(av_frame_get_buffer(raw, 0), 0);
        const int bytes = av_get_bytes_per_sample(format);
        const bool planar = av_sample_fmt_is_planar(format) != 0;
        // Every byte of sample i is i + 1 in every channel.
        for (int plane = 0; plane < (planar ? 2 : 1); ++plane) {
            const int unit = bytes * (planar ? 1 : 2);
            for (int i = 0; i < 4; ++i) {
                std::memset(raw->extended_data[plane] + i * unit, i + 1, unit);
            }
        }
        queue.Push(*raw, 1, 3);  // samples 2, 3, 4
        queue.PushSilence(2);
        EXPECT_EQ(queue.Size(), 5);
        queue.TrimTail(1);
        EXPECT_EQ(queue.Size(), 4);
        queue.Pop(raw, 4);
        EXPECT_EQ(queue.Size(), 0);
        const std::uint8_t silence = format == AV_SAMPLE_FMT_U8 ? 0x80 : 0;
        for (int plane = 0; plane < (planar ? 2 : 1); ++plane) {
            const int unit = bytes * (planar ? 1 : 2);
            EXPECT_EQ(raw->extended_data[plane][0], 2);
            EXPECT_EQ(raw->extended_data[plane][unit], 3);
            EXPECT_EQ(raw->extended_data[plane][2 * unit], 4);
            EXPECT_EQ(raw->extended_data[plane][3 * unit], silence);
        }
    }
}

}  // namespace

}  // namespace veltrano

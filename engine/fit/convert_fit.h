#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/pixfmt.h>
#include <libavutil/rational.h>
#include <libavutil/samplefmt.h>
}

#include <QString>
#include <cstdint>
#include <vector>

namespace veltrano {

// Fitting requested output values to what an encoder and a muxer accept, and fitting pictures
// into the output frame. Pure functions: the conversion joiner's arithmetic, tested alone.
namespace convert {

// The frame rate nearest to `wanted` among the encoder's supported rates (MPEG-1/2 take only
// the standard ones, so 29.97 becomes 30000/1001). Rates that make no sense fall back to 25.
AVRational FitFrameRate(const AVCodec* codec, AVRational wanted);

// The sample rate nearest to `wanted` that both the encoder and the muxer take; `muxerRates`
// is the plan's list of the rates the muxer carries (empty: any).
int FitSampleRate(const AVCodec* codec, const std::vector<int>& muxerRates, int wanted);

// yuv420p when the encoder takes it, else its first format.
AVPixelFormat PickPixelFormat(const AVCodec* codec);
// The encoder's first (preferred) sample format.
AVSampleFormat PickSampleFormat(const AVCodec* codec);
// The default layout for `channels`, or the encoder's layout nearest in channel count. The
// result is a native-order layout and owns no memory.
AVChannelLayout PickChannelLayout(const AVCodec* codec, int channels);

// Sample aspect ratio that shows a width x height picture at display aspect `displayAspect`.
AVRational SampleAspectFor(AVRational displayAspect, int width, int height);

// Where a picture lands inside the output frame: scaled size and offset, all even.
struct PictureFit {
    int Width = 0;
    int Height = 0;
    int X = 0;
    int Y = 0;
};
// Fits a source of srcWidth x srcHeight pixels shown with srcSar into an output frame of
// outWidth x outHeight pixels shown with outSar, keeping the source's display aspect.
PictureFit FitPicture(int srcWidth, int srcHeight, AVRational srcSar, int outWidth, int outHeight,
                      AVRational outSar);

// How a display matrix turns the decoded picture, as the ffmpeg tool's autorotate applies it.
struct Rotation {
    QString Filters;  // libavfilter chain ("transpose=clock", "hflip,vflip"), empty when upright
    bool SwapsSides = false;  // a quarter turn: width and height change places
};
Rotation RotationFromMatrix(const std::int32_t* displayMatrix);

}  // namespace convert

}  // namespace veltrano

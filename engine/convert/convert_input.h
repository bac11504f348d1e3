#pragma once

#include <QString>
#include <atomic>
#include <cstdint>

#include "engine/av/av_ptr.h"
#include "engine/fit/convert_fit.h"
#include "engine/plan/join_task.h"

namespace veltrano {

// What the conversion joiner needs to know of an input before decoding it. Picture values are
// as displayed: width, height and aspect after the rotation metadata is applied.
struct ConvertSourceInfo {
    std::int64_t DurationUs = 0;
    std::int64_t StartUs = 0;  // earliest start over the chosen streams
    bool HasVideo = false;
    int Width = 0;
    int Height = 0;
    AVRational SampleAspect{1, 1};
    AVRational FrameRate{0, 1};
    convert::Rotation Rotation;
    bool HasAudio = false;
    int SampleRate = 0;
    int Channels = 0;
};

// One input file opened for the conversion joiner: its best video and audio streams and, when
// asked for, their decoders. Only one is open at a time, so memory stays flat.
class ConvertInput {
public:
    // Opens and analyses `path`; raising `cancel` ends a blocking read.
    Status Open(const QString& path, const std::atomic<bool>& cancel, bool withDecoders);

    const ConvertSourceInfo& Info() const { return info_; }
    AVFormatContext* Format() const { return format_.get(); }
    int VideoIndex() const { return videoIndex_; }
    int AudioIndex() const { return audioIndex_; }
    AVStream* VideoStream() const;
    AVStream* AudioStream() const;
    AVCodecContext* VideoDecoder() const { return videoDecoder_.get(); }
    AVCodecContext* AudioDecoder() const { return audioDecoder_.get(); }
    // The video's pixel aspect as players show it, before any rotation: the container's when
    // it states one, else the decoded `frame`'s (the stream parameters' when null), else
    // square. Every picture decision takes it from here, so output size and placement agree.
    AVRational PixelAspect(const AVFrame* frame) const;

private:
    // The stages of Open: the file and its chosen streams, what they tell, their decoders.
    Status OpenStreams(const QString& path, const QString& shown, const std::atomic<bool>& cancel);
    void DescribeStreams();
    Status OpenDecoders(const QString& shown);
    static Result<av::CodecContextPtr> OpenDecoder(AVStream* stream);

    av::InputFormatPtr format_;
    av::CodecContextPtr videoDecoder_;
    av::CodecContextPtr audioDecoder_;
    int videoIndex_ = -1;
    int audioIndex_ = -1;
    ConvertSourceInfo info_;
};

}  // namespace veltrano

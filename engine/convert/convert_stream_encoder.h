#pragma once

#include "engine/av/av_ptr.h"

namespace veltrano {

// One opened encoder feeding one output stream. Frames carry pts in the encoder's time base;
// every packet that comes out is rescaled to the stream's time base and handed to the muxer.
class ConvertStreamEncoder {
public:
    ConvertStreamEncoder(av::CodecContextPtr context, AVStream* stream, AVFormatContext* output);

    // Sends one frame (nullptr drains the encoder) and writes every packet it returns.
    // Returns 0 or a negative AVERROR; AVERROR_EOF after draining is not an error.
    int Send(const AVFrame* frame);

    AVCodecContext* Context() const { return context_.get(); }
    AVStream* Stream() const { return stream_; }

private:
    int WritePackets();

    av::CodecContextPtr context_;
    AVStream* stream_;         // owned by output_
    AVFormatContext* output_;  // owned by the caller, outlives this encoder
    av::PacketPtr packet_ = av::MakePacket();
    bool drained_ = false;
};

}  // namespace veltrano

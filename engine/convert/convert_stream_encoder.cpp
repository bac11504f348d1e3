#include "engine/convert/convert_stream_encoder.h"

namespace veltrano {

ConvertStreamEncoder::ConvertStreamEncoder(av::CodecContextPtr context, AVStream* stream,
                                           AVFormatContext* output)
    : context_(std::move(context)), stream_(stream), output_(output) {}

int ConvertStreamEncoder::Send(const AVFrame* frame) {
    if (drained_) {
        return 0;
    }
    if (packet_ == nullptr) {
        return AVERROR(ENOMEM);
    }
    int ret = avcodec_send_frame(context_.get(), frame);
    if (ret < 0 && ret != AVERROR_EOF) {
        return ret;
    }
    if (frame == nullptr) {
        drained_ = true;
    }
    return WritePackets();
}

int ConvertStreamEncoder::WritePackets() {
    for (;;) {
        int ret = avcodec_receive_packet(context_.get(), packet_.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) {
            return 0;
        }
        if (ret < 0) {
            return ret;
        }
        // Some encoders leave the duration unset; the MP4 muxer needs it for the last sample.
        if (packet_->duration == 0 && context_->codec_type == AVMEDIA_TYPE_VIDEO) {
            packet_->duration = 1;
        }
        packet_->stream_index = stream_->index;
        av_packet_rescale_ts(packet_.get(), context_->time_base, stream_->time_base);
        ret = av_interleaved_write_frame(output_, packet_.get());
        av_packet_unref(packet_.get());
        if (ret < 0) {
            return ret;
        }
    }
}

}  // namespace veltrano

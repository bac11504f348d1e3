#include "engine/copy/copy_silence.h"

extern "C" {
#include <libavutil/mathematics.h>
#include <libavutil/opt.h>
#include <libavutil/samplefmt.h>
}

namespace veltrano {

namespace {

bool SelfContainedFrames(const AVCodecParameters* stream) {
    switch (stream->codec_id) {
        case AV_CODEC_ID_AAC:
            // Our AAC encoder writes LC only; HE-AAC decoders expect SBR data.
            return stream->profile == FF_PROFILE_AAC_LOW || stream->profile == FF_PROFILE_UNKNOWN;
        case AV_CODEC_ID_MP3:
        case AV_CODEC_ID_MP2:
        case AV_CODEC_ID_AC3:
            return true;
        default:
            return false;
    }
}

}  // namespace

std::unique_ptr<CopySilence> CopySilence::Create(const AVCodecParameters* stream,
                                                 AVRational outTimeBase) {
    if (!SelfContainedFrames(stream) || stream->sample_rate <= 0 ||
        stream->ch_layout.nb_channels <= 0) {
        return nullptr;
    }
    const AVCodec* codec = avcodec_find_encoder(stream->codec_id);
    if (codec == nullptr) {
        return nullptr;
    }
    av::CodecContextPtr encoder(avcodec_alloc_context3(codec));
    if (encoder == nullptr) {
        return nullptr;
    }
    encoder->sample_rate = stream->sample_rate;
    encoder->sample_fmt =
        codec->sample_fmts != nullptr ? codec->sample_fmts[0] : AV_SAMPLE_FMT_FLTP;
    if (av_channel_layout_copy(&encoder->ch_layout, &stream->ch_layout) < 0) {
        return nullptr;
    }
    encoder->bit_rate = stream->bit_rate > 0 ? stream->bit_rate : 128000;
    encoder->time_base = AVRational{1, stream->sample_rate};
    // Without the bit reservoir an MP3 frame needs nothing from the frames before it.
    av_opt_set_int(encoder->priv_data, "reservoir", 0, 0);
    if (avcodec_open2(encoder.get(), codec, nullptr) < 0) {
        return nullptr;
    }
    const int frameSize = encoder->frame_size > 0 ? encoder->frame_size : 1024;
    av::FramePtr frame = av::MakeFrame();
    av::PacketPtr packet = av::MakePacket();
    if (frame == nullptr || packet == nullptr) {
        return nullptr;
    }
    frame->nb_samples = frameSize;
    frame->format = encoder->sample_fmt;
    frame->sample_rate = encoder->sample_rate;
    if (av_channel_layout_copy(&frame->ch_layout, &encoder->ch_layout) < 0 ||
        av_frame_get_buffer(frame.get(), 0) < 0) {
        return nullptr;
    }
    std::unique_ptr<CopySilence> silence(new CopySilence());
    // Past the encoder's start-up delay every packet is a plain frame of silence.
    for (int i = 0; i < 8; ++i) {
        if (av_frame_make_writable(frame.get()) < 0) {
            return nullptr;
        }
        av_samples_set_silence(frame->extended_data, 0, frameSize, frame->ch_layout.nb_channels,
                               static_cast<AVSampleFormat>(frame->format));
        frame->pts = static_cast<std::int64_t>(i) * frameSize;
        if (avcodec_send_frame(encoder.get(), frame.get()) < 0) {
            return nullptr;
        }
        while (avcodec_receive_packet(encoder.get(), packet.get()) >= 0) {
            silence->packet_ = av::MakePacket();
            if (silence->packet_ == nullptr) {
                return nullptr;
            }
            av_packet_move_ref(silence->packet_.get(), packet.get());
        }
    }
    if (silence->packet_ == nullptr) {
        return nullptr;
    }
    av_packet_free_side_data(silence->packet_.get());
    silence->duration_ = av_rescale_q(frameSize, AVRational{1, stream->sample_rate}, outTimeBase);
    return silence->duration_ > 0 ? std::move(silence) : nullptr;
}

av::PacketPtr CopySilence::Packet() const {
    av::PacketPtr copy(av_packet_clone(packet_.get()));
    if (copy != nullptr) {
        copy->pts = AV_NOPTS_VALUE;
        copy->dts = AV_NOPTS_VALUE;
        copy->duration = duration_;
        copy->pos = -1;
    }
    return copy;
}

}  // namespace veltrano

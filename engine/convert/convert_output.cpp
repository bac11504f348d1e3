#include "engine/convert/convert_output.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <algorithm>
#include <cstring>

#include "engine/av/av_error.h"
#include "engine/av/av_output.h"
#include "engine/plan/output_rules.h"

namespace veltrano {

namespace {

const ConvertSourceInfo* FirstWith(const std::vector<ConvertSourceInfo>& sources, bool video) {
    for (const ConvertSourceInfo& source : sources) {
        if (video ? source.HasVideo : source.HasAudio) {
            return &source;
        }
    }
    return nullptr;
}

// Some encoders code pictures in blocks: RealVideo 1 in 16-pixel, RealVideo 2 in 4-pixel
// ones; 4:2:0 chroma needs even sides everywhere else.
int AlignFor(const AVCodec* codec) {
    if (codec->id == AV_CODEC_ID_RV10) {
        return 16;
    }
    if (codec->id == AV_CODEC_ID_RV20) {
        return 4;
    }
    return 2;
}

}  // namespace

Status ConvertOutput::Open(const OutputPlan& plan, const std::vector<ConvertSourceInfo>& sources,
                           const QString& path, const AVIOInterruptCB& interrupt) {
    const QByteArray muxer = plan.MuxerName.toUtf8();
    const QByteArray file = path.toUtf8();
    int ret = avformat_alloc_output_context2(av::OutPtr(output_), nullptr, muxer.constData(),
                                             file.constData());
    if (ret < 0 || output_ == nullptr) {
        return {
            ret < 0 ? ret : AVERROR_MUXER_NOT_FOUND,
            av::Describe(QStringLiteral("Cannot create an output of format %1").arg(plan.MuxerName),
                         ret < 0 ? ret : AVERROR_MUXER_NOT_FOUND)};
    }
    output_->interrupt_callback = interrupt;
    // As the ffmpeg tool: lets the muxer interleave up to 0.7 s apart.
    output_->max_delay = static_cast<int>(0.7 * AV_TIME_BASE);

    Status outcome = ResolveFormat(plan, sources);
    if (outcome.Ok() && format_.HasVideo) {
        outcome = OpenVideoEncoder(plan);
    }
    if (outcome.Ok() && format_.HasAudio) {
        outcome = OpenAudioEncoder(plan);
    }
    if (!outcome.Ok()) {
        return outcome;
    }

    // The messages say "the output": the path is the hidden temporary file, never shown.
    if ((output_->oformat->flags & AVFMT_NOFILE) == 0) {
        ret = av::OpenOutputFile(output_.get(), file, interrupt);
        if (ret < 0) {
            return {ret, av::Describe(QStringLiteral("Cannot create the output file"), ret)};
        }
    }
    // Options this muxer does not know are left in the dictionary and ignored.
    av::DictionaryPtr options;
    if (plan.PacketSize > 0) {
        av_dict_set_int(av::OutPtr(options), "packetsize", plan.PacketSize, 0);
    }
    if (plan.MuxRate > 0) {
        av_dict_set_int(av::OutPtr(options), "muxrate", plan.MuxRate, 0);
    }
    if (plan.PreloadSeconds > 0.0) {
        av_dict_set_int(av::OutPtr(options), "preload",
                        static_cast<std::int64_t>(plan.PreloadSeconds * AV_TIME_BASE), 0);
    }
    ret = avformat_write_header(output_.get(), av::OutPtr(options));
    if (ret < 0) {
        return {ret, av::Describe(QStringLiteral("Cannot write the output header"), ret)};
    }
    return {};
}

Status ConvertOutput::ResolveFormat(const OutputPlan& plan,
                                    const std::vector<ConvertSourceInfo>& sources) {
    format_.HasVideo = !plan.VideoEncoder.isEmpty();
    format_.HasAudio = !plan.AudioEncoder.isEmpty() && !plan.RemoveAudio;
    if (!format_.HasVideo && !format_.HasAudio) {
        return {AVERROR(EINVAL), QStringLiteral("The output would hold neither video nor audio.")};
    }
    if (format_.HasVideo) {
        videoCodec_ = avcodec_find_encoder_by_name(plan.VideoEncoder.toUtf8().constData());
        if (videoCodec_ == nullptr || videoCodec_->type != AVMEDIA_TYPE_VIDEO) {
            return {
                AVERROR_ENCODER_NOT_FOUND,
                QStringLiteral("The video encoder %1 is not available.").arg(plan.VideoEncoder)};
        }
        const ConvertSourceInfo* first = FirstWith(sources, true);
        int width = plan.Width;
        int height = plan.Height;
        AVRational sar{1, 1};
        if (width <= 0 && height <= 0) {
            width = first != nullptr ? first->Width : kFallbackWidth;
            height = first != nullptr ? first->Height : kFallbackHeight;
            sar = first != nullptr ? first->SampleAspect : AVRational{1, 1};
        }
        const int align = AlignFor(videoCodec_);
        width -= width % align;
        height -= height % align;
        if (width <= 0 || height <= 0) {
            return {AVERROR(EINVAL), QStringLiteral("The output picture size %1x%2 is not valid.")
                                         .arg(plan.Width)
                                         .arg(plan.Height)};
        }
        const bool sizeTaken =
            plan.PictureSizes.empty() ||
            std::any_of(plan.PictureSizes.begin(), plan.PictureSizes.end(), [&](PictureSize size) {
                return size.Width == width && size.Height == height;
            });
        if (!sizeTaken) {
            return {AVERROR(EINVAL), PictureSizeRefusal(plan, width, height)};
        }
        if (plan.DisplayAspect.has_value()) {
            sar = convert::SampleAspectFor(*plan.DisplayAspect, width, height);
        }
        format_.Width = width;
        format_.Height = height;
        format_.SampleAspect = sar;
        const AVRational wanted = plan.FrameRate.has_value() ? *plan.FrameRate
                                  : first != nullptr         ? first->FrameRate
                                                             : kFallbackFrameRate;
        format_.FrameRate = convert::FitFrameRate(videoCodec_, wanted);
        format_.PixelFormat = convert::PickPixelFormat(videoCodec_);
    }
    if (format_.HasAudio) {
        audioCodec_ = avcodec_find_encoder_by_name(plan.AudioEncoder.toUtf8().constData());
        if (audioCodec_ == nullptr || audioCodec_->type != AVMEDIA_TYPE_AUDIO) {
            return {
                AVERROR_ENCODER_NOT_FOUND,
                QStringLiteral("The audio encoder %1 is not available.").arg(plan.AudioEncoder)};
        }
        const ConvertSourceInfo* first = FirstWith(sources, false);
        const int rate = plan.SampleRate > 0 ? plan.SampleRate
                         : first != nullptr  ? first->SampleRate
                                             : kFallbackSampleRate;
        const int channels = plan.Channels > 0  ? plan.Channels
                             : first != nullptr ? std::min(first->Channels, kMaxChannels)
                                                : kFallbackChannels;
        format_.SampleRate = convert::FitSampleRate(audioCodec_, plan.MuxerSampleRates, rate);
        format_.ChannelLayout = convert::PickChannelLayout(audioCodec_, channels);
        format_.SampleFormat = convert::PickSampleFormat(audioCodec_);
    }
    return {};
}

AVStream* ConvertOutput::AddStream(const AVCodecContext* context) {
    AVStream* stream = avformat_new_stream(output_.get(), nullptr);
    if (stream == nullptr) {
        return nullptr;
    }
    if (avcodec_parameters_from_context(stream->codecpar, context) < 0) {
        return nullptr;
    }
    stream->time_base = context->time_base;
    // As the ffmpeg tool: the encoder's side data (CPB properties) reaches the muxer, which
    // sizes its buffers from it (the MPEG-PS mux rate).
    for (int i = 0; i < context->nb_coded_side_data; ++i) {
        const AVPacketSideData& side = context->coded_side_data[i];
        std::uint8_t* copy = av_stream_new_side_data(stream, side.type, side.size);
        if (copy == nullptr) {
            return nullptr;
        }
        std::memcpy(copy, side.data, side.size);
    }
    return stream;
}

Status ConvertOutput::OpenVideoEncoder(const OutputPlan& plan) {
    av::CodecContextPtr context(avcodec_alloc_context3(videoCodec_));
    if (context == nullptr) {
        return {AVERROR(ENOMEM), QStringLiteral("Out of memory opening the video encoder.")};
    }
    context->width = format_.Width;
    context->height = format_.Height;
    context->sample_aspect_ratio = format_.SampleAspect;
    context->pix_fmt = format_.PixelFormat;
    context->framerate = format_.FrameRate;
    context->time_base = av_inv_q(format_.FrameRate);
    context->thread_count = 0;  // as many as the machine has, like the ffmpeg tool
    if (plan.VideoBitrate > 0) {
        context->bit_rate = plan.VideoBitrate;
    }
    if (plan.VideoMaxRate > 0) {
        context->rc_max_rate = plan.VideoMaxRate;
    }
    if (plan.VideoMinRate > 0) {
        context->rc_min_rate = plan.VideoMinRate;
    }
    if (plan.VideoBufferSize > 0) {
        context->rc_buffer_size = static_cast<int>(plan.VideoBufferSize);
    }
    if (plan.GopSize > 0) {
        context->gop_size = plan.GopSize;
    }
    if (!plan.X264Preset.isEmpty() &&
        QLatin1String(videoCodec_->name) == QLatin1String("libx264")) {
        av_opt_set(context->priv_data, "preset", plan.X264Preset.toUtf8().constData(), 0);
    }
    if ((output_->oformat->flags & AVFMT_GLOBALHEADER) != 0) {
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    const int ret = avcodec_open2(context.get(), videoCodec_, nullptr);
    if (ret < 0) {
        return {ret,
                av::Describe(
                    QStringLiteral("Cannot open encoder %1").arg(QLatin1String(videoCodec_->name)),
                    ret)};
    }
    AVStream* stream = AddStream(context.get());
    if (stream == nullptr) {
        return {AVERROR(ENOMEM), QStringLiteral("Cannot add the video stream to the output.")};
    }
    stream->avg_frame_rate = format_.FrameRate;
    stream->sample_aspect_ratio = format_.SampleAspect;
    video_ = std::make_unique<ConvertStreamEncoder>(std::move(context), stream, output_.get());
    return {};
}

Status ConvertOutput::OpenAudioEncoder(const OutputPlan& plan) {
    av::CodecContextPtr context(avcodec_alloc_context3(audioCodec_));
    if (context == nullptr) {
        return {AVERROR(ENOMEM), QStringLiteral("Out of memory opening the audio encoder.")};
    }
    context->sample_fmt = format_.SampleFormat;
    context->sample_rate = format_.SampleRate;
    context->time_base = {1, format_.SampleRate};
    int ret = av_channel_layout_copy(&context->ch_layout, &format_.ChannelLayout);
    if (ret >= 0 && plan.AudioBitrate > 0) {
        context->bit_rate = plan.AudioBitrate;
    }
    if ((output_->oformat->flags & AVFMT_GLOBALHEADER) != 0) {
        context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    if (ret >= 0) {
        ret = avcodec_open2(context.get(), audioCodec_, nullptr);
    }
    if (ret < 0) {
        return {ret,
                av::Describe(
                    QStringLiteral("Cannot open encoder %1").arg(QLatin1String(audioCodec_->name)),
                    ret)};
    }
    const bool variable = (audioCodec_->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) != 0;
    format_.FrameSize = variable ? 0 : context->frame_size;
    AVStream* stream = AddStream(context.get());
    if (stream == nullptr) {
        return {AVERROR(ENOMEM), QStringLiteral("Cannot add the audio stream to the output.")};
    }
    audio_ = std::make_unique<ConvertStreamEncoder>(std::move(context), stream, output_.get());
    return {};
}

int ConvertOutput::Finish() {
    int ret = 0;
    if (video_ != nullptr) {
        ret = video_->Send(nullptr);
    }
    if (ret >= 0 && audio_ != nullptr) {
        ret = audio_->Send(nullptr);
    }
    if (ret >= 0) {
        ret = av_write_trailer(output_.get());
    }
    if (ret >= 0 && output_->pb != nullptr) {
        avio_flush(output_->pb);
        ret = output_->pb->error;
    }
    return ret;
}

std::int64_t ConvertOutput::Bytes() const {
    if (output_ == nullptr || output_->pb == nullptr) {
        return 0;
    }
    const std::int64_t size = avio_size(output_->pb);
    return size > 0 ? size : avio_tell(output_->pb);
}

}  // namespace veltrano

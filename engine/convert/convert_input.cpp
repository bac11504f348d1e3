#include "engine/convert/convert_input.h"

#include <QDir>
#include <algorithm>
#include <limits>
#include <utility>

#include "engine/av/av_error.h"
#include "engine/av/av_input.h"

namespace veltrano {

AVStream* ConvertInput::VideoStream() const {
    return videoIndex_ >= 0 ? format_->streams[videoIndex_] : nullptr;
}

AVStream* ConvertInput::AudioStream() const {
    return audioIndex_ >= 0 ? format_->streams[audioIndex_] : nullptr;
}

AVRational ConvertInput::PixelAspect(const AVFrame* frame) const {
    AVStream* video = VideoStream();
    if (video == nullptr) {
        return {1, 1};
    }
    // libavformat's own rule, the one ffprobe and ffplay show; it only reads the frame.
    AVRational sar =
        av_guess_sample_aspect_ratio(format_.get(), video, const_cast<AVFrame*>(frame));
    if ((sar.num <= 0 || sar.den <= 0) && frame != nullptr) {
        sar = av_guess_sample_aspect_ratio(format_.get(), video, nullptr);
    }
    if (sar.num <= 0 || sar.den <= 0) {
        sar = {1, 1};
    }
    return sar;
}

Status ConvertInput::Open(const QString& path, const std::atomic<bool>& cancel, bool withDecoders) {
    const QString shown = QDir::toNativeSeparators(path);
    Status status = OpenStreams(path, shown, cancel);
    if (!status.Ok()) {
        return status;
    }
    DescribeStreams();
    return withDecoders ? OpenDecoders(shown) : Status{};
}

Status ConvertInput::OpenStreams(const QString& path, const QString& shown,
                                 const std::atomic<bool>& cancel) {
    av::InputOpenOptions options;
    options.Cancel = &cancel;
    Result<av::InputFormatPtr> opened = av::OpenMediaInput(path, options);
    if (!opened.Ok()) {
        return opened.GetStatus();
    }
    format_ = std::move(opened).Value();
    const int ret = avformat_find_stream_info(format_.get(), nullptr);
    if (ret < 0) {
        return {ret, av::Describe(QStringLiteral("Cannot read the streams of ") + shown, ret)};
    }

    videoIndex_ = av_find_best_stream(format_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (videoIndex_ >= 0 &&
        (format_->streams[videoIndex_]->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0) {
        videoIndex_ = -1;  // cover art is not a picture track
    }
    audioIndex_ = av_find_best_stream(format_.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    videoIndex_ = std::max(videoIndex_, -1);
    audioIndex_ = std::max(audioIndex_, -1);
    if (videoIndex_ < 0 && audioIndex_ < 0) {
        return {AVERROR_STREAM_NOT_FOUND,
                QStringLiteral("%1 holds neither video nor audio.").arg(shown)};
    }
    return {};
}

void ConvertInput::DescribeStreams() {
    std::int64_t start = std::numeric_limits<std::int64_t>::max();
    std::int64_t streamDuration = 0;
    for (AVStream* stream : {VideoStream(), AudioStream()}) {
        if (stream == nullptr) {
            continue;
        }
        if (stream->start_time != AV_NOPTS_VALUE) {
            start = std::min(start,
                             av_rescale_q(stream->start_time, stream->time_base, AV_TIME_BASE_Q));
        }
        if (stream->duration > 0) {
            streamDuration = std::max(
                streamDuration, av_rescale_q(stream->duration, stream->time_base, AV_TIME_BASE_Q));
        }
    }
    if (start == std::numeric_limits<std::int64_t>::max()) {
        start = format_->start_time != AV_NOPTS_VALUE ? format_->start_time : 0;
    }
    info_.StartUs = start;
    info_.DurationUs = format_->duration > 0 ? format_->duration : streamDuration;

    if (AVStream* video = VideoStream()) {
        const AVCodecParameters* par = video->codecpar;
        info_.HasVideo = par->width > 0 && par->height > 0;
        info_.Rotation = convert::RotationFromMatrix(reinterpret_cast<const std::int32_t*>(
            av_stream_get_side_data(video, AV_PKT_DATA_DISPLAYMATRIX, nullptr)));
        const AVRational sar = PixelAspect(nullptr);
        info_.Width = par->width;
        info_.Height = par->height;
        info_.SampleAspect = sar;
        if (info_.Rotation.SwapsSides) {
            std::swap(info_.Width, info_.Height);
            info_.SampleAspect = {sar.den, sar.num};
        }
        info_.FrameRate = av_guess_frame_rate(format_.get(), video, nullptr);
        if (!info_.HasVideo) {
            videoIndex_ = -1;
        }
    }
    if (AVStream* audio = AudioStream()) {
        info_.HasAudio = audio->codecpar->sample_rate > 0;
        info_.SampleRate = audio->codecpar->sample_rate;
        info_.Channels = audio->codecpar->ch_layout.nb_channels;
        if (!info_.HasAudio) {
            audioIndex_ = -1;
        }
    }
}

Status ConvertInput::OpenDecoders(const QString& shown) {
    if (AVStream* video = VideoStream()) {
        Result<av::CodecContextPtr> decoder = OpenDecoder(video);
        if (!decoder.Ok()) {
            return {decoder.Code(),
                    av::Describe(QStringLiteral("Cannot decode the video of ") + shown,
                                 decoder.Code())};
        }
        videoDecoder_ = std::move(decoder).Value();
        videoDecoder_->framerate = info_.FrameRate;
    }
    if (AVStream* audio = AudioStream()) {
        Result<av::CodecContextPtr> decoder = OpenDecoder(audio);
        if (!decoder.Ok()) {
            return {decoder.Code(),
                    av::Describe(QStringLiteral("Cannot decode the audio of ") + shown,
                                 decoder.Code())};
        }
        audioDecoder_ = std::move(decoder).Value();
    }
    return {};
}

Result<av::CodecContextPtr> ConvertInput::OpenDecoder(AVStream* stream) {
    // Open's caller words the failure for the user; this sentence is only the fallback.
    const auto failed = [](int code) {
        return Status(code, av::Describe(QStringLiteral("Cannot open the decoder"), code));
    };
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (codec == nullptr) {
        return failed(AVERROR_DECODER_NOT_FOUND);
    }
    av::CodecContextPtr decoder(avcodec_alloc_context3(codec));
    if (decoder == nullptr) {
        return failed(AVERROR(ENOMEM));
    }
    int ret = avcodec_parameters_to_context(decoder.get(), stream->codecpar);
    if (ret < 0) {
        return failed(ret);
    }
    decoder->pkt_timebase = stream->time_base;
    ret = avcodec_open2(decoder.get(), codec, nullptr);
    if (ret < 0) {
        return failed(ret);
    }
    return decoder;
}

}  // namespace veltrano

#include "engine/convert/convert_segment.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

#include <QCoreApplication>
#include <algorithm>

#include "engine/api/engine_messages.h"
#include "engine/av/av_error.h"
#include "engine/fit/convert_fit.h"

namespace veltrano {

namespace {

constexpr int kVideo = 0;  // the guard's streams
constexpr int kAudio = 1;

// Which stage failed, for the message; %1 is the file's shown name. The window program
// translates them, the command line keeps the English.
constexpr const char* kPicturesFailed =
    QT_TRANSLATE_NOOP("Engine", "Cannot convert the pictures of %1");
constexpr const char* kSoundFailed = QT_TRANSLATE_NOOP("Engine", "Cannot convert the sound of %1");
constexpr const char* kEncodeFailed = QT_TRANSLATE_NOOP("Engine", "Cannot encode %1");

AVRational TimeBaseOf(const AVStream* stream) {
    return stream != nullptr ? stream->time_base : AV_TIME_BASE_Q;
}

}  // namespace

ConvertSegment::ConvertSegment(ConvertInput& input, ConvertTimeline& timeline,
                               const ConvertOutputFormat& format, QString shownName)
    : input_(input),
      timeline_(timeline),
      format_(format),
      shownName_(std::move(shownName)),
      guard_({TimeBaseOf(input.VideoStream()), TimeBaseOf(input.AudioStream())}) {
    decodeVideo_ = format_.HasVideo && input_.VideoDecoder() != nullptr;
    decodeAudio_ = format_.HasAudio && input_.AudioDecoder() != nullptr;
    const std::int64_t startUs = input_.Info().StartUs;
    if (AVStream* video = input_.VideoStream()) {
        videoStart_ = av_rescale_q(startUs, AV_TIME_BASE_Q, video->time_base);
    }
    if (AVStream* audio = input_.AudioStream()) {
        audioStart_ = av_rescale_q(startUs, AV_TIME_BASE_Q, audio->time_base);
    }
}

Status ConvertSegment::Run(const std::atomic<bool>& cancel, const std::function<void()>& tick) {
    if (decoded_ == nullptr || filtered_ == nullptr) {
        return {AVERROR(ENOMEM), QStringLiteral("Out of memory.")};
    }
    av::PacketPtr packet = av::MakePacket();
    if (packet == nullptr) {
        return {AVERROR(ENOMEM), QStringLiteral("Out of memory.")};
    }
    timeline_.BeginSegment(decodeVideo_, decodeAudio_);
    int ret = 0;
    for (;;) {
        if (cancel.load()) {
            return StoppedStatus();
        }
        ret = av_read_frame(input_.Format(), packet.get());
        if (ret < 0) {
            // A read error past the header (a truncated file) ends this input, as in the
            // ffmpeg tool; what was decoded so far is kept.
            readFailed_ = ret != AVERROR_EOF;
            ret = 0;
            break;
        }
        NotePacket(*packet);
        if (decodeVideo_ && packet->stream_index == input_.VideoIndex()) {
            ret = Decode(input_.VideoDecoder(), packet.get(), true);
        } else if (decodeAudio_ && packet->stream_index == input_.AudioIndex()) {
            ret = Decode(input_.AudioDecoder(), packet.get(), false);
        }
        av_packet_unref(packet.get());
        if (ret >= 0) {
            ret = timeline_.FillMissing();
        }
        if (ret < 0) {
            break;
        }
        tick();
    }
    if (cancel.load()) {
        return StoppedStatus();
    }
    // Drain in order: decoders, then filter chains; the timeline then closes the segment.
    if (ret >= 0 && decodeVideo_) {
        ret = Decode(input_.VideoDecoder(), nullptr, true);
    }
    if (ret >= 0 && decodeAudio_) {
        ret = Decode(input_.AudioDecoder(), nullptr, false);
    }
    if (ret >= 0 && videoChain_.IsOpen()) {
        failure_ = kPicturesFailed;
        ret = videoChain_.Close(guard_.End(kVideo));
        if (ret >= 0) {
            ret = Drain(true);
        }
    }
    if (ret >= 0 && audioChain_.IsOpen()) {
        failure_ = kSoundFailed;
        ret = audioChain_.Close(AV_NOPTS_VALUE);
        if (ret >= 0) {
            ret = Drain(false);
        }
    }
    // Nothing decoded fails the join, unless a stream the output does not take shows the input
    // has a length to keep (a film with an empty sound track, joined to sound). Encrypted
    // packets fail it even when the decoder made pictures of them: those are noise.
    if (ret >= 0 && (decodeVideo_ || decodeAudio_) &&
        (Encrypted() || (framesDecoded_ == 0 && guard_.HeldUs() == 0))) {
        return NothingDecoded();
    }
    if (ret >= 0) {
        failure_ = kEncodeFailed;
        // A stated duration counts only as far as the file was seen to hold.
        const std::int64_t statedUs =
            convert::BackedLengthUs(input_.Info().DurationUs, guard_.HeldUs());
        std::int64_t videoUs = 0;
        if (decodeVideo_) {
            videoUs = guard_.EndUs(kVideo);
        } else if (input_.Info().HasVideo || !decodeAudio_) {
            // Streams the output does not take still last: the segment keeps the input's length.
            videoUs = statedUs;
        }
        ret = timeline_.EndSegment(videoUs, statedUs);
    }
    if (ret < 0) {
        if (cancel.load() || ret == AVERROR_EXIT) {
            return StoppedStatus();
        }
        return {ret,
                av::Describe(QCoreApplication::translate("Engine", failure_).arg(shownName_), ret)};
    }
    return {};
}

void ConvertSegment::NotePacket(const AVPacket& packet) {
    const bool video = packet.stream_index == input_.VideoIndex();
    if (!video && packet.stream_index != input_.AudioIndex()) {
        return;
    }
    if (av_packet_get_side_data(&packet, AV_PKT_DATA_ENCRYPTION_INFO, nullptr) != nullptr) {
        encrypted_ = true;
    }
    std::int64_t duration = packet.duration;
    if (video) {
        const std::int64_t nominal = NominalFrameDuration();
        duration = convert::BoundFrameDuration(duration > 0 ? duration : nominal, nominal);
    }
    const std::int64_t start = video ? videoStart_ : audioStart_;
    const std::int64_t pts =
        packet.pts != AV_NOPTS_VALUE ? convert::SaturatingSub(packet.pts, start) : AV_NOPTS_VALUE;
    if (video ? decodeVideo_ : decodeAudio_) {
        ++packetsToDecode_;
        if (pts != AV_NOPTS_VALUE) {
            const AVRational timeBase =
                TimeBaseOf(video ? input_.VideoStream() : input_.AudioStream());
            readUs_ = std::max(readUs_, av_rescale_q(convert::SaturatingAdd(pts, duration),
                                                     timeBase, AV_TIME_BASE_Q));
        }
        return;
    }
    // A stream the output does not take still tells how long the file lasts.
    guard_.Place(video ? kVideo : kAudio, pts, duration);
}

std::int64_t ConvertSegment::NominalFrameDuration() const {
    const AVRational rate =
        input_.Info().FrameRate.num > 0 ? input_.Info().FrameRate : format_.FrameRate;
    return std::max<std::int64_t>(
        1, av_rescale_q(1, av_inv_q(rate), TimeBaseOf(input_.VideoStream())));
}

bool ConvertSegment::Encrypted() const {
    bool encrypted = encrypted_;
    for (const AVStream* stream : {input_.VideoStream(), input_.AudioStream()}) {
        if (stream != nullptr &&
            av_stream_get_side_data(stream, AV_PKT_DATA_ENCRYPTION_INIT_INFO, nullptr) != nullptr) {
            encrypted = true;
        }
    }
    return encrypted;
}

Status ConvertSegment::NothingDecoded() const {
    using engine_messages::UndecodableCause;
    const UndecodableCause cause =
        Encrypted() ? UndecodableCause::Encrypted
        : packetsToDecode_ == 0 || readFailed_ || readUs_ < input_.Info().DurationUs / 2
            ? UndecodableCause::CutShort
            : UndecodableCause::Damaged;
    return {AVERROR_INVALIDDATA, engine_messages::NothingDecodable(shownName_, cause)};
}

int ConvertSegment::Decode(AVCodecContext* decoder, const AVPacket* packet, bool video) {
    int ret = avcodec_send_packet(decoder, packet);
    if (ret < 0 && ret != AVERROR_EOF) {
        // A damaged packet: skip it, as the ffmpeg tool does, and keep the rest of the file.
        return ret == AVERROR(ENOMEM) ? ret : 0;
    }
    for (;;) {
        ret = avcodec_receive_frame(decoder, decoded_.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) {
            return 0;
        }
        if (ret < 0) {
            return ret == AVERROR(ENOMEM) ? ret : 0;
        }
        ++framesDecoded_;
        ret = Filter(decoded_.get(), video);
        av_frame_unref(decoded_.get());
        if (ret < 0) {
            return ret;
        }
    }
}

int ConvertSegment::Filter(AVFrame* frame, bool video) {
    std::int64_t ts = frame->best_effort_timestamp;
    if (video) {
        AVStream* stream = input_.VideoStream();
        // A damaged default duration can claim centuries for one picture.
        const std::int64_t nominal = NominalFrameDuration();
        const std::int64_t duration = convert::BoundFrameDuration(
            frame->pkt_duration > 0 ? frame->pkt_duration : nominal, nominal);
        if (ts == AV_NOPTS_VALUE) {
            ts = nextVideoTs_ != AV_NOPTS_VALUE ? nextVideoTs_ : videoStart_;
        }
        nextVideoTs_ = convert::SaturatingAdd(ts, duration);
        frame->pts = guard_.Place(kVideo, convert::SaturatingSub(ts, videoStart_), duration);
        if (!videoChain_.IsOpen()) {
            failure_ = kPicturesFailed;
            const AVRational sar = input_.PixelAspect(frame);
            const int ret = videoChain_.OpenVideo(*frame, stream->time_base, sar,
                                                  VideoDescription(*frame, sar));
            if (ret < 0) {
                return ret;
            }
        }
    } else {
        AVStream* stream = input_.AudioStream();
        if (ts == AV_NOPTS_VALUE) {
            ts = nextAudioTs_ != AV_NOPTS_VALUE ? nextAudioTs_ : audioStart_;
        }
        const std::int64_t duration = av_rescale_q(
            frame->nb_samples, {1, std::max(frame->sample_rate, 1)}, stream->time_base);
        nextAudioTs_ = convert::SaturatingAdd(ts, duration);
        frame->pts = guard_.Place(kAudio, convert::SaturatingSub(ts, audioStart_), duration);
        if (!audioChain_.IsOpen()) {
            failure_ = kSoundFailed;
            const int ret = audioChain_.OpenAudio(*frame, stream->time_base, AudioDescription());
            if (ret < 0) {
                return ret;
            }
        }
    }
    ConvertFilterChain& chain = video ? videoChain_ : audioChain_;
    int ret = chain.Push(frame);
    if (ret < 0) {
        // A frame whose properties changed beyond what the chain takes is skipped.
        return ret == AVERROR(ENOMEM) ? ret : 0;
    }
    return Drain(video);
}

int ConvertSegment::Drain(bool video) {
    ConvertFilterChain& chain = video ? videoChain_ : audioChain_;
    const AVRational target =
        video ? av_inv_q(format_.FrameRate) : AVRational{1, format_.SampleRate};
    for (;;) {
        int ret = chain.Pull(filtered_.get());
        if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) {
            return 0;
        }
        if (ret < 0) {
            return ret;
        }
        if (filtered_->pts != AV_NOPTS_VALUE) {
            filtered_->pts = av_rescale_q(filtered_->pts, chain.OutputTimeBase(), target);
        }
        ret = video ? timeline_.PutVideo(*filtered_) : timeline_.PutAudio(*filtered_);
        av_frame_unref(filtered_.get());
        if (ret < 0) {
            failure_ = kEncodeFailed;
            return ret;
        }
    }
}

QString ConvertSegment::VideoDescription(const AVFrame& first, AVRational sar) const {
    const convert::Rotation& rotation = input_.Info().Rotation;
    int width = first.width;
    int height = first.height;
    if (rotation.SwapsSides) {
        std::swap(width, height);
        sar = {sar.den, sar.num};
    }
    const convert::PictureFit fit = convert::FitPicture(width, height, sar, format_.Width,
                                                        format_.Height, format_.SampleAspect);
    QStringList parts;
    if (!rotation.Filters.isEmpty()) {
        parts << rotation.Filters;
    }
    parts << QStringLiteral("scale=w=%1:h=%2").arg(fit.Width).arg(fit.Height)
          << QStringLiteral("pad=w=%1:h=%2:x=%3:y=%4:color=black")
                 .arg(format_.Width)
                 .arg(format_.Height)
                 .arg(fit.X)
                 .arg(fit.Y)
          << QStringLiteral("setsar=sar=%1/%2:max=65535")
                 .arg(format_.SampleAspect.num)
                 .arg(format_.SampleAspect.den)
          // start_time=0 pads or trims the segment's first frames to its start.
          << QStringLiteral("fps=fps=%1/%2:start_time=0")
                 .arg(format_.FrameRate.num)
                 .arg(format_.FrameRate.den)
          << QStringLiteral("format=pix_fmts=%1")
                 .arg(QLatin1String(av_get_pix_fmt_name(format_.PixelFormat)));
    return parts.join(QLatin1Char(','));
}

QString ConvertSegment::AudioDescription() const {
    char layout[128] = {};
    av_channel_layout_describe(&format_.ChannelLayout, layout, sizeof layout);
    return QStringLiteral("aresample=%1,aformat=sample_fmts=%2:sample_rates=%1:channel_layouts=%3")
        .arg(format_.SampleRate)
        .arg(QLatin1String(av_get_sample_fmt_name(format_.SampleFormat)), QLatin1String(layout));
}

}  // namespace veltrano

#include "engine/copy/copy_stream_check.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/pixdesc.h>
}

#include <QStringList>

namespace veltrano {

namespace {

CopyStreamParams ParamsOf(AVFormatContext* input, int index) {
    CopyStreamParams params;
    if (index < 0) {
        return params;
    }
    AVStream* stream = input->streams[index];
    const AVCodecParameters* par = stream->codecpar;
    params.present = true;
    params.index = index;
    params.timeBase = stream->time_base;
    params.videoDelay = par->video_delay;
    params.frameSize = par->frame_size;
    params.startTime = stream->start_time;
    if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
        params.frameRate = av_guess_frame_rate(input, stream, nullptr);
    }
    params.codec = par->codec_id;
    params.profile = par->profile;
    if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
        params.width = par->width;
        params.height = par->height;
        params.pixelFormat = par->format;
        // An unknown aspect shows square pixels.
        if (par->sample_aspect_ratio.num > 0 && par->sample_aspect_ratio.den > 0) {
            av_reduce(&params.sampleAspect.num, &params.sampleAspect.den,
                      par->sample_aspect_ratio.num, par->sample_aspect_ratio.den, 1 << 30);
        }
    } else {
        params.sampleRate = par->sample_rate;
        params.channels = par->ch_layout.nb_channels;
    }
    if (par->extradata != nullptr && par->extradata_size > 0) {
        params.extradata =
            QByteArray(reinterpret_cast<const char*>(par->extradata), par->extradata_size);
    }
    return params;
}

QString CodecName(AVCodecID id) {
    return id == AV_CODEC_ID_NONE ? QStringLiteral("none")
                                  : QString::fromLatin1(avcodec_get_name(id));
}

QString PixelFormatName(int format) {
    const char* name = av_get_pix_fmt_name(static_cast<AVPixelFormat>(format));
    return name != nullptr ? QString::fromLatin1(name) : QStringLiteral("unknown");
}

// First difference between two streams of one kind: the parameter and both values.
struct Difference {
    QString parameter;
    QString otherValue;
    QString firstValue;
};

std::optional<Difference> CompareStreams(const QString& kind, const CopyStreamParams& first,
                                         const CopyStreamParams& other, bool compareSetup) {
    if (first.present != other.present) {
        return Difference{kind + QStringLiteral(" stream"),
                          other.present ? CodecName(other.codec) : QStringLiteral("none"),
                          first.present ? CodecName(first.codec) : QStringLiteral("none")};
    }
    if (!first.present) {
        return std::nullopt;
    }
    if (first.codec != other.codec) {
        return Difference{kind + QStringLiteral(" codec"), CodecName(other.codec),
                          CodecName(first.codec)};
    }
    auto profileName = [&](int profile) {
        const char* name = avcodec_profile_name(first.codec, profile);
        return name != nullptr ? QString::fromLatin1(name) : QString::number(profile);
    };
    if (first.profile != FF_PROFILE_UNKNOWN && other.profile != FF_PROFILE_UNKNOWN &&
        first.profile != other.profile) {
        return Difference{kind + QStringLiteral(" profile"), profileName(other.profile),
                          profileName(first.profile)};
    }
    if (first.width != other.width || first.height != other.height) {
        return Difference{QStringLiteral("picture size"),
                          QStringLiteral("%1x%2").arg(other.width).arg(other.height),
                          QStringLiteral("%1x%2").arg(first.width).arg(first.height)};
    }
    if (av_cmp_q(first.sampleAspect, other.sampleAspect) != 0) {
        return Difference{
            QStringLiteral("sample aspect ratio"),
            QStringLiteral("%1:%2").arg(other.sampleAspect.num).arg(other.sampleAspect.den),
            QStringLiteral("%1:%2").arg(first.sampleAspect.num).arg(first.sampleAspect.den)};
    }
    if (first.pixelFormat != other.pixelFormat) {
        return Difference{QStringLiteral("pixel format"), PixelFormatName(other.pixelFormat),
                          PixelFormatName(first.pixelFormat)};
    }
    if (first.sampleRate != other.sampleRate) {
        return Difference{QStringLiteral("sample rate"),
                          QStringLiteral("%1 Hz").arg(other.sampleRate),
                          QStringLiteral("%1 Hz").arg(first.sampleRate)};
    }
    if (first.channels != other.channels) {
        return Difference{QStringLiteral("channels"), QString::number(other.channels),
                          QString::number(first.channels)};
    }
    // A stream that carries its headers in-band (ADTS, Annex B) has none here; the bitstream
    // filter builds them from the stream itself.
    if (compareSetup && !first.extradata.isEmpty() && !other.extradata.isEmpty() &&
        first.extradata != other.extradata) {
        return Difference{kind + QStringLiteral(" codec setup data"),
                          QStringLiteral("%1 bytes").arg(other.extradata.size()),
                          QStringLiteral("%1 bytes").arg(first.extradata.size())};
    }
    return std::nullopt;
}

}  // namespace

bool IsMpegStreamMuxer(const QString& muxerName) {
    static const QStringList names{QStringLiteral("mpegts"), QStringLiteral("mpeg"),
                                   QStringLiteral("vob"),    QStringLiteral("dvd"),
                                   QStringLiteral("svcd"),   QStringLiteral("vcd")};
    return names.contains(muxerName);
}

int FindCopyStream(const AVFormatContext* input, AVMediaType type) {
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVStream* stream = input->streams[i];
        if (stream->codecpar->codec_type != type ||
            (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0) {
            continue;
        }
        return static_cast<int>(i);
    }
    return -1;
}

CopyInputScan ScanCopyInput(AVFormatContext* input, const QString& fileName) {
    CopyInputScan scan;
    scan.fileName = fileName;
    scan.video = ParamsOf(input, FindCopyStream(input, AVMEDIA_TYPE_VIDEO));
    scan.audio = ParamsOf(input, FindCopyStream(input, AVMEDIA_TYPE_AUDIO));
    if (input->duration > 0) {
        scan.durationUs = input->duration;
    }
    return scan;
}

Status CheckCopyMatch(const CopyInputScan& first, const CopyInputScan& other,
                      const QString& muxerName, bool withAudio) {
    const bool compareSetup = !IsMpegStreamMuxer(muxerName);
    std::optional<Difference> difference =
        CompareStreams(QStringLiteral("video"), first.video, other.video, compareSetup);
    if (!difference && withAudio) {
        difference =
            CompareStreams(QStringLiteral("audio"), first.audio, other.audio, compareSetup);
    }
    if (!difference) {
        return {};
    }
    return Status(AVERROR(EINVAL),
                  QStringLiteral("Cannot join by stream copy: %1 differs from %2 in %3 (%4 vs %5).")
                      .arg(other.fileName, first.fileName, difference->parameter,
                           difference->otherValue, difference->firstValue));
}

}  // namespace veltrano

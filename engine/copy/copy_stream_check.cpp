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
    params.Present = true;
    params.Index = index;
    params.TimeBase = stream->time_base;
    params.VideoDelay = par->video_delay;
    params.FrameSize = par->frame_size;
    params.StartTime = stream->start_time;
    if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
        params.FrameRate = av_guess_frame_rate(input, stream, nullptr);
    }
    params.Codec = par->codec_id;
    params.Profile = par->profile;
    if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
        params.Width = par->width;
        params.Height = par->height;
        params.PixelFormat = par->format;
        // An unknown aspect shows square pixels.
        if (par->sample_aspect_ratio.num > 0 && par->sample_aspect_ratio.den > 0) {
            av_reduce(&params.SampleAspect.num, &params.SampleAspect.den,
                      par->sample_aspect_ratio.num, par->sample_aspect_ratio.den, 1 << 30);
        }
    } else {
        params.SampleRate = par->sample_rate;
        params.Channels = par->ch_layout.nb_channels;
    }
    if (par->extradata != nullptr && par->extradata_size > 0) {
        params.Extradata =
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
    QString Parameter;
    QString OtherValue;
    QString FirstValue;
};

std::optional<Difference> CompareStreams(const QString& kind, const CopyStreamParams& first,
                                         const CopyStreamParams& other, bool compareSetup) {
    if (first.Present != other.Present) {
        return Difference{kind + QStringLiteral(" stream"),
                          other.Present ? CodecName(other.Codec) : QStringLiteral("none"),
                          first.Present ? CodecName(first.Codec) : QStringLiteral("none")};
    }
    if (!first.Present) {
        return std::nullopt;
    }
    if (first.Codec != other.Codec) {
        return Difference{kind + QStringLiteral(" codec"), CodecName(other.Codec),
                          CodecName(first.Codec)};
    }
    auto profileName = [&](int profile) {
        const char* name = avcodec_profile_name(first.Codec, profile);
        return name != nullptr ? QString::fromLatin1(name) : QString::number(profile);
    };
    if (first.Profile != FF_PROFILE_UNKNOWN && other.Profile != FF_PROFILE_UNKNOWN &&
        first.Profile != other.Profile) {
        return Difference{kind + QStringLiteral(" profile"), profileName(other.Profile),
                          profileName(first.Profile)};
    }
    if (first.Width != other.Width || first.Height != other.Height) {
        return Difference{QStringLiteral("picture size"),
                          QStringLiteral("%1x%2").arg(other.Width).arg(other.Height),
                          QStringLiteral("%1x%2").arg(first.Width).arg(first.Height)};
    }
    if (av_cmp_q(first.SampleAspect, other.SampleAspect) != 0) {
        return Difference{
            QStringLiteral("sample aspect ratio"),
            QStringLiteral("%1:%2").arg(other.SampleAspect.num).arg(other.SampleAspect.den),
            QStringLiteral("%1:%2").arg(first.SampleAspect.num).arg(first.SampleAspect.den)};
    }
    if (first.PixelFormat != other.PixelFormat) {
        return Difference{QStringLiteral("pixel format"), PixelFormatName(other.PixelFormat),
                          PixelFormatName(first.PixelFormat)};
    }
    if (first.SampleRate != other.SampleRate) {
        return Difference{QStringLiteral("sample rate"),
                          QStringLiteral("%1 Hz").arg(other.SampleRate),
                          QStringLiteral("%1 Hz").arg(first.SampleRate)};
    }
    if (first.Channels != other.Channels) {
        return Difference{QStringLiteral("channels"), QString::number(other.Channels),
                          QString::number(first.Channels)};
    }
    // A stream that carries its headers in-band (ADTS, Annex B) has none here; the bitstream
    // filter builds them from the stream itself.
    if (compareSetup && !first.Extradata.isEmpty() && !other.Extradata.isEmpty() &&
        first.Extradata != other.Extradata) {
        return Difference{kind + QStringLiteral(" codec setup data"),
                          QStringLiteral("%1 bytes").arg(other.Extradata.size()),
                          QStringLiteral("%1 bytes").arg(first.Extradata.size())};
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
    scan.FileName = fileName;
    scan.Video = ParamsOf(input, FindCopyStream(input, AVMEDIA_TYPE_VIDEO));
    scan.Audio = ParamsOf(input, FindCopyStream(input, AVMEDIA_TYPE_AUDIO));
    if (input->duration > 0) {
        scan.DurationUs = input->duration;
    }
    return scan;
}

Status CheckCopyMatch(const CopyInputScan& first, const CopyInputScan& other,
                      const QString& muxerName, bool withAudio) {
    const bool compareSetup = !IsMpegStreamMuxer(muxerName);
    std::optional<Difference> difference =
        CompareStreams(QStringLiteral("video"), first.Video, other.Video, compareSetup);
    if (!difference && withAudio) {
        difference =
            CompareStreams(QStringLiteral("audio"), first.Audio, other.Audio, compareSetup);
    }
    if (!difference) {
        return {};
    }
    return Status(AVERROR(EINVAL),
                  QStringLiteral("Cannot join by stream copy: %1 differs from %2 in %3 (%4 vs %5).")
                      .arg(other.FileName, first.FileName, difference->Parameter,
                           difference->OtherValue, difference->FirstValue));
}

}  // namespace veltrano

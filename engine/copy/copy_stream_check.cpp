#include "engine/copy/copy_stream_check.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/display.h>
#include <libavutil/pixdesc.h>
}

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "engine/copy/copy_h264_setup.h"

namespace veltrano {

namespace {

// The matrix's angle in whole degrees from 0 to 359, as ffprobe shows it: 0, 90, 180 or 270
// for what phones write.
int RotationOf(const AVStream* stream) {
    std::size_t size = 0;
    const uint8_t* matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
    if (matrix == nullptr || size < 9 * sizeof(int32_t)) {
        return 0;
    }
    const double angle = av_display_rotation_get(reinterpret_cast<const int32_t*>(matrix));
    if (std::isnan(angle)) {
        return 0;
    }
    const long degrees = std::lround(angle);
    return static_cast<int>(((degrees % 360) + 360) % 360);
}

QString TagOf(const AVStream* stream, const char* key) {
    const AVDictionaryEntry* entry = av_dict_get(stream->metadata, key, nullptr, 0);
    return entry != nullptr ? QString::fromUtf8(entry->value) : QString();
}

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
    params.Type = par->codec_type;
    params.AttachedPicture = (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0;
    params.Language = TagOf(stream, "language");
    if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
        params.Width = par->width;
        params.Height = par->height;
        params.PixelFormat = par->format;
        params.Rotation = RotationOf(stream);
        // The aspect a player shows: the container's where it states one, else the codec's.
        // An unknown aspect shows square pixels.
        const AVRational shown = av_guess_sample_aspect_ratio(input, stream, nullptr);
        if (shown.num > 0 && shown.den > 0) {
            av_reduce(&params.SampleAspect.num, &params.SampleAspect.den, shown.num, shown.den,
                      1 << 30);
        }
    } else if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
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
    QString FirstValue;  // empty: OtherValue says how they differ, the values telling nothing
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
    if (first.Rotation != other.Rotation) {
        return Difference{QStringLiteral("rotation"), QStringLiteral("%1°").arg(other.Rotation),
                          QStringLiteral("%1°").arg(first.Rotation)};
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
    if (compareSetup && first.Codec == AV_CODEC_ID_H264 &&
        copy_h264_setup::IsAvcRecord(first.Extradata) &&
        copy_h264_setup::IsAvcRecord(other.Extradata)) {
        const QString part = copy_h264_setup::Difference(first.Extradata, other.Extradata);
        if (part.isEmpty()) {
            return std::nullopt;
        }
        return Difference{kind + QStringLiteral(" H.264 ") + part,
                          QStringLiteral("settings other than the level"),
                          {}};
    }
    if (compareSetup && !first.Extradata.isEmpty() && !other.Extradata.isEmpty() &&
        first.Extradata != other.Extradata) {
        if (first.Extradata.size() == other.Extradata.size()) {
            // Sizes alike say nothing (FLAC's header holds each file's length and checksum).
            return Difference{kind + QStringLiteral(" codec setup data"),
                              QStringLiteral("same size, other contents"),
                              {}};
        }
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
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        scan.Streams.push_back(ParamsOf(input, static_cast<int>(i)));
    }
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
    const QString values =
        difference->FirstValue.isEmpty()
            ? difference->OtherValue
            : difference->OtherValue + QStringLiteral(" vs ") + difference->FirstValue;
    return Status(AVERROR(EINVAL),
                  QStringLiteral("Cannot join by stream copy: %1 differs from %2 in %3 (%4).")
                      .arg(other.FileName, first.FileName, difference->Parameter, values));
}

namespace {

// Streams a join can keep: pictures, sound and subtitles; data tracks (timecode, chapters'
// text) are neither copied nor mentioned.
bool IsJoinable(const CopyStreamParams& stream, bool withAudio) {
    switch (stream.Type) {
        case AVMEDIA_TYPE_VIDEO:
        case AVMEDIA_TYPE_SUBTITLE:
            return true;
        case AVMEDIA_TYPE_AUDIO:
            return withAudio;
        default:
            return false;
    }
}

std::vector<int> JoinableStreams(const CopyInputScan& scan, bool withAudio) {
    std::vector<int> indices;
    for (std::size_t i = 0; i < scan.Streams.size(); ++i) {
        if (IsJoinable(scan.Streams[i], withAudio)) {
            indices.push_back(static_cast<int>(i));
        }
    }
    return indices;
}

// How the user finds the stream in a player's menu: "audio track 2 (fre)", "subtitles 1 (eng)".
QString DescribeStream(const CopyInputScan& scan, int index) {
    const CopyStreamParams& stream = scan.Streams[static_cast<std::size_t>(index)];
    if (stream.AttachedPicture) {
        return QStringLiteral("cover art");
    }
    int number = 0;
    for (int i = 0; i <= index; ++i) {
        const CopyStreamParams& other = scan.Streams[static_cast<std::size_t>(i)];
        number += other.Type == stream.Type && !other.AttachedPicture ? 1 : 0;
    }
    QString name = stream.Type == AVMEDIA_TYPE_VIDEO   ? QStringLiteral("video track %1")
                   : stream.Type == AVMEDIA_TYPE_AUDIO ? QStringLiteral("audio track %1")
                                                       : QStringLiteral("subtitles %1");
    name = name.arg(number);
    if (!stream.Language.isEmpty() && stream.Language != QLatin1String("und")) {
        name += QStringLiteral(" (%1)").arg(stream.Language);
    }
    return name;
}

QString LeftOutSentence(const QStringList& names, const QString& reason) {
    return names.isEmpty() ? QString()
                           : QStringLiteral("Left out: %1 \u2014 %2.")
                                 .arg(names.join(QStringLiteral(", ")), reason);
}

}  // namespace

CopyStreamChoice ChooseCopyStreams(const std::vector<CopyInputScan>& scans,
                                   const QString& muxerName, bool withAudio,
                                   const std::function<bool(const CopyStreamParams&)>& canCarry) {
    CopyStreamChoice choice;
    if (scans.empty()) {
        return choice;
    }
    const bool compareSetup = !IsMpegStreamMuxer(muxerName);
    const std::vector<int> firstStreams = JoinableStreams(scans.front(), withAudio);
    bool sameSet = true;
    bool sameParameters = true;
    for (std::size_t f = 1; f < scans.size() && sameSet; ++f) {
        const std::vector<int> streams = JoinableStreams(scans[f], withAudio);
        if (streams.size() != firstStreams.size()) {
            sameSet = false;
            break;
        }
        for (std::size_t p = 0; p < streams.size(); ++p) {
            const CopyStreamParams& a = scans.front().Streams[firstStreams[p]];
            const CopyStreamParams& b = scans[f].Streams[streams[p]];
            if (a.Type != b.Type || a.AttachedPicture != b.AttachedPicture) {
                sameSet = false;
                break;
            }
            // Only the first file's cover is written: the others need not match it.
            if (!a.AttachedPicture && CompareStreams(QString(), a, b, compareSetup).has_value()) {
                sameParameters = false;
            }
        }
    }
    QStringList leftOut;
    if (sameSet && sameParameters) {
        QStringList cannotCarry;
        std::vector<std::size_t> positions;
        for (std::size_t p = 0; p < firstStreams.size(); ++p) {
            if (canCarry(scans.front().Streams[firstStreams[p]])) {
                positions.push_back(p);
            } else {
                cannotCarry.push_back(DescribeStream(scans.front(), firstStreams[p]));
            }
        }
        for (const CopyInputScan& scan : scans) {
            const std::vector<int> streams = JoinableStreams(scan, withAudio);
            std::vector<int> kept;
            for (const std::size_t p : positions) {
                kept.push_back(streams[p]);
            }
            choice.Kept.push_back(std::move(kept));
        }
        choice.Note = LeftOutSentence(
            cannotCarry, QStringLiteral("the %1 output cannot carry %2")
                             .arg(muxerName, cannotCarry.size() == 1 ? QStringLiteral("it")
                                                                     : QStringLiteral("them")));
        return choice;
    }
    for (const CopyInputScan& scan : scans) {
        std::vector<int> kept;
        for (const CopyStreamParams* stream : {&scan.Video, &scan.Audio}) {
            if (stream->Present && (withAudio || stream == &scan.Video)) {
                kept.push_back(stream->Index);
            }
        }
        for (const int index : JoinableStreams(scan, withAudio)) {
            if (std::find(kept.begin(), kept.end(), index) != kept.end()) {
                continue;
            }
            const QString name = DescribeStream(scan, index);
            if (!leftOut.contains(name)) {
                leftOut.push_back(name);
            }
        }
        choice.Kept.push_back(std::move(kept));
    }
    choice.Note = LeftOutSentence(leftOut, sameSet ? QStringLiteral("not the same in every file")
                                                   : QStringLiteral("not in every file"));
    return choice;
}

}  // namespace veltrano

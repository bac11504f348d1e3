#include "engine/jobs/output_check.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/value_format.h"
#include "engine/av/av_input.h"

namespace veltrano {

namespace {

// Where the header holds no length (MPEG streams, FLV), libav looks at this much of the start
// and, for MPEG streams, at the end; still never the whole body.
constexpr std::int64_t kLookBytes = 1 << 20;
constexpr std::int64_t kLookUs = 1'000'000;
// One frame where the writer did not say how long its frames are.
constexpr std::int64_t kUnknownFrameUs = 40'000;

// Every sentence of the check.
QString FilesText(std::size_t files) {
    return files == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(files);
}

QString VerifiedLine(std::size_t files, std::int64_t lengthUs, bool packetsCounted) {
    QString line = QStringLiteral("Verified: %1, %2")
                       .arg(FilesText(files), FormatDuration(static_cast<double>(lengthUs) / 1e6));
    if (packetsCounted) {
        line += QStringLiteral(", every packet in place");
    }
    return line;
}

QString VerifiedWithoutLengthLine(std::size_t files) {
    return QStringLiteral("Verified: %1, the output records no length").arg(FilesText(files));
}

QString NotVerifiedLine(const QStringList& differences) {
    return QStringLiteral("Not verified: %1. The output is kept.")
        .arg(differences.join(QStringLiteral("; ")));
}

QString UnreadableDifference(const QString& reason) {
    return QStringLiteral("the output cannot be read back (%1)").arg(reason);
}

QString Seconds(std::int64_t us) {
    return QStringLiteral("%1 s").arg(static_cast<double>(us) / 1e6, 0, 'f', 3);
}

QString LengthDifference(std::int64_t lengthUs, std::size_t files, std::int64_t totalUs) {
    return QStringLiteral("it lasts %1, the %2 together %3")
        .arg(Seconds(lengthUs), FilesText(files), Seconds(totalUs));
}

QString TypeName(AVMediaType type) {
    switch (type) {
        case AVMEDIA_TYPE_VIDEO:
            return QStringLiteral("video");
        case AVMEDIA_TYPE_AUDIO:
            return QStringLiteral("audio");
        default:
            return QStringLiteral("subtitle");
    }
}

QString CodecName(AVCodecID codec) {
    return QString::fromLatin1(avcodec_get_name(codec));
}

QString MissingDifference(AVMediaType type, int number, AVCodecID codec) {
    return QStringLiteral("%1 stream %2 (%3) is missing")
        .arg(TypeName(type))
        .arg(number)
        .arg(CodecName(codec));
}

QString CodecDifference(AVMediaType type, int number, AVCodecID found, AVCodecID written) {
    return QStringLiteral("%1 stream %2 is %3 instead of %4")
        .arg(TypeName(type))
        .arg(number)
        .arg(CodecName(found), CodecName(written));
}

QString PacketDifference(AVMediaType type, int number, std::int64_t found, std::int64_t written) {
    return QStringLiteral("%1 stream %2 holds %3 packets of %4 written")
        .arg(TypeName(type))
        .arg(number)
        .arg(found)
        .arg(written);
}

// Pictures, sound and subtitles; cover pictures, chapter tracks and data streams are kept as
// each container likes and are not compared.
bool Compared(AVMediaType type, bool cover) {
    return !cover && (type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO ||
                      type == AVMEDIA_TYPE_SUBTITLE);
}

// The MP4 family's index holds every stream's sample count; other containers' headers do not.
bool IndexCountsPackets(const AVFormatContext* input) {
    return QByteArray(input->iformat->name).startsWith("mov,");
}

std::int64_t AllowedDifferenceUs(const JoinOutcome& written, std::size_t files) {
    std::int64_t videoUs = 0;
    std::int64_t audioUs = 0;
    for (const WrittenStream& stream : written.Streams) {
        const std::int64_t frameUs = stream.FrameUs > 0 ? stream.FrameUs : kUnknownFrameUs;
        if (stream.Cover) {
            continue;
        }
        if (stream.Type == AVMEDIA_TYPE_VIDEO) {
            videoUs = std::max(videoUs, frameUs);
        } else if (stream.Type == AVMEDIA_TYPE_AUDIO) {
            audioUs = std::max(audioUs, frameUs);
        }
    }
    return static_cast<std::int64_t>(std::max<std::size_t>(files, 1)) * (videoUs + audioUs);
}

// The length the output records, or AV_NOPTS_VALUE when it records none that can be trusted.
std::int64_t RecordedLengthUs(AVFormatContext* input) {
    if (input->duration == AV_NOPTS_VALUE || (input->ctx_flags & AVFMTCTX_NOHEADER) != 0) {
        if (avformat_find_stream_info(input, nullptr) < 0 ||
            input->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE) {
            return AV_NOPTS_VALUE;
        }
    }
    return input->duration;
}

}  // namespace

QString CheckJoinedOutput(const QString& path, const JoinOutcome& written, std::size_t files) {
    av::InputOpenOptions options;
    options.ProbeSizeBytes = kLookBytes;
    options.AnalyzeDurationUs = kLookUs;
    const Result<av::InputFormatPtr> opened = av::OpenMediaInput(path, options);
    if (!opened.Ok()) {
        return NotVerifiedLine({UnreadableDifference(opened.Message())});
    }
    AVFormatContext* input = opened->get();
    const std::int64_t lengthUs = RecordedLengthUs(input);
    const bool countsPackets = IndexCountsPackets(input);

    QStringList differences;
    std::vector<bool> used(input->nb_streams, false);
    std::array<int, AVMEDIA_TYPE_NB> numbers{};
    for (const WrittenStream& stream : written.Streams) {
        if (!Compared(stream.Type, stream.Cover)) {
            continue;
        }
        const int number = ++numbers[stream.Type];
        // The first stream of the same kind not matched yet: containers keep the order.
        unsigned found = 0;
        while (found < input->nb_streams &&
               (used[found] || input->streams[found]->codecpar->codec_type != stream.Type ||
                !Compared(stream.Type, (input->streams[found]->disposition &
                                        AV_DISPOSITION_ATTACHED_PIC) != 0))) {
            ++found;
        }
        if (found == input->nb_streams) {
            differences << MissingDifference(stream.Type, number, stream.Codec);
            continue;
        }
        used[found] = true;
        const AVStream* read = input->streams[found];
        if (read->codecpar->codec_id != stream.Codec) {
            differences << CodecDifference(stream.Type, number, read->codecpar->codec_id,
                                           stream.Codec);
        }
        // Subtitle tracks of the MP4 family get empty samples for the gaps between texts.
        if (countsPackets && stream.Packets >= 0 &&
            (stream.Type == AVMEDIA_TYPE_SUBTITLE ? read->nb_frames < stream.Packets
                                                  : read->nb_frames != stream.Packets)) {
            differences << PacketDifference(stream.Type, number, read->nb_frames, stream.Packets);
        }
    }
    if (lengthUs != AV_NOPTS_VALUE &&
        std::abs(lengthUs - written.TotalUs) > AllowedDifferenceUs(written, files)) {
        differences << LengthDifference(lengthUs, files, written.TotalUs);
    }
    if (!differences.isEmpty()) {
        return NotVerifiedLine(differences);
    }
    if (lengthUs == AV_NOPTS_VALUE) {
        return VerifiedWithoutLengthLine(files);
    }
    const bool everyPacketCounted =
        countsPackets && std::all_of(written.Streams.begin(), written.Streams.end(),
                                     [](const WrittenStream& stream) {
                                         return !Compared(stream.Type, stream.Cover) ||
                                                stream.Packets >= 0;
                                     });
    return VerifiedLine(files, lengthUs, everyPacketCounted);
}

}  // namespace veltrano

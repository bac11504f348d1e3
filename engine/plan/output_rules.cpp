#include "engine/plan/output_rules.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace veltrano {

namespace {

constexpr ContainerProfile kContainers[] = {
    {"mp4", "mp4", "mpeg4", "aac"},
    {"m4v", "mp4", "mpeg4", "aac"},
    {"mov", "mov", "libx264", "aac"},
    {"qt", "mov", "libx264", "aac"},
    // Debian ships no AMR encoder; AAC is what 3GP players take besides it.
    {"3gp", "3gp", "h263", "aac"},
    {"3g2", "3g2", "h263", "aac"},
    {"flv", "flv", "flv", "libmp3lame"},
    {"f4v", "flv", "libx264", "aac"},
    {"swf", "swf", "flv", "libmp3lame"},
    {"mkv", "matroska", "libx264", "libmp3lame"},
    {"avi", "avi", "libxvid", "libmp3lame"},
    {"asf", "asf", "msmpeg4v2", "wmav2"},
    {"wmv", "asf", "wmv2", "wmav2"},
    {"mpg", "mpeg", "mpeg1video", "mp2"},
    {"mpeg", "mpeg", "mpeg1video", "mp2"},
    {"vob", "vob", "mpeg2video", "ac3"},
    // A program stream by its plain name: written as .mpg is (MPEG-2 video goes to a VOB).
    {"ps", "mpeg", "mpeg1video", "mp2"},
    {"rm", "rm", "rv20", "ac3"},
    {"ts", "mpegts", "mpeg2video", "mp2"},
};

// Demuxers whose files the same-named muxer does not write back as they were: the MP4 family
// reads as "mov" and Matroska and WebM as one.
struct DemuxerMuxer {
    const char* Demuxer;
    const char* Muxer;
};
constexpr DemuxerMuxer kDemuxerMuxers[] = {
    {"mov,mp4,m4a,3gp,3g2,mj2", "mp4"},
    {"matroska,webm", "matroska"},
    {"mpegts", "mpegts"},
    {"mpeg", "mpeg"},
    {"avi", "avi"},
    {"flv", "flv"},
    {"asf", "asf"},
    {"dv", "dv"},
    {"rm", "rm"},
    {"ogg", "ogg"},
};

// The muxers that write the chapters where the files meet: the MP4 family that players show
// chapters of (MP4, M4V, MOV) and Matroska and WebM.
constexpr const char* kChapterMuxers[] = {"mp4", "mov", "matroska", "webm"};

constexpr PictureSize kH263Sizes[] = {{128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}};

// FLV and SWF carry only these sample rates (flvenc.c, swfenc.c).
const std::vector<int> kFlashSampleRates{44100, 22050, 11025};

// rmenc refuses packets over 64 kB; a bounded rate-control buffer keeps key frames under it
// even at HD sizes.
constexpr std::int64_t kRmBufferBits = 400000;
constexpr std::int64_t kRmDefaultBitrate = 1000000;
// libavcodec's own default ("b"), which an encoder without a bitrate in the plan runs at.
constexpr std::int64_t kEncoderDefaultBitrate = 200000;

void AddOnce(QStringList& list, const char* name) {
    const QString text = QString::fromLatin1(name);
    if (!text.isEmpty() && !list.contains(text)) {
        list << text;
    }
}

void BoundRmRateControl(OutputPlan& plan) {
    if (plan.MuxerName != QLatin1String("rm") || plan.VideoEncoder.isEmpty()) {
        return;
    }
    if (plan.VideoEncoder == QLatin1String("rv20")) {
        if (plan.VideoBitrate <= 0) {
            plan.VideoBitrate = kRmDefaultBitrate;
        }
        plan.VideoMaxRate = plan.VideoBitrate;
        plan.VideoBufferSize = plan.VideoBufferSize > 0
                                   ? std::min(plan.VideoBufferSize, kRmBufferBits)
                                   : kRmBufferBits;
    } else if (plan.VideoMaxRate <= 0) {
        const std::int64_t bitrate =
            plan.VideoBitrate > 0 ? plan.VideoBitrate : kEncoderDefaultBitrate;
        plan.VideoMaxRate = bitrate;
        plan.VideoBufferSize = std::min(bitrate, kRmBufferBits);
    }
}

}  // namespace

QString MuxerForInputContainer(const QString& demuxer, const QString& majorBrand) {
    for (const DemuxerMuxer& entry : kDemuxerMuxers) {
        if (demuxer != QLatin1String(entry.Demuxer)) {
            continue;
        }
        if (demuxer.startsWith(QLatin1String("mov,"))) {
            if (majorBrand == QLatin1String("qt  ")) {
                return QStringLiteral("mov");
            }
            if (majorBrand.startsWith(QLatin1String("3gp"))) {
                return QStringLiteral("3gp");
            }
            if (majorBrand.startsWith(QLatin1String("3g2"))) {
                return QStringLiteral("3g2");
            }
        }
        return QString::fromLatin1(entry.Muxer);
    }
    return {};
}

const ContainerProfile* ContainerForExtension(const QString& extension) {
    for (const ContainerProfile& entry : kContainers) {
        if (extension == QLatin1String(entry.Extension)) {
            return &entry;
        }
    }
    return nullptr;
}

QStringList ProfileEncoders() {
    QStringList encoders;
    for (const ContainerProfile& entry : kContainers) {
        AddOnce(encoders, entry.VideoEncoder);
    }
    for (const ContainerProfile& entry : kContainers) {
        AddOnce(encoders, entry.AudioEncoder);
    }
    return encoders;
}

QStringList ProfileMuxers() {
    QStringList muxers;
    for (const ContainerProfile& entry : kContainers) {
        AddOnce(muxers, entry.Muxer);
    }
    AddOnce(muxers, kVcdMuxer);
    AddOnce(muxers, kDvdMuxer);
    return muxers;
}

bool IsH263Size(int width, int height) {
    return std::any_of(std::begin(kH263Sizes), std::end(kH263Sizes), [&](PictureSize size) {
        return size.Width == width && size.Height == height;
    });
}

int NearestRate(const std::vector<int>& rates, int wanted) {
    int best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (const int rate : rates) {
        const long distance = std::labs(static_cast<long>(rate) - wanted);
        if (distance < bestDistance || (distance == bestDistance && rate > best)) {
            best = rate;
            bestDistance = distance;
        }
    }
    return best != 0 ? best : wanted;
}

void ApplyOutputRules(OutputPlan& plan, bool muxerNamed) {
    plan.Chapters = std::any_of(std::begin(kChapterMuxers), std::end(kChapterMuxers),
                                [&](const char* muxer) { return plan.MuxerName == muxer; });
    if (plan.Copy) {
        // Only a stream copy keeps video it does not know in advance: MPEG-1 system streams
        // carry MPEG-1 video, anything else goes into an MPEG-2 program stream.
        if (plan.MuxerName == QLatin1String("mpeg")) {
            plan.MuxerForOtherVideo = QStringLiteral("vob");
        }
        return;
    }
    // MPEG-2 video belongs in an MPEG-2 program stream, unless "-f" asked for the other.
    if (!muxerNamed && plan.MuxerName == QLatin1String("mpeg") &&
        plan.VideoEncoder == QLatin1String("mpeg2video")) {
        plan.MuxerName = QStringLiteral("vob");
    }
    if (plan.MuxerName == QLatin1String("flv") || plan.MuxerName == QLatin1String("swf")) {
        plan.MuxerSampleRates = kFlashSampleRates;
        if (plan.SampleRate != 0) {
            plan.SampleRate = NearestRate(plan.MuxerSampleRates, plan.SampleRate);
        }
    }
    if (plan.VideoEncoder == QLatin1String("h263")) {
        plan.PictureSizes.assign(std::begin(kH263Sizes), std::end(kH263Sizes));
    }
    BoundRmRateControl(plan);
}

QString PictureSizeRefusal(const OutputPlan& plan, int width, int height) {
    QStringList sizes;
    for (const PictureSize size : plan.PictureSizes) {
        sizes << QStringLiteral("%1x%2").arg(size.Width).arg(size.Height);
    }
    const QString last = sizes.isEmpty() ? QString() : sizes.takeLast();
    const QString listed =
        sizes.isEmpty() ? last : sizes.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    const QString who =
        plan.VideoEncoder == QLatin1String("h263") ? QStringLiteral("H.263") : plan.VideoEncoder;
    return QStringLiteral("%1 takes only the picture sizes %2, not %3x%4.")
        .arg(who, listed)
        .arg(width)
        .arg(height);
}

}  // namespace veltrano

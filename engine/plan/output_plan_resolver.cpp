#include "engine/plan/output_plan_resolver.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <QFileInfo>
#include <algorithm>
#include <cstdlib>

#include "engine/plan/output_rules.h"

namespace veltrano {

namespace {

// Extensions whose container libavformat does not guess from the name (or guesses as a raw
// stream) while the files the program lists under them are containers.
struct ExtensionMuxer {
    const char* extension;
    const char* muxer;
};
constexpr ExtensionMuxer kCopyMuxers[] = {
    {"m2t", "mpegts"}, {"m2ts", "mpegts"}, {"mts", "mpegts"}, {"tod", "mpegts"}, {"dat", "mpeg"},
    {"mpe", "mpeg"},   {"m4v", "mp4"},     {"qt", "mov"},     {"3gpp", "3gp"},   {"3g", "3gp"},
    {"k3g", "3gp"},    {"3gp2", "3g2"},    {"rmvb", "rm"},    {"f4v", "flv"},
};

int EvenDown(int value) {
    return std::max(2, value & ~1);
}

QString EncoderOf(AVCodecID id) {
    const AVCodec* codec = id != AV_CODEC_ID_NONE ? avcodec_find_encoder(id) : nullptr;
    return codec != nullptr ? QString::fromLatin1(codec->name) : QString();
}

// Refuses a codec the encoder library lacks or the container cannot carry.
Status CheckCodec(const QString& encoder, const QString& muxer, const QString& fileName) {
    const AVCodec* codec = avcodec_find_encoder_by_name(encoder.toUtf8().constData());
    if (codec == nullptr) {
        return Status::Failed(QStringLiteral("The encoder \"%1\" needed for %2 is not available.")
                                  .arg(encoder, fileName));
    }
    const AVOutputFormat* format = av_guess_format(muxer.toUtf8().constData(), nullptr, nullptr);
    if (format != nullptr && avformat_query_codec(format, codec->id, FF_COMPLIANCE_NORMAL) == 0) {
        return Status::Failed(
            QStringLiteral("The format \"%1\" cannot carry the codec \"%2\".").arg(muxer, encoder));
    }
    return {};
}

Result<OutputPlan> ResolveCopyPlan(const EncodeOptions& options, const QString& outputPath) {
    const bool videoCopy = options.videoCodec == QStringLiteral("copy");
    const bool audioCopy = options.audioCodec == QStringLiteral("copy");
    if (!videoCopy || !(audioCopy || options.removeAudio)) {
        return Status::Failed(
            QStringLiteral("Stream copy needs both -vcodec copy and -acodec copy."));
    }
    // Copying cannot change the pictures, the sound or their rates.
    const bool changes = options.frameRate || options.displayAspect || options.channels ||
                         options.videoBitrate || options.audioBitrate || options.sampleRate ||
                         options.width || options.x264Preset || options.target;
    if (changes) {
        return Status::Failed(
            QStringLiteral("Stream copy cannot change size, rates, aspect, "
                           "channels or target; remove those options."));
    }
    OutputPlan plan;
    plan.copy = true;
    plan.removeAudio = options.removeAudio;
    plan.muxerName = options.muxerName.value_or(MuxerForExtension(outputPath));
    if (plan.muxerName.isEmpty()) {
        return Status::Failed(
            QStringLiteral("Cannot tell the output format from the file name \"%1\".")
                .arg(QFileInfo(outputPath).fileName()));
    }
    ApplyOutputRules(plan);
    return plan;
}

// The muxer: "-f" or the target's, else the extension's profile.
Result<const AVOutputFormat*> ResolveMuxer(const EncodeOptions& options,
                                           const ContainerProfile* profile,
                                           const QString& fileName) {
    QString muxer;
    if (options.muxerName) {
        muxer = *options.muxerName;
    } else if (profile != nullptr) {
        muxer = QString::fromLatin1(profile->muxer);
    } else {
        return Status::Failed(
            QStringLiteral("Cannot tell the output format from the file name \"%1\".")
                .arg(fileName));
    }
    const AVOutputFormat* format = av_guess_format(muxer.toUtf8().constData(), nullptr, nullptr);
    if (format == nullptr) {
        return Status::Failed(QStringLiteral("Unknown output format \"%1\".").arg(muxer));
    }
    return format;
}

// What the string sets itself, with the target's values wherever the string sets none.
OutputPlan PlanFromOptions(const EncodeOptions& options) {
    const TargetDefaults target = options.targetDefaults.value_or(TargetDefaults{});
    OutputPlan plan;
    plan.removeAudio = options.removeAudio;
    plan.frameRate = options.frameRate;
    plan.displayAspect = options.displayAspect;
    if (options.width && options.height) {
        plan.width = EvenDown(*options.width);
        plan.height = EvenDown(*options.height);
    }
    plan.videoBitrate = options.videoBitrate.value_or(target.videoBitrate);
    plan.videoMaxRate = target.videoMaxRate;
    plan.videoMinRate = target.videoMinRate;
    plan.videoBufferSize = target.videoBufferSize;
    plan.gopSize = target.gopSize;
    plan.x264Preset = options.x264Preset.value_or(QString());
    plan.audioBitrate = options.audioBitrate.value_or(target.audioBitrate);
    plan.sampleRate = options.sampleRate.value_or(0);
    plan.channels = options.channels.value_or(0);
    plan.packetSize = target.packetSize;
    plan.muxRate = target.muxRate;
    plan.preloadSeconds = target.preloadSeconds;
    return plan;
}

// Each encoder: the string's, else the profile's promise for the extension, else the muxer's
// own default. The profile's H.263 gives way to MPEG-4 at sizes H.263 cannot code.
void ResolveEncoders(const EncodeOptions& options, const ContainerProfile* profile,
                     const AVOutputFormat* format, const FirstInputFacts& facts, OutputPlan& plan) {
    if (options.videoCodec) {
        plan.videoEncoder = *options.videoCodec;
    } else if (profile != nullptr) {
        plan.videoEncoder = QString::fromLatin1(profile->videoEncoder);
    } else {
        plan.videoEncoder = EncoderOf(format->video_codec);
    }
    if (!options.videoCodec && plan.videoEncoder == QLatin1String("h263")) {
        const int width = plan.width != 0 ? plan.width : facts.width;
        const int height = plan.height != 0 ? plan.height : facts.height;
        if (!IsH263Size(width, height)) {
            plan.videoEncoder = QStringLiteral("mpeg4");
        }
    }
    if (plan.removeAudio) {
        plan.audioEncoder.clear();
    } else if (options.audioCodec) {
        plan.audioEncoder = *options.audioCodec;
    } else if (profile != nullptr) {
        plan.audioEncoder = QString::fromLatin1(profile->audioEncoder);
    } else {
        plan.audioEncoder = EncoderOf(format->audio_codec);
    }
}

}  // namespace

QString MuxerForExtension(const QString& outputPath) {
    const QString extension = QFileInfo(outputPath).suffix().toLower();
    if (extension.isEmpty()) {
        return {};
    }
    for (const ExtensionMuxer& entry : kCopyMuxers) {
        if (extension == QLatin1String(entry.extension)) {
            return QString::fromLatin1(entry.muxer);
        }
    }
    if (const ContainerProfile* defaults = ContainerForExtension(extension)) {
        return QString::fromLatin1(defaults->muxer);
    }
    const QByteArray name = QStringLiteral("x.%1").arg(extension).toUtf8();
    const AVOutputFormat* format = av_guess_format(nullptr, name.constData(), nullptr);
    return format != nullptr ? QString::fromLatin1(format->name) : QString();
}

Result<OutputPlan> ResolveOutputPlan(const EncodeOptions& options, const QString& outputPath,
                                     const FirstInputFacts& facts) {
    if (options.videoCodec == QStringLiteral("copy") ||
        options.audioCodec == QStringLiteral("copy")) {
        return ResolveCopyPlan(options, outputPath);
    }
    const QString fileName = QFileInfo(outputPath).fileName();
    const ContainerProfile* profile =
        ContainerForExtension(QFileInfo(outputPath).suffix().toLower());
    Result<const AVOutputFormat*> format = ResolveMuxer(options, profile, fileName);
    if (!format.Ok()) {
        return format.GetStatus();
    }
    OutputPlan plan = PlanFromOptions(options);
    // As named (ResolveMuxer found one of the two), not libavformat's canonical name.
    plan.muxerName = options.muxerName ? *options.muxerName : QString::fromLatin1(profile->muxer);
    ResolveEncoders(options, profile, *format, facts, plan);
    ApplyOutputRules(plan, options.muxerName.has_value());
    if (plan.videoEncoder.isEmpty() && plan.audioEncoder.isEmpty()) {
        return Status::Failed(
            QStringLiteral("The format \"%1\" has no codec to write.").arg(plan.muxerName));
    }
    for (const QString& encoder : {plan.videoEncoder, plan.audioEncoder}) {
        if (encoder.isEmpty()) {
            continue;
        }
        if (const Status codec = CheckCodec(encoder, plan.muxerName, fileName); !codec.Ok()) {
            return codec;
        }
    }
    return plan;
}

}  // namespace veltrano

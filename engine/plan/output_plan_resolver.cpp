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
    const char* Extension;
    const char* Muxer;
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

// The muxer for the first input's own container: the table's, else the one libavformat names
// like the demuxer's first name.
QString MuxerForFirstInput(const FirstInputFacts& facts) {
    const QString muxer = MuxerForInputContainer(facts.Container, facts.MajorBrand);
    if (!muxer.isEmpty() || facts.Container.isEmpty()) {
        return muxer;
    }
    const QByteArray name = facts.Container.section(QLatin1Char(','), 0, 0).toUtf8();
    const AVOutputFormat* format = av_guess_format(name.constData(), nullptr, nullptr);
    return format != nullptr ? QString::fromLatin1(format->name) : QString();
}

Result<OutputPlan> ResolveCopyPlan(const EncodeOptions& options, const QString& outputPath,
                                   const FirstInputFacts& facts) {
    const bool videoCopy = options.VideoCodec == QStringLiteral("copy");
    const bool audioCopy = options.AudioCodec == QStringLiteral("copy");
    if (!videoCopy || !(audioCopy || options.RemoveAudio)) {
        return Status::Failed(
            QStringLiteral("Stream copy needs both -vcodec copy and -acodec copy."));
    }
    // Copying cannot change the pictures, the sound or their rates.
    const bool changes = options.FrameRate || options.DisplayAspect || options.Channels ||
                         options.VideoBitrate || options.AudioBitrate || options.SampleRate ||
                         options.Width || options.X264Preset || options.Target;
    if (changes) {
        return Status::Failed(
            QStringLiteral("Stream copy cannot change size, rates, aspect, "
                           "channels or target; remove those options."));
    }
    OutputPlan plan;
    plan.Copy = true;
    plan.RemoveAudio = options.RemoveAudio;
    plan.MuxerName = options.MuxerName.value_or(MuxerForExtension(outputPath));
    if (plan.MuxerName.isEmpty() && QFileInfo(outputPath).suffix().isEmpty()) {
        // A name without extension (the inputs have none either) keeps the inputs' container.
        plan.MuxerName = MuxerForFirstInput(facts);
    }
    if (plan.MuxerName.isEmpty()) {
        return Status::Failed(
            QStringLiteral("Cannot tell the output format from the file name \"%1\".")
                .arg(QFileInfo(outputPath).fileName()));
    }
    ApplyOutputRules(plan);
    plan.Chapters = plan.Chapters && !options.NoChapters;
    return plan;
}

// The muxer: "-f" or the target's, else the extension's profile.
Result<const AVOutputFormat*> ResolveMuxer(const EncodeOptions& options,
                                           const ContainerProfile* profile,
                                           const QString& fileName) {
    QString muxer;
    if (options.MuxerName) {
        muxer = *options.MuxerName;
    } else if (profile != nullptr) {
        muxer = QString::fromLatin1(profile->Muxer);
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
    const TargetDefaults target = options.TargetValues.value_or(TargetDefaults{});
    OutputPlan plan;
    plan.RemoveAudio = options.RemoveAudio;
    plan.FrameRate = options.FrameRate;
    plan.DisplayAspect = options.DisplayAspect;
    if (options.Width && options.Height) {
        plan.Width = EvenDown(*options.Width);
        plan.Height = EvenDown(*options.Height);
    }
    plan.VideoBitrate = options.VideoBitrate.value_or(target.VideoBitrate);
    plan.VideoMaxRate = target.VideoMaxRate;
    plan.VideoMinRate = target.VideoMinRate;
    plan.VideoBufferSize = target.VideoBufferSize;
    plan.GopSize = target.GopSize;
    plan.X264Preset = options.X264Preset.value_or(QString());
    plan.AudioBitrate = options.AudioBitrate.value_or(target.AudioBitrate);
    plan.SampleRate = options.SampleRate.value_or(0);
    plan.Channels = options.Channels.value_or(0);
    plan.PacketSize = target.PacketSize;
    plan.MuxRate = target.MuxRate;
    plan.PreloadSeconds = target.PreloadSeconds;
    return plan;
}

// Each encoder: the string's, else the profile's promise for the extension, else the muxer's
// own default. The profile's H.263 gives way to MPEG-4 at sizes H.263 cannot code.
void ResolveEncoders(const EncodeOptions& options, const ContainerProfile* profile,
                     const AVOutputFormat* format, const FirstInputFacts& facts, OutputPlan& plan) {
    if (options.VideoCodec) {
        plan.VideoEncoder = *options.VideoCodec;
    } else if (profile != nullptr) {
        plan.VideoEncoder = QString::fromLatin1(profile->VideoEncoder);
    } else {
        plan.VideoEncoder = EncoderOf(format->video_codec);
    }
    if (!options.VideoCodec && plan.VideoEncoder == QLatin1String("h263")) {
        const int width = plan.Width != 0 ? plan.Width : facts.Width;
        const int height = plan.Height != 0 ? plan.Height : facts.Height;
        if (!IsH263Size(width, height)) {
            plan.VideoEncoder = QStringLiteral("mpeg4");
        }
    }
    if (plan.RemoveAudio) {
        plan.AudioEncoder.clear();
    } else if (options.AudioCodec) {
        plan.AudioEncoder = *options.AudioCodec;
    } else if (profile != nullptr) {
        plan.AudioEncoder = QString::fromLatin1(profile->AudioEncoder);
    } else {
        plan.AudioEncoder = EncoderOf(format->audio_codec);
    }
}

}  // namespace

QString MuxerForExtension(const QString& outputPath) {
    const QString extension = QFileInfo(outputPath).suffix().toLower();
    if (extension.isEmpty()) {
        return {};
    }
    for (const ExtensionMuxer& entry : kCopyMuxers) {
        if (extension == QLatin1String(entry.Extension)) {
            return QString::fromLatin1(entry.Muxer);
        }
    }
    if (const ContainerProfile* defaults = ContainerForExtension(extension)) {
        return QString::fromLatin1(defaults->Muxer);
    }
    const QByteArray name = QStringLiteral("x.%1").arg(extension).toUtf8();
    const AVOutputFormat* format = av_guess_format(nullptr, name.constData(), nullptr);
    return format != nullptr ? QString::fromLatin1(format->name) : QString();
}

Result<OutputPlan> ResolveOutputPlan(const EncodeOptions& options, const QString& outputPath,
                                     const FirstInputFacts& facts) {
    if (options.VideoCodec == QStringLiteral("copy") ||
        options.AudioCodec == QStringLiteral("copy")) {
        return ResolveCopyPlan(options, outputPath, facts);
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
    plan.MuxerName = options.MuxerName ? *options.MuxerName : QString::fromLatin1(profile->Muxer);
    ResolveEncoders(options, profile, *format, facts, plan);
    ApplyOutputRules(plan, options.MuxerName.has_value());
    plan.Chapters = plan.Chapters && !options.NoChapters;
    if (plan.VideoEncoder.isEmpty() && plan.AudioEncoder.isEmpty()) {
        return Status::Failed(
            QStringLiteral("The format \"%1\" has no codec to write.").arg(plan.MuxerName));
    }
    for (const QString& encoder : {plan.VideoEncoder, plan.AudioEncoder}) {
        if (encoder.isEmpty()) {
            continue;
        }
        if (const Status codec = CheckCodec(encoder, plan.MuxerName, fileName); !codec.Ok()) {
            return codec;
        }
    }
    return plan;
}

Result<OutputPlan> ParseEncodeOptions(const QString& parameters, const QString& outputPath,
                                      const FirstInputFacts& facts) {
    const Result<EncodeOptions> options = ReadEncodeOptions(parameters, facts);
    if (!options.Ok()) {
        return options.GetStatus();
    }
    return ResolveOutputPlan(*options, outputPath, facts);
}

}  // namespace veltrano

#include "engine/plan/encode_options.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

#include "engine/plan/output_rules.h"

namespace veltrano {

namespace {

QString Quoted(const QString& text) {
    return QStringLiteral("\"") + text + QStringLiteral("\"");
}

std::optional<int> ParsePositiveInt(const QString& text, int maximum) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(text).hasMatch()) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value <= 0 || value > maximum) {
        return std::nullopt;
    }
    return value;
}

// "W:H" or a decimal such as "1.7778".
std::optional<AVRational> ParseAspect(const QString& text) {
    const QStringList sides = text.split(QLatin1Char(':'));
    if (sides.size() == 2) {
        const auto num = ParsePositiveInt(sides[0], 100000);
        const auto den = ParsePositiveInt(sides[1], 100000);
        if (!num || !den) {
            return std::nullopt;
        }
        AVRational ratio{};
        av_reduce(&ratio.num, &ratio.den, *num, *den, 100000);
        return ratio;
    }
    static const QRegularExpression decimal(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    if (!decimal.match(text).hasMatch()) {
        return std::nullopt;
    }
    const double value = text.toDouble();
    if (value <= 0.0 || value > 100.0) {
        return std::nullopt;
    }
    return av_d2q(value, 100000);
}

// libx264's own presets; "default" was the old preset file's name for medium.
std::optional<QString> X264PresetFor(const QString& text) {
    static const QStringList presets{QStringLiteral("ultrafast"), QStringLiteral("superfast"),
                                     QStringLiteral("veryfast"),  QStringLiteral("faster"),
                                     QStringLiteral("fast"),      QStringLiteral("medium"),
                                     QStringLiteral("slow"),      QStringLiteral("slower"),
                                     QStringLiteral("veryslow"),  QStringLiteral("placebo")};
    const QString prefix = QStringLiteral("libx264-");
    QString name = text.startsWith(prefix) ? text.mid(prefix.size()) : text;
    if (name == QLatin1String("default")) {
        name = QStringLiteral("medium");
    }
    if (!presets.contains(name)) {
        return std::nullopt;
    }
    return name;
}

// Old names the option strings use for encoders that libavcodec now calls otherwise.
QString EncoderAlias(const QString& name) {
    if (name == QLatin1String("libfaac") || name == QLatin1String("faac")) {
        return QStringLiteral("aac");
    }
    if (name == QLatin1String("h264") || name == QLatin1String("x264")) {
        return QStringLiteral("libx264");
    }
    if (name == QLatin1String("mp3")) {
        return QStringLiteral("libmp3lame");
    }
    if (name == QLatin1String("xvid")) {
        return QStringLiteral("libxvid");
    }
    return name;
}

// An encoder name of the right kind, "copy", or an error sentence.
Result<QString> CheckEncoder(const QString& option, const QString& value, AVMediaType wantedType) {
    if (value == QLatin1String("copy")) {
        return value;
    }
    const QString name = EncoderAlias(value);
    const AVCodec* codec = avcodec_find_encoder_by_name(name.toUtf8().constData());
    if (codec == nullptr) {
        return Status::Failed(
            QStringLiteral("Unknown codec %1 for option %2.").arg(Quoted(value), option));
    }
    if (codec->type != wantedType) {
        const QString kind = wantedType == AVMEDIA_TYPE_VIDEO ? QStringLiteral("a video")
                                                              : QStringLiteral("an audio");
        return Status::Failed(QStringLiteral("Codec %1 given to option %2 is not %3 codec.")
                                  .arg(Quoted(value), option, kind));
    }
    return name;
}

enum class Norm { Pal, Ntsc };

// What "-target" does at its place in the string: the ffmpeg tool's opt_target for vcd and
// dvd. Later options override these; the defaults it records never override the string.
Status ApplyTarget(const QString& target, const FirstInputFacts& facts, EncodeOptions& options) {
    QString kind = target;
    std::optional<Norm> norm;
    if (target.startsWith(QLatin1String("pal-"))) {
        norm = Norm::Pal;
        kind = target.mid(4);
    } else if (target.startsWith(QLatin1String("ntsc-"))) {
        norm = Norm::Ntsc;
        kind = target.mid(5);
    }
    if (kind != QLatin1String("vcd") && kind != QLatin1String("dvd")) {
        return Status::Failed(QStringLiteral("Unknown target %1.").arg(Quoted(target)));
    }
    if (!norm) {
        // Like the ffmpeg tool: 25 (or 50) frames per second is PAL, 29.97, 23.976 and the
        // other rates are NTSC.
        if (!facts.FrameRate || facts.FrameRate->num <= 0 || facts.FrameRate->den <= 0) {
            return Status::Failed(
                QStringLiteral(
                    "Cannot tell PAL from NTSC for target %1: the first input has no video "
                    "frame rate.")
                    .arg(Quoted(target)));
        }
        const double fps = av_q2d(*facts.FrameRate);
        norm =
            (std::fabs(fps - 25.0) < 0.01 || std::fabs(fps - 50.0) < 0.01) ? Norm::Pal : Norm::Ntsc;
    }
    const bool pal = *norm == Norm::Pal;
    options.Target = target;
    options.FrameRate = pal ? AVRational{25, 1} : AVRational{30000, 1001};
    TargetDefaults defaults;
    if (kind == QLatin1String("vcd")) {
        options.VideoCodec = QStringLiteral("mpeg1video");
        options.AudioCodec = QStringLiteral("mp2");
        options.MuxerName = QString::fromLatin1(kVcdMuxer);
        options.Width = 352;
        options.Height = pal ? 288 : 240;
        options.SampleRate = 44100;
        options.Channels = 2;
        defaults.GopSize = pal ? 15 : 18;
        defaults.VideoBitrate = 1150000;
        defaults.VideoMaxRate = 1150000;
        defaults.VideoMinRate = 1150000;
        defaults.VideoBufferSize = 327680;
        defaults.AudioBitrate = 224000;
        defaults.PacketSize = 2324;
        defaults.MuxRate = 1411200;
        defaults.PreloadSeconds = 0.44;
    } else {
        options.VideoCodec = QStringLiteral("mpeg2video");
        options.AudioCodec = QStringLiteral("ac3");
        options.MuxerName = QString::fromLatin1(kDvdMuxer);
        options.Width = 720;
        options.Height = pal ? 576 : 480;
        options.SampleRate = 48000;
        defaults.GopSize = pal ? 15 : 18;
        defaults.VideoBitrate = 6000000;
        defaults.VideoMaxRate = 9000000;
        defaults.VideoMinRate = 0;
        defaults.VideoBufferSize = 1835008;
        defaults.AudioBitrate = 448000;
        defaults.PacketSize = 2048;
        defaults.MuxRate = 10080000;
    }
    options.TargetValues = defaults;
    return {};
}

// Applies one option with its value; an error sentence when the value is unusable.
Status ApplyValueOption(const QString& option, const QString& value, const FirstInputFacts& facts,
                        EncodeOptions& options) {
    auto bad = [&](const QString& what) {
        return QStringLiteral("Invalid %1 %2 for option %3.").arg(what, Quoted(value), option);
    };
    if (option == QLatin1String("-r")) {
        const auto rate = ParseFrameRate(value);
        if (!rate) {
            return Status::Failed(bad(QStringLiteral("frame rate")));
        }
        options.FrameRate = rate;
    } else if (option == QLatin1String("-aspect")) {
        const auto aspect = ParseAspect(value);
        if (!aspect) {
            return Status::Failed(bad(QStringLiteral("aspect ratio")));
        }
        options.DisplayAspect = aspect;
    } else if (option == QLatin1String("-ac")) {
        const auto channels = ParsePositiveInt(value, 8);
        if (!channels) {
            return Status::Failed(bad(QStringLiteral("channel count")));
        }
        options.Channels = channels;
    } else if (option == QLatin1String("-ar")) {
        const auto rate = ParsePositiveInt(value, 384000);
        if (!rate || *rate < 1000) {
            return Status::Failed(bad(QStringLiteral("sample rate")));
        }
        options.SampleRate = rate;
    } else if (option == QLatin1String("-vb") || option == QLatin1String("-ab")) {
        const auto bitrate = ParseBitrate(value);
        if (!bitrate) {
            return Status::Failed(bad(QStringLiteral("bitrate")));
        }
        (option == QLatin1String("-vb") ? options.VideoBitrate : options.AudioBitrate) = bitrate;
    } else if (option == QLatin1String("-s")) {
        static const QRegularExpression size(QStringLiteral("^([0-9]+)[xX]([0-9]+)$"));
        const QRegularExpressionMatch match = size.match(value);
        const auto width =
            match.hasMatch() ? ParsePositiveInt(match.captured(1), 16384) : std::optional<int>();
        const auto height =
            match.hasMatch() ? ParsePositiveInt(match.captured(2), 16384) : std::optional<int>();
        if (!width || !height) {
            return Status::Failed(bad(QStringLiteral("picture size")));
        }
        options.Width = width;
        options.Height = height;
    } else if (option == QLatin1String("-vcodec") || option == QLatin1String("-acodec")) {
        const bool video = option == QLatin1String("-vcodec");
        const auto codec =
            CheckEncoder(option, value, video ? AVMEDIA_TYPE_VIDEO : AVMEDIA_TYPE_AUDIO);
        if (!codec.Ok()) {
            return codec.GetStatus();
        }
        (video ? options.VideoCodec : options.AudioCodec) = *codec;
    } else if (option == QLatin1String("-vpre")) {
        const auto preset = X264PresetFor(value);
        if (!preset) {
            return Status::Failed(
                QStringLiteral("Unknown preset %1 for option -vpre.").arg(Quoted(value)));
        }
        options.X264Preset = preset;
    } else if (option == QLatin1String("-f")) {
        if (av_guess_format(value.toUtf8().constData(), nullptr, nullptr) == nullptr) {
            return Status::Failed(
                QStringLiteral("Unknown output format %1 for option -f.").arg(Quoted(value)));
        }
        options.MuxerName = value;
    } else if (option == QLatin1String("-target")) {
        return ApplyTarget(value, facts, options);
    }
    return {};
}

bool TakesValue(const QString& option) {
    static const QStringList valued{
        QStringLiteral("-r"),      QStringLiteral("-aspect"), QStringLiteral("-ac"),
        QStringLiteral("-vcodec"), QStringLiteral("-acodec"), QStringLiteral("-vb"),
        QStringLiteral("-ab"),     QStringLiteral("-ar"),     QStringLiteral("-s"),
        QStringLiteral("-vpre"),   QStringLiteral("-f"),      QStringLiteral("-target")};
    return valued.contains(option);
}

}  // namespace

std::optional<std::int64_t> ParseBitrate(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)([kKmM]?)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    double value = match.captured(1).toDouble();
    const QString suffix = match.captured(2).toLower();
    if (suffix == QLatin1String("k")) {
        value *= 1000.0;
    } else if (suffix == QLatin1String("m")) {
        value *= 1000000.0;
    }
    if (value > 1e10) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(std::llround(value));
}

std::optional<AVRational> ParseFrameRate(const QString& text) {
    static const QRegularExpression decimal(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    static const QRegularExpression fraction(QStringLiteral("^([0-9]+)/([0-9]+)$"));
    AVRational rate{};
    if (const auto match = fraction.match(text); match.hasMatch()) {
        const auto num = ParsePositiveInt(match.captured(1), 1000000);
        const auto den = ParsePositiveInt(match.captured(2), 1000000);
        if (!num || !den) {
            return std::nullopt;
        }
        av_reduce(&rate.num, &rate.den, *num, *den, 1000000);
    } else if (decimal.match(text).hasMatch()) {
        const double value = text.toDouble();
        if (value <= 0.0) {
            return std::nullopt;
        }
        // The NTSC rates are written as 23.97, 23.976, 29.97, 59.94; they mean n*1000/1001.
        for (const int base : {24, 30, 60}) {
            if (std::fabs(value - base * 1000.0 / 1001.0) < 0.01) {
                return AVRational{base * 1000, 1001};
            }
        }
        rate = av_d2q(value, 1000000);
    } else {
        return std::nullopt;
    }
    const double fps = av_q2d(rate);
    if (fps < 1.0 || fps > 1000.0) {
        return std::nullopt;
    }
    return rate;
}

Result<EncodeOptions> ReadEncodeOptions(const QString& parameters, const FirstInputFacts& facts) {
    const QStringList tokens = parameters.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EncodeOptions options;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString& option = tokens[i];
        if (option == QLatin1String("-an")) {
            options.RemoveAudio = true;
            continue;
        }
        if (option == QLatin1String("-join")) {
            options.Join = true;
            continue;
        }
        if (option == QLatin1String("-map_chapters")) {
            // The ffmpeg tool's spelling; of its values only -1 (none) means something here.
            if (i + 1 >= tokens.size()) {
                return Status::Failed(QStringLiteral("Missing value for option %1.").arg(option));
            }
            if (tokens[i + 1] != QLatin1String("-1")) {
                return Status::Failed(QStringLiteral("Invalid chapter choice %1 for option %2.")
                                          .arg(Quoted(tokens[i + 1]), option));
            }
            options.NoChapters = true;
            ++i;
            continue;
        }
        if (!TakesValue(option)) {
            return Status::Failed(QStringLiteral("Unknown option %1.").arg(Quoted(option)));
        }
        // A value never starts with '-' here: no option takes a negative number, so a dash
        // means the value was left out ("-vb  -ab 128k").
        if (i + 1 >= tokens.size() || tokens[i + 1].startsWith(QLatin1Char('-'))) {
            return Status::Failed(QStringLiteral("Missing value for option %1.").arg(option));
        }
        const QString& value = tokens[++i];
        if (const Status applied = ApplyValueOption(option, value, facts, options); !applied.Ok()) {
            return applied;
        }
    }
    return options;
}

}  // namespace veltrano

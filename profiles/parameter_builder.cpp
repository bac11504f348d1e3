#include "profiles/parameter_builder.h"

#include "core/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/value_format.h"
#include "profiles/leading_number.h"
#include "profiles/trim_spaces.h"

namespace veltrano {

namespace {

// --- The option fragments of every format key --------------------------------------------

enum class Slot { Text, VideoBitrate, AudioBitrate, SampleRate, Size, Preset };

struct Fragment {
    Slot Fill;
    const char* Text = "";
};

constexpr Fragment T(const char* text) {
    return {Slot::Text, text};
}
constexpr Fragment kVb{Slot::VideoBitrate};
constexpr Fragment kAb{Slot::AudioBitrate};
constexpr Fragment kAr{Slot::SampleRate};
constexpr Fragment kSize{Slot::Size};
constexpr Fragment kPreset{Slot::Preset};
constexpr Fragment kJoin = T(" -join");

constexpr Fragment k3gp[] = {T("-vb "), kVb, T(" -ab "), kAb, T(" -ac 1 -ar 8000"), kSize, kJoin};
constexpr Fragment kAvi[] = {T("-vcodec "),   T("libxvid"), T(" -vb "), kVb,        T(" -acodec "),
                             T("libmp3lame"), T(" -ab "),   kAb,        T(" -ar "), kAr,
                             kSize,           kJoin};
constexpr Fragment kAsf[] = {T("-vcodec "), T("msmpeg4v2"), T(" -vb "), kVb,        T(" -acodec "),
                             T("wmav2"),    T(" -ab "),     kAb,        T(" -ar "), kAr,
                             kSize,         kJoin};
constexpr Fragment kWmv[] = {T("-vcodec "), T("wmv2"), T(" -vb "), kVb, T(" -acodec "), T("wmav2"),
                             T(" -ab "),    kAb,       T(" -ar "), kAr, kSize,          kJoin};
constexpr Fragment kPlain[] = {T("-vb "), kVb, T(" -ab "), kAb, T(" -ar "), kAr, kSize, kJoin};
constexpr Fragment kF4v[] = {T("-vcodec libx264 -vpre "),
                             kPreset,
                             T(" -f flv -vb "),
                             kVb,
                             T(" -acodec libfaac -ab "),
                             kAb,
                             T(" -ar "),
                             kAr,
                             T(" -ac 2"),
                             kSize,
                             kJoin};
constexpr Fragment kMkv[] = {T("-vcodec libx264 -vpre "),
                             kPreset,
                             T(" -vb "),
                             kVb,
                             T("  -acodec libmp3lame -ab "),
                             kAb,
                             T(" -ar "),
                             kAr,
                             kSize,
                             kJoin};
constexpr Fragment kMp4H264[] = {T("-vcodec libx264 -vpre "),
                                 kPreset,
                                 T(" -vb "),
                                 kVb,
                                 T(" -ab "),
                                 kAb,
                                 T(" -ar "),
                                 kAr,
                                 kSize,
                                 kJoin};
constexpr Fragment kMpg2[] = {
    T("-vcodec mpeg2video -vb "), kVb, T(" -ab "), kAb, T(" -ar "), kAr, kSize, kJoin};
constexpr Fragment kNtscVcd[] = {T("-target ntsc-vcd -vb 1150k -ab 224k -ar 44100"), kSize, kJoin};
constexpr Fragment kPalVcd[] = {T("-target pal-vcd -vb 1150k -ab 224k -ar 44100"), kSize, kJoin};
constexpr Fragment kNtscDvd[] = {T("-target ntsc-dvd -ab "), kAb, T(" -ar "), kAr, kSize, kJoin};
constexpr Fragment kPalDvd[] = {T("-target pal-dvd -ab "), kAb, T(" -ar "), kAr, kSize, kJoin};
constexpr Fragment kRm[] = {
    T("-vcodec rv20 -vb "), kVb, T(" -ab "), kAb, T(" -ar "), kAr, kSize, kJoin};
constexpr Fragment kVob[] = {
    T("-target dvd -vb "), kVb, T(" -ab "), kAb, T(" -ar "), kAr, kSize, kJoin};

// --- Automatic audio values, by audio quality High / Normal / Low ------------------------

struct AudioDefaults {
    std::array<const char*, 3> Bitrate;
    std::array<const char*, 3> SampleRate;
};

// AMR rates in bits per second; the 3GP template fixes its own sample rate.
constexpr AudioDefaults kAudio3gp{{"12200", "6700", "4750"}, {"", "", ""}};
constexpr AudioDefaults kAudioAviMkv{{"320k", "128k", "64k"}, {"44100", "44100", "22050"}};
constexpr AudioDefaults kAudioAsfWmvF4v{{"256k", "128k", "64k"}, {"44100", "44100", "22050"}};
constexpr AudioDefaults kAudioFlvSwf{{"128k", "64k", "32k"}, {"44100", "44100", "22050"}};
constexpr AudioDefaults kAudioMov{{"320k", "256k", "96k"}, {"44100", "44100", "22050"}};
constexpr AudioDefaults kAudioMpeg{{"256k", "128k", "96k"}, {"44100", "44100", "22050"}};
constexpr AudioDefaults kAudioVob{{"320k", "192k", "96k"}, {"48000", "48000", "44100"}};

// --- Per-key rules ------------------------------------------------------------------------

enum class Adjustment { None, Small3gpSize, DefaultFrameRate, CapRmBitrate, FixedVobBitrate };

struct FormatRule {
    const char* Key;
    const char* Extension;
    int BitrateBase;
    const AudioDefaults* Audio;
    Adjustment Adjust;
    std::span<const Fragment> Fragments;
};

const FormatRule kRules[] = {
    {"3gp", "3gp", 330, &kAudio3gp, Adjustment::Small3gpSize, k3gp},
    {"avi", "avi", 847, &kAudioAviMkv, Adjustment::None, kAvi},
    {"asf", "asf", 512, &kAudioAsfWmvF4v, Adjustment::None, kAsf},
    {"wmv", "wmv", 512, &kAudioAsfWmvF4v, Adjustment::None, kWmv},
    {"flv", "flv", 512, &kAudioFlvSwf, Adjustment::None, kPlain},
    {"f4v", "f4v", 512, &kAudioAsfWmvF4v, Adjustment::None, kF4v},
    {"swf", "swf", 512, &kAudioFlvSwf, Adjustment::None, kPlain},
    {"mkv", "mkv", 512, &kAudioAviMkv, Adjustment::None, kMkv},
    {"mov", "mov", 512, &kAudioMov, Adjustment::DefaultFrameRate, kPlain},
    {"mp4", "mp4", 512, &kAudioMpeg, Adjustment::DefaultFrameRate, kPlain},
    {"mp4h264", "mp4", 512, &kAudioMpeg, Adjustment::None, kMp4H264},
    {"mpg", "mpg", 512, &kAudioMpeg, Adjustment::None, kPlain},
    {"ntsc-vcd", "mpg", 512, &kAudioMpeg, Adjustment::None, kNtscVcd},
    {"pal-vcd", "mpg", 512, &kAudioMpeg, Adjustment::None, kPalVcd},
    {"mpg2", "mpg", 512, &kAudioMpeg, Adjustment::None, kMpg2},
    {"ntsc-dvd", "mpg", 512, &kAudioMpeg, Adjustment::None, kNtscDvd},
    {"pal-dvd", "mpg", 512, &kAudioMpeg, Adjustment::None, kPalDvd},
    {"rm", "rm", 512, &kAudioMpeg, Adjustment::CapRmBitrate, kRm},
    {"vob", "vob", 0, &kAudioVob, Adjustment::FixedVobBitrate, kVob},
};

constexpr std::array<const char*, 3> kX264Presets = {"libx264-default", "libx264-veryfast",
                                                     "libx264-ultrafast"};
constexpr std::array<const char*, 3> kVobVideoBitrates = {"3800k", "3300k", "768k"};
constexpr const char* kDefaultFrameRatePart = "-r 29.97 ";
constexpr const char* kSmall3gpSize = " -s 176x144";
constexpr qint64 kSmall3gpPixels = 176 * 144;
constexpr int kRmBitrateCap = 1000;
constexpr const char* kRmBitrateCapText = "1000k";
constexpr double kReferencePixels = 320.0 * 240.0;  // the size at which r equals the base

const QString kAuto = QStringLiteral("Auto");

const FormatRule* FindRule(const QString& key) {
    auto found = std::find_if(std::begin(kRules), std::end(kRules), [&](const FormatRule& rule) {
        return key == QLatin1String(rule.Key);
    });
    return found == std::end(kRules) ? nullptr : &*found;
}

// The number a size or bitrate text starts with once its blanks are trimmed ("640 X 480"
// splits into "640 " and " 480").
qint64 TrimmedNumber(const QString& text) {
    return LeadingNumber(TrimSpaces(text));
}

QString ByQuality(const std::array<const char*, 3>& values, int quality) {
    if (quality < 0 || quality >= static_cast<int>(values.size())) {
        return {};
    }
    return QString::fromUtf8(values[static_cast<size_t>(quality)]);
}

QString SizeOption(qint64 width, qint64 height) {
    return QStringLiteral(" -s %1x%2").arg(width).arg(height);
}

}  // namespace

QString AutoVideoBitrate(qint64 pixelCount, int bitrateBase, int videoQuality) {
    const qint64 r = static_cast<qint64>(
        RoundHalfEven(static_cast<double>(pixelCount) / kReferencePixels * bitrateBase));
    qint64 kilobits = 0;
    switch (videoQuality) {
        case 0:
            kilobits = static_cast<qint64>(RoundHalfEven(static_cast<double>(r) * 1.5));
            break;
        case 1:
            kilobits = r;
            break;
        case 2:
            kilobits = static_cast<qint64>(RoundHalfEven(static_cast<double>(r) / 1.5));
            break;
        default:
            return {};
    }
    return QString::number(kilobits) + QLatin1Char('k');
}

ListSize SmallestListSize(std::span<const MediaItem> rows) {
    ListSize result;
    qint64 smallest = 0;
    for (const MediaItem& row : rows) {
        const QString& text = row.VideoSizeText;
        const qsizetype cross = text.indexOf(QLatin1Char('x'), 0, Qt::CaseInsensitive);
        if (cross < 0) {
            continue;
        }
        const qint64 width = TrimmedNumber(text.left(cross));
        const qint64 height = TrimmedNumber(text.mid(cross + 1));
        if (width == 0 || height == 0) {
            continue;  // no picture: nothing to size the output by
        }
        const qint64 pixels = width * height;
        if (smallest == 0) {
            smallest = pixels;
        }
        if (pixels < smallest) {
            smallest = pixels;
            result.SizeOption = SizeOption(width, height);
        }
    }
    result.PixelCount = smallest;
    return result;
}

bool IsKnownFormatKey(const QString& formatKey) {
    return FindRule(formatKey) != nullptr;
}

BuiltParameters BuildEngineParameters(const OutputSettings& settings,
                                      std::span<const MediaItem> rows) {
    if (settings.Mode == JoinMode::DirectCopy) {
        const QString extension = rows.empty() ? QString() : GetExtension(rows[0].SourcePath);
        return {QString::fromUtf8(kDirectCopyParameters), extension.toLower()};
    }
    const FormatRule* rule = FindRule(settings.FormatKey);
    if (rule == nullptr) {
        return {};
    }

    ListSize size;
    if (settings.SizeChoice > 0) {
        const qint64 width = TrimmedNumber(settings.Width);
        const qint64 height = TrimmedNumber(settings.Height);
        size = {SizeOption(width, height), width * height};
    } else {
        size = SmallestListSize(rows);
    }

    QString videoBitrate = settings.VideoBitrate != kAuto ? settings.VideoBitrate : QString();
    QString audioBitrate = settings.AudioBitrate != kAuto ? settings.AudioBitrate : QString();
    QString sampleRate = settings.SampleRate != kAuto ? settings.SampleRate : QString();

    const QString removeAudioPart = settings.RemoveAudio ? QStringLiteral("-an ") : QString();
    QString frameRatePart =
        settings.FrameRate != kAuto ? QStringLiteral("-r %1 ").arg(settings.FrameRate) : QString();
    const QString aspectPart = settings.AspectRate != kAuto
                                   ? QStringLiteral("-aspect %1 ").arg(settings.AspectRate)
                                   : QString();
    const QString channelPart =
        QStringLiteral("-ac %1 ").arg(settings.Channels != 0 ? settings.Channels : 2);
    const QString preset = ByQuality(kX264Presets, settings.VideoQuality);

    if (rule->Adjust == Adjustment::Small3gpSize && settings.SizeChoice <= 0) {
        size = {QString::fromUtf8(kSmall3gpSize), kSmall3gpPixels};
    }
    if (settings.VideoBitrate == kAuto) {
        videoBitrate =
            rule->Adjust == Adjustment::FixedVobBitrate
                ? ByQuality(kVobVideoBitrates, settings.VideoQuality)
                : AutoVideoBitrate(size.PixelCount, rule->BitrateBase, settings.VideoQuality);
    }
    if (settings.AudioBitrate == kAuto) {
        audioBitrate = ByQuality(rule->Audio->Bitrate, settings.AudioQuality);
    }
    if (settings.SampleRate == kAuto) {
        sampleRate = ByQuality(rule->Audio->SampleRate, settings.AudioQuality);
    }
    if (rule->Adjust == Adjustment::DefaultFrameRate && frameRatePart.isEmpty()) {
        frameRatePart = QString::fromUtf8(kDefaultFrameRatePart);
    }
    if (rule->Adjust == Adjustment::CapRmBitrate && TrimmedNumber(videoBitrate) > kRmBitrateCap) {
        videoBitrate = QString::fromUtf8(kRmBitrateCapText);
    }

    QString formatPart;
    for (const Fragment& fragment : rule->Fragments) {
        switch (fragment.Fill) {
            case Slot::Text:
                formatPart += QLatin1String(fragment.Text);
                break;
            case Slot::VideoBitrate:
                formatPart += videoBitrate;
                break;
            case Slot::AudioBitrate:
                formatPart += audioBitrate;
                break;
            case Slot::SampleRate:
                formatPart += sampleRate;
                break;
            case Slot::Size:
                formatPart += size.SizeOption;
                break;
            case Slot::Preset:
                formatPart += preset;
                break;
        }
    }
    return {removeAudioPart + frameRatePart + aspectPart + channelPart + formatPart,
            QString::fromUtf8(rule->Extension)};
}

}  // namespace veltrano

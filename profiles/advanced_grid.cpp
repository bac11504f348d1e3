#include "profiles/advanced_grid.h"

#include <QtGlobal>
#include <algorithm>

namespace veltrano {

namespace {

constexpr const char* kAuto = "Auto";

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool AllDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

GridItemSpec EditableItem(GridItem item, const char* caption, const char* help,
                          QStringList values) {
    return GridItemSpec{item,
                        QString::fromUtf8(caption),
                        QString::fromUtf8(help),
                        GridItemKind::EditableList,
                        std::move(values),
                        {},
                        QString::fromUtf8(kAuto),
                        std::nullopt};
}

}  // namespace

// Captions, help texts and categories are English here and translated where the grid shows them
// (context "Grid"); the values stay as the parameter builder reads them.
std::vector<GridCategorySpec> AdvancedGridLayout() {
    GridItemSpec extension{GridItem::FilenameExtension,
                           QString::fromUtf8(QT_TRANSLATE_NOOP("Grid", "Filename Extension")),
                           QString(),
                           GridItemKind::ReadOnlyText,
                           {},
                           {},
                           QString(),  // the dialog writes "mp4" when it loads
                           std::nullopt};

    GridItemSpec videoBitrate =
        EditableItem(GridItem::VideoBitrate, QT_TRANSLATE_NOOP("Grid", "Video Bitrate"),
                     QT_TRANSLATE_NOOP("Grid", "Set the video bit rate in bps (Bit Per Second)"),
                     {"Auto",  "64k",   "96k",   "128k",  "160k",  "192k",  "256k",  "320k",
                      "384k",  "448k",  "512k",  "640k",  "768k",  "1000k", "1200k", "1500k",
                      "1800k", "2000k", "2200k", "2500k", "2800k", "3000k", "3500k", "4000k"});
    GridItemSpec frameRate = EditableItem(
        GridItem::FrameRate, QT_TRANSLATE_NOOP("Grid", "Frame Rate (FPS)"),
        QT_TRANSLATE_NOOP("Grid",
                          "Set how many frames should be displayed per second. Higher frame rate "
                          "increases the smoothness when played back"),
        {"Auto", "10", "12", "15", "20", "23.97", "24", "25", "29.97", "30", "50", "60"});
    GridItemSpec aspectRate = EditableItem(
        GridItem::AspectRate, QT_TRANSLATE_NOOP("Grid", "Aspect Rate"),
        QT_TRANSLATE_NOOP("Grid",
                          "Set width to height ratio according to the screen aspect of your "
                          "playback device"),
        {"Auto", "4:3", "16:9"});

    GridItemSpec audioBitrate =
        EditableItem(GridItem::AudioBitrate, QT_TRANSLATE_NOOP("Grid", "Audio Bitrate"),
                     QT_TRANSLATE_NOOP("Grid", "Set the audio bitrate in bps(Bit Per Second)"),
                     {"Auto", "32k", "40k", "48k", "56k", "64k", "80k", "96k", "112k", "128k",
                      "160k", "192k", "224k", "256k", "320k"});
    GridItemSpec sampleRate =
        EditableItem(GridItem::SampleRate, QT_TRANSLATE_NOOP("Grid", "Sample Rate"),
                     QT_TRANSLATE_NOOP("Grid",
                                       "Set the audio sampling frequency (the number of "
                                       "samples per second)"),
                     {"Auto", "8000", "11025", "16000", "22050", "32000", "44100", "48000"});
    GridItemSpec channels{
        GridItem::Channels,
        QString::fromUtf8(QT_TRANSLATE_NOOP("Grid", "Channels")),
        QString::fromUtf8(
            QT_TRANSLATE_NOOP("Grid", "Set number of audio channels. 1 - Mono, 2 - Stereo")),
        GridItemKind::ChoiceList,
        {},
        {{QStringLiteral("Auto"), 0}, {QStringLiteral("1"), 1}, {QStringLiteral("2"), 2}},
        QStringLiteral("Auto"),
        std::nullopt};
    GridItemSpec removeAudio{GridItem::RemoveAudio,
                             QString::fromUtf8(QT_TRANSLATE_NOOP("Grid", "Remove Audio")),
                             QString(),
                             GridItemKind::CheckBox,
                             {},
                             {},
                             QStringLiteral("False"),
                             kRemoveAudioItemId};

    return {
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Grid", "Output File")), {extension}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Grid", "Video Settings")),
         {videoBitrate, frameRate, aspectRate}},
        {QString::fromUtf8(QT_TRANSLATE_NOOP("Grid", "Audio Settings")),
         {audioBitrate, sampleRate, channels, removeAudio}},
    };
}

GridItemSpec GridItemInfo(GridItem item) {
    for (const GridCategorySpec& category : AdvancedGridLayout()) {
        for (const GridItemSpec& info : category.Items) {
            if (info.Item == item) {
                return info;
            }
        }
    }
    return {};  // unreachable: every GridItem is in the layout
}

bool IsFreeTextItem(GridItem item) {
    return std::find(std::begin(kFreeTextItems), std::end(kFreeTextItems), item) !=
           std::end(kFreeTextItems);
}

bool IsAudioItem(GridItem item) {
    return item == GridItem::AudioBitrate || item == GridItem::SampleRate ||
           item == GridItem::Channels;
}

bool IsBitrateForm(const QString& value) {
    if (AllDigits(value)) {
        return true;
    }
    const QString lower = value.toLower();
    return lower.endsWith(QLatin1Char('k')) && AllDigits(QStringView(lower).chopped(1));
}

bool IsSampleRateForm(const QString& value) {
    return AllDigits(value);
}

bool IsFrameRateForm(const QString& value) {
    if (value.count(QLatin1Char('.')) > 1) {
        return false;
    }
    bool anyDigit = false;
    for (QChar c : value) {
        if (IsAsciiDigit(c)) {
            anyDigit = true;
        } else if (c != QLatin1Char('.')) {
            return false;
        }
    }
    return anyDigit;
}

bool IsAspectForm(const QString& value) {
    const qsizetype colon = value.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        return false;
    }
    return AllDigits(QStringView(value).left(colon)) &&
           AllDigits(QStringView(value).mid(colon + 1));
}

}  // namespace veltrano

#include "profiles/output_settings.h"

#include <algorithm>
#include <limits>

#include "core/product.h"
#include "profiles/catalogue/profile_catalogue.h"
#include "profiles/leading_number.h"
#include "profiles/output_dialog_texts.h"
#include "profiles/output_name.h"
#include "profiles/trim_spaces.h"

namespace veltrano {

namespace Texts = OutputDialogTexts;

namespace {

constexpr int kMinimumDimension = 16;
constexpr int kMaximumDimension = 5000;

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsAllDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

bool KeepsAfterRule(GridItem item, const QString& value) {
    switch (item) {
        case GridItem::VideoBitrate:
        case GridItem::AudioBitrate:
            return IsBitrateForm(value);
        case GridItem::SampleRate:
            return IsSampleRateForm(value);
        case GridItem::FrameRate:
            return IsFrameRateForm(value);
        case GridItem::AspectRate:
            return IsAspectForm(value);
        default:
            return true;
    }
}

}  // namespace

std::optional<QChar> FilterDimensionKey(QChar key) {
    constexpr char16_t kBackspace = 0x08;
    if (IsAsciiDigit(key) || key.unicode() == kBackspace) {
        return key;
    }
    return std::nullopt;
}

QString NormalizeDimensionText(const QString& text) {
    const qint64 value = LeadingNumber(text);
    if (value < kMinimumDimension) {
        return QString::number(kMinimumDimension);
    }
    if (value > kMaximumDimension) {
        return QString::number(kMaximumDimension);
    }
    if (value % 2 != 0) {
        return QString::number(value + 1);
    }
    // An even number in range keeps its text as typed; anything pasted after the digits is
    // dropped so that the box always holds a plain number once it has lost the focus.
    return IsAllDigits(text) ? text : QString::number(value);
}

bool OutputSettings::SizeBoxesEnabled() const {
    return SizeChoice == Texts::kCustomSizeRow;
}

int OutputSettings::DialogWidthTwips() const {
    return AdvancedExpanded ? Texts::kWideWidthTwips : Texts::kNarrowWidthTwips;
}

int OutputSettings::DialogWidthPixels() const {
    return DialogWidthTwips() / kTwipsPerPixel;
}

QString OutputSettings::MoreButtonCaption() const {
    return QString::fromUtf8(AdvancedExpanded ? Texts::kMoreExpanded : Texts::kMoreCollapsed);
}

DialogFocus OutputSettings::SelectSizeRow(int row) {
    if (row < 0 || row >= static_cast<int>(Texts::kSizeRows.size())) {
        return DialogFocus::None;
    }
    SizeChoice = row;
    if (row == Texts::kAutoSizeRow) {
        Width.clear();
        Height.clear();
        return DialogFocus::None;
    }
    const QString caption = QString::fromUtf8(Texts::kSizeRows[static_cast<size_t>(row)]);
    if (caption == QLatin1String("Custom...")) {
        return DialogFocus::WidthBox;  // the boxes keep their texts
    }
    const qsizetype cross = caption.indexOf(QLatin1String(" x "));
    Width = QString::number(LeadingNumber(caption));
    Height = QString::number(LeadingNumber(QStringView(caption).mid(cross + 3)));
    return DialogFocus::None;
}

void OutputSettings::NormalizeDimension(DimensionBox box) {
    QString& text = box == DimensionBox::Width ? Width : Height;
    text = NormalizeDimensionText(text);
}

void OutputSettings::SelectVideoQuality(int row) {
    VideoQuality = row;
    VideoBitrate = QString::fromUtf8(Texts::kAuto);
}

void OutputSettings::SelectAudioQuality(int row) {
    AudioQuality = row;
    AudioBitrate = QString::fromUtf8(Texts::kAuto);
    SampleRate = QString::fromUtf8(Texts::kAuto);
}

void OutputSettings::ResetToProfileDefaults() {
    SelectSizeRow(Texts::kAutoSizeRow);
    SelectVideoQuality(Texts::kNormalQualityRow);
    SelectAudioQuality(Texts::kNormalQualityRow);
    const QString autoText = QString::fromUtf8(Texts::kAuto);
    VideoBitrate = autoText;
    FrameRate = autoText;
    AspectRate = autoText;
    AudioBitrate = autoText;
    SampleRate = autoText;
    Channels = 0;
    // Unticking "Remove Audio" also lifts the lock on the audio items.
    RemoveAudio = false;
}

DialogFocus OutputSettings::ApplyProfile(const OutputProfile& profile) {
    FormatCaption = profile.Caption;
    FormatKey = profile.FormatKey;
    ResetToProfileDefaults();
    DialogFocus focus = DialogFocus::None;
    if (profile.Size) {
        focus = SelectSizeRow(Texts::kCustomSizeRow);
        Width = profile.Size->Width;
        Height = profile.Size->Height;
    }
    if (profile.FrameRate) {
        FrameRate = *profile.FrameRate;
    }
    if (profile.AudioBitrate) {
        AudioBitrate = *profile.AudioBitrate;
    }
    if (profile.Channels) {
        Channels = *profile.Channels;
    }
    FilenameExtension = ExtensionForFormatKey(FormatKey);
    return focus;
}

void OutputSettings::ToggleAdvanced() {
    AdvancedExpanded = !AdvancedExpanded;
}

QString* OutputSettings::FreeTextField(GridItem item) {
    switch (item) {
        case GridItem::VideoBitrate:
            return &VideoBitrate;
        case GridItem::FrameRate:
            return &FrameRate;
        case GridItem::AspectRate:
            return &AspectRate;
        case GridItem::AudioBitrate:
            return &AudioBitrate;
        case GridItem::SampleRate:
            return &SampleRate;
        default:
            return nullptr;
    }
}

QString OutputSettings::GridText(GridItem item) const {
    switch (item) {
        case GridItem::FilenameExtension:
            return FilenameExtension;
        case GridItem::Channels:
            return Channels == 0 ? QString::fromUtf8(Texts::kAuto) : QString::number(Channels);
        case GridItem::RemoveAudio:
            return RemoveAudio ? QStringLiteral("True") : QStringLiteral("False");
        case GridItem::VideoBitrate:
            return VideoBitrate;
        case GridItem::FrameRate:
            return FrameRate;
        case GridItem::AspectRate:
            return AspectRate;
        case GridItem::AudioBitrate:
            return AudioBitrate;
        case GridItem::SampleRate:
            return SampleRate;
    }
    return {};
}

bool OutputSettings::IsGridItemLocked(GridItem item) const {
    return RemoveAudio && IsAudioItem(item);
}

bool OutputSettings::EditGridText(GridItem item, const QString& text) {
    QString* field = FreeTextField(item);
    if (field == nullptr || IsGridItemLocked(item)) {
        return false;
    }
    *field = text;
    NormalizeGridValue(item);
    return true;
}

bool OutputSettings::EditChannels(int channels) {
    if (IsGridItemLocked(GridItem::Channels) || channels < 0 || channels > 2) {
        return false;
    }
    Channels = channels;
    NormalizeGridValue(GridItem::Channels);
    return true;
}

void OutputSettings::EditRemoveAudio(bool remove) {
    RemoveAudio = remove;
    NormalizeGridValue(GridItem::RemoveAudio);
}

void OutputSettings::NormalizeGridValue(GridItem changed) {
    // The audio lock follows RemoveAudio itself (IsGridItemLocked), so ticking or unticking
    // needs no separate step and leaves the audio values as they are.
    const QString autoText = QString::fromUtf8(Texts::kAuto);
    if (QString* field = FreeTextField(changed)) {
        *field = TrimSpaces(*field);
        if (field->isEmpty()) {
            *field = autoText;
        }
    }
    for (GridItem item : kFreeTextItems) {
        QString& value = *FreeTextField(item);
        if (value != autoText && !KeepsAfterRule(item, value)) {
            value = autoText;
        }
    }
}

void OutputSettings::SelectJoinMode(JoinMode mode) {
    Mode = mode;
    if (mode == JoinMode::DirectCopy && AdvancedExpanded) {
        ToggleAdvanced();  // collapse exactly as the "More" button does
    }
}

void OutputSettings::SetFileNameText(const QString& text) {
    FileNameText = FilterFileName(text);
}

void OutputSettings::ProposeOutputName(const QString& firstRowPath) {
    if (const std::optional<QString> proposal = DefaultOutputName(firstRowPath)) {
        SetFileNameText(*proposal);
    }
}

}  // namespace veltrano

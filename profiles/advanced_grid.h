#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace veltrano {

// The items of the advanced settings grid, in display order.
enum class GridItem {
    FilenameExtension,
    VideoBitrate,
    FrameRate,
    AspectRate,
    AudioBitrate,
    SampleRate,
    Channels,
    RemoveAudio,
};

enum class GridItemKind {
    ReadOnlyText,  // shown, never edited by the user
    EditableList,  // suggested values plus free typing
    ChoiceList,    // one of the listed values only
    CheckBox,
};

// One choice of a ChoiceList item: what the grid shows and the number it stands for.
struct GridChoice {
    QString Caption;
    int Value = 0;
};

struct GridItemSpec {
    GridItem Item;
    QString Caption;
    QString HelpText;  // empty when the item has none
    GridItemKind Kind;
    QStringList Values;               // suggested values of an EditableList, in order
    std::vector<GridChoice> Choices;  // the choices of a ChoiceList, in order
    QString InitialValue;             // as the grid shows it when built
    std::optional<int> Id;            // only "Remove Audio" carries one
};

struct GridCategorySpec {
    QString Caption;
    std::vector<GridItemSpec> Items;
};

// "Remove Audio" is recognised by this identifier when its value changes.
inline constexpr int kRemoveAudioItemId = 100;

// The three categories and eight items, as the grid widget builds them.
std::vector<GridCategorySpec> AdvancedGridLayout();
// What the grid shows of one item (caption, help text, lists).
GridItemSpec GridItemInfo(GridItem item);

// The five free-text items in the order their rules run.
inline constexpr GridItem kFreeTextItems[] = {GridItem::VideoBitrate, GridItem::AudioBitrate,
                                              GridItem::SampleRate, GridItem::FrameRate,
                                              GridItem::AspectRate};
bool IsFreeTextItem(GridItem item);
// Locked against user edits while "Remove Audio" is ticked.
bool IsAudioItem(GridItem item);

// Value forms that survive normalisation besides "Auto" (whole-text matches).
// Decimal digits, optionally followed by one final "k" or "K"; "k" alone counts.
bool IsBitrateForm(const QString& value);
// Decimal digits only.
bool IsSampleRateForm(const QString& value);
// A plain decimal number: digits with at most one decimal point, at least one digit.
bool IsFrameRateForm(const QString& value);
// Digits with exactly one colon anywhere ("16:9", ":9", "16:").
bool IsAspectForm(const QString& value);

}  // namespace veltrano

#pragma once

#include <QChar>
#include <QString>
#include <optional>

#include "profiles/advanced_grid.h"
#include "profiles/catalogue/output_profile.h"

namespace veltrano {

enum class JoinMode { DirectCopy, Convert };

// Where the dialog should put the keyboard focus after an operation.
enum class DialogFocus { None, WidthBox };

enum class DimensionBox { Width, Height };

// The output settings dialog's current choice and the rules that keep its controls
// consistent. Plain values: the dialog window renders them and forwards user actions to the
// operations below; the parameter builder reads them. Fields may also be set directly (tests,
// command-line front end); the operations are what the dialog's controls do.
//
// The initial values are the state of a freshly loaded dialog: profile
// "MP4 - H264 Video (*.mp4)" without a reset, size "Auto", qualities "Normal", grid collapsed,
// and direct stream copy selected, as on the dialog's first showing.
struct OutputSettings {
    // Profile.
    QString FormatKey = QStringLiteral("mp4h264");
    QString FormatCaption = QStringLiteral("MP4 - H264 Video (*.mp4)");

    // Size and quality lists.
    int SizeChoice = 0;    // row of the size list, 0 "Auto" .. 15 "Custom..."
    QString Width;         // width box text
    QString Height;        // height box text
    int VideoQuality = 1;  // 0 High, 1 Normal, 2 Low
    int AudioQuality = 1;

    // Advanced grid.
    QString FilenameExtension = QStringLiteral("mp4");
    QString VideoBitrate = QStringLiteral("Auto");
    QString FrameRate = QStringLiteral("Auto");
    QString AspectRate = QStringLiteral("Auto");
    QString AudioBitrate = QStringLiteral("Auto");
    QString SampleRate = QStringLiteral("Auto");
    int Channels = 0;  // 0 is shown as "Auto"
    bool RemoveAudio = false;

    JoinMode Mode = JoinMode::DirectCopy;

    // Output name and folder boxes.
    QString FileNameText = QStringLiteral("Join");
    QString FolderText;

    bool AdvancedExpanded = false;

    // --- Derived control states ---
    bool SizeBoxesEnabled() const;
    // Format box, size and quality lists, "More" button and their group.
    bool ConvertControlsEnabled() const { return Mode == JoinMode::Convert; }
    bool GridVisible() const { return AdvancedExpanded; }
    int DialogWidthTwips() const;
    int DialogWidthPixels() const;
    QString MoreButtonCaption() const;

    // --- Size and quality ---
    // The size list's selection changed (by the user or by code). Rows outside 0..15 are
    // ignored.
    DialogFocus SelectSizeRow(int row);
    // A dimension box lost the focus.
    void NormalizeDimension(DimensionBox box);
    void SelectVideoQuality(int row);
    void SelectAudioQuality(int row);
    void ResetToProfileDefaults();

    // --- Profile ---
    // The user chose a catalogue entry: reset, then the profile's own values.
    DialogFocus ApplyProfile(const OutputProfile& profile);

    // --- Advanced grid ---
    void ToggleAdvanced();
    // Text of an item as the grid shows it ("Auto", "1", "2" for channels; "True"/"False").
    QString GridText(GridItem item) const;
    bool IsGridItemLocked(GridItem item) const;
    // The user typed or picked a value. Refused (false) for a locked or read-only item and
    // for "Channels"/"Remove Audio", which have their own setters. Runs NormalizeGridValue.
    bool EditGridText(GridItem item, const QString& text);
    // The user picked a channel choice (0, 1 or 2); refused while locked or out of range.
    bool EditChannels(int channels);
    // The user ticked or unticked "Remove Audio".
    void EditRemoveAudio(bool remove);
    // After any user change of an item: trims the changed free-text item (empty becomes
    // "Auto") and passes all five free-text items through their rules.
    void NormalizeGridValue(GridItem changed);

    // --- Join mode ---
    void SelectJoinMode(JoinMode mode);

    // --- Output name ---
    // Every change of the name box goes through here: refused characters are removed.
    void SetFileNameText(const QString& text);
    // Run whenever the dialog is shown: proposes a name from the first row's path, if any.
    void ProposeOutputName(const QString& firstRowPath);

private:
    QString* FreeTextField(GridItem item);
};

// The filter on a typed key of a dimension box: digits and Backspace pass, others are dropped.
std::optional<QChar> FilterDimensionKey(QChar key);
// The text a dimension box holds after losing the focus: an even number from 16 to 5000.
QString NormalizeDimensionText(const QString& text);

}  // namespace veltrano

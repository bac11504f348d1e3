#pragma once

#include <QtGlobal>
#include <array>

namespace veltrano {

// Every caption and message of the output settings dialog that its logic decides, kept in one
// place so that the dialog window, the tests and the command-line front end agree. They stay
// English here (the logic and the command line read them); the window translates what it shows
// with the context "Settings". kAuto and the file names are values, never translated.
namespace OutputDialogTexts {

inline constexpr const char* kAuto = "Auto";  // marks a value the parameter builder chooses

// Size list rows; SelectSizeRow reads each row's width and height from its caption.
inline constexpr std::array<const char*, 16> kSizeRows = {
    QT_TRANSLATE_NOOP("Settings", "Auto"),
    "128 x 96 (sqcif)",
    "176 x 144 (qcif)",
    "320 x 240 (qvga)",
    "352 x 240",
    "352 x 288 (cif)",
    "480 x 320",
    "640 x 480 (vga)",
    "720 x 480 (NTSC)",
    "704 x 576 (4cif)",
    "720 x 576 (PAL)",
    "800 x 600",
    "1024 x 576",
    "1280 x 720",
    "1920 x 1080",
    QT_TRANSLATE_NOOP("Settings", "Custom...")};
inline constexpr int kAutoSizeRow = 0;
inline constexpr int kCustomSizeRow = 15;

// Shared by the video and the audio quality list.
inline constexpr std::array<const char*, 3> kQualityRows = {
    QT_TRANSLATE_NOOP("Settings", "High (larger file size)"),
    QT_TRANSLATE_NOOP("Settings", "Normal"),
    QT_TRANSLATE_NOOP("Settings", "Low (smaller file size)")};
inline constexpr int kNormalQualityRow = 1;

inline constexpr const char* kOptionDirectCopy = QT_TRANSLATE_NOOP(
    "Settings", "Direct stream copy. Keep original format. (All files must be same format)");
inline constexpr const char* kOptionConvert =
    QT_TRANSLATE_NOOP("Settings", "Convert to another format");

inline constexpr const char* kMoreCollapsed = QT_TRANSLATE_NOOP("Settings", "More >>");
inline constexpr const char* kMoreExpanded = QT_TRANSLATE_NOOP("Settings", "More <<");
inline constexpr int kNarrowWidthTwips = 7305;
inline constexpr int kWideWidthTwips = 12270;

inline constexpr const char* kInitialFileName = "Join";
inline constexpr const char* kProposedNameSuffix = "-join";

inline constexpr const char* kErrorTitle = QT_TRANSLATE_NOOP("Settings", "Error");
inline constexpr const char* kInvalidFileName = QT_TRANSLATE_NOOP("Settings", "Invalid file name!");
inline constexpr const char* kInvalidPath = QT_TRANSLATE_NOOP("Settings", "Invalid path!");
inline constexpr const char* kNotSameFormatTitle = QT_TRANSLATE_NOOP("Settings", "Not same format");
inline constexpr const char* kNotSameFormat = QT_TRANSLATE_NOOP(
    "Settings", "To use the 'Direct copy stream' function, all video files must be same format");
// Joining into one of the inputs would overwrite it while it is still being read.
inline constexpr const char* kOutputIsSource =
    QT_TRANSLATE_NOOP("Settings",
                      "The output file is one of the files to join. Please choose "
                      "another name or folder.");
// An existing output is only replaced when the user says so.
inline constexpr const char* kReplaceOutputTitle = QT_TRANSLATE_NOOP("Settings", "Output Settings");
inline constexpr const char* kReplaceOutput =
    QT_TRANSLATE_NOOP("Settings", "The output file already exists. Do you want to replace it?");

}  // namespace OutputDialogTexts

}  // namespace veltrano

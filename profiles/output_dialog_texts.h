#pragma once

#include <array>

namespace veltrano {

// Every caption and message of the output settings dialog that its logic decides, kept in one
// place so that the dialog window, the tests and the command-line front end agree.
namespace OutputDialogTexts {

inline constexpr const char* kAuto = "Auto";  // marks a value the parameter builder chooses

// Size list rows; SelectSizeRow reads each row's width and height from its caption.
inline constexpr std::array<const char*, 16> kSizeRows = {"Auto",
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
                                                          "Custom..."};
inline constexpr int kAutoSizeRow = 0;
inline constexpr int kCustomSizeRow = 15;

// Shared by the video and the audio quality list.
inline constexpr std::array<const char*, 3> kQualityRows = {"High (larger file size)", "Normal",
                                                            "Low (smaller file size)"};
inline constexpr int kNormalQualityRow = 1;

inline constexpr const char* kOptionDirectCopy =
    "Direct stream copy. Keep original format. (All files must be same format)";
inline constexpr const char* kOptionConvert = "Convert to another format";

inline constexpr const char* kMoreCollapsed = "More >>";
inline constexpr const char* kMoreExpanded = "More <<";
inline constexpr int kNarrowWidthTwips = 7305;
inline constexpr int kWideWidthTwips = 12270;

inline constexpr const char* kInitialFileName = "Join";
inline constexpr const char* kProposedNameSuffix = "-join";

inline constexpr const char* kErrorTitle = "Error";
inline constexpr const char* kInvalidFileName = "Invalid file name!";
inline constexpr const char* kInvalidPath = "Invalid path!";
inline constexpr const char* kNotSameFormatTitle = "Not same format";
inline constexpr const char* kNotSameFormat =
    "To use the 'Direct copy stream' function, all video files must be same format";
// Joining into one of the inputs would overwrite it while it is still being read.
inline constexpr const char* kOutputIsSource =
    "The output file is one of the files to join. Please choose another name or folder.";
// An existing output is only replaced when the user says so.
inline constexpr const char* kReplaceOutputTitle = "Output Settings";
inline constexpr const char* kReplaceOutput =
    "The output file already exists. Do you want to replace it?";

}  // namespace OutputDialogTexts

}  // namespace veltrano

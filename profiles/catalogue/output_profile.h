#pragma once

#include <QString>
#include <optional>

namespace veltrano {

// Width and height texts exactly as a profile puts them into the size boxes.
struct ProfileSize {
    QString Width;
    QString Height;

    bool operator==(const ProfileSize&) const = default;
};

// One entry of the output profile menu. Absent optionals leave the value at "Auto".
struct OutputProfile {
    int CommandId = 0;
    QString CommandName;  // "ID_IPHONEHVIDEO"
    QString Caption;      // shown verbatim in the format box, double blanks included
    QString Group;        // "General Video Format" or the device sub-menu caption
    QString FormatKey;    // "mp4h264", "3gp", ...
    std::optional<ProfileSize> Size;
    std::optional<QString> FrameRate;     // "15", "23.97", "25", "29.97", "30"
    std::optional<QString> AudioBitrate;  // "96k", "160k", "192k"
    std::optional<int> Channels;          // only ever 2
};

}  // namespace veltrano

#pragma once

#include <span>

namespace veltrano {

// The built-in catalogue rows, in menu order. Read only by ProfileCatalogue.
struct ProfileTableRow {
    int CommandId;
    const char* CommandName;
    const char* Caption;
    const char* Group;
    const char* FormatKey;
    const char* Width;  // nullptr: size stays "Auto"
    const char* Height;
    const char* FrameRate;     // nullptr: "Auto"
    const char* AudioBitrate;  // nullptr: "Auto"
    int Channels;              // 0: "Auto"
};

std::span<const ProfileTableRow> ProfileTable();

}  // namespace veltrano

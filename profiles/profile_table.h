#pragma once

#include <span>

namespace veltrano {

// The built-in catalogue rows, in menu order. Read only by ProfileCatalogue.
struct ProfileTableRow {
    int commandId;
    const char* commandName;
    const char* caption;
    const char* group;
    const char* formatKey;
    const char* width;  // nullptr: size stays "Auto"
    const char* height;
    const char* frameRate;     // nullptr: "Auto"
    const char* audioBitrate;  // nullptr: "Auto"
    int channels;              // 0: "Auto"
};

std::span<const ProfileTableRow> ProfileTable();

}  // namespace veltrano

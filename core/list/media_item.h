#pragma once

#include <QString>

namespace veltrano {

// One row of the join list. Every visible field is kept as the text the list shows;
// only the duration is kept a second time as a number, for the totals.
struct MediaItem {
    QString SourcePath;     // "File Name": the full path as it was added
    QString TypeText;       // "Type": upper-case extension without the dot
    QString DurationText;   // "Duration": hh:mm:ss
    QString VideoSizeText;  // "Video Size": "640 X 480"
    QString FileSizeText;   // "File Size": "1,234.6 MB"
    QString ModifiedText;   // "Modified": "YYYY/MM/DD hh:mm:ss"
    QString VideoCodec;     // "Video Codec": the engine's short codec name
    QString AudioCodec;     // "Audio Codec"
    double DurationSeconds = 0.0;

    bool operator==(const MediaItem&) const = default;
};

}  // namespace veltrano

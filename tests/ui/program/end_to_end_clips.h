#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "tests/support/media_tools.h"

namespace veltrano {

// What both end-to-end joins start from: two H.264+AAC clips of 2 s and 3 s at 320x240 in the
// work folder, and an empty output folder "out" beside them.
struct EndToEndClips {
    QString First;
    QString Second;
    QString OutFolder;  // ends with "/"
};

inline std::optional<EndToEndClips> MakeEndToEndClips(const QTemporaryDir& work) {
    const QStringList h264{"-c:v",     "libx264", "-preset", "ultrafast",
                           "-pix_fmt", "yuv420p", "-c:a",    "aac"};
    EndToEndClips clips{work.filePath("part1.mp4"), work.filePath("part2.mp4"),
                        work.filePath("out") + QLatin1Char('/')};
    if (!media_tools::MakeClip(clips.First, 2.0, 320, 240, "25", h264) ||
        !media_tools::MakeClip(clips.Second, 3.0, 320, 240, "25", h264) ||
        !QDir(work.path()).mkdir(QStringLiteral("out"))) {
        return std::nullopt;
    }
    return clips;
}

}  // namespace veltrano

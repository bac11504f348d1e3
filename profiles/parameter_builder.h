#pragma once

#include <QString>
#include <span>

#include "core/list/media_item.h"
#include "profiles/output_settings.h"

namespace veltrano {

// The engine option string and the output file's extension.
struct BuiltParameters {
    QString EngineParameters;
    QString OutputExtension;

    bool operator==(const BuiltParameters&) const = default;
};

// The automatic picture size from the join list: the size option (" -s WxH" or empty) and the
// pixel count the automatic video bitrate assumes.
struct ListSize {
    QString SizeOption;
    qint64 PixelCount = 0;

    bool operator==(const ListSize&) const = default;
};

inline constexpr const char* kDirectCopyParameters = "-vcodec copy -acodec copy -join";
// Appended to the engine string to leave out the chapters where the files meet.
inline constexpr const char* kNoChaptersParameters = "-map_chapters -1";

// Pure: the same settings and rows always give the same result. In direct copy the extension
// is the first row's, in lower case. A format key outside the catalogue's vocabulary gives an
// empty result (no parameters, no extension), which no dialog choice can reach.
BuiltParameters BuildEngineParameters(const OutputSettings& settings,
                                      std::span<const MediaItem> rows);

// Walks the "Video Size" texts in list order. The first sized row seeds the minimum without a
// size option; a later, strictly smaller row writes its size. Rows without a picture ("0 X 0",
// an audio-only file) are skipped like rows without a size, so they can never make the size
// or the automatic bitrate zero.
ListSize SmallestListSize(std::span<const MediaItem> rows);

// round(pixelCount / 76800 * bitrateBase), then x1.5 for High and /1.5 for Low, each rounded
// half to even, followed by "k"; empty for a quality outside 0..2.
QString AutoVideoBitrate(qint64 pixelCount, int bitrateBase, int videoQuality);

bool IsKnownFormatKey(const QString& formatKey);

}  // namespace veltrano

#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <QString>
#include <cstdint>

namespace veltrano {

// Gives a new output stream, whose codec parameters were already copied from `in`, the rest of
// what the first file says about the stream: timing, disposition, language and title, the
// aspect ratio a player shows, rotation and other stream-wide side data. Also mends what the
// muxers would otherwise take wrongly from copied parameters.
void CopyStreamFacts(const AVFormatContext* input, const AVStream* in, AVStream* out);

// What to add to every stamp of output stream `out` that is handed to `muxer`, in the stream's
// time base: the Matroska muxer writes Opus's encoder delay into the track header, and readers
// take it off every stamp of the track, but it does not add it to what it writes, so the sound
// would come that much early against the pictures.
std::int64_t MuxerShiftFor(const QString& muxer, const AVStream* out);

}  // namespace veltrano

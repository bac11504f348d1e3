#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/copy/copy_stream_check.h"

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

// The transport stream muxer wraps raw AAC (from MP4 inputs) in ADTS headers built from the
// stream's configuration, and passes ADTS through as it is. When the first file is ADTS (no
// configuration) and a later one raw, output stream `outIndex` borrows the configuration of
// that later file's stream in the same place (`kept`: per file, the input streams in output
// order). 0, or a negative libav code.
int LendAudioConfig(AVCodecParameters* par, const QString& muxer,
                    const std::vector<CopyInputScan>& scans,
                    const std::vector<std::vector<int>>& kept, std::size_t outIndex);

}  // namespace veltrano

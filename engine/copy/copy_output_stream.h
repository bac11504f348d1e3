#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

namespace veltrano {

// Gives a new output stream, whose codec parameters were already copied from `in`, the rest of
// what the first file says about the stream: timing, disposition, language and title, the
// aspect ratio a player shows, rotation and other stream-wide side data. Also mends what the
// muxers would otherwise take wrongly from copied parameters.
void CopyStreamFacts(const AVFormatContext* input, const AVStream* in, AVStream* out);

}  // namespace veltrano

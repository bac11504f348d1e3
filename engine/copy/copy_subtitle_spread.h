#pragma once

extern "C" {
#include <libavcodec/packet.h>
#include <libavutil/avutil.h>
}

#include <cstddef>
#include <cstdint>
#include <vector>

namespace veltrano {

// Subtitle events that start together (a sign and a line of dialogue) share one stamp. The
// muxers take that, but the copy timeline keeps every stream strictly increasing: each event
// that would not follow the one before moves to one tick after it, far below anything a viewer
// sees. Events earlier than the one before are left alone, for the timeline to report.
class SubtitleSpread {
public:
    // Moves `packet` (of output stream `outIndex`, from input file `file`, input time base) if
    // it would not follow the stream's previous event of the same file.
    void Spread(std::size_t file, int outIndex, AVPacket* packet);

private:
    struct LastEvent {
        std::size_t File = 0;
        std::int64_t In = AV_NOPTS_VALUE;   // its stamp as read
        std::int64_t Out = AV_NOPTS_VALUE;  // its stamp as moved
    };
    std::vector<LastEvent> last_;  // per output stream
};

}  // namespace veltrano

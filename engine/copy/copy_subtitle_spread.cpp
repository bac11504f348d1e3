#include "engine/copy/copy_subtitle_spread.h"

namespace veltrano {

void SubtitleSpread::Spread(std::size_t file, int outIndex, AVPacket* packet) {
    const auto stream = static_cast<std::size_t>(outIndex);
    if (last_.size() <= stream) {
        last_.resize(stream + 1);
    }
    LastEvent& last = last_[stream];
    if (last.File != file) {
        last = LastEvent{file};
    }
    const std::int64_t dts = packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
    if (dts == AV_NOPTS_VALUE) {
        return;
    }
    std::int64_t moved = dts;
    // At or after the previous event as read, but not after it as moved: one tick after it.
    if (last.In != AV_NOPTS_VALUE && dts >= last.In && dts <= last.Out) {
        moved = last.Out + 1;
        const std::int64_t shift = moved - dts;
        packet->dts = packet->dts != AV_NOPTS_VALUE ? packet->dts + shift : AV_NOPTS_VALUE;
        packet->pts = packet->pts != AV_NOPTS_VALUE ? packet->pts + shift : AV_NOPTS_VALUE;
    }
    last.In = dts;
    last.Out = moved;
}

}  // namespace veltrano

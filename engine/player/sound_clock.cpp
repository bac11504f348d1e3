#include "engine/player/sound_clock.h"

#include <algorithm>

namespace veltrano {

void SoundClock::Restart() {
    writtenBytes_ = 0;
    endPts_ = 0;
    lastPosition_ = INT64_MIN;
}

void SoundClock::Wrote(std::int64_t bytes, std::int64_t endPts) {
    writtenBytes_ += std::max<std::int64_t>(0, bytes);
    endPts_ = endPts;
}

std::int64_t SoundClock::ToUs(std::int64_t bytes) const {
    return bytesPerSecond_ > 0 ? bytes * 1'000'000 / bytesPerSecond_ : 0;
}

std::int64_t SoundClock::HeldUs(std::int64_t bufferedBytes, std::int64_t processedUs) const {
    const std::int64_t writtenUs = ToUs(writtenBytes_);
    const std::int64_t held = std::max(ToUs(std::max<std::int64_t>(0, bufferedBytes)),
                                       writtenUs - std::max<std::int64_t>(0, processedUs));
    return std::clamp<std::int64_t>(held, 0, writtenUs);
}

std::int64_t SoundClock::Position(std::int64_t bufferedBytes, std::int64_t processedUs) {
    // The two figures are sampled at different moments; the picture clock must not step back.
    lastPosition_ = std::max(lastPosition_, endPts_ - HeldUs(bufferedBytes, processedUs));
    return lastPosition_;
}

}  // namespace veltrano

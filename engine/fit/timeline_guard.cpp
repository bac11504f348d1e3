#include "engine/fit/timeline_guard.h"

extern "C" {
#include <libavutil/avutil.h>
#include <libavutil/mathematics.h>
}

#include <algorithm>
#include <limits>

namespace veltrano {

namespace convert {

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

// `value` units of `timeBase` in microseconds, saturated; libav's rescale answers INT64_MIN
// when the result does not fit, which would read as a huge jump backwards.
std::int64_t ToUs(std::int64_t value, AVRational timeBase) {
    if (timeBase.num <= 0 || timeBase.den <= 0) {
        return 0;
    }
    const __int128 us = static_cast<__int128>(value) * timeBase.num * 1'000'000 / timeBase.den;
    return static_cast<std::int64_t>(std::clamp<__int128>(us, kMin, kMax));
}

}  // namespace

std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? kMax : kMin;
    }
    return sum;
}

std::int64_t SaturatingSub(std::int64_t a, std::int64_t b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) {
        return b < 0 ? kMax : kMin;
    }
    return difference;
}

TimelineGuard::TimelineGuard(const std::array<AVRational, kStreams>& timeBases)
    : timeBases_(timeBases) {}

std::int64_t TimelineGuard::Place(int stream, std::int64_t ts, std::int64_t duration) {
    const AVRational timeBase = timeBases_[stream];
    duration = std::max<std::int64_t>(duration, 0);
    std::int64_t durationUs = ToUs(duration, timeBase);
    if (durationUs > kSlackUs) {
        // No one frame is believed to last longer than the slack for a gap.
        duration = av_rescale_q_rnd(kSlackUs, AV_TIME_BASE_Q, timeBase, AV_ROUND_DOWN);
        durationUs = ToUs(duration, timeBase);
    }
    const std::int64_t expected = started_[stream] ? end_[stream] : 0;
    std::int64_t placed = ts == AV_NOPTS_VALUE ? expected : SaturatingAdd(ts, shift_[stream]);
    const std::int64_t gapUs = ToUs(SaturatingSub(placed, expected), timeBase);
    const bool backed =
        gapUs >= -kSlackUs && SaturatingAdd(gapsUs_[stream], std::max<std::int64_t>(gapUs, 0)) <=
                                  SaturatingAdd(ContentUs(), kSlackUs);
    if (!backed) {
        shift_[stream] = SaturatingSub(expected, ts);
        placed = expected;
    } else if (gapUs > 0) {
        gapsUs_[stream] += gapUs;
    }
    end_[stream] = started_[stream] ? std::max(end_[stream], SaturatingAdd(placed, duration))
                                    : SaturatingAdd(placed, duration);
    started_[stream] = true;
    decodedUs_[stream] = SaturatingAdd(decodedUs_[stream], durationUs);
    return placed;
}

std::int64_t TimelineGuard::EndUs(int stream) const {
    return ToUs(end_[stream], timeBases_[stream]);
}

std::int64_t TimelineGuard::HeldUs() const {
    std::int64_t held = 0;
    for (int stream = 0; stream < kStreams; ++stream) {
        held = std::max(held, EndUs(stream));
    }
    return held;
}

std::int64_t TimelineGuard::ContentUs() const {
    return *std::max_element(decodedUs_.begin(), decodedUs_.end());
}

std::int64_t BoundFrameDuration(std::int64_t duration, std::int64_t frameDuration) {
    duration = std::max<std::int64_t>(duration, 0);
    return frameDuration > 0 ? std::min(duration, frameDuration) : duration;
}

std::int64_t BackedLengthUs(std::int64_t statedUs, std::int64_t heldUs) {
    return std::min(statedUs, std::max<std::int64_t>(heldUs, 0));
}

}  // namespace convert

}  // namespace veltrano

#pragma once

extern "C" {
#include <libavutil/rational.h>
}

#include <array>
#include <cstdint>

namespace veltrano {

namespace convert {

// How far a segment's timestamps can be trusted. One damaged field (a cluster's time, a page's
// granule, a fragment's start, a default duration) can put a frame centuries after the one
// before it, and filling that gap would write pictures and silence until the disk is full. A
// real recording's gaps are short next to what it holds (a sound that starts late, a dropped
// second): the gaps a stream keeps add up to at most what the segment decoded so far plus
// kSlackUs. A longer jump, forwards or backwards, is damage: it is closed, so the frame follows
// the one before it and every later frame moves by the same amount.
class TimelineGuard {
public:
    static constexpr int kStreams = 2;  // the segment's video and audio
    static constexpr std::int64_t kSlackUs = 5'000'000;

    // Time bases of the streams, in the order Place numbers them.
    explicit TimelineGuard(const std::array<AVRational, kStreams>& timeBases);

    // A frame (or packet) of `stream` stamped `ts` from the segment's start (AV_NOPTS_VALUE
    // when it has none), lasting `duration`, both in the stream's time base. Returns its stamp
    // on the segment's timeline: `ts` itself unless a jump was closed here or before. A
    // duration counts for at most kSlackUs.
    std::int64_t Place(int stream, std::int64_t ts, std::int64_t duration);

    // Where the stream's frames end on the segment's timeline, in its time base / microseconds.
    std::int64_t End(int stream) const { return end_[stream]; }
    std::int64_t EndUs(int stream) const;
    // The furthest any stream reaches, in microseconds.
    std::int64_t HeldUs() const;
    // What the stream decoded (the sum of its frames' durations) and the gaps it kept, in µs.
    std::int64_t DecodedUs(int stream) const { return decodedUs_[stream]; }
    std::int64_t GapsUs(int stream) const { return gapsUs_[stream]; }
    // The most one stream has decoded so far, in microseconds.
    std::int64_t ContentUs() const;

private:
    std::array<AVRational, kStreams> timeBases_;
    std::array<std::int64_t, kStreams> shift_{};  // added to every later stamp, stream units
    std::array<std::int64_t, kStreams> end_{};    // stream units
    std::array<std::int64_t, kStreams> decodedUs_{};
    std::array<std::int64_t, kStreams> gapsUs_{};
    std::array<bool, kStreams> started_{};
};

// A frame's duration as far as its stream's frame rate backs it: at most one frame of the
// stream's nominal `frameDuration` (both in the stream's time base; a nominal duration of 0 or
// less leaves it unbounded), never negative.
std::int64_t BoundFrameDuration(std::int64_t duration, std::int64_t frameDuration);

// The length a segment can claim for a stream it did not decode: its container's `statedUs`,
// cut to `heldUs`, what the file was seen to hold.
std::int64_t BackedLengthUs(std::int64_t statedUs, std::int64_t heldUs);

// Sums and differences of 64-bit stamps that stop at the ends of the range instead of
// wrapping (damaged stamps come close to them).
std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b);
std::int64_t SaturatingSub(std::int64_t a, std::int64_t b);

}  // namespace convert

}  // namespace veltrano

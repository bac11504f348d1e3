// The conversion timeline's trust in an input's stamps: arbitrary frame stamps, durations and
// a stated duration go through TimelineGuard as ConvertSegment feeds it, and the length the
// segment then asks the timeline to fill must stay within what was decoded plus what real gaps
// justify (the gaps kept never add up to more than the content plus the slack).
//
// Input: 4 header bytes (video time base, audio time base, frame rate, which streams are
// decoded), 8 bytes of stated duration (µs), then records of 17 bytes: stream (low bit), 8
// bytes stamp (0x8000000000000000 is "no stamp"), 8 bytes duration.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" {
#include <libavutil/avutil.h>
#include <libavutil/mathematics.h>
}

#include "engine/fit/timeline_guard.h"

namespace {

using veltrano::convert::TimelineGuard;

constexpr std::array<AVRational, 6> kVideoTimeBases{
    {{1, 1000}, {1, 12800}, {1, 90000}, {1, 25}, {1001, 30000}, {1, 1000000000}}};
constexpr std::array<AVRational, 4> kAudioTimeBases{{{1, 44100}, {1, 48000}, {1, 1000}, {1, 8000}}};
constexpr std::array<AVRational, 5> kFrameRates{{{25, 1}, {30000, 1001}, {60, 1}, {1, 5}, {24, 1}}};

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Has(std::size_t bytes) const { return size_ - at_ >= bytes; }
    std::uint8_t Byte() { return Has(1) ? data_[at_++] : 0; }
    std::int64_t Int64() {
        std::uint64_t value = 0;
        if (Has(8)) {
            std::memcpy(&value, data_ + at_, 8);
            at_ += 8;
        }
        return static_cast<std::int64_t>(value);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::int64_t ToUs(std::int64_t value, AVRational timeBase) {
    const __int128 us = static_cast<__int128>(value) * timeBase.num * 1'000'000 / timeBase.den;
    return static_cast<std::int64_t>(std::clamp<__int128>(us, INT64_MIN, INT64_MAX));
}

void Check(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    const std::array<AVRational, TimelineGuard::kStreams> timeBases{
        kVideoTimeBases[in.Byte() % kVideoTimeBases.size()],
        kAudioTimeBases[in.Byte() % kAudioTimeBases.size()]};
    const AVRational rate = kFrameRates[in.Byte() % kFrameRates.size()];
    const std::uint8_t decodedBits = in.Byte();
    const std::array<bool, TimelineGuard::kStreams> decoded{(decodedBits & 1) != 0,
                                                            (decodedBits & 2) != 0};
    const std::int64_t statedUs = in.Int64();

    TimelineGuard guard(timeBases);
    const std::int64_t nominal =
        std::max<std::int64_t>(1, av_rescale_q(1, av_inv_q(rate), timeBases[0]));
    // What the fuzzer itself counts: the durations the guard is given, as it bounds them.
    std::array<std::int64_t, TimelineGuard::kStreams> sumUs{};
    std::int64_t frames = 0;
    while (in.Has(17)) {
        const int stream = in.Byte() & 1;
        const std::int64_t ts = in.Int64();
        std::int64_t duration = in.Int64();
        if (stream == 0) {
            // As ConvertSegment does for pictures and for the packets of a video not decoded.
            duration =
                veltrano::convert::BoundFrameDuration(duration > 0 ? duration : nominal, nominal);
        } else if (decoded[1]) {
            // Decoded sound lasts its samples: at most a few seconds a frame.
            duration = av_rescale_q(duration & 0x3ffff, {1, 48000}, timeBases[1]);
        }
        const std::int64_t placed = guard.Place(stream, ts, duration);
        Check(ts == AV_NOPTS_VALUE || placed == ts || placed <= guard.End(stream));
        const std::int64_t bounded =
            std::clamp<std::int64_t>(ToUs(std::max<std::int64_t>(duration, 0), timeBases[stream]),
                                     0, TimelineGuard::kSlackUs);
        sumUs[stream] += bounded;
        ++frames;
        Check(guard.DecodedUs(stream) <= sumUs[stream] + 1);
    }
    const std::int64_t contentUs = std::max(sumUs[0], sumUs[1]);
    // Rounding to microseconds may lose up to one per frame and gap.
    const std::int64_t tolerance = 2 * frames + 2;
    for (int stream = 0; stream < TimelineGuard::kStreams; ++stream) {
        Check(guard.GapsUs(stream) <= contentUs + TimelineGuard::kSlackUs);
        Check(guard.EndUs(stream) <= sumUs[stream] + guard.GapsUs(stream) + tolerance);
    }

    // What ConvertSegment hands to the timeline's EndSegment, and the pictures it then plans.
    const std::int64_t backedUs = veltrano::convert::BackedLengthUs(statedUs, guard.HeldUs());
    Check(backedUs <= guard.HeldUs());
    const std::int64_t videoUs = decoded[0] ? guard.EndUs(0) : backedUs;
    const std::int64_t lengthUs = std::max({videoUs, guard.EndUs(1), std::int64_t{0}});
    const std::int64_t limitUs = 2 * contentUs + TimelineGuard::kSlackUs + tolerance;
    Check(lengthUs <= limitUs);
    const std::int64_t planned = av_rescale_q(lengthUs, AV_TIME_BASE_Q, av_inv_q(rate));
    Check(planned <= av_rescale_q(limitUs, AV_TIME_BASE_Q, av_inv_q(rate)) + 1);
    return 0;
}

#pragma once

#include <cstdint>

namespace veltrano {

// Where the sample being heard is: the time of the last sound written to the device, less
// what the device still holds. Two figures say how much it holds and each can miss a part:
// the sink's own buffer (bufferSize - bytesFree) misses what the sound server and the card
// hold past it (40 to 90 ms on PulseAudio); the processed time misses nothing on PulseAudio
// (Qt 6.4 takes the server's read index less the sink's latency there) but elsewhere may
// count what was merely written. The larger hold is the truer one. Pure arithmetic, so it
// is tested without a device.
class SoundClock {
public:
    explicit SoundClock(int bytesPerSecond) : bytesPerSecond_(bytesPerSecond) {}

    // The device started again with nothing in it (after opening or a seek).
    void Restart();
    // `bytes` more went to the device; the last of them ends at `endPts`.
    void Wrote(std::int64_t bytes, std::int64_t endPts);
    bool HasClock() const { return writtenBytes_ > 0; }
    // `bufferedBytes`: what the sink holds; `processedUs`: what the device reports played
    // since the restart. Never goes back between restarts.
    std::int64_t Position(std::int64_t bufferedBytes, std::int64_t processedUs);
    // Microseconds written but not yet heard.
    std::int64_t HeldUs(std::int64_t bufferedBytes, std::int64_t processedUs) const;

private:
    std::int64_t ToUs(std::int64_t bytes) const;

    int bytesPerSecond_ = 0;
    std::int64_t writtenBytes_ = 0;
    std::int64_t endPts_ = 0;
    std::int64_t lastPosition_ = INT64_MIN;
};

}  // namespace veltrano

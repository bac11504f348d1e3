#pragma once

#include <QByteArray>
#include <cstdint>
#include <memory>

#include "engine/player/player_queues.h"
#include "engine/player/player_session.h"
#include "engine/player/sound_clock.h"
#include "engine/player/sound_sink.h"

namespace veltrano {

// The sound device in push mode: the UI thread tops up the device's buffer from the sound
// queue on every refresh. Its clock (the position of the sample now at the speaker, the
// device's latency subtracted) leads playback. UI thread only.
class PlayerAudioOutput {
public:
    // Null when `sink` is null or does not start.
    static std::unique_ptr<PlayerAudioOutput> Create(std::unique_ptr<SoundSink> sink);
    ~PlayerAudioOutput() = default;

    AudioOutputFormat Format() const { return format_; }
    // Writes what fits; sound of another serial is thrown away.
    void Feed(BoundedQueue<DecodedAudio>& queue, int serial);
    // True once sound of the current serial went to the device.
    bool HasClock() const { return clock_.HasClock(); }
    std::int64_t ClockUs();
    // Nothing waits to be played.
    bool Drained() const;
    // Drops the buffered sound after a seek; stays suspended when `paused`.
    void Reset(bool paused);
    void Suspend();
    void Resume();
    void SetVolume(double volume);

private:
    explicit PlayerAudioOutput(std::unique_ptr<SoundSink> sink);
    std::int64_t BufferedBytes() const;

    std::unique_ptr<SoundSink> sink_;
    AudioOutputFormat format_;
    int bytesPerSecond_ = 0;
    SoundClock clock_;
    QByteArray pending_;
    // The time of the pending frame's first sample, and how much of it was written: the
    // time of the end of what was written is computed once from them, so rounding does not
    // add up over a long file.
    std::int64_t pendingPts_ = 0;
    std::int64_t pendingOffset_ = 0;
};

}  // namespace veltrano

#pragma once

#include <QAudioSink>
#include <QByteArray>
#include <QIODevice>
#include <cstdint>
#include <memory>

#include "engine/player/player_queues.h"
#include "engine/player/player_session.h"

namespace veltrano {

// The sound device in push mode: the UI thread tops up the device's buffer from the sound
// queue on every refresh. Its clock (the position of the sample now at the speaker) leads
// playback. UI thread only.
class PlayerAudioOutput {
public:
    // Null when there is no output device or it takes no 16-bit sound.
    static std::unique_ptr<PlayerAudioOutput> Create(int sampleRate, int channels);
    ~PlayerAudioOutput();

    AudioOutputFormat Format() const { return format_; }
    // Writes what fits; sound of another serial is thrown away.
    void Feed(BoundedQueue<DecodedAudio>& queue, int serial);
    // True once sound of the current serial went to the device.
    bool HasClock() const { return hasClock_; }
    std::int64_t ClockUs() const;
    // Nothing waits to be played.
    bool Drained() const;
    // Drops the buffered sound after a seek; stays suspended when `paused`.
    void Reset(bool paused);
    void Suspend();
    void Resume();
    void SetVolume(double volume);

private:
    PlayerAudioOutput() = default;
    std::int64_t BufferedUs() const;

    std::unique_ptr<QAudioSink> sink_;
    QIODevice* device_ = nullptr;  // owned by the sink
    AudioOutputFormat format_;
    int bytesPerSecond_ = 0;
    QByteArray pending_;
    std::int64_t pendingPts_ = 0;
    std::int64_t writtenEndPts_ = 0;
    bool hasClock_ = false;
};

}  // namespace veltrano

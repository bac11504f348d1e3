#pragma once

#include <QtGlobal>
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/player/player_session.h"

namespace veltrano {

// The sound device as the player drives it, in push mode. The real one is Qt's QAudioSink on
// the default output; tests stand in a device whose played time they set.
class SoundSink {
public:
    virtual ~SoundSink() = default;

    virtual AudioOutputFormat Format() const = 0;
    // Starts (again) with nothing buffered; false when the device refuses.
    virtual bool Start() = 0;
    // Returns what it took, which may be less than `bytes`.
    virtual qint64 Write(const char* data, qint64 bytes) = 0;
    virtual qsizetype BytesFree() const = 0;
    virtual qsizetype BufferSize() const = 0;
    // The microseconds of sound the device reports played since Start().
    virtual std::int64_t ProcessedUs() const = 0;
    // The device ran out of sound.
    virtual bool Idle() const = 0;
    virtual void Suspend() = 0;
    virtual void Resume() = 0;
    virtual void SetVolume(double volume) = 0;
};

// Opens a device for sound of this rate and channel count; null when there is none.
using SoundSinkFactory = std::function<std::unique_ptr<SoundSink>(int sampleRate, int channels)>;

// The default output through QAudioSink, in 16-bit samples at the file's rate where the
// device takes it, else at the device's own; null without a device.
std::unique_ptr<SoundSink> OpenDefaultSoundSink(int sampleRate, int channels);

}  // namespace veltrano

#pragma once

namespace veltrano {

// A short sound loaded up front, so that it starts at once when played.
class SoundEffect {
public:
    virtual ~SoundEffect() = default;
    // Starts the sound and returns at once; silence when it cannot be played.
    virtual void Play() = 0;
    // False when there is no sound output or no readable file: Play stays silent.
    virtual bool CanPlay() const = 0;
};

}  // namespace veltrano

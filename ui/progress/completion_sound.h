#pragma once

#include <memory>

#include "engine/api/sound_effect.h"

namespace veltrano {

// The short sound that says a join has finished.
class CompletionSound {
public:
    virtual ~CompletionSound() = default;
    // Starts the sound and returns at once; silence when it cannot be played.
    virtual void Play() = 0;
};

// Plays a sound the engine loaded up front (EngineParts::NewSoundEffect), so the sound starts
// with the completion, not after a read; without one the program stays silent rather than
// falling back to another sound.
class SoundEffectCompletionSound : public CompletionSound {
public:
    // `effect` may be null: silence.
    explicit SoundEffectCompletionSound(std::unique_ptr<SoundEffect> effect)
        : effect_(std::move(effect)) {}

    void Play() override {
        if (effect_ != nullptr) {
            effect_->Play();
        }
    }

private:
    std::unique_ptr<SoundEffect> effect_;
};

}  // namespace veltrano

#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

namespace veltrano {

// The short sound that says a join has finished.
class CompletionSound {
public:
    virtual ~CompletionSound() = default;
    // Starts the sound and returns at once; silence when it cannot be played.
    virtual void Play() = 0;
};

// Plays a WAV file through the default audio output. The file is loaded up front so the sound
// starts with the completion, not after a read; with no audio output or no readable file the
// program stays silent rather than falling back to another sound.
class SoundEffectCompletionSound : public CompletionSound {
public:
    explicit SoundEffectCompletionSound(const QString& wavPath);
    ~SoundEffectCompletionSound() override;

    void Play() override;
    // False when there is no audio output or no readable file: Play stays silent.
    bool CanPlay() const { return effect_ != nullptr; }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace veltrano

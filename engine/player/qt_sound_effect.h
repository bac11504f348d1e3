#pragma once

#include <QString>
#include <memory>

#include "engine/api/sound_effect.h"

class QSoundEffect;

namespace veltrano {

// Plays a WAV file through the default audio output. The file is loaded up front so the sound
// starts at once; with no audio output or no readable file it stays silent rather than falling
// back to another sound.
class QtSoundEffect : public SoundEffect {
public:
    explicit QtSoundEffect(const QString& wavPath);
    ~QtSoundEffect() override;

    void Play() override;
    bool CanPlay() const override { return effect_ != nullptr; }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace veltrano

#include "ui/progress/completion_sound.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace veltrano {

SoundEffectCompletionSound::SoundEffectCompletionSound(const QString& wavPath) {
    if (!QFileInfo(wavPath).isFile()) {
        return;
    }
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) {
        return;
    }
    effect_ = std::make_unique<QSoundEffect>(output);
    effect_->setSource(QUrl::fromLocalFile(wavPath));
}

SoundEffectCompletionSound::~SoundEffectCompletionSound() = default;

void SoundEffectCompletionSound::Play() {
    if (effect_ == nullptr || effect_->status() == QSoundEffect::Error) {
        return;
    }
    effect_->play();
}

}  // namespace veltrano

#include "engine/player/qt_sound_effect.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace veltrano {

QtSoundEffect::QtSoundEffect(const QString& wavPath) {
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

QtSoundEffect::~QtSoundEffect() = default;

void QtSoundEffect::Play() {
    if (effect_ == nullptr || effect_->status() == QSoundEffect::Error) {
        return;
    }
    effect_->play();
}

}  // namespace veltrano

#include "engine/player/player_audio_output.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <algorithm>

namespace veltrano {

std::unique_ptr<PlayerAudioOutput> PlayerAudioOutput::Create(int sampleRate, int channels) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || sampleRate <= 0 || channels <= 0) {
        return nullptr;
    }
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(std::min(channels, 2));
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        // The device's own rate and layout; the resampler converts to them.
        format = device.preferredFormat();
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format)) {
            return nullptr;
        }
    }
    std::unique_ptr<PlayerAudioOutput> output(new PlayerAudioOutput());
    output->format_ = AudioOutputFormat{format.sampleRate(), format.channelCount()};
    output->bytesPerSecond_ = format.sampleRate() * format.channelCount() * 2;
    output->sink_ = std::make_unique<QAudioSink>(device, format);
    output->device_ = output->sink_->start();
    if (output->device_ == nullptr || output->sink_->error() != QAudio::NoError) {
        return nullptr;
    }
    return output;
}

PlayerAudioOutput::~PlayerAudioOutput() {
    if (sink_) {
        sink_->stop();
    }
}

void PlayerAudioOutput::Feed(BoundedQueue<DecodedAudio>& queue, int serial) {
    if (device_ == nullptr) {
        return;
    }
    const int frameBytes = format_.Channels * 2;
    qsizetype room = sink_->bytesFree();
    room -= room % frameBytes;
    while (room > 0) {
        if (pending_.isEmpty()) {
            std::optional<DecodedAudio> next = queue.TryPop();
            if (!next) {
                return;
            }
            if (next->Serial != serial) {
                continue;
            }
            pending_ = std::move(next->Samples);
            pendingPts_ = next->Pts;
        }
        const qsizetype chunk = std::min(room, pending_.size());
        const qint64 written = device_->write(pending_.constData(), chunk);
        if (written <= 0) {
            return;
        }
        const qsizetype whole = static_cast<qsizetype>(written - written % frameBytes);
        pending_.remove(0, static_cast<qsizetype>(written));
        pendingPts_ += whole * 1'000'000LL / bytesPerSecond_;
        writtenEndPts_ = pendingPts_;
        hasClock_ = true;
        room -= written;
    }
}

std::int64_t PlayerAudioOutput::BufferedUs() const {
    const qsizetype buffered = std::max<qsizetype>(0, sink_->bufferSize() - sink_->bytesFree());
    return buffered * 1'000'000LL / bytesPerSecond_;
}

std::int64_t PlayerAudioOutput::ClockUs() const {
    return writtenEndPts_ - BufferedUs();
}

bool PlayerAudioOutput::Drained() const {
    return pending_.isEmpty() && (BufferedUs() == 0 || sink_->state() == QAudio::IdleState);
}

void PlayerAudioOutput::Reset(bool paused) {
    pending_.clear();
    hasClock_ = false;
    sink_->reset();
    device_ = sink_->start();
    if (paused) {
        sink_->suspend();
    }
}

void PlayerAudioOutput::Suspend() {
    sink_->suspend();
}

void PlayerAudioOutput::Resume() {
    sink_->resume();
}

void PlayerAudioOutput::SetVolume(double volume) {
    sink_->setVolume(std::clamp(volume, 0.0, 1.0));
}

}  // namespace veltrano

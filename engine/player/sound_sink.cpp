#include "engine/player/sound_sink.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>

namespace veltrano {

namespace {

class QtSoundSink : public SoundSink {
public:
    QtSoundSink(const QAudioDevice& device, const QAudioFormat& format)
        : sink_(device, format), format_{format.sampleRate(), format.channelCount()} {}
    ~QtSoundSink() override { sink_.stop(); }

    AudioOutputFormat Format() const override { return format_; }
    bool Start() override {
        // A reset stops the stream, so the device's buffer and its processed time start over.
        sink_.reset();
        device_ = sink_.start();
        return device_ != nullptr && sink_.error() == QAudio::NoError;
    }
    qint64 Write(const char* data, qint64 bytes) override {
        return device_ != nullptr ? device_->write(data, bytes) : 0;
    }
    qsizetype BytesFree() const override { return sink_.bytesFree(); }
    qsizetype BufferSize() const override { return sink_.bufferSize(); }
    std::int64_t ProcessedUs() const override { return sink_.processedUSecs(); }
    bool Idle() const override { return sink_.state() == QAudio::IdleState; }
    void Suspend() override { sink_.suspend(); }
    void Resume() override { sink_.resume(); }
    void SetVolume(double volume) override { sink_.setVolume(volume); }

private:
    QAudioSink sink_;
    QIODevice* device_ = nullptr;  // owned by the sink
    AudioOutputFormat format_;
};

}  // namespace

std::unique_ptr<SoundSink> OpenDefaultSoundSink(int sampleRate, int channels) {
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
    return std::make_unique<QtSoundSink>(device, format);
}

}  // namespace veltrano

#include "engine/player/player_audio_output.h"

#include <algorithm>

namespace veltrano {

std::unique_ptr<PlayerAudioOutput> PlayerAudioOutput::Create(std::unique_ptr<SoundSink> sink) {
    if (!sink || !sink->Start()) {
        return nullptr;
    }
    return std::unique_ptr<PlayerAudioOutput>(new PlayerAudioOutput(std::move(sink)));
}

PlayerAudioOutput::PlayerAudioOutput(std::unique_ptr<SoundSink> sink)
    : sink_(std::move(sink)),
      format_(sink_->Format()),
      bytesPerSecond_(format_.SampleRate * format_.Channels * 2),
      clock_(bytesPerSecond_) {}

void PlayerAudioOutput::Feed(BoundedQueue<DecodedAudio>& queue, int serial) {
    const int frameBytes = format_.Channels * 2;
    qsizetype room = sink_->BytesFree();
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
            pendingOffset_ = 0;
        }
        const qsizetype chunk = std::min(room, pending_.size());
        const qint64 written = sink_->Write(pending_.constData(), chunk);
        if (written <= 0) {
            return;
        }
        pending_.remove(0, static_cast<qsizetype>(written));
        pendingOffset_ += written;
        const std::int64_t whole = pendingOffset_ - pendingOffset_ % frameBytes;
        clock_.Wrote(written, pendingPts_ + whole * 1'000'000LL / bytesPerSecond_);
        room -= written;
    }
}

std::int64_t PlayerAudioOutput::BufferedBytes() const {
    return std::max<std::int64_t>(0, sink_->BufferSize() - sink_->BytesFree());
}

std::int64_t PlayerAudioOutput::ClockUs() {
    return clock_.Position(BufferedBytes(), sink_->ProcessedUs());
}

bool PlayerAudioOutput::Drained() const {
    return pending_.isEmpty() && (BufferedBytes() == 0 || sink_->Idle());
}

void PlayerAudioOutput::Reset(bool paused) {
    pending_.clear();
    clock_.Restart();
    sink_->Start();
    if (paused) {
        sink_->Suspend();
    }
}

void PlayerAudioOutput::Suspend() {
    sink_->Suspend();
}

void PlayerAudioOutput::Resume() {
    sink_->Resume();
}

void PlayerAudioOutput::SetVolume(double volume) {
    sink_->SetVolume(std::clamp(volume, 0.0, 1.0));
}

}  // namespace veltrano

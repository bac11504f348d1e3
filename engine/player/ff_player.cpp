#include "engine/player/ff_player.h"

#include <algorithm>

#include "core/int64_helpers.h"
#include "engine/plan/engine_check.h"

namespace veltrano {

namespace {

constexpr int kRefreshMs = 10;
// Positions are reported when they moved this far, or at once after a seek.
constexpr std::int64_t kPositionStepUs = 100'000;
constexpr int kMaxVolume = 128;

}  // namespace

void FFPlayer::SteadyClock::Set(std::int64_t position) {
    base_ = position;
    since_ = Clock::now();
}

void FFPlayer::SteadyClock::SetRunning(bool running) {
    if (running == running_) {
        return;
    }
    base_ = Now();
    since_ = Clock::now();
    running_ = running;
}

std::int64_t FFPlayer::SteadyClock::Now() const {
    if (!running_) {
        return base_;
    }
    return base_ +
           std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - since_).count();
}

FFPlayer::FFPlayer(Options options, QObject* parent) : MediaPlayer(parent), options_(options) {
    refresh_.setInterval(kRefreshMs);
    refresh_.setTimerType(Qt::PreciseTimer);
    connect(&refresh_, &QTimer::timeout, this, &FFPlayer::Refresh);
}

FFPlayer::~FFPlayer() {
    ClosePlayer(true);
}

bool FFPlayer::IsEngineLoaded() {
    // Only the libraries matter for playing; encoders and muxers are the joiner's concern.
    EngineRequirements requirements;
    requirements.Libraries = EngineRequirements::ForProfiles().Libraries;
    EngineCheck check(requirements);
    const bool loaded = check.IsEngineLoaded();
    if (!loaded) {
        lastError_ = check.LastErrorText();
    }
    return loaded;
}

bool FFPlayer::LoadEngine(const QString& /*folder*/, bool /*showErrors*/) {
    return IsEngineLoaded();
}

template <typename F>
void FFPlayer::Post(F emitter) {
    const int session = sessionId_;
    QMetaObject::invokeMethod(
        this,
        [this, session, emitter] {
            if (session == sessionId_) {
                emitter();
            }
        },
        Qt::QueuedConnection);
}

bool FFPlayer::PlayFile(const QString& path, VideoOutput* window, bool startPaused) {
    ClosePlayer(false);
    lastError_.clear();
    Result<std::unique_ptr<PlayerSession>> opened =
        PlayerSession::Open(path, options_.UseAudioDevice);
    if (!opened.Ok()) {
        lastError_ = opened.Message();
        return false;
    }
    std::unique_ptr<PlayerSession> session = std::move(opened).Value();
    AudioOutputFormat format;
    if (session->HasAudio()) {
        audio_ = PlayerAudioOutput::Create(
            openSoundSink_(session->AudioSampleRate(), session->AudioChannels()));
        if (audio_) {
            format = audio_->Format();
        }
    }
    if (session->HasAudio() && !audio_) {
        // No device after all: open again without sound rather than fill a queue nobody plays.
        opened = PlayerSession::Open(path, false);
        if (!opened.Ok()) {
            lastError_ = opened.Message();
            return false;
        }
        session = std::move(opened).Value();
    }
    session_ = std::move(session);
    window_ = window;
    ++sessionId_;
    serial_ = 0;
    paused_ = startPaused;
    holdForPicture_ = session_->HasVideo();
    stepPending_ = false;
    endReported_ = false;
    stillAtSeek_ = false;
    lastReported_ = -1;
    duration_ = session_->Duration();
    clock_ = SteadyClock();
    session_->SetPictureBox(frameWidth_, frameHeight_);
    session_->Start(format);
    ApplyVolume();
    if (audio_ && paused_) {
        audio_->Suspend();
    }
    UpdateClockRunning();
    state_ = kPlayStateOpening;
    if (duration_ > 0) {
        const std::int64_t duration = duration_;
        Post([this, duration] {
            emit DurationKnown(static_cast<quint32>(static_cast<std::uint64_t>(duration)),
                               static_cast<qint32>(static_cast<std::uint64_t>(duration) >> 32));
        });
    }
    refresh_.start();
    return true;
}

void FFPlayer::ClosePlayer(bool keepPicture) {
    refresh_.stop();
    // Joins every thread before the sound device goes, so nothing plays after this returns.
    session_.reset();
    audio_.reset();
    if (window_ != nullptr && !keepPicture) {
        window_->Clear();
    }
    window_ = nullptr;
    ++sessionId_;  // events still queued for the closed file are dropped
    state_ = kPlayStateClosed;
    paused_ = false;
}

void FFPlayer::UpdateClockRunning() {
    clock_.SetRunning(session_ && !paused_ && !holdForPicture_ && !endReported_);
}

void FFPlayer::SetState(int state) {
    if (state == state_) {
        return;
    }
    state_ = state;
    Post([this, state] { emit StateChanged(state); });
}

void FFPlayer::Pause() {
    if (!session_ || paused_) {
        return;
    }
    paused_ = true;
    if (audio_) {
        audio_->Suspend();
    }
    UpdateClockRunning();
    if (state_ == kPlayStatePlaying || state_ == kPlayStateEnded) {
        SetState(kPlayStatePaused);
    }
}

void FFPlayer::Resume() {
    if (!session_ || !paused_) {
        return;
    }
    paused_ = false;
    if (audio_) {
        audio_->Resume();
    }
    UpdateClockRunning();
    if (state_ == kPlayStatePaused) {
        SetState(kPlayStatePlaying);
    }
}

void FFPlayer::TogglePause() {
    if (paused_) {
        Resume();
    } else {
        Pause();
    }
}

// Every seek lands on the first picture at or after the target, whatever `exact` says: the
// window asks with false, and a preview that shows the key frame before the target sends the
// thumb back to it.
void FFPlayer::Seek(std::uint32_t targetLow, std::int32_t targetHigh, int flags, bool /*exact*/) {
    if (!session_) {
        return;
    }
    std::int64_t target = (flags & kSeekToStart) != 0 ? 0 : JoinHalves64(targetLow, targetHigh);
    target = std::max<std::int64_t>(0, target);
    if (duration_ > 0) {
        target = std::min(target, duration_);
    }
    // The window seeks while paused twice to one target, the second time a moment later;
    // decoding from the key frame again would make the user wait twice as long for the same
    // picture.
    if (paused_ && !endReported_ && session_->HasVideo() && target == seekTarget_ && stillAtSeek_) {
        ReportPosition(holdForPicture_ ? target : lastReported_, true);
        return;
    }
    ++serial_;
    seekTarget_ = target;
    stillAtSeek_ = true;
    session_->RequestSeek(target, serial_);
    if (audio_) {
        audio_->Reset(paused_);
    }
    clock_.Set(target);
    holdForPicture_ = session_->HasVideo();
    stepPending_ = session_->HasVideo();
    if (endReported_) {
        endReported_ = false;
        SetState(paused_ ? kPlayStatePaused : kPlayStatePlaying);
    }
    UpdateClockRunning();
    ReportPosition(target, true);
}

void FFPlayer::SetAudioVolume(int volume) {
    volume_ = std::clamp(volume, 0, kMaxVolume);
    ApplyVolume();
}

void FFPlayer::SetMute(bool mute) {
    mute_ = mute;
    ApplyVolume();
}

void FFPlayer::ApplyVolume() {
    if (audio_) {
        audio_->SetVolume(mute_ ? 0.0 : static_cast<double>(volume_) / kMaxVolume);
    }
}

void FFPlayer::ApplyDisplaySize() {
    if (session_) {
        session_->SetPictureBox(frameWidth_, frameHeight_);
    }
}

void FFPlayer::ReportPosition(std::int64_t position, bool always) {
    position = std::max<std::int64_t>(0, position);
    if (duration_ > 0) {
        position = std::min(position, duration_);
    }
    if (!always && lastReported_ >= 0 && std::abs(position - lastReported_) < kPositionStepUs) {
        return;
    }
    lastReported_ = position;
    Post([this, position] {
        emit PositionChanged(static_cast<quint32>(static_cast<std::uint64_t>(position)),
                             static_cast<qint32>(static_cast<std::uint64_t>(position) >> 32));
    });
}

void FFPlayer::Refresh() {
    if (!session_) {
        return;
    }
    if (!paused_) {
        stillAtSeek_ = false;  // played on from where the last seek went
    }
    if (audio_ && !paused_) {
        audio_->Feed(session_->Sound(), serial_);
        if (audio_->HasClock() && !holdForPicture_ && !endReported_) {
            clock_.Set(audio_->ClockUs());
        }
    }
    if (!session_->HasVideo() && state_ == kPlayStateOpening &&
        (audio_ == nullptr || audio_->HasClock())) {
        SetState(paused_ ? kPlayStatePaused : kPlayStatePlaying);
    }
    ShowPictures(clock_.Now());
    if (!endReported_ && !holdForPicture_) {
        ReportPosition(clock_.Now(), false);
    }
    CheckEnd();
}

void FFPlayer::ShowPictures(std::int64_t now) {
    BoundedQueue<DecodedPicture>& pictures = session_->Pictures();
    const int serial = serial_;
    // Pictures from before the last seek are never shown.
    while (pictures.PeekFront([serial](const DecodedPicture& p) { return p.Serial != serial; },
                              false)) {
        pictures.TryPop();
    }
    if (holdForPicture_) {
        // The first picture after opening or a seek shows at once, even while paused, and
        // the clock starts from it.
        std::optional<DecodedPicture> first = pictures.TryPop();
        if (!first) {
            return;
        }
        if (window_ != nullptr) {
            window_->ShowPicture(first->Picture);
        }
        holdForPicture_ = false;
        stepPending_ = false;
        if (!(audio_ && audio_->HasClock())) {
            clock_.Set(first->Pts);
        }
        UpdateClockRunning();
        ReportPosition(first->Pts, true);
        if (state_ == kPlayStateOpening) {
            SetState(paused_ ? kPlayStatePaused : kPlayStatePlaying);
        }
        return;
    }
    if (paused_) {
        return;
    }
    auto due = [now](const DecodedPicture& p) { return p.Pts <= now; };
    while (pictures.PeekFront(due, false)) {
        std::optional<DecodedPicture> picture = pictures.TryPop();
        if (!picture) {
            return;
        }
        // Late: the next one is due too, so this one is dropped.
        if (pictures.PeekFront(due, false)) {
            continue;
        }
        if (window_ != nullptr) {
            window_->ShowPicture(picture->Picture);
        }
        return;
    }
}

void FFPlayer::CheckEnd() {
    if (endReported_ || holdForPicture_ || !session_->Finished(serial_)) {
        return;
    }
    if (session_->Pictures().Size() > 0) {
        return;
    }
    if (audio_ && (session_->Sound().Size() > 0 || !audio_->Drained())) {
        return;
    }
    // Sound only and no device to play it: the steady clock runs through the duration, so
    // the file does not end the moment it has been read.
    if (!session_->HasVideo() && !audio_ && duration_ > 0 && clock_.Now() < duration_) {
        return;
    }
    endReported_ = true;
    UpdateClockRunning();
    ReportPosition(duration_ > 0 ? duration_ : clock_.Now(), true);
    SetState(kPlayStateEnded);
}

}  // namespace veltrano

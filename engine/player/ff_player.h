#pragma once

#include <QTimer>
#include <chrono>
#include <memory>

#include "engine/api/media_player.h"
#include "engine/player/player_audio_output.h"
#include "engine/player/player_session.h"
#include "engine/player/sound_sink.h"

namespace veltrano {

// MediaPlayer over libav. The read and decoder threads live in a PlayerSession; this object
// runs on the UI thread, where a 10 ms refresh feeds the sound device, shows each picture when
// the clock reaches it and raises the events. The sound device's clock leads; without a
// device (or without sound) a steady clock does.
class FFPlayer : public MediaPlayer {
    Q_OBJECT

public:
    struct Options {
        // False plays pictures only, on the steady clock (tests, machines without sound).
        bool UseAudioDevice = true;
    };

    explicit FFPlayer(Options options, QObject* parent = nullptr);
    FFPlayer() : FFPlayer(Options{}) {}
    ~FFPlayer() override;

    // Where the sound device comes from; the default output unless a test puts a stand-in
    // here. Takes effect at the next PlayFile.
    void SetSoundSinkFactory(SoundSinkFactory factory) { openSoundSink_ = std::move(factory); }

    bool IsEngineLoaded() override;
    bool LoadEngine(const QString& folder, bool showErrors) override;
    QString LastErrorText() const override { return lastError_; }

    bool PlayFile(const QString& path, VideoOutput* window, bool startPaused) override;
    void ClosePlayer(bool keepPicture) override;

    void Pause() override;
    void Resume() override;
    void TogglePause() override;
    bool IsPaused() const override { return paused_; }
    int PlayState() const override { return state_; }
    void Seek(std::uint32_t targetLow, std::int32_t targetHigh, int flags, bool exact) override;

    int AudioVolume() const override { return volume_; }
    void SetAudioVolume(int volume) override;
    bool Mute() const override { return mute_; }
    void SetMute(bool mute) override;

    int FrameWidth() const override { return frameWidth_; }
    void SetFrameWidth(int width) override { frameWidth_ = width; }
    int FrameHeight() const override { return frameHeight_; }
    void SetFrameHeight(int height) override { frameHeight_ = height; }
    int ScreenWidth() const override { return screenWidth_; }
    void SetScreenWidth(int width) override { screenWidth_ = width; }
    int ScreenHeight() const override { return screenHeight_; }
    void SetScreenHeight(int height) override { screenHeight_ = height; }
    void ApplyDisplaySize() override;
    VideoOutput* VideoWindow() const override { return session_ ? window_ : nullptr; }

private:
    // Microseconds that run while playing, and stand still while paused or held.
    class SteadyClock {
    public:
        void Set(std::int64_t position);
        void SetRunning(bool running);
        std::int64_t Now() const;

    private:
        using Clock = std::chrono::steady_clock;
        std::int64_t base_ = 0;
        Clock::time_point since_ = Clock::now();
        bool running_ = false;
    };

    void Refresh();
    void ShowPictures(std::int64_t now);
    void CheckEnd();
    void ReportPosition(std::int64_t position, bool always);
    void SetState(int state);
    void UpdateClockRunning();
    void ApplyVolume();
    // Emits on a later turn of the event loop, and only for the file still open then.
    template <typename F>
    void Post(F emitter);

    Options options_;
    SoundSinkFactory openSoundSink_ = OpenDefaultSoundSink;
    QString lastError_;
    std::unique_ptr<PlayerSession> session_;
    std::unique_ptr<PlayerAudioOutput> audio_;
    VideoOutput* window_ = nullptr;
    QTimer refresh_;
    SteadyClock clock_;
    int sessionId_ = 0;
    int serial_ = 0;
    int state_ = kPlayStateClosed;
    bool paused_ = false;
    bool holdForPicture_ = false;
    bool stepPending_ = false;
    bool endReported_ = false;
    // Nothing has played since the last seek, to `seekTarget_`.
    bool stillAtSeek_ = false;
    std::int64_t seekTarget_ = 0;
    std::int64_t lastReported_ = -1;
    std::int64_t duration_ = 0;
    int volume_ = 128;
    bool mute_ = false;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
};

}  // namespace veltrano

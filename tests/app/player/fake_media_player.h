#pragma once

#include <QStringList>

#include "engine/api/media_player.h"

namespace veltrano {

// A player that records every call in order and answers from its fields.
class FakeMediaPlayer : public MediaPlayer {
public:
    bool IsEngineLoaded() override {
        Calls << "IsEngineLoaded";
        return Loaded;
    }
    bool LoadEngine(const QString& folder, bool flag) override {
        Calls << QString("LoadEngine %1 %2").arg(folder).arg(flag);
        return LoadSucceeds;
    }
    QString LastErrorText() const override { return ErrorText; }
    bool PlayFile(const QString& path, VideoOutput* window, bool flag) override {
        Calls << QString("PlayFile %1 %2").arg(path).arg(flag);
        Window = window;
        return PlaySucceeds;
    }
    void ClosePlayer(bool flag) override { Calls << QString("ClosePlayer %1").arg(flag); }
    void Pause() override {
        Calls << "Pause";
        Paused = true;
    }
    void Resume() override {
        Calls << "Resume";
        Paused = false;
    }
    void TogglePause() override {
        Calls << "TogglePause";
        Paused = !Paused;
    }
    bool IsPaused() const override { return Paused; }
    int PlayState() const override {
        const int state = States.isEmpty() ? State : States.takeFirst();
        return state;
    }
    void Seek(std::uint32_t low, std::int32_t high, int flags, bool flag) override {
        const qint64 target =
            static_cast<qint64>((static_cast<quint64>(static_cast<quint32>(high)) << 32) | low);
        Calls << QString("Seek %1 %2 %3").arg(target).arg(flags).arg(flag);
    }
    int AudioVolume() const override { return Volume; }
    void SetAudioVolume(int volume) override {
        Calls << QString("AudioVolume %1").arg(volume);
        Volume = volume;
    }
    bool Mute() const override { return Muted; }
    void SetMute(bool mute) override {
        Calls << QString("Mute %1").arg(mute);
        Muted = mute;
    }
    int FrameWidth() const override { return Frame[0]; }
    void SetFrameWidth(int v) override {
        Calls << QString("FrameWidth %1").arg(v);
        Frame[0] = v;
    }
    int FrameHeight() const override { return Frame[1]; }
    void SetFrameHeight(int v) override {
        Calls << QString("FrameHeight %1").arg(v);
        Frame[1] = v;
    }
    int ScreenWidth() const override { return Screen[0]; }
    void SetScreenWidth(int v) override {
        Calls << QString("ScreenWidth %1").arg(v);
        Screen[0] = v;
    }
    int ScreenHeight() const override { return Screen[1]; }
    void SetScreenHeight(int v) override {
        Calls << QString("ScreenHeight %1").arg(v);
        Screen[1] = v;
    }
    void ApplyDisplaySize() override { Calls << "ApplyDisplaySize"; }
    VideoOutput* VideoWindow() const override { return Window; }

    // Raise the engine's events as the real player would.
    void RaiseDuration(qint64 us) {
        emit DurationKnown(static_cast<quint32>(us), static_cast<qint32>(us >> 32));
    }
    void RaisePosition(qint64 us) {
        emit PositionChanged(static_cast<quint32>(us), static_cast<qint32>(us >> 32));
    }
    void RaiseState(int state) { emit StateChanged(state); }

    QStringList Calls;
    bool Loaded = true;
    bool LoadSucceeds = true;
    bool PlaySucceeds = true;
    QString ErrorText;
    bool Paused = false;
    int State = kPlayStatePlaying;
    mutable QList<int> States;  // readings of PlayState in turn, then State
    int Volume = 128;
    bool Muted = false;
    int Frame[2] = {0, 0};
    int Screen[2] = {0, 0};
    VideoOutput* Window = nullptr;
};

}  // namespace veltrano

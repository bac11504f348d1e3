#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>

namespace veltrano {

// One picture ready to show: 32-bit 0xffRRGGBB pixels, rows BytesPerLine apart.
struct VideoPicture {
    QByteArray Pixels;
    int Width = 0;
    int Height = 0;
    int BytesPerLine = 0;
};

// Where the player draws: the window hands one to PlayFile. Called on the UI thread only.
class VideoOutput {
public:
    virtual ~VideoOutput() = default;
    virtual void ShowPicture(const VideoPicture& picture) = 0;
    // Erases the background and repaints at once.
    virtual void Invalidate() = 0;
    // Forget the last picture (the player was closed).
    virtual void Clear() = 0;
};

// The player's state codes, as PlayState returns them and StateChanged reports them.
inline constexpr int kPlayStateClosed = 0;
inline constexpr int kPlayStateStopped = 1;
inline constexpr int kPlayStateOpening = 2;
inline constexpr int kPlayStatePaused = 3;
inline constexpr int kPlayStatePlaying = 4;  // playing with the first picture shown
inline constexpr int kPlayStateEnded = 5;

// Seek flags: to the target, or back to the start whatever the target says.
inline constexpr int kSeekToTarget = 0;
inline constexpr int kSeekToStart = 4;

// The preview side of the media engine: plays one file into a VideoOutput with sound.
// FFPlayer is the implementation over libav; tests of the window use fakes.
// Every call and every signal happens on the user-interface thread.
class MediaPlayer : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~MediaPlayer() override = default;

    virtual bool IsEngineLoaded() = 0;
    // The libraries are linked in; `folder` is where a separately shipped engine would lie.
    virtual bool LoadEngine(const QString& folder, bool showErrors) = 0;
    virtual QString LastErrorText() const = 0;

    // Opens and starts playing a file (any earlier one is closed first); false with the
    // reason in LastErrorText. `window` may be null for sound only.
    virtual bool PlayFile(const QString& path, VideoOutput* window, bool startPaused) = 0;
    // Stops every thread and the sound before it returns; harmless when nothing plays.
    virtual void ClosePlayer(bool keepPicture) = 0;

    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void TogglePause() = 0;
    virtual bool IsPaused() const = 0;
    virtual int PlayState() const = 0;
    // Target in microseconds as two halves, low half first; flags kSeekToTarget or
    // kSeekToStart. The new picture shows even while paused. `exact` asks for the picture at the
    // target rather than the key frame before it; an implementation may always be exact.
    virtual void Seek(std::uint32_t targetLow, std::int32_t targetHigh, int flags, bool exact) = 0;

    // 0 to 128.
    virtual int AudioVolume() const = 0;
    virtual void SetAudioVolume(int volume) = 0;
    virtual bool Mute() const = 0;
    virtual void SetMute(bool mute) = 0;

    // The size the pictures are fitted into (Frame) and the video area (Screen), in pixels;
    // changes take effect on ApplyDisplaySize.
    virtual int FrameWidth() const = 0;
    virtual void SetFrameWidth(int width) = 0;
    virtual int FrameHeight() const = 0;
    virtual void SetFrameHeight(int height) = 0;
    virtual int ScreenWidth() const = 0;
    virtual void SetScreenWidth(int width) = 0;
    virtual int ScreenHeight() const = 0;
    virtual void SetScreenHeight(int height) = 0;
    virtual void ApplyDisplaySize() = 0;
    // The output being drawn into; null when nothing plays.
    virtual VideoOutput* VideoWindow() const = 0;

signals:
    // Stream duration in microseconds, halves low first.
    void DurationKnown(quint32 low, qint32 high);
    // Playback position in microseconds from the start of the file, halves low first.
    void PositionChanged(quint32 low, qint32 high);
    void StateChanged(int state);
};

}  // namespace veltrano

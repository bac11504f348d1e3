#pragma once

#include <QString>
#include <cstdint>

#include "app/player/slider_state.h"
#include "engine/api/media_player.h"

namespace veltrano {

// What the player window does for its rules: the parts that need a widget.
class PlayerView {
public:
    virtual ~PlayerView() = default;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetPositionText(const QString& text) = 0;
    // The pause button shows the play glyph (paused) or the pause glyph (playing).
    virtual void ShowPlayGlyph(bool play) = 0;
    virtual void ShowMutedPicture(bool muted) = 0;
    virtual void SetBusyPointer(bool busy) = 0;
    // Stops being a topmost window without moving, resizing or activating it.
    virtual void DropTopmost() = 0;
    // Waits while window events keep being processed.
    virtual void Delay(int milliseconds) = 0;
    virtual VideoOutput* VideoArea() = 0;
    // The video area's size in pixels.
    virtual int VideoAreaWidth() const = 0;
    virtual int VideoAreaHeight() const = 0;
    virtual void EndProgram() = 0;
};

// The player window's message boxes, so that tests never block on one.
class PlayerMessages {
public:
    virtual ~PlayerMessages() = default;
    // A box with only an OK button and no icon.
    virtual void ShowPlain(const QString& text, const QString& title) = 0;
    // A box with the critical-error icon.
    virtual void ShowCritical(const QString& text, const QString& title) = 0;
};

// The player window's rules over the engine's player and the two sliders: loading, the
// engine's events, the buttons, the bars' releases and the display-size timer. UI thread only.
class PlayerController {
public:
    // `messageTitle` is the application's title, shown on every box.
    PlayerController(MediaPlayer& player, PlayerView& view, PlayerMessages& messages,
                     QString messageTitle, SliderState& seekBar, SliderState& volumeBar);

    // Sets the sliders' design values.
    void InitSliders();
    // Loads the window for one file; false when the engine is missing (the program ends).
    bool Load(const QString& sourcePath, const QString& durationText, const QString& programFolder);
    void Close();

    void OnDurationKnown(quint32 low, qint32 high);
    void OnPositionChanged(quint32 low, qint32 high);
    void OnStateChanged(int state);

    void OnPauseClicked();
    void OnMuteClicked();
    void OnSeekBarMouseUp(int button, float x);
    void OnVolumeBarMouseUp(int button, float x);
    // A key on a focused bar: arrows, Page Up/Down, Home and End move it and take effect.
    void OnSeekBarKeyDown(int keyCode);
    void OnVolumeBarKeyDown(int keyCode);
    // The bars' own Click: the fill follows the value.
    void OnSeekBarClick();
    void OnVolumeBarClick();
    // One tick of the display-size timer: at most one change.
    void OnDisplaySizeTick();

    std::int64_t StreamDuration() const { return streamDuration_; }
    QString ShownDuration() const { return shownDuration_; }

private:
    void SetBarFromRelease(SliderState& bar, float x);
    static bool MoveBarForKey(SliderState& bar, int keyCode);
    void SeekToBar();
    // The position text: whole seconds over the shown duration.
    void ShowPosition(std::int64_t seconds);

    MediaPlayer& player_;
    PlayerView& view_;
    PlayerMessages& messages_;
    QString messageTitle_;
    SliderState& seekBar_;
    SliderState& volumeBar_;
    std::int64_t streamDuration_ = 0;
    QString shownDuration_;
};

// Whole seconds of a microsecond count, an exact half going to the even neighbour.
std::int64_t RoundedSeconds(std::int64_t microseconds);

}  // namespace veltrano

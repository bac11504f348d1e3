#pragma once

#include <QRect>

namespace veltrano {

// Design sizes of the player window's control bar and its elements, in pixels.
inline constexpr int kPlayerClientWidth = 516;
inline constexpr int kPlayerClientHeight = 347;
inline constexpr int kControlBarHeight = 32;
inline constexpr QRect kPauseButtonRect{12, 4, 29, 25};  // inside the bar
inline constexpr int kSeekBarHeight = 12;
inline constexpr int kMuteIconWidth = 20;
inline constexpr int kMuteIconHeight = 15;
inline constexpr int kVolumeBarWidth = 72;
inline constexpr int kVolumeBarHeight = 13;
inline constexpr int kPositionTextWidth = 105;
inline constexpr int kPositionTextHeight = 14;
inline constexpr int kBarItemTop = 9;

// Where each element goes for a client area, in window pixels. The layout stops at the first
// element whose size comes out negative (a minimised window); `Steps` says how many of the
// five placements (video, text, volume, mute, seek) were made.
struct PlayerLayout {
    QRect VideoArea;
    QRect ControlBar;
    QRect PositionText;  // in bar coordinates, like the button and the mute icon
    QRect VolumeBar;     // window coordinates
    QRect MuteIcon;      // bar coordinates
    QRect SeekBar;       // window coordinates
    int Steps = 0;
};

PlayerLayout LayOutPlayer(int clientWidth, int clientHeight);

}  // namespace veltrano

#include "app/player/player_layout.h"

namespace veltrano {

PlayerLayout LayOutPlayer(int clientWidth, int clientHeight) {
    PlayerLayout layout;
    const int barTop = clientHeight - kControlBarHeight;
    layout.ControlBar = QRect(0, barTop, clientWidth, kControlBarHeight);
    if (clientWidth < 0 || barTop < 0) {
        return layout;
    }
    layout.VideoArea = QRect(0, 0, clientWidth, barTop);
    layout.Steps = 1;

    const int textLeft = clientWidth - kPositionTextWidth - 10;
    layout.PositionText = QRect(textLeft, kBarItemTop, kPositionTextWidth, kPositionTextHeight);
    layout.Steps = 2;

    const int volumeLeft = textLeft - kVolumeBarWidth - 10;
    layout.VolumeBar = QRect(volumeLeft, barTop + kBarItemTop, kVolumeBarWidth, kVolumeBarHeight);
    layout.Steps = 3;

    const int muteLeft = textLeft - kMuteIconWidth - kVolumeBarWidth - 15;
    layout.MuteIcon = QRect(muteLeft, kBarItemTop, kMuteIconWidth, kMuteIconHeight);
    layout.Steps = 4;

    const int seekLeft = kPauseButtonRect.right() + 1 + 10;
    const int seekWidth = muteLeft - seekLeft - 10;
    if (seekWidth < 0) {
        return layout;
    }
    layout.SeekBar = QRect(seekLeft, barTop + 11, seekWidth, kSeekBarHeight);
    layout.Steps = 5;
    return layout;
}

}  // namespace veltrano

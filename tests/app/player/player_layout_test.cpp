#include "app/player/player_layout.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(PlayerLayoutTest, DesignSizePlacesEveryElement) {
    const PlayerLayout layout = LayOutPlayer(516, 347);
    EXPECT_EQ(layout.Steps, 5);
    EXPECT_EQ(layout.VideoArea, QRect(0, 0, 516, 315));
    EXPECT_EQ(layout.ControlBar, QRect(0, 315, 516, 32));
    EXPECT_EQ(layout.PositionText, QRect(401, 9, 105, 14));
    EXPECT_EQ(layout.VolumeBar, QRect(319, 324, 72, 13));
    EXPECT_EQ(layout.MuteIcon, QRect(294, 9, 20, 15));
    EXPECT_EQ(layout.MuteIcon.right() + 1 + 5, layout.VolumeBar.left());
    EXPECT_EQ(layout.SeekBar, QRect(51, 326, 294 - 51 - 10, 12));
}

TEST(PlayerLayoutTest, WideningKeepsTheRightGroupAtTheRightAndStretchesTheSeekBar) {
    const PlayerLayout narrow = LayOutPlayer(516, 347);
    const PlayerLayout wide = LayOutPlayer(816, 500);
    EXPECT_EQ(wide.PositionText.left() - narrow.PositionText.left(), 300);
    EXPECT_EQ(wide.VolumeBar.left() - narrow.VolumeBar.left(), 300);
    EXPECT_EQ(wide.MuteIcon.left() - narrow.MuteIcon.left(), 300);
    EXPECT_EQ(wide.SeekBar.left(), narrow.SeekBar.left());
    EXPECT_EQ(wide.SeekBar.width() - narrow.SeekBar.width(), 300);
    EXPECT_EQ(wide.VideoArea.height(), 468);
}

TEST(PlayerLayoutTest, ImpossibleSizesStopTheLayoutAtTheFirstFailure) {
    EXPECT_EQ(LayOutPlayer(516, 20).Steps, 0);  // shorter than the bar
    const PlayerLayout cramped = LayOutPlayer(200, 100);
    EXPECT_EQ(cramped.Steps, 4);  // no room left for the seek bar
    EXPECT_TRUE(cramped.SeekBar.isNull());
}

}  // namespace
}  // namespace veltrano

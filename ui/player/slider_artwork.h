#pragma once

#include <QPixmap>

#include "app/player/slider_state.h"

namespace veltrano {

// The slider's four pictures, drawn by code at the screen's pixel density so that they stay
// crisp on high-density screens. Sizes in device-independent pixels are the skin's.
struct SliderArtwork {
    QPixmap Track;          // PicSdXP: three-slice track, 100-twip caps
    QPixmap Thumb;          // ImageSd
    QPixmap ThumbDisabled;  // Imagedis
    QPixmap Selection;      // ImageSel: stretched horizontally from the left edge
};

SliderArtwork MakeSliderArtwork(const SliderSkinSize& skin, qreal devicePixelRatio);

}  // namespace veltrano

#pragma once

#include <QPixmap>

namespace veltrano {

// The completion notice's close button: one 54 x 18 strip of three 18 x 18 looks, drawn here
// rather than loaded so that it scales with the screen.
class CloseButtonStrip {
public:
    enum class Look { Normal = 0, Highlighted = 1, Pressed = 2 };
    static constexpr int kImageSize = 18;

    // The strip at `devicePixelRatio`; its logical size is 54 x 18.
    static QPixmap Render(qreal devicePixelRatio = 1.0);
    // The part of the strip (logical pixels) that holds `look`.
    static QRect SourceRect(Look look) {
        return QRect(static_cast<int>(look) * kImageSize, 0, kImageSize, kImageSize);
    }
};

}  // namespace veltrano

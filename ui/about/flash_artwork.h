#pragma once

#include <QImage>
#include <QSize>

namespace veltrano {

// The about window's background: a deep gradient crossed by a strip of film whose frames
// join into one, with the product's name. Drawn in code, at any device pixel ratio.
class FlashArtwork {
public:
    static QSize Size() { return {416, 228}; }
    static QImage Render(qreal devicePixelRatio = 1.0);
};

}  // namespace veltrano

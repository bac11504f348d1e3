#pragma once

#include <QIcon>
#include <QPixmap>

namespace veltrano {

// The player window's pictures, drawn by code at the given pixel density.
// The speaker (sound on) and the crossed-out speaker, 20 x 15.
QPixmap DrawSpeaker(bool muted, qreal devicePixelRatio);
// The button glyphs: two bars (pause) or a right-pointing triangle (play), for a 29 x 25 button.
QIcon DrawPauseGlyph();
QIcon DrawPlayGlyph();

}  // namespace veltrano

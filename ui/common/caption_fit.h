#pragma once

class QWidget;

namespace veltrano {

// The windows are drawn for their English captions. A translated caption is often longer: the
// control then grows where its text needs room, never shrinks, and the English layout stays as
// drawn (so only controls that show a translation give way).
namespace caption_fit {

// Remembers the English source of the caption a control was given.
void NoteSource(QWidget& control, const char* source);

// Whether the control's caption differs from the English source noted for it.
bool ShowsTranslation(const QWidget& control);

// The width a control needs for its caption: a label its text, a button its size hint (text,
// indicator and the style's padding).
int NeededWidth(QWidget& control);

enum class Keep { Left, Right, Centre };  // the edge that stays where it was drawn

// Widens the control to NeededWidth, keeping the given edge; returns by how much it grew.
int Grow(QWidget& control, Keep keep);

// Moves a box's left edge clear of its caption, keeping the box's right edge.
void ClearOf(const QWidget& caption, QWidget& box, int gap);

}  // namespace caption_fit

}  // namespace veltrano

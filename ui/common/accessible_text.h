#pragma once

#include <QString>

class QWidget;

namespace veltrano {

// What screen readers and voice control hear. A name always holds the caption the user sees,
// so "click More" finds "More >>"; longer explanations go into the description.

// The name of a control that shows a value: its caption, then the value
// ("Time Elapsed: 00:00:05"). Without a value the caption alone.
QString NameWithValue(const QString& caption, const QString& value);

// Renames a control that shows a value; the assistive tools hear the new name at once.
void SetNameWithValue(QWidget& widget, const QString& caption, const QString& value);

// Tells the assistive tools that a window appeared that asks for attention (a notice).
void AnnounceAlert(QWidget& window);

}  // namespace veltrano

#pragma once

#include <QStringView>
#include <QtGlobal>

namespace veltrano {

// Value of the decimal digits that start `text`; 0 when it starts with anything else (callers
// trim spaces first where blanks may lead). Saturates at INT_MAX instead of overflowing,
// which is enough for sizes and bitrates that are clamped far below that anyway.
qint64 LeadingNumber(QStringView text);

}  // namespace veltrano

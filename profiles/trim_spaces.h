#pragma once

#include <QString>

namespace veltrano {

// Removes leading and trailing blanks (U+0020) only; the dialog's boxes and grid items are
// trimmed of spaces, while other white space is kept as typed.
inline QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) {
        --last;
    }
    return text.mid(first, last - first);
}

}  // namespace veltrano

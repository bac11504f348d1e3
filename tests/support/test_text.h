#pragma once

#include <QString>

namespace veltrano {

// Short Latin-1 literals in table-driven tests: Q("mp4").
inline QString Q(const char* text) {
    return QString::fromLatin1(text);
}

}  // namespace veltrano

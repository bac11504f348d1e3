#pragma once

#include <QString>
#include <cctype>
#include <string>
#include <string_view>

namespace veltrano {

// Short Latin-1 literals in table-driven tests: Q("mp4").
inline QString Q(const char* text) {
    return QString::fromLatin1(text);
}

// A parameterised test's name part made from any text: GoogleTest takes only letters, digits
// and underscores, so each run of other characters becomes one underscore ("-s 320x240" gives
// "s_320x240"); text with no letter or digit gives "Empty".
inline std::string TestNamePart(std::string_view text) {
    std::string name;
    bool gap = false;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            if (gap && !name.empty()) {
                name += '_';
            }
            name += c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return name.empty() ? std::string("Empty") : name;
}

}  // namespace veltrano

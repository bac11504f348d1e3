#include "profiles/leading_number.h"

#include <algorithm>
#include <limits>

namespace veltrano {

qint64 LeadingNumber(QStringView text) {
    constexpr qint64 kCap = std::numeric_limits<int>::max();
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            break;
        }
        value = std::min(kCap, value * 10 + (c.unicode() - u'0'));
    }
    return value;
}

}  // namespace veltrano

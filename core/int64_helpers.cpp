#include "core/int64_helpers.h"

#include <cmath>
#include <limits>

namespace veltrano {

double MicrosecondsToSeconds(std::int64_t value) {
    return static_cast<double>(value) / 1000000.0;
}

double MicrosecondsToSeconds(std::uint32_t low, std::int32_t high) {
    return MicrosecondsToSeconds(JoinHalves64(low, high));
}

bool IsPositive64(std::int64_t value) {
    return value > 0;
}

bool IsPositive64(std::uint32_t low, std::int32_t high) {
    return IsPositive64(JoinHalves64(low, high));
}

bool IsNegative64(std::int64_t value) {
    return value < 0;
}

bool IsNegative64(std::uint32_t low, std::int32_t high) {
    return IsNegative64(JoinHalves64(low, high));
}

QString FormatCount64(std::int64_t value) {
    if (value < 0 || value > std::numeric_limits<std::int32_t>::max()) {
        return QStringLiteral("N/A");
    }
    return QString::number(value);
}

QString FormatCount64(std::uint32_t low, std::int32_t high) {
    return FormatCount64(JoinHalves64(low, high));
}

std::int64_t ScaleTime64(std::int64_t duration, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0) {
        return 0;
    }
    // The product is exact in 128 bits; only the division is done in double precision.
    const __int128 product = static_cast<__int128>(duration) * numerator;
    const double scaled = static_cast<double>(product) / static_cast<double>(denominator);
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18) {
        return 0;
    }
    return static_cast<std::int64_t>(std::llround(scaled));
}

}  // namespace veltrano

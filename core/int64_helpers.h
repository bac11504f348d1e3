#pragma once

#include <QString>
#include <cstdint>

namespace veltrano {

// The engine reports 64-bit values, in events as two 32-bit halves, low half first.
// Times are signed microseconds.

constexpr std::int64_t JoinHalves64(std::uint32_t low, std::int32_t high) {
    return static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(high)) << 32) | low);
}

double MicrosecondsToSeconds(std::int64_t value);
double MicrosecondsToSeconds(std::uint32_t low, std::int32_t high);
bool IsPositive64(std::int64_t value);
bool IsPositive64(std::uint32_t low, std::int32_t high);
bool IsNegative64(std::int64_t value);
bool IsNegative64(std::uint32_t low, std::int32_t high);
// Decimal text, or "N/A" for a negative value or one above 2,147,483,647.
QString FormatCount64(std::int64_t value);
QString FormatCount64(std::uint32_t low, std::int32_t high);
// duration x numerator / denominator, rounded to the nearest microsecond.
std::int64_t ScaleTime64(std::int64_t duration, std::int32_t numerator, std::int32_t denominator);

}  // namespace veltrano

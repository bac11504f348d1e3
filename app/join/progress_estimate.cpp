#include "app/join/progress_estimate.h"

#include <algorithm>
#include <cmath>

#include "core/int64_helpers.h"
#include "core/value_format.h"

namespace veltrano {

std::optional<ProgressEstimate> ProgressEstimate::Compute(std::int64_t bytesWritten,
                                                          std::int64_t positionUs,
                                                          std::int64_t totalUs,
                                                          double elapsedSeconds,
                                                          const QLocale& locale) {
    if (!IsPositive64(positionUs) || !IsPositive64(totalUs)) {
        return std::nullopt;
    }
    const double fraction = MicrosecondsToSeconds(positionUs) / MicrosecondsToSeconds(totalUs);
    if (!std::isfinite(fraction) || fraction <= 0.0 || !std::isfinite(elapsedSeconds)) {
        return std::nullopt;
    }
    const double elapsed = std::max(elapsedSeconds, 0.0);
    const double bytes = static_cast<double>(std::max<std::int64_t>(bytesWritten, 0));

    ProgressEstimate estimate;
    estimate.ElapsedText = FormatDuration(elapsed);
    estimate.RemainingText = FormatDuration(elapsed / fraction - elapsed);
    estimate.SizeText = FormatMegabytes(BytesToMegabytes(bytes / fraction), locale);
    // A position reported past the total must not push the bar beyond full.
    estimate.Percent = static_cast<int>(std::min(std::trunc(fraction * 100.0), 100.0));
    return estimate;
}

}  // namespace veltrano

#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace veltrano {

// What one progress report of a join shows: elapsed and remaining time, the estimated
// output size and the percentage.
struct ProgressEstimate {
    QString ElapsedText;    // "hh:mm:ss"
    QString RemainingText;  // projected total time minus the time spent
    QString SizeText;       // bytes written / fraction done, "#,##0.0 MB"
    int Percent = 0;        // fraction done x 100, truncated, 0..100

    // nullopt when the report allows no estimate (position or total not positive); the
    // window then keeps its previous texts. The size is projected from the full 64-bit byte
    // count, so a join past 2 GiB still shows its real size.
    static std::optional<ProgressEstimate> Compute(std::int64_t bytesWritten,
                                                   std::int64_t positionUs, std::int64_t totalUs,
                                                   double elapsedSeconds,
                                                   const QLocale& locale = QLocale());
};

}  // namespace veltrano

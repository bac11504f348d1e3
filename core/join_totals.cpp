#include "core/join_totals.h"

#include "core/join_list.h"
#include "core/value_format.h"

namespace veltrano {

JoinTotals::JoinTotals()
    : files_text_(QStringLiteral("Total Files: 0")),
      duration_text_(QStringLiteral("Total Duration: 00:00:00")) {}

bool JoinTotals::RefreshTotals(const JoinList& list) {
    if (last_list_ == &list && list.ContentRevision() == last_revision_seen_) {
        return false;
    }
    double total = 0.0;
    for (int row = 0; row < list.Count(); ++row) {
        total += list.Row(row).DurationSeconds;
    }
    files_text_ = QStringLiteral("Total Files: ") + QString::number(list.Count());
    duration_text_ = QStringLiteral("Total Duration: ") + FormatDuration(total);
    last_list_ = &list;
    last_revision_seen_ = list.ContentRevision();
    return true;
}

}  // namespace veltrano

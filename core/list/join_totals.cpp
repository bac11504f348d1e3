#include "core/list/join_totals.h"
#include <QCoreApplication>

#include "core/list/join_list.h"
#include "core/value_format.h"

namespace veltrano {

JoinTotals::JoinTotals()
    : filesText_(QCoreApplication::translate("Main", "Total Files: 0")),
      durationText_(QCoreApplication::translate("Main", "Total Duration: 00:00:00")) {}

bool JoinTotals::RefreshTotals(const JoinList& list) {
    if (lastList_ == &list && list.ContentRevision() == lastRevisionSeen_) {
        return false;
    }
    double total = 0.0;
    for (int row = 0; row < list.Count(); ++row) {
        total += list.Row(row).DurationSeconds;
    }
    //: %1 is the number of files.
    filesText_ = QCoreApplication::translate("Main", "Total Files: %1").arg(list.Count());
    //: %1 is the duration as hh:mm:ss.
    durationText_ =
        QCoreApplication::translate("Main", "Total Duration: %1").arg(FormatDuration(total));
    lastList_ = &list;
    lastRevisionSeen_ = list.ContentRevision();
    return true;
}

}  // namespace veltrano

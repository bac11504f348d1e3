#pragma once

#include <QString>

#include "core/list/join_list.h"

namespace veltrano {

// The two status texts beside the list ("Total Files: ", "Total Duration: "), refreshed by
// a 300 ms timer. Recomputes whenever the list's content changed since the last refresh,
// not only when the row count differs, so a removal and an addition between two ticks are
// not missed; when nothing changed a refresh costs one comparison.
class JoinTotals {
public:
    JoinTotals();

    // Returns true when the texts were recomputed.
    bool RefreshTotals(const JoinList& list);

    const QString& FilesText() const { return filesText_; }
    const QString& DurationText() const { return durationText_; }

private:
    QString filesText_;
    QString durationText_;
    const JoinList* lastList_ = nullptr;
    quint64 lastRevisionSeen_ = 0;
};

}  // namespace veltrano

#pragma once

#include <atomic>

#include "engine/copy/copy_scan.h"
#include "engine/plan/join_outcome.h"
#include "engine/plan/join_task.h"

namespace veltrano {

// Joins by copying the packets of every input unchanged. Checks `cancel` per packet and through
// the AVIO interrupt callback; a cancelled join returns a negative code (AVERROR_EXIT) promptly.
// The outcome counts the packets written to each output stream. `first`, when given, is the
// first input already opened and analysed (the job check's), so it is not opened for the scan.
Result<JoinOutcome> JoinByCopy(const JoinTask& task, const std::atomic<bool>& cancel,
                               const JoinProgressFn& progress, AnalysedInput first = {});

// The same join, for callers that need only its Status (the note on success).
Status RunCopyJoin(const JoinTask& task, const std::atomic<bool>& cancel,
                   const JoinProgressFn& progress);

}  // namespace veltrano

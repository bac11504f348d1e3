#pragma once

#include <atomic>

#include "engine/plan/join_outcome.h"
#include "engine/plan/join_task.h"

namespace veltrano {

// Joins by decoding every input and encoding one output. Checks `cancel` per packet and through
// the AVIO interrupt callback; a cancelled join returns a negative code (AVERROR_EXIT) promptly.
// The outcome lists the streams written; their packets are not counted.
Result<JoinOutcome> JoinByConverting(const JoinTask& task, const std::atomic<bool>& cancel,
                                     const JoinProgressFn& progress);

// The same join, for callers that need only its Status.
Status RunConvertJoin(const JoinTask& task, const std::atomic<bool>& cancel,
                      const JoinProgressFn& progress);

}  // namespace veltrano

#pragma once

extern "C" {
#include <libavutil/error.h>
}

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/result.h"
#include "engine/plan/output_plan.h"

namespace veltrano {

// The contract between the encoder's job shell and the two joiners. A joiner runs
// synchronously on the job's worker thread, writes only to WritePath (the job shell renames
// it into place after success and deletes it otherwise) and only ever reads the inputs.
struct JoinTask {
    std::vector<QString> Inputs;  // in join order
    QString WritePath;            // temporary file in the destination folder
    OutputPlan Plan;
};

// bytes the output holds, position on the joined timeline and total duration (microseconds).
using JoinProgressFn =
    std::function<void(std::int64_t bytes, std::int64_t positionUs, std::int64_t totalUs)>;

// What every stopped join returns, whichever stage it was in.
inline Status StoppedStatus() {
    return {AVERROR_EXIT, QStringLiteral("The join was stopped.")};
}

}  // namespace veltrano

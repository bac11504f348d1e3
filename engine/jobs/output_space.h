#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/result.h"
#include "engine/plan/output_plan.h"

namespace veltrano {

// Bytes free for this user on the file system that holds `folder`; negative when unknown.
using FreeSpaceFn = std::function<std::int64_t(const QString& folder)>;
std::int64_t FreeSpaceOf(const QString& folder);

// About how large a join's output grows. A copy writes what the inputs hold. A conversion
// writes its planned bitrates for the whole duration plus the container's overhead; a stream
// whose bitrate is left to the encoder is not counted, so the figure errs low and a refusal
// never rests on a guess.
std::int64_t EstimateOutputBytes(const OutputPlan& plan, const std::vector<QString>& inputs,
                                 std::int64_t totalUs);

// Ok when `neededBytes` fit in the free space of the folder that will hold `outputPath`, or
// when the free space cannot be told; otherwise a failure with both figures, e.g. "The output
// needs about 2.1 GB; the destination has 0.8 GB free."
Status CheckOutputSpace(std::int64_t neededBytes, const QString& outputPath,
                        const FreeSpaceFn& freeSpace);

}  // namespace veltrano

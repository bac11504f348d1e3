#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <atomic>
#include <vector>

#include "engine/copy/copy_join.h"
#include "engine/plan/output_plan_resolver.h"

namespace veltrano {

// Joins `inputs` into `output` by stream copy, as "-vcodec copy -acodec copy -join" asks, with
// no progress and no stop. Header-only: only engine test binaries include it.
inline Status CopyJoin(const std::vector<QString>& inputs, const QString& output) {
    const auto plan = ParseEncodeOptions(QStringLiteral("-vcodec copy -acodec copy -join"), output);
    EXPECT_TRUE(plan.Ok()) << plan.Message().toStdString();
    JoinTask task{inputs, output, (plan.Ok() ? *plan : OutputPlan{})};
    std::atomic<bool> cancel{false};
    return RunCopyJoin(task, cancel, {});
}

}  // namespace veltrano

#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <vector>

#include "core/result.h"
#include "engine/copy/copy_stream_check.h"
#include "engine/plan/join_task.h"

namespace veltrano {

// What a stream copy knows before it writes anything: every input looked at (one open at a
// time), the output container, and which streams of each input the output takes.
struct CopyJoinInputs {
    std::vector<CopyInputScan> Scans;  // in join order
    std::int64_t TotalUs = 0;          // the inputs' durations added up
    bool WithVideo = false;
    bool WithAudio = false;
    QString Muxer;  // the plan's, or the MPEG program stream's variant for other video
    CopyStreamChoice Choice;
};

// Looks at every input and decides; fails, naming the file, on an input that cannot be read,
// inputs that differ where the output keeps the first one's headers, and a cut the output
// cannot keep hidden.
Result<CopyJoinInputs> ScanCopyJoinInputs(const JoinTask& task, const std::atomic<bool>& cancel);

}  // namespace veltrano

#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <vector>

#include "core/result.h"
#include "engine/av/av_ptr.h"
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
    // The first input as it came analysed and unread since, for the copy pass to read rather
    // than open and analyse it again; null when it did not come so, or had to be read.
    av::InputFormatPtr AnalysedFirst;
};

// An input opened and analysed before the join, as the scan would (the job check reads the first
// input's facts so); the scan takes it instead of opening and analysing the file again, and the
// copy pass reads it.
struct AnalysedInput {
    av::InputFormatPtr Context;  // null: none
    // Read before the analysis, which makes demuxers drop the flag.
    bool Headerless = false;
};

// Looks at every input and decides; fails, naming the file, on an input that cannot be read,
// inputs that differ where the output keeps the first one's headers, and a cut the output
// cannot keep hidden.
// `analysedFirst`, when given, is the first input already analysed.
Result<CopyJoinInputs> ScanCopyJoinInputs(const JoinTask& task, const std::atomic<bool>& cancel,
                                          AnalysedInput analysedFirst = {});

// The same judgement without joining, one verdict per input in join order: Ok when a stream copy
// into the plan's container takes the file where it stands, else the sentence the join fails
// with. The first input's verdict is about itself (unreadable, nothing to copy, a cut the output
// cannot keep hidden); when it cannot lead, every later input carries its sentence. Each input
// is opened once, as for the join; fails only on no inputs or a stop.
Result<std::vector<Status>> CheckCopyJoinInputs(const std::vector<QString>& inputs,
                                                const OutputPlan& plan,
                                                const std::atomic<bool>& cancel);

}  // namespace veltrano

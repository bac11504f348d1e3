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

// Where a join has got to. The job shell and the joiners announce each point to an optional
// observer, so a stop can be made to arrive at an exact point instead of by chance.
enum class JoinStage {
    BeforeTemporaryFile,   // job shell: nothing written yet
    TemporaryFileCreated,  // job shell: the hidden temporary file exists, still empty
    OpeningInputs,         // joiner: reading the inputs before anything is written
    Writing,               // joiner: the output's header is written, packets follow
    WritingTrailer,        // joiner: every input is written, the output is being finished
    Renaming,              // job shell: the finished temporary file is about to take its name
    Renamed                // job shell: the output has its final name; the join is complete
                           // and its check (the output read back) follows
};
using JoinStageFn = std::function<void(JoinStage)>;

// The contract between the encoder's job shell and the two joiners. A joiner runs
// synchronously on the job's worker thread, writes only to WritePath (the job shell renames
// it into place after success and deletes it otherwise) and only ever reads the inputs.
struct JoinTask {
    std::vector<QString> Inputs;  // in join order
    QString WritePath;            // temporary file in the destination folder
    OutputPlan Plan;
    JoinStageFn OnStage = {};  // may be empty
    // Called once the inputs are read and their total duration is known, before the output is
    // opened; a failure ends the join with nothing written. May be empty.
    std::function<Status(std::int64_t totalUs)> BeforeWriting = {};
};

inline Status CheckBeforeWriting(const JoinTask& task, std::int64_t totalUs) {
    return task.BeforeWriting ? task.BeforeWriting(totalUs) : Status{};
}

inline void AnnounceStage(const JoinTask& task, JoinStage stage) {
    if (task.OnStage) {
        task.OnStage(stage);
    }
}

// bytes the output holds, position on the joined timeline and total duration (microseconds).
using JoinProgressFn =
    std::function<void(std::int64_t bytes, std::int64_t positionUs, std::int64_t totalUs)>;

// What every stopped join returns, whichever stage it was in.
inline Status StoppedStatus() {
    return {AVERROR_EXIT, QStringLiteral("The join was stopped.")};
}

}  // namespace veltrano

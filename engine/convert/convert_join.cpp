// Joining by re-encoding: every input is decoded in order and encoded into one output.

#include <QDir>
#include <new>
#include <vector>

#include "engine/av/av_error.h"
#include "engine/av/av_interrupt.h"
#include "engine/convert/convert_input.h"
#include "engine/convert/convert_join.h"
#include "engine/convert/convert_output.h"
#include "engine/convert/convert_segment.h"
#include "engine/convert/convert_timeline.h"
#include "engine/plan/progress_throttle.h"

namespace veltrano {

namespace {

class ProgressReporter {
public:
    ProgressReporter(const JoinProgressFn& progress, std::int64_t totalUs)
        : progress_(progress), totalUs_(totalUs) {}

    void Report(const ConvertOutput& output, const ConvertTimeline& timeline, bool force) {
        if (!progress_ || !throttle_.Due(force)) {
            return;
        }
        progress_(output.Bytes(), timeline.PositionUs(), totalUs_);
    }

private:
    const JoinProgressFn& progress_;
    std::int64_t totalUs_;
    ProgressThrottle throttle_;
};

Result<JoinOutcome> Join(const JoinTask& task, const std::atomic<bool>& cancel,
                         const JoinProgressFn& progress) {
    if (task.Inputs.empty()) {
        return Status(AVERROR(EINVAL), QStringLiteral("There are no files to join."));
    }
    const AVIOInterruptCB interrupt = av::InterruptFor(cancel);
    AnnounceStage(task, JoinStage::OpeningInputs);

    // Every input is looked at first: the output's settings follow the first inputs, the
    // total needs every duration, and a file that cannot be opened fails before any writing.
    std::vector<ConvertSourceInfo> sources;
    std::int64_t totalUs = 0;
    for (const QString& path : task.Inputs) {
        if (cancel.load()) {
            return StoppedStatus();
        }
        ConvertInput input;
        Status outcome = input.Open(path, cancel, false);
        if (!outcome.Ok()) {
            return cancel.load() ? StoppedStatus() : outcome;
        }
        sources.push_back(input.Info());
        totalUs += std::max<std::int64_t>(0, input.Info().DurationUs);
    }
    if (Status room = CheckBeforeWriting(task, totalUs); !room.Ok()) {
        return room;
    }

    ConvertOutput output;
    Status outcome = output.Open(task.Plan, sources, task.WritePath, interrupt);
    if (!outcome.Ok()) {
        return cancel.load() ? StoppedStatus() : outcome;
    }
    AnnounceStage(task, JoinStage::Writing);
    ConvertTimeline timeline(output, cancel);
    ProgressReporter reporter(progress, totalUs);
    reporter.Report(output, timeline, true);
    const auto tick = [&] { reporter.Report(output, timeline, false); };

    JoinChapters chapters(task.Plan.Chapters);
    for (const QString& path : task.Inputs) {
        ConvertInput input;  // one input open at a time keeps memory flat
        outcome = input.Open(path, cancel, true);
        if (!outcome.Ok()) {
            return cancel.load() ? StoppedStatus() : outcome;
        }
        // Each segment starts where the previous one ended, video and sound together.
        chapters.AddFile(path, input.Format(), input.Info().StartUs, timeline.PositionUs());
        ConvertSegment segment(input, timeline, output.Format(), QDir::toNativeSeparators(path));
        outcome = segment.Run(cancel, tick);
        if (!outcome.Ok()) {
            return cancel.load() ? StoppedStatus() : outcome;
        }
    }

    AnnounceStage(task, JoinStage::WritingTrailer);
    int ret = timeline.Finish();
    if (ret >= 0) {
        ret = output.AddChapters(chapters, timeline.PositionUs());
    }
    if (ret >= 0) {
        ret = output.Finish();
    }
    if (cancel.load()) {
        return StoppedStatus();
    }
    if (ret < 0) {
        // Not the temporary file's name: the user never sees it.
        return Status(ret, av::Describe(QStringLiteral("Cannot finish the output"), ret));
    }
    reporter.Report(output, timeline, true);
    return JoinOutcome{QString(), totalUs, WrittenStreamsOf(output.Context())};
}

}  // namespace

Result<JoinOutcome> JoinByConverting(const JoinTask& task, const std::atomic<bool>& cancel,
                                     const JoinProgressFn& progress) {
    try {
        return Join(task, cancel, progress);
    } catch (const std::bad_alloc&) {
        return Status(AVERROR(ENOMEM), QStringLiteral("Out of memory while joining."));
    }
}

Status RunConvertJoin(const JoinTask& task, const std::atomic<bool>& cancel,
                      const JoinProgressFn& progress) {
    Result<JoinOutcome> joined = JoinByConverting(task, cancel, progress);
    return joined.Ok() ? Status::Note(joined->Note) : joined.GetStatus();
}

}  // namespace veltrano

#pragma once

// The stream-copy joiner's state, for copy_join.cpp only.

extern "C" {
#include <libavformat/avformat.h>
}

#include <QString>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "core/result.h"
#include "engine/av/av_ptr.h"
#include "engine/copy/copy_opened_input.h"
#include "engine/copy/copy_output_stream_state.h"
#include "engine/copy/copy_scan.h"
#include "engine/copy/copy_stream_check.h"
#include "engine/copy/copy_subtitle_spread.h"
#include "engine/copy/copy_timeline.h"
#include "engine/plan/join_chapters.h"
#include "engine/plan/join_outcome.h"
#include "engine/plan/join_task.h"
#include "engine/plan/progress_throttle.h"

namespace veltrano {

// Remuxes every packet of every input into one output, no decoding; one object per join.
class CopyJoiner {
public:
    CopyJoiner(const JoinTask& task, const std::atomic<bool>& cancel,
               const JoinProgressFn& progress, AnalysedInput first)
        : task_(task), cancel_(cancel), progress_(progress), first_(std::move(first)) {}

    Result<JoinOutcome> Run();

private:
    Status ScanInputs();
    Result<OpenedInput> OpenFile(std::size_t index);
    // The scan's facts of the kept stream `inIndex` of input `index`.
    const CopyStreamParams& ScannedStream(std::size_t index, int inIndex) const {
        return scans_[index].Streams[static_cast<std::size_t>(inIndex)];
    }
    Status CreateOutput(const OpenedInput& first);
    Status CopyFile(std::size_t index, OpenedInput& opened);
    void BeginFileStreams(std::size_t index, const OpenedInput& opened);
    Status Feed(std::size_t index, OpenedInput& opened, int outIndex, AVPacket* in,
                AVPacket* filtered);
    Status Deliver(std::size_t index, int outIndex, AVPacket* packet);
    Status WriteCover(std::size_t index, AVPacket* packet);
    Status StartFile(std::size_t index);
    Status CheckHiddenLead(std::size_t index, int outIndex, const AVPacket* packet);
    Status Write(std::size_t index, int outIndex, AVPacket* packet);
    void ReportProgress(bool force);
    bool CanFillGaps(int outIndex);
    void ShiftForMuxer(int outIndex, AVPacket* packet) const;

    const JoinTask& task_;
    const std::atomic<bool>& cancel_;
    const JoinProgressFn& progress_;
    AnalysedInput first_;               // taken by the scan
    av::InputFormatPtr analysedFirst_;  // handed back by the scan, taken by the copy pass
    JoinChapters chapters_{task_.Plan.Chapters};

    std::vector<CopyInputScan> scans_;
    CopyStreamChoice choice_;
    std::int64_t totalUs_ = 0;
    bool withVideo_ = false;
    bool withAudio_ = false;
    QString muxer_;
    av::OutputFormatPtr output_;
    std::unique_ptr<CopyTimeline> timeline_;
    int master_ = 0;
    // One per output stream, made with the output.
    std::vector<OutputStreamState> streams_;
    bool coverWritten_ = false;
    SubtitleSpread subtitleSpread_;
    // Until every kept stream of the current file has shown its first packet, packets are held:
    // the earliest of them fixes where the file starts.
    bool started_ = false;
    std::deque<av::PacketPtr> pending_;
    // Packets of the current file written, silence left out.
    std::int64_t writtenInFile_ = 0;
    ProgressThrottle throttle_;
};

}  // namespace veltrano

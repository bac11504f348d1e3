#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <QString>
#include <atomic>
#include <vector>

#include "core/result.h"
#include "engine/av/av_ptr.h"
#include "engine/copy/copy_stream_check.h"

namespace veltrano {

// One input while it is being copied: its kept streams mapped to output streams.
struct OpenedInput {
    av::InputFormatPtr Context;
    std::vector<int> OutIndexOf;      // per input stream: output stream or -1
    std::vector<int> InIndexOf;       // per output stream: input stream or -1
    std::vector<av::BsfPtr> Filters;  // per output stream, may be empty
};

// Opens the input at `path` for copying its `kept` streams (input indexes, in output order) into
// `muxer`, analysing it again only where the copy needs it (`first`: the file whose parameters
// the output takes), with the bitstream filters the output container needs. `analysed`, when
// given, is the first input as the scan found it, opened with the copy's read buffer and
// analysed as this would; it is read instead when the file has not changed since it was opened.
Result<OpenedInput> OpenCopyInput(const QString& path, const CopyInputScan& scan,
                                  const std::vector<int>& kept, bool first, const QString& muxer,
                                  const std::atomic<bool>& cancel,
                                  av::InputFormatPtr analysed = nullptr);

}  // namespace veltrano

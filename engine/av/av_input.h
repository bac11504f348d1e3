#pragma once

#include <QString>
#include <atomic>
#include <cstdint>

#include "core/result.h"
#include "engine/av/av_ptr.h"

namespace veltrano {

namespace av {

// How an input is opened; the defaults open it as libav would.
struct InputOpenOptions {
    // When set, a read blocking inside libav ends once the flag is raised (a stop).
    const std::atomic<bool>* Cancel = nullptr;
    // Bounds of the later stream analysis: bytes read and stream time looked at; 0 leaves
    // libav's own.
    std::int64_t ProbeSizeBytes = 0;
    std::int64_t AnalyzeDurationUs = 0;
    // When set, a plain file is read through a buffer of this size (av::OpenFileIo) rather
    // than libav's 32 KB one: for reading a whole file front to back. The file protocol's own
    // options ("blocksize", "seekable") are then not taken.
    int ReadBufferBytes = 0;
    // Demuxer options "key=value:key=value"; they override the bounds above, and one that no
    // one takes is refused.
    QString FormatOptions;
    // How a failure's sentence begins, e.g. "Cannot open file". Empty: "Cannot open input
    // file <path>".
    QString FailureLead;
};

// Opens `path` (in the file system's encoding) and reads its header; no stream analysis yet.
// A failure carries libav's code and one sentence: "<lead>: <libav's reason>", "<lead>:
// unknown option "<key>"" or "Cannot read the open options: <reason>"; without a lead of its
// own, running out of memory before libav is reached says "Out of memory opening <path>".
Result<InputFormatPtr> OpenMediaInput(const QString& path, const InputOpenOptions& options = {});

}  // namespace av

}  // namespace veltrano

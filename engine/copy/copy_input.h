#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <QString>
#include <atomic>

#include "core/result.h"
#include "engine/av/av_ptr.h"
#include "engine/copy/copy_stream_check.h"

namespace veltrano {

// Opening an input for the stream copy and choosing the bitstream filters its streams need.
namespace copy_input {

// The read buffer of the copy pass, which reads each file whole: a system call per 256 KB
// rather than two per picture. Larger buffers measured slower: the bytes no longer stay in
// the cache between the kernel's copy into the buffer and libav's copy out of it.
constexpr int kCopyReadBufferBytes = 1 << 18;

// Opens `path` with the stop flag as interrupt callback; no analysis yet (Analyse). A read
// buffer size above 0 replaces libav's (av::InputOpenOptions::ReadBufferBytes).
Result<av::InputFormatPtr> Open(const QString& path, const std::atomic<bool>& cancel,
                                int readBufferBytes = 0);

// What Open sets on a context for the copy, for one that was opened elsewhere.
void PrepareForCopy(AVFormatContext* input, const std::atomic<bool>& cancel);

// Finds the streams' parameters; `deep` looks much further into the file, for files whose
// streams start late.
int Analyse(AVFormatContext* input, bool deep);

// The container stores each packet's decoding stamp, so pictures stored out of order are read
// with both stamps without the reorder depth an analysis finds.
bool StoresDecodingStamps(const AVInputFormat* format);

// The analysis ended before it saw a packet of a kept stream.
bool AnalysisFellShort(const CopyInputScan& scan);

// The filter one input stream needs to suit the output container, or nullptr: ADTS audio into
// containers that carry the AAC configuration out of band, length-prefixed H.264/HEVC into
// MPEG transport or program streams, hidden VP9 pictures merged with the next shown one.
const char* BitstreamFilterFor(const AVFormatContext* input, const AVCodecParameters* par,
                               const QString& muxer);

// A ready bitstream filter `name` for the stream's parameters and time base.
Result<av::BsfPtr> MakeFilter(const char* name, const AVStream* stream);

}  // namespace copy_input

}  // namespace veltrano

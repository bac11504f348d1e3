#pragma once

#include <QString>

#include "engine/av/av_ptr.h"

namespace veltrano {

// One linear libavfilter chain: a buffer source, a filter description and a buffer sink, as
// FFmpeg's filtering_video.c / filtering_audio.c set them up. One per input stream.
class ConvertFilterChain {
public:
    // Video source from a decoded frame's properties, in time base `timeBase`, its pixels
    // shown at `pixelAspect` (the input's rule, not only what the frame says).
    int OpenVideo(const AVFrame& first, AVRational timeBase, AVRational pixelAspect,
                  const QString& description);
    // Audio source from a decoded frame's properties, in time base `timeBase`.
    int OpenAudio(const AVFrame& first, AVRational timeBase, const QString& description);

    bool IsOpen() const { return graph_ != nullptr; }
    // Adds a frame (the chain takes a reference; the caller keeps its frame).
    int Push(AVFrame* frame);
    // Ends the input at `endPts` (source time base); AV_NOPTS_VALUE for "after the last frame".
    int Close(std::int64_t endPts);
    // 0 with a frame, AVERROR(EAGAIN) when more input is needed, AVERROR_EOF at the end.
    int Pull(AVFrame* frame);
    AVRational OutputTimeBase() const;

private:
    int Open(const char* sourceName, const QString& sourceArgs, const char* sinkName,
             const QString& description);

    av::FilterGraphPtr graph_;
    AVFilterContext* source_ = nullptr;  // owned by graph_
    AVFilterContext* sink_ = nullptr;    // owned by graph_
};

}  // namespace veltrano

#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <functional>

#include "engine/av/av_ptr.h"
#include "engine/convert/convert_filter_chain.h"
#include "engine/convert/convert_input.h"
#include "engine/convert/convert_timeline.h"
#include "engine/fit/timeline_guard.h"
#include "engine/plan/join_task.h"

namespace veltrano {

// Decodes one opened input through its own filter chains (recreated for every input) and
// places the result on the timeline as one segment.
class ConvertSegment {
public:
    ConvertSegment(ConvertInput& input, ConvertTimeline& timeline,
                   const ConvertOutputFormat& format, QString shownName);

    // Runs the input to its end; `tick` is called once per packet (for progress).
    Status Run(const std::atomic<bool>& cancel, const std::function<void()>& tick);

private:
    int Decode(AVCodecContext* decoder, const AVPacket* packet, bool video);
    int Filter(AVFrame* frame, bool video);
    int Drain(bool video);
    // Notes a packet read: what it tells of the file (encrypted, its streams' extent when
    // they are not decoded).
    void NotePacket(const AVPacket& packet);
    // One picture's length in the video stream's time base, from its frame rate.
    std::int64_t NominalFrameDuration() const;
    // Whether the packets or the streams carry encryption data.
    bool Encrypted() const;
    // Why the input gave nothing to decode, as far as it can be told.
    Status NothingDecoded() const;
    // The filters that turn, scale and pad the picture of `first`, its pixels shown at `sar`,
    // into the output frame.
    QString VideoDescription(const AVFrame& first, AVRational sar) const;
    QString AudioDescription() const;

    ConvertInput& input_;
    ConvertTimeline& timeline_;
    const ConvertOutputFormat& format_;
    QString shownName_;
    bool decodeVideo_ = false;
    bool decodeAudio_ = false;
    ConvertFilterChain videoChain_;
    ConvertFilterChain audioChain_;
    av::FramePtr decoded_ = av::MakeFrame();
    av::FramePtr filtered_ = av::MakeFrame();
    std::int64_t videoStart_ = 0;  // the input's start in each stream's time base
    std::int64_t audioStart_ = 0;
    std::int64_t nextVideoTs_ = AV_NOPTS_VALUE;
    std::int64_t nextAudioTs_ = AV_NOPTS_VALUE;
    convert::TimelineGuard guard_;  // the segment's stamps as far as the file backs them
    int packetsToDecode_ = 0;       // packets read of the streams decoded
    std::int64_t readUs_ = 0;       // furthest end of a packet read, from the segment's start
    int framesDecoded_ = 0;
    bool encrypted_ = false;
    bool readFailed_ = false;     // reading stopped on an error, not at the file's end
    const char* failure_ = "%1";  // the failed stage's source text, see the .cpp
};

}  // namespace veltrano

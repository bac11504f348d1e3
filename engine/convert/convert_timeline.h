#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

#include "engine/av/av_ptr.h"
#include "engine/fit/convert_audio_queue.h"
#include "engine/convert/convert_output.h"

namespace veltrano {

// The joined timeline. Each input is one segment; its frames arrive with timestamps relative
// to the segment's start and are placed after everything written before. At a segment's end
// the shorter of video and audio is padded (last picture repeated or black, silence) and
// audio is cut to end with the video, so the two start together at every join.
class ConvertTimeline {
public:
    // `cancel` is checked before every frame sent, so long padding stops promptly too.
    ConvertTimeline(ConvertOutput& output, const std::atomic<bool>& cancel);

    // Starts a segment; pictures/sound say whether the input brings any.
    void BeginSegment(bool pictures, bool sound);
    // For an input without pictures or sound: black frames or silence up to where the other
    // stream has got, so the output grows (and progress moves) while the input is read.
    int FillMissing();
    // A picture in the output's format and size; pts counts frames from the segment's start.
    int PutVideo(const AVFrame& frame);
    // Samples in the output's format; pts counts samples from the segment's start.
    int PutAudio(const AVFrame& frame);
    // Closes the segment: videoDurationUs is how long its video lasts (0 when it has none),
    // declaredUs the input's duration as its container states it.
    int EndSegment(std::int64_t videoDurationUs, std::int64_t declaredUs);
    // Sends the last queued samples; the caller then finishes the output.
    int Finish();

    // Position on the joined timeline, in microseconds.
    std::int64_t PositionUs() const;

private:
    int EmitVideo(const AVFrame& frame);
    int EmitBlack();
    int EncodeQueuedAudio(int keepSamples);
    // Takes `samples` from the queue and sends them to the audio encoder as one frame.
    int SendQueuedAudio(int samples);
    int SetAudioEnd(std::int64_t endSample);
    int MaxPaddingSamples() const;
    std::int64_t AudioSamplesAt(std::int64_t videoFrame) const;

    ConvertOutput& output_;
    const std::atomic<bool>& cancel_;
    const ConvertOutputFormat& format_;
    std::optional<ConvertAudioQueue> queue_;
    av::FramePtr lastPicture_;
    av::FramePtr blackPicture_;

    std::int64_t videoWritten_ = 0;  // frames sent to the video encoder
    std::int64_t audioPlaced_ = 0;   // samples placed on the timeline (queued or encoded)
    std::int64_t audioEncoded_ = 0;  // samples sent to the audio encoder
    std::int64_t segmentVideoStart_ = 0;
    std::int64_t segmentAudioStart_ = 0;
    bool segmentPictures_ = false;
    bool segmentSound_ = false;
    int holdBack_ = 0;  // samples kept queued so a segment's end can still be cut
};

}  // namespace veltrano

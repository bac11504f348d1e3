#pragma once

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/samplefmt.h>
}

#include <cstdint>
#include <vector>

namespace veltrano {

// Samples waiting for the audio encoder in its own format. Unlike AVAudioFifo it can give back
// samples from its tail, which is how a segment's audio is cut to end with its video.
class ConvertAudioQueue {
public:
    ConvertAudioQueue(AVSampleFormat format, int channels);

    int Size() const { return size_; }
    // Appends `count` samples of `frame` from sample `offset` on (frame in the queue's format).
    void Push(const AVFrame& frame, int offset, int count);
    void PushSilence(int count);
    // Removes up to `count` samples from the tail.
    void TrimTail(int count);
    // Moves the first `count` samples into `frame`, whose buffers hold at least that many.
    void Pop(AVFrame* frame, int count);

private:
    AVSampleFormat format_;
    int channels_;
    int unitBytes_;  // bytes of one sample in one plane
    std::vector<std::vector<std::uint8_t>> planes_;
    int size_ = 0;
};

}  // namespace veltrano

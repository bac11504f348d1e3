#include "engine/fit/convert_audio_queue.h"

#include <algorithm>
#include <cstring>

namespace veltrano {

ConvertAudioQueue::ConvertAudioQueue(AVSampleFormat format, int channels)
    : format_(format), channels_(channels) {
    const bool planar = av_sample_fmt_is_planar(format) != 0;
    unitBytes_ = av_get_bytes_per_sample(format) * (planar ? 1 : channels);
    planes_.resize(planar ? static_cast<std::size_t>(channels) : 1U);
}

void ConvertAudioQueue::Push(const AVFrame& frame, int offset, int count) {
    if (count <= 0) {
        return;
    }
    for (std::size_t plane = 0; plane < planes_.size(); ++plane) {
        const std::uint8_t* begin = frame.extended_data[plane] + offset * unitBytes_;
        planes_[plane].insert(planes_[plane].end(), begin, begin + count * unitBytes_);
    }
    size_ += count;
}

void ConvertAudioQueue::PushSilence(int count) {
    if (count <= 0) {
        return;
    }
    std::vector<std::uint8_t*> starts;
    for (auto& plane : planes_) {
        plane.resize(plane.size() + static_cast<std::size_t>(count) * unitBytes_);
        starts.push_back(plane.data());
    }
    // Unsigned 8-bit silence is 0x80, not zero; let libav write it.
    av_samples_set_silence(starts.data(), size_, count, channels_, format_);
    size_ += count;
}

void ConvertAudioQueue::TrimTail(int count) {
    count = std::clamp(count, 0, size_);
    for (auto& plane : planes_) {
        plane.resize(plane.size() - static_cast<std::size_t>(count) * unitBytes_);
    }
    size_ -= count;
}

void ConvertAudioQueue::Pop(AVFrame* frame, int count) {
    count = std::clamp(count, 0, size_);
    for (std::size_t plane = 0; plane < planes_.size(); ++plane) {
        const std::size_t bytes = static_cast<std::size_t>(count) * unitBytes_;
        std::memcpy(frame->extended_data[plane], planes_[plane].data(), bytes);
        planes_[plane].erase(planes_[plane].begin(),
                             planes_[plane].begin() + static_cast<std::ptrdiff_t>(bytes));
    }
    size_ -= count;
}

}  // namespace veltrano

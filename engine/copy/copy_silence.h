#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <memory>

#include "engine/av/av_ptr.h"

namespace veltrano {

// One coded frame of silence in the format of a copied audio stream, to fill a gap at a join
// where the container cannot carry one (AVI and MP4 play audio packets back to back, so a
// gap would shift every later sound against the pictures).
class CopySilence {
public:
    // Nullptr when no encoder can make a frame that the stream's decoder takes unchanged
    // (codecs other than AAC-LC, MP3, MP2, AC-3, or an encoder that will not open).
    static std::unique_ptr<CopySilence> Create(const AVCodecParameters* stream,
                                               AVRational outTimeBase);

    // A new reference to the silent frame; duration in the output time base, no timestamps.
    av::PacketPtr Packet() const;
    std::int64_t Duration() const { return duration_; }

private:
    CopySilence() = default;

    av::PacketPtr packet_;
    std::int64_t duration_ = 0;
};

}  // namespace veltrano

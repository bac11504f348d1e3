#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <QString>
#include <cstdint>
#include <vector>

namespace veltrano {

// One stream of a finished output as its joiner wrote it.
struct WrittenStream {
    AVMediaType Type = AVMEDIA_TYPE_UNKNOWN;
    AVCodecID Codec = AV_CODEC_ID_NONE;
    bool Cover = false;         // an attached picture, stored as the container likes
    std::int64_t FrameUs = 0;   // one picture or one sound frame; 0 when unknown
    std::int64_t Packets = -1;  // packets handed to the muxer; -1 when not counted
};

// What a completed join wrote, so that the job shell can compare the output read back with
// it: the inputs' durations added up and the streams with their codecs.
struct JoinOutcome {
    QString Note;  // what the user should still hear about (tracks left out); often empty
    std::int64_t TotalUs = 0;
    std::vector<WrittenStream> Streams;
};

// The streams of an output being written, in order, with no packets counted.
std::vector<WrittenStream> WrittenStreamsOf(const AVFormatContext* output);

}  // namespace veltrano

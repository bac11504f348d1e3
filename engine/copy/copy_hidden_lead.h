#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <QString>
#include <cstdint>

#include "core/result.h"
#include "engine/copy/copy_stream_check.h"

namespace veltrano {

// Packets a demuxer marks as not shown at a file's start (AV_PKT_FLAG_DISCARD): the encoder's
// priming, or footage an edit list cuts away (a clip trimmed without re-encoding). A stream copy
// keeps them with their marking, but an output can hide such a lead only at its very start: the
// MP4 and MOV muxers turn a negative first timestamp into an edit list of their own; no muxer can
// hide frames in the middle of a file. A cut anywhere else would show the cut-away footage again,
// so it is refused; a frame or two of audio priming is not footage and goes through.
namespace copy_hidden_lead {

// How long a stream's hidden lead is, counted packet by packet.
struct StreamLead {
    bool IsAudio = false;
    AVRational TimeBase{1, 1};
    std::int64_t FrameDuration = 0;  // in TimeBase; 0 when unknown
    std::int64_t Hidden = 0;         // in TimeBase

    // Counts one hidden packet; `duration` in TimeBase, 0 when the packet carries none.
    void Add(std::int64_t duration);
    // The lead is longer than priming: footage was cut away.
    bool IsCut() const;
};

// The lead of a kept stream of `scan`, before any packet was counted.
StreamLead LeadOf(const CopyStreamParams& stream);

// True when the muxer can keep the first file's hidden lead hidden.
bool OutputKeepsLeadHidden(const QString& muxerName);

// Reads the opening packets of an analysed input (the analysis holds them already) until the
// scan's video and audio stream have each shown a packet: true when either starts with a cut.
bool StartsWithCut(AVFormatContext* input, const CopyInputScan& scan);

// The refusal for a file that starts with a cut, placed first (`firstFile`) or later.
Status Refusal(const QString& fileName, bool firstFile);

}  // namespace copy_hidden_lead

}  // namespace veltrano

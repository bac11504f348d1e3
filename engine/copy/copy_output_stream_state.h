#pragma once

#include <cstdint>
#include <memory>

#include "engine/copy/copy_hidden_lead.h"
#include "engine/copy/copy_silence.h"
#include "engine/copy/copy_timeline.h"

namespace veltrano {

// What the copy joiner keeps for one output stream: fixed once the output is made, or about
// the file being copied.
struct OutputStreamState {
    // A file waits for the stream's first packet before starting (pictures and sound;
    // subtitles are sparse).
    bool Gate = false;
    // Cover art, written once.
    bool Cover = false;
    // Added to every stamp handed to the muxer (output time base).
    std::int64_t MuxerShift = 0;
    // Silence for gaps at joins, made on first need.
    std::unique_ptr<CopySilence> Silence;
    bool SilenceTried = false;
    // Packets handed to the muxer, fillers and the cover included; the output's check compares
    // them with what its index says.
    std::int64_t Written = 0;

    // The current file's stream that feeds this one, its timing, whether it has shown a
    // packet yet, and what it hid before that.
    int InIndex = -1;
    CopyTimeline::StreamInFile File;
    bool Seen = false;
    copy_hidden_lead::StreamLead HiddenLead;
};

}  // namespace veltrano

#pragma once

extern "C" {
#include <libavcodec/packet.h>
#include <libavutil/avutil.h>
#include <libavutil/rational.h>
}

#include <cstdint>
#include <optional>
#include <vector>

namespace veltrano {

// Places the packets of consecutive input files on one output timeline for a stream copy.
//
// Each file starts where the longest of the previous file's streams ended (largest pts +
// duration over every stream, measured from what was written), so no stream of the next file
// lands on what is already there and no packet has to go: the shorter stream simply has a gap
// (the picture holds its last frame, audio gets silence where the caller can make it, up to
// ten minutes; a longer gap stays a gap). Every stream of a file moves by the same amount,
// counted from the earliest start over the file's streams, so the file keeps its own
// audio/video offset exactly, without drift from file to file.
//
// A lead the demuxer marks as not shown (AAC priming, the frames before an edit list's start)
// is kept before its file's start with its marking. DTS strictly increase in every stream: when
// a file's first packets would not follow the last ones written (that lead, or a deeper B-frame
// delay than the previous file), the whole file is moved later by the shortfall: a gap of a
// tick or a frame, never rewritten stamps. Timestamps going backwards inside one input are
// reported, never clamped; so are stamps so far out that placing them leaves the 64-bit range
// (damage: no recording is that long).
class CopyTimeline {
public:
    enum class Verdict { Write, Drop, Backwards, FillGap, Damaged };

    struct StreamInFile {
        bool Present = false;
        AVRational TimeBase{0, 1};
        std::int64_t DefaultDuration = 0;  // in timeBase, for packets that carry none
        int VideoDelay = 0;                // reorder depth, for guessing missing DTS
        bool IsAudio = false;
        std::int64_t Start = AV_NOPTS_VALUE;  // first presentation stamp shown, in timeBase
        // Earliest decoding stamp, a lead not shown included, in timeBase; unknown: checked
        // packet by packet on the master stream.
        std::int64_t FirstDts = AV_NOPTS_VALUE;
    };

    // One entry per output stream; `master` is the index of the stream that sets the pace.
    CopyTimeline(std::vector<AVRational> outTimeBases, int master);

    // Starts the next input. `streams` is indexed like the output streams; `anchor` is the
    // file's start in the master stream's input time base (AV_NOPTS_VALUE: the first packet).
    void BeginFile(const std::vector<StreamInFile>& streams, std::int64_t anchor);
    // Starts the next input where its streams' `Start` say it starts (the earliest of them);
    // with no start known, at the first packet placed.
    void BeginFile(const std::vector<StreamInFile>& streams);

    // Moves one packet (stream_index = output stream, timestamps in the input time base) onto
    // the output timeline. On Write its timestamps are in the output time base; on Drop it
    // must not be written; Backwards means the input itself is broken, Damaged that its stamps
    // (or its file's start) cannot be placed at all; FillGap (only when `canFillGaps`) leaves
    // the packet untouched and asks for PlaceFiller first.
    Verdict Place(int outIndex, AVPacket* packet, bool canFillGaps = false);
    // Whether a picture read without a presentation stamp is written without one (MPEG program
    // and transport streams, whose muxers take it so) rather than with its decoding stamp, which
    // is too early for a reordered picture.
    void KeepMissingPictureStamps(bool keep) { keepMissingPictureStamps_ = keep; }
    // Puts a filler packet (duration set, output time base) at the stream's written end.
    void PlaceFiller(int outIndex, AVPacket* filler);

    // Largest end written over every stream, in microseconds (0 before anything).
    std::int64_t PositionUs() const;
    // Where the current file starts on the output timeline, in microseconds: settled once its
    // first packets are placed.
    std::int64_t FileStartUs() const;
    // Microseconds the files were moved later in total to keep DTS increasing.
    std::int64_t WideningUs() const { return wideningUs_; }
    // Packets dropped: no timestamp at all, or audio that would not follow what was written.
    int DroppedPackets() const { return dropped_; }
    // Filler packets placed.
    int FilledPackets() const { return filled_; }

private:
    struct OutState {
        AVRational TimeBase{1, 1};
        std::int64_t LastDts = AV_NOPTS_VALUE;
        std::int64_t End = AV_NOPTS_VALUE;
        // Current file.
        StreamInFile In;
        std::int64_t Offset = 0;     // added after rescaling to the output time base
        std::int64_t FileStart = 0;  // where the file begins, output time base
        std::vector<std::int64_t> PtsBuffer;
        bool SeenInFile = false;
    };

    std::optional<std::int64_t> GuessDts(OutState& state, std::int64_t pts,
                                         std::int64_t duration) const;
    void BeginFileAt(const std::vector<StreamInFile>& streams, std::int64_t anchor,
                     AVRational anchorTimeBase);
    void SetOffsets();
    // Moves the file later until the first packet of every stream follows what was written.
    void MakeRoomForFirstPackets();
    // Moves the rest of the current file later by `widen` master output ticks.
    void Widen(std::int64_t widen);

    std::vector<OutState> streams_;
    int master_;
    int fileCount_ = 0;
    std::int64_t fileBase_ = 0;  // file start on the output timeline, master output time base
    std::int64_t anchor_ = AV_NOPTS_VALUE;  // file start, in anchorTimeBase_
    AVRational anchorTimeBase_{1, 1};
    std::int64_t wideningUs_ = 0;
    int dropped_ = 0;
    int filled_ = 0;
    bool keepMissingPictureStamps_ = false;
    bool fileDamaged_ = false;  // the current file's start or lead could not be placed
};

}  // namespace veltrano

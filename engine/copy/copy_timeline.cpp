#include "engine/copy/copy_timeline.h"

extern "C" {
#include <libavutil/mathematics.h>
}

#include <algorithm>
#include <utility>

namespace veltrano {

CopyTimeline::CopyTimeline(std::vector<AVRational> outTimeBases, int master) : master_(master) {
    streams_.resize(outTimeBases.size());
    for (std::size_t i = 0; i < outTimeBases.size(); ++i) {
        streams_[i].timeBase = outTimeBases[i];
    }
}

void CopyTimeline::BeginFile(const std::vector<StreamInFile>& streams, std::int64_t anchor) {
    const AVRational masterIn = static_cast<std::size_t>(master_) < streams.size()
                                    ? streams[master_].timeBase
                                    : AVRational{1, 1};
    BeginFileAt(streams, anchor, masterIn);
}

void CopyTimeline::BeginFile(const std::vector<StreamInFile>& streams) {
    const bool hasMaster =
        static_cast<std::size_t>(master_) < streams.size() && streams[master_].present;
    std::int64_t anchor = AV_NOPTS_VALUE;
    AVRational anchorTimeBase{1, 1};
    if (hasMaster && streams[master_].start != AV_NOPTS_VALUE) {
        anchor = streams[master_].start;
        anchorTimeBase = streams[master_].timeBase;
    }
    for (std::size_t i = 0; i < streams.size(); ++i) {
        const StreamInFile& stream = streams[i];
        if (!stream.present || stream.start == AV_NOPTS_VALUE || static_cast<int>(i) == master_) {
            continue;
        }
        if (anchor == AV_NOPTS_VALUE) {
            anchor = stream.start;
            anchorTimeBase = stream.timeBase;
            continue;
        }
        // Up to two audio frames ahead is the encoder's priming: the file starts with its
        // pictures. Anything earlier is sound the file really starts with.
        const std::int64_t frame =
            stream.defaultDuration > 0
                ? stream.defaultDuration
                : av_rescale_q(25000, AVRational{1, 1000000}, stream.timeBase);
        const std::int64_t allowance = stream.isAudio ? 2 * frame : 0;
        if (av_compare_ts(stream.start + allowance, stream.timeBase, anchor, anchorTimeBase) < 0) {
            anchor = stream.start;
            anchorTimeBase = stream.timeBase;
        }
    }
    if (hasMaster && anchor == AV_NOPTS_VALUE) {
        anchorTimeBase = streams[master_].timeBase;
    }
    BeginFileAt(streams, anchor, anchorTimeBase);
}

void CopyTimeline::BeginFileAt(const std::vector<StreamInFile>& streams, std::int64_t anchor,
                               AVRational anchorTimeBase) {
    ++fileCount_;
    const AVRational masterOut = streams_[master_].timeBase;
    if (fileCount_ > 1) {
        // The real end of what was written: the master's end, or another stream's end less
        // its last packet (encoder padding) when that stream runs clearly longer.
        std::int64_t base = streams_[master_].end != AV_NOPTS_VALUE ? streams_[master_].end : 0;
        for (std::size_t i = 0; i < streams_.size(); ++i) {
            const OutState& state = streams_[i];
            if (static_cast<int>(i) == master_ || state.end == AV_NOPTS_VALUE) {
                continue;
            }
            base = std::max(
                base, av_rescale_q(state.end - state.lastDuration, state.timeBase, masterOut));
        }
        fileBase_ = base;
    }
    for (std::size_t i = 0; i < streams_.size(); ++i) {
        OutState& state = streams_[i];
        state.in = i < streams.size() ? streams[i] : StreamInFile{};
        state.seenInFile = false;
        state.ptsBuffer.assign(static_cast<std::size_t>(std::max(0, state.in.videoDelay)) + 1,
                               AV_NOPTS_VALUE);
    }
    anchor_ = streams_[master_].in.present ? anchor : AV_NOPTS_VALUE;
    anchorTimeBase_ = anchorTimeBase;
    if (anchor_ != AV_NOPTS_VALUE) {
        SetOffsets();
    }
}

void CopyTimeline::SetOffsets() {
    const AVRational masterOut = streams_[master_].timeBase;
    for (OutState& state : streams_) {
        if (!state.in.present) {
            continue;
        }
        state.fileStart = av_rescale_q(fileBase_, masterOut, state.timeBase);
        state.offset = state.fileStart - av_rescale_q(anchor_, anchorTimeBase_, state.timeBase);
    }
}

void CopyTimeline::Widen(std::int64_t widen) {
    const AVRational masterOut = streams_[master_].timeBase;
    fileBase_ += widen;
    widening_us_ += av_rescale_q(widen, masterOut, AV_TIME_BASE_Q);
    // Added to what each stream has, rather than worked out afresh: an audio stream may already
    // have been shifted onto the written end, and its next packets must follow its last.
    for (OutState& state : streams_) {
        if (!state.in.present) {
            continue;
        }
        const std::int64_t shift = av_rescale_q(widen, masterOut, state.timeBase);
        state.offset += shift;
        state.fileStart += shift;
    }
}

std::int64_t CopyTimeline::GuessDts(OutState& state, std::int64_t pts,
                                    std::int64_t duration) const {
    // What libavformat's muxer does for a packet without DTS (mux.c): keep the last delay+1
    // presentation stamps sorted and take the smallest.
    std::vector<std::int64_t>& buffer = state.ptsBuffer;
    const int delay = static_cast<int>(buffer.size()) - 1;
    if (delay <= 0) {
        return pts;
    }
    buffer[0] = pts;
    for (int i = 1; i < delay + 1 && buffer[i] == AV_NOPTS_VALUE; ++i) {
        buffer[i] = pts + (i - delay - 1) * duration;
    }
    for (int i = 0; i < delay && buffer[i] > buffer[i + 1]; ++i) {
        std::swap(buffer[i], buffer[i + 1]);
    }
    return buffer[0];
}

CopyTimeline::Verdict CopyTimeline::Place(int outIndex, AVPacket* packet, bool canFillGaps) {
    OutState& state = streams_[outIndex];
    const StreamInFile& in = state.in;
    if (packet->pts == AV_NOPTS_VALUE && packet->dts == AV_NOPTS_VALUE) {
        ++dropped_;  // nothing says where it belongs
        return Verdict::Drop;
    }
    if (anchor_ == AV_NOPTS_VALUE) {
        anchor_ = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        anchorTimeBase_ = in.timeBase;
        SetOffsets();
    }
    const std::int64_t duration = packet->duration > 0 ? packet->duration : in.defaultDuration;
    std::int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    std::int64_t dts = packet->dts;
    if (dts == AV_NOPTS_VALUE) {
        dts = in.isAudio ? pts : GuessDts(state, pts, duration);
    }
    std::int64_t outPts = av_rescale_q(pts, in.timeBase, state.timeBase) + state.offset;
    std::int64_t outDts = av_rescale_q(dts, in.timeBase, state.timeBase) + state.offset;
    const std::int64_t outDuration = av_rescale_q(duration, in.timeBase, state.timeBase);

    if (in.isAudio) {
        if (fileCount_ > 1 && outPts + outDuration <= state.fileStart) {
            ++dropped_;  // priming or pre-roll of a later file
            return Verdict::Drop;
        }
        if (state.end != AV_NOPTS_VALUE) {
            // A file's first audio packet meets the audio written before; inside a file the
            // packets keep their own spacing, except where they overlap.
            const std::int64_t gap = outPts - state.end;
            if (!state.seenInFile && 2 * gap > outDuration) {
                if (canFillGaps) {
                    return Verdict::FillGap;  // packet untouched; PlaceFiller, then again
                }
            } else if (gap < 0 && -2 * gap > outDuration) {
                ++dropped_;
                return Verdict::Drop;
            } else if (gap < 0 || !state.seenInFile) {
                state.offset -= gap;
                outPts -= gap;
                outDts -= gap;
            }
        }
    } else if (!state.seenInFile && state.lastDts != AV_NOPTS_VALUE && outDts <= state.lastDts &&
               outIndex == master_) {
        // A deeper reorder delay than the previous file: move the whole file later.
        const std::int64_t widen = state.lastDts + 1 - outDts;
        Widen(widen);
        outPts += widen;
        outDts += widen;
    }
    if (state.lastDts != AV_NOPTS_VALUE && outDts <= state.lastDts) {
        if (in.isAudio) {
            ++dropped_;
            return Verdict::Drop;
        }
        return Verdict::Backwards;
    }
    if (outPts < outDts) {
        return Verdict::Backwards;
    }
    packet->pts = outPts;
    packet->dts = outDts;
    packet->duration = outDuration;
    packet->pos = -1;
    state.lastDts = outDts;
    state.end = state.end == AV_NOPTS_VALUE ? outPts + outDuration
                                            : std::max(state.end, outPts + outDuration);
    state.lastDuration = outDuration;
    state.seenInFile = true;
    return Verdict::Write;
}

void CopyTimeline::PlaceFiller(int outIndex, AVPacket* filler) {
    OutState& state = streams_[outIndex];
    const std::int64_t start = state.end != AV_NOPTS_VALUE ? state.end : 0;
    filler->stream_index = outIndex;
    filler->pts = start;
    filler->dts = start;
    filler->pos = -1;
    state.lastDts = start;
    state.end = start + filler->duration;
    state.lastDuration = filler->duration;
    ++filled_;
}

std::int64_t CopyTimeline::PositionUs() const {
    std::int64_t position = 0;
    for (const OutState& state : streams_) {
        if (state.end != AV_NOPTS_VALUE) {
            position = std::max(position, av_rescale_q(state.end, state.timeBase, AV_TIME_BASE_Q));
        }
    }
    return position;
}

}  // namespace veltrano

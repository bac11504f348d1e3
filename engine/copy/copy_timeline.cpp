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
        streams_[i].TimeBase = outTimeBases[i];
    }
}

void CopyTimeline::BeginFile(const std::vector<StreamInFile>& streams, std::int64_t anchor) {
    const AVRational masterIn = static_cast<std::size_t>(master_) < streams.size()
                                    ? streams[master_].TimeBase
                                    : AVRational{1, 1};
    BeginFileAt(streams, anchor, masterIn);
}

void CopyTimeline::BeginFile(const std::vector<StreamInFile>& streams) {
    const bool hasMaster =
        static_cast<std::size_t>(master_) < streams.size() && streams[master_].Present;
    std::int64_t anchor = AV_NOPTS_VALUE;
    AVRational anchorTimeBase{1, 1};
    if (hasMaster && streams[master_].Start != AV_NOPTS_VALUE) {
        anchor = streams[master_].Start;
        anchorTimeBase = streams[master_].TimeBase;
    }
    for (std::size_t i = 0; i < streams.size(); ++i) {
        const StreamInFile& stream = streams[i];
        if (!stream.Present || stream.Start == AV_NOPTS_VALUE || static_cast<int>(i) == master_) {
            continue;
        }
        if (anchor == AV_NOPTS_VALUE) {
            anchor = stream.Start;
            anchorTimeBase = stream.TimeBase;
            continue;
        }
        // Up to two audio frames ahead is the encoder's priming: the file starts with its
        // pictures. Anything earlier is sound the file really starts with.
        const std::int64_t frame =
            stream.DefaultDuration > 0
                ? stream.DefaultDuration
                : av_rescale_q(25000, AVRational{1, 1000000}, stream.TimeBase);
        const std::int64_t allowance = stream.IsAudio ? 2 * frame : 0;
        if (av_compare_ts(stream.Start + allowance, stream.TimeBase, anchor, anchorTimeBase) < 0) {
            anchor = stream.Start;
            anchorTimeBase = stream.TimeBase;
        }
    }
    if (hasMaster && anchor == AV_NOPTS_VALUE) {
        anchorTimeBase = streams[master_].TimeBase;
    }
    BeginFileAt(streams, anchor, anchorTimeBase);
}

void CopyTimeline::BeginFileAt(const std::vector<StreamInFile>& streams, std::int64_t anchor,
                               AVRational anchorTimeBase) {
    ++fileCount_;
    const AVRational masterOut = streams_[master_].TimeBase;
    if (fileCount_ > 1) {
        // The real end of what was written: the master's end, or another stream's end less
        // its last packet (encoder padding) when that stream runs clearly longer.
        std::int64_t base = streams_[master_].End != AV_NOPTS_VALUE ? streams_[master_].End : 0;
        for (std::size_t i = 0; i < streams_.size(); ++i) {
            const OutState& state = streams_[i];
            if (static_cast<int>(i) == master_ || state.End == AV_NOPTS_VALUE) {
                continue;
            }
            base = std::max(
                base, av_rescale_q(state.End - state.LastDuration, state.TimeBase, masterOut));
        }
        fileBase_ = base;
    }
    for (std::size_t i = 0; i < streams_.size(); ++i) {
        OutState& state = streams_[i];
        state.In = i < streams.size() ? streams[i] : StreamInFile{};
        state.SeenInFile = false;
        state.PtsBuffer.assign(static_cast<std::size_t>(std::max(0, state.In.VideoDelay)) + 1,
                               AV_NOPTS_VALUE);
    }
    anchor_ = streams_[master_].In.Present ? anchor : AV_NOPTS_VALUE;
    anchorTimeBase_ = anchorTimeBase;
    if (anchor_ != AV_NOPTS_VALUE) {
        SetOffsets();
    }
}

void CopyTimeline::SetOffsets() {
    const AVRational masterOut = streams_[master_].TimeBase;
    for (OutState& state : streams_) {
        if (!state.In.Present) {
            continue;
        }
        state.FileStart = av_rescale_q(fileBase_, masterOut, state.TimeBase);
        state.Offset = state.FileStart - av_rescale_q(anchor_, anchorTimeBase_, state.TimeBase);
    }
}

void CopyTimeline::Widen(std::int64_t widen) {
    const AVRational masterOut = streams_[master_].TimeBase;
    fileBase_ += widen;
    wideningUs_ += av_rescale_q(widen, masterOut, AV_TIME_BASE_Q);
    // Added to what each stream has, rather than worked out afresh: an audio stream may already
    // have been shifted onto the written end, and its next packets must follow its last.
    for (OutState& state : streams_) {
        if (!state.In.Present) {
            continue;
        }
        const std::int64_t shift = av_rescale_q(widen, masterOut, state.TimeBase);
        state.Offset += shift;
        state.FileStart += shift;
    }
}

std::int64_t CopyTimeline::GuessDts(OutState& state, std::int64_t pts,
                                    std::int64_t duration) const {
    // What libavformat's muxer does for a packet without DTS (mux.c): keep the last delay+1
    // presentation stamps sorted and take the smallest.
    std::vector<std::int64_t>& buffer = state.PtsBuffer;
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
    const StreamInFile& in = state.In;
    if (packet->pts == AV_NOPTS_VALUE && packet->dts == AV_NOPTS_VALUE) {
        ++dropped_;  // nothing says where it belongs
        return Verdict::Drop;
    }
    if (anchor_ == AV_NOPTS_VALUE) {
        anchor_ = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        anchorTimeBase_ = in.TimeBase;
        SetOffsets();
    }
    const std::int64_t duration = packet->duration > 0 ? packet->duration : in.DefaultDuration;
    std::int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    std::int64_t dts = packet->dts;
    if (dts == AV_NOPTS_VALUE) {
        dts = in.IsAudio ? pts : GuessDts(state, pts, duration);
    }
    std::int64_t outPts = av_rescale_q(pts, in.TimeBase, state.TimeBase) + state.Offset;
    std::int64_t outDts = av_rescale_q(dts, in.TimeBase, state.TimeBase) + state.Offset;
    const std::int64_t outDuration = av_rescale_q(duration, in.TimeBase, state.TimeBase);

    if (in.IsAudio) {
        if (fileCount_ > 1 && outPts + outDuration <= state.FileStart) {
            ++dropped_;  // priming or pre-roll of a later file
            return Verdict::Drop;
        }
        if (state.End != AV_NOPTS_VALUE) {
            // A file's first audio packet meets the audio written before; inside a file the
            // packets keep their own spacing, except where they overlap.
            const std::int64_t gap = outPts - state.End;
            if (!state.SeenInFile && 2 * gap > outDuration) {
                if (canFillGaps) {
                    return Verdict::FillGap;  // packet untouched; PlaceFiller, then again
                }
            } else if (gap < 0 && -2 * gap > outDuration) {
                ++dropped_;
                return Verdict::Drop;
            } else if (gap < 0 || !state.SeenInFile) {
                state.Offset -= gap;
                outPts -= gap;
                outDts -= gap;
            }
        }
    } else if (!state.SeenInFile && state.LastDts != AV_NOPTS_VALUE && outDts <= state.LastDts &&
               outIndex == master_) {
        // A deeper reorder delay than the previous file: move the whole file later.
        const std::int64_t widen = state.LastDts + 1 - outDts;
        Widen(widen);
        outPts += widen;
        outDts += widen;
    }
    if (state.LastDts != AV_NOPTS_VALUE && outDts <= state.LastDts) {
        if (in.IsAudio) {
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
    state.LastDts = outDts;
    state.End = state.End == AV_NOPTS_VALUE ? outPts + outDuration
                                            : std::max(state.End, outPts + outDuration);
    state.LastDuration = outDuration;
    state.SeenInFile = true;
    return Verdict::Write;
}

void CopyTimeline::PlaceFiller(int outIndex, AVPacket* filler) {
    OutState& state = streams_[outIndex];
    const std::int64_t start = state.End != AV_NOPTS_VALUE ? state.End : 0;
    filler->stream_index = outIndex;
    filler->pts = start;
    filler->dts = start;
    filler->pos = -1;
    state.LastDts = start;
    state.End = start + filler->duration;
    state.LastDuration = filler->duration;
    ++filled_;
}

std::int64_t CopyTimeline::PositionUs() const {
    std::int64_t position = 0;
    for (const OutState& state : streams_) {
        if (state.End != AV_NOPTS_VALUE) {
            position = std::max(position, av_rescale_q(state.End, state.TimeBase, AV_TIME_BASE_Q));
        }
    }
    return position;
}

}  // namespace veltrano

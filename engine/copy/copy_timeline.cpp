#include "engine/copy/copy_timeline.h"

extern "C" {
#include <libavutil/mathematics.h>
}

#include <algorithm>
#include <limits>
#include <utility>

namespace veltrano {

namespace {

using Stamp = std::optional<std::int64_t>;

// Stamp arithmetic that gives nothing where the result leaves the 64-bit range or lands on
// the "no stamp" value: only a damaged file gets there.
Stamp Sum(Stamp a, Stamp b) {
    std::int64_t sum = 0;
    if (!a || !b || __builtin_add_overflow(*a, *b, &sum) || sum == AV_NOPTS_VALUE) {
        return std::nullopt;
    }
    return sum;
}

Stamp Difference(Stamp a, Stamp b) {
    std::int64_t difference = 0;
    if (!a || !b || __builtin_sub_overflow(*a, *b, &difference) || difference == AV_NOPTS_VALUE) {
        return std::nullopt;
    }
    return difference;
}

Stamp Rescale(std::int64_t value, AVRational from, AVRational to,
              AVRounding rounding = AV_ROUND_NEAR_INF) {
    // libav answers INT64_MIN (the "no stamp" value) when the result does not fit.
    const std::int64_t scaled = av_rescale_q_rnd(value, from, to, rounding);
    if (scaled == AV_NOPTS_VALUE) {
        return std::nullopt;
    }
    return scaled;
}

// Ten minutes of silence at most before a file's sound.
constexpr std::int64_t kLongestFilledGapUs = 600LL * AV_TIME_BASE;

constexpr auto kRoundUp = static_cast<AVRounding>(AV_ROUND_UP | AV_ROUND_PASS_MINMAX);

}  // namespace

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
    // The earliest start over the streams: sound before the first picture (or pictures before
    // the first sound) is part of the file. A lead that is not shown has no Start of its own.
    std::int64_t anchor = AV_NOPTS_VALUE;
    AVRational anchorTimeBase = hasMaster ? streams[master_].TimeBase : AVRational{1, 1};
    for (const StreamInFile& stream : streams) {
        if (!stream.Present || stream.Start == AV_NOPTS_VALUE) {
            continue;
        }
        if (anchor == AV_NOPTS_VALUE ||
            av_compare_ts(stream.Start, stream.TimeBase, anchor, anchorTimeBase) < 0) {
            anchor = stream.Start;
            anchorTimeBase = stream.TimeBase;
        }
    }
    BeginFileAt(streams, anchor, anchorTimeBase);
}

void CopyTimeline::BeginFileAt(const std::vector<StreamInFile>& streams, std::int64_t anchor,
                               AVRational anchorTimeBase) {
    ++fileCount_;
    fileDamaged_ = false;
    const AVRational masterOut = streams_[master_].TimeBase;
    if (fileCount_ > 1) {
        // Where the longest stream ended: rounded up, so that nothing of the next file lands on
        // what is written when the time bases differ.
        std::int64_t base = 0;
        for (const OutState& state : streams_) {
            if (state.End != AV_NOPTS_VALUE) {
                const Stamp end = Rescale(state.End, state.TimeBase, masterOut, kRoundUp);
                fileDamaged_ = fileDamaged_ || !end;
                base = std::max(base, end.value_or(0));
            }
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
        MakeRoomForFirstPackets();
    }
}

void CopyTimeline::MakeRoomForFirstPackets() {
    const AVRational masterOut = streams_[master_].TimeBase;
    // Moving by whole master ticks may round short in a finer time base: look again.
    for (int round = 0; round < 3; ++round) {
        std::int64_t widen = 0;
        for (const OutState& state : streams_) {
            if (!state.In.Present || state.In.FirstDts == AV_NOPTS_VALUE ||
                state.LastDts == AV_NOPTS_VALUE) {
                continue;
            }
            const Stamp first =
                Sum(Rescale(state.In.FirstDts, state.In.TimeBase, state.TimeBase), state.Offset);
            const Stamp shortfall = Difference(Sum(state.LastDts, 1), first);
            if (!shortfall) {
                fileDamaged_ = true;
                return;
            }
            if (*shortfall > 0) {
                const Stamp ticks = Rescale(*shortfall, state.TimeBase, masterOut, kRoundUp);
                if (!ticks) {
                    fileDamaged_ = true;
                    return;
                }
                widen = std::max(widen, *ticks);
            }
        }
        if (widen == 0 || fileDamaged_) {
            return;
        }
        Widen(widen);
    }
}

void CopyTimeline::SetOffsets() {
    const AVRational masterOut = streams_[master_].TimeBase;
    for (OutState& state : streams_) {
        if (!state.In.Present) {
            continue;
        }
        const Stamp fileStart = Rescale(fileBase_, masterOut, state.TimeBase);
        const Stamp offset =
            Difference(fileStart, Rescale(anchor_, anchorTimeBase_, state.TimeBase));
        if (!offset) {
            fileDamaged_ = true;
            continue;
        }
        state.FileStart = *fileStart;
        state.Offset = *offset;
    }
}

void CopyTimeline::Widen(std::int64_t widen) {
    const AVRational masterOut = streams_[master_].TimeBase;
    const Stamp fileBase = Sum(fileBase_, widen);
    const Stamp widening = Sum(wideningUs_, Rescale(widen, masterOut, AV_TIME_BASE_Q));
    if (!fileBase || !widening) {
        fileDamaged_ = true;
        return;
    }
    fileBase_ = *fileBase;
    wideningUs_ = *widening;
    // Added to what each stream has, rather than worked out afresh: an audio stream may already
    // have been shifted onto the written end, and its next packets must follow its last.
    for (OutState& state : streams_) {
        if (!state.In.Present) {
            continue;
        }
        const Stamp shift = Rescale(widen, masterOut, state.TimeBase);
        const Stamp offset = Sum(state.Offset, shift);
        const Stamp fileStart = Sum(state.FileStart, shift);
        if (!offset || !fileStart) {
            fileDamaged_ = true;
            continue;
        }
        state.Offset = *offset;
        state.FileStart = *fileStart;
    }
}

std::optional<std::int64_t> CopyTimeline::GuessDts(OutState& state, std::int64_t pts,
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
        std::int64_t before = 0;
        const Stamp guess = __builtin_mul_overflow(i - delay - 1, duration, &before)
                                ? std::nullopt
                                : Sum(pts, before);
        if (!guess) {
            return std::nullopt;
        }
        buffer[i] = *guess;
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
    if (fileDamaged_) {
        return Verdict::Damaged;
    }
    const std::int64_t duration = packet->duration > 0 ? packet->duration : in.DefaultDuration;
    const bool leavePts = keepMissingPictureStamps_ && !in.IsAudio && packet->pts == AV_NOPTS_VALUE;
    const std::int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
    Stamp dts = packet->dts;
    if (packet->dts == AV_NOPTS_VALUE) {
        dts = in.IsAudio ? pts : GuessDts(state, pts, duration);
    }
    const Stamp placedPts = Sum(Rescale(pts, in.TimeBase, state.TimeBase), state.Offset);
    const Stamp placedDts =
        dts ? Sum(Rescale(*dts, in.TimeBase, state.TimeBase), state.Offset) : std::nullopt;
    const Stamp placedDuration = Rescale(duration, in.TimeBase, state.TimeBase);
    if (!placedPts || !placedDts || !placedDuration || !Sum(placedPts, placedDuration)) {
        return Verdict::Damaged;
    }
    std::int64_t outPts = *placedPts;
    std::int64_t outDts = *placedDts;
    const std::int64_t outDuration = *placedDuration;

    if (in.IsAudio) {
        // A gap before a file's sound (the previous file's pictures ran longer): whole frames of
        // silence where the caller can make them. The packet itself keeps its place, so what
        // is left, under a frame, stays a gap rather than shifting the sound off its pictures.
        // A gap over ten minutes stays a gap: a damaged stamp makes one that long, and filling
        // it would write silence without end.
        const Stamp longest = Rescale(kLongestFilledGapUs, AV_TIME_BASE_Q, state.TimeBase);
        std::int64_t gap = 0;
        if (!state.SeenInFile && canFillGaps && state.End != AV_NOPTS_VALUE && outDuration > 0 &&
            !__builtin_sub_overflow(outPts, state.End, &gap) && gap >= outDuration &&
            gap <= longest.value_or(std::numeric_limits<std::int64_t>::max())) {
            return Verdict::FillGap;  // packet untouched; PlaceFiller, then again
        }
    } else if (!state.SeenInFile && state.LastDts != AV_NOPTS_VALUE && outDts <= state.LastDts &&
               outIndex == master_) {
        // A deeper reorder delay than the previous file: move the whole file later.
        const Stamp widen = Difference(Sum(state.LastDts, 1), outDts);
        const Stamp widenedPts = Sum(outPts, widen);
        const Stamp widenedDts = Sum(outDts, widen);
        if (!widenedPts || !widenedDts || !Sum(widenedPts, outDuration)) {
            return Verdict::Damaged;
        }
        Widen(*widen);
        if (fileDamaged_) {
            return Verdict::Damaged;
        }
        outPts = *widenedPts;
        outDts = *widenedDts;
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
    packet->pts = leavePts ? AV_NOPTS_VALUE : outPts;
    packet->dts = outDts;
    packet->duration = outDuration;
    packet->pos = -1;
    state.LastDts = outDts;
    state.End = state.End == AV_NOPTS_VALUE ? outPts + outDuration
                                            : std::max(state.End, outPts + outDuration);
    state.SeenInFile = true;
    return Verdict::Write;
}

void CopyTimeline::PlaceFiller(int outIndex, AVPacket* filler) {
    OutState& state = streams_[outIndex];
    std::int64_t start = state.End != AV_NOPTS_VALUE ? state.End : 0;
    if (state.LastDts != AV_NOPTS_VALUE && start <= state.LastDts) {
        // The last packet came without a duration, so it ends where it starts.
        start = Sum(state.LastDts, 1).value_or(state.LastDts);
    }
    filler->stream_index = outIndex;
    filler->pts = start;
    filler->dts = start;
    filler->pos = -1;
    state.LastDts = start;
    state.End = Sum(start, filler->duration).value_or(std::numeric_limits<std::int64_t>::max());
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

std::int64_t CopyTimeline::FileStartUs() const {
    return av_rescale_q(fileBase_, streams_[master_].TimeBase, AV_TIME_BASE_Q);
}

}  // namespace veltrano

// The stream-copy joiner: every packet of every input remuxed into one output, no decoding.

extern "C" {
#include <libavcodec/bsf.h>
#include <libavformat/avformat.h>
}

#include <QFile>
#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "engine/av/av_error.h"
#include "engine/av/av_interrupt.h"
#include "engine/av/av_log_capture.h"
#include "engine/av/av_output.h"
#include "engine/av/av_ptr.h"
#include "engine/copy/copy_failure.h"
#include "engine/copy/copy_h264_setup.h"
#include "engine/copy/copy_hidden_lead.h"
#include "engine/copy/copy_input.h"
#include "engine/copy/copy_join.h"
#include "engine/copy/copy_joiner.h"
#include "engine/copy/copy_opened_input.h"
#include "engine/copy/copy_output_stream.h"
#include "engine/copy/copy_output_stream_state.h"
#include "engine/copy/copy_scan.h"
#include "engine/copy/copy_silence.h"
#include "engine/copy/copy_stream_check.h"
#include "engine/copy/copy_subtitle_spread.h"
#include "engine/copy/copy_timeline.h"
#include "engine/plan/join_chapters.h"
#include "engine/plan/progress_throttle.h"

namespace veltrano {

namespace {

constexpr std::size_t kMaxPendingPackets = 512;
// A container's start time this close to the first packet read is the stream's own (open-GOP
// pictures, audio priming); further away it was filled in from another stream.
constexpr AVRational kStartHintRange{1, 2};

using copy_failure::Failure;
using copy_failure::JoinedNames;
using copy_failure::StreamOf;
using copy_failure::WriteFailure;

}  // namespace

void CopyJoiner::ShiftForMuxer(int outIndex, AVPacket* packet) const {
    const std::int64_t shift = streams_[static_cast<std::size_t>(outIndex)].MuxerShift;
    if (shift == 0) {
        return;
    }
    packet->pts = packet->pts != AV_NOPTS_VALUE ? packet->pts + shift : AV_NOPTS_VALUE;
    packet->dts = packet->dts != AV_NOPTS_VALUE ? packet->dts + shift : AV_NOPTS_VALUE;
}

bool CopyJoiner::CanFillGaps(int outIndex) {
    const AVStream* stream = output_->streams[outIndex];
    if (stream->codecpar->codec_type != AVMEDIA_TYPE_AUDIO) {
        return false;
    }
    OutputStreamState& state = streams_[static_cast<std::size_t>(outIndex)];
    if (!state.SilenceTried) {
        state.SilenceTried = true;
        state.Silence = CopySilence::Create(stream->codecpar, stream->time_base);
    }
    return state.Silence != nullptr;
}

Status CopyJoiner::ScanInputs() {
    Result<CopyJoinInputs> inputs = ScanCopyJoinInputs(task_, cancel_, std::move(first_));
    if (!inputs.Ok()) {
        return inputs.GetStatus();
    }
    scans_ = std::move(inputs->Scans);
    totalUs_ = inputs->TotalUs;
    if (Status room = CheckBeforeWriting(task_, totalUs_); !room.Ok()) {
        return room;
    }
    withVideo_ = inputs->WithVideo;
    withAudio_ = inputs->WithAudio;
    muxer_ = std::move(inputs->Muxer);
    choice_ = std::move(inputs->Choice);
    analysedFirst_ = std::move(inputs->AnalysedFirst);
    return {};
}

Result<OpenedInput> CopyJoiner::OpenFile(std::size_t index) {
    return OpenCopyInput(task_.Inputs[index], scans_[index], choice_.Kept[index], index == 0,
                         muxer_, cancel_, index == 0 ? std::move(analysedFirst_) : nullptr);
}

Status CopyJoiner::CreateOutput(const OpenedInput& first) {
    const QByteArray path = QFile::encodeName(task_.WritePath);
    int ret = avformat_alloc_output_context2(av::OutPtr(output_), nullptr,
                                             muxer_.toLatin1().constData(), path.constData());
    if (ret < 0 || output_ == nullptr) {
        return Failure(ret < 0 ? ret : AVERROR_MUXER_NOT_FOUND,
                       QStringLiteral("Cannot create the %1 output").arg(muxer_), cancel_);
    }
    output_->interrupt_callback = av::InterruptFor(cancel_);
    const AVFormatContext* input = first.Context.get();
    // Every input feeds every output stream: output stream i is the i-th kept stream.
    streams_.resize(first.InIndexOf.size());
    for (std::size_t outIndex = 0; outIndex < streams_.size(); ++outIndex) {
        const AVStream* in = input->streams[first.InIndexOf[outIndex]];
        AVStream* out = avformat_new_stream(output_.get(), nullptr);
        if (out == nullptr) {
            return Failure(AVERROR(ENOMEM), QStringLiteral("Cannot create the output"), cancel_);
        }
        // After a bitstream filter the output carries the filtered form's headers.
        const AVBSFContext* filter = first.Filters[outIndex].get();
        ret = avcodec_parameters_copy(out->codecpar,
                                      filter != nullptr ? filter->par_out : in->codecpar);
        if (ret < 0) {
            return Failure(ret, QStringLiteral("Cannot create the output"), cancel_);
        }
        if (filter == nullptr) {
            copy_h264_setup::StateShared(out->codecpar, scans_, choice_.Kept, outIndex);
        }
        const AVMediaType type = out->codecpar->codec_type;
        CopyStreamFacts(input, in, out);
        if (type == AVMEDIA_TYPE_AUDIO) {
            ret = LendAudioConfig(out->codecpar, muxer_, scans_, choice_.Kept, outIndex);
            if (ret < 0) {
                return Failure(ret, QStringLiteral("Cannot create the output"), cancel_);
            }
        }
        OutputStreamState& state = streams_[outIndex];
        state.Cover = (in->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0;
        state.Gate = !state.Cover && (type == AVMEDIA_TYPE_VIDEO || type == AVMEDIA_TYPE_AUDIO);
    }
    if ((output_->oformat->flags & AVFMT_NOFILE) == 0) {
        const AVIOInterruptCB interrupt = av::InterruptFor(cancel_);
        ret = av::OpenOutputFile(output_.get(), path, interrupt);
        if (ret < 0) {
            return Failure(ret, QStringLiteral("Cannot create the output file"), cancel_);
        }
    }
    const av::LogCapture headerLog(output_.get());
    ret = avformat_write_header(output_.get(), nullptr);
    if (ret < 0) {
        return WriteFailure(ret, QStringLiteral("Cannot write the output header"),
                            JoinedNames(scans_, 0), muxer_,
                            QStringLiteral("the streams of ") + scans_.front().FileName,
                            headerLog.Errors(), cancel_);
    }
    std::vector<AVRational> timeBases;
    for (unsigned i = 0; i < output_->nb_streams; ++i) {
        timeBases.push_back(output_->streams[i]->time_base);
        streams_[i].MuxerShift = MuxerShiftFor(muxer_, output_->streams[i]);
    }
    // The first picture stream sets the pace, else the first sound.
    const auto firstOf = [&](AVMediaType type) {
        for (unsigned i = 0; i < output_->nb_streams; ++i) {
            if (streams_[i].Gate && output_->streams[i]->codecpar->codec_type == type) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    master_ = firstOf(AVMEDIA_TYPE_VIDEO) >= 0 ? firstOf(AVMEDIA_TYPE_VIDEO)
                                               : std::max(firstOf(AVMEDIA_TYPE_AUDIO), 0);
    timeline_ = std::make_unique<CopyTimeline>(std::move(timeBases), master_);
    timeline_->KeepMissingPictureStamps(IsMpegStreamMuxer(muxer_));
    return {};
}

Status CopyJoiner::Write(std::size_t index, int outIndex, AVPacket* packet) {
    OutputStreamState& state = streams_[static_cast<std::size_t>(outIndex)];
    // Left out, such a packet could be the key picture the next ones are decoded from.
    if (state.Gate && packet->pts == AV_NOPTS_VALUE && packet->dts == AV_NOPTS_VALUE) {
        av_packet_unref(packet);
        return {AVERROR_INVALIDDATA,
                QStringLiteral("Cannot join by stream copy: some packets of %1 carry no "
                               "timestamp, so where they belong is unknown. Convert it instead.")
                    .arg(scans_[index].FileName)};
    }
    CopyTimeline::Verdict verdict = timeline_->Place(outIndex, packet, CanFillGaps(outIndex));
    while (verdict == CopyTimeline::Verdict::FillGap) {
        av::PacketPtr filler = state.Silence->Packet();
        if (filler == nullptr) {
            return Failure(AVERROR(ENOMEM), QStringLiteral("Cannot copy"), cancel_);
        }
        timeline_->PlaceFiller(outIndex, filler.get());
        ShiftForMuxer(outIndex, filler.get());
        const av::LogCapture log(output_.get());
        const int ret = av_interleaved_write_frame(output_.get(), filler.get());
        if (ret < 0) {
            return WriteFailure(ret, QStringLiteral("Cannot write the output"),
                                JoinedNames(scans_, index), muxer_,
                                StreamOf(output_->streams[outIndex], scans_[index].FileName),
                                log.Errors(), cancel_);
        }
        ++state.Written;
        verdict = timeline_->Place(outIndex, packet, true);
    }
    switch (verdict) {
        case CopyTimeline::Verdict::Drop:
            av_packet_unref(packet);
            return {};
        case CopyTimeline::Verdict::Backwards:
            av_packet_unref(packet);
            if (!state.File.IsAudio && state.File.VideoDelay == 0) {
                // Pictures shown in another order than stored, and no reorder depth was found
                // to work out the decoding order from.
                return {AVERROR_INVALIDDATA,
                        QStringLiteral("Cannot join by stream copy: the picture order of %1 "
                                       "cannot be worked out. Convert it instead.")
                            .arg(scans_[index].FileName)};
            }
            return {AVERROR_INVALIDDATA,
                    QStringLiteral("Cannot join by stream copy: the timestamps of %1 go "
                                   "backwards.")
                        .arg(scans_[index].FileName)};
        case CopyTimeline::Verdict::Damaged:
            av_packet_unref(packet);
            return {AVERROR_INVALIDDATA,
                    QStringLiteral("Cannot join by stream copy: the timestamps of %1 are "
                                   "damaged (they lie far beyond any recording's length). "
                                   "Convert it instead.")
                        .arg(scans_[index].FileName)};
        case CopyTimeline::Verdict::Write:
        case CopyTimeline::Verdict::FillGap:
            break;
    }
    ShiftForMuxer(outIndex, packet);
    const av::LogCapture log(output_.get());
    const int ret = av_interleaved_write_frame(output_.get(), packet);
    if (ret < 0) {
        return WriteFailure(
            ret, QStringLiteral("Cannot write the output"), JoinedNames(scans_, index), muxer_,
            StreamOf(output_->streams[outIndex], scans_[index].FileName), log.Errors(), cancel_);
    }
    ++writtenInFile_;
    ++state.Written;
    ReportProgress(false);
    return {};
}

Status CopyJoiner::Deliver(std::size_t index, int outIndex, AVPacket* packet) {
    packet->stream_index = outIndex;
    OutputStreamState& state = streams_[static_cast<std::size_t>(outIndex)];
    if (state.Cover) {
        return WriteCover(index, packet);
    }
    if (output_->streams[outIndex]->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE) {
        subtitleSpread_.Spread(index, outIndex, packet);
    }
    // Where a stream starts is known from its first packet that is shown; what the demuxer marks
    // as not shown before it is the stream's hidden lead.
    const bool shown = (packet->flags & AV_PKT_FLAG_DISCARD) == 0;
    if (!shown && !state.Seen) {
        if (Status hidden = CheckHiddenLead(index, outIndex, packet); !hidden.Ok()) {
            av_packet_unref(packet);
            return hidden;
        }
    }
    state.Seen = state.Seen || shown;
    if (started_) {
        return Write(index, outIndex, packet);
    }
    av::PacketPtr held = av::MakePacket();
    if (held == nullptr) {
        return Failure(AVERROR(ENOMEM), QStringLiteral("Cannot copy"), cancel_);
    }
    av_packet_move_ref(held.get(), packet);
    const std::int64_t stamp = held->pts != AV_NOPTS_VALUE ? held->pts : held->dts;
    CopyTimeline::StreamInFile& stream = state.File;
    if (state.Gate && shown && stamp != AV_NOPTS_VALUE &&
        (stream.Start == AV_NOPTS_VALUE || stamp < stream.Start)) {
        stream.Start = stamp;
    }
    const std::int64_t decodeStamp = held->dts != AV_NOPTS_VALUE ? held->dts : stamp;
    if (decodeStamp != AV_NOPTS_VALUE &&
        (stream.FirstDts == AV_NOPTS_VALUE || decodeStamp < stream.FirstDts)) {
        stream.FirstDts = decodeStamp;
    }
    pending_.push_back(std::move(held));
    bool allSeen = true;
    for (const OutputStreamState& other : streams_) {
        allSeen = allSeen && (!other.File.Present || !other.Gate || other.Seen);
    }
    // A stream not seen after this many packets starts far later than the others.
    if (allSeen || pending_.size() >= kMaxPendingPackets) {
        return StartFile(index);
    }
    return {};
}

// The first file's cover picture, once; the later files' covers would be a second picture.
Status CopyJoiner::WriteCover(std::size_t index, AVPacket* packet) {
    if (index != 0 || coverWritten_) {
        av_packet_unref(packet);
        return {};
    }
    coverWritten_ = true;
    packet->pts = 0;
    packet->dts = 0;
    packet->duration = 0;
    packet->pos = -1;
    OutputStreamState& state = streams_[static_cast<std::size_t>(packet->stream_index)];
    const int ret = av_interleaved_write_frame(output_.get(), packet);
    if (ret < 0) {
        return Failure(ret, QStringLiteral("Cannot write the output"), cancel_);
    }
    ++state.Written;
    return {};
}

// The copy pass meets a hidden lead the scan did not read far enough to see.
Status CopyJoiner::CheckHiddenLead(std::size_t index, int outIndex, const AVPacket* packet) {
    copy_hidden_lead::StreamLead& lead = streams_[static_cast<std::size_t>(outIndex)].HiddenLead;
    lead.Add(packet->duration);
    if (!lead.IsCut() || (index == 0 && copy_hidden_lead::OutputKeepsLeadHidden(muxer_))) {
        return {};
    }
    return copy_hidden_lead::Refusal(scans_[index].FileName, index == 0);
}

// Fixes where the current file starts and writes what was held, in the order it was read.
Status CopyJoiner::StartFile(std::size_t index) {
    started_ = true;
    std::vector<CopyTimeline::StreamInFile> fileStreams;
    for (OutputStreamState& state : streams_) {
        CopyTimeline::StreamInFile& stream = state.File;
        if (stream.Present && stream.Start != AV_NOPTS_VALUE) {
            // The analysis saw more of the stream's first packets (B-frames shown before the
            // first stored picture, priming before the first sound); trust it unless it is far
            // off.
            const std::int64_t hint = ScannedStream(index, state.InIndex).StartTime;
            const std::int64_t range = av_rescale_q(1, kStartHintRange, stream.TimeBase);
            if (hint != AV_NOPTS_VALUE && hint - stream.Start <= range &&
                stream.Start - hint <= range) {
                stream.Start = hint;
            }
        }
        fileStreams.push_back(stream);
    }
    timeline_->BeginFile(fileStreams);
    // The master's first packet goes first: it may move the whole file later.
    auto first = std::find_if(pending_.begin(), pending_.end(), [&](const av::PacketPtr& held) {
        return held->stream_index == master_;
    });
    if (first != pending_.end()) {
        av::PacketPtr held = std::move(*first);
        pending_.erase(first);
        const Status outcome = Write(index, held->stream_index, held.get());
        if (!outcome.Ok()) {
            return outcome;
        }
    }
    while (!pending_.empty()) {
        av::PacketPtr held = std::move(pending_.front());
        pending_.pop_front();
        const Status outcome = Write(index, held->stream_index, held.get());
        if (!outcome.Ok()) {
            return outcome;
        }
    }
    return {};
}

// Timing of the file's kept streams, and a fresh start: nothing held, no stream seen yet.
void CopyJoiner::BeginFileStreams(std::size_t index, const OpenedInput& opened) {
    AVFormatContext* input = opened.Context.get();
    for (std::size_t outIndex = 0; outIndex < streams_.size(); ++outIndex) {
        OutputStreamState& state = streams_[outIndex];
        const int inIndex = opened.InIndexOf[outIndex];
        // Timing comes from the scan's analysis: the copy pass may not have analysed.
        const CopyStreamParams& facts = ScannedStream(index, inIndex);
        CopyTimeline::StreamInFile info;
        info.Present = true;
        info.TimeBase = input->streams[inIndex]->time_base;
        info.IsAudio = input->streams[inIndex]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
        info.VideoDelay = facts.VideoDelay;
        if (info.IsAudio && facts.FrameSize > 0 && facts.SampleRate > 0) {
            info.DefaultDuration =
                av_rescale_q(facts.FrameSize, AVRational{1, facts.SampleRate}, info.TimeBase);
        } else if (!info.IsAudio && facts.FrameRate.num > 0 && facts.FrameRate.den > 0) {
            info.DefaultDuration = av_rescale_q(1, av_inv_q(facts.FrameRate), info.TimeBase);
        }
        state.InIndex = inIndex;
        state.File = info;
        state.Seen = false;
        state.HiddenLead = {info.IsAudio, info.TimeBase, info.DefaultDuration, 0};
    }
    started_ = false;
    pending_.clear();
    writtenInFile_ = 0;
}

// Runs one packet (or the end, nullptr) through the stream's filter, if any.
Status CopyJoiner::Feed(std::size_t index, OpenedInput& opened, int outIndex, AVPacket* in,
                        AVPacket* filtered) {
    AVBSFContext* filter = opened.Filters[outIndex].get();
    if (filter == nullptr) {
        return in != nullptr ? Deliver(index, outIndex, in) : Status{};
    }
    int ret = av_bsf_send_packet(filter, in);
    if (ret < 0) {
        return Failure(ret, QStringLiteral("Cannot copy %1").arg(scans_[index].FileName), cancel_);
    }
    while ((ret = av_bsf_receive_packet(filter, filtered)) >= 0) {
        const Status status = Deliver(index, outIndex, filtered);
        if (!status.Ok()) {
            return status;
        }
    }
    if (ret != AVERROR(EAGAIN) && ret != AVERROR_EOF) {
        return Failure(ret, QStringLiteral("Cannot copy %1").arg(scans_[index].FileName), cancel_);
    }
    return {};
}

Status CopyJoiner::CopyFile(std::size_t index, OpenedInput& opened) {
    BeginFileStreams(index, opened);
    AVFormatContext* input = opened.Context.get();
    av::PacketPtr packet = av::MakePacket();
    av::PacketPtr filtered = av::MakePacket();
    if (packet == nullptr || filtered == nullptr) {
        return Failure(AVERROR(ENOMEM), QStringLiteral("Cannot copy"), cancel_);
    }
    while (true) {
        if (cancel_.load()) {
            return StoppedStatus();
        }
        const int ret = av_read_frame(input, packet.get());
        if (ret == AVERROR_EOF) {
            break;
        }
        if (ret < 0) {
            return Failure(ret, QStringLiteral("Cannot read %1").arg(scans_[index].FileName),
                           cancel_);
        }
        const int outIndex = packet->stream_index < static_cast<int>(opened.OutIndexOf.size())
                                 ? opened.OutIndexOf[packet->stream_index]
                                 : -1;
        if (outIndex < 0) {
            av_packet_unref(packet.get());
            continue;
        }
        const Status outcome = Feed(index, opened, outIndex, packet.get(), filtered.get());
        av_packet_unref(packet.get());
        if (!outcome.Ok()) {
            return outcome;
        }
    }
    for (int outIndex = 0; outIndex < static_cast<int>(opened.Filters.size()); ++outIndex) {
        const Status outcome = Feed(index, opened, outIndex, nullptr, filtered.get());
        if (!outcome.Ok()) {
            return outcome;
        }
    }
    // A file with a stream that sent nothing: the others go out as they are.
    if (!started_) {
        if (Status outcome = StartFile(index); !outcome.Ok()) {
            return outcome;
        }
    }
    // A file that gave nothing at all would vanish from the join unnoticed.
    return writtenInFile_ > 0 ? Status{} : copy_failure::NothingToCopy(scans_[index].FileName);
}

void CopyJoiner::ReportProgress(bool force) {
    if (!progress_ || !throttle_.Due(force)) {
        return;
    }
    std::int64_t bytes = output_->pb != nullptr ? avio_size(output_->pb) : 0;
    if (bytes < 0 && output_->pb != nullptr) {
        bytes = avio_tell(output_->pb);
    }
    progress_(std::max<std::int64_t>(bytes, 0), timeline_->PositionUs(), totalUs_);
}

Result<JoinOutcome> CopyJoiner::Run() {
    if (task_.Inputs.empty()) {
        return Status(AVERROR(EINVAL), QStringLiteral("There is nothing to join."));
    }
    AnnounceStage(task_, JoinStage::OpeningInputs);
    Status outcome = ScanInputs();
    if (!outcome.Ok()) {
        return outcome;
    }
    for (std::size_t index = 0; index < task_.Inputs.size(); ++index) {
        Result<OpenedInput> openedFile = OpenFile(index);
        if (!openedFile.Ok()) {
            return openedFile.GetStatus();
        }
        OpenedInput& opened = *openedFile;
        if (index == 0) {
            outcome = CreateOutput(opened);
            if (!outcome.Ok()) {
                return outcome;
            }
            AnnounceStage(task_, JoinStage::Writing);
        }
        outcome = CopyFile(index, opened);
        if (!outcome.Ok()) {
            return outcome;
        }
        const AVFormatContext* input = opened.Context.get();
        chapters_.AddFile(task_.Inputs[index], input,
                          input->start_time != AV_NOPTS_VALUE ? input->start_time : 0,
                          timeline_->FileStartUs());
    }
    AnnounceStage(task_, JoinStage::WritingTrailer);
    if (cancel_.load()) {
        return StoppedStatus();
    }
    int ret = chapters_.WriteTo(output_.get(), timeline_->PositionUs());
    if (ret < 0) {
        return Failure(ret, QStringLiteral("Cannot finish the output"), cancel_);
    }
    const av::LogCapture trailerLog(output_.get());
    ret = av_write_trailer(output_.get());
    if (ret < 0) {
        return WriteFailure(ret, QStringLiteral("Cannot finish the output"),
                            JoinedNames(scans_, scans_.size() - 1), muxer_,
                            QStringLiteral("the streams of ") + scans_.back().FileName,
                            trailerLog.Errors(), cancel_);
    }
    if (output_->pb != nullptr) {
        avio_flush(output_->pb);
        if (output_->pb->error < 0) {
            return Failure(output_->pb->error, QStringLiteral("Cannot write the output"), cancel_);
        }
    }
    ReportProgress(true);
    JoinOutcome written{choice_.Note, totalUs_, WrittenStreamsOf(output_.get())};
    for (std::size_t outIndex = 0; outIndex < streams_.size(); ++outIndex) {
        written.Streams[outIndex].Packets = streams_[outIndex].Written;
    }
    return written;
}

Result<JoinOutcome> JoinByCopy(const JoinTask& task, const std::atomic<bool>& cancel,
                               const JoinProgressFn& progress, AnalysedInput first) {
    CopyJoiner joiner(task, cancel, progress, std::move(first));
    return joiner.Run();
}

Status RunCopyJoin(const JoinTask& task, const std::atomic<bool>& cancel,
                   const JoinProgressFn& progress) {
    Result<JoinOutcome> joined = JoinByCopy(task, cancel, progress);
    return joined.Ok() ? Status::Note(joined->Note) : joined.GetStatus();
}

}  // namespace veltrano

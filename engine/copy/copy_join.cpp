// The stream-copy joiner: every packet of every input remuxed into one output, no decoding.

extern "C" {
#include <libavcodec/bsf.h>
#include <libavformat/avformat.h>
}

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <deque>
#include <vector>

#include "engine/av/av_error.h"
#include "engine/av/av_interrupt.h"
#include "engine/av/av_ptr.h"
#include "engine/copy/copy_input.h"
#include "engine/copy/copy_join.h"
#include "engine/copy/copy_silence.h"
#include "engine/copy/copy_stream_check.h"
#include "engine/copy/copy_timeline.h"
#include "engine/plan/progress_throttle.h"

namespace veltrano {

namespace {

constexpr std::size_t kMaxPendingPackets = 512;
// Limits for a second look at a file whose streams start beyond libavformat's default analysis
// window (5 s): without having seen a picture, the reorder depth and pixel format are unknown.
// A container's start time this close to the first packet read is the stream's own (open-GOP
// pictures, audio priming); further away it was filled in from another stream.
constexpr AVRational kStartHintRange{1, 2};
// Audio hidden at a file's start up to this many frames is encoder priming, not cut footage.
constexpr int kPrimingFrames = 2;
// The frame length assumed for audio whose frame size is unknown.
constexpr AVRational kLongestAudioFrame{1, 20};

QString NameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

Status Failure(int code, const QString& what, const std::atomic<bool>& cancel) {
    if (cancel.load()) {
        return StoppedStatus();
    }
    return {code < 0 ? code : -1, av::Describe(what, code)};
}

// One input while it is being copied: its kept streams mapped to output streams.
struct OpenedInput {
    av::InputFormatPtr Context;
    std::vector<int> OutIndexOf;      // per input stream: output stream or -1
    std::vector<int> InIndexOf;       // per output stream: input stream or -1
    std::vector<av::BsfPtr> Filters;  // per output stream, may be empty
};

// Everything the output needs to know about one joined file's streams.
class CopyJoiner {
public:
    CopyJoiner(const JoinTask& task, const std::atomic<bool>& cancel,
               const JoinProgressFn& progress)
        : task_(task), cancel_(cancel), progress_(progress) {}

    Status Run();

private:
    Status ScanInputs();
    Status OpenFile(std::size_t index, OpenedInput& opened);
    // The scan's facts of the kept stream `inIndex` of input `index`.
    const CopyStreamParams& ScannedStream(std::size_t index, int inIndex) const {
        const CopyInputScan& scan = scans_[index];
        return inIndex == scan.Video.Index ? scan.Video : scan.Audio;
    }
    Status CreateOutput(const OpenedInput& first);
    Status CopyFile(std::size_t index, OpenedInput& opened);
    void BeginFileStreams(std::size_t index, const OpenedInput& opened);
    Status Feed(std::size_t index, OpenedInput& opened, int outIndex, AVPacket* in,
                AVPacket* filtered);
    Status ScanFile(const QString& path, bool deep);
    Status Deliver(std::size_t index, int outIndex, AVPacket* packet);
    Status StartFile(std::size_t index);
    Status CheckHiddenLead(std::size_t index, int outIndex, const AVPacket* packet);
    bool OutputKeepsLeadHidden() const;
    Status Write(std::size_t index, int outIndex, AVPacket* packet);
    void ReportProgress(bool force);
    bool CanFillGaps(int outIndex);
    int LendAudioConfig(AVCodecParameters* par) const;

    const JoinTask& task_;
    const std::atomic<bool>& cancel_;
    const JoinProgressFn& progress_;

    std::vector<CopyInputScan> scans_;
    std::int64_t totalUs_ = 0;
    bool withVideo_ = false;
    bool withAudio_ = false;
    QString muxer_;
    av::OutputFormatPtr output_;
    std::unique_ptr<CopyTimeline> timeline_;
    int master_ = 0;
    // Until every kept stream of the current file has shown its first packet, packets are held:
    // the earliest of them fixes where the file starts.
    bool started_ = false;
    std::vector<CopyTimeline::StreamInFile> fileStreams_;
    std::vector<bool> streamSeen_;
    std::vector<std::int64_t> hiddenLead_;  // per output stream, input time base
    std::vector<int> inIndexOf_;
    std::deque<av::PacketPtr> pending_;
    ProgressThrottle throttle_;
    // Per output stream: silence for gaps at joins, made on first need.
    std::vector<std::unique_ptr<CopySilence>> silence_;
    std::vector<bool> silenceTried_;
};

// The transport stream muxer wraps raw AAC (from MP4 inputs) in ADTS headers built from the
// stream's configuration, and passes ADTS through as it is. When the first file is ADTS (no
// configuration) and a later one raw, the configuration comes from that later file.
int CopyJoiner::LendAudioConfig(AVCodecParameters* par) const {
    if (muxer_ != QLatin1String("mpegts") || par->codec_id != AV_CODEC_ID_AAC ||
        par->extradata_size > 0) {
        return 0;
    }
    for (const CopyInputScan& scan : scans_) {
        const QByteArray& config = scan.Audio.Extradata;
        if (config.isEmpty()) {
            continue;
        }
        par->extradata = static_cast<uint8_t*>(
            av_mallocz(static_cast<std::size_t>(config.size()) + AV_INPUT_BUFFER_PADDING_SIZE));
        if (par->extradata == nullptr) {
            return AVERROR(ENOMEM);
        }
        memcpy(par->extradata, config.constData(), static_cast<std::size_t>(config.size()));
        par->extradata_size = static_cast<int>(config.size());
        return 0;
    }
    return 0;
}

bool CopyJoiner::CanFillGaps(int outIndex) {
    if (silence_.size() < output_->nb_streams) {
        silence_.resize(output_->nb_streams);
        silenceTried_.resize(output_->nb_streams, false);
    }
    const AVStream* stream = output_->streams[outIndex];
    if (stream->codecpar->codec_type != AVMEDIA_TYPE_AUDIO) {
        return false;
    }
    if (!silenceTried_[outIndex]) {
        silenceTried_[outIndex] = true;
        silence_[outIndex] = CopySilence::Create(stream->codecpar, stream->time_base);
    }
    return silence_[outIndex] != nullptr;
}

Status CopyJoiner::ScanFile(const QString& path, bool deep) {
    av::InputFormatPtr input;
    int ret = copy_input::Open(path, cancel_, input, false);
    // Read before the analysis: demuxers drop the flag once they have found their streams.
    const bool headerless = ret >= 0 && (input->ctx_flags & AVFMTCTX_NOHEADER) != 0;
    if (ret >= 0) {
        ret = copy_input::Analyse(input.get(), deep);
    }
    if (ret < 0) {
        return Failure(ret, QStringLiteral("Cannot open %1").arg(NameOf(path)), cancel_);
    }
    CopyInputScan scan = ScanCopyInput(input.get(), NameOf(path));
    scan.Headerless = headerless;
    scan.DeepAnalysis = deep;
    scans_.push_back(std::move(scan));
    return {};
}

Status CopyJoiner::ScanInputs() {
    // One input open at a time, so memory stays flat however many files are joined.
    for (const QString& path : task_.Inputs) {
        if (cancel_.load()) {
            return StoppedStatus();
        }
        Status outcome = ScanFile(path, false);
        if (outcome.Ok() && copy_input::AnalysisFellShort(scans_.back())) {
            scans_.pop_back();
            outcome = ScanFile(path, true);
        }
        if (!outcome.Ok()) {
            return outcome;
        }
        totalUs_ += scans_.back().DurationUs;
    }
    const CopyInputScan& first = scans_.front();
    withVideo_ = first.Video.Present;
    withAudio_ = first.Audio.Present && !task_.Plan.RemoveAudio;
    if (!withVideo_ && !withAudio_) {
        return {AVERROR(EINVAL),
                QStringLiteral("Cannot join by stream copy: %1 has no video or audio stream.")
                    .arg(first.FileName)};
    }
    muxer_ = task_.Plan.MuxerName;
    if (!task_.Plan.MuxerForOtherVideo.isEmpty() && withVideo_ &&
        first.Video.Codec != AV_CODEC_ID_MPEG1VIDEO) {
        muxer_ = task_.Plan.MuxerForOtherVideo;
    }
    for (std::size_t i = 1; i < scans_.size(); ++i) {
        if (Status match = CheckCopyMatch(first, scans_[i], muxer_, withAudio_); !match.Ok()) {
            return match;
        }
    }
    return {};
}

Status CopyJoiner::OpenFile(std::size_t index, OpenedInput& opened) {
    const QString& path = task_.Inputs[index];
    const CopyInputScan& scan = scans_[index];
    // The scan analysed every file already. Only the first file, whose parameters the output
    // streams take, and formats that find their streams while reading are analysed again.
    bool analysed = index == 0 || scan.Headerless;
    int ret = copy_input::Open(path, cancel_, opened.Context, false);
    if (ret >= 0 && analysed) {
        ret = copy_input::Analyse(opened.Context.get(), scan.DeepAnalysis);
    }
    if (ret < 0) {
        return Failure(ret, QStringLiteral("Cannot open %1").arg(NameOf(path)), cancel_);
    }
    AVFormatContext* input = opened.Context.get();
    int video = withVideo_ ? FindCopyStream(input, AVMEDIA_TYPE_VIDEO) : -1;
    int audio = withAudio_ ? FindCopyStream(input, AVMEDIA_TYPE_AUDIO) : -1;
    if (!analysed &&
        ((withVideo_ && video != scan.Video.Index) || (withAudio_ && audio != scan.Audio.Index))) {
        ret = copy_input::Analyse(input, scan.DeepAnalysis);
        if (ret < 0) {
            return Failure(ret, QStringLiteral("Cannot open %1").arg(NameOf(path)), cancel_);
        }
        video = withVideo_ ? FindCopyStream(input, AVMEDIA_TYPE_VIDEO) : -1;
        audio = withAudio_ ? FindCopyStream(input, AVMEDIA_TYPE_AUDIO) : -1;
    }
    opened.OutIndexOf.assign(input->nb_streams, -1);
    opened.InIndexOf.assign(2, -1);
    opened.Filters.clear();
    opened.Filters.resize(2);
    int next = 0;
    for (const int stream : {video, audio}) {
        if (stream < 0) {
            continue;
        }
        const int outIndex = next++;
        opened.OutIndexOf[stream] = outIndex;
        opened.InIndexOf[outIndex] = stream;
        const AVStream* in = input->streams[stream];
        if (const char* name = copy_input::BitstreamFilterFor(input, in->codecpar, muxer_)) {
            ret = copy_input::MakeFilter(name, in, opened.Filters[outIndex]);
            if (ret < 0) {
                return Failure(ret,
                               QStringLiteral("Cannot prepare %1 for copying").arg(NameOf(path)),
                               cancel_);
            }
        }
    }
    return {};
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
    std::vector<AVRational> timeBases;
    for (std::size_t outIndex = 0; outIndex < first.InIndexOf.size(); ++outIndex) {
        const int inIndex = first.InIndexOf[outIndex];
        if (inIndex < 0) {
            continue;
        }
        const AVStream* in = input->streams[inIndex];
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
        out->codecpar->codec_tag = 0;
        if (out->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
            ret = LendAudioConfig(out->codecpar);
            if (ret < 0) {
                return Failure(ret, QStringLiteral("Cannot create the output"), cancel_);
            }
        }
        out->time_base = in->time_base;
        out->avg_frame_rate = in->avg_frame_rate;
        out->sample_aspect_ratio = in->sample_aspect_ratio;
        // Rotation and similar stream-wide facts of the first file.
        for (int i = 0; i < in->nb_side_data; ++i) {
            const AVPacketSideData& side = in->side_data[i];
            if (uint8_t* data = av_stream_new_side_data(out, side.type, side.size)) {
                memcpy(data, side.data, side.size);
            }
        }
    }
    if ((output_->oformat->flags & AVFMT_NOFILE) == 0) {
        const AVIOInterruptCB interrupt = av::InterruptFor(cancel_);
        ret = avio_open2(&output_->pb, path.constData(), AVIO_FLAG_WRITE, &interrupt, nullptr);
        if (ret < 0) {
            return Failure(ret, QStringLiteral("Cannot create the output file"), cancel_);
        }
    }
    ret = avformat_write_header(output_.get(), nullptr);
    if (ret < 0) {
        return Failure(ret, QStringLiteral("Cannot write the output header"), cancel_);
    }
    for (unsigned i = 0; i < output_->nb_streams; ++i) {
        timeBases.push_back(output_->streams[i]->time_base);
    }
    master_ = 0;  // video when present, else audio: always the first output stream
    timeline_ = std::make_unique<CopyTimeline>(std::move(timeBases), master_);
    return {};
}

Status CopyJoiner::Write(std::size_t index, int outIndex, AVPacket* packet) {
    CopyTimeline::Verdict verdict = timeline_->Place(outIndex, packet, CanFillGaps(outIndex));
    while (verdict == CopyTimeline::Verdict::FillGap) {
        av::PacketPtr filler = silence_[outIndex]->Packet();
        if (filler == nullptr) {
            return Failure(AVERROR(ENOMEM), QStringLiteral("Cannot copy"), cancel_);
        }
        timeline_->PlaceFiller(outIndex, filler.get());
        const int ret = av_interleaved_write_frame(output_.get(), filler.get());
        if (ret < 0) {
            return Failure(ret, QStringLiteral("Cannot write the output"), cancel_);
        }
        verdict = timeline_->Place(outIndex, packet, true);
    }
    switch (verdict) {
        case CopyTimeline::Verdict::Drop:
            av_packet_unref(packet);
            return {};
        case CopyTimeline::Verdict::Backwards:
            av_packet_unref(packet);
            if (!fileStreams_[outIndex].IsAudio && fileStreams_[outIndex].VideoDelay == 0) {
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
        case CopyTimeline::Verdict::Write:
        case CopyTimeline::Verdict::FillGap:
            break;
    }
    const int ret = av_interleaved_write_frame(output_.get(), packet);
    if (ret < 0) {
        return Failure(ret, QStringLiteral("Cannot write the output"), cancel_);
    }
    ReportProgress(false);
    return {};
}

Status CopyJoiner::Deliver(std::size_t index, int outIndex, AVPacket* packet) {
    packet->stream_index = outIndex;
    // Where a stream starts is known from its first packet that is shown; what the demuxer marks
    // as not shown before it is the stream's hidden lead.
    const bool shown = (packet->flags & AV_PKT_FLAG_DISCARD) == 0;
    if (!shown && !streamSeen_[outIndex]) {
        if (Status hidden = CheckHiddenLead(index, outIndex, packet); !hidden.Ok()) {
            av_packet_unref(packet);
            return hidden;
        }
    }
    streamSeen_[outIndex] = streamSeen_[outIndex] || shown;
    if (started_) {
        return Write(index, outIndex, packet);
    }
    av::PacketPtr held = av::MakePacket();
    if (held == nullptr) {
        return Failure(AVERROR(ENOMEM), QStringLiteral("Cannot copy"), cancel_);
    }
    av_packet_move_ref(held.get(), packet);
    const std::int64_t stamp = held->pts != AV_NOPTS_VALUE ? held->pts : held->dts;
    CopyTimeline::StreamInFile& stream = fileStreams_[outIndex];
    if (shown && stamp != AV_NOPTS_VALUE &&
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
    for (std::size_t i = 0; i < fileStreams_.size(); ++i) {
        allSeen = allSeen && (!fileStreams_[i].Present || streamSeen_[i]);
    }
    // A stream not seen after this many packets starts far later than the others.
    if (allSeen || pending_.size() >= kMaxPendingPackets) {
        return StartFile(index);
    }
    return {};
}

// A packet the demuxer marks as not shown (an edit list starts later, or the encoder's priming)
// is copied with its marking, but players skip such a lead only at the very start of an MP4 or
// MOV output, where the muxer turns the negative start into an edit list of its own. Anywhere
// else a cut-away lead would be shown again, so the join is refused; a frame or two of audio
// priming is not footage and goes through.
Status CopyJoiner::CheckHiddenLead(std::size_t index, int outIndex, const AVPacket* packet) {
    const CopyTimeline::StreamInFile& stream = fileStreams_[outIndex];
    const std::int64_t duration = packet->duration > 0 ? packet->duration : stream.DefaultDuration;
    hiddenLead_[outIndex] += std::max<std::int64_t>(duration, 1);
    const std::int64_t frame = stream.DefaultDuration > 0
                                   ? stream.DefaultDuration
                                   : av_rescale_q(1, kLongestAudioFrame, stream.TimeBase);
    const bool cut = !stream.IsAudio || hiddenLead_[outIndex] > kPrimingFrames * frame;
    if (!cut || (index == 0 && OutputKeepsLeadHidden())) {
        return {};
    }
    const QString where = index == 0 ? QStringLiteral("an MP4 or MOV output")
                                     : QStringLiteral("the first file of an MP4 or MOV output");
    const QString advice = index == 0 ? QStringLiteral("Convert it instead.")
                                      : QStringLiteral("Convert it instead, or put it first.");
    return {AVERROR(EINVAL),
            QStringLiteral("Cannot join by stream copy: %1 was cut without re-encoding (an edit "
                           "list hides its start), which only %2 can keep hidden. %3")
                .arg(scans_[index].FileName, where, advice)};
}

bool CopyJoiner::OutputKeepsLeadHidden() const {
    static const QStringList names{QStringLiteral("mp4"),  QStringLiteral("mov"),
                                   QStringLiteral("3gp"),  QStringLiteral("3g2"),
                                   QStringLiteral("ipod"), QStringLiteral("psp")};
    return names.contains(QString::fromLatin1(output_->oformat->name));
}

// Fixes where the current file starts and writes what was held, in the order it was read.
Status CopyJoiner::StartFile(std::size_t index) {
    started_ = true;
    for (std::size_t outIndex = 0; outIndex < fileStreams_.size(); ++outIndex) {
        CopyTimeline::StreamInFile& stream = fileStreams_[outIndex];
        const int inIndex = outIndex < inIndexOf_.size() ? inIndexOf_[outIndex] : -1;
        if (!stream.Present || stream.Start == AV_NOPTS_VALUE || inIndex < 0) {
            continue;
        }
        // The analysis saw more of the stream's first packets (B-frames shown before the first
        // stored picture, priming before the first sound); trust it unless it is far off.
        const std::int64_t hint = ScannedStream(index, inIndex).StartTime;
        const std::int64_t range = av_rescale_q(1, kStartHintRange, stream.TimeBase);
        if (hint != AV_NOPTS_VALUE && hint - stream.Start <= range &&
            stream.Start - hint <= range) {
            stream.Start = hint;
        }
    }
    timeline_->BeginFile(fileStreams_);
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
    std::vector<CopyTimeline::StreamInFile> streams(opened.InIndexOf.size());
    for (std::size_t outIndex = 0; outIndex < opened.InIndexOf.size(); ++outIndex) {
        const int inIndex = opened.InIndexOf[outIndex];
        if (inIndex < 0) {
            continue;
        }
        // Timing comes from the scan's analysis: the copy pass may not have analysed.
        const CopyStreamParams& facts = ScannedStream(index, inIndex);
        CopyTimeline::StreamInFile& info = streams[outIndex];
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
    }
    fileStreams_ = std::move(streams);
    inIndexOf_ = opened.InIndexOf;
    streamSeen_.assign(fileStreams_.size(), false);
    hiddenLead_.assign(fileStreams_.size(), 0);
    started_ = false;
    pending_.clear();
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
    return started_ ? Status{} : StartFile(index);
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

Status CopyJoiner::Run() {
    if (task_.Inputs.empty()) {
        return {AVERROR(EINVAL), QStringLiteral("There is nothing to join.")};
    }
    Status outcome = ScanInputs();
    if (!outcome.Ok()) {
        return outcome;
    }
    for (std::size_t index = 0; index < task_.Inputs.size(); ++index) {
        OpenedInput opened;
        outcome = OpenFile(index, opened);
        if (!outcome.Ok()) {
            return outcome;
        }
        if (index == 0) {
            outcome = CreateOutput(opened);
            if (!outcome.Ok()) {
                return outcome;
            }
        }
        outcome = CopyFile(index, opened);
        if (!outcome.Ok()) {
            return outcome;
        }
    }
    if (cancel_.load()) {
        return StoppedStatus();
    }
    const int ret = av_write_trailer(output_.get());
    if (ret < 0) {
        return Failure(ret, QStringLiteral("Cannot finish the output"), cancel_);
    }
    if (output_->pb != nullptr) {
        avio_flush(output_->pb);
        if (output_->pb->error < 0) {
            return Failure(output_->pb->error, QStringLiteral("Cannot write the output"), cancel_);
        }
    }
    ReportProgress(true);
    return {};
}

}  // namespace

Status RunCopyJoin(const JoinTask& task, const std::atomic<bool>& cancel,
                   const JoinProgressFn& progress) {
    CopyJoiner joiner(task, cancel, progress);
    return joiner.Run();
}

}  // namespace veltrano

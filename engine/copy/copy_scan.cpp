#include "engine/copy/copy_scan.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <optional>
#include <thread>

#include "engine/av/av_ptr.h"
#include "engine/copy/copy_failure.h"
#include "engine/copy/copy_hidden_lead.h"
#include "engine/copy/copy_input.h"

namespace veltrano {

namespace {

// What the scan reads from an opened and analysed input; `readLead` false leaves StartsWithCut
// unread (false), and the input unread.
CopyInputScan Look(const QString& path, AVFormatContext* input, bool headerless, bool deep,
                   bool readLead = true) {
    CopyInputScan scan = ScanCopyInput(input, copy_failure::NameOf(path));
    scan.Headerless = headerless;
    scan.DeepAnalysis = deep;
    scan.StartsWithCut = readLead && copy_hidden_lead::StartsWithCut(input, scan);
    return scan;
}

// `analysed`, when given, is the file already opened and analysed (not deep). With `kept`, an
// ISO file's context comes back there unread since its analysis, its lead not yet looked at
// (ReadFirstLead), for the copy pass to read as if it had opened and analysed it itself.
Result<CopyInputScan> ScanFile(const QString& path, bool deep, const std::atomic<bool>& cancel,
                               AnalysedInput analysed = {}, av::InputFormatPtr* kept = nullptr) {
    if (analysed.Context != nullptr) {
        copy_input::PrepareForCopy(analysed.Context.get(), cancel);
        const bool keep =
            kept != nullptr && copy_input::StoresDecodingStamps(analysed.Context->iformat);
        CopyInputScan scan = Look(path, analysed.Context.get(), analysed.Headerless, false, !keep);
        if (keep) {
            *kept = std::move(analysed.Context);
        }
        return scan;
    }
    Result<av::InputFormatPtr> opened = copy_input::Open(path, cancel);
    int ret = opened.Code();
    av::InputFormatPtr input;
    bool headerless = false;
    if (opened.Ok()) {
        input = std::move(opened).Value();
        // Read before the analysis: demuxers drop the flag once they have found their streams.
        headerless = (input->ctx_flags & AVFMTCTX_NOHEADER) != 0;
        ret = copy_input::Analyse(input.get(), deep);
    }
    if (ret < 0) {
        return copy_failure::Failure(
            ret, QStringLiteral("Cannot open %1").arg(copy_failure::NameOf(path)), cancel);
    }
    return Look(path, input.get(), headerless, deep);
}

// One open for the scan (none when the file comes `analysed`, whose context goes to `kept`
// unless the scan had to look again); a file whose streams the usual analysis missed is looked
// at again, deeper.
Result<CopyInputScan> ScanInput(const QString& path, const std::atomic<bool>& cancel,
                                AnalysedInput analysed = {}, av::InputFormatPtr* kept = nullptr) {
    Result<CopyInputScan> scan = ScanFile(path, false, cancel, std::move(analysed), kept);
    if (scan.Ok() && copy_input::AnalysisFellShort(*scan)) {
        if (kept != nullptr) {
            kept->reset();
        }
        scan = ScanFile(path, true, cancel);
    }
    return scan;
}

// Scans every input, a few at a time: an analysis decodes the first pictures of each file, which
// a second core halves, while each thread holds one open file, so memory stays flat however many
// files are joined. The first input is scanned with `analysedFirst`/`keptFirst` as ScanInput
// takes them. With `stopAtFailure`, files after a failed one may be left unscanned (nullopt);
// otherwise, and on a stop, every entry is set.
std::vector<std::optional<Result<CopyInputScan>>> ScanAll(const std::vector<QString>& paths,
                                                          const std::atomic<bool>& cancel,
                                                          bool stopAtFailure,
                                                          AnalysedInput analysedFirst = {},
                                                          av::InputFormatPtr* keptFirst = nullptr) {
    std::vector<std::optional<Result<CopyInputScan>>> scans(paths.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> firstFailure{paths.size()};
    const auto work = [&] {
        for (std::size_t i = next++; i < paths.size(); i = next++) {
            if (cancel.load()) {
                scans[i] = Result<CopyInputScan>(StoppedStatus());
                continue;
            }
            if (stopAtFailure && i > firstFailure.load()) {
                continue;
            }
            scans[i] = i == 0 ? ScanInput(paths[i], cancel, std::move(analysedFirst), keptFirst)
                              : ScanInput(paths[i], cancel);
            if (!scans[i]->Ok()) {
                std::size_t known = firstFailure.load();
                while (i < known && !firstFailure.compare_exchange_weak(known, i)) {
                }
            }
        }
    };
    const std::size_t helpers =
        std::min<std::size_t>(
            {std::max(1u, std::thread::hardware_concurrency()), 4, paths.size()}) -
        1;
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < helpers; ++t) {
        threads.emplace_back(work);
    }
    work();
    for (std::thread& thread : threads) {
        thread.join();
    }
    return scans;
}

// What the scans alone decide, per input in join order: `Match` whether its streams can follow
// the first input's (for the first: whether it can lead a copy at all), `Cut` whether it starts
// with a cut the output cannot keep hidden. A null scan (unreadable) is judged Ok here.
struct Judgement {
    QString Muxer;
    bool WithVideo = false;
    bool WithAudio = false;
    std::vector<Status> Match;
    std::vector<Status> Cut;
};

Judgement Judge(const std::vector<const CopyInputScan*>& scans, const OutputPlan& plan) {
    Judgement judgement;
    judgement.Muxer = plan.MuxerName;
    judgement.Match.resize(scans.size());
    judgement.Cut.resize(scans.size());
    if (scans.empty() || scans.front() == nullptr) {
        return judgement;
    }
    const CopyInputScan& first = *scans.front();
    judgement.WithVideo = first.Video.Present;
    judgement.WithAudio = first.Audio.Present && !plan.RemoveAudio;
    if (!judgement.WithVideo && !judgement.WithAudio) {
        // Nothing can follow a first file that has nothing to copy.
        const Status lead(
            AVERROR(EINVAL),
            QStringLiteral("Cannot join by stream copy: %1 has no video or audio stream.")
                .arg(first.FileName));
        judgement.Match.assign(scans.size(), lead);
        return judgement;
    }
    if (!plan.MuxerForOtherVideo.isEmpty() && judgement.WithVideo &&
        first.Video.Codec != AV_CODEC_ID_MPEG1VIDEO) {
        judgement.Muxer = plan.MuxerForOtherVideo;
    }
    for (std::size_t i = 1; i < scans.size(); ++i) {
        if (scans[i] != nullptr) {
            judgement.Match[i] =
                CheckCopyMatch(first, *scans[i], judgement.Muxer, judgement.WithAudio);
        }
    }
    for (std::size_t i = 0; i < scans.size(); ++i) {
        if (scans[i] != nullptr && scans[i]->StartsWithCut &&
            (i > 0 || !copy_hidden_lead::OutputKeepsLeadHidden(judgement.Muxer))) {
            judgement.Cut[i] = copy_hidden_lead::Refusal(scans[i]->FileName, i == 0);
        }
    }
    return judgement;
}

}  // namespace

Result<CopyJoinInputs> ScanCopyJoinInputs(const JoinTask& task, const std::atomic<bool>& cancel,
                                          AnalysedInput analysedFirst) {
    if (task.Inputs.empty()) {
        return Status(AVERROR(EINVAL), QStringLiteral("There is nothing to join."));
    }
    CopyJoinInputs inputs;
    std::vector<CopyInputScan>& scans = inputs.Scans;
    std::vector<std::optional<Result<CopyInputScan>>> results =
        ScanAll(task.Inputs, cancel, true, std::move(analysedFirst), &inputs.AnalysedFirst);
    if (cancel.load()) {
        return StoppedStatus();
    }
    // In join order: the first file that cannot be read is the one named, as when read in turn.
    for (std::optional<Result<CopyInputScan>>& scan : results) {
        if (!scan->Ok()) {
            return scan->GetStatus();
        }
        inputs.TotalUs += (*scan)->DurationUs;
        scans.push_back(std::move(*scan).Value());
    }
    std::vector<const CopyInputScan*> scanned;
    for (const CopyInputScan& scan : scans) {
        scanned.push_back(&scan);
    }
    Judgement judgement = Judge(scanned, task.Plan);
    // The first file's lead matters only where the output cannot keep it hidden; looking at it
    // reads the file, which the copy pass then opens afresh.
    if (inputs.AnalysedFirst != nullptr &&
        !copy_hidden_lead::OutputKeepsLeadHidden(judgement.Muxer)) {
        scans.front().StartsWithCut =
            copy_hidden_lead::StartsWithCut(inputs.AnalysedFirst.get(), scans.front());
        inputs.AnalysedFirst.reset();
        judgement = Judge(scanned, task.Plan);
    }
    // Parameters first, then cuts: before anything is written, a cut the output cannot keep
    // hidden is refused at once.
    for (const std::vector<Status>* verdicts : {&judgement.Match, &judgement.Cut}) {
        for (const Status& verdict : *verdicts) {
            if (!verdict.Ok()) {
                return verdict;
            }
        }
    }
    const CopyInputScan& first = scans.front();
    inputs.WithVideo = judgement.WithVideo;
    inputs.WithAudio = judgement.WithAudio;
    inputs.Muxer = std::move(judgement.Muxer);
    const AVOutputFormat* format =
        av_guess_format(inputs.Muxer.toLatin1().constData(), nullptr, nullptr);
    // The Matroska muxer of FFmpeg 5.1 writes a cover as a one-picture video track; the MP3
    // muxer puts it in the ID3 tag, holding the sound back until it has come.
    const bool carriesCovers =
        inputs.Muxer == QLatin1String("mp4") || inputs.Muxer == QLatin1String("mov") ||
        inputs.Muxer == QLatin1String("ipod") || inputs.Muxer == QLatin1String("mp3");
    const auto canCarry = [&](const CopyStreamParams& stream) {
        if (stream.Index == first.Video.Index || stream.Index == first.Audio.Index) {
            return true;  // the check above already accepted them
        }
        if (stream.AttachedPicture) {
            // These muxers store a cover as a picture of its own, which query_codec does not
            // know about; others would write a one-picture video track.
            return carriesCovers &&
                   (stream.Codec == AV_CODEC_ID_MJPEG || stream.Codec == AV_CODEC_ID_PNG);
        }
        // 1 yes, 0 no, negative when the muxer cannot tell: pictures and sound are then left
        // to the header, subtitles only go where the muxer is known to take them.
        const int known = format != nullptr
                              ? avformat_query_codec(format, stream.Codec, FF_COMPLIANCE_NORMAL)
                              : -1;
        return stream.Type == AVMEDIA_TYPE_SUBTITLE ? known == 1 : known != 0;
    };
    inputs.Choice = ChooseCopyStreams(scans, inputs.Muxer, inputs.WithAudio, canCarry);
    return inputs;
}

Result<std::vector<Status>> CheckCopyJoinInputs(const std::vector<QString>& inputs,
                                                const OutputPlan& plan,
                                                const std::atomic<bool>& cancel) {
    if (inputs.empty()) {
        return Status(AVERROR(EINVAL), QStringLiteral("There is nothing to join."));
    }
    // Unlike the join, an unreadable file does not end the look at the others.
    std::vector<Result<CopyInputScan>> scans;
    for (std::optional<Result<CopyInputScan>>& scan : ScanAll(inputs, cancel, false)) {
        scans.push_back(std::move(*scan));
    }
    if (cancel.load()) {
        return StoppedStatus();
    }
    std::vector<const CopyInputScan*> scanned;
    for (const Result<CopyInputScan>& scan : scans) {
        scanned.push_back(scan.Ok() ? &*scan : nullptr);
    }
    const Judgement judgement = Judge(scanned, plan);
    std::vector<Status> verdicts;
    for (std::size_t i = 0; i < scans.size(); ++i) {
        if (!scans.front().Ok()) {
            verdicts.push_back(scans.front().GetStatus());  // nothing can follow it
        } else if (!scans[i].Ok()) {
            verdicts.push_back(scans[i].GetStatus());
        } else {
            verdicts.push_back(!judgement.Match[i].Ok() ? judgement.Match[i] : judgement.Cut[i]);
        }
    }
    return verdicts;
}

}  // namespace veltrano

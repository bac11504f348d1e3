#include "engine/copy/copy_scan.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include "engine/av/av_ptr.h"
#include "engine/copy/copy_failure.h"
#include "engine/copy/copy_hidden_lead.h"
#include "engine/copy/copy_input.h"

namespace veltrano {

namespace {

Result<CopyInputScan> ScanFile(const QString& path, bool deep, const std::atomic<bool>& cancel) {
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
    CopyInputScan scan = ScanCopyInput(input.get(), copy_failure::NameOf(path));
    scan.Headerless = headerless;
    scan.DeepAnalysis = deep;
    scan.StartsWithCut = copy_hidden_lead::StartsWithCut(input.get(), scan);
    return scan;
}

}  // namespace

Result<CopyJoinInputs> ScanCopyJoinInputs(const JoinTask& task, const std::atomic<bool>& cancel) {
    if (task.Inputs.empty()) {
        return Status(AVERROR(EINVAL), QStringLiteral("There is nothing to join."));
    }
    CopyJoinInputs inputs;
    std::vector<CopyInputScan>& scans = inputs.Scans;
    // One input open at a time, so memory stays flat however many files are joined.
    for (const QString& path : task.Inputs) {
        if (cancel.load()) {
            return StoppedStatus();
        }
        Result<CopyInputScan> scan = ScanFile(path, false, cancel);
        if (scan.Ok() && copy_input::AnalysisFellShort(*scan)) {
            scan = ScanFile(path, true, cancel);
        }
        if (!scan.Ok()) {
            return scan.GetStatus();
        }
        inputs.TotalUs += scan->DurationUs;
        scans.push_back(std::move(scan).Value());
    }
    const CopyInputScan& first = scans.front();
    inputs.WithVideo = first.Video.Present;
    inputs.WithAudio = first.Audio.Present && !task.Plan.RemoveAudio;
    if (!inputs.WithVideo && !inputs.WithAudio) {
        return Status(AVERROR(EINVAL),
                      QStringLiteral("Cannot join by stream copy: %1 has no video or audio stream.")
                          .arg(first.FileName));
    }
    inputs.Muxer = task.Plan.MuxerName;
    if (!task.Plan.MuxerForOtherVideo.isEmpty() && inputs.WithVideo &&
        first.Video.Codec != AV_CODEC_ID_MPEG1VIDEO) {
        inputs.Muxer = task.Plan.MuxerForOtherVideo;
    }
    for (std::size_t i = 1; i < scans.size(); ++i) {
        if (Status match = CheckCopyMatch(first, scans[i], inputs.Muxer, inputs.WithAudio);
            !match.Ok()) {
            return match;
        }
    }
    // Before anything is written: a cut the output cannot keep hidden is refused at once.
    for (std::size_t i = 0; i < scans.size(); ++i) {
        if (scans[i].StartsWithCut &&
            (i > 0 || !copy_hidden_lead::OutputKeepsLeadHidden(inputs.Muxer))) {
            return copy_hidden_lead::Refusal(scans[i].FileName, i == 0);
        }
    }
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

}  // namespace veltrano

#include "engine/probe/ff_decoder.h"

#include <algorithm>
#include <utility>

#include "engine/av/av_error.h"
#include "engine/av/av_input.h"

extern "C" {
#include <libavutil/mathematics.h>
}

namespace veltrano {

bool FFDecoder::Fail(const QString& text) {
    CloseMedia();
    lastError_ = text;
    return false;
}

bool FFDecoder::OpenMedia(const QString& path, const QString& options) {
    CloseMedia();
    lastError_.clear();

    av::InputOpenOptions open;
    open.ProbeSizeBytes = kProbeSizeBytes;
    open.AnalyzeDurationUs = kAnalyzeDurationUs;
    open.FormatOptions = options;
    open.FailureLead = QStringLiteral("Cannot open file");
    // The job check opens without options; with none here, it would open the file as this did.
    const bool noted = opened_ != nullptr && options.trimmed().isEmpty();
    const av::OpenedInputRecord::Identity before =
        noted ? av::OpenedInputRecord::IdentityOf(path) : av::OpenedInputRecord::Identity{};
    Result<av::InputFormatPtr> opened = av::OpenMediaInput(path, open);
    if (!opened.Ok()) {
        return Fail(opened.Message());
    }
    if (noted) {
        opened_->NoteOpened(path, before);
    }
    format_ = std::move(opened).Value();

    if (!HeaderSuffices()) {
        const int analysed = avformat_find_stream_info(format_.get(), nullptr);
        if (analysed < 0) {
            return Fail(
                av::Describe(QStringLiteral("Cannot read the streams of the file"), analysed));
        }
    }

    audioIndex_ = FindBestStream(AVMEDIA_TYPE_AUDIO);
    videoIndex_ = FindBestStream(AVMEDIA_TYPE_VIDEO);
    if (audioIndex_ < 0 && videoIndex_ < 0) {
        return Fail(
            QStringLiteral("Cannot open file: it holds neither a video nor an audio stream"));
    }
    durationUs_ = ComputeDuration();
    return true;
}

bool FFDecoder::HeaderSuffices() const {
    // Listing a file needs codecs, picture size, sound format and duration. Containers with a
    // header (MP4, Matroska, AVI, ...) usually state them all; decoding frames to learn them
    // again would make probing a batch several times slower. Anything missing is analysed.
    if ((format_->ctx_flags & AVFMTCTX_NOHEADER) != 0 || format_->nb_streams == 0) {
        return false;
    }
    for (unsigned i = 0; i < format_->nb_streams; ++i) {
        const AVCodecParameters* par = format_->streams[i]->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO &&
            (par->codec_id == AV_CODEC_ID_NONE || par->width <= 0 || par->height <= 0)) {
            return false;
        }
        if (par->codec_type == AVMEDIA_TYPE_AUDIO &&
            (par->codec_id == AV_CODEC_ID_NONE || par->sample_rate <= 0 ||
             par->ch_layout.nb_channels <= 0)) {
            return false;
        }
    }
    return ComputeDuration() > 0;
}

void FFDecoder::CloseMedia() {
    format_.reset();
    audioIndex_ = -1;
    videoIndex_ = -1;
    durationUs_ = 0;
}

int FFDecoder::FindBestStream(AVMediaType type) const {
    const int best = av_find_best_stream(format_.get(), type, -1, -1, nullptr, 0);
    if (best < 0) {
        return -1;
    }
    if (type != AVMEDIA_TYPE_VIDEO ||
        (format_->streams[best]->disposition & AV_DISPOSITION_ATTACHED_PIC) == 0) {
        return best;
    }
    // A cover picture is not a video: prefer a real video stream, and report none when the
    // file only carries the picture.
    for (unsigned i = 0; i < format_->nb_streams; ++i) {
        const AVStream* stream = format_->streams[i];
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
            (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::int64_t FFDecoder::ComputeDuration() const {
    if (format_->duration != AV_NOPTS_VALUE && format_->duration > 0) {
        return format_->duration;
    }
    // No container duration: the longest stream's.
    std::int64_t longest = 0;
    for (unsigned i = 0; i < format_->nb_streams; ++i) {
        const AVStream* stream = format_->streams[i];
        if (stream->duration == AV_NOPTS_VALUE || stream->duration <= 0) {
            continue;
        }
        longest = std::max(longest, av_rescale_q(stream->duration, stream->time_base,
                                                 AVRational{1, AV_TIME_BASE}));
    }
    return longest;
}

const AVCodecParameters* FFDecoder::StreamParameters(int index, AVMediaType type) const {
    if (!format_ || index < 0 || static_cast<unsigned>(index) >= format_->nb_streams) {
        return nullptr;
    }
    const AVCodecParameters* parameters = format_->streams[index]->codecpar;
    return parameters->codec_type == type ? parameters : nullptr;
}

QString FFDecoder::AudioCodecName(int index) const {
    const AVCodecParameters* parameters = StreamParameters(index, AVMEDIA_TYPE_AUDIO);
    return parameters ? QString::fromUtf8(avcodec_get_name(parameters->codec_id)) : QString();
}

QString FFDecoder::VideoCodecName(int index) const {
    const AVCodecParameters* parameters = StreamParameters(index, AVMEDIA_TYPE_VIDEO);
    return parameters ? QString::fromUtf8(avcodec_get_name(parameters->codec_id)) : QString();
}

int FFDecoder::VideoWidth(int index) const {
    const AVCodecParameters* parameters = StreamParameters(index, AVMEDIA_TYPE_VIDEO);
    return parameters ? std::max(parameters->width, 0) : 0;
}

int FFDecoder::VideoHeight(int index) const {
    const AVCodecParameters* parameters = StreamParameters(index, AVMEDIA_TYPE_VIDEO);
    return parameters ? std::max(parameters->height, 0) : 0;
}

}  // namespace veltrano

#include "engine/copy/copy_input.h"

extern "C" {
#include <libavcodec/bsf.h>
}

#include <QStringList>
#include <utility>

#include "engine/av/av_error.h"
#include "engine/av/av_input.h"
#include "engine/av/av_interrupt.h"
#include "engine/copy/copy_stream_check.h"

namespace veltrano {

namespace copy_input {

namespace {

constexpr std::int64_t kDeepProbeBytes = 50 * 1000 * 1000;
constexpr std::int64_t kDeepAnalyzeUs = 60LL * AV_TIME_BASE;

}  // namespace

int Analyse(AVFormatContext* input, bool deep) {
    if (deep) {
        input->probesize = kDeepProbeBytes;
        input->max_analyze_duration = kDeepAnalyzeUs;
    }
    return avformat_find_stream_info(input, nullptr);
}

bool StoresDecodingStamps(const AVInputFormat* format) {
    // The ISO family (MP4, MOV, 3GP) keeps both stamps of every sample in its index.
    return format != nullptr &&
           QLatin1String(format->name) == QLatin1String("mov,mp4,m4a,3gp,3g2,mj2");
}

bool AnalysisFellShort(const CopyInputScan& scan) {
    return (scan.Video.Present && scan.Video.PixelFormat < 0) ||
           (scan.Audio.Present && (scan.Audio.SampleRate <= 0 || scan.Audio.Channels <= 0));
}

Result<av::InputFormatPtr> Open(const QString& path, const std::atomic<bool>& cancel,
                                int readBufferBytes) {
    av::InputOpenOptions options;
    options.Cancel = &cancel;
    options.ReadBufferBytes = readBufferBytes;
    Result<av::InputFormatPtr> opened = av::OpenMediaInput(path, options);
    if (opened.Ok()) {
        PrepareForCopy(opened->get(), cancel);
    }
    return opened;
}

void PrepareForCopy(AVFormatContext* input, const std::atomic<bool>& cancel) {
    input->interrupt_callback = av::InterruptFor(cancel);
    // A bare MPEG video stream (often named .mpg) has no container stamps: its pictures get
    // decoding stamps from the frame rate, but those shown later than decoded get no
    // presentation stamp, and a program stream written from them would carry no time at all.
    // libavformat works them out from the next reference picture's decoding stamp.
    if (QLatin1String(input->iformat->name) == QLatin1String("mpegvideo")) {
        input->flags |= AVFMT_FLAG_GENPTS;
    }
}

namespace {

bool CarriesIsoAudioConfig(const QString& muxer) {
    static const QStringList names{
        QStringLiteral("mp4"),  QStringLiteral("mov"),  QStringLiteral("3gp"),
        QStringLiteral("3g2"),  QStringLiteral("ipod"), QStringLiteral("ismv"),
        QStringLiteral("f4v"),  QStringLiteral("psp"),  QStringLiteral("matroska"),
        QStringLiteral("webm"), QStringLiteral("flv")};
    return names.contains(muxer);
}

}  // namespace

const char* BitstreamFilterFor(const AVFormatContext* input, const AVCodecParameters* par,
                               const QString& muxer) {
    if (par->codec_id == AV_CODEC_ID_AAC && CarriesIsoAudioConfig(muxer)) {
        const QString format = QString::fromLatin1(input->iformat->name);
        const bool adts = par->extradata_size == 0 || format == QLatin1String("mpegts") ||
                          format == QLatin1String("aac");
        return adts ? "aac_adtstoasc" : nullptr;
    }
    // A hidden VP9 picture stored as a packet of its own carries the stamp of the picture shown
    // after it: merged into that one's packet, as the MP4 and Matroska muxers store them, every
    // packet is one picture shown and the stamps increase.
    if (par->codec_id == AV_CODEC_ID_VP9) {
        return "vp9_superframe";
    }
    const bool lengthPrefixed = par->extradata_size > 0 && par->extradata[0] == 1;
    if (IsMpegStreamMuxer(muxer) && lengthPrefixed) {
        if (par->codec_id == AV_CODEC_ID_H264) {
            return "h264_mp4toannexb";
        }
        if (par->codec_id == AV_CODEC_ID_HEVC) {
            return "hevc_mp4toannexb";
        }
    }
    return nullptr;
}

Result<av::BsfPtr> MakeFilter(const char* name, const AVStream* stream) {
    const auto failed = [name](int code) {
        return Status(
            code, av::Describe(
                      QStringLiteral("Cannot prepare the %1 filter").arg(QString::fromLatin1(name)),
                      code));
    };
    const AVBitStreamFilter* kind = av_bsf_get_by_name(name);
    if (kind == nullptr) {
        return failed(AVERROR_BSF_NOT_FOUND);
    }
    av::BsfPtr filter;
    int ret = av_bsf_alloc(kind, av::OutPtr(filter));
    if (ret < 0) {
        return failed(ret);
    }
    ret = avcodec_parameters_copy(filter->par_in, stream->codecpar);
    if (ret < 0) {
        return failed(ret);
    }
    filter->time_base_in = stream->time_base;
    ret = av_bsf_init(filter.get());
    if (ret < 0) {
        return failed(ret);
    }
    return filter;
}

}  // namespace copy_input

}  // namespace veltrano

#include "engine/convert/convert_filter_chain.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
}

namespace veltrano {

int ConvertFilterChain::OpenVideo(const AVFrame& first, AVRational timeBase, AVRational pixelAspect,
                                  const QString& description) {
    const AVRational sar =
        pixelAspect.num > 0 && pixelAspect.den > 0 ? pixelAspect : AVRational{1, 1};
    const QString args = QStringLiteral(
                             "video_size=%1x%2:pix_fmt=%3:time_base=%4/%5:"
                             "pixel_aspect=%6/%7")
                             .arg(first.width)
                             .arg(first.height)
                             .arg(first.format)
                             .arg(timeBase.num)
                             .arg(timeBase.den)
                             .arg(sar.num)
                             .arg(sar.den);
    return Open("buffer", args, "buffersink", description);
}

int ConvertFilterChain::OpenAudio(const AVFrame& first, AVRational timeBase,
                                  const QString& description) {
    AVChannelLayout layout{};
    if (first.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || first.ch_layout.nb_channels <= 0) {
        // A bare channel count: give it the usual layout so the resampler can mix it.
        av_channel_layout_default(
            &layout, first.ch_layout.nb_channels > 0 ? first.ch_layout.nb_channels : 1);
    } else if (av_channel_layout_copy(&layout, &first.ch_layout) < 0) {
        return AVERROR(ENOMEM);
    }
    char layoutText[128] = {};
    av_channel_layout_describe(&layout, layoutText, sizeof layoutText);
    av_channel_layout_uninit(&layout);
    const char* formatName = av_get_sample_fmt_name(static_cast<AVSampleFormat>(first.format));
    if (formatName == nullptr) {
        return AVERROR(EINVAL);
    }
    const QString args = QStringLiteral(
                             "time_base=%1/%2:sample_rate=%3:sample_fmt=%4:"
                             "channel_layout=%5")
                             .arg(timeBase.num)
                             .arg(timeBase.den)
                             .arg(first.sample_rate)
                             .arg(QString::fromLatin1(formatName), QString::fromUtf8(layoutText));
    return Open("abuffer", args, "abuffersink", description);
}

int ConvertFilterChain::Open(const char* sourceName, const QString& sourceArgs,
                             const char* sinkName, const QString& description) {
    graph_.reset(avfilter_graph_alloc());
    av::FilterInOutPtr outputs(avfilter_inout_alloc());
    av::FilterInOutPtr inputs(avfilter_inout_alloc());
    if (graph_ == nullptr || outputs == nullptr || inputs == nullptr) {
        graph_.reset();
        return AVERROR(ENOMEM);
    }
    // Filters run on the joiner's worker thread only; their own threads would compete with
    // the encoders for the same cores.
    graph_->nb_threads = 1;
    int ret = avfilter_graph_create_filter(&source_, avfilter_get_by_name(sourceName), "in",
                                           sourceArgs.toUtf8().constData(), nullptr, graph_.get());
    if (ret >= 0) {
        ret = avfilter_graph_create_filter(&sink_, avfilter_get_by_name(sinkName), "out", nullptr,
                                           nullptr, graph_.get());
    }
    if (ret >= 0) {
        outputs->name = av_strdup("in");
        outputs->filter_ctx = source_;
        outputs->pad_idx = 0;
        outputs->next = nullptr;
        inputs->name = av_strdup("out");
        inputs->filter_ctx = sink_;
        inputs->pad_idx = 0;
        inputs->next = nullptr;
        ret = avfilter_graph_parse_ptr(graph_.get(), description.toUtf8().constData(),
                                       av::OutPtr(inputs), av::OutPtr(outputs), nullptr);
    }
    if (ret >= 0) {
        ret = avfilter_graph_config(graph_.get(), nullptr);
    }
    if (ret < 0) {
        graph_.reset();
        source_ = nullptr;
        sink_ = nullptr;
    }
    return ret;
}

int ConvertFilterChain::Push(AVFrame* frame) {
    return av_buffersrc_add_frame_flags(source_, frame, AV_BUFFERSRC_FLAG_KEEP_REF);
}

int ConvertFilterChain::Close(std::int64_t endPts) {
    if (endPts == AV_NOPTS_VALUE) {
        return av_buffersrc_add_frame_flags(source_, nullptr, 0);
    }
    return av_buffersrc_close(source_, endPts, 0);
}

int ConvertFilterChain::Pull(AVFrame* frame) {
    return av_buffersink_get_frame(sink_, frame);
}

AVRational ConvertFilterChain::OutputTimeBase() const {
    return av_buffersink_get_time_base(sink_);
}

}  // namespace veltrano

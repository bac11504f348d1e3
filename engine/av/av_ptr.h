#pragma once

// Owning handles for libav objects: each one freed by its own libav function.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/bsf.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>

#include "engine/av/av_file_io.h"

namespace veltrano {

namespace av {

// libav leaves an input's AVIOContext of our own (av::OpenFileIo) open: it is freed after.
struct InputFormatCloser {
    void operator()(AVFormatContext* ctx) const {
        AVIOContext* own =
            ctx != nullptr && (ctx->flags & AVFMT_FLAG_CUSTOM_IO) != 0 && IsFileIo(ctx->pb)
                ? ctx->pb
                : nullptr;
        avformat_close_input(&ctx);
        CloseFileIo(own);
    }
};
// An output context owns its AVIOContext only once opened; close it before freeing.
struct OutputFormatCloser {
    void operator()(AVFormatContext* ctx) const {
        if (ctx == nullptr) {
            return;
        }
        if (ctx->oformat != nullptr && (ctx->oformat->flags & AVFMT_NOFILE) == 0) {
            avio_closep(&ctx->pb);
        }
        avformat_free_context(ctx);
    }
};
struct CodecContextFreer {
    void operator()(AVCodecContext* ctx) const { avcodec_free_context(&ctx); }
};
struct PacketFreer {
    void operator()(AVPacket* pkt) const { av_packet_free(&pkt); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct FilterGraphFreer {
    void operator()(AVFilterGraph* graph) const { avfilter_graph_free(&graph); }
};
struct BsfFreer {
    void operator()(AVBSFContext* bsf) const { av_bsf_free(&bsf); }
};
struct SwrFreer {
    void operator()(SwrContext* swr) const { swr_free(&swr); }
};
struct SwsFreer {
    void operator()(SwsContext* sws) const { sws_freeContext(sws); }
};
struct FilterInOutFreer {
    void operator()(AVFilterInOut* io) const { avfilter_inout_free(&io); }
};
struct DictionaryFreer {
    void operator()(AVDictionary* dict) const { av_dict_free(&dict); }
};

using InputFormatPtr = std::unique_ptr<AVFormatContext, InputFormatCloser>;
using OutputFormatPtr = std::unique_ptr<AVFormatContext, OutputFormatCloser>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FilterGraphFreer>;
using BsfPtr = std::unique_ptr<AVBSFContext, BsfFreer>;
using SwrPtr = std::unique_ptr<SwrContext, SwrFreer>;
using SwsPtr = std::unique_ptr<SwsContext, SwsFreer>;
using FilterInOutPtr = std::unique_ptr<AVFilterInOut, FilterInOutFreer>;
using DictionaryPtr = std::unique_ptr<AVDictionary, DictionaryFreer>;

// Lends an owning handle to a libav function with a `T**` output ("avformat_open_input(
// av::OutPtr(format), ...)"): the function sees the handle's object, and at the end of the
// full expression the handle owns whatever the function left there (a new object, the same
// one, or nullptr after the function freed it on failure).
template <typename Owner>
class OutPtrAdapter {
public:
    using Pointer = typename Owner::pointer;

    explicit OutPtrAdapter(Owner& owner) : owner_(owner), raw_(owner.release()) {}
    ~OutPtrAdapter() { owner_.reset(raw_); }
    OutPtrAdapter(const OutPtrAdapter&) = delete;
    OutPtrAdapter& operator=(const OutPtrAdapter&) = delete;

    operator Pointer*() { return &raw_; }  // NOLINT: stands in for the `T**` argument

private:
    Owner& owner_;
    Pointer raw_;
};

template <typename Owner>
OutPtrAdapter<Owner> OutPtr(Owner& owner) {
    return OutPtrAdapter<Owner>(owner);
}

inline PacketPtr MakePacket() {
    return PacketPtr(av_packet_alloc());
}
inline FramePtr MakeFrame() {
    return FramePtr(av_frame_alloc());
}

}  // namespace av

}  // namespace veltrano

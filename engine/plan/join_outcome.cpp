#include "engine/plan/join_outcome.h"

namespace veltrano {

namespace {

std::int64_t FrameUsOf(const AVStream* stream) {
    const AVCodecParameters* par = stream->codecpar;
    if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
        return par->frame_size > 0 && par->sample_rate > 0
                   ? av_rescale(par->frame_size, AV_TIME_BASE, par->sample_rate)
                   : 0;
    }
    const AVRational rate =
        stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
    return rate.num > 0 && rate.den > 0 ? av_rescale(rate.den, AV_TIME_BASE, rate.num) : 0;
}

}  // namespace

std::vector<WrittenStream> WrittenStreamsOf(const AVFormatContext* output) {
    std::vector<WrittenStream> streams;
    for (unsigned i = 0; i < output->nb_streams; ++i) {
        const AVStream* stream = output->streams[i];
        WrittenStream written;
        written.Type = stream->codecpar->codec_type;
        written.Codec = stream->codecpar->codec_id;
        written.Cover = (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0;
        written.FrameUs = FrameUsOf(stream);
        streams.push_back(written);
    }
    return streams;
}

}  // namespace veltrano

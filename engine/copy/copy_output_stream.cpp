#include "engine/copy/copy_output_stream.h"

#include <cstring>
#include <initializer_list>

namespace veltrano {

void CopyStreamFacts(const AVFormatContext* input, const AVStream* in, AVStream* out) {
    AVCodecParameters* par = out->codecpar;
    // The input container's tag may mean something else in the output's.
    par->codec_tag = 0;
    if (par->codec_type == AVMEDIA_TYPE_AUDIO) {
        // With a block size the AVI muxer takes MP3 and AC-3 for fixed-size sample audio and
        // their timestamps read back wrong; the ffmpeg tool clears it when copying.
        const int block = par->block_align;
        if ((par->codec_id == AV_CODEC_ID_MP3 && (block == 1 || block == 576 || block == 1152)) ||
            par->codec_id == AV_CODEC_ID_AC3) {
            par->block_align = 0;
        }
    }
    out->time_base = in->time_base;
    out->avg_frame_rate = in->avg_frame_rate;
    out->disposition = in->disposition;
    // A camera's timecode: the output starts where the first file does, and the MOV muxer
    // writes its timecode track from this tag.
    for (const char* key : {"language", "title", "timecode"}) {
        if (const AVDictionaryEntry* tag = av_dict_get(in->metadata, key, nullptr, 0)) {
            av_dict_set(&out->metadata, key, tag->value, 0);
        }
    }
    // The muxer refuses a stream whose container and codec aspects differ; both get the one a
    // player shows, the container's where it states one.
    const AVRational aspect = av_guess_sample_aspect_ratio(const_cast<AVFormatContext*>(input),
                                                           const_cast<AVStream*>(in), nullptr);
    out->sample_aspect_ratio = aspect;
    if (par->codec_type == AVMEDIA_TYPE_VIDEO) {
        par->sample_aspect_ratio = aspect;
    }
    // Rotation and similar stream-wide facts of the first file.
    for (int i = 0; i < in->nb_side_data; ++i) {
        const AVPacketSideData& side = in->side_data[i];
        if (uint8_t* data = av_stream_new_side_data(out, side.type, side.size)) {
            std::memcpy(data, side.data, side.size);
        }
    }
}

std::int64_t MuxerShiftFor(const QString& muxer, const AVStream* out) {
    if (muxer != QLatin1String("matroska") && muxer != QLatin1String("webm")) {
        return 0;
    }
    const AVCodecParameters* par = out->codecpar;
    if (par->codec_id != AV_CODEC_ID_OPUS || par->initial_padding <= 0) {
        return 0;
    }
    return av_rescale_q(par->initial_padding, AVRational{1, 48000}, out->time_base);
}

int LendAudioConfig(AVCodecParameters* par, const QString& muxer,
                    const std::vector<CopyInputScan>& scans,
                    const std::vector<std::vector<int>>& kept, std::size_t outIndex) {
    if (muxer != QLatin1String("mpegts") || par->codec_id != AV_CODEC_ID_AAC ||
        par->extradata_size > 0) {
        return 0;
    }
    for (std::size_t file = 0; file < scans.size(); ++file) {
        const int inIndex = kept[file][outIndex];
        const QByteArray& config = scans[file].Streams[static_cast<std::size_t>(inIndex)].Extradata;
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

}  // namespace veltrano

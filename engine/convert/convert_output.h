#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "engine/av/av_ptr.h"
#include "engine/convert/convert_input.h"
#include "engine/convert/convert_stream_encoder.h"
#include "engine/plan/join_chapters.h"
#include "engine/plan/join_task.h"
#include "engine/plan/output_plan.h"

namespace veltrano {

// The output's stream settings once the plan, the first inputs and the encoders' limits are
// combined. Time bases: video 1/FrameRate, audio 1/SampleRate.
struct ConvertOutputFormat {
    bool HasVideo = false;
    int Width = 0;
    int Height = 0;
    AVRational SampleAspect{1, 1};
    AVRational FrameRate{25, 1};
    AVPixelFormat PixelFormat = AV_PIX_FMT_YUV420P;

    bool HasAudio = false;
    int SampleRate = 0;
    AVChannelLayout ChannelLayout{};  // native order, owns no memory
    AVSampleFormat SampleFormat = AV_SAMPLE_FMT_NONE;
    int FrameSize = 0;  // samples per encoder frame; 0 when any size goes
};

// The muxer and its encoders for one conversion join: opened from the plan, fed frames in
// the encoders' time bases, finished with the trailer.
class ConvertOutput {
public:
    Status Open(const OutputPlan& plan, const std::vector<ConvertSourceInfo>& sources,
                const QString& path, const AVIOInterruptCB& interrupt);

    const ConvertOutputFormat& Format() const { return format_; }
    const AVFormatContext* Context() const { return output_.get(); }
    ConvertStreamEncoder* Video() const { return video_.get(); }
    ConvertStreamEncoder* Audio() const { return audio_.get(); }

    // Hands the chapters where the files meet to the muxer, which writes them with the trailer.
    int AddChapters(const JoinChapters& chapters, std::int64_t endUs) {
        return chapters.WriteTo(output_.get(), endUs);
    }
    // Drains both encoders and writes the trailer; the file is then complete.
    int Finish();
    // Bytes the output file holds so far.
    std::int64_t Bytes() const;

private:
    Status ResolveFormat(const OutputPlan& plan, const std::vector<ConvertSourceInfo>& sources);
    Status OpenVideoEncoder(const OutputPlan& plan);
    Status OpenAudioEncoder(const OutputPlan& plan);
    AVStream* AddStream(const AVCodecContext* context);

    av::OutputFormatPtr output_;
    std::unique_ptr<ConvertStreamEncoder> video_;
    std::unique_ptr<ConvertStreamEncoder> audio_;
    ConvertOutputFormat format_;
    const AVCodec* videoCodec_ = nullptr;
    const AVCodec* audioCodec_ = nullptr;
};

}  // namespace veltrano

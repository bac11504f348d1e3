#include "engine/convert/convert_timeline.h"

extern "C" {
#include <libavutil/imgutils.h>
}

#include <algorithm>

namespace veltrano {

namespace {

constexpr int kVariableChunk = 1024;  // samples per frame for encoders that take any size

AVColorRange RangeOf(AVPixelFormat format) {
    switch (format) {
        case AV_PIX_FMT_YUVJ420P:
        case AV_PIX_FMT_YUVJ422P:
        case AV_PIX_FMT_YUVJ444P:
            return AVCOL_RANGE_JPEG;
        default:
            return AVCOL_RANGE_MPEG;
    }
}

}  // namespace

ConvertTimeline::ConvertTimeline(ConvertOutput& output, const std::atomic<bool>& cancel)
    : output_(output), cancel_(cancel), format_(output.Format()) {
    if (format_.HasAudio) {
        queue_.emplace(format_.SampleFormat, format_.ChannelLayout.nb_channels);
        // A segment's end may cut half a video frame, or decoder padding, from its audio.
        holdBack_ = MaxPaddingSamples() + 1;
        if (format_.HasVideo) {
            holdBack_ += static_cast<int>(av_rescale_rnd(format_.SampleRate, format_.FrameRate.den,
                                                         format_.FrameRate.num, AV_ROUND_UP));
        }
    }
}

void ConvertTimeline::BeginSegment(bool pictures, bool sound) {
    segmentPictures_ = pictures;
    segmentSound_ = sound;
    segmentVideoStart_ = videoWritten_;
    segmentAudioStart_ = audioPlaced_;
    lastPicture_.reset();
}

std::int64_t ConvertTimeline::AudioSamplesAt(std::int64_t videoFrame) const {
    return av_rescale_rnd(videoFrame,
                          static_cast<std::int64_t>(format_.SampleRate) * format_.FrameRate.den,
                          format_.FrameRate.num, AV_ROUND_NEAR_INF);
}

int ConvertTimeline::FillMissing() {
    if (!format_.HasVideo || !queue_.has_value()) {
        return 0;
    }
    int ret = 0;
    if (!segmentPictures_) {
        // Only frames that the segment's end cannot cut away (decoder padding) yet.
        while (ret >= 0 &&
               AudioSamplesAt(videoWritten_ + 1) <= audioPlaced_ - MaxPaddingSamples()) {
            ret = EmitBlack();
        }
    } else if (!segmentSound_ && AudioSamplesAt(videoWritten_) > audioPlaced_) {
        ret = SetAudioEnd(AudioSamplesAt(videoWritten_));
    }
    return ret;
}

int ConvertTimeline::EmitVideo(const AVFrame& frame) {
    if (cancel_.load()) {
        return AVERROR_EXIT;
    }
    av::FramePtr copy(av_frame_clone(&frame));
    if (copy == nullptr) {
        return AVERROR(ENOMEM);
    }
    copy->pts = videoWritten_;
    // Picture types from the decoder would force key frames where the inputs had them.
    copy->pict_type = AV_PICTURE_TYPE_NONE;
    copy->key_frame = 0;
    copy->pkt_duration = 1;
    copy->sample_aspect_ratio = format_.SampleAspect;
    const int ret = output_.Video()->Send(copy.get());
    if (ret >= 0) {
        ++videoWritten_;
    }
    return ret;
}

int ConvertTimeline::EmitBlack() {
    if (blackPicture_ == nullptr) {
        av::FramePtr black = av::MakeFrame();
        if (black == nullptr) {
            return AVERROR(ENOMEM);
        }
        black->format = format_.PixelFormat;
        black->width = format_.Width;
        black->height = format_.Height;
        int ret = av_frame_get_buffer(black.get(), 0);
        if (ret < 0) {
            return ret;
        }
        ptrdiff_t linesizes[4] = {};
        for (int i = 0; i < 4; ++i) {
            linesizes[i] = black->linesize[i];
        }
        ret = av_image_fill_black(black->data, linesizes, format_.PixelFormat,
                                  RangeOf(format_.PixelFormat), format_.Width, format_.Height);
        if (ret < 0) {
            return ret;
        }
        blackPicture_ = std::move(black);
    }
    return EmitVideo(*blackPicture_);
}

int ConvertTimeline::PutVideo(const AVFrame& frame) {
    if (!format_.HasVideo) {
        return 0;
    }
    const std::int64_t index =
        frame.pts != AV_NOPTS_VALUE ? frame.pts : videoWritten_ - segmentVideoStart_;
    const std::int64_t target = segmentVideoStart_ + index;
    if (target < videoWritten_) {
        return 0;  // already covered
    }
    while (videoWritten_ < target) {
        const int ret = EmitVideo(lastPicture_ != nullptr ? *lastPicture_ : frame);
        if (ret < 0) {
            return ret;
        }
    }
    const int ret = EmitVideo(frame);
    if (ret < 0) {
        return ret;
    }
    lastPicture_.reset(av_frame_clone(&frame));
    return lastPicture_ != nullptr ? 0 : AVERROR(ENOMEM);
}

int ConvertTimeline::PutAudio(const AVFrame& frame) {
    if (!queue_.has_value() || frame.nb_samples <= 0) {
        return 0;
    }
    const std::int64_t relative =
        frame.pts != AV_NOPTS_VALUE ? frame.pts : audioPlaced_ - segmentAudioStart_;
    const std::int64_t target = segmentAudioStart_ + relative;
    int offset = 0;
    if (target < audioPlaced_) {
        const std::int64_t overlap = audioPlaced_ - target;
        if (overlap >= frame.nb_samples) {
            return 0;
        }
        offset = static_cast<int>(overlap);
    } else if (target > audioPlaced_) {
        // A hole in the input's audio: keep later samples in step by filling it.
        const std::int64_t gap = target - audioPlaced_;
        std::int64_t left = gap;
        while (left > 0) {
            const int part = static_cast<int>(std::min<std::int64_t>(left, 1 << 16));
            queue_->PushSilence(part);
            left -= part;
            const int ret = EncodeQueuedAudio(holdBack_);
            if (ret < 0) {
                return ret;
            }
        }
        audioPlaced_ += gap;
    }
    queue_->Push(frame, offset, frame.nb_samples - offset);
    audioPlaced_ += frame.nb_samples - offset;
    return EncodeQueuedAudio(holdBack_);
}

int ConvertTimeline::EndSegment(std::int64_t videoDurationUs, std::int64_t declaredUs) {
    const AVRational sampleTime{1, format_.SampleRate};
    std::int64_t audioEnd = audioPlaced_ - segmentAudioStart_;  // samples
    if (queue_.has_value()) {
        // AAC and MP3 decoders return the padding of the last frame as sound when the
        // container does not trim it; a short overhang past the input's end is cut.
        const std::int64_t limit =
            av_rescale_q(std::max(videoDurationUs, declaredUs), AV_TIME_BASE_Q, sampleTime);
        if (limit > 0 && audioEnd > limit && audioEnd - limit <= MaxPaddingSamples()) {
            audioEnd = limit;
        }
    }
    int ret = 0;
    if (format_.HasVideo) {
        const AVRational frameTime = av_inv_q(format_.FrameRate);
        std::int64_t frames = std::max(
            videoWritten_ - segmentVideoStart_,
            av_rescale_q_rnd(videoDurationUs, AV_TIME_BASE_Q, frameTime, AV_ROUND_NEAR_INF));
        if (queue_.has_value()) {
            frames = std::max(frames,
                              av_rescale_q_rnd(audioEnd, sampleTime, frameTime, AV_ROUND_NEAR_INF));
            // Samples already encoded cannot be taken back: the video then lasts longer.
            while (AudioSamplesAt(segmentVideoStart_ + frames) < audioEncoded_) {
                ++frames;
            }
        }
        while (ret >= 0 && videoWritten_ < segmentVideoStart_ + frames) {
            ret = lastPicture_ != nullptr ? EmitVideo(*lastPicture_) : EmitBlack();
        }
        if (ret >= 0 && queue_.has_value()) {
            ret = SetAudioEnd(AudioSamplesAt(videoWritten_));
        }
    } else if (queue_.has_value()) {
        audioEnd = std::max(audioEnd, av_rescale_q_rnd(videoDurationUs, AV_TIME_BASE_Q, sampleTime,
                                                       AV_ROUND_NEAR_INF));
        ret = SetAudioEnd(segmentAudioStart_ + audioEnd);
    }
    if (ret >= 0 && queue_.has_value()) {
        ret = EncodeQueuedAudio(0);
    }
    lastPicture_.reset();
    return ret;
}

int ConvertTimeline::SetAudioEnd(std::int64_t endSample) {
    if (endSample < audioPlaced_) {
        const int cut =
            static_cast<int>(std::min<std::int64_t>(audioPlaced_ - endSample, queue_->Size()));
        queue_->TrimTail(cut);
        audioPlaced_ -= cut;
        return 0;
    }
    // Long silence (a long input without sound) goes out in parts, keeping memory flat.
    while (audioPlaced_ < endSample) {
        const int part =
            static_cast<int>(std::min<std::int64_t>(endSample - audioPlaced_, 1 << 16));
        queue_->PushSilence(part);
        audioPlaced_ += part;
        const int ret = EncodeQueuedAudio(0);
        if (ret < 0) {
            return ret;
        }
    }
    return 0;
}

int ConvertTimeline::MaxPaddingSamples() const {
    return format_.SampleRate / 10;
}

int ConvertTimeline::SendQueuedAudio(int samples) {
    av::FramePtr frame = av::MakeFrame();
    if (frame == nullptr) {
        return AVERROR(ENOMEM);
    }
    frame->nb_samples = samples;
    frame->format = format_.SampleFormat;
    frame->sample_rate = format_.SampleRate;
    int ret = av_channel_layout_copy(&frame->ch_layout, &format_.ChannelLayout);
    if (ret >= 0) {
        ret = av_frame_get_buffer(frame.get(), 0);
    }
    if (ret < 0) {
        return ret;
    }
    queue_->Pop(frame.get(), samples);
    frame->pts = audioEncoded_;
    ret = output_.Audio()->Send(frame.get());
    audioEncoded_ += samples;
    return ret;
}

int ConvertTimeline::EncodeQueuedAudio(int keepSamples) {
    const int chunk = format_.FrameSize > 0 ? format_.FrameSize : kVariableChunk;
    while (queue_->Size() - keepSamples >= chunk) {
        if (cancel_.load()) {
            return AVERROR_EXIT;
        }
        const int ret = SendQueuedAudio(chunk);
        if (ret < 0) {
            return ret;
        }
    }
    return 0;
}

int ConvertTimeline::Finish() {
    if (!queue_.has_value() || queue_->Size() == 0) {
        return 0;
    }
    // The last frame may be short; encoders with a fixed frame size pad it themselves.
    return SendQueuedAudio(queue_->Size());
}

std::int64_t ConvertTimeline::PositionUs() const {
    std::int64_t position = 0;
    if (format_.HasVideo) {
        position = av_rescale_q(videoWritten_, av_inv_q(format_.FrameRate), AV_TIME_BASE_Q);
    }
    if (format_.HasAudio) {
        position =
            std::max(position, av_rescale_q(audioPlaced_, {1, format_.SampleRate}, AV_TIME_BASE_Q));
    }
    return position;
}

}  // namespace veltrano

#pragma once

#include <QString>

#include "engine/api/media_decoder.h"
#include "engine/av/av_ptr.h"
#include "engine/av/opened_input_record.h"

namespace veltrano {

// MediaDecoder over libavformat. Opens a file, reads its headers and a bounded slice of its
// packets to learn the streams, and never decodes the file as a whole, so a long file probes
// as fast as a short one. User-interface thread only.
class FFDecoder : public MediaDecoder {
public:
    FFDecoder() = default;
    // Notes each input it opens in `opened`, which must outlive the decoder.
    explicit FFDecoder(av::OpenedInputRecord& opened) : opened_(&opened) {}
    FFDecoder(const FFDecoder&) = delete;
    FFDecoder& operator=(const FFDecoder&) = delete;
    ~FFDecoder() override = default;

    bool OpenMedia(const QString& path, const QString& options) override;
    void CloseMedia() override;
    QString LastErrorText() const override { return lastError_; }

    int AudioStreamIndex() const override { return audioIndex_; }
    int VideoStreamIndex() const override { return videoIndex_; }
    QString AudioCodecName(int index) const override;
    QString VideoCodecName(int index) const override;
    int VideoWidth(int index) const override;
    int VideoHeight(int index) const override;
    std::int64_t Duration() const override { return durationUs_; }

    // Upper bounds of the analysis: bytes read and stream time looked at.
    static constexpr std::int64_t kProbeSizeBytes = 5'000'000;
    static constexpr std::int64_t kAnalyzeDurationUs = 5'000'000;

private:
    const AVCodecParameters* StreamParameters(int index, AVMediaType type) const;
    int FindBestStream(AVMediaType type) const;
    std::int64_t ComputeDuration() const;
    // True when the container's header alone describes every stream and the duration.
    bool HeaderSuffices() const;
    bool Fail(const QString& text);

    av::OpenedInputRecord* opened_ = nullptr;
    av::InputFormatPtr format_;
    int audioIndex_ = -1;
    int videoIndex_ = -1;
    std::int64_t durationUs_ = 0;
    QString lastError_;
};

}  // namespace veltrano

#pragma once

#include <QString>
#include <cstdint>

namespace veltrano {

// The probing side of the media engine: opens one file at a time and answers questions
// about its streams. FFDecoder is the implementation over libavformat; tests use fakes.
// Used from the user-interface thread only; every call returns at once.
class MediaDecoder {
public:
    virtual ~MediaDecoder() = default;

    // Opens and analyses a file (any file from before is closed first). `options` is an
    // optional "key=value:key=value" list of demuxer options, normally empty. False on
    // failure, with the reason in LastErrorText.
    virtual bool OpenMedia(const QString& path, const QString& options) = 0;
    // Releases the file; harmless when nothing is open.
    virtual void CloseMedia() = 0;
    // Reason of the last failure, a clear sentence with libav's reason.
    virtual QString LastErrorText() const = 0;

    // The best stream of each kind, or -1 when the file has none.
    virtual int AudioStreamIndex() const = 0;
    virtual int VideoStreamIndex() const = 0;
    // libav's short codec name ("h264", "aac"); empty for -1 or an index of another kind.
    virtual QString AudioCodecName(int index) const = 0;
    virtual QString VideoCodecName(int index) const = 0;
    // Picture size in pixels; 0 for -1 or an index that is not a video stream.
    virtual int VideoWidth(int index) const = 0;
    virtual int VideoHeight(int index) const = 0;
    // Duration in microseconds; 0 when unknown or nothing is open.
    virtual std::int64_t Duration() const = 0;

    // The duration as the two halves the engine's callers join again (low half first).
    std::uint32_t DurationLow() const {
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(Duration()) & 0xFFFFFFFFu);
    }
    std::int32_t DurationHigh() const {
        return static_cast<std::int32_t>(
            static_cast<std::uint32_t>(static_cast<std::uint64_t>(Duration()) >> 32));
    }
};

}  // namespace veltrano

#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/result.h"

namespace veltrano {

// One input stream as a stream copy sees it, with the parameters the same stream of every
// later input must share, because every muxer writes the first file's headers only.
struct CopyStreamParams {
    bool Present = false;
    AVCodecID Codec = AV_CODEC_ID_NONE;
    int Profile = FF_PROFILE_UNKNOWN;
    int Width = 0;
    int Height = 0;
    AVRational SampleAspect{1, 1};
    int PixelFormat = -1;
    int SampleRate = 0;
    int Channels = 0;
    // Degrees the display matrix turns the picture (0, 90, 180 or 270, as ffprobe shows
    // them); one matrix is written for the whole output.
    int Rotation = 0;
    QByteArray Extradata;

    // What the stream is, and what the user knows it by.
    AVMediaType Type = AVMEDIA_TYPE_UNKNOWN;
    bool AttachedPicture = false;  // cover art: one picture, no timeline
    QString Language;

    // Timing facts the copy pass needs, kept from the analysis so that later files need not
    // be analysed a second time.
    int Index = -1;
    AVRational TimeBase{0, 1};
    int VideoDelay = 0;
    int FrameSize = 0;                        // audio samples per frame, 0 when unknown
    AVRational FrameRate{0, 1};               // the guessed video frame rate, 0/1 when unknown
    std::int64_t StartTime = AV_NOPTS_VALUE;  // in timeBase
};

struct CopyInputScan {
    QString FileName;  // shown in messages
    CopyStreamParams Video;
    CopyStreamParams Audio;
    std::vector<CopyStreamParams> Streams;  // every stream, by input index
    std::int64_t DurationUs = 0;            // 0 when the container does not say
    // Formats without a header find their streams only while reading; they are analysed
    // again when copied. Set by whoever opened the input, before its analysis.
    bool Headerless = false;
    // The streams were found only by analysing far more of the file than usual; copying it
    // needs the same analysis.
    bool DeepAnalysis = false;
    // The video or audio starts with footage an edit list hides (cut without re-encoding).
    bool StartsWithCut = false;
};

// The stream of a kind that a copy keeps (cover pictures are not video), or -1.
int FindCopyStream(const AVFormatContext* input, AVMediaType type);

// Reads what the copy compares from an opened and analysed input.
CopyInputScan ScanCopyInput(AVFormatContext* input, const QString& fileName);

// Ok when `other` can follow `first` in one stream copy into `muxerName`; otherwise a failure
// whose sentence names the file and the first parameter that differs, e.g. "Cannot join by stream
// copy: b.mp4 differs from a.mp4 in picture size (1280x720 vs 640x480)." Codec setup data is
// not compared for MPEG transport and program streams, which repeat it inside the stream.
Status CheckCopyMatch(const CopyInputScan& first, const CopyInputScan& other,
                      const QString& muxerName, bool withAudio);

// Which input streams a stream copy keeps. When every input has the same streams (same count,
// same kinds in the same order, matching parameters), all of them that the output can carry,
// in input order; otherwise the first video and first audio stream of each input, as the
// parameter check compares them. `Note` names what was left out, for the user.
struct CopyStreamChoice {
    std::vector<std::vector<int>> Kept;  // per input: input stream indices, in output order
    QString Note;                        // empty when nothing was left out
};

// `canCarry` says whether the output container takes a stream of that codec.
CopyStreamChoice ChooseCopyStreams(const std::vector<CopyInputScan>& scans,
                                   const QString& muxerName, bool withAudio,
                                   const std::function<bool(const CopyStreamParams&)>& canCarry);

// True for the MPEG transport and program stream muxers.
bool IsMpegStreamMuxer(const QString& muxerName);

}  // namespace veltrano

#pragma once

extern "C" {
#include <libavutil/rational.h>
}

#include <QString>
#include <cstdint>
#include <optional>

#include "core/result.h"

namespace veltrano {

// What the first input tells about itself, for the rules that depend on it: plain
// "-target dvd" takes PAL or NTSC from the frame rate, and 3GP picks H.263 only for its five
// standard sizes.
struct FirstInputFacts {
    std::optional<AVRational> FrameRate;  // the first video stream's rate, when there is one
    int Width = 0;                        // 0: unknown or no video
    int Height = 0;
    // The demuxer that read it ("mov,mp4,m4a,3gp,3g2,mj2") and its "major_brand", if any: a
    // stream copy into a name without extension writes the same container.
    QString Container = {};
    QString MajorBrand = {};
};

// The values a "-target" sets that the string itself may override wherever it names them
// (the ffmpeg tool applies these as defaults, not as options).
struct TargetDefaults {
    std::int64_t VideoBitrate = 0;
    std::int64_t VideoMaxRate = 0;
    std::int64_t VideoMinRate = 0;
    std::int64_t VideoBufferSize = 0;
    int GopSize = 0;
    std::int64_t AudioBitrate = 0;
    int PacketSize = 0;
    std::int64_t MuxRate = 0;
    double PreloadSeconds = 0.0;
};

// An option string read token by token, values checked, nothing filled in yet. Options that
// appear twice keep their last value; a "-target" writes its frame rate, size, sample rate,
// channels, codecs and muxer at its own place in the string, so later options override it
// and it overrides earlier ones.
struct EncodeOptions {
    bool RemoveAudio = false;                  // -an
    std::optional<AVRational> FrameRate;       // -r
    std::optional<AVRational> DisplayAspect;   // -aspect
    std::optional<int> Channels;               // -ac
    std::optional<QString> VideoCodec;         // -vcodec: an encoder name or "copy"
    std::optional<QString> AudioCodec;         // -acodec: an encoder name or "copy"
    std::optional<std::int64_t> VideoBitrate;  // -vb, bits per second
    std::optional<std::int64_t> AudioBitrate;  // -ab
    std::optional<int> SampleRate;             // -ar
    std::optional<int> Width;                  // -s W x H
    std::optional<int> Height;
    std::optional<QString> X264Preset;           // -vpre libx264-<name>: libx264's preset
    std::optional<QString> MuxerName;            // -f, or the target's muxer
    std::optional<QString> Target;               // -target as written ("pal-dvd", "dvd", ...)
    std::optional<TargetDefaults> TargetValues;  // what a "-target" sets as defaults
    bool Join = false;        // -join: concatenate every input into the one output
    bool NoChapters = false;  // -map_chapters -1: no chapters where the files meet
};

// Reads an FFmpeg-style option string. Tokens are separated by one or more spaces. Refuses,
// with a sentence naming the option, an unknown option, a missing or malformed value, a size
// with a zero side, an unknown encoder, muxer or preset. `facts` settles plain "-target dvd".
Result<EncodeOptions> ReadEncodeOptions(const QString& parameters,
                                        const FirstInputFacts& facts = {});

// Number forms of the option string. Bitrate: digits with an optional fraction and an
// optional k/K (x1000) or m/M (x1000000) suffix. Rate: a decimal ("29.97") or a fraction
// ("30000/1001"); decimals within 0.01 of the NTSC rates become their exact fractions.
std::optional<std::int64_t> ParseBitrate(const QString& text);
std::optional<AVRational> ParseFrameRate(const QString& text);

}  // namespace veltrano

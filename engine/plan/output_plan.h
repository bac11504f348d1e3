#pragma once

extern "C" {
#include <libavutil/rational.h>
}

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace veltrano {

struct PictureSize {
    int width = 0;
    int height = 0;
};

// What an option string asks of one join, after the container's defaults are filled in.
// Built by ParseEncodeOptions / ResolveOutputPlan on the calling thread; read by the joiners
// on the worker thread (a copy travels with the job).
struct OutputPlan {
    QString muxerName;  // libavformat short name: "mp4", "mov", "3gp", "flv", "swf", "matroska",
                        // "avi", "asf", "mpeg", "vcd", "dvd", "vob", "rm"
    bool copy = false;  // "-vcodec copy -acodec copy": remux, no decoding
    bool removeAudio = false;
    // Copy only: the muxer written instead when the first input's video is not MPEG-1.
    QString muxerForOtherVideo;

    // Video. Empty encoder means the output carries no video.
    QString videoEncoder;                     // libavcodec encoder name: "libx264", "mpeg4", ...
    std::optional<AVRational> frameRate;      // nullopt: the first input's rate
    std::optional<AVRational> displayAspect;  // "-aspect": output display aspect ratio
    int width = 0;                            // 0: the first input's size, made even
    int height = 0;
    std::int64_t videoBitrate = 0;  // bits per second; 0: the encoder's default
    std::int64_t videoMaxRate = 0;
    std::int64_t videoMinRate = 0;
    std::int64_t videoBufferSize = 0;       // bits
    int gopSize = 0;                        // 0: the encoder's default
    QString x264Preset;                     // "medium", "veryfast", "ultrafast" or empty
    std::vector<PictureSize> pictureSizes;  // the only sizes the encoder codes; empty: any

    // Audio. Empty encoder means the output carries no audio.
    QString audioEncoder;  // "aac", "libmp3lame", "mp2", "ac3", "wmav2"
    std::int64_t audioBitrate = 0;
    int sampleRate = 0;                 // 0: the first input's rate
    int channels = 0;                   // 0: the first input's channel count
    std::vector<int> muxerSampleRates;  // the only rates the muxer carries; empty: any

    // Muxer.
    int packetSize = 0;
    std::int64_t muxRate = 0;
    double preloadSeconds = 0.0;
};

}  // namespace veltrano

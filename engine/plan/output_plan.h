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
    int Width = 0;
    int Height = 0;
};

// What an option string asks of one join, after the container's defaults are filled in.
// Built by ParseEncodeOptions / ResolveOutputPlan on the calling thread; read by the joiners
// on the worker thread (a copy travels with the job).
struct OutputPlan {
    QString MuxerName;  // libavformat short name: "mp4", "mov", "3gp", "flv", "swf", "matroska",
                        // "avi", "asf", "mpeg", "vcd", "dvd", "vob", "rm"
    bool Copy = false;  // "-vcodec copy -acodec copy": remux, no decoding
    bool RemoveAudio = false;
    // Copy only: the muxer written instead when the first input's video is not MPEG-1.
    QString MuxerForOtherVideo;
    // A chapter where each file starts (or the file's own chapters, moved there). Only the
    // containers that players show chapters of get them (ApplyOutputRules).
    bool Chapters = false;

    // Video. Empty encoder means the output carries no video.
    QString VideoEncoder;                     // libavcodec encoder name: "libx264", "mpeg4", ...
    std::optional<AVRational> FrameRate;      // nullopt: the first input's rate
    std::optional<AVRational> DisplayAspect;  // "-aspect": output display aspect ratio
    int Width = 0;                            // 0: the first input's size, made even
    int Height = 0;
    std::int64_t VideoBitrate = 0;  // bits per second; 0: the encoder's default
    std::int64_t VideoMaxRate = 0;
    std::int64_t VideoMinRate = 0;
    std::int64_t VideoBufferSize = 0;       // bits
    int GopSize = 0;                        // 0: the encoder's default
    QString X264Preset;                     // "medium", "veryfast", "ultrafast" or empty
    std::vector<PictureSize> PictureSizes;  // the only sizes the encoder codes; empty: any

    // Audio. Empty encoder means the output carries no audio.
    QString AudioEncoder;  // "aac", "libmp3lame", "mp2", "ac3", "wmav2"
    std::int64_t AudioBitrate = 0;
    int SampleRate = 0;                 // 0: the first input's rate
    int Channels = 0;                   // 0: the first input's channel count
    std::vector<int> MuxerSampleRates;  // the only rates the muxer carries; empty: any

    // Muxer.
    int PacketSize = 0;
    std::int64_t MuxRate = 0;
    double PreloadSeconds = 0.0;
};

}  // namespace veltrano

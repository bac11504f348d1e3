#pragma once

extern "C" {
#include <libavutil/rational.h>
}

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "engine/plan/output_plan.h"

namespace veltrano {

// The output rules that depend only on the container and the encoders. The resolver applies
// them while it builds a plan; the joiners read the result from the plan and never decide
// them again.

// What a container's profile promises when the string names no codec.
struct ContainerProfile {
    const char* Extension;
    const char* Muxer;
    const char* VideoEncoder;
    const char* AudioEncoder;
};

// The profile for a lower-case extension without the dot, nullptr when none.
const ContainerProfile* ContainerForExtension(const QString& extension);

// The muxer that writes again what a demuxer read (its libavformat name, "mov,mp4,m4a,3gp,
// 3g2,mj2"), for a stream copy whose output name has no extension; an MP4 family file is told
// apart by its major brand ("qt  " QuickTime, "3gp..." 3GP). Empty when the table has no entry.
QString MuxerForInputContainer(const QString& demuxer, const QString& majorBrand);

// Muxers the "-target" option writes.
inline constexpr const char* kVcdMuxer = "vcd";
inline constexpr const char* kDvdMuxer = "dvd";

// Every encoder and muxer some output profile or target relies on, each named once.
QStringList ProfileEncoders();
QStringList ProfileMuxers();

// What a zero in the plan becomes when no input tells either: an output stream with no input
// stream of its kind to take its size or rates from.
inline constexpr int kFallbackWidth = 320;
inline constexpr int kFallbackHeight = 240;
inline constexpr AVRational kFallbackFrameRate{25, 1};
inline constexpr int kFallbackSampleRate = 44100;
inline constexpr int kFallbackChannels = 2;
// More channels than this are mixed down: no profile's audio encoder takes more.
inline constexpr int kMaxChannels = 8;

// H.263 codes only five picture sizes.
bool IsH263Size(int width, int height);

// The rate in `rates` nearest to `wanted` (the higher one on a tie); `wanted` when the list is
// empty.
int NearestRate(const std::vector<int>& rates, int wanted);

// The muxer rules a plan needs once its muxer and encoders are known: whether it writes
// chapters where the files meet, the sample rates the muxer carries, the picture sizes the video
// encoder codes, the RM muxer's packet limit, the program stream for video other than MPEG-1.
// ResolveOutputPlan applies it to every plan it makes; a plan built by hand (tests) applies it to
// become what the resolver would make.
void ApplyOutputRules(OutputPlan& plan, bool muxerNamed = false);

// The sentence refusing a picture size outside plan.pictureSizes.
QString PictureSizeRefusal(const OutputPlan& plan, int width, int height);

}  // namespace veltrano

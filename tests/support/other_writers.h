#pragma once

#include <QString>
#include <QStringList>

namespace veltrano {

// Clips written by other programs than the ffmpeg tool: GStreamer's muxers and mkvmerge place
// their streams differently (sound running past the pictures, or starting before them), which
// a join has to survive. A missing tool or element is a failure with its name in `error`, never a
// silent skip: scripts/install-deps.sh installs them.
namespace media_tools {

// Fragmented MP4 is mp4mux writing a fragment every half second, without edit lists.
enum class GstContainer { Mp4, FragmentedMp4, Matroska, TransportStream };

// What the clip holds: a black picture (160x120, 25 fps) with a few white frames from `FlashAt`,
// and silence (48 kHz stereo) with a 1 kHz beep from `BeepAt`, each `MarkSeconds` long. The
// sound may run longer or shorter than the pictures.
struct MarkedClip {
    double VideoSeconds = 2.0;
    double AudioSeconds = 2.0;
    double FlashAt = 0.5;
    double BeepAt = 0.5;
    double MarkSeconds = 0.12;
};

// Makes the raw pictures and sound with the ffmpeg tool, then encodes and muxes them with
// gst-launch-1.0: x264enc + voaacenc into mp4mux (plain or fragmented), matroskamux or
// mpegtsmux.
bool MakeGstreamerClip(const QString& path, GstContainer container, const MarkedClip& clip,
                       QString* error = nullptr);

// Remuxes `input` into the Matroska file `output` with mkvmerge, e.g. extraArgs
// {"--sync", "0:40"} to move track 0 later by 40 ms.
bool RemuxWithMkvmerge(const QString& input, const QString& output,
                       const QStringList& extraArgs = {}, QString* error = nullptr);

// True when every named GStreamer element exists; otherwise the missing ones in `error`.
bool HasGstreamerElements(const QStringList& names, QString* error = nullptr);

}  // namespace media_tools

}  // namespace veltrano

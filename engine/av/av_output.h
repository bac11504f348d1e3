#pragma once

extern "C" {
#include <libavformat/avformat.h>
}

#include <QByteArray>

namespace veltrano {

namespace av {

// Opens the file a muxer writes to (`path` in the file system's encoding) and hangs it on
// `output`; returns libav's code. The job shell has already created the file empty, so it is
// not truncated again: ext4 treats a truncate-and-rewrite as a replacement and forces the
// whole file to disk when it is closed.
int OpenOutputFile(AVFormatContext* output, const QByteArray& path,
                   const AVIOInterruptCB& interrupt);

}  // namespace av

}  // namespace veltrano

#pragma once

extern "C" {
#include <libavformat/avio.h>
}

#include <QByteArray>
#include <memory>

namespace veltrano {

namespace av {

// A plain file read through an AVIOContext of our own rather than libav's "file" protocol,
// whose 32 KB buffer costs two system calls per picture of a large video: a stream copy
// reads gigabytes front to back. It behaves as the protocol does (seekable unless a pipe,
// AVSEEK_SIZE from the file's size, errno as AVERROR, a raised interrupt ends a read with
// AVERROR_EXIT). Writing stays with libav: its file protocol already writes 256 KB at a time.

// Whether libav would open `path` as an input by reading it through its "file" protocol as
// it stands: no "file:", "pipe:" or network prefix, and no demuxer that opens files itself
// claims it by its name. Only such an input is opened with OpenFileIo.
bool IsPlainFileInput(const QByteArray& path);

// Frees an AVIOContext made by OpenFileIo: closes the file and frees the buffer. Any other
// context is left alone.
void CloseFileIo(AVIOContext* io);
// Whether `io` was made by OpenFileIo.
bool IsFileIo(const AVIOContext* io);

struct FileIoCloser {
    void operator()(AVIOContext* io) const { CloseFileIo(io); }
};
using FileIoPtr = std::unique_ptr<AVIOContext, FileIoCloser>;

// Whether `io`, made by OpenFileIo, still reads the file that `path` names as it was when it was
// opened: same file, size, modification and change time. False for any other context.
bool StillReadsFileAt(const AVIOContext* io, const QByteArray& path);

// Opens `path` (in the file system's encoding) for reading with a buffer of `bufferBytes`
// and tells the kernel it is read front to back, so it reads further ahead; returns 0 and
// sets `io`, or libav's code for the failure.
int OpenFileIo(FileIoPtr& io, const QByteArray& path, int bufferBytes,
               const AVIOInterruptCB& interrupt);

}  // namespace av

}  // namespace veltrano

#include "engine/av/av_file_io.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace veltrano {

namespace av {

namespace {

struct OpenFile {
    int Fd = -1;
    AVIOInterruptCB Interrupt{};
    struct stat Opened {};  // the file as it was when opened; all zero when fstat failed
};

bool Interrupted(const OpenFile& file) {
    return file.Interrupt.callback != nullptr && file.Interrupt.callback(file.Interrupt.opaque);
}

int ReadFile(void* opaque, std::uint8_t* buffer, int size) {
    const OpenFile& file = *static_cast<const OpenFile*>(opaque);
    while (true) {
        if (Interrupted(file)) {
            return AVERROR_EXIT;
        }
        const ssize_t got = ::read(file.Fd, buffer, static_cast<std::size_t>(size));
        if (got > 0) {
            return static_cast<int>(got);
        }
        if (got == 0) {
            return AVERROR_EOF;
        }
        if (errno != EINTR && errno != EAGAIN) {
            return AVERROR(errno);
        }
    }
}

std::int64_t SeekFile(void* opaque, std::int64_t position, int whence) {
    const OpenFile& file = *static_cast<const OpenFile*>(opaque);
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE) {
        struct stat info {};
        if (::fstat(file.Fd, &info) < 0) {
            return AVERROR(errno);
        }
        return S_ISFIFO(info.st_mode) ? 0 : info.st_size;
    }
    const off_t reached = ::lseek(file.Fd, position, whence);
    return reached < 0 ? AVERROR(errno) : reached;
}

}  // namespace

bool IsPlainFileInput(const QByteArray& path) {
    const char* protocol = avio_find_protocol_name(path.constData());
    if (protocol == nullptr || std::strcmp(protocol, "file") != 0 || path.startsWith("file:")) {
        return false;
    }
    // As avformat_open_input does before it opens anything: a demuxer that reads files itself
    // (numbered pictures) may claim the name alone.
    AVProbeData byName{};
    byName.filename = path.constData();
    int score = 0;
    return av_probe_input_format2(&byName, 0, &score) == nullptr;
}

bool IsFileIo(const AVIOContext* io) {
    return io != nullptr && io->read_packet == &ReadFile;
}

void CloseFileIo(AVIOContext* io) {
    if (!IsFileIo(io)) {
        return;
    }
    const std::unique_ptr<OpenFile> file(static_cast<OpenFile*>(io->opaque));
    ::close(file->Fd);
    // libav may have replaced the buffer it was given.
    av_freep(&io->buffer);
    avio_context_free(&io);
}

bool StillReadsFileAt(const AVIOContext* io, const QByteArray& path) {
    if (!IsFileIo(io)) {
        return false;
    }
    const struct stat& opened = static_cast<const OpenFile*>(io->opaque)->Opened;
    struct stat named {};
    if (::stat(path.constData(), &named) < 0) {
        return false;
    }
    // Any write changes the change time too, which no one can set back.
    const auto same = [](const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    return S_ISREG(opened.st_mode) && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino && opened.st_size == named.st_size &&
           same(opened.st_mtim, named.st_mtim) && same(opened.st_ctim, named.st_ctim);
}

int OpenFileIo(FileIoPtr& io, const QByteArray& path, int bufferBytes,
               const AVIOInterruptCB& interrupt) {
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return AVERROR(errno);
    }
    struct stat info {};
    if (::fstat(fd, &info) < 0) {
        info = {};
    }
    const bool pipe = S_ISFIFO(info.st_mode);
    if (!pipe) {
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    }
    auto file = std::make_unique<OpenFile>(OpenFile{fd, interrupt, info});
    std::unique_ptr<unsigned char, decltype(&av_free)> buffer(
        static_cast<unsigned char*>(av_malloc(static_cast<std::size_t>(bufferBytes))), &av_free);
    AVIOContext* made = buffer == nullptr
                            ? nullptr
                            : avio_alloc_context(buffer.get(), bufferBytes, 0, file.get(),
                                                 &ReadFile, nullptr, &SeekFile);
    if (made == nullptr) {
        ::close(fd);
        return AVERROR(ENOMEM);
    }
    // From here the context owns both; CloseFileIo frees them.
    buffer.release();
    file.release();
    made->seekable = pipe ? 0 : AVIO_SEEKABLE_NORMAL;
    io.reset(made);
    return 0;
}

}  // namespace av

}  // namespace veltrano

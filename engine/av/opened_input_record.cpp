#include "engine/av/opened_input_record.h"

#include <sys/stat.h>
#include <QFile>

namespace veltrano {

namespace av {

OpenedInputRecord::Identity OpenedInputRecord::IdentityOf(const QString& path) {
    struct stat info {};
    Identity identity;
    if (::stat(QFile::encodeName(path).constData(), &info) < 0 || !S_ISREG(info.st_mode)) {
        return identity;
    }
    const auto ns = [](const timespec& time) {
        return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    identity.Known = true;
    identity.Device = static_cast<std::uint64_t>(info.st_dev);
    identity.Inode = static_cast<std::uint64_t>(info.st_ino);
    identity.Size = static_cast<std::int64_t>(info.st_size);
    identity.ModifiedNs = ns(info.st_mtim);
    identity.ChangedNs = ns(info.st_ctim);
    return identity;
}

void OpenedInputRecord::NoteOpened(const QString& path, const Identity& before) {
    // Changed while it was opened: what was read is not known to be either.
    if (!(before == IdentityOf(path))) {
        files_.remove(path);
        return;
    }
    if (files_.size() >= kMostFiles && !files_.contains(path)) {
        files_.clear();
    }
    files_.insert(path, before);
}

bool OpenedInputRecord::OpenedUnchanged(const QString& path) const {
    const auto found = files_.constFind(path);
    return found != files_.constEnd() && *found == IdentityOf(path);
}

}  // namespace av

}  // namespace veltrano

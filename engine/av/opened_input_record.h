#pragma once

#include <QHash>
#include <QString>
#include <cstdint>

namespace veltrano {

namespace av {

// The files one program has opened as inputs without a fault, each with what it was then
// (file, size, modification and change time), so that the job check need not open again a file
// the probe opened moments before and that has not changed since: libav reads the same bytes
// the same way. Any write changes the change time, which no one can set back, and a replaced
// file is another file. Bounded; held by the program's main() and handed to the engine.
class OpenedInputRecord {
public:
    // What a file is now; Known false when it cannot be looked at.
    struct Identity {
        bool Known = false;
        std::uint64_t Device = 0;
        std::uint64_t Inode = 0;
        std::int64_t Size = 0;
        std::int64_t ModifiedNs = 0;
        std::int64_t ChangedNs = 0;

        bool operator==(const Identity& other) const {
            return Known && other.Known && Device == other.Device && Inode == other.Inode &&
                   Size == other.Size && ModifiedNs == other.ModifiedNs &&
                   ChangedNs == other.ChangedNs;
        }
    };

    // A plain file's identity, unknown for anything else.
    static Identity IdentityOf(const QString& path);

    // `path` opened without a fault while it was `before`, taken before the open: noted when
    // the file is still the same afterwards.
    void NoteOpened(const QString& path, const Identity& before);
    // Whether `path` was noted and is still the same file.
    bool OpenedUnchanged(const QString& path) const;

    // More files than a list holds in practice; beyond them the record starts again.
    static constexpr int kMostFiles = 4096;

private:
    QHash<QString, Identity> files_;
};

}  // namespace av

}  // namespace veltrano

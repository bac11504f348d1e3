#include "engine/jobs/encoder_output_file.h"

extern "C" {
#include <libavutil/error.h>
}

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace veltrano {

namespace encoder_output_file {

namespace {

QString CanonicalOrClean(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) {
        return canonical;
    }
    // Not there yet: resolve the folder, keep the name.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') +
                           info.fileName());
}

}  // namespace

Result<QString> TemporaryPathFor(const QString& finalPath) {
    const QDir folder = QFileInfo(finalPath).absoluteDir();
    // A short name of its own, so any name that fits the file system can be written, created
    // exclusively and never through a link, so nothing already there is ever overwritten.
    int error = EEXIST;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString tag =
            QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0');
        const QString candidate = folder.filePath(QStringLiteral(".vvj.part-%1").arg(tag));
        const int fd = ::open(QFile::encodeName(candidate).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return candidate;
        }
        error = errno;
        if (error != EEXIST) {
            break;
        }
    }
    // The system's reason tells a missing folder from a read-only or a full one.
    return Status(AVERROR(error), QStringLiteral("Cannot create a file in the folder %1: %2")
                                      .arg(QFileInfo(finalPath).absolutePath(),
                                           QString::fromLocal8Bit(std::strerror(error))));
}

Status Commit(const QString& temporaryPath, const QString& finalPath) {
    // rename(2) replaces the target in one step; QFile::rename refuses an existing target.
    if (std::rename(QFile::encodeName(temporaryPath).constData(),
                    QFile::encodeName(finalPath).constData()) == 0) {
        return {};
    }
    const int error = errno;
    return Status(-error, QString::fromLocal8Bit(std::strerror(error)));
}

bool SameFile(const QString& first, const QString& second) {
    return CanonicalOrClean(first) == CanonicalOrClean(second);
}

}  // namespace encoder_output_file

}  // namespace veltrano

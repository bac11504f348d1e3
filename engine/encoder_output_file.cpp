#include "encoder_output_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

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

QString TemporaryPathFor(const QString& finalPath) {
    const QFileInfo info(finalPath);
    const QDir folder = info.absoluteDir();
    QString candidate;
    do {
        const QString tag =
            QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0');
        candidate = folder.filePath(QStringLiteral(".%1.part-%2").arg(info.fileName(), tag));
    } while (QFileInfo::exists(candidate));
    return candidate;
}

bool Commit(const QString& temporaryPath, const QString& finalPath, QString* error) {
    // rename(2) replaces the target in one step; QFile::rename refuses an existing target.
    if (std::rename(QFile::encodeName(temporaryPath).constData(),
                    QFile::encodeName(finalPath).constData()) == 0) {
        return true;
    }
    if (error != nullptr) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
    }
    return false;
}

bool SameFile(const QString& first, const QString& second) {
    return CanonicalOrClean(first) == CanonicalOrClean(second);
}

}  // namespace encoder_output_file

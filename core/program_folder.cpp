#include "core/program_folder.h"

#include <QDir>
#include <QFileInfo>

namespace veltrano {

namespace {

QString WithSlash(const QString& folder) {
    QString path = QDir::cleanPath(folder);
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    return path;
}

}  // namespace

ProgramFolder::ProgramFolder(QString path) : path_(std::move(path)) {}

ProgramFolder ProgramFolder::FirstExisting(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isDir()) {
            return ProgramFolder(WithSlash(candidate));
        }
    }
    return ProgramFolder(candidates.isEmpty() ? QString() : WithSlash(candidates.front()));
}

QStringList ProgramFolder::CandidatesFor(const QString& applicationDir) {
    QStringList candidates{applicationDir + QStringLiteral("/../share/veltrano-video-joiner")};
#ifdef VELTRANO_SOURCE_DATA_DIR
    // Run from the build tree: the data files are used where they are in the sources.
    candidates << QStringLiteral(VELTRANO_SOURCE_DATA_DIR);
#endif
    return candidates;
}

ProgramFolder ProgramFolder::ForApplication(const QString& applicationDir) {
    return FirstExisting(CandidatesFor(applicationDir));
}

}  // namespace veltrano

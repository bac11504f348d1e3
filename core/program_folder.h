#pragma once

#include <QString>
#include <QStringList>

namespace veltrano {

// The folder of the files that come with the program: the help pages, the completion sound,
// the skin. Installed, it is <prefix>/share/veltrano-video-joiner beside <prefix>/bin; run from
// the build tree, it is the source tree's data/ folder. Always ends with "/".
class ProgramFolder {
public:
    // The first existing folder of `candidates`; the first candidate when none exists, so that
    // a missing file stays missing (and shows as such) instead of being looked for elsewhere.
    static ProgramFolder FirstExisting(const QStringList& candidates);
    // The candidates for a program whose executable lies in `applicationDir`.
    static QStringList CandidatesFor(const QString& applicationDir);
    // FirstExisting(CandidatesFor(applicationDir)).
    static ProgramFolder ForApplication(const QString& applicationDir);

    QString Path() const { return path_; }
    // Path() + relativePath; the file may not exist.
    QString FilePath(const QString& relativePath) const { return path_ + relativePath; }

private:
    explicit ProgramFolder(QString path);
    QString path_;
};

}  // namespace veltrano

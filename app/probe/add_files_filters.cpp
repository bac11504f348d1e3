#include "app/probe/add_files_filters.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace veltrano {

QStringList FileFilter::PatternList() const {
    return Patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QString FileFilter::ToNameFilter() const {
    QStringList qtPatterns = PatternList();
    // "*.*" means every file where the filter list comes from, but a Qt pattern only matches
    // names with a dot: files without an extension would be hidden.
    qtPatterns.replaceInStrings(QRegularExpression(QStringLiteral("^\\*\\.\\*$")),
                                QStringLiteral("*"));
    return Description + QStringLiteral(" (") + qtPatterns.join(QLatin1Char(' ')) +
           QStringLiteral(")");
}

namespace {

// The dialog shows the descriptions in the user's language; the patterns in them stay as written.
QString Shown(const char* description) {
    return QCoreApplication::translate("Main", description);
}

}  // namespace

std::vector<FileFilter> AddFilesFilters() {
    const QString threeGpp = QStringLiteral("*.3gp;*.3g2;*.3gpp;*.3g;*.k3g;*.3gp2");
    return {
        {Shown(QT_TRANSLATE_NOOP("Main", "All Supported Video Files")),
         QStringLiteral("*.3gp;*.3g2;*.3gpp;*.3g;*.k3g;*.3gp2;*.amv;*.avi;*.flv;*.f4v;*.mkv;"
                        "*.mpg;*.mpeg;*.mpe;*.m1v;*.m2v;*.m2t;*.tod;*.mp4;*.m4v;*.rm;*.rmvb;"
                        "*.mov;*.qt;*.dat;*.vob;*.wmv;*.asf;*.webm;*.dpg;*.dv")},
        // The 3GPP row lists its own patterns in parentheses, as they are written.
        //: %1 is the list of file patterns, kept as it is.
        {Shown(QT_TRANSLATE_NOOP("Main", "3GPP files (%1)")).arg(threeGpp), threeGpp},
        {Shown(QT_TRANSLATE_NOOP("Main", "AMV files (*.amv)")), QStringLiteral("*.amv")},
        {Shown(QT_TRANSLATE_NOOP("Main", "AVI Files (*.avi)")), QStringLiteral("*.avi")},
        {Shown(QT_TRANSLATE_NOOP("Main", "Digital Video Files (*.dv)")), QStringLiteral("*.dv")},
        {Shown(QT_TRANSLATE_NOOP("Main", "DVD Video Files (*.vob)")), QStringLiteral("*.vob")},
        {Shown(QT_TRANSLATE_NOOP("Main", "Flash Video (*.flv,*.f4v)")),
         QStringLiteral("*.flv;*.f4v")},
        {Shown(QT_TRANSLATE_NOOP("Main", "Matroska Video (*.mkv)")), QStringLiteral("*.mkv")},
        {Shown(
             QT_TRANSLATE_NOOP("Main", "MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)")),
         QStringLiteral("*.mpg;*.mpeg;*.mpe;*.m1v;*.m2v;*.m2t;*.tod")},
        {Shown(QT_TRANSLATE_NOOP("Main", "MPEG-4 files(*.mp4,*.m4v)")),
         QStringLiteral("*.mp4;*.m4v")},
        {Shown(QT_TRANSLATE_NOOP("Main", "NDS DPG Files (*.dpg)")), QStringLiteral("*.dpg")},
        {Shown(QT_TRANSLATE_NOOP("Main", "QuickTime Files (*.mov,*.qt)")),
         QStringLiteral("*.mov;*.qt")},
        {Shown(QT_TRANSLATE_NOOP("Main", "RealMedia file (*.rm,*.rmvb)")),
         QStringLiteral("*.rm;*.rmvb")},
        {Shown(QT_TRANSLATE_NOOP("Main", "VCD Movie Files (*.dat)")), QStringLiteral("*.dat")},
        {Shown(QT_TRANSLATE_NOOP("Main", "WebM Video Files (*.webm)")), QStringLiteral("*.webm")},
        {Shown(QT_TRANSLATE_NOOP("Main", "Windows Media Video Files (*.wmv,*.asf)")),
         QStringLiteral("*.wmv;*.asf")},
        {Shown(QT_TRANSLATE_NOOP("Main", "All Files (*.*)")), QStringLiteral("*.*")},
    };
}

}  // namespace veltrano

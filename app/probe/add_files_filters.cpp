#include "app/probe/add_files_filters.h"

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

std::vector<FileFilter> AddFilesFilters() {
    const QString threeGpp = QStringLiteral("*.3gp;*.3g2;*.3gpp;*.3g;*.k3g;*.3gp2");
    return {
        {QStringLiteral("All Supported Video Files"),
         QStringLiteral("*.3gp;*.3g2;*.3gpp;*.3g;*.k3g;*.3gp2;*.amv;*.avi;*.flv;*.f4v;*.mkv;"
                        "*.mpg;*.mpeg;*.mpe;*.m1v;*.m2v;*.m2t;*.tod;*.mp4;*.m4v;*.rm;*.rmvb;"
                        "*.mov;*.qt;*.dat;*.vob;*.wmv;*.asf;*.webm;*.dpg;*.dv")},
        // The 3GPP row lists its own patterns in parentheses, as they are written.
        {QStringLiteral("3GPP files (") + threeGpp + QStringLiteral(")"), threeGpp},
        {QStringLiteral("AMV files (*.amv)"), QStringLiteral("*.amv")},
        {QStringLiteral("AVI Files (*.avi)"), QStringLiteral("*.avi")},
        {QStringLiteral("Digital Video Files (*.dv)"), QStringLiteral("*.dv")},
        {QStringLiteral("DVD Video Files (*.vob)"), QStringLiteral("*.vob")},
        {QStringLiteral("Flash Video (*.flv,*.f4v)"), QStringLiteral("*.flv;*.f4v")},
        {QStringLiteral("Matroska Video (*.mkv)"), QStringLiteral("*.mkv")},
        {QStringLiteral("MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)"),
         QStringLiteral("*.mpg;*.mpeg;*.mpe;*.m1v;*.m2v;*.m2t;*.tod")},
        {QStringLiteral("MPEG-4 files(*.mp4,*.m4v)"), QStringLiteral("*.mp4;*.m4v")},
        {QStringLiteral("NDS DPG Files (*.dpg)"), QStringLiteral("*.dpg")},
        {QStringLiteral("QuickTime Files (*.mov,*.qt)"), QStringLiteral("*.mov;*.qt")},
        {QStringLiteral("RealMedia file (*.rm,*.rmvb)"), QStringLiteral("*.rm;*.rmvb")},
        {QStringLiteral("VCD Movie Files (*.dat)"), QStringLiteral("*.dat")},
        {QStringLiteral("WebM Video Files (*.webm)"), QStringLiteral("*.webm")},
        {QStringLiteral("Windows Media Video Files (*.wmv,*.asf)"), QStringLiteral("*.wmv;*.asf")},
        {QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")},
    };
}

}  // namespace veltrano

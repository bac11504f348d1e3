#include "ui/progress/folder_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace veltrano {

void DesktopFolderOpener::Open(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return;
    }
    // A file URL, never a command line: spaces, quotes and '#' in the path stay part of it.
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace veltrano

#include "ui/progress/folder_opener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace veltrano {

void DesktopFolderOpener::Open(const QString& folder) {
    if (!IsOpenable(folder)) {
        return;
    }
    // A file URL, never a command line: spaces, quotes and '#' in the path stay part of it.
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace veltrano

namespace veltrano {

bool DesktopFolderOpener::IsOpenable(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

}  // namespace veltrano

#pragma once

#include <QString>

namespace veltrano {

// Shows a folder in the desktop's file manager.
class FolderOpener {
public:
    virtual ~FolderOpener() = default;
    virtual void Open(const QString& folder) = 0;
};

// Through the desktop's default handler for folders. Only an existing folder is handed over:
// a path that names a file would otherwise be opened (or run) by whatever handles that file.
class DesktopFolderOpener : public FolderOpener {
public:
    void Open(const QString& folder) override;
    // True for a path that names an existing folder.
    static bool IsOpenable(const QString& folder);
};

}  // namespace veltrano

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace veltrano {

// One row of the Add Files dialog's file-type list.
struct FileFilter {
    QString Description;  // shown in the file-type box
    QString Patterns;     // "*.mp4;*.m4v"

    // The patterns as a list: {"*.mp4", "*.m4v"}.
    QStringList PatternList() const;
    // The row as a Qt name filter: the description, then the patterns in the last parentheses,
    // separated by spaces, where Qt reads them. The dialog hides that last part
    // (QFileDialog::HideNameFilterDetails), so the description shows as written, also when it
    // ends with parentheses of its own. "*.*" becomes "*", so that "All Files" also lists names
    // without an extension.
    QString ToNameFilter() const;

    bool operator==(const FileFilter&) const = default;
};

// The 17 rows of the Add Files dialog, in order; row 0 ("All Supported Video Files") is the
// one selected when the dialog opens.
std::vector<FileFilter> AddFilesFilters();

}  // namespace veltrano

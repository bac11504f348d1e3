#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "app/probe/add_files_filters.h"

namespace veltrano {

// What the Add Files dialog is asked to show.
struct FileChoiceRequest {
    std::vector<FileFilter> Filters;  // in order
    int SelectedFilter = 0;           // index into filters
    QString InitialFolder;            // empty: the platform's default folder
    bool MultipleSelection = true;
};

// The platform's file-open dialog behind an interface, so that probing is testable.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Full paths of the chosen files in the order the dialog returns them; empty when the
    // user cancels.
    virtual QStringList ChooseFiles(const FileChoiceRequest& request) = 0;
};

}  // namespace veltrano

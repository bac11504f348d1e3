#include "ui/common/file_dialog_chooser.h"

#include <QFileDialog>

namespace veltrano {

QStringList FileDialogChooser::NameFilters(const FileChoiceRequest& request) {
    QStringList filters;
    for (const FileFilter& filter : request.Filters) {
        filters << filter.ToNameFilter();
    }
    return filters;
}

QStringList FileDialogChooser::ChooseFiles(const FileChoiceRequest& request) {
    // No title of our own: the platform's default open title.
    QFileDialog dialog(owner_.data());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.MultipleSelection ? QFileDialog::ExistingFiles
                                                 : QFileDialog::ExistingFile);
    const QStringList filters = NameFilters(request);
    dialog.setNameFilters(filters);
    if (request.SelectedFilter >= 0 && request.SelectedFilter < filters.size()) {
        dialog.selectNameFilter(filters.at(request.SelectedFilter));
    }
    if (!request.InitialFolder.isEmpty()) {
        dialog.setDirectory(request.InitialFolder);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles();
}

}  // namespace veltrano

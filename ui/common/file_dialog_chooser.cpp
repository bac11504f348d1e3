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

void FileDialogChooser::Prepare(QFileDialog& dialog, const FileChoiceRequest& request) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.MultipleSelection ? QFileDialog::ExistingFiles
                                                 : QFileDialog::ExistingFile);
    // Each filter ends with its patterns in Qt's form; the list shows the descriptions only.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = NameFilters(request);
    dialog.setNameFilters(filters);
    if (request.SelectedFilter >= 0 && request.SelectedFilter < filters.size()) {
        dialog.selectNameFilter(filters.at(request.SelectedFilter));
    }
    if (!request.InitialFolder.isEmpty()) {
        dialog.setDirectory(request.InitialFolder);
    }
}

QStringList FileDialogChooser::ChooseFiles(const FileChoiceRequest& request) {
    // No title of our own: the platform's default open title.
    QFileDialog dialog(owner_.data());
    Prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles();
}

}  // namespace veltrano

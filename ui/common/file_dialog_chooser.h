#pragma once

#include <QPointer>
#include <QWidget>

class QFileDialog;

#include "app/probe/file_chooser.h"

namespace veltrano {

// FileChooser over QFileDialog: the Add Files dialog, modal to its owner window.
class FileDialogChooser : public FileChooser {
public:
    explicit FileDialogChooser(QWidget* owner = nullptr) : owner_(owner) {}

    void SetOwner(QWidget* owner) { owner_ = owner; }

    QStringList ChooseFiles(const FileChoiceRequest& request) override;

    // The dialog's name filters, in the request's order.
    static QStringList NameFilters(const FileChoiceRequest& request);
    // Gives `dialog` the request's filters, shown by their descriptions, its selected filter,
    // folder and selection mode.
    static void Prepare(QFileDialog& dialog, const FileChoiceRequest& request);

private:
    QPointer<QWidget> owner_;
};

}  // namespace veltrano

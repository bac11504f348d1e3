#include "ui/settings/qt_folder_browser.h"

#include <QApplication>
#include <QFileDialog>

namespace veltrano {

QtFolderBrowser::QtFolderBrowser(QWidget* owner) : owner_(owner) {}

std::optional<QString> QtFolderBrowser::ChooseFolder() {
    QWidget* owner = owner_ ? owner_.data() : QApplication::activeModalWidget();
    const QString folder = QFileDialog::getExistingDirectory(owner);
    if (folder.isEmpty()) {
        return std::nullopt;  // cancelled: the folder box keeps its text
    }
    return folder;
}

}  // namespace veltrano

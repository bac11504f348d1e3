#include "ui/common/file_dialog_chooser.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>

#include "app/probe/add_files_filters.h"
#include "tests/support/probe_test_printers.h"
#include "tests/ui/test_application.h"

namespace veltrano {
namespace {

QStringList Descriptions(const std::vector<FileFilter>& filters) {
    QStringList descriptions;
    for (const FileFilter& filter : filters) {
        descriptions << filter.Description;
    }
    return descriptions;
}

// The file-type list shows each row as the filter table writes it, and still filters by the
// row's patterns ("All Files (*.*)" also lists names without an extension).
TEST(FileDialogChooserTest, ListShowsTheDescriptionsAndFiltersByThePatterns) {
    TestApplication();
    FileChoiceRequest request;
    request.Filters = AddFilesFilters();
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    FileDialogChooser::Prepare(dialog, request);

    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    QStringList shown;
    for (int row = 0; row < types->count(); ++row) {
        shown << types->itemText(row);
    }
    EXPECT_EQ(shown, Descriptions(request.Filters));
    EXPECT_EQ(types->currentText(), "All Supported Video Files");

    auto* files = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(files, nullptr);
    EXPECT_TRUE(QDir::match(files->nameFilters(), QStringLiteral("clip.mp4")));
    EXPECT_FALSE(QDir::match(files->nameFilters(), QStringLiteral("clip.txt")));
    const QStringList nameFilters = dialog.nameFilters();
    dialog.selectNameFilter(nameFilters[6]);
    EXPECT_EQ(types->currentText(), "Flash Video (*.flv,*.f4v)");
    EXPECT_EQ(files->nameFilters(), QStringList({"*.flv", "*.f4v"}));
    dialog.selectNameFilter(nameFilters[16]);
    EXPECT_EQ(types->currentText(), "All Files (*.*)");
    EXPECT_TRUE(QDir::match(files->nameFilters(), QStringLiteral("clip")));
    EXPECT_TRUE(QDir::match(files->nameFilters(), QStringLiteral("clip.mp4")));
}

}  // namespace
}  // namespace veltrano

// The folder browser over the platform's directory dialog: cancel gives nothing, a choice
// gives the folder. The dialog is answered from inside its own event loop.
#include "ui/settings/qt_folder_browser.h"

#include <QFileDialog>
#include <QTimer>

#include "tests/ui/settings/form_video_format_test_fixture.h"

namespace veltrano {
namespace {

using QtFolderBrowserTest = FormVideoFormatTest;

// Runs `answer` on the directory dialog once it is open and modal.
void AnswerDirectoryDialog(const std::function<void(QFileDialog&)>& answer, int& answered) {
    QTimer::singleShot(0, [answer, &answered] {
        auto* fileDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(fileDialog, nullptr);
        ++answered;
        answer(*fileDialog);
    });
}

TEST_F(QtFolderBrowserTest, CancelGivesNothingAndAChoiceGivesTheFolder) {
    QtFolderBrowser browser(dialog.get());
    int answered = 0;
    AnswerDirectoryDialog([](QFileDialog& fileDialog) { fileDialog.reject(); }, answered);
    EXPECT_EQ(browser.ChooseFolder(), std::nullopt);
    EXPECT_EQ(answered, 1);

    const QString chosen = folder.path();
    AnswerDirectoryDialog(
        [chosen](QFileDialog& fileDialog) {
            EXPECT_TRUE(fileDialog.fileMode() == QFileDialog::Directory);
            fileDialog.setDirectory(chosen);
            fileDialog.selectFile(chosen);
            static_cast<QDialog&>(fileDialog).accept();  // QFileDialog::accept checks the choice
        },
        answered);
    const std::optional<QString> folderChosen = browser.ChooseFolder();
    EXPECT_EQ(answered, 2);
    ASSERT_TRUE(folderChosen.has_value());
    EXPECT_EQ(QDir(*folderChosen).canonicalPath(), QDir(chosen).canonicalPath());
}

}  // namespace
}  // namespace veltrano

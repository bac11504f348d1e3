// Join Now, the join mode check and the dialog's life across openings.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "profiles/parameter_builder.h"
#include "tests/ui/settings/form_video_format_test_fixture.h"

namespace veltrano {
namespace {

class FormVideoFormatJoinTest : public FormVideoFormatTest {
protected:
    void Choose(const char* caption) {
        for (QAction* action : dialog->ProfileMenu()->findChildren<QAction*>()) {
            if (action->menu() == nullptr && action->text() == QString::fromUtf8(caption)) {
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << caption;
    }
    void EditGrid(GridItem item, const QVariant& value, int role = Qt::EditRole) {
        dialog->Grid()->Model()->setData(dialog->Grid()->ValueIndex(item), value, role);
    }
    std::vector<MediaItem> Rows() const { return JoinListRows(list); }
    QString Folder() const { return folder.path() + QLatin1Char('/'); }
};

TEST_F(FormVideoFormatJoinTest, JoinNowBuildsTheRequestFromTheShownChoices) {
    dialog->show();
    Find<QRadioButton>("Option2")->click();
    Choose("Android - H264 Video 320x240");
    Find<QComboBox>("ComboVideoQ")->setCurrentIndex(0);
    EditGrid(GridItem::AspectRate, "16:9");
    EditGrid(GridItem::RemoveAudio, Qt::Checked, Qt::CheckStateRole);
    auto* name = Find<QLineEdit>("TextFileName");
    name->selectAll();
    QTest::keyClicks(name, "  my film  ");

    Find<QPushButton>("BtnJoin")->click();

    // The same choices made on the settings rules directly.
    OutputSettings expected;
    expected.SelectJoinMode(JoinMode::Convert);
    expected.ApplyProfile(*catalogue.FindByCaption("Android - H264 Video 320x240"));
    expected.SelectVideoQuality(0);
    expected.EditGridText(GridItem::AspectRate, "16:9");
    expected.EditRemoveAudio(true);
    const BuiltParameters built = BuildEngineParameters(expected, Rows());
    ASSERT_TRUE(built.EngineParameters.endsWith("-join"));
    EXPECT_TRUE(built.EngineParameters.contains("-s 320x240"));
    EXPECT_EQ(request.EngineParameters, built.EngineParameters);
    EXPECT_EQ(request.EngineParameters,
              BuildEngineParameters(dialog->Settings(), Rows()).EngineParameters);
    EXPECT_EQ(request.OutputExtension, "mp4");
    EXPECT_EQ(request.OutputName, "my film");
    EXPECT_EQ(request.OutputFolder, Folder());
    EXPECT_TRUE(messages.Shown.isEmpty());
    EXPECT_EQ(progressShown, 1);
    EXPECT_FALSE(dialogVisibleAtProgress) << "the dialog hides before the progress window";
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(name->text(), "my film") << "the trimmed name is written back";
    EXPECT_EQ(Find<QLineEdit>("TextFolder")->text(), Folder());
}

TEST_F(FormVideoFormatJoinTest, DirectCopyOfEqualFilesJoinsWithTheCopyString) {
    dialog->show();
    Find<QPushButton>("BtnJoin")->click();
    EXPECT_EQ(request.EngineParameters, "-vcodec copy -acodec copy -join");
    EXPECT_EQ(request.OutputExtension, "avi");
    EXPECT_EQ(request.OutputName, "holiday-join");
    EXPECT_EQ(progressShown, 1);
}

TEST_F(FormVideoFormatJoinTest, NotSameFormatSwitchesToConversion) {
    list.Append(Row(QStringLiteral("third.avi"), QStringLiteral("320 X 240")));
    dialog->show();
    Find<QPushButton>("BtnJoin")->click();
    ASSERT_EQ(messages.Shown.size(), 1);
    EXPECT_EQ(messages.Shown[0].Text,
              "To use the 'Direct copy stream' function, all video files must be same format");
    EXPECT_EQ(messages.Shown[0].Title, "Not same format");
    EXPECT_EQ(messages.Shown[0].Icon, UserMessages::Icon::Information);
    EXPECT_TRUE(Find<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("Option1")->isChecked());
    for (const char* name :
         {"ComboFormat", "ComboSize", "ComboVideoQ", "ComboAudioQ", "BtnMore", "Frame1"}) {
        EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_EQ(progressShown, 0);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(request.EngineParameters.isEmpty());
}

TEST_F(FormVideoFormatJoinTest, InvalidNameOrFolderStopsWithTheirMessages) {
    dialog->show();
    auto* name = Find<QLineEdit>("TextFileName");
    name->selectAll();
    QTest::keyClicks(name, "   ");
    Find<QPushButton>("BtnJoin")->click();
    ASSERT_EQ(messages.Shown.size(), 1);
    EXPECT_EQ(messages.Shown[0].Text, "Invalid file name!");
    EXPECT_EQ(messages.Shown[0].Title, "Error");
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(dialog->focusWidget(), name);

    QTest::keyClicks(name, "clip");
    auto* folderBox = Find<QLineEdit>("TextFolder");
    folderBox->selectAll();
    QTest::keyClicks(folderBox, folder.filePath("missing"));
    browser.choice = folder.path();
    Find<QPushButton>("BtnJoin")->click();
    ASSERT_EQ(messages.Shown.size(), 2);
    EXPECT_EQ(messages.Shown[1].Text, "Invalid path!");
    EXPECT_EQ(browser.opened, 1) << "the folder browser opens at once";
    EXPECT_EQ(dialog->focusWidget(), folderBox);
    EXPECT_EQ(folderBox->text(), folder.path()) << "the chosen folder fills the box";
    EXPECT_EQ(progressShown, 0) << "but the join does not start";
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FormVideoFormatJoinTest, AnOutputThatIsAnInputIsRefusedAndAnExistingOneNeedsYes) {
    {
        QFile input(list.Row(0).SourcePath);
        ASSERT_TRUE(input.open(QIODevice::WriteOnly));
    }
    dialog->show();
    auto* name = Find<QLineEdit>("TextFileName");
    name->selectAll();
    QTest::keyClicks(name, "holiday");  // holiday.avi is the first input
    Find<QPushButton>("BtnJoin")->click();
    ASSERT_EQ(messages.Shown.size(), 1);
    EXPECT_EQ(messages.Shown[0].Icon, UserMessages::Icon::Error);
    EXPECT_EQ(progressShown, 0);

    {
        QFile existing(folder.filePath("old.avi"));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    }
    name->selectAll();
    QTest::keyClicks(name, "old");
    messages.Answers = {false};
    Find<QPushButton>("BtnJoin")->click();
    ASSERT_EQ(messages.Shown.size(), 2);
    EXPECT_EQ(messages.Shown[1].Icon, UserMessages::Icon::Question);
    EXPECT_EQ(progressShown, 0) << "No keeps the existing file";
    messages.Answers = {true};
    Find<QPushButton>("BtnJoin")->click();
    EXPECT_EQ(progressShown, 1);
}

TEST_F(FormVideoFormatJoinTest, KeepsItsStateAcrossOpeningsAndProposesTheNameAfresh) {
    EXPECT_EQ(Find<QLineEdit>("TextFileName")->text(), "Join") << "before the first showing";
    dialog->show();
    auto* name = Find<QLineEdit>("TextFileName");
    EXPECT_EQ(name->text(), "holiday-join");
    Find<QRadioButton>("Option2")->click();
    Choose("HD - MKV Video");
    Find<QPushButton>("BtnMore")->click();
    name->selectAll();
    QTest::keyClicks(name, "typed");
    Find<QPushButton>("BtnCancel")->click();
    EXPECT_FALSE(dialog->isVisible());

    list.UpdateRow(0, Row(QStringLiteral("me@home.mkv"), QStringLiteral("640 X 480")));
    dialog->show();
    EXPECT_EQ(name->text(), "mehome-join") << "proposed afresh and filtered";
    EXPECT_TRUE(Find<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(Find<QComboBox>("ComboFormat")->currentText(), "HD - MKV Video");
    EXPECT_EQ(Find<QLineEdit>("TextW")->text(), "1920");
    EXPECT_TRUE(Find<QWidget>("PropertyGrid1")->isVisible());
    EXPECT_EQ(Find<QPushButton>("BtnMore")->text(), "More <<");
    dialog->close();  // the close box only hides
    EXPECT_FALSE(dialog->isVisible());

    name->selectAll();
    QTest::keyClicks(name, "kept");
    list.UpdateRow(0, Row(QStringLiteral("no_extension"), QStringLiteral("640 X 480")));
    dialog->show();
    EXPECT_EQ(name->text(), "kept") << "no proposal without an extension";
}

TEST_F(FormVideoFormatJoinTest, OpenModalReturnsWhenTheDialogIsHidden) {
    int checks = 0;
    QTimer::singleShot(0, dialog.get(), [&] {
        ++checks;
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(Find<QLineEdit>("TextFileName")->text(), "holiday-join");
        Find<QPushButton>("BtnCancel")->click();
    });
    dialog->OpenModal();
    EXPECT_EQ(checks, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(progressShown, 0);
}

}  // namespace
}  // namespace veltrano

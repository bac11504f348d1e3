// The boxes, lists and grid forward the user's input to the settings rules and show the result.
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "tests/ui/settings/form_video_format_test_fixture.h"
#include "ui/settings/property_grid_delegate.h"

namespace veltrano {
namespace {

class FormVideoFormatControlsTest : public FormVideoFormatTest {
protected:
    void SetUp() override {
        FormVideoFormatTest::SetUp();
        dialog->show();
        Find<QRadioButton>("Option2")->click();
    }
    static void LoseFocus(QWidget* box) {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &focusOut);
    }
    // Replaces a box's text the way a user does: select all, erase, type.
    static void TypeInto(QLineEdit* box, const char* text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    QString GridValue(GridItem item) const {
        return dialog->Grid()->ValueIndex(item).data().toString();
    }
    void EditGrid(GridItem item, const QString& text) {
        dialog->Grid()->Model()->setData(dialog->Grid()->ValueIndex(item), text);
    }
};

TEST_F(FormVideoFormatControlsTest, NameBoxDropsRefusedCharactersTypedOrPasted) {
    auto* name = Find<QLineEdit>("TextFileName");
    name->clear();
    QTest::keyClicks(name, "my:clip?");
    EXPECT_EQ(name->text(), "myclip");
    EXPECT_EQ(dialog->Settings().FileNameText, "myclip");

    name->clear();
    QApplication::clipboard()->setText("a<b>c");
    name->paste();
    EXPECT_EQ(name->text(), "abc");
    EXPECT_EQ(name->cursorPosition(), 3);

    name->setText("x");
    name->setCursorPosition(1);
    name->insert("@\"y*|z");
    EXPECT_EQ(name->text(), "xyz");
    EXPECT_EQ(name->cursorPosition(), 3) << "the caret stays after the kept characters";
    EXPECT_EQ(dialog->Settings().FileNameText, "xyz");
}

TEST_F(FormVideoFormatControlsTest, SizeBoxesTakeDigitsOnlyAndNormaliseOnFocusLoss) {
    auto* size = Find<QComboBox>("ComboSize");
    auto* width = Find<QLineEdit>("TextW");
    auto* height = Find<QLineEdit>("TextH");
    size->setCurrentIndex(13);
    EXPECT_EQ(width->text(), "1280");
    EXPECT_EQ(height->text(), "720");
    EXPECT_FALSE(width->isEnabled());

    size->setCurrentIndex(15);  // "Custom..." keeps the texts and enables the boxes
    EXPECT_EQ(width->text(), "1280");
    EXPECT_TRUE(width->isEnabled());
    EXPECT_EQ(dialog->focusWidget(), width);
    EXPECT_TRUE(height->isEnabled());

    TypeInto(width, "1a-2.7x");
    EXPECT_EQ(width->text(), "127");
    QTest::keyClick(width, Qt::Key_Backspace);
    EXPECT_EQ(width->text(), "12");
    LoseFocus(width);
    EXPECT_EQ(width->text(), "16");
    EXPECT_EQ(dialog->Settings().Width, "16");

    const std::pair<const char*, const char*> cases[] = {
        {"", "16"}, {"17", "18"}, {"4999", "5000"}, {"9000", "5000"}, {"640", "640"}};
    for (const auto& [typed, shown] : cases) {
        TypeInto(height, typed);
        LoseFocus(height);
        EXPECT_EQ(height->text(), QString::fromUtf8(shown)) << typed;
        EXPECT_EQ(dialog->Settings().Height, QString::fromUtf8(shown)) << typed;
    }

    // Pasted text is not filtered, but leaving the box still leaves a plain even number.
    TypeInto(width, "");
    QApplication::clipboard()->setText("721px");
    width->paste();
    LoseFocus(width);
    EXPECT_EQ(width->text(), "722");

    size->setCurrentIndex(0);
    EXPECT_EQ(width->text(), "");
    LoseFocus(width);
    EXPECT_EQ(width->text(), "") << "a disabled Auto box is not normalised";
}

TEST_F(FormVideoFormatControlsTest, QualityListsResetTheirGridValues) {
    EditGrid(GridItem::VideoBitrate, "2000k");
    EditGrid(GridItem::AudioBitrate, "192k");
    EditGrid(GridItem::SampleRate, "48000");
    Find<QComboBox>("ComboVideoQ")->setCurrentIndex(0);
    EXPECT_EQ(GridValue(GridItem::VideoBitrate), "Auto");
    EXPECT_EQ(GridValue(GridItem::AudioBitrate), "192k");
    Find<QComboBox>("ComboAudioQ")->setCurrentIndex(2);
    EXPECT_EQ(GridValue(GridItem::AudioBitrate), "Auto");
    EXPECT_EQ(GridValue(GridItem::SampleRate), "Auto");
    EXPECT_EQ(dialog->Settings().VideoQuality, 0);
    EXPECT_EQ(dialog->Settings().AudioQuality, 2);
}

TEST_F(FormVideoFormatControlsTest, GridShowsThreeCategoriesEightItemsAndHelp) {
    PropertyGrid* grid = dialog->Grid();
    QStandardItemModel* model = grid->Model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->item(0)->text(), "Output File");
    EXPECT_EQ(model->item(1)->text(), "Video Settings");
    EXPECT_EQ(model->item(2)->text(), "Audio Settings");
    QStringList captions;
    for (int category = 0; category < 3; ++category) {
        for (int row = 0; row < model->item(category)->rowCount(); ++row) {
            captions << model->item(category)->child(row, 0)->text();
        }
    }
    EXPECT_EQ(captions,
              QStringList({"Filename Extension", "Video Bitrate", "Frame Rate (FPS)", "Aspect Rate",
                           "Audio Bitrate", "Sample Rate", "Channels", "Remove Audio"}));
    EXPECT_EQ(GridValue(GridItem::FilenameExtension), "mp4");
    EXPECT_FALSE(grid->ValueIndex(GridItem::FilenameExtension).flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid->ValueIndex(GridItem::RemoveAudio).flags() & Qt::ItemIsUserCheckable);

    grid->Tree()->setCurrentIndex(grid->CaptionIndex(GridItem::FrameRate));
    EXPECT_EQ(grid->ShownHelpCaption(), "Frame Rate (FPS)");
    EXPECT_EQ(grid->ShownHelpText(),
              "Set how many frames should be displayed per second. Higher frame rate increases "
              "the smoothness when played back");
    grid->Tree()->setCurrentIndex(grid->CaptionIndex(GridItem::RemoveAudio));
    EXPECT_EQ(grid->ShownHelpText(), "");
}

TEST_F(FormVideoFormatControlsTest, GridEditorsOfferListsAndTypingExceptForChannels) {
    Find<QPushButton>("BtnMore")->click();
    PropertyGrid* grid = dialog->Grid();
    QAbstractItemDelegate* delegate = grid->Tree()->itemDelegate();
    QStyleOptionViewItem option;

    const QModelIndex bitrate = grid->ValueIndex(GridItem::VideoBitrate);
    std::unique_ptr<QWidget> editor(delegate->createEditor(grid->Tree(), option, bitrate));
    auto* combo = qobject_cast<QComboBox*>(editor.get());
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->count(), 24);
    EXPECT_EQ(combo->itemText(23), "4000k");
    delegate->setEditorData(combo, bitrate);
    EXPECT_EQ(combo->currentText(), "Auto");
    combo->setEditText(" 1500k ");
    delegate->setModelData(combo, grid->Model(), bitrate);
    EXPECT_EQ(GridValue(GridItem::VideoBitrate), "1500k") << "trimmed and accepted";
    EXPECT_EQ(dialog->Settings().VideoBitrate, "1500k");

    const QModelIndex channels = grid->ValueIndex(GridItem::Channels);
    editor.reset(delegate->createEditor(grid->Tree(), option, channels));
    combo = qobject_cast<QComboBox*>(editor.get());
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable()) << "Channels is chosen from its list only";
    ASSERT_EQ(combo->count(), 3);
    combo->setCurrentIndex(1);
    delegate->setModelData(combo, grid->Model(), channels);
    EXPECT_EQ(GridValue(GridItem::Channels), "1");
    EXPECT_EQ(dialog->Settings().Channels, 1);

    EXPECT_EQ(
        delegate->createEditor(grid->Tree(), option, grid->ValueIndex(GridItem::FilenameExtension)),
        nullptr);
}

// What the user types reaches the settings rules as typed: the lists suggest, they do not
// complete. Enter commits once, through the view, and the editor is tall enough for its text.
TEST_F(FormVideoFormatControlsTest, TypedGridTextIsCommittedOnceAsTyped) {
    Find<QPushButton>("BtnMore")->click();
    PropertyGrid* grid = dialog->Grid();
    QTreeView* tree = grid->Tree();
    int commits = 0;
    QObject::connect(tree->itemDelegate(), &QAbstractItemDelegate::commitData,
                     [&commits] { ++commits; });
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg) {
                warnings << text;
            }
        });
    const struct {
        GridItem item;
        const char* typed;
    } cases[] = {{GridItem::VideoBitrate, "100"},   {GridItem::FrameRate, "2"},
                 {GridItem::SampleRate, "4"},       {GridItem::AspectRate, "16:"},
                 {GridItem::VideoBitrate, "1200K"}, {GridItem::AudioBitrate, "128k"}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.typed);
        commits = 0;
        const QModelIndex value = grid->ValueIndex(test.item);
        tree->setCurrentIndex(value);  // opens the editor
        auto* editor = qobject_cast<QComboBox*>(tree->indexWidget(value));
        ASSERT_NE(editor, nullptr);
        EXPECT_GE(editor->height(), editor->fontMetrics().height() + 4) << "the text is not cut";
        EXPECT_GE(editor->height(), editor->minimumSizeHint().height());
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, test.typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(GridValue(test.item), QString::fromUtf8(test.typed));
        EXPECT_EQ(dialog->Settings().GridText(test.item), QString::fromUtf8(test.typed));
        EXPECT_EQ(commits, 1);
        EXPECT_EQ(tree->indexWidget(value), nullptr) << "Enter closes the editor";
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, QStringList());

    // Choosing from the list still works.
    const QModelIndex rate = grid->ValueIndex(GridItem::SampleRate);
    tree->setCurrentIndex(rate);
    auto* editor = qobject_cast<QComboBox*>(tree->indexWidget(rate));
    ASSERT_NE(editor, nullptr);
    commits = 0;
    editor->showPopup();
    editor->view()->setCurrentIndex(editor->model()->index(editor->findText("48000"), 0));
    QTest::keyClick(editor->view(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(GridValue(GridItem::SampleRate), "48000");
    EXPECT_EQ(commits, 1);
}

TEST_F(FormVideoFormatControlsTest, GridValuesAreReadWithTheirCaptionAndSwitchedByKeys) {
    Find<QPushButton>("BtnMore")->click();
    PropertyGrid* grid = dialog->Grid();
    QTreeView* tree = grid->Tree();
    auto accessibleText = [&](GridItem item) {
        return grid->ValueIndex(item).data(Qt::AccessibleTextRole).toString();
    };
    EXPECT_EQ(accessibleText(GridItem::FilenameExtension), "Filename Extension: mp4");
    EXPECT_EQ(accessibleText(GridItem::RemoveAudio), "Remove Audio: False");
    tree->setFocus();
    tree->setCurrentIndex(grid->ValueIndex(GridItem::RemoveAudio));
    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_TRUE(dialog->Settings().RemoveAudio);
    EXPECT_EQ(accessibleText(GridItem::RemoveAudio), "Remove Audio: True");
}

TEST_F(FormVideoFormatControlsTest, AClickOnARowOpensItsValueEditorUnlessLocked) {
    Find<QPushButton>("BtnMore")->click();
    PropertyGrid* grid = dialog->Grid();
    QTreeView* tree = grid->Tree();
    const QModelIndex caption = grid->CaptionIndex(GridItem::AspectRate);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(caption).center());
    EXPECT_EQ(tree->currentIndex(), grid->ValueIndex(GridItem::AspectRate));
    auto* editor = qobject_cast<QComboBox*>(tree->indexWidget(tree->currentIndex()));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->currentText(), "Auto");
    EXPECT_EQ(grid->ShownHelpCaption(), "Aspect Rate");
    QTest::keyClick(editor, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(tree->indexWidget(grid->ValueIndex(GridItem::AspectRate)), nullptr);
    EXPECT_EQ(dialog->Settings().AspectRate, "Auto");

    dialog->Grid()->Model()->setData(grid->ValueIndex(GridItem::RemoveAudio), Qt::Checked,
                                     Qt::CheckStateRole);
    const QModelIndex locked = grid->CaptionIndex(GridItem::SampleRate);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(locked).center());
    EXPECT_EQ(tree->indexWidget(grid->ValueIndex(GridItem::SampleRate)), nullptr)
        << "locked items open no editor";
}

TEST_F(FormVideoFormatControlsTest, EveryGridEditNormalisesTheFreeTextItems) {
    const struct {
        GridItem item;
        const char* typed;
        const char* shown;
    } cases[] = {
        {GridItem::VideoBitrate, "", "Auto"},       {GridItem::VideoBitrate, "1500kb", "Auto"},
        {GridItem::VideoBitrate, "1,500k", "Auto"}, {GridItem::VideoBitrate, "k", "k"},
        {GridItem::VideoBitrate, "1200K", "1200K"}, {GridItem::AudioBitrate, "128 k", "Auto"},
        {GridItem::SampleRate, "44.1", "Auto"},     {GridItem::SampleRate, "44100", "44100"},
        {GridItem::FrameRate, "23.976", "23.976"},  {GridItem::FrameRate, "25fps", "Auto"},
        {GridItem::AspectRate, ":9", ":9"},         {GridItem::AspectRate, "16:9:1", "Auto"},
        {GridItem::AspectRate, "  16:9 ", "16:9"},
    };
    for (const auto& test : cases) {
        EditGrid(test.item, QString::fromUtf8(test.typed));
        EXPECT_EQ(GridValue(test.item), QString::fromUtf8(test.shown)) << test.typed;
        EXPECT_EQ(dialog->Settings().GridText(test.item), QString::fromUtf8(test.shown));
    }
    // An edit of one item passes the others through their rules too; what they hold after any
    // edit is always well-formed and shown as the settings hold it.
    EditGrid(GridItem::FrameRate, "30");
    for (GridItem item : kFreeTextItems) {
        EXPECT_EQ(GridValue(item), dialog->Settings().GridText(item));
    }
}

TEST_F(FormVideoFormatControlsTest, RemoveAudioLocksTheThreeAudioItems) {
    PropertyGrid* grid = dialog->Grid();
    EditGrid(GridItem::AudioBitrate, "192k");
    grid->Model()->setData(grid->ValueIndex(GridItem::RemoveAudio), Qt::Checked,
                           Qt::CheckStateRole);
    EXPECT_TRUE(dialog->Settings().RemoveAudio);
    for (GridItem item : {GridItem::AudioBitrate, GridItem::SampleRate, GridItem::Channels}) {
        EXPECT_FALSE(grid->ValueIndex(item).flags() & Qt::ItemIsEnabled);
        EXPECT_FALSE(grid->CaptionIndex(item).flags() & Qt::ItemIsEnabled);
    }
    EXPECT_TRUE(grid->ValueIndex(GridItem::VideoBitrate).flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(GridValue(GridItem::AudioBitrate), "192k") << "locking keeps the value";

    EditGrid(GridItem::AudioBitrate, "64k");
    EXPECT_EQ(GridValue(GridItem::AudioBitrate), "192k") << "a locked item refuses edits";
    EXPECT_EQ(dialog->Settings().AudioBitrate, "192k");

    grid->Model()->setData(grid->ValueIndex(GridItem::RemoveAudio), Qt::Unchecked,
                           Qt::CheckStateRole);
    EXPECT_FALSE(dialog->Settings().RemoveAudio);
    for (GridItem item : {GridItem::AudioBitrate, GridItem::SampleRate, GridItem::Channels}) {
        EXPECT_TRUE(grid->ValueIndex(item).flags() & Qt::ItemIsEnabled);
    }
    EXPECT_EQ(GridValue(GridItem::AudioBitrate), "192k");
}

TEST_F(FormVideoFormatControlsTest, BrowseFillsTheFolderBoxAndCancelChangesNothing) {
    auto* folderBox = Find<QLineEdit>("TextFolder");
    folderBox->selectAll();
    QTest::keyClicks(folderBox, "/somewhere");
    EXPECT_EQ(dialog->Settings().FolderText, "/somewhere");
    browser.choice.reset();
    Find<QPushButton>("BtnBrowse")->click();
    EXPECT_EQ(browser.opened, 1);
    EXPECT_EQ(folderBox->text(), "/somewhere");
    browser.choice = folder.path();
    Find<QPushButton>("BtnBrowse")->click();
    EXPECT_EQ(folderBox->text(), folder.path());
    EXPECT_EQ(dialog->Settings().FolderText, folder.path());
}

}  // namespace
}  // namespace veltrano

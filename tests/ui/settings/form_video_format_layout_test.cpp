// The dialog's composition: every control's kind, container, place, size and caption, the
// keyboard order, and the narrow and wide states.
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

#include "tests/ui/settings/form_video_format_test_fixture.h"

namespace veltrano {
namespace {

struct ControlRow {
    const char* name;
    const char* kind;  // Qt class the control must inherit
    const char* container;
    int left, top, width, height;  // twips
};

// Positions and sizes in twips, relative to the container, in keyboard order.
constexpr ControlRow kControls[] = {
    {"Option1", "QRadioButton", "FormVideoFormat", 210, 315, 6435, 270},
    {"Option2", "QRadioButton", "FormVideoFormat", 210, 660, 2595, 270},
    {"ComboFormat", "QComboBox", "Frame1", 1755, 360, 4785, 330},
    {"ComboSize", "QComboBox", "Frame1", 1755, 937, 4785, 330},
    {"TextW", "QLineEdit", "Frame1", 2460, 1514, 1005, 315},
    {"TextH", "QLineEdit", "Frame1", 4500, 1514, 1005, 315},
    {"ComboVideoQ", "QComboBox", "Frame1", 1755, 2076, 4785, 330},
    {"ComboAudioQ", "QComboBox", "Frame1", 1755, 2655, 4785, 330},
    {"BtnMore", "QPushButton", "Frame1", 4980, 3105, 1455, 360},
    {"TextFileName", "QLineEdit", "FormVideoFormat", 1320, 4800, 5655, 315},
    {"TextFolder", "QLineEdit", "FormVideoFormat", 1320, 5280, 4320, 315},
    {"BtnBrowse", "QPushButton", "FormVideoFormat", 5730, 5250, 1260, 360},
    {"BtnJoin", "QPushButton", "FormVideoFormat", 2880, 5820, 1455, 360},
    {"BtnCancel", "QPushButton", "FormVideoFormat", 4605, 5820, 1455, 360},
    {"Frame1", "QGroupBox", "FormVideoFormat", 225, 990, 6750, 3660},
    {"Label1", "QLabel", "Frame1", 210, 390, 1290, 210},
    {"Label2", "QLabel", "FormVideoFormat", 285, 5325, 975, 210},
    {"Label3", "QLabel", "Frame1", 210, 960, 900, 210},
    {"Label4", "QLabel", "Frame1", 3810, 1560, 600, 210},
    {"Label5", "QLabel", "Frame1", 210, 2130, 1140, 210},
    {"Label6", "QLabel", "Frame1", 195, 2670, 1140, 210},
    {"Label7", "QLabel", "Frame1", 1800, 1560, 555, 210},
    {"Label8", "QLabel", "FormVideoFormat", 285, 4845, 840, 210},
    {"PropertyGrid1", "QWidget", "FormVideoFormat", 7080, 1095, 4920, 4020},
};

TEST_F(FormVideoFormatTest, EveryControlHasItsKindContainerPlaceAndAccessibleName) {
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        auto* control = Find<QWidget>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->inherits(row.kind));
        ASSERT_NE(control->parentWidget(), nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(row.container));
        EXPECT_EQ(control->geometry(),
                  QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
        EXPECT_FALSE(control->accessibleName().trimmed().isEmpty());
    }
}

TEST_F(FormVideoFormatTest, CaptionsAndInitialContentsAreTheProgramsOwn) {
    EXPECT_EQ(dialog->windowTitle(), "Output Settings");
    EXPECT_EQ(Find<QRadioButton>("Option1")->text(),
              "Direct stream copy. Keep original format. (All files must be same format)");
    EXPECT_EQ(Find<QRadioButton>("Option2")->text(), "Convert to another format");
    EXPECT_EQ(Find<QGroupBox>("Frame1")->title(), "");
    EXPECT_EQ(Find<QPushButton>("BtnMore")->text(), "More >>");
    EXPECT_EQ(Find<QPushButton>("BtnBrowse")->text(), "Browse...");
    EXPECT_EQ(Find<QPushButton>("BtnJoin")->text(), "Join Now");
    EXPECT_EQ(Find<QPushButton>("BtnCancel")->text(), "Cancel");
    const std::pair<const char*, const char*> labels[] = {
        {"Label1", "Output Format:"}, {"Label2", "Destination:"},   {"Label3", "Video Size:"},
        {"Label4", "Height:"},        {"Label5", "Video Quality:"}, {"Label6", "Audio Quality:"},
        {"Label7", "Width:"},         {"Label8", "File Name:"}};
    for (const auto& [name, caption] : labels) {
        EXPECT_EQ(Find<QLabel>(name)->text(), QString::fromUtf8(caption)) << name;
    }

    auto* format = Find<QComboBox>("ComboFormat");
    ASSERT_EQ(format->count(), 1);
    EXPECT_EQ(format->currentText(), "MP4 - H264 Video (*.mp4)");
    auto* size = Find<QComboBox>("ComboSize");
    ASSERT_EQ(size->count(), 16);
    EXPECT_EQ(size->itemText(0), "Auto");
    EXPECT_EQ(size->itemText(1), "128 x 96 (sqcif)");
    EXPECT_EQ(size->itemText(15), "Custom...");
    EXPECT_EQ(size->currentIndex(), 0);
    for (const char* name : {"ComboVideoQ", "ComboAudioQ"}) {
        auto* quality = Find<QComboBox>(name);
        ASSERT_EQ(quality->count(), 3);
        EXPECT_EQ(quality->itemText(0), "High (larger file size)");
        EXPECT_EQ(quality->itemText(1), "Normal");
        EXPECT_EQ(quality->itemText(2), "Low (smaller file size)");
        EXPECT_EQ(quality->currentIndex(), 1);
    }
    for (const char* name : {"ComboFormat", "ComboSize", "ComboVideoQ", "ComboAudioQ"}) {
        EXPECT_FALSE(Find<QComboBox>(name)->isEditable()) << name << " is pick-only";
    }

    EXPECT_EQ(Find<QLineEdit>("TextFileName")->text(), "Join");
    EXPECT_TRUE(Find<QLineEdit>("TextFileName")->font().bold());
    EXPECT_FALSE(Find<QLineEdit>("TextFolder")->font().bold());
    EXPECT_EQ(Find<QLineEdit>("TextFolder")->text(), folder.path()) << "the stored folder";
    EXPECT_EQ(Find<QLineEdit>("TextW")->text(), "");
    EXPECT_FALSE(Find<QLineEdit>("TextW")->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>("TextH")->isEnabled());
    EXPECT_EQ(dialog->font().pointSize(), 9);
}

TEST_F(FormVideoFormatTest, TabOrderFollowsTheKeyboardOrderOfTheControls) {
    const QStringList expected = {"Option1", "Option2",      "ComboFormat",  "ComboSize",
                                  "TextW",   "TextH",        "ComboVideoQ",  "ComboAudioQ",
                                  "BtnMore", "TextFileName", "TextFolder",   "BtnBrowse",
                                  "BtnJoin", "BtnCancel",    "PropertyGrid1"};
    QStringList names;
    for (const ControlRow& row : kControls) {
        names << QString::fromLatin1(row.name);
    }
    // Walk the focus chain once round; a focusable widget inside a named control (the grid's
    // tree) counts as that control.
    QStringList chain;
    QWidget* first = Find<QWidget>("Option1");
    QWidget* widget = first;
    do {
        QWidget* named = widget;
        while (named != nullptr && !names.contains(named->objectName())) {
            named = named->parentWidget();
        }
        if (named != nullptr && (widget->focusPolicy() & Qt::TabFocus) &&
            !chain.contains(named->objectName())) {
            chain << named->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != first);
    EXPECT_EQ(chain, expected);
}

TEST_F(FormVideoFormatTest, OpensNarrowInDirectCopyAndTheMoreButtonWidensIt) {
    EXPECT_EQ(dialog->focusWidget(), Find<QWidget>("Option1")) << "the first control";
    dialog->show();
    EXPECT_TRUE(Find<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("Option2")->isChecked());
    for (const char* name :
         {"ComboFormat", "ComboSize", "ComboVideoQ", "ComboAudioQ", "BtnMore", "Frame1"}) {
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(Find<QWidget>("PropertyGrid1")->isVisible());
    EXPECT_EQ(dialog->width(), ClientWidth(7305));
    EXPECT_EQ(dialog->height(), 6405 / 15);

    Find<QRadioButton>("Option2")->click();
    EXPECT_TRUE(Find<QWidget>("Frame1")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("PropertyGrid1")->isVisible()) << "stays collapsed until More";
    auto* more = Find<QPushButton>("BtnMore");
    more->click();
    EXPECT_EQ(dialog->width(), ClientWidth(12270));
    EXPECT_EQ(dialog->width(), 12180 / 15) << "the wide client area";
    EXPECT_TRUE(Find<QWidget>("PropertyGrid1")->isVisible());
    EXPECT_EQ(more->text(), "More <<");
    more->click();
    EXPECT_EQ(dialog->width(), ClientWidth(7305));
    EXPECT_FALSE(Find<QWidget>("PropertyGrid1")->isVisible());
    EXPECT_EQ(more->text(), "More >>");
}

TEST_F(FormVideoFormatTest, DirectCopyDisablesTheGroupAndCollapsesTheGrid) {
    dialog->show();
    Find<QRadioButton>("Option2")->click();
    Find<QPushButton>("BtnMore")->click();
    ASSERT_TRUE(Find<QWidget>("PropertyGrid1")->isVisible());

    Find<QRadioButton>("Option1")->click();
    EXPECT_EQ(dialog->Settings().Mode, JoinMode::DirectCopy);
    for (const char* name : {"ComboFormat", "ComboSize", "TextW", "TextH", "ComboVideoQ",
                             "ComboAudioQ", "BtnMore", "Frame1"}) {
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(Find<QWidget>("PropertyGrid1")->isVisible());
    EXPECT_EQ(dialog->width(), ClientWidth(7305));
    EXPECT_EQ(Find<QPushButton>("BtnMore")->text(), "More >>");
    // The name, folder and Join stay usable in direct copy.
    EXPECT_TRUE(Find<QWidget>("TextFileName")->isEnabled());
    EXPECT_TRUE(Find<QWidget>("BtnJoin")->isEnabled());
}

// The program's skin is a style sheet on the main window, which stops fonts passing from a
// parent to its children: the captions must still get the dialog's narrower face and fit.
TEST_F(FormVideoFormatTest, ControlsKeepTheDialogFaceUnderTheOwnersStyleSheet) {
    QWidget owner;
    owner.setStyleSheet(QStringLiteral("QPushButton { padding: 4px 16px; }"));
    FakeFolderBrowser ownBrowser;
    FormVideoFormat skinned(
        catalogue, list, request, messages, ownBrowser, folder.path(), [] {}, &owner);
    for (const char* name : {"Label1", "Option1", "Option2", "TextFolder", "BtnJoin"}) {
        auto* control = skinned.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->font().stretch(), skinned.font().stretch()) << name;
        EXPECT_EQ(control->font().pointSize(), skinned.font().pointSize()) << name;
    }
    auto* name = skinned.findChild<QWidget*>(QStringLiteral("TextFileName"));
    EXPECT_TRUE(name->font().bold());
    EXPECT_EQ(name->font().stretch(), skinned.font().stretch());
}

// Under the program's own skin the controls keep the places and sizes of the layout, and the
// captions still fit them.
TEST_F(FormVideoFormatTest, ControlsKeepTheirSizesUnderTheProgramsSkin) {
    QFile skinFile(QStringLiteral(VELTRANO_SKIN_FILE));
    ASSERT_TRUE(skinFile.open(QIODevice::ReadOnly));
    QWidget owner;
    owner.setStyleSheet(QString::fromUtf8(skinFile.readAll()));
    FakeFolderBrowser ownBrowser;
    FormVideoFormat skinned(
        catalogue, list, request, messages, ownBrowser, folder.path(), [] {}, &owner);
    skinned.show();
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        auto* control = skinned.findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(),
                  QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15));
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            EXPECT_LE(button->minimumSizeHint().width(), button->width()) << "the caption fits";
        }
    }
    const QRect browse = skinned.findChild<QWidget*>(QStringLiteral("BtnBrowse"))->geometry();
    EXPECT_LT(browse.right(), ClientWidth(7305) - 1) << "clear of the narrow dialog's edge";
}

}  // namespace
}  // namespace veltrano

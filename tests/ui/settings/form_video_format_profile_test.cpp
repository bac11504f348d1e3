// The profile menu: its tree against the catalogue, where it opens, and what a choice does to
// the format box, the size list and boxes, the quality lists and the grid.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "tests/ui/settings/form_video_format_test_fixture.h"

namespace veltrano {
namespace {

QList<QMenu*> SubMenus(const QMenu* menu) {
    QList<QMenu*> subMenus;
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr) {
            subMenus << action->menu();
        }
    }
    return subMenus;
}

QList<QAction*> Entries(const QMenu* menu) {
    QList<QAction*> entries;
    for (QAction* action : menu->actions()) {
        if (action->menu() == nullptr) {
            entries << action;
        }
    }
    return entries;
}

void ExpectEntriesMatch(const QMenu* menu, const ProfileMenu& node) {
    const QList<QAction*> entries = Entries(menu);
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(node.Entries.size()))
        << node.Caption.toStdString();
    for (size_t i = 0; i < node.Entries.size(); ++i) {
        const QAction* entry = entries[static_cast<qsizetype>(i)];
        EXPECT_EQ(entry->text(), node.Entries[i]->Caption);
        EXPECT_EQ(FormatMenu::CommandIdOf(entry), node.Entries[i]->CommandId);
    }
}

QAction* EntryFor(FormatMenu* root, const QString& caption) {
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->menu() == nullptr && action->text() == caption) {
            return action;
        }
    }
    return nullptr;
}

class FormVideoFormatProfileTest : public FormVideoFormatTest {
protected:
    void SetUp() override {
        FormVideoFormatTest::SetUp();
        dialog->show();
        Find<QRadioButton>("Option2")->click();
    }
    void Choose(const char* caption) {
        QAction* entry = EntryFor(dialog->ProfileMenu(), QString::fromUtf8(caption));
        ASSERT_NE(entry, nullptr) << caption;
        entry->trigger();
    }
    QString GridValue(GridItem item) const {
        return dialog->Grid()->ValueIndex(item).data().toString();
    }
};

TEST_F(FormVideoFormatProfileTest, MenuTreeShowsTheCatalogueInItsOrder) {
    const FormatMenu* root = dialog->ProfileMenu();
    EXPECT_EQ(root->objectName(), "FormatMenu");
    EXPECT_TRUE(Entries(root).isEmpty());
    const QList<QMenu*> top = SubMenus(root);
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->title(), "General Video Format");
    EXPECT_EQ(top[1]->title(), "Device");

    const ProfileMenu& tree = catalogue.FormatMenu();
    ExpectEntriesMatch(top[0], tree.SubMenus[0]);
    EXPECT_EQ(Entries(top[0]).size(), 15);

    const QStringList deviceMenus = {"Android",   "Android Pad",   "Apple TV", "BlackBerry",
                                     "HD Video",  "iPad",          "iPhone",   "iPod",
                                     "PS3",       "PMP",           "PSP",      "VCD/DVD",
                                     "Web Video", "Windows Phone", "Xbox"};
    const QList<QMenu*> devices = SubMenus(top[1]);
    ASSERT_EQ(devices.size(), deviceMenus.size());
    qsizetype entryCount = Entries(top[0]).size();
    for (qsizetype i = 0; i < devices.size(); ++i) {
        EXPECT_EQ(devices[i]->title(), deviceMenus[i]);
        ExpectEntriesMatch(devices[i], tree.SubMenus[1].SubMenus[static_cast<size_t>(i)]);
        EXPECT_TRUE(SubMenus(devices[i]).isEmpty());
        entryCount += Entries(devices[i]).size();
    }
    EXPECT_EQ(entryCount, 126);
    EXPECT_NE(EntryFor(dialog->ProfileMenu(), "DVD NTSC - MPEG-2  Video"), nullptr)
        << "double blanks are kept";
}

TEST_F(FormVideoFormatProfileTest, EachEntryAnnouncesItsCommandOnce) {
    QList<int> chosen;
    QObject::connect(dialog->ProfileMenu(), &FormatMenu::ProfileChosen,
                     [&](int commandId) { chosen << commandId; });
    Choose("iPod Nano 5 - H264 Video");
    Choose("3GP - 3GP Format (*.3gp)");
    EXPECT_EQ(chosen, QList<int>({1065, 1046}));
    EXPECT_EQ(dialog->Settings().FormatKey, "3gp");
}

TEST_F(FormVideoFormatProfileTest, TheFormatBoxOpensTheMenuAtItsLowerLeftCorner) {
    dialog->move(40, 30);
    auto* format = Find<QComboBox>("ComboFormat");
    format->showPopup();
    EXPECT_TRUE(dialog->ProfileMenu()->isVisible());
    EXPECT_FALSE(format->view()->isVisible()) << "no list drops down";
    EXPECT_EQ(dialog->FormatMenuPosition(), format->mapToGlobal(QPoint(0, format->height())));
    EXPECT_EQ(dialog->ProfileMenu()->pos(), dialog->FormatMenuPosition());
    dialog->ProfileMenu()->hide();
}

TEST_F(FormVideoFormatProfileTest, TheKeyboardOpensTheMenuAndChoosesAProfile) {
    Find<QRadioButton>("Option2")->click();
    QList<int> chosen;
    QObject::connect(dialog->ProfileMenu(), &FormatMenu::ProfileChosen,
                     [&](int commandId) { chosen << commandId; });
    auto* format = Find<QComboBox>("ComboFormat");
    QTest::keyClick(format, Qt::Key_Down, Qt::AltModifier);
    QMenu* menu = dialog->ProfileMenu();
    ASSERT_TRUE(menu->isVisible());
    // Down to the first entry, into its submenus, and Enter on the first profile there.
    QTest::keyClick(menu, Qt::Key_Down);
    for (QMenu* open = menu; open->activeAction() != nullptr && open->activeAction()->menu();) {
        QTest::keyClick(open, Qt::Key_Right);
        QMenu* sub = open->activeAction()->menu();
        ASSERT_TRUE(sub->isVisible());
        if (sub->activeAction() == nullptr) {
            QTest::keyClick(sub, Qt::Key_Down);
        }
        open = sub;
        if (open->activeAction() != nullptr && open->activeAction()->menu() == nullptr) {
            QTest::keyClick(open, Qt::Key_Return);
            break;
        }
    }
    EXPECT_EQ(chosen.size(), 1);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(FormVideoFormatProfileTest, ChoosingAProfileSetsTheBoxSizeGridAndExtension) {
    Choose("iPhone - H.264 Video");
    auto* format = Find<QComboBox>("ComboFormat");
    ASSERT_EQ(format->count(), 1);
    EXPECT_EQ(format->currentText(), "iPhone - H.264 Video");
    EXPECT_EQ(Find<QComboBox>("ComboSize")->currentText(), "Custom...");
    EXPECT_EQ(Find<QLineEdit>("TextW")->text(), "480");
    EXPECT_EQ(Find<QLineEdit>("TextH")->text(), "320");
    EXPECT_TRUE(Find<QLineEdit>("TextW")->isEnabled());
    EXPECT_TRUE(Find<QLineEdit>("TextH")->isEnabled());
    EXPECT_EQ(dialog->focusWidget(), Find<QLineEdit>("TextW")) << "a profile size focuses width";
    EXPECT_EQ(GridValue(GridItem::FrameRate), "29.97");
    EXPECT_EQ(GridValue(GridItem::Channels), "2");
    EXPECT_EQ(GridValue(GridItem::AudioBitrate), "Auto");
    EXPECT_EQ(GridValue(GridItem::FilenameExtension), "mp4");
    EXPECT_EQ(dialog->Settings().FormatKey, "mp4h264");

    Choose("MPG - MPEG-2 Video (*.mpg)");
    EXPECT_EQ(format->currentText(), "MPG - MPEG-2 Video (*.mpg)");
    EXPECT_EQ(Find<QComboBox>("ComboSize")->currentText(), "Auto");
    EXPECT_EQ(Find<QLineEdit>("TextW")->text(), "");
    EXPECT_FALSE(Find<QLineEdit>("TextW")->isEnabled());
    EXPECT_EQ(GridValue(GridItem::FrameRate), "Auto");
    EXPECT_EQ(GridValue(GridItem::Channels), "Auto");
    EXPECT_EQ(GridValue(GridItem::FilenameExtension), "mpg");

    Choose("BlackBerry Charm 7100  - MPEG4 Video");
    EXPECT_EQ(format->currentText(), "BlackBerry Charm 7100  - MPEG4 Video");
    EXPECT_EQ(GridValue(GridItem::AudioBitrate), "96k");
    EXPECT_EQ(Find<QLineEdit>("TextH")->text(), "260");
}

TEST_F(FormVideoFormatProfileTest, ChoosingAProfileDiscardsManualChanges) {
    Find<QComboBox>("ComboSize")->setCurrentIndex(13);  // "1280 x 720"
    Find<QComboBox>("ComboVideoQ")->setCurrentIndex(0);
    Find<QComboBox>("ComboAudioQ")->setCurrentIndex(2);
    QStandardItemModel* grid = dialog->Grid()->Model();
    grid->setData(dialog->Grid()->ValueIndex(GridItem::VideoBitrate), "2000k");
    grid->setData(dialog->Grid()->ValueIndex(GridItem::AspectRate), "16:9");
    grid->setData(dialog->Grid()->ValueIndex(GridItem::RemoveAudio), Qt::Checked,
                  Qt::CheckStateRole);
    ASSERT_EQ(GridValue(GridItem::VideoBitrate), "2000k");
    ASSERT_TRUE(dialog->Settings().RemoveAudio);

    Choose("MP4 - H264 Video (*.mp4)");  // the current profile: still a full reset
    EXPECT_EQ(Find<QComboBox>("ComboSize")->currentIndex(), 0);
    EXPECT_EQ(Find<QComboBox>("ComboVideoQ")->currentText(), "Normal");
    EXPECT_EQ(Find<QComboBox>("ComboAudioQ")->currentText(), "Normal");
    EXPECT_EQ(GridValue(GridItem::VideoBitrate), "Auto");
    EXPECT_EQ(GridValue(GridItem::AspectRate), "Auto");
    EXPECT_EQ(dialog->Grid()->ValueIndex(GridItem::RemoveAudio).data(Qt::CheckStateRole).toInt(),
              Qt::Unchecked);
    EXPECT_TRUE(dialog->Grid()->ValueIndex(GridItem::AudioBitrate).flags() & Qt::ItemIsEnabled)
        << "the audio lock is lifted";
}

}  // namespace
}  // namespace veltrano

// The main window's commands: captions, order, keys, and each command reaching its action.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "tests/ui/main/form_main_harness.h"

namespace {

using namespace veltrano;
using namespace veltrano::testing_ui;

QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        texts << action->text();
    }
    return texts;
}

TEST(FormMainCommandsTest, CaptionsMenusAndToolbarInOrder) {
    MainWindowHarness h;
    FormMain& form = *h.form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Veltrano Video Joiner"));
    EXPECT_EQ(form.objectName(), QStringLiteral("FormMain"));
    EXPECT_EQ(form.size(), QSize(688, 468));

    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(Texts(menus), (QStringList{"File", "List", "Help"}));
    EXPECT_EQ(menus[0]->menu()->objectName(), QStringLiteral("ID_FILE"));
    EXPECT_EQ(menus[1]->menu()->objectName(), QStringLiteral("ID_LIST"));
    EXPECT_EQ(menus[2]->menu()->objectName(), QStringLiteral("ID_HELP"));
    EXPECT_EQ(Texts(menus[0]->menu()->actions()),
              (QStringList{"Add Files", "Join Files", "Exit     "}));
    EXPECT_EQ(
        Texts(menus[1]->menu()->actions()),
        (QStringList{"Select All", "Invert Selection", "Remove Selected Files", "Clear All"}));
    EXPECT_EQ(Texts(menus[2]->menu()->actions()),
              (QStringList{"Help Contents", "Website", "About..."}));

    QToolBar* toolbar = form.Toolbar();
    EXPECT_EQ(toolbar->windowTitle(), QStringLiteral("Toobar"));
    EXPECT_EQ(toolbar->objectName(), QStringLiteral("IDR_TOOBAR"));
    EXPECT_EQ(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QStringList captions, tips;
    for (QAction* action : toolbar->actions()) {
        captions << action->iconText();
        tips << action->toolTip();
        EXPECT_FALSE(action->icon().isNull()) << action->iconText().toStdString();
        QWidget* button = toolbar->widgetForAction(action);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->objectName(), action->objectName());
        EXPECT_EQ(button->accessibleName(), action->toolTip());
        // Our own artwork must actually render (the SVG icon engine is installed).
        EXPECT_FALSE(action->icon().pixmap(24, 24).isNull()) << action->iconText().toStdString();
    }
    EXPECT_EQ(captions, (QStringList{"Add", "Remove", "Play", "Move Up", "Move Down", "Join"}));
    EXPECT_EQ(tips, (QStringList{"Add Files", "Remove Selected Files", "Play", "Move Up",
                                 "Move Down", "Join Files"}));

    QMenu* context = form.ContextMenu();
    EXPECT_EQ(context->title(), QStringLiteral("List"));
    EXPECT_EQ(context->objectName(), QStringLiteral("IDR_LIST"));
    EXPECT_EQ(Texts(context->actions()), (QStringList{"Select All", "Invert Selection",
                                                      "Remove Selected Files", "Clear All"}));
}

TEST(FormMainCommandsTest, EveryActionCarriesItsIdentifierNameAndShortcut) {
    MainWindowHarness h;
    const struct {
        CommandId id;
        const char* name;
        const char* shortcut;
    } expected[] = {
        {CommandId::AddFiles, "ID_ADDFILES", "Ctrl+O"},
        {CommandId::Join, "ID_JOINTB", ""},
        {CommandId::Exit, "ID_EXIT", "Ctrl+E"},
        {CommandId::SelectAll, "ID_SELECTALL", "Ctrl+A"},
        {CommandId::InvertSelection, "ID_INVERTSELECTION", "Ctrl+Alt+I"},
        {CommandId::RemoveSelected, "ID_REMOVESELECTEDFILES", "Del"},
        {CommandId::ClearAll, "ID_CLEARALL", "Ctrl+L"},
        {CommandId::HelpContents, "ID_HELPCONTENTS", "F1"},
        {CommandId::Website, "ID_WEBSITE", ""},
        {CommandId::About, "ID_ABOUT", ""},
        {CommandId::Play, "ID_PLAY", ""},
        {CommandId::MoveUp, "ID_UP", ""},
        {CommandId::MoveDown, "ID_DOWN", ""},
    };
    for (const auto& entry : expected) {
        QAction* action = h.form->Action(entry.id);
        ASSERT_NE(action, nullptr) << entry.name;
        EXPECT_EQ(action->objectName(), QString::fromLatin1(entry.name));
        EXPECT_EQ(action->data().toInt(), static_cast<int>(entry.id)) << entry.name;
        EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText),
                  QString::fromLatin1(entry.shortcut))
            << entry.name;
    }
    EXPECT_EQ(h.form->Action(CommandId::AddFiles)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(h.form->Action(CommandId::RemoveSelected)->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(h.form->Action(CommandId::InvertSelection)->shortcut(),
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I));
}

TEST(FormMainCommandsTest, KeysReachTheirCommandsWhileTheWindowHasTheFocus) {
    MainWindowHarness h;
    h.AddRows(4);
    h.form->show();
    QApplication::setActiveWindow(h.form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    QWidget* list = h.form->ListView();
    list->setFocus();

    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    for (int row = 0; row < 4; ++row) {
        EXPECT_TRUE(h.list.IsSelected(row)) << row;
    }
    QTest::keyClick(list, Qt::Key_I, Qt::ControlModifier | Qt::AltModifier);
    for (int row = 0; row < 4; ++row) {
        EXPECT_FALSE(h.list.IsSelected(row)) << row;
    }
    QTest::keyClick(list, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(h.chooser.calls, 1);
    QTest::keyClick(list, Qt::Key_F1);
    ASSERT_EQ(h.links.opened.size(), 1);
    QTest::keyClick(list, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(h.list.Count(), 0);
    QTest::keyClick(list, Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(h.messages.Shown.size(), 1);
    EXPECT_EQ(h.messages.Shown[0].Text, QStringLiteral("Do you want to exit?"));
    EXPECT_TRUE(h.form->isVisible()) << "answered No";
}

TEST(FormMainCommandsTest, DeleteWithThreeSelectedRowsRemovesThem) {
    MainWindowHarness h;
    h.AddRows(5);
    h.form->show();
    QApplication::setActiveWindow(h.form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.form.get()));
    for (int row : {0, 2, 3}) {
        h.list.SetSelected(row, true);
    }
    h.form->ListView()->setFocus();
    QTest::keyClick(h.form->ListView(), Qt::Key_Delete);
    ASSERT_EQ(h.list.Count(), 2);
    EXPECT_TRUE(h.list.Row(0).SourcePath.endsWith(QLatin1String("/1.mp4")));
    EXPECT_TRUE(h.list.Row(1).SourcePath.endsWith(QLatin1String("/4.mp4")));
}

TEST(FormMainCommandsTest, ListCommandsReachTheList) {
    MainWindowHarness h;
    h.AddRows(3);
    h.form->Action(CommandId::SelectAll)->trigger();
    EXPECT_TRUE(h.list.IsSelected(0) && h.list.IsSelected(1) && h.list.IsSelected(2));
    h.form->Action(CommandId::InvertSelection)->trigger();
    EXPECT_FALSE(h.list.IsSelected(0) || h.list.IsSelected(1) || h.list.IsSelected(2));

    h.list.SetFocusedRow(1);
    const QString second = h.list.Row(1).SourcePath;
    h.form->Action(CommandId::MoveUp)->trigger();
    EXPECT_EQ(h.list.Row(0).SourcePath, second);
    h.form->Action(CommandId::MoveDown)->trigger();
    h.form->Action(CommandId::MoveDown)->trigger();
    EXPECT_EQ(h.list.Row(2).SourcePath, second);
    EXPECT_EQ(h.list.FocusedRow(), std::optional<int>(2));

    h.form->Action(CommandId::RemoveSelected)->trigger();  // the moved row is selected
    EXPECT_EQ(h.list.Count(), 2);
    h.form->Action(CommandId::ClearAll)->trigger();
    EXPECT_EQ(h.list.Count(), 0);
}

TEST(FormMainCommandsTest, WindowCommandsReachTheirOpenersAndLinks) {
    MainWindowHarness h;
    h.AddRows(2);
    h.form->Action(CommandId::Join)->trigger();
    h.form->Action(CommandId::About)->trigger();
    h.list.SetFocusedRow(1);
    h.form->Action(CommandId::Play)->trigger();
    EXPECT_EQ(h.openers.calls,
              (QStringList{"OutputSettings", "About", "Player " + h.list.Row(1).SourcePath}));
    EXPECT_EQ(h.openers.lastOwner, h.form.get());
    EXPECT_TRUE(h.messages.Shown.isEmpty());

    h.form->Action(CommandId::HelpContents)->trigger();
    h.form->Action(CommandId::Website)->trigger();
    ASSERT_EQ(h.links.opened.size(), 2);
    EXPECT_EQ(h.links.opened[0], QUrl::fromLocalFile(h.programDir.path() + "/help/index.html"));
    EXPECT_EQ(h.links.opened[1], QUrl("https://www.veltrano.example/video-joiner"));

    h.chooser.answer = QStringList{h.MakeFile("chosen.mkv", 3)};
    h.form->Action(CommandId::AddFiles)->trigger();
    EXPECT_EQ(h.chooser.calls, 1);
    EXPECT_EQ(h.list.Count(), 3);
    EXPECT_TRUE(h.list.IsSelected(2));
    EXPECT_EQ(h.chooser.lastRequest.Filters.size(), 17u);
    EXPECT_EQ(h.chooser.lastRequest.SelectedFilter, 0);
    EXPECT_TRUE(h.chooser.lastRequest.MultipleSelection);
}

TEST(FormMainCommandsTest, CommandsOnAnEmptyListAndUnknownIdentifiersDoNothing) {
    MainWindowHarness h;
    h.form->Dispatch(CommandId::MoveUp);
    h.form->Dispatch(CommandId::MoveDown);
    h.form->Dispatch(CommandId::RemoveSelected);
    h.form->Dispatch(1020);  // the File pop-up itself has no action
    h.form->Dispatch(4711);
    EXPECT_TRUE(h.openers.calls.isEmpty());
    EXPECT_TRUE(h.messages.Shown.isEmpty());
    EXPECT_EQ(h.list.Count(), 0);
}

TEST(FormMainCommandsTest, ClosingStopsTheJobAndStoresAnEmptyOutputFolderToo) {
    MainWindowHarness h;
    h.settings.Values[QStringLiteral("OutPath")] = QStringLiteral("/old/");
    h.form->show();
    EXPECT_TRUE(h.form->close()) << "the close is never refused";
    EXPECT_EQ(h.encoder.Calls.filter(QStringLiteral("StopJobs")), QStringList{"StopJobs false"});
    ASSERT_EQ(h.settings.Values.count(QStringLiteral("OutPath")), 1u);
    EXPECT_EQ(h.settings.Values[QStringLiteral("OutPath")], QString());
}

}  // namespace

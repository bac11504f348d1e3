// Every window as screen readers and voice control see it, on the offscreen platform: each
// caption on screen is part of its control's accessible name, values are in the names, and
// changes are announced.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "tests/app/player/fake_media_player.h"
#include "tests/ui/program/started_windows_test.h"
#include "ui/about/form_flash.h"
#include "ui/main/form_wait.h"
#include "ui/player/form_player.h"
#include "ui/player/qt_player_messages.h"
#include "ui/settings/qt_folder_browser.h"

namespace veltrano {
namespace {

QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// The text a sighted user reads on the widget, empty when it shows none.
QString Caption(QWidget* widget) {
    if (widget->isWindow()) {
        return widget->windowTitle();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text().remove(QLatin1Char('&'));
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        return group->title();
    }
    return QString();
}

// "window/object: caption not in name" for each control whose name hides its caption.
QStringList CaptionsMissingFromNames(QWidget* window) {
    QStringList missing;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        const QString caption = Caption(widget).trimmed();
        const QString name = AccessibleName(widget);
        if (!caption.isEmpty() && !name.contains(caption)) {
            missing << widget->window()->objectName() + "/" + widget->objectName() + ": \"" +
                           caption + "\" not in \"" + name + "\"";
        }
    }
    return missing;
}

using AccessibleWindowsTest = StartedWindowsTest;

TEST_F(AccessibleWindowsTest, EveryCaptionOnScreenIsInItsControlsName) {
    FormMain& main = program.MainWindow();
    QtFolderBrowser browser(&main);
    FormVideoFormat settings(
        program.Catalogue(), program.List(), program.Request(), messages, browser, QString(), [] {},
        &main);
    FormConverting progress(&main, program.Runner(), taskbar, sound, notice);
    progress.SetElapsedText(QStringLiteral("00:00:05"));
    progress.SetRemainingText(QStringLiteral("00:00:07"));
    progress.SetSizeText(QStringLiteral("1.2 MB"));
    progress.SetButtonCaption(QStringLiteral("Close"));
    FakeMediaPlayer engine;
    QtPlayerMessages playerMessages(&main);
    FormPlayer player(engine, playerMessages, program.Folder().Path(), &main);
    FormFlash about(&main, std::make_unique<FakeOneShotTimer>());
    FormWait wait(&main);

    QStringList missing;
    for (QWidget* window : std::initializer_list<QWidget*>{&main, &settings, &progress, &notice,
                                                           &player, &about, &wait}) {
        missing << CaptionsMissingFromNames(window);
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char('\n')).toStdString();

    // Longer explanations stay, as descriptions.
    auto* more = settings.findChild<QAbstractButton*>(QStringLiteral("BtnMore"));
    EXPECT_EQ(AccessibleName(more), QStringLiteral("More >>"));
    EXPECT_FALSE(more->accessibleDescription().isEmpty());
    // Fields without a caption of their own carry the caption beside them and their figure.
    EXPECT_EQ(AccessibleName(progress.findChild<QLineEdit*>(QStringLiteral("Text1"))),
              QStringLiteral("Time Elapsed: 00:00:05"));
    EXPECT_EQ(AccessibleName(progress.findChild<QLineEdit*>(QStringLiteral("Text3"))),
              QStringLiteral("Estimated Size: 1.2 MB"));
    EXPECT_TRUE(AccessibleName(main.TotalFilesPane()).startsWith(QStringLiteral("Total Files: ")));
}

// The offscreen platform has no accessibility bus to hear events on: the end-to-end test on
// the real bus hears them; here the names and roles they carry.
TEST_F(AccessibleWindowsTest, NewValuesAndCaptionsAreInTheNamesAndTheNoticeIsANotification) {
    FormConverting progress(&program.MainWindow(), program.Runner(), taskbar, sound, notice);
    progress.SetCaption(QStringLiteral("Join Finished!"));
    EXPECT_EQ(AccessibleName(&progress), QStringLiteral("Join Finished!"));
    auto* remaining = progress.findChild<QLineEdit*>(QStringLiteral("Text2"));
    EXPECT_EQ(AccessibleName(remaining), QStringLiteral("Remaining Time:"));
    progress.SetRemainingText(QStringLiteral("00:00:01"));
    EXPECT_EQ(AccessibleName(remaining), QStringLiteral("Remaining Time: 00:00:01"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&notice)->role(), QAccessible::Notification);
}

TEST_F(AccessibleWindowsTest, TheNoticeWorksFromTheKeyboard) {
    notice.ShowNoticeAt(QStringLiteral("/out"), QString(), QPoint(0, 0));
    EXPECT_EQ(notice.focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(&notice, Qt::Key_Escape);
    EXPECT_FALSE(notice.isVisible());
    EXPECT_TRUE(folderOpener.opened.isEmpty());
    notice.ShowNoticeAt(QStringLiteral("/out"), QString(), QPoint(0, 0));
    QTest::keyClick(&notice, Qt::Key_Return);
    EXPECT_FALSE(notice.isVisible());
    EXPECT_EQ(folderOpener.opened, QStringList{QStringLiteral("/out")});
}

}  // namespace
}  // namespace veltrano

#include "ui/progress/completion_notice.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include "tests/ui/progress/progress_test_fakes.h"
#include "ui/progress/close_button_strip.h"
#include "ui/progress/completion_notice_layout.h"
#include "ui/progress/form_converting.h"

namespace veltrano {
namespace {

using Layout = CompletionNoticeLayout;

TEST(CompletionNoticeLayoutTest, ItemsAndTheirClicks) {
    EXPECT_EQ(Layout::Size(), QSize(220, 70));
    EXPECT_EQ(Layout::BackgroundRect(), QRect(0, 0, 220, 70));
    EXPECT_EQ(Layout::MessageRect(), QRect(20, 30, 180, 70));
    EXPECT_EQ(Layout::TitleRect(), QRect(5, 0, 165, 25));
    EXPECT_EQ(Layout::CloseButtonRect(), QRect(200, 2, 18, 18));

    struct Case {
        QPoint point;
        int item;
    };
    for (const Case& c :
         {Case{{100, 45}, Layout::kMessageItem}, Case{{20, 30}, Layout::kMessageItem},
          Case{{199, 69}, Layout::kMessageItem}, Case{{209, 11}, Layout::kCloseItem},
          Case{{200, 2}, Layout::kCloseItem}, Case{{217, 19}, Layout::kCloseItem},
          Case{{218, 11}, Layout::kNoItem},  // right edge is exclusive
          Case{{50, 10}, Layout::kNoItem},   // title
          Case{{5, 60}, Layout::kNoItem},    // background
          Case{{100, 75}, Layout::kNoItem},  // message rectangle below the notice
          Case{{-1, 40}, Layout::kNoItem}}) {
        EXPECT_EQ(Layout::ItemAt(c.point), c.item) << c.point.x() << "," << c.point.y();
    }

    EXPECT_EQ(Layout::ActionFor(1), Layout::ClickAction::Close);
    EXPECT_EQ(Layout::ActionFor(2), Layout::ClickAction::Close);
    EXPECT_EQ(Layout::ActionFor(3), Layout::ClickAction::CloseAndOpenFolder);
    EXPECT_EQ(Layout::ActionFor(0), Layout::ClickAction::None);
    EXPECT_EQ(Layout::ActionFor(4), Layout::ClickAction::None);

    const QRect available(0, 0, 1280, 770);  // a panel takes the bottom 30 pixels
    const QRect placed(Layout::PlacementIn(available), Layout::Size());
    EXPECT_TRUE(available.contains(placed));
    EXPECT_LE(available.right() - placed.right(), 8);
    EXPECT_LE(available.bottom() - placed.bottom(), 8);
    const QRect offset(-1920, 100, 1920, 1080);  // a screen left of and below the primary one
    const QRect placedOffset(Layout::PlacementIn(offset), Layout::Size());
    EXPECT_TRUE(offset.contains(placedOffset));
    EXPECT_LE(offset.right() - placedOffset.right(), 8);
}

TEST(CloseButtonStripTest, ThreeDistinctLooksInOneStrip) {
    TestApplication();
    const QImage strip = CloseButtonStrip::Render(1.0).toImage();
    ASSERT_EQ(strip.size(), QSize(54, 18));
    const QImage normal = strip.copy(CloseButtonStrip::SourceRect(CloseButtonStrip::Look::Normal));
    const QImage highlighted =
        strip.copy(CloseButtonStrip::SourceRect(CloseButtonStrip::Look::Highlighted));
    const QImage pressed =
        strip.copy(CloseButtonStrip::SourceRect(CloseButtonStrip::Look::Pressed));
    EXPECT_NE(normal, highlighted);
    EXPECT_NE(highlighted, pressed);
    EXPECT_NE(normal, pressed);
    EXPECT_EQ(qAlpha(normal.pixel(9, 9)), 255) << "the cross crosses the centre";
    EXPECT_EQ(qAlpha(normal.pixel(1, 9)), 0) << "the normal look has no frame";
    EXPECT_GT(qAlpha(highlighted.pixel(1, 9)), 0) << "the highlighted look has one";
    const QImage sharp = CloseButtonStrip::Render(2.0).toImage();
    EXPECT_EQ(sharp.size(), QSize(108, 36));
}

class CompletionNoticeTest : public ProgressFixture {
protected:
    void Show() { notice.ShowNoticeAt(QStringLiteral("/videos/out/"), {}, QPoint(100, 100)); }
    void Click(QPoint at) { QTest::mouseClick(&notice, Qt::LeftButton, Qt::NoModifier, at); }
};

TEST_F(CompletionNoticeTest, ShowsForItsDisplayTimeThenHidesItself) {
    EXPECT_FALSE(notice.isVisible());
    Show();
    EXPECT_TRUE(notice.isVisible());
    EXPECT_EQ(notice.size(), QSize(220, 70));
    EXPECT_EQ(notice.pos(), QPoint(100, 100));
    EXPECT_TRUE(notice.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(notice.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(notice.accessibleName().isEmpty());
    EXPECT_TRUE(noticeTimer->running);
    EXPECT_EQ(noticeTimer->interval, 256 + 5000);

    noticeTimer->Fire();
    EXPECT_FALSE(notice.isVisible());
    EXPECT_TRUE(folderOpener.opened.isEmpty());
}

TEST_F(CompletionNoticeTest, TheMessageOpensTheOutputFolderAndRemovesTheNotice) {
    Show();
    Click(Layout::MessageRect().topLeft() + QPoint(90, 10));
    EXPECT_FALSE(notice.isVisible());
    EXPECT_EQ(folderOpener.opened, QStringList{QStringLiteral("/videos/out/")});
    EXPECT_FALSE(noticeTimer->running) << "nothing left to hide later";
}

TEST_F(CompletionNoticeTest, TheCloseButtonOnlyRemovesIt) {
    Show();
    Click(Layout::CloseButtonRect().center());
    EXPECT_FALSE(notice.isVisible());
    EXPECT_TRUE(folderOpener.opened.isEmpty());
}

TEST_F(CompletionNoticeTest, TitleAndBackgroundIgnoreClicks) {
    Show();
    Click(Layout::TitleRect().center());
    Click(QPoint(5, 60));
    EXPECT_TRUE(notice.isVisible());
    EXPECT_TRUE(folderOpener.opened.isEmpty());
    // A press on the message that ends elsewhere is no click.
    QTest::mousePress(&notice, Qt::LeftButton, Qt::NoModifier, QPoint(100, 45));
    QTest::mouseRelease(&notice, Qt::LeftButton, Qt::NoModifier, QPoint(5, 60));
    EXPECT_TRUE(notice.isVisible());
    EXPECT_TRUE(folderOpener.opened.isEmpty());
}

TEST_F(CompletionNoticeTest, TheCloseButtonLightsUpUnderThePointerAndGivesWayWhenPressed) {
    Show();
    const QRect button = Layout::CloseButtonRect();
    const QImage normal = notice.grab(button).toImage();
    // Sent directly: QTest's move goes through the shared cursor, which may already be there.
    QMouseEvent move(QEvent::MouseMove, QPointF(button.center()),
                     QPointF(notice.mapToGlobal(button.center())), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&notice, &move);
    const QImage highlighted = notice.grab(button).toImage();
    QTest::mousePress(&notice, Qt::LeftButton, Qt::NoModifier, button.center());
    const QImage pressed = notice.grab(button).toImage();
    EXPECT_NE(normal, highlighted);
    EXPECT_NE(highlighted, pressed);
    EXPECT_TRUE(notice.isVisible()) << "a press alone does not close";
    QTest::mouseRelease(&notice, Qt::LeftButton, Qt::NoModifier, button.center());
    EXPECT_FALSE(notice.isVisible());
}

TEST_F(CompletionNoticeTest, ANewNoticeReplacesTheOldOneAndStartsItsTimeAfresh) {
    Show();
    notice.ShowNoticeAt(QStringLiteral("/other/"), {}, QPoint(10, 20));
    EXPECT_EQ(noticeTimer->starts, 2);
    EXPECT_TRUE(noticeTimer->running);
    EXPECT_EQ(notice.pos(), QPoint(10, 20));
    Click(QPoint(100, 45));
    EXPECT_EQ(folderOpener.opened, QStringList{QStringLiteral("/other/")});
}

TEST_F(CompletionNoticeTest, AppearsAtTheBottomRightOfTheScreen) {
    notice.ShowNotice(QStringLiteral("/videos/out/"));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(notice.pos(), Layout::PlacementIn(available));
    EXPECT_TRUE(available.contains(notice.geometry()));
}

TEST_F(CompletionNoticeTest, PaintsItsItems) {
    Show();
    const QImage image = notice.grab().toImage();
    ASSERT_EQ(image.size(), QSize(220, 70));
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(Qt::black)) << "border";
    EXPECT_EQ(QColor(image.pixel(219, 69)), QColor(Qt::black)) << "border";
    EXPECT_EQ(QColor(image.pixel(3, 66)), QColor(255, 255, 225)) << "background";
    bool messageInk = false;
    for (int y = 30; y < 69 && !messageInk; ++y) {
        for (int x = 20; x < 200 && !messageInk; ++x) {
            messageInk = qGray(image.pixel(x, y)) < 128;
        }
    }
    EXPECT_TRUE(messageInk) << "the message is drawn";
}

// Records whether a window is blocked by a modal one, as Qt tells each window.
class BlockWatch : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked) {
            blocked = true;
        } else if (event->type() == QEvent::WindowUnblocked) {
            blocked = false;
        }
        return false;
    }
    bool blocked = false;
};

TEST_F(CompletionNoticeTest, StaysClickableWhileTheProgressWindowBlocksItsOwner) {
    QWidget owner;
    BlockWatch ownerWatch;
    BlockWatch noticeWatch;
    owner.installEventFilter(&ownerWatch);
    notice.installEventFilter(&noticeWatch);
    owner.show();
    FormConverting window(&owner, runner, taskbar, sound, notice);
    window.show();
    Show();
    EXPECT_TRUE(ownerWatch.blocked) << "the progress window is modal to its owner";
    EXPECT_FALSE(noticeWatch.blocked) << "the notice's message and close button still work";
    window.close();
}

}  // namespace
}  // namespace veltrano

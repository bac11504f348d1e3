#include "ui/about/form_flash.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTest>

#include "tests/ui/fake_one_shot_timer.h"
#include "tests/ui/test_application.h"
#include "ui/about/flash_artwork.h"

namespace veltrano {
namespace {

class FormFlashTest : public ::testing::Test {
protected:
    QApplication& app = TestApplication();
    FakeOneShotTimer* timer = new FakeOneShotTimer;  // owned by `window`
    FormFlash window{nullptr, std::unique_ptr<OneShotTimer>(timer)};
};

TEST_F(FormFlashTest, ShowsTheVersionAndNoticeInWhiteOverItsArtwork) {
    EXPECT_EQ(window.objectName(), QStringLiteral("FormFlash"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Veltrano Video Joiner"));
    EXPECT_EQ(window.size(), QSize(416, 228));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isModal());
    EXPECT_FALSE(window.accessibleName().isEmpty());

    QLabel* version = window.LabelVer();
    EXPECT_EQ(version->objectName(), QStringLiteral("LabelVer"));
    EXPECT_EQ(version->text(), QStringLiteral("Version 5.0"));
    EXPECT_EQ(version->pos(), QPoint(349, 12));
    EXPECT_GE(version->width(), 54);
    EXPECT_GE(version->width(), version->fontMetrics().horizontalAdvance(version->text()));
    EXPECT_LE(version->geometry().right(), 415) << "inside the window";
    EXPECT_EQ(version->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    QLabel* notice = window.NoticeLabel();
    EXPECT_EQ(notice->pos(), QPoint(28, 181));
    EXPECT_GE(notice->width(), 359);
    EXPECT_GE(notice->width(), notice->fontMetrics().horizontalAdvance(notice->text()));
    EXPECT_LE(notice->geometry().right(), 415) << "inside the window";
    EXPECT_TRUE(notice->font().bold());
    EXPECT_EQ(notice->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_FALSE(notice->text().isEmpty());
    EXPECT_FALSE(notice->accessibleName().isEmpty());

    const QImage art = FlashArtwork::Render();
    ASSERT_EQ(art.size(), QSize(416, 228));
    // Dark behind the white texts, so they read.
    EXPECT_LT(qGray(art.pixel(200, 187)), 80);
    EXPECT_LT(qGray(art.pixel(375, 18)), 110);
}

TEST_F(FormFlashTest, ClosesByItselfTenSecondsAfterItAppears) {
    EXPECT_FALSE(timer->running) << "the time counts from the window's appearance";
    window.show();
    EXPECT_TRUE(timer->running);
    EXPECT_EQ(timer->interval, 10000);
    timer->Fire();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FormFlashTest, AClickOnTheSurfaceClosesItAtOnce) {
    window.show();
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(200, 120));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(timer->running) << "nothing left to close later";
}

TEST_F(FormFlashTest, AClickOnATextDoesNotCloseIt) {
    window.show();
    QTest::mouseClick(window.LabelVer(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(window.NoticeLabel(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 6));
    EXPECT_TRUE(window.isVisible());
    QTest::mouseClick(&window, Qt::RightButton, Qt::NoModifier, QPoint(200, 120));
    EXPECT_TRUE(window.isVisible()) << "only a left click counts";
    EXPECT_TRUE(timer->running);
}

TEST_F(FormFlashTest, EachAboutIsAFreshWindowWithItsOwnTime) {
    window.show();
    timer->Fire();
    auto* secondTimer = new FakeOneShotTimer;
    FormFlash second{nullptr, std::unique_ptr<OneShotTimer>(secondTimer)};
    second.show();
    EXPECT_TRUE(second.isVisible());
    EXPECT_TRUE(secondTimer->running);
    EXPECT_EQ(secondTimer->interval, 10000);
}

// Under the program's skin (a style sheet on the owner, which stops the window's face reaching
// its children) the texts keep their boxes and fit in them.
TEST(FormFlashSkinTest, TextsKeepTheirBoxesAndFitUnderTheSkin) {
    TestApplication();
    QFile skinFile(QStringLiteral(VELTRANO_SKIN_FILE));
    ASSERT_TRUE(skinFile.open(QIODevice::ReadOnly));
    QWidget owner;
    owner.setStyleSheet(QString::fromUtf8(skinFile.readAll()));
    FormFlash window(&owner, std::make_unique<FakeOneShotTimer>());
    window.show();
    QLabel* version = window.LabelVer();
    EXPECT_EQ(version->geometry(), QRect(349, 12, 54, 13));
    EXPECT_LE(version->fontMetrics().horizontalAdvance(version->text()), version->width());
    EXPECT_LE(version->fontMetrics().height(), version->height());
    QLabel* notice = window.NoticeLabel();
    EXPECT_EQ(notice->geometry(), QRect(28, 181, 359, 13));
    EXPECT_LE(notice->fontMetrics().horizontalAdvance(notice->text()), notice->width());
    EXPECT_LE(notice->fontMetrics().height(), notice->height());
}

}  // namespace
}  // namespace veltrano

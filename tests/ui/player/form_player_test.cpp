#include "ui/player/form_player.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "tests/app/player/fake_media_player.h"

namespace veltrano {
namespace {

class RecordingMessages : public PlayerMessages {
public:
    void ShowPlain(const QString& text, const QString& title) override {
        Shown << "plain " + title + ": " + text;
    }
    void ShowCritical(const QString& text, const QString& title) override {
        Shown << "critical " + title + ": " + text;
    }
    QStringList Shown;
};

class FormPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<FormPlayer>(player, messages, "/opt/veltrano/");
        form->show();
    }
    template <typename T>
    T* Child(const char* name) {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    void Duration(qint64 us) { player.RaiseDuration(us); }

    FakeMediaPlayer player;
    RecordingMessages messages;
    std::unique_ptr<FormPlayer> form;
};

TEST_F(FormPlayerTest, ControlsCarryTheirNamesAndDesignPlaces) {
    EXPECT_EQ(form->size(), QSize(516, 347));
    for (const char* name : {"PicPlayer", "Picture2", "btnPause", "NaSlider1", "PicMute",
                             "NaSliderVol", "Label1", "Image1", "Image2"}) {
        QWidget* widget = Child<QWidget>(name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << name;
    }
    EXPECT_EQ(Child<QLabel>("Label1")->text(), "00:00:00/00:00:00");
    EXPECT_EQ(Child<QWidget>("PicPlayer")->geometry(), QRect(0, 0, 516, 315));
    EXPECT_EQ(Child<QWidget>("btnPause")->geometry(), QRect(12, 4, 29, 25));
    EXPECT_EQ(Child<QWidget>("NaSlider1")->geometry(), QRect(51, 326, 233, 12));
    EXPECT_EQ(Child<QWidget>("NaSliderVol")->geometry(), QRect(319, 324, 72, 13));
    EXPECT_FALSE(Child<QWidget>("Image1")->isVisible());
    EXPECT_EQ(form->PauseGlyph(), ";");
}

TEST_F(FormPlayerTest, ResizingKeepsTheRightGroupAtTheRight) {
    form->resize(816, 500);
    EXPECT_EQ(Child<QWidget>("Label1")->x(), 816 - 105 - 10);
    EXPECT_EQ(Child<QWidget>("NaSliderVol")->geometry(), QRect(619, 477, 72, 13));
    EXPECT_EQ(Child<QWidget>("NaSlider1")->width(), 533);
    EXPECT_EQ(Child<QWidget>("PicPlayer")->height(), 468);
}

TEST_F(FormPlayerTest, LoadPlaysIntoTheVideoAreaAndEventsDriveTheBar) {
    ASSERT_TRUE(form->Load("/clips/a.mp4", "00:03:20"));
    EXPECT_EQ(form->windowTitle(), "/clips/a.mp4");
    EXPECT_EQ(player.Window, dynamic_cast<VideoOutput*>(Child<QWidget>("PicPlayer")));
    Duration(200'400'000);
    player.RaisePosition(65'500'000);
    EXPECT_EQ(Child<QLabel>("Label1")->text(), "00:01:06/00:03:20");
    const auto* seek = Child<NaSlider>("NaSlider1");
    EXPECT_EQ(seek->State().Max(), 2000);
    EXPECT_EQ(seek->State().Value(), 660);
    player.RaiseState(kPlayStateEnded);
    EXPECT_EQ(form->PauseGlyph(), "4");
    EXPECT_EQ(seek->State().Value(), 0);
}

TEST_F(FormPlayerTest, ButtonsAndIconToggle) {
    ASSERT_TRUE(form->Load("/clips/a.mp4", "00:00:10"));
    QTest::mouseClick(Child<QPushButton>("btnPause"), Qt::LeftButton);
    EXPECT_EQ(form->PauseGlyph(), "4");
    EXPECT_TRUE(player.Paused);
    QTest::mouseClick(Child<QPushButton>("btnPause"), Qt::LeftButton);
    EXPECT_EQ(form->PauseGlyph(), ";");
    QTest::mouseClick(Child<QWidget>("PicMute"), Qt::LeftButton);
    EXPECT_TRUE(form->ShowsMutedPicture());
    EXPECT_TRUE(player.Muted);
    QTest::mouseClick(Child<QWidget>("PicMute"), Qt::LeftButton);
    EXPECT_FALSE(form->ShowsMutedPicture());
    EXPECT_FALSE(player.Muted);
}

TEST_F(FormPlayerTest, ReleasingTheSeekBarSeeksAndTheClickSetsTheFill) {
    ASSERT_TRUE(form->Load("/clips/a.mp4", "00:01:40"));
    Duration(100'000'000);
    player.Calls.clear();
    auto* seek = Child<NaSlider>("NaSlider1");
    seek->resize(400, 12);
    QTest::mouseClick(seek, Qt::LeftButton, {}, QPoint(200, 6));
    ASSERT_FALSE(player.Calls.isEmpty());
    EXPECT_EQ(player.Calls.first(), "Seek 50000000 0 0");
    EXPECT_EQ(seek->State().SelLength(), seek->State().Value());
}

TEST_F(FormPlayerTest, TheKeyboardAloneSeeksSetsTheVolumeAndMutes) {
    ASSERT_TRUE(form->Load("/clips/a.mp4", "00:01:40"));
    Duration(100'000'000);
    player.Calls.clear();
    auto* seek = Child<NaSlider>("NaSlider1");
    EXPECT_EQ(seek->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(seek, Qt::Key_End);
    EXPECT_EQ(seek->State().Value(), seek->State().Max());
    EXPECT_TRUE(player.Calls.contains("Seek 100000000 0 0"))
        << player.Calls.join(", ").toStdString();
    player.Calls.clear();
    QTest::keyClick(seek, Qt::Key_Home);
    EXPECT_TRUE(player.Calls.contains("Seek 0 0 0")) << player.Calls.join(", ").toStdString();
    player.Calls.clear();
    QTest::keyClick(seek, Qt::Key_Right);
    ASSERT_FALSE(player.Calls.isEmpty());
    EXPECT_TRUE(player.Calls.first().startsWith("Seek ")) << player.Calls.first().toStdString();

    auto* volume = Child<NaSlider>("NaSliderVol");
    QTest::keyClick(volume, Qt::Key_Home);
    EXPECT_EQ(player.Volume, 0);
    QTest::keyClick(volume, Qt::Key_End);
    EXPECT_EQ(player.Volume, 128);

    auto* mute = Child<QLabel>("PicMute");
    EXPECT_EQ(mute->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(mute, Qt::Key_Space);
    EXPECT_TRUE(player.Muted);
    QTest::keyClick(mute, Qt::Key_Return);
    EXPECT_FALSE(player.Muted);
}

TEST_F(FormPlayerTest, TheDisplaySizeTickFollowsTheVideoArea) {
    ASSERT_TRUE(form->Load("/clips/a.mp4", "00:00:10"));
    player.Calls.clear();
    form->Controller().OnDisplaySizeTick();
    EXPECT_EQ(player.Calls, (QStringList{"ScreenWidth 516", "ApplyDisplaySize"}));
}

TEST_F(FormPlayerTest, AnUnplayableFileShowsThePlainBoxAndTheWindowStays) {
    player.PlaySucceeds = false;
    player.ErrorText = "Cannot open file: nothing there";
    EXPECT_TRUE(form->Load("/clips/none.mp4", ""));
    ASSERT_EQ(messages.Shown.size(), 1);
    EXPECT_TRUE(messages.Shown[0].startsWith("plain "));
    EXPECT_TRUE(messages.Shown[0].endsWith("Cannot open file: nothing there"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(FormPlayerTest, ClosingReleasesThePlayerOnce) {
    ASSERT_TRUE(form->Load("/clips/a.mp4", "00:00:10"));
    player.Calls.clear();
    form->close();
    EXPECT_EQ(player.Calls, (QStringList{"ClosePlayer 0"}));
    form.reset();
    EXPECT_EQ(player.Calls, (QStringList{"ClosePlayer 0"}));
}

}  // namespace
}  // namespace veltrano

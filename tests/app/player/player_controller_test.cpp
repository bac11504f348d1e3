#include "app/player/player_controller.h"

#include <gtest/gtest.h>

#include "tests/app/player/fake_media_player.h"

namespace veltrano {
namespace {

class RecordingView : public PlayerView, public VideoOutput {
public:
    void SetCaption(const QString& caption) override { Caption = caption; }
    void SetPositionText(const QString& text) override { PositionText = text; }
    void ShowPlayGlyph(bool play) override { Glyph = play ? "4" : ";"; }
    void ShowMutedPicture(bool muted) override { Picture = muted ? "Image1" : "Image2"; }
    void SetBusyPointer(bool busy) override { Log << (busy ? "busy" : "normal"); }
    void DropTopmost() override { Log << "DropTopmost"; }
    void Delay(int ms) override { Log << QString("Delay %1").arg(ms); }
    VideoOutput* VideoArea() override { return this; }
    int VideoAreaWidth() const override { return Width; }
    int VideoAreaHeight() const override { return Height; }
    void EndProgram() override { Log << "EndProgram"; }
    void ShowPicture(const VideoPicture&) override {}
    void Invalidate() override { Log << "Invalidate"; }
    void Clear() override {}

    QString Caption, PositionText, Glyph, Picture;
    QStringList Log;
    int Width = 516;
    int Height = 315;
};

class RecordingMessages : public PlayerMessages {
public:
    explicit RecordingMessages(QStringList& log) : log_(log) {}
    void ShowPlain(const QString& text, const QString& title) override {
        log_ << QString("plain [%1]: %2").arg(title, text);
    }
    void ShowCritical(const QString& text, const QString& title) override {
        log_ << QString("critical [%1]: %2").arg(title, text);
    }

private:
    QStringList& log_;
};

class PlayerControllerTest : public testing::Test {
protected:
    PlayerControllerTest()
        : seekBar(kNaSliderSkin),
          volumeBar(kNaSlider1Skin),
          messages(view.Log),
          controller(player, view, messages, "Veltrano Video Joiner", seekBar, volumeBar) {
        seekBar.Resize(400 * 15, 12 * 15);
        volumeBar.Resize(72 * 15, 13 * 15);
        controller.InitSliders();
    }

    void Open(qint64 durationUs) {
        ASSERT_TRUE(controller.Load("/clips/a.mp4", "00:03:20", "/opt/veltrano"));
        player.RaiseDuration(durationUs);
        controller.OnDurationKnown(static_cast<quint32>(durationUs),
                                   static_cast<qint32>(durationUs >> 32));
        player.Calls.clear();
        view.Log.clear();
    }
    void Position(qint64 us) {
        controller.OnPositionChanged(static_cast<quint32>(us), static_cast<qint32>(us >> 32));
    }

    FakeMediaPlayer player;
    RecordingView view;
    SliderState seekBar;
    SliderState volumeBar;
    RecordingMessages messages;
    PlayerController controller;
};

TEST_F(PlayerControllerTest, SlidersGetTheirDesignValues) {
    EXPECT_EQ(seekBar.BackColor(), 0xF0F0F0u);
    EXPECT_EQ(seekBar.SmallChange(), 0);
    EXPECT_EQ(seekBar.LargeChange(), 0);
    EXPECT_FALSE(seekBar.ShowTicks());
    EXPECT_EQ(seekBar.Max(), 1000);
    EXPECT_EQ(volumeBar.BackColor(), 0x8000000Au);
    EXPECT_EQ(volumeBar.Value(), 128);
    EXPECT_EQ(volumeBar.Max(), 128);
    EXPECT_EQ(volumeBar.SelLength(), 128);
    EXPECT_FALSE(volumeBar.ShowTicks());
}

TEST_F(PlayerControllerTest, LoadPlaysTheFileIntoTheVideoArea) {
    player.Loaded = false;
    ASSERT_TRUE(controller.Load("/clips/a.mp4", "00:03:20", "/opt/veltrano/"));
    EXPECT_EQ(view.Caption, "/clips/a.mp4");
    EXPECT_EQ(controller.ShownDuration(), "00:03:20");
    EXPECT_EQ(player.Calls, (QStringList{"IsEngineLoaded", "LoadEngine /opt/veltrano/LibAV 1",
                                         "PlayFile /clips/a.mp4 0"}));
    EXPECT_EQ(player.Window, &view);
    EXPECT_EQ(view.Picture, "Image2");
    EXPECT_EQ(view.Glyph, ";");
}

TEST_F(PlayerControllerTest, AMissingEngineEndsTheProgram) {
    player.Loaded = false;
    player.LoadSucceeds = false;
    EXPECT_FALSE(controller.Load("/clips/a.mp4", "00:00:01", "/opt/veltrano"));
    EXPECT_EQ(view.Log,
              (QStringList{"critical [Veltrano Video Joiner]: Video lib not found", "EndProgram"}));
    EXPECT_FALSE(player.Calls.join(",").contains("PlayFile"));
}

TEST_F(PlayerControllerTest, AnUnplayableFileShowsTheEngineTextAndStaysOpen) {
    player.PlaySucceeds = false;
    player.ErrorText = "Cannot open file: Invalid data found when processing input";
    EXPECT_TRUE(controller.Load("/clips/bad.txt", "", "/opt/veltrano"));
    EXPECT_EQ(view.Log, (QStringList{"plain [Veltrano Video Joiner]: Cannot open file: Invalid "
                                     "data found when processing input"}));
    EXPECT_FALSE(view.Log.contains("EndProgram"));
}

TEST_F(PlayerControllerTest, DurationSetsTheSeekBarScaleInTenths) {
    Open(200'400'000);
    EXPECT_EQ(seekBar.Max(), 2000);
    Open(2'500'000);  // 2.5 s rounds to the even 2
    EXPECT_EQ(seekBar.Max(), 20);
}

TEST_F(PlayerControllerTest, PositionsAreIgnoredUntilTheDurationIsKnown) {
    ASSERT_TRUE(controller.Load("/clips/a.mp4", "00:03:20", "/opt/veltrano"));
    Position(5'000'000);
    EXPECT_EQ(seekBar.Value(), 0);
    EXPECT_TRUE(view.PositionText.isEmpty());
    controller.OnDurationKnown(0, 0);
    Position(5'000'000);
    EXPECT_EQ(seekBar.Value(), 0);
}

TEST_F(PlayerControllerTest, PositionRoundsHalfToEvenAndMovesBarFillAndText) {
    Open(200'400'000);
    Position(65'500'000);
    EXPECT_EQ(seekBar.Value(), 660);
    EXPECT_EQ(seekBar.SelLength(), 660);
    EXPECT_EQ(view.PositionText, "00:01:06/00:03:20");
    Position(64'500'000);  // to the even 64
    EXPECT_EQ(view.PositionText, "00:01:04/00:03:20");
    Position(0);  // not positive: ignored
    EXPECT_EQ(seekBar.Value(), 640);
}

TEST_F(PlayerControllerTest, PlayingDropsTopmostAndRepaintsTheVideoWindow) {
    Open(10'000'000);
    controller.OnStateChanged(kPlayStatePlaying);
    EXPECT_EQ(view.Log, (QStringList{"DropTopmost", "Invalidate"}));
    player.Window = nullptr;
    view.Log.clear();
    controller.OnStateChanged(kPlayStatePlaying);
    EXPECT_EQ(view.Log, (QStringList{"DropTopmost"}));
    view.Log.clear();
    controller.OnStateChanged(kPlayStatePaused);
    EXPECT_TRUE(view.Log.isEmpty());
}

TEST_F(PlayerControllerTest, EndOfStreamRewindsBarAndTextPausesAndShowsPlay) {
    Open(10'000'000);
    Position(9'000'000);
    controller.OnStateChanged(kPlayStateEnded);
    EXPECT_EQ(player.Calls, (QStringList{"Seek 0 4 0", "Pause"}));
    EXPECT_EQ(seekBar.Value(), 0);
    EXPECT_EQ(seekBar.SelLength(), 0);
    EXPECT_EQ(view.PositionText, "00:00:00/00:03:20");
    EXPECT_EQ(view.Glyph, "4");
}

TEST_F(PlayerControllerTest, PauseButtonShowsTheGlyphOfTheNewState) {
    Open(10'000'000);
    controller.OnPauseClicked();
    EXPECT_EQ(view.Glyph, "4");
    controller.OnPauseClicked();
    EXPECT_EQ(view.Glyph, ";");
    EXPECT_EQ(player.Calls, (QStringList{"TogglePause", "TogglePause"}));
}

TEST_F(PlayerControllerTest, MutingTwiceRestoresSpeakerAndSound) {
    Open(10'000'000);
    controller.OnMuteClicked();
    EXPECT_EQ(view.Picture, "Image1");
    EXPECT_TRUE(player.Muted);
    controller.OnMuteClicked();
    EXPECT_EQ(view.Picture, "Image2");
    EXPECT_FALSE(player.Muted);
}

TEST_F(PlayerControllerTest, ReleasingTheSeekBarAtItsMiddleSeeksThere) {
    Open(100'000'000);
    controller.OnSeekBarMouseUp(kButtonLeft, 200 * 15);  // the middle of 400 pixels
    EXPECT_EQ(seekBar.Value(), 500);
    EXPECT_EQ(seekBar.SelLength(), 500);
    EXPECT_EQ(player.Calls, (QStringList{"Seek 50000000 0 0"}));
    EXPECT_EQ(view.Log, (QStringList{"busy", "normal"}));
}

TEST_F(PlayerControllerTest, ReleasingPastTheEndKeepsTheValueAndSeeksToIt) {
    Open(100'000'000);
    seekBar.SetValue(300);
    controller.OnSeekBarMouseUp(kButtonLeft, 450 * 15);
    EXPECT_EQ(seekBar.Value(), 300);
    EXPECT_EQ(player.Calls, (QStringList{"Seek 30000000 0 0"}));
    player.Calls.clear();
    controller.OnSeekBarMouseUp(kButtonLeft, -10);
    EXPECT_EQ(player.Calls, (QStringList{"Seek 30000000 0 0"}));
}

TEST_F(PlayerControllerTest, SeekingWhilePausedOrStoppedResumesPausesWaitsAndSeeksAgain) {
    Open(100'000'000);
    player.States = {kPlayStatePaused, kPlayStatePaused};
    controller.OnSeekBarMouseUp(kButtonLeft, 100 * 15);
    EXPECT_EQ(player.Calls,
              (QStringList{"Seek 25000000 0 0", "Resume", "Pause", "Seek 25000000 0 0"}));
    EXPECT_EQ(view.Log, (QStringList{"busy", "Delay 50", "normal"}));
    player.Calls.clear();
    player.States = {kPlayStatePlaying, kPlayStateStopped};  // the second reading counts too
    controller.OnSeekBarMouseUp(kButtonLeft, 100 * 15);
    EXPECT_EQ(player.Calls.size(), 4);
    player.Calls.clear();
    player.States = {kPlayStateStopped, kPlayStatePlaying};
    controller.OnSeekBarMouseUp(kButtonLeft, 100 * 15);
    EXPECT_EQ(player.Calls, (QStringList{"Seek 25000000 0 0"}));
}

TEST_F(PlayerControllerTest, OtherButtonsAndUnknownDurationsDoNotSeek) {
    Open(100'000'000);
    controller.OnSeekBarMouseUp(kButtonRight, 100 * 15);
    EXPECT_TRUE(player.Calls.isEmpty());
    EXPECT_TRUE(view.Log.isEmpty());
    PlayerController fresh(player, view, messages, "", seekBar, volumeBar);  // no DurationKnown yet
    seekBar.SetMax(0);
    fresh.OnSeekBarMouseUp(kButtonLeft, 100 * 15);
    EXPECT_TRUE(player.Calls.isEmpty());
}

TEST_F(PlayerControllerTest, VolumeReleaseSetsTheEngineVolume) {
    Open(10'000'000);
    controller.OnVolumeBarMouseUp(kButtonLeft, 36 * 15);
    EXPECT_EQ(volumeBar.Value(), 64);
    EXPECT_EQ(volumeBar.SelLength(), 64);
    EXPECT_EQ(player.Calls, (QStringList{"AudioVolume 64"}));
    controller.OnVolumeBarMouseUp(kButtonLeft, 100 * 15);  // past the end: unchanged
    EXPECT_EQ(player.Calls.last(), "AudioVolume 64");
    controller.OnVolumeBarMouseUp(kButtonMiddle, 0);
    EXPECT_EQ(player.Calls.size(), 2);
    volumeBar.SetValue(20);
    controller.OnVolumeBarClick();
    EXPECT_EQ(volumeBar.SelLength(), 20);
}

TEST_F(PlayerControllerTest, DisplaySizeMakesOneChangePerTick) {
    view.Width = 600;
    view.Height = 400;
    QStringList expected[] = {{"ScreenWidth 600", "ApplyDisplaySize"},
                              {"ScreenHeight 400", "ApplyDisplaySize"},
                              {"FrameWidth 600", "ApplyDisplaySize"},
                              {"FrameHeight 400", "ApplyDisplaySize"},
                              {}};
    for (const QStringList& calls : expected) {
        player.Calls.clear();
        controller.OnDisplaySizeTick();
        EXPECT_EQ(player.Calls, calls);
    }
}

TEST_F(PlayerControllerTest, CloseReleasesThePlayer) {
    Open(10'000'000);
    controller.Close();
    EXPECT_EQ(player.Calls, (QStringList{"ClosePlayer 0"}));
}

}  // namespace
}  // namespace veltrano

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "engine/player/ff_player.h"
#include "tests/support/media_tools.h"
#include "ui/player/form_player.h"

namespace veltrano {
namespace {

constexpr int kGenerousMs = 60'000;

class NoMessages : public PlayerMessages {
public:
    void ShowPlain(const QString& text, const QString&) override { Shown << text; }
    void ShowCritical(const QString& text, const QString&) override { Shown << text; }
    QStringList Shown;
};

TEST(FormPlayerMediaTest, PlaysAClipToItsEndAndRewinds) {
    QTemporaryDir dir;
    const QString clip = dir.filePath("clip.mp4");
    ASSERT_TRUE(media_tools::MakeClip(
        clip, 2.0, 320, 240, "25",
        {"-c:v", "libx264", "-g", "25", "-pix_fmt", "yuv420p", "-c:a", "aac"}));
    FFPlayer player(FFPlayer::Options{false});
    NoMessages messages;
    FormPlayer form(player, messages, dir.path());
    form.show();
    ASSERT_TRUE(form.Load(clip, "00:00:02"));
    auto* video = form.findChild<VideoSurface*>("PicPlayer");
    auto* label = form.findChild<QLabel*>("Label1");
    auto* seek = form.findChild<NaSlider*>("NaSlider1");
    ASSERT_TRUE(video && label && seek);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !video->Picture().isNull(); }, kGenerousMs));
    EXPECT_EQ(form.PauseGlyph(), ";");
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.PauseGlyph() == "4"; }, kGenerousMs));
    // The end: rewound to the start, paused, the bar and the position text at 0.
    EXPECT_TRUE(player.IsPaused());
    EXPECT_EQ(seek->State().Value(), 0);
    EXPECT_EQ(seek->State().Max(), 20);
    EXPECT_EQ(label->text(), "00:00:00/00:00:02");
    EXPECT_TRUE(messages.Shown.isEmpty());

    form.close();
    EXPECT_EQ(player.PlayState(), kPlayStateClosed);
}

TEST(FormPlayerMediaTest, AnUnplayableFileLeavesTheWindowOpenWithTheReason) {
    QTemporaryDir dir;
    FFPlayer player(FFPlayer::Options{false});
    NoMessages messages;
    FormPlayer form(player, messages, dir.path());
    form.show();
    EXPECT_TRUE(form.Load(dir.filePath("missing.mp4"), "00:00:00"));
    ASSERT_EQ(messages.Shown.size(), 1);
    EXPECT_TRUE(messages.Shown[0].startsWith("Cannot open file"));
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
}  // namespace veltrano

#include "ui/player/na_slider.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>
#include <QTest>

namespace veltrano {
namespace {

// Widgets need the application that the test environment makes (test_application.cpp).
class NaSliderTest : public testing::Test {};

TEST_F(NaSliderTest, BothSkinsKeepTheirArtworkSizesAndResizeInTwips) {
    NaSlider seek(NaSlider::Skin::NaSlider);
    seek.resize(300, 12);
    seek.show();  // hidden widgets get their resize on showing
    EXPECT_EQ(seek.State().WidthTwips(), 4500);
    EXPECT_EQ(seek.State().Travel(), 4500 - 240);
    NaSlider volume(NaSlider::Skin::NaSlider1);
    volume.resize(72, 13);
    EXPECT_EQ(volume.State().HalfThumb(), 90);
    const SliderArtwork art = MakeSliderArtwork(kNaSlider1Skin, 2.0);
    EXPECT_EQ(art.Track.width(), 134);  // 67 px at twice the density
    EXPECT_EQ(art.Track.deviceIndependentSize().toSize(), QSize(67, 15));
    EXPECT_EQ(art.Thumb.deviceIndependentSize().toSize(), QSize(12, 15));
}

TEST_F(NaSliderTest, AClickWithTheMouseMovesTheValueAndReportsInOrder) {
    NaSlider slider(NaSlider::Skin::NaSlider);
    slider.resize(128, 12);  // 1920 twips, travel 1680
    slider.show();
    QStringList events;
    SliderState& state = slider.State();
    QObject::connect(&state, &SliderState::MouseDownEvent, [&](int button, int, float, float) {
        events << QString("Down %1").arg(button);
    });
    QObject::connect(&state, &SliderState::MouseUpEvent,
                     [&](int, int, float x, float) { events << QString("Up %1").arg(x); });
    QObject::connect(&state, &SliderState::ClickEvent,
                     [&] { events << QString("Click %1").arg(state.Value()); });
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(64, 6));
    // x = 960 twips: v = 1000 / 1680 * (960 - 120) = 500.
    EXPECT_EQ(events, (QStringList{"Down 1", "Up 960", "Click 500"}));
    events.clear();
    QTest::mouseClick(&slider, Qt::RightButton, {}, QPoint(100, 6));
    EXPECT_EQ(events, (QStringList{"Down 2", "Up 1500"}));
    EXPECT_EQ(state.Value(), 500);
}

TEST_F(NaSliderTest, ArrowKeysStepAndHomeDoesNothing) {
    NaSlider slider(NaSlider::Skin::NaSlider);
    slider.resize(128, 12);
    slider.show();
    slider.State().SetValue(50);
    QList<int> codes;
    QObject::connect(&slider.State(), &SliderState::KeyDownEvent,
                     [&](int code, int) { codes << code; });
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_PageDown);
    QTest::keyClick(&slider, Qt::Key_Home);
    QTest::keyClick(&slider, Qt::Key_Up);
    EXPECT_EQ(slider.State().Value(), 61);
    EXPECT_EQ(codes, (QList<int>{kKeyRight, kKeyPageDown, kKeyHome, kKeyUp}));
}

TEST_F(NaSliderTest, PaintDrawsTheThumbWhereTheStateSaysAndTheDisabledThumbGrey) {
    NaSlider slider(NaSlider::Skin::NaSlider1);
    slider.resize(72, 15);
    slider.State().SetShowTicks(false);
    slider.State().SetBackColor(0xFFFFFF);
    int paints = 0;
    QObject::connect(&slider.State(), &SliderState::PaintEvent, [&] { ++paints; });
    slider.State().SetValue(1000);
    QImage image = slider.grab().toImage();
    EXPECT_GE(paints, 1);
    // The thumb sits at the right end: its middle column is not the white background.
    const int thumbMiddle = 72 - 6;
    EXPECT_NE(image.pixelColor(thumbMiddle, 4), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(thumbMiddle - 30, 1), QColor(Qt::white));
    const QColor enabledColour = image.pixelColor(thumbMiddle - 3, 7);
    slider.State().SetEnabled(false);
    image = slider.grab().toImage();
    const QColor disabledColour = image.pixelColor(thumbMiddle - 3, 7);
    EXPECT_EQ(disabledColour.red(), disabledColour.blue());  // grey
    EXPECT_NE(enabledColour, disabledColour);
}

TEST_F(NaSliderTest, TransparentBackStyleLeavesTheBackgroundUnpainted) {
    QWidget host;
    host.setAutoFillBackground(true);
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    host.setPalette(palette);
    NaSlider slider(NaSlider::Skin::NaSlider1, &host);
    slider.setGeometry(0, 0, 72, 15);
    slider.State().SetShowTicks(false);
    slider.State().SetBackColor(0xFFFFFF);
    host.resize(80, 20);
    host.show();
    const QPoint empty(40, 0);  // above the groove, left of the thumb
    EXPECT_EQ(host.grab().toImage().pixelColor(empty), QColor(Qt::white));
    slider.State().SetBackStyle(0);
    EXPECT_EQ(host.grab().toImage().pixelColor(empty), QColor(10, 200, 30));
}

TEST_F(NaSliderTest, SystemColourValuesFollowThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    EXPECT_EQ(NaSlider::ColorFromValue(0x8000000A, palette), QColor(1, 2, 3));
    EXPECT_EQ(NaSlider::ColorFromValue(15916757, palette), QColor(213, 222, 242));
}

}  // namespace
}  // namespace veltrano

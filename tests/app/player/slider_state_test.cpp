#include "app/player/slider_state.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace veltrano {
namespace {

// A slider 2000 twips wide with the seek skin: halfThumb 120, travel 2000 - 240 = 1760.
class SliderStateTest : public testing::Test {
protected:
    SliderStateTest() : slider(kNaSliderSkin) {
        slider.Resize(2000, 165);
        QObject::connect(&slider, &SliderState::RepaintRequested,
                         [this](bool clear) { events << (clear ? "ClearRepaint" : "Repaint"); });
        QObject::connect(&slider, &SliderState::MouseDownEvent,
                         [this](int, int, float, float) { events << "MouseDown"; });
        QObject::connect(&slider, &SliderState::MouseMoveEvent,
                         [this](int, int, float, float) { events << "MouseMove"; });
        QObject::connect(&slider, &SliderState::MouseUpEvent,
                         [this](int, int, float, float) { events << "MouseUp"; });
        QObject::connect(&slider, &SliderState::ClickEvent, [this] { events << "Click"; });
        QObject::connect(&slider, &SliderState::KeyDownEvent,
                         [this](int code, int) { events << QString("KeyDown %1").arg(code); });
    }

    SliderState slider;
    QStringList events;
};

TEST_F(SliderStateTest, ValueIsClampedToMaxThenMin) {
    slider.SetValue(5000);
    EXPECT_EQ(slider.Value(), 1000);
    slider.SetValue(-5);
    EXPECT_EQ(slider.Value(), 0);
    slider.SetMin(10);
    slider.SetMax(5);
    slider.SetValue(7);
    EXPECT_EQ(slider.Value(), 10);
    slider.SetValue(-100);
    EXPECT_EQ(slider.Value(), 10);
}

TEST_F(SliderStateTest, OnlyValueAndSelectionRepaint) {
    slider.SetValue(500);
    slider.SetMax(100);  // below Value: stored only, no re-clamp, no repaint
    slider.SetMin(0);
    slider.SetTickNumber(5);
    slider.SetSelStart(3);
    slider.SetSelLength(20);
    EXPECT_EQ(slider.Value(), 500);
    EXPECT_EQ(events, (QStringList{"Repaint", "ClearRepaint", "ClearRepaint"}));
    // The thumb of a value above Max stands at the end of the travel.
    EXPECT_EQ(slider.Geometry().ThumbX, slider.Travel());
}

TEST_F(SliderStateTest, ResizeComputesHalfThumbAndTravelForBothSkins) {
    EXPECT_EQ(slider.HalfThumb(), 120);
    EXPECT_EQ(slider.Travel(), 1760);
    SliderState small(kNaSlider1Skin);
    small.Resize(72 * 15, 13 * 15);
    EXPECT_EQ(small.HalfThumb(), 90);
    EXPECT_EQ(small.Travel(), 72 * 15 - 180);
}

TEST_F(SliderStateTest, ArrowAndPageKeysStepAndStopAtTheBounds) {
    slider.SetMin(5);
    slider.SetValue(6);
    events.clear();
    slider.KeyDown(kKeyLeft, 0);
    EXPECT_EQ(slider.Value(), 5);
    slider.KeyDown(kKeyPageDown, 0);
    EXPECT_EQ(slider.Value(), 15);
    slider.KeyDown(kKeyRight, 0);
    EXPECT_EQ(slider.Value(), 16);
    slider.KeyDown(kKeyPageUp, 0);
    EXPECT_EQ(slider.Value(), 6);
    slider.KeyDown(kKeyPageUp, 0);
    EXPECT_EQ(slider.Value(), 5);
    slider.SetValue(995);
    slider.KeyDown(kKeyPageDown, 0);
    EXPECT_EQ(slider.Value(), 1000);
    EXPECT_EQ(events.mid(0, 3), (QStringList{"Repaint", "Repaint", "KeyDown 37"}));
}

TEST_F(SliderStateTest, OtherKeysAndZeroStepsChangeNothingButStillRepaintAndReport) {
    slider.SetValue(400);
    slider.SetSmallChange(0);
    events.clear();
    for (int key : {kKeyUp, kKeyDown, kKeyHome, kKeyEnd, 65}) {
        slider.KeyDown(key, 0);
        EXPECT_EQ(slider.Value(), 400) << key;
    }
    slider.KeyDown(kKeyRight, 0);
    EXPECT_EQ(slider.Value(), 400);
    EXPECT_EQ(events.count("KeyDown 38"), 1);
    EXPECT_EQ(events.last(), "KeyDown 39");
    EXPECT_EQ(events.count("Repaint"), 7);  // one per key, plus the Value set of the arrow
}

TEST_F(SliderStateTest, AStepPastThe32BitRangeLeavesTheValueAlone) {
    slider.SetMax(2147483647);
    slider.SetValue(2147483000);
    slider.SetSmallChange(-2000);  // a "left" step that would overflow upwards
    slider.KeyDown(kKeyLeft, 0);
    EXPECT_EQ(slider.Value(), 2147483000);
}

TEST_F(SliderStateTest, DragMapsThePointerWithHalfToEvenRounding) {
    slider.Resize(1240, 165);  // travel 1000: one value per twip
    slider.MouseDown(kButtonLeft, 0, 500, 50);
    slider.MouseMove(kButtonLeft, 0, 122.5f, 50);  // v = 2.5 -> 2
    EXPECT_EQ(slider.Value(), 2);
    slider.MouseMove(kButtonLeft, 0, 123.5f, 50);  // v = 3.5 -> 4
    EXPECT_EQ(slider.Value(), 4);
    slider.MouseMove(kButtonLeft, 0, 120 + 500, 50);
    EXPECT_EQ(slider.Value(), 500);
    slider.MouseMove(kButtonLeft, 0, 100, 50);  // left of half a thumb
    EXPECT_EQ(slider.Value(), 0);
    slider.MouseMove(kButtonLeft, 0, 1990, 50);  // past the end
    EXPECT_EQ(slider.Value(), 1000);
    slider.MouseUp(kButtonLeft, 0, 1990, 50);
    slider.MouseMove(0, 0, 500, 50);  // no longer dragging
    EXPECT_EQ(slider.Value(), 1000);
}

TEST_F(SliderStateTest, RightButtonDragIsIgnoredEntirely) {
    slider.SetValue(300);
    slider.MouseDown(kButtonRight, 0, 500, 50);
    events.clear();
    slider.MouseMove(kButtonRight, 0, 1500, 50);
    EXPECT_EQ(slider.Value(), 300);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(SliderStateTest, ClickRaisesEventsInOrderWithTheValueAlreadyMoved) {
    int valueAtClick = -1;
    QObject::connect(&slider, &SliderState::ClickEvent, [&] { valueAtClick = slider.Value(); });
    slider.MouseDown(kButtonLeft, 0, 1000.4f, 10);
    slider.MouseUp(kButtonLeft, 0, 1000.4f, 10);
    EXPECT_EQ(slider.ClickX(), 1000);
    slider.Click();
    EXPECT_EQ(valueAtClick, 500);  // 1000 / 1760 * 880
    EXPECT_EQ(events, (QStringList{"MouseDown", "MouseUp", "Repaint", "Repaint", "Click"}));
}

TEST_F(SliderStateTest, ClickLeftOfTheTrackGoesToMinEvenWhenMinIsNegative) {
    slider.SetMin(-50);
    slider.SetValue(300);
    slider.MouseUp(kButtonLeft, 0, 10, 10);
    slider.Click();
    EXPECT_EQ(slider.Value(), -50);
    slider.MouseUp(kButtonLeft, 0, 5000, 10);
    slider.Click();
    EXPECT_EQ(slider.Value(), 1000);
}

TEST_F(SliderStateTest, ZeroTravelSkipsTheMappingButStillReports) {
    slider.Resize(240, 165);  // exactly one thumb wide
    slider.SetValue(70);
    events.clear();
    slider.MouseDown(kButtonLeft, 0, 10, 10);
    slider.MouseMove(kButtonLeft, 0, 200, 10);
    slider.MouseUp(kButtonLeft, 0, 200, 10);
    slider.Click();
    EXPECT_EQ(slider.Value(), 70);
    EXPECT_EQ(events,
              (QStringList{"MouseDown", "Repaint", "MouseMove", "MouseUp", "Repaint", "Click"}));
}

TEST_F(SliderStateTest, TicksStartAtHalfThumbWithARoundedStep) {
    SliderGeometry geometry = slider.Geometry();
    ASSERT_EQ(geometry.TickX.size(), 11u);
    EXPECT_EQ(geometry.TickX.front(), 120);
    EXPECT_EQ(geometry.TickX.back(), 120 + 10 * 176);
    slider.SetTickNumber(0);
    geometry = slider.Geometry();
    EXPECT_EQ(geometry.TickX, std::vector<int>{120});
    slider.SetTickNumber(3);  // 1760 / 3 = 586.67 -> 587
    EXPECT_EQ(slider.Geometry().TickX.back(), 120 + 3 * 587);
    slider.SetShowTicks(false);
    EXPECT_TRUE(slider.Geometry().TickX.empty());
    slider.SetShowTicks(true);
    slider.SetTickNumber(2000000000);  // must not hang painting
    EXPECT_LE(slider.Geometry().TickX.size(), 4096u);
}

TEST_F(SliderStateTest, SelectionFillFromTheLeftOnlyWhenItFits) {
    slider.SetSelStart(900);
    slider.SetSelLength(100);
    SliderGeometry geometry = slider.Geometry();
    EXPECT_TRUE(geometry.FillVisible);
    EXPECT_DOUBLE_EQ(geometry.FillWidth, 176.0);  // SelStart does not move or shorten it
    slider.SetSelLength(101);
    EXPECT_FALSE(slider.Geometry().FillVisible);
    slider.SetSelStart(0);
    slider.SetMax(0);
    slider.SetSelLength(0);
    EXPECT_FALSE(slider.Geometry().FillVisible);  // Max 0 skips the fill
}

TEST_F(SliderStateTest, ThumbFollowsValueOverMaxIgnoringMin) {
    slider.SetValue(500);
    EXPECT_EQ(slider.Geometry().ThumbX, 880);
    slider.SetValue(1);  // 1.76 -> 2
    EXPECT_EQ(slider.Geometry().ThumbX, 2);
    slider.SetMin(100);
    slider.SetValue(300);
    EXPECT_EQ(slider.Geometry().ThumbX, 528);  // 300 / 1000 * 1760, Min not in it
    slider.SetMin(-100);
    slider.SetMax(-10);
    slider.SetValue(-50);  // a proportion of 5 x travel stays on the track
    EXPECT_LE(slider.Geometry().ThumbX, slider.Travel());
}

TEST_F(SliderStateTest, SaveLeavesDefaultsOutAndKeepsTheOrder) {
    EXPECT_TRUE(slider.Save().isEmpty());
    slider.SetSelLength(128);
    slider.SetMax(128);
    slider.SetValue(128);
    slider.SetShowTicks(false);
    slider.SetBackColor(0x8000000A);
    const SavedProperties saved = slider.Save();
    QStringList names;
    for (const auto& entry : saved) {
        names << entry.first;
    }
    EXPECT_EQ(names, (QStringList{"BackColor", "Value", "ShowTicks", "Max", "SelLength"}));

    SliderState loaded(kNaSlider1Skin);
    loaded.Load(saved);
    EXPECT_EQ(loaded.BackColor(), 0x8000000Au);
    EXPECT_EQ(loaded.Value(), 128);
    EXPECT_EQ(loaded.Max(), 128);
    EXPECT_FALSE(loaded.ShowTicks());
    EXPECT_EQ(loaded.SelLength(), 128);
    EXPECT_EQ(loaded.TickNumber(), 10);
    EXPECT_EQ(loaded.ForeColor(), kDefaultSliderForeColor);
    EXPECT_EQ(loaded.Save(), saved);
}

TEST_F(SliderStateTest, LoadAssignsWithoutClampingAndFillsDefaults) {
    slider.SetTickNumber(3);
    slider.Load({{"Value", 5000}, {"Min", 7}}, "Sans,9");
    EXPECT_EQ(slider.Value(), 5000);
    EXPECT_EQ(slider.Min(), 7);
    EXPECT_EQ(slider.TickNumber(), 10);
    EXPECT_EQ(slider.BackColor(), kDefaultSliderBackColor);
    EXPECT_EQ(slider.Font(), "Sans,9");
    // The ambient font itself is never written back.
    QStringList names;
    for (const auto& entry : slider.Save()) {
        names << entry.first;
    }
    EXPECT_EQ(names, (QStringList{"Value", "Min"}));
}

}  // namespace
}  // namespace veltrano

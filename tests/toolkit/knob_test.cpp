#include "toolkit/knob.h"

#include "tests/toolkit/support/control_test.h"
#include "toolkit/bitmap.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/process_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace Toolkit;
using kravo::test::Held;
using kravo::test::LoggingFrame;
using kravo::test::RecordingListener;
using Log = std::vector<std::string>;

constexpr std::int32_t kTag = 5;
// A knob of radius 20 at (10, 10) in the frame: its centre is at (30, 30).
constexpr CRect kKnobPlace{10, 10, 50, 50};
constexpr CPoint kCentre{30, 30};
constexpr float kDegree = std::numbers::pi_v<float> / 180.0f;

// The knob with its coefficients in reach.
class KnobProbe : public CKnob {
public:
    using CKnob::CKnob;
    float a() const { return aCoef; }
    float b() const { return bCoef; }
    float half() const { return halfAngle; }
};

// The point at the angle (degrees, counter-clockwise from the right) and distance from the centre,
// relative to the knob's top-left corner.
CPoint onCircle(float degrees, float distance = 15.0f)
{
    return {static_cast<std::int32_t>(std::lround(20.0f + std::cos(degrees * kDegree) * distance)),
        static_cast<std::int32_t>(std::lround(20.0f - std::sin(degrees * kDegree) * distance))};
}

using Knob = kravo::test::ToolkitTest;

TEST_F(Knob, TheDefaultSweepGivesItsCoefficientsAndNewAnglesRecomputeThem)
{
    KnobProbe knob(kKnobPlace, nullptr, kTag, nullptr, nullptr, {0, 0});
    EXPECT_FLOAT_EQ(knob.a(), -0.2122066f);
    EXPECT_FLOAT_EQ(knob.b(), 0.8333333f);
    EXPECT_FLOAT_EQ(knob.half(), std::numbers::pi_v<float> / 4);
    EXPECT_FLOAT_EQ(knob.getStartAngle(), 3.9269907f);
    EXPECT_FLOAT_EQ(knob.getRangeAngle(), -4.712389f);
    EXPECT_EQ(knob.getZoomFactor(), 1.5f);
    EXPECT_TRUE(knob.wantsFocus());

    // A new range counts only once an angle is set again.
    knob.setMax(2.0f);
    EXPECT_FLOAT_EQ(knob.a(), -0.2122066f);
    knob.setRangeAngle(std::numbers::pi_v<float>);
    EXPECT_FLOAT_EQ(knob.a(), 2.0f / std::numbers::pi_v<float>);
    EXPECT_FLOAT_EQ(knob.half(), std::numbers::pi_v<float> / 2);
    EXPECT_TRUE(knob.isDirty());
}

TEST_F(Knob, ValuesMapToPointsOnTheCircleInsideByTheInset)
{
    CKnob knob(kKnobPlace, nullptr, kTag, nullptr, nullptr, {0, 0});
    CPoint point;
    knob.setValue(0.5f);
    knob.valueToPoint(point);
    EXPECT_EQ(point, (CPoint{20, 3})) << "straight up, 3 inside the radius";
    knob.setValue(0.0f);
    knob.valueToPoint(point);
    EXPECT_EQ(point, (CPoint{8, 32})) << "at 225°";
    knob.setValue(1.0f);
    knob.valueToPoint(point);
    EXPECT_EQ(point, (CPoint{32, 32})) << "at −45°";
    knob.setInsetValue(0);
    knob.valueToPoint(point);
    EXPECT_EQ(point, (CPoint{34, 34}));
}

TEST_F(Knob, PointsGiveTheirValueAndTheDeadZoneSnapsToTheNearerEnd)
{
    CKnob knob(kKnobPlace, nullptr, kTag, nullptr, nullptr, {0, 0});
    CPoint point = onCircle(90.0f);
    EXPECT_NEAR(knob.valueFromPoint(point), 0.5f, 1e-5f);
    point = onCircle(0.0f);
    EXPECT_NEAR(knob.valueFromPoint(point), 0.8333333f, 1e-5f);
    point = onCircle(180.0f);
    EXPECT_NEAR(knob.valueFromPoint(point), 1.0f / 6.0f, 1e-5f);
    point = onCircle(230.0f); // just past the start
    EXPECT_NEAR(knob.valueFromPoint(point), 5.0f / 270.0f, 0.02f);
    for (const float degrees : {250.0f, 265.0f}) {
        point = onCircle(degrees);
        EXPECT_EQ(knob.valueFromPoint(point), 0.0f) << degrees;
    }
    for (const float degrees : {275.0f, 300.0f}) {
        point = onCircle(degrees);
        EXPECT_EQ(knob.valueFromPoint(point), 1.0f) << degrees;
    }

    // Counter-clockwise, from 0° by 90°: the dead zone is the other 270°.
    knob.setStartAngle(0.0f);
    knob.setRangeAngle(std::numbers::pi_v<float> / 2);
    point = onCircle(45.0f);
    EXPECT_NEAR(knob.valueFromPoint(point), 0.5f, 1e-5f);
    point = onCircle(200.0f);
    EXPECT_EQ(knob.valueFromPoint(point), 1.0f);
    point = onCircle(250.0f);
    EXPECT_EQ(knob.valueFromPoint(point), 0.0f);
}

TEST_F(Knob, TheWheelAndTheArrowKeysStepByTheIncrementAndReportOnlyAChange)
{
    Log log;
    RecordingListener listener(log);
    auto* frame = new LoggingFrame({0, 0, 100, 100}, nullptr, log);
    auto* knob = new CKnob(kKnobPlace, &listener, kTag, nullptr, nullptr, {0, 0});
    frame->addView(knob);
    CDrawContext context(frame, nullptr, nullptr);

    knob->setValue(1.0f);
    knob->draw(&context);
    EXPECT_TRUE(knob->onWheel(&context, kCentre, 1.0f));
    EXPECT_TRUE(log.empty()) << "at the top already";
    EXPECT_TRUE(knob->onWheel(&context, kCentre, -2.0f));
    EXPECT_FLOAT_EQ(knob->getValue(), 0.8f);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "begin 5");
    EXPECT_EQ(log[2], "end 5");
    EXPECT_EQ(listener.contexts.back(), &context);

    PlugKeyCode up{0, 12, 0};
    PlugKeyCode fineLeft{0, 11, 1};
    PlugKeyCode down{0, 14, 0};
    PlugKeyCode right{0, 13, 0};
    PlugKeyCode tab{0, 2, 0};
    EXPECT_EQ(knob->onKeyDown(up), 1);
    EXPECT_NEAR(knob->getValue(), 0.9f, 1e-5f);
    EXPECT_EQ(listener.contexts.back(), nullptr) << "keys come without a context";
    EXPECT_EQ(knob->onKeyDown(fineLeft), 1);
    EXPECT_NEAR(knob->getValue(), 0.89f, 1e-5f);
    EXPECT_EQ(knob->onKeyDown(down), 1);
    EXPECT_NEAR(knob->getValue(), 0.79f, 1e-5f);
    EXPECT_EQ(knob->onKeyDown(right), 1);
    EXPECT_NEAR(knob->getValue(), 0.89f, 1e-5f);
    EXPECT_EQ(knob->onKeyDown(tab), -1);

    knob->setMouseEnabled(false);
    EXPECT_FALSE(knob->onWheel(&context, kCentre, 1.0f));
    frame->forget();
}

TEST_F(Knob, TheHandleIsALineWithItsShadowOrABitmapAtThePoint)
{
    kravo::test::WindowlessFrame frame;
    Held<COffscreenContext> buffer(new COffscreenContext(&frame, 40, 40, kBlackColor));
    const CColor shadow{0, 200, 0, 255};
    const CColor handle{0, 0, 230, 255};
    CKnob knob({0, 0, 20, 20}, nullptr, kTag, nullptr, nullptr, {0, 0});
    knob.setColorShadowHandle(shadow);
    knob.setColorHandle(handle);
    knob.setValue(0.5f);
    knob.draw(buffer.get());
    // From (10, 3) to the centre (10, 10): the shadow one column left, the handle one row up.
    EXPECT_EQ(buffer->getPoint({9, 3}), shadow);
    EXPECT_EQ(buffer->getPoint({9, 9}), shadow);
    EXPECT_EQ(buffer->getPoint({10, 2}), handle);
    EXPECT_EQ(buffer->getPoint({10, 8}), handle);
    EXPECT_EQ(buffer->getPoint({11, 5}), kBlackColor);
    EXPECT_FALSE(knob.isDirty());

    // A one-pixel handle: the inset is half its width plus 2.5, truncated.
    auto* dot = new CBitmap(test_images::kSinglePixel.id);
    knob.setHandleBitmap(dot);
    dot->forget();
    knob.setHandleBitmap(dot); // the same one again, with the knob's the only reference
    knob.setViewSize({20, 0, 40, 20});
    knob.draw(buffer.get());
    const std::uint32_t stored = kravo::test::storedPixel(test_images::kSinglePixel.pixel(0, 0));
    const CColor dotColour{static_cast<std::uint8_t>(stored >> 16), static_cast<std::uint8_t>(stored >> 8),
        static_cast<std::uint8_t>(stored), 255};
    EXPECT_EQ(buffer->getPoint({30, 3}), dotColour);
    EXPECT_EQ(buffer->getPoint({30, 4}), kBlackColor);
}

// Drags in a window: the knob at (10, 10) in a frame at (300, 200) on the screen.
class KnobDrag : public kravo::test::ControlWindowTest {
protected:
    void SetUp() override
    {
        ControlWindowTest::SetUp();
        knob = added(new CKnob(kKnobPlace, &listener, kTag, nullptr, nullptr, {0, 0}));
    }

    // Presses at the frame point with the modifier keys held, moves through the points and lets go.
    void drag(CPoint from, const std::vector<CPoint>& through, std::vector<int> keys = {})
    {
        for (const int key : keys)
            script().press(key);
        moveTo(from.h, from.v);
        script().press(VK_LBUTTON);
        script().wait(50);
        for (const CPoint& point : through) {
            moveTo(point.h, point.v);
            script().wait(50);
        }
        script().release(VK_LBUTTON);
        for (const int key : keys)
            script().release(key);
        runScript();
    }

    CPoint inFrame(CPoint relative) { return relative.offset(kKnobPlace.left, kKnobPlace.top); }

    RecordingListener listener{log};
    CKnob* knob = nullptr;
};

TEST_F(KnobDrag, CtrlWithTheLeftButtonResetsAndReportsOnceButWithShiftTooItDrags)
{
    knob->setValue(0.9f);
    knob->setDefaultValue(0.25f);
    script().press(VK_CONTROL);
    clickAt(30, 30);
    script().release(VK_CONTROL);
    runScript();
    EXPECT_EQ(log, (Log{"modifier 17", "begin 5", "changed 0.25", "end 5"}));

    log.clear();
    drag(inFrame(onCircle(90.0f)), {}, {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(log, (Log{"modifier 25", "begin 5", "changed 0.5", "end 5"})) << "a circular drag where it was pressed";
    EXPECT_NEAR(knob->getValue(), 0.5f, 1e-5f);
}

TEST_F(KnobDrag, ALinearDragOf200PixelsCoversTheRangeAnd300WithShift)
{
    knobMode = CKnob::kLinearMode;
    knob->setValue(0.0f);
    drag({30, 30}, {{30, -70}, {30, -170}});
    // Taking the focus marks the knob dirty: the drag reports where it starts.
    EXPECT_EQ(listener.values, (std::vector<float>{0.0f, 0.5f, 1.0f}));

    // Right counts as up, down as left.
    knob->setValue(0.0f);
    listener.values.clear();
    drag({30, 30}, {{130, 30}, {230, 80}});
    EXPECT_FLOAT_EQ(listener.values.at(1), 0.5f);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.75f);

    knob->setValue(0.0f);
    drag({30, 30}, {{230, 30}}, {VK_SHIFT});
    EXPECT_NEAR(knob->getValue(), 200.0f / 300.0f, 1e-5f);
    knob->setValue(0.0f);
    drag({30, 30}, {{330, 30}}, {VK_SHIFT});
    EXPECT_FLOAT_EQ(knob->getValue(), 1.0f);

    // Alt turns the mode round: linear in the other modes.
    knobMode = 0;
    knob->setValue(0.0f);
    drag({30, 30}, {{30, -170}}, {VK_MENU});
    EXPECT_FLOAT_EQ(knob->getValue(), 1.0f);
}

// The step on which the knob first sees Shift go down or up still counts at the old scale; the ones
// after it at the new one.
TEST_F(KnobDrag, ShiftPressedOrReleasedMidDragChangesTheScaleWithoutAJump)
{
    knobMode = CKnob::kLinearMode;
    knob->setValue(0.0f);
    moveTo(30, 30);
    script().press(VK_LBUTTON);
    const std::vector<std::pair<int, int>> steps{{-70, 0}, {-73, VK_SHIFT}, {-103, 0}, {-104, VK_SHIFT}, {-124, 0}};
    bool shift = false;
    for (const auto& [y, key] : steps) {
        script().wait(50);
        if (key != 0) {
            shift ? script().release(key) : script().press(key);
            shift = !shift;
            script().wait(50);
        }
        moveTo(30, y);
    }
    script().wait(50);
    script().release(VK_LBUTTON);
    runScript();
    ASSERT_EQ(listener.values.size(), 6u);
    const float released = 0.615f + 1.0f / 300.0f;
    const std::vector<float> expected{0.0f, 0.5f, 0.515f, 0.615f, released, released + 0.1f};
    for (std::size_t step = 0; step < expected.size(); ++step)
        EXPECT_NEAR(listener.values[step], expected[step], 1e-5f) << step;
}

TEST_F(KnobDrag, ACircularDragAcrossTheDeadZoneHoldsTheEndItCameFrom)
{
    knob->setValue(0.0f);
    drag(inFrame(onCircle(-30.0f)), {inFrame(onCircle(260.0f)), inFrame(onCircle(200.0f))});
    ASSERT_EQ(listener.values.size(), 2u);
    EXPECT_NEAR(listener.values[0], 1.0f - 15.0f / 270.0f, 0.01f) << "where it was pressed";
    EXPECT_EQ(listener.values[1], 1.0f) << "not the minimum beyond the dead zone";
    EXPECT_EQ(knob->getValue(), 1.0f) << "nor the value on the other side of it";

    // From the low side the other way round.
    drag(inFrame(onCircle(200.0f)), {inFrame(onCircle(280.0f)), inFrame(onCircle(-20.0f))});
    EXPECT_EQ(knob->getValue(), 0.0f);
}

} // namespace

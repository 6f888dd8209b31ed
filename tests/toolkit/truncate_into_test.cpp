#include "toolkit/truncate_into.h"

#include "tests/toolkit/support/drawn_control_test.h"
#include "toolkit/anim_knob.h"
#include "toolkit/auto_animation.h"
#include "toolkit/bitmap.h"
#include "toolkit/horizontal_slider.h"
#include "toolkit/horizontal_switch.h"
#include "toolkit/kick_button.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/movie_bitmap.h"
#include "toolkit/movie_button.h"
#include "toolkit/param_display.h"
#include "toolkit/rocker_switch.h"
#include "toolkit/special_digit.h"
#include "toolkit/vertical_slider.h"
#include "toolkit/vertical_switch.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace Toolkit;
using kravo::test::Held;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kLeast = std::numeric_limits<std::int32_t>::min();

TEST(TruncateInto, TruncatesTowardZeroAndTakesWhatLiesBeyondToTheNearerBoundAndNaNToTheLower)
{
    EXPECT_EQ(truncateInto(2.9f, 0, 5), 2);
    EXPECT_EQ(truncateInto(-2.9f, -5, 5), -2);
    EXPECT_EQ(truncateInto(-0.5f, 0, 5), 0);
    EXPECT_EQ(truncateInto(7.0f, 0, 5), 5);
    EXPECT_EQ(truncateInto(-7.0f, 1, 5), 1);
    EXPECT_EQ(truncateInto(kNaN, 1, 5), 1);
    EXPECT_EQ(truncateInto(kInfinity, kLeast, kMost), kMost);
    EXPECT_EQ(truncateInto(-kInfinity, kLeast, kMost), kLeast);
    EXPECT_EQ(truncateInto(2147483648.0f, kLeast, kMost), kMost) << "the first float beyond the range";
    EXPECT_EQ(truncateInto(-2147483648.0f, kLeast, kMost), kLeast);
    EXPECT_EQ(truncateInto(2147483520.0f, kLeast, kMost), 2147483520) << "the last float within it";
}

// Strips of four images in the small place, and a wider switch, a knob, two sliders and a digit display.
class NonFiniteValues : public kravo::test::DrawnControlTest {
protected:
    static constexpr CRect kSmallPlace{10, 20, 14, 24};
    static constexpr CPoint kSmallInside{12, 22};

    // The row (or column) at 2 that the control leaves in the buffer when drawn at the value.
    std::vector<CColor> drawnLine(CControl& control, float value, bool across)
    {
        control.setValue(value);
        clearBuffer();
        control.draw(buffer);
        std::vector<CColor> line;
        for (std::int32_t at = 0; at < 60; ++at)
            line.push_back(buffer->getPoint(across ? CPoint{at, 2} : CPoint{2, at}));
        return line;
    }
};

// Every control is given each value, drawn, pressed and drawn again; what shows the value shows it as
// its first image or position for NaN and the lowest values, as its last for the highest.
TEST_F(NonFiniteValues, AreShownAsTheNearerEndOfTheRangeAndNaNAsItsStart)
{
    Held<CBitmap> strip(new CBitmap(test_images::kFourImageStrip.id));
    Held<CBitmap> wideStrip(new CBitmap(test_images::kFiveWideImageStrip.id));
    Held<CBitmap> digits(new CBitmap(test_images::kKnobStrip.id));
    Held<CBitmap> handle(new CBitmap(test_images::kBadge.id));
    auto* vertical = added(new CVerticalSwitch(kSmallPlace, &listener, kTag, 4, 4, 4, strip.get(), {0, 0}));
    auto* across = added(new CHorizontalSwitch({30, 0, 50, 20}, &listener, kTag, wideStrip.get(), {0, 0}));
    auto* movie = added(new CMovieBitmap(kSmallPlace, &listener, kTag, strip.get(), {0, 0}));
    auto* filmstrip = added(new CAnimKnob(kSmallPlace, &listener, kTag, 4, 4, strip.get(), {0, 0}));
    auto* animation = added(new CAutoAnimation(kSmallPlace, &listener, kTag, strip.get(), {0, 0}));
    animation->openWindow();
    auto* knob = added(new CKnob({20, 20, 40, 40}, &listener, kTag, nullptr, nullptr, {0, 0}));
    auto* slider = added(
        new CHorizontalSlider({0, 0, 60, 10}, &listener, kTag, {0, 0}, 60, handle.get(), nullptr, {0, 0}, kLeft));
    auto* upright = added(
        new CVerticalSlider({0, 0, 10, 60}, &listener, kTag, {0, 0}, 60, handle.get(), nullptr, {0, 0}, kTop));
    slider->setFreeClick(false);
    upright->setFreeClick(false);
    auto* display =
        added(new CSpecialDigit({0, 40, 16, 44}, &listener, kTag, 0, 4, nullptr, nullptr, 4, 4, digits.get()));
    auto* rocker = added(new CRockerSwitch(kSmallPlace, &listener, kTag, 4, strip.get(), {0, 0}, 0));
    auto* kick = added(new CKickButton(kSmallPlace, &listener, kTag, 4, strip.get(), {0, 0}));
    auto* button = added(new CMovieButton(kSmallPlace, &listener, kTag, 4, strip.get(), {0, 0}));
    auto* text = added(new CParamDisplay(kSmallPlace));
    const std::initializer_list<CControl*> all = {
        vertical, across, movie, filmstrip, animation, knob, slider, upright, display, rocker, kick, button, text};

    const auto digitsShown = [&] {
        clearBuffer();
        display->draw(buffer);
        std::string shown;
        for (int digit = 0; digit < 4; ++digit)
            shown += std::to_string(kravo::test::stripImageAt(*buffer, {digit * 4 + 1, 41}, 10));
        return shown;
    };

    for (const float value : {kNaN, -kInfinity, -1e10f, kInfinity, 1e10f}) {
        const bool high = value > 0.0f;
        for (CControl* control : all) {
            CRect place;
            control->getViewSize(place);
            control->setValue(value);
            control->draw(buffer);
            // Alt makes the knob drag on from its value, Shift the sliders; a slider is pressed on its handle.
            control->mouse(noDrawing, place.topLeft().offset(2, 2), kLeftButton | kAltHeld | kShiftHeld);
            control->setValue(value);
        }
        animation->openWindow();
        const int image = high ? 3 : 0;
        EXPECT_EQ(drawnImage(*vertical, kSmallInside, 4), image) << value;
        EXPECT_EQ(drawnImage(*across, {40, 10}, 5), high ? 4 : 0) << value;
        EXPECT_EQ(drawnImage(*movie, kSmallInside, 4), image) << value;
        EXPECT_EQ(drawnImage(*filmstrip, kSmallInside, 4), image) << value;
        EXPECT_EQ(drawnImage(*animation, kSmallInside, 4), image) << value;
        EXPECT_EQ(digitsShown(), high ? "9999" : "0000") << value;
        const float end = high ? 1.0f : 0.0f;
        EXPECT_EQ(drawnLine(*slider, value, true), drawnLine(*slider, end, true)) << value;
        EXPECT_EQ(drawnLine(*upright, value, false), drawnLine(*upright, end, false)) << value;
        knob->setValue(value);
        CPoint point;
        knob->valueToPoint(point);
        EXPECT_TRUE(point.h >= 0 && point.h <= 20 && point.v >= 0 && point.v <= 20) << value;
        knob->draw(buffer);
    }
}

} // namespace

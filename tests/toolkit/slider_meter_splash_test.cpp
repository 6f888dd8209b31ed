#include "toolkit/horizontal_slider.h"
#include "toolkit/splash_screen.h"
#include "toolkit/splash_screen_view.h"
#include "toolkit/vertical_slider.h"
#include "toolkit/vu_meter.h"

#include "tests/toolkit/support/drawn_control_test.h"
#include "toolkit/bitmap.h"
#include "toolkit/mouse_buttons.h"

#include <gtest/gtest.h>

namespace {

using namespace Toolkit;
using kravo::test::Held;
using Log = std::vector<std::string>;

// A slider across the top of the frame, 60 wide, with the badge (8 × 8) as its handle: 52 pixels of
// travel, the handle's centre 3 pixels after the travel's start.
constexpr CRect kSliderPlace{0, 0, 60, 10};

class Sliders : public kravo::test::DrawnControlTest {
protected:
    void SetUp() override
    {
        DrawnControlTest::SetUp();
        handle = new CBitmap(test_images::kBadge.id);
    }
    void TearDown() override
    {
        handle->forget();
        DrawnControlTest::TearDown();
    }

    CHorizontalSlider* slider(std::int32_t style = kLeft)
    {
        return added(new CHorizontalSlider(kSliderPlace, &listener, kTag, {0, 0}, 60, handle, nullptr, {0, 0}, style));
    }
    bool handleShownAt(std::int32_t x)
    {
        return buffer->getPoint({x, 2}) != kBlackColor;
    }

    CBitmap* handle = nullptr;
};

TEST_F(Sliders, AFreeClickPutsTheHandleCentreUnderThePointer)
{
    auto* control = slider();
    EXPECT_TRUE(control->isTypeOf("CSlider"));
    EXPECT_TRUE(control->getFreeClick());
    control->mouse(noDrawing, {29, 5}, kLeftButton);
    EXPECT_EQ(control->getValue(), 0.5f);
    EXPECT_EQ(log, (Log{"begin 3", "changed 0.5", "end 3"}));
    clearBuffer();
    control->draw(buffer);
    // The badge's left column is transparent: its picture covers 27 to 33 around the pointer.
    EXPECT_FALSE(handleShownAt(25));
    EXPECT_TRUE(handleShownAt(27));
    EXPECT_TRUE(handleShownAt(32));
    EXPECT_FALSE(handleShownAt(34));

    control->mouse(noDrawing, {200, 5}, kLeftButton);
    EXPECT_EQ(control->getValue(), 1.0f) << "bounced";
    auto* reversed = slider(kRight);
    reversed->mouse(noDrawing, {16, 5}, kLeftButton);
    EXPECT_EQ(reversed->getValue(), 0.75f);
}

TEST_F(Sliders, ShiftDividesTheChangeByTheZoomFactor)
{
    auto* control = slider();
    control->setValue(0.5f);
    control->mouse(noDrawing, {55, 5}, kLeftButton | kShiftHeld);
    EXPECT_FLOAT_EQ(control->getValue(), 0.55f);
    control->setZoomFactor(2.0f);
    control->setValue(0.5f);
    control->mouse(noDrawing, {3, 5}, kLeftButton | kShiftHeld);
    EXPECT_FLOAT_EQ(control->getValue(), 0.25f);
}

TEST_F(Sliders, WithoutFreeClickOnlyTheHandleCatchesTheClick)
{
    auto* control = slider();
    control->setFreeClick(false);
    control->setValue(0.5f);
    control->draw(buffer);
    control->mouse(noDrawing, {10, 5}, kLeftButton);
    EXPECT_TRUE(log.empty());
    // Caught at its right edge, the handle stays where it is.
    control->mouse(noDrawing, {34, 5}, kLeftButton);
    EXPECT_EQ(control->getValue(), 0.5f);
    EXPECT_EQ(log, (Log{"begin 3", "end 3"}));
}

TEST_F(Sliders, ASliderWithoutTravelKeepsItsValue)
{
    auto* control = added(new CVerticalSlider(kSliderPlace, &listener, kTag, {0, 0}, 8, handle, nullptr, {0, 0}, kTop));
    control->setValue(0.3f);
    control->mouse(noDrawing, {4, 4}, kLeftButton);
    EXPECT_EQ(control->getValue(), 0.3f);
    EXPECT_TRUE(log.empty());
}

TEST_F(Sliders, AVerticalSliderFromItsBottomMovesUpAndStepsByWheelAndKeys)
{
    // 40 pixels of travel from y = 10, value 0 at the bottom.
    auto* control =
        added(new CVerticalSlider({0, 10, 10, 58}, &listener, kTag, 10, 50, handle, nullptr, {0, 0}, kBottom));
    control->mouse(noDrawing, {5, 23}, kLeftButton);
    EXPECT_EQ(control->getValue(), 0.75f);

    log.clear();
    control->setValue(0.5f);
    EXPECT_TRUE(control->onWheel(noDrawing, {5, 20}, 1.0f));
    PlugKeyCode down{0, 14, 0};
    EXPECT_EQ(control->onKeyDown(down), 1);
    PlugKeyCode other{'a', 0, 0};
    EXPECT_EQ(control->onKeyDown(other), -1);
    EXPECT_EQ(log, (Log{"begin 3", "changed 0.6", "end 3", "begin 3", "changed 0.5", "end 3"}));
}

class Meters : public kravo::test::DrawnControlTest {
protected:
    void SetUp() override
    {
        DrawnControlTest::SetUp();
        lit = new CBitmap(test_images::kMeterLit.id);
        unlit = new CBitmap(test_images::kMeterUnlit.id);
    }
    void TearDown() override
    {
        unlit->forget();
        lit->forget();
        DrawnControlTest::TearDown();
    }

    // LEDs of four pixels from the bottom of the column at x = 12.
    int litLeds(CVuMeter& meter)
    {
        clearBuffer();
        meter.draw(buffer);
        const CColor litColour = kravo::test::shownStripColour(test_images::detail::kMeterLitImage);
        const CColor unlitColour = kravo::test::shownStripColour(test_images::detail::kMeterUnlitImage);
        int count = 0;
        for (int led = 0; led < 10; ++led) {
            const CColor shown = buffer->getPoint({12, 38 - 4 * led});
            EXPECT_TRUE(shown == litColour || shown == unlitColour) << led;
            count += shown == litColour ? 1 : 0;
        }
        return count;
    }

    CBitmap* lit = nullptr;
    CBitmap* unlit = nullptr;
};

TEST_F(Meters, ANewMeterFallsFromFullScaleAndSettlesWhereItsValueIs)
{
    auto* meter = added(new CVuMeter({10, 0, 14, 40}, lit, unlit, 10, kVertical));
    EXPECT_TRUE(meter->isTypeOf("CVuMeter"));
    meter->setValue(0.34f);
    for (const int leds : {9, 8, 7, 6, 5, 4})
        EXPECT_EQ(litLeds(*meter), leds);
    EXPECT_EQ(litLeds(*meter), 3);
    EXPECT_FALSE(meter->isDirty());
    meter->setDirty(true);
    EXPECT_EQ(litLeds(*meter), 3) << "marking it dirty leaves the shown level";

    meter->setValue(0.0f);
    EXPECT_TRUE(meter->isDirty());
    for (const int leds : {2, 1, 0})
        EXPECT_EQ(litLeds(*meter), leds);
    meter->setValue(0.8f);
    EXPECT_EQ(litLeds(*meter), 8) << "it rises at once";
}

TEST_F(Meters, AnAcrossMeterGrowsFromTheLeftAndAnOffscreenOneLooksTheSame)
{
    auto* across = added(new CVuMeter({0, 0, 4, 40}, lit, unlit, 2, kHorizontal));
    across->setValue(0.5f);
    across->setDecreaseStepValue(0.5f);
    clearBuffer();
    across->draw(buffer);
    const CColor litColour = kravo::test::shownStripColour(test_images::detail::kMeterLitImage);
    EXPECT_EQ(buffer->getPoint({1, 20}), litColour);
    EXPECT_NE(buffer->getPoint({2, 20}), litColour) << "half of the lit picture's width";

    auto* direct = added(new CVuMeter({10, 0, 14, 40}, lit, unlit, 10, kVertical));
    auto* buffered = new CVuMeter({10, 0, 14, 40}, lit, unlit, 10, kVertical);
    buffered->setUseOffscreen(true);
    added(buffered);
    direct->setValue(0.5f);
    buffered->setValue(0.5f);
    EXPECT_EQ(litLeds(*direct), litLeds(*buffered));
    EXPECT_EQ(litLeds(*direct), litLeds(*buffered));

    auto* dark = added(new CVuMeter({10, 0, 14, 40}, nullptr, unlit, 10, kVertical));
    auto* noLeds = added(new CVuMeter({10, 0, 14, 40}, lit, unlit, 0, kVertical));
    for (CVuMeter* meter : {dark, noLeds}) {
        clearBuffer();
        meter->draw(buffer);
        EXPECT_EQ(buffer->getPoint({12, 20}), kBlackColor);
    }
}

class Splash : public kravo::test::DrawnControlTest {
protected:
    static constexpr CRect kToDisplay{20, 20, 24, 24};
};

TEST_F(Splash, AClickShowsThePictureAsTheModalViewAndAClickOnItEndsIt)
{
    Held<CBitmap> strip(new CBitmap(test_images::kFourImageStrip.id));
    auto* splash = added(new CSplashScreen({0, 0, 4, 4}, &listener, kTag, strip.get(), kToDisplay, {0, 4}));
    EXPECT_TRUE(splash->isTypeOf("CSplashScreen"));
    EXPECT_FALSE(splash->hitTest({1, 1}, kRightButton));
    EXPECT_TRUE(splash->hitTest({1, 1}, kLeftButton));
    splash->mouse(noDrawing, {1, 1}, kLeftButton);
    EXPECT_EQ(splash->getValue(), 1.0f);
    CView* view = frame->getModalView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(frame->getNbViews(), 2);
    EXPECT_EQ(drawnImage(*splash, {22, 22}, 4), 1);
    clearBuffer();
    view->draw(buffer);
    EXPECT_EQ(kravo::test::stripImageAt(*buffer, {22, 22}, 4), 1);

    view->mouse(noDrawing, {22, 22}, kLeftButton);
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(frame->getNbViews(), 1);
    EXPECT_EQ(splash->getValue(), 0.0f);
    EXPECT_EQ(log, (Log{"changed 1", "changed 0"}));
}

TEST_F(Splash, APictureTheFrameRefusesIsLetGo)
{
    auto* splash = added(new CSplashScreen({0, 0, 4, 4}, &listener, kTag, nullptr, kToDisplay, {0, 0}));
    auto* other = new CView({40, 40, 50, 50});
    ASSERT_TRUE(frame->setModalView(other));
    splash->mouse(noDrawing, {1, 1}, kLeftButton);
    EXPECT_EQ(frame->getModalView(), other);
    EXPECT_EQ(frame->getNbViews(), 2);
    EXPECT_TRUE(log.empty());
    frame->setModalView(nullptr);
    other->forget();

    splash->unSplash();
    EXPECT_EQ(log, (Log{"changed 0"}));
    splash->unSplash();
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(Splash, BelowFullAlphaThePictureIsBlended)
{
    Held<CBitmap> strip(new CBitmap(test_images::kFourImageStrip.id));
    auto* splash = added(new CSplashScreen({0, 0, 4, 4}, &listener, kTag, strip.get(), kToDisplay, {0, 0}));
    splash->setValue(1.0f);
    splash->setAlphaValue(128);
    EXPECT_TRUE(splash->getTransparency());
    clearBuffer();
    splash->draw(buffer);
    const CColor full = kravo::test::shownStripColour(0);
    const CColor shown = buffer->getPoint({22, 22});
    EXPECT_NEAR(shown.green, full.green / 2, 2);
    splash->setAlphaValue(0);
    EXPECT_EQ(drawnImage(*splash, {22, 22}, 4), 0) << "plain transparent drawing";
}

} // namespace

#include "toolkit/auto_animation.h"
#include "toolkit/horizontal_switch.h"
#include "toolkit/movie_bitmap.h"
#include "toolkit/movie_button.h"
#include "toolkit/rocker_switch.h"
#include "toolkit/special_digit.h"
#include "toolkit/vertical_switch.h"

#include "tests/toolkit/support/drawn_control_test.h"
#include "toolkit/bitmap.h"
#include "toolkit/mouse_buttons.h"

#include <gtest/gtest.h>

namespace {

using namespace Toolkit;
using kravo::test::Held;
using Log = std::vector<std::string>;

constexpr CRect kSwitchPlace{10, 10, 30, 30};
constexpr CPoint kSwitchMiddle{20, 20};
constexpr CRect kSmallPlace{10, 20, 14, 24};
constexpr CPoint kSmallInside{12, 22};

class Switches : public kravo::test::DrawnControlTest {};

TEST_F(Switches, AFivePositionVerticalSwitchShowsTheNearestImageAndItsBottomEdgeGivesOne)
{
    Held<CBitmap> strip(new CBitmap(test_images::kFiveTallImageStrip.id));
    auto* control = added(new CVerticalSwitch(kSwitchPlace, &listener, kTag, strip.get(), {0, 0}));
    EXPECT_TRUE(control->isTypeOf("CVerticalSwitch"));
    EXPECT_TRUE(control->isTypeOf("CControl"));
    const std::pair<float, int> shown[] = {{0.5f, 2}, {0.0f, 0}, {0.1f, 0}, {0.13f, 1}, {1.0f, 4}};
    for (const auto& [value, image] : shown) {
        control->setValue(value);
        EXPECT_EQ(drawnImage(*control, kSwitchMiddle, 5), image) << value;
    }

    control->setValue(0.0f);
    control->draw(buffer);
    control->mouse(noDrawing, {20, 30}, kLeftButton);
    EXPECT_EQ(control->getValue(), 1.0f);
    // A change is one from what was drawn last.
    control->draw(buffer);
    control->mouse(noDrawing, {20, 10}, kLeftButton);
    // Bands of four pixels: the second band is position 1 of 0..4.
    control->mouse(noDrawing, {20, 15}, kLeftButton);
    EXPECT_EQ(log, (Log{"begin 3", "changed 1", "end 3", "begin 3", "changed 0", "end 3", "begin 3",
                       "changed 0.25", "end 3"}));
    control->mouse(noDrawing, {20, 15}, kDefaultValueClick);
    EXPECT_EQ(control->getValue(), 0.0f) << "its default is the first position";
}

TEST_F(Switches, AHorizontalSwitchReadsItsImagesSideBySideAndFollowsThePointerAcross)
{
    Held<CBitmap> strip(new CBitmap(test_images::kFiveWideImageStrip.id));
    auto* control = added(new CHorizontalSwitch(kSwitchPlace, &listener, kTag, strip.get(), {0, 0}));
    EXPECT_TRUE(control->isTypeOf("CHorizontalSwitch"));
    control->setValue(0.75f);
    EXPECT_EQ(drawnImage(*control, kSwitchMiddle, 5), 3);
    control->setValue(1.0f);
    EXPECT_EQ(drawnImage(*control, kSwitchMiddle, 5), 4);

    control->mouse(noDrawing, {22, 29}, kLeftButton);
    EXPECT_EQ(control->getValue(), 0.75f);
    control->mouse(noDrawing, {5, 20}, kLeftButton);
    EXPECT_EQ(control->getValue(), 0.0f);
}

TEST_F(Switches, SwitchesWithoutImagesOrPositionsDrawNothingAndStayAtZero)
{
    Held<CBitmap> strip(new CBitmap(test_images::kFiveTallImageStrip.id));
    auto* bare = added(new CVerticalSwitch(kSwitchPlace, &listener, kTag, nullptr, {0, 0}));
    auto* flat = added(new CHorizontalSwitch({10, 10, 10, 30}, &listener, kTag, strip.get(), {0, 0}));
    auto* single = added(new CVerticalSwitch(kSwitchPlace, &listener, kTag, 1, 20, 1, strip.get(), {0, 0}));
    for (CControl* control : std::initializer_list<CControl*>{bare, flat, single}) {
        control->mouse(noDrawing, {20, 29}, kLeftButton);
        EXPECT_EQ(control->getValue(), 0.0f);
    }
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(drawnImage(*bare, kSwitchMiddle, 5), -1);
    flat->setValue(0.5f);
    EXPECT_EQ(drawnImage(*flat, kSwitchMiddle, 5), -1);
    EXPECT_EQ(drawnImage(*single, kSwitchMiddle, 5), 0);
}

TEST_F(Switches, ARockerShowsItsThreeImagesAndSpringsBackToZero)
{
    Held<CBitmap> strip(new CBitmap(test_images::kFourImageStrip.id));
    auto* rocker = added(new CRockerSwitch(
        kSmallPlace, &listener, kTag, strip.get(), {0, 0}, CRockerSwitch::kHorizontalRocker));
    EXPECT_TRUE(rocker->isTypeOf("CRockerSwitch"));
    const std::pair<float, int> shown[] = {{-1.0f, 0}, {0.0f, 1}, {1.0f, 2}};
    for (const auto& [value, image] : shown) {
        rocker->setValue(value);
        EXPECT_EQ(drawnImage(*rocker, kSmallInside, 4), image) << value;
    }
    rocker->setValue(0.0f);
    rocker->draw(buffer);
    rocker->mouse(noDrawing, {10, 22}, kLeftButton);
    EXPECT_EQ(log, (Log{"begin 3", "changed -1", "changed 0", "end 3"}));
    log.clear();
    rocker->mouse(noDrawing, {13, 21}, kLeftButton);
    EXPECT_EQ(log, (Log{"begin 3", "changed 1", "changed 0", "end 3"}));

    log.clear();
    auto* upright = added(new CRockerSwitch(kSmallPlace, &listener, kTag, 4, strip.get(), {0, 0}, 0));
    upright->mouse(noDrawing, {10, 23}, kLeftButton);
    EXPECT_EQ(log, (Log{"begin 3", "changed 1", "changed 0", "end 3"})) << "the lower half";

    log.clear();
    EXPECT_TRUE(rocker->onWheel(noDrawing, kSmallInside, 1.0f));
    EXPECT_TRUE(rocker->onWheel(noDrawing, kSmallInside, -0.5f));
    EXPECT_EQ(log, (Log{"begin 3", "changed -1", "changed 0", "end 3", "begin 3", "changed 1", "changed 0", "end 3"}));
}

TEST_F(Switches, AMovieBitmapPicksItsImageByValueWithinItsStrip)
{
    Held<CBitmap> strip(new CBitmap(test_images::kFourImageStrip.id));
    auto* movie = added(new CMovieBitmap(kSmallPlace, &listener, kTag, strip.get(), {0, 0}));
    EXPECT_TRUE(movie->isTypeOf("CMovieBitmap"));
    const std::pair<float, int> shown[] = {{0.0f, 0}, {0.5f, 2}, {1.0f, 3}, {7.0f, 3}, {-1.0f, 0}};
    for (const auto& [value, image] : shown) {
        movie->setValue(value);
        EXPECT_EQ(drawnImage(*movie, kSmallInside, 4), image) << value;
    }
    EXPECT_EQ(movie->getValue(), -1.0f);

    auto* fromSecond = added(new CMovieBitmap(kSmallPlace, &listener, kTag, 2, 4, strip.get(), {0, 4}));
    fromSecond->setValue(1.0f);
    EXPECT_EQ(drawnImage(*fromSecond, kSmallInside, 4), 2);
    auto* bare = added(new CMovieBitmap(kSmallPlace, &listener, kTag, nullptr, {0, 0}));
    bare->setValue(0.5f);
    EXPECT_EQ(drawnImage(*bare, kSmallInside, 4), -1);
}

TEST_F(Switches, AMovieButtonTogglesAndKeepsItsValue)
{
    Held<CBitmap> strip(new CBitmap(test_images::kTwoImageStrip.id));
    auto* button = added(new CMovieButton(kSmallPlace, &listener, kTag, 4, strip.get(), {0, 0}));
    EXPECT_TRUE(button->isTypeOf("CMovieButton"));
    EXPECT_EQ(drawnImage(*button, kSmallInside, 2), 0);
    button->mouse(noDrawing, kSmallInside, kLeftButton);
    EXPECT_EQ(button->getValue(), 1.0f);
    EXPECT_EQ(drawnImage(*button, kSmallInside, 2), 1);
    button->mouse(noDrawing, kSmallInside, kLeftButton);
    EXPECT_EQ(button->getValue(), 0.0f);
    EXPECT_EQ(log, (Log{"begin 3", "changed 1", "end 3", "begin 3", "changed 0", "end 3"}));
}

TEST_F(Switches, AnAutoAnimationShowsOnlyWhileOpenAndStepsRoundItsStrip)
{
    Held<CBitmap> strip(new CBitmap(test_images::kFourImageStrip.id));
    auto* animation = added(new CAutoAnimation(kSmallPlace, &listener, kTag, strip.get(), {0, 0}));
    EXPECT_TRUE(animation->isTypeOf("CAutoAnimation"));
    EXPECT_EQ(drawnImage(*animation, kSmallInside, 4), -1) << "closed";
    animation->openWindow();
    for (const int image : {1, 2, 3, 0}) {
        animation->nextPixmap();
        EXPECT_EQ(drawnImage(*animation, kSmallInside, 4), image);
    }
    animation->previousPixmap();
    EXPECT_EQ(animation->getValue(), 12.0f) << "back from the first to the start of the last";
    animation->previousPixmap();
    EXPECT_EQ(animation->getValue(), 8.0f);

    animation->mouse(noDrawing, kSmallInside, kLeftButton);
    EXPECT_FALSE(animation->isWindowOpened());
    EXPECT_EQ(animation->getValue(), 0.0f);
    animation->mouse(noDrawing, kSmallInside, kLeftButton);
    EXPECT_TRUE(animation->isWindowOpened());
    animation->mouse(noDrawing, kSmallInside, kRightButton);
    EXPECT_EQ(log, (Log{"begin 3", "changed 0", "end 3", "begin 3", "changed 0", "end 3"}));

    auto* bare = added(new CAutoAnimation(kSmallPlace, &listener, kTag, nullptr, {0, 0}));
    bare->previousPixmap();
    bare->nextPixmap();
    EXPECT_EQ(bare->getValue(), 0.0f);
}

TEST_F(Switches, ASpecialDigitShowsItsDigitsClampedToItsRange)
{
    Held<CBitmap> digits(new CBitmap(test_images::kKnobStrip.id));
    auto* display =
        added(new CSpecialDigit({0, 0, 16, 4}, &listener, kTag, 1234, 4, nullptr, nullptr, 4, 4, digits.get()));
    EXPECT_TRUE(display->isTypeOf("CSpecialDigit"));
    const auto shown = [&] {
        clearBuffer();
        display->draw(buffer);
        std::string text;
        for (int digit = 0; digit < 4; ++digit)
            text += std::to_string(kravo::test::stripImageAt(*buffer, {digit * 4 + 1, 1}, 10));
        return text;
    };
    EXPECT_EQ(shown(), "1234");
    display->setValue(12345.0f);
    EXPECT_EQ(shown(), "9999");
    EXPECT_EQ(display->getNormValue(), 1.0f);
    display->setValue(-3.0f);
    EXPECT_EQ(shown(), "0000");
    EXPECT_EQ(display->getNormValue(), 0.0f);
    display->setValue(90.7f);
    EXPECT_EQ(shown(), "0090");

    const std::int32_t xs[] = {30, 40};
    const std::int32_t ys[] = {5, 12};
    auto* placed = added(new CSpecialDigit({30, 5, 44, 16}, &listener, kTag, 57, 2, xs, ys, 4, 4, digits.get()));
    clearBuffer();
    placed->draw(buffer);
    EXPECT_EQ(kravo::test::stripImageAt(*buffer, {31, 6}, 10), 5);
    EXPECT_EQ(kravo::test::stripImageAt(*buffer, {41, 13}, 10), 7);

    auto* many = added(new CSpecialDigit({0, 0, 4, 4}, &listener, kTag, 0, 9, nullptr, nullptr, 4, 4, digits.get()));
    EXPECT_EQ(many->getMax(), 9999999.0f) << "seven digits at most";
    auto* none = added(new CSpecialDigit({0, 0, 4, 4}, &listener, kTag, 0, 0, nullptr, nullptr, 4, 4, digits.get()));
    EXPECT_EQ(none->getMax(), 9.0f) << "one digit at least";
}

} // namespace

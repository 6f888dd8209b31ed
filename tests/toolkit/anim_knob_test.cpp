#include "toolkit/anim_knob.h"

#include "tests/toolkit/support/control_test.h"
#include "toolkit/bitmap.h"
#include "toolkit/offscreen_context.h"

#include <gtest/gtest.h>

namespace {

using namespace Toolkit;
using kravo::test::Held;
using kravo::test::stripImageAt;
using test_images::kKnobImages;

constexpr CRect kKnobPlace{2, 3, 6, 7};

class AnimKnob : public kravo::test::ToolkitTest {
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        frame = new kravo::test::WindowlessFrame({0, 0, 20, 20});
        buffer = new COffscreenContext(frame, 20, 20, kBlackColor);
        strip = new CBitmap(test_images::kKnobStrip.id);
    }
    void TearDown() override
    {
        strip->forget();
        buffer->forget();
        frame->forget();
        ToolkitTest::TearDown();
    }

    int imageAt(CAnimKnob& knob, float value)
    {
        buffer->setFillColor(kWhiteColor);
        buffer->drawRect({0, 0, 20, 20}, kFill);
        knob.setValue(value);
        knob.draw(buffer);
        return stripImageAt(*buffer, {kKnobPlace.left + 1, kKnobPlace.top + 1}, kKnobImages);
    }

    kravo::test::WindowlessFrame* frame = nullptr;
    COffscreenContext* buffer = nullptr;
    CBitmap* strip = nullptr;
};

TEST_F(AnimKnob, OfItsImagesTheLastShowsOnlyAtTheTopAndTheFirstForAnyNegativeValue)
{
    CAnimKnob knob(kKnobPlace, nullptr, 0, kKnobImages, test_images::detail::kStripImageHeight, strip, {0, 0});
    EXPECT_EQ(imageAt(knob, 0.999f), 149);
    EXPECT_EQ(imageAt(knob, 1.0f), 150);
    EXPECT_EQ(imageAt(knob, 0.0f), 0);
    EXPECT_EQ(imageAt(knob, -0.5f), 0);
    EXPECT_EQ(imageAt(knob, 0.5f), 75);
    EXPECT_EQ(imageAt(knob, 0.0066f), 0) << "just below image 1";
    EXPECT_EQ(imageAt(knob, 0.0067f), 1);
}

TEST_F(AnimKnob, CountedFromItsBackgroundItHasAsManyImagesAsTheBackgroundHoldsOfItsHeight)
{
    CAnimKnob knob(kKnobPlace, nullptr, 0, strip, {0, 0});
    EXPECT_EQ(imageAt(knob, 1.0f), 150);
    EXPECT_EQ(imageAt(knob, 0.25f), 37);
}

TEST_F(AnimKnob, WithoutBackgroundOrImageHeightItShowsItsFirstImageAndDrawsOnlyThat)
{
    CAnimKnob flat(kKnobPlace, nullptr, 0, kKnobImages, 0, strip, {0, 0});
    EXPECT_EQ(imageAt(flat, 0.7f), 0);
    CAnimKnob single(kKnobPlace, nullptr, 0, 1, 4, strip, {0, 0});
    EXPECT_EQ(imageAt(single, 1.0f), 0);

    CAnimKnob bare(kKnobPlace, nullptr, 0, nullptr, {0, 0});
    EXPECT_EQ(imageAt(bare, 0.7f), -1);
    EXPECT_EQ(buffer->getPoint({3, 4}), kWhiteColor);
    EXPECT_FALSE(bare.isDirty());
    CAnimKnob noHeight({2, 3, 6, 3}, nullptr, 0, strip, {0, 0});
    noHeight.setValue(0.7f);
    noHeight.draw(buffer);
    EXPECT_FALSE(noHeight.isDirty());
}

TEST_F(AnimKnob, ItIsDirtyOnlyWhenItsValueMovesItsPointOnTheCircle)
{
    CAnimKnob knob({0, 0, 40, 40}, nullptr, 0, kKnobImages, 40, strip, {0, 0});
    knob.setValue(0.5f);
    knob.draw(buffer);
    EXPECT_FALSE(knob.isDirty());
    knob.setValue(0.5005f);
    EXPECT_FALSE(knob.isDirty()) << "the same pixel on the circle";
    knob.setValue(0.6f);
    EXPECT_TRUE(knob.isDirty());
    knob.setValue(0.5f);
    knob.setDirty(true);
    EXPECT_TRUE(knob.isDirty());
}

} // namespace

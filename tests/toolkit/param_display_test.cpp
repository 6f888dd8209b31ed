#include "toolkit/param_display.h"

#include "tests/toolkit/support/control_test.h"
#include "platform/gdi/text.h"
#include "toolkit/bitmap.h"
#include "toolkit/offscreen_context.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace Toolkit;

constexpr CRect kPlace{4, 2, 44, 18};
constexpr CColor kBack{20, 40, 60, 255};
constexpr CColor kFrameColour{200, 10, 10, 255};
constexpr CColor kText{250, 250, 0, 255};

class ParamDisplay : public kravo::test::ToolkitTest {
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        frame = new kravo::test::WindowlessFrame({0, 0, 50, 20});
        buffer = new COffscreenContext(frame, 50, 20, kWhiteColor);
    }
    void TearDown() override
    {
        buffer->forget();
        frame->forget();
        ToolkitTest::TearDown();
    }

    platform::Image pictureOf(CParamDisplay& display)
    {
        buffer->setFillColor(kWhiteColor);
        buffer->drawRect({0, 0, 50, 20}, kFill);
        display.draw(buffer);
        return *platform::captureImage(buffer->getSystemContext(), {0, 0, 50, 20});
    }

    kravo::test::WindowlessFrame* frame = nullptr;
    COffscreenContext* buffer = nullptr;
};

void showsText(float, char* text, void* data)
{
    std::strcpy(text, static_cast<const char*>(data));
}

void showsWinner(float, char* text)
{
    std::strcpy(text, "loses");
}

// A display that shows the text through a converter.
CParamDisplay* showing(const char* text)
{
    auto* display = new CParamDisplay(kPlace);
    display->setStringConvert(&showsText, const_cast<char*>(text));
    return display;
}

TEST_F(ParamDisplay, WithoutAConverterTheValueShowsWithTwoDecimals)
{
    CParamDisplay plain(kPlace);
    const std::pair<float, const char*> shown[] = {{0.5f, "0.50"}, {-0.25f, "-0.25"}, {12.345f, "12.35"}};
    for (const auto& [value, text] : shown) {
        plain.setValue(value);
        kravo::test::Held<CParamDisplay> expected(showing(text));
        EXPECT_EQ(pictureOf(plain), pictureOf(*expected.get())) << text;
    }
    kravo::test::Held<CParamDisplay> other(showing("0.5"));
    plain.setValue(0.5f);
    EXPECT_NE(pictureOf(plain), pictureOf(*other.get()));
}

TEST_F(ParamDisplay, TheConverterWithUserDataWinsOverTheOtherOne)
{
    kravo::test::Held<CParamDisplay> both(showing("wins"));
    both->setStringConvert(&showsWinner);
    kravo::test::Held<CParamDisplay> expected(showing("wins"));
    EXPECT_EQ(pictureOf(*both.get()), pictureOf(*expected.get()));
    both->setStringConvert(nullptr, nullptr);
    kravo::test::Held<CParamDisplay> loser(showing("loses"));
    EXPECT_EQ(pictureOf(*both.get()), pictureOf(*loser.get()));
}

TEST_F(ParamDisplay, WithoutABitmapItFillsAFramedBoxOrLeavesTheFrameToTheEdges)
{
    CParamDisplay display(kPlace, nullptr, kNoTextStyle);
    display.setBackColor(kBack);
    display.setFrameColor(kFrameColour);
    platform::Image expected(50, 20, RGB(255, 255, 255));
    expected.fill({4, 2, 44, 18}, kFrameColour.gdiValue());
    expected.fill({5, 3, 43, 17}, kBack.gdiValue());
    EXPECT_EQ(pictureOf(display), expected);

    // Sunken: back colour left and top (one row down), frame colour right and bottom.
    display.setStyle(kNoTextStyle | k3DIn);
    const platform::Image sunken = pictureOf(display);
    EXPECT_EQ(sunken.at(4, 10), kBack.gdiValue());
    EXPECT_EQ(sunken.at(20, 3), kBack.gdiValue());
    EXPECT_EQ(sunken.at(43, 10), kFrameColour.gdiValue());
    EXPECT_EQ(sunken.at(20, 17), kFrameColour.gdiValue());
    EXPECT_EQ(sunken.at(20, 2), RGB(255, 255, 255)) << "no frame with an edge";

    display.setStyle(kNoTextStyle | k3DOut);
    const platform::Image raised = pictureOf(display);
    EXPECT_EQ(raised.at(4, 10), kFrameColour.gdiValue());
    EXPECT_EQ(raised.at(43, 10), kBack.gdiValue());

    display.setStyle(kNoTextStyle | kNoFrame);
    const platform::Image unframed = pictureOf(display);
    EXPECT_EQ(unframed.at(4, 10), RGB(255, 255, 255));
    EXPECT_EQ(unframed.at(43, 10), kBack.gdiValue());

    display.setTransparency(true);
    EXPECT_EQ(pictureOf(display), platform::Image(50, 20, RGB(255, 255, 255)));
}

TEST_F(ParamDisplay, TheTextStaysInsideTheDisplayWithItsShadowOneRightAndDown)
{
    platform::setTextAntialiasing(false);
    CParamDisplay display(kPlace, nullptr, kNoFrame);
    display.setBackColor(kBack);
    display.setFontColor(kText);
    display.setShadowColor(kFrameColour);
    display.setHoriAlign(kAlignLeft);
    display.setValue(88.88f);
    const platform::Image plain = pictureOf(display);
    int textPixels = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 50; ++x) {
            const bool inside = x >= 5 && x < 44 && y >= 3 && y < 18;
            if (!inside) {
                EXPECT_EQ(plain.at(x, y), RGB(255, 255, 255)) << x << ", " << y;
            }
            textPixels += plain.at(x, y) == kText.gdiValue() ? 1 : 0;
            EXPECT_NE(plain.at(x, y), kFrameColour.gdiValue());
        }
    EXPECT_GT(textPixels, 10);

    display.setStyle(kNoFrame | kShadowText);
    const platform::Image shadowed = pictureOf(display);
    bool shadowSeen = false;
    for (int y = 1; y < 20; ++y)
        for (int x = 1; x < 50; ++x)
            if (plain.at(x - 1, y - 1) == kText.gdiValue() && shadowed.at(x, y) == kFrameColour.gdiValue())
                shadowSeen = true;
    EXPECT_TRUE(shadowSeen);
    platform::setTextAntialiasing(true);
}

TEST_F(ParamDisplay, NoDrawStyleDrawsNothingAndLeavesItClean)
{
    CParamDisplay display(kPlace, nullptr, kNoDrawStyle);
    EXPECT_FALSE(display.isDirty()) << "clean from the start";
    display.setValue(0.3f);
    EXPECT_EQ(pictureOf(display), platform::Image(50, 20, RGB(255, 255, 255)));
    EXPECT_FALSE(display.isDirty());
}

TEST_F(ParamDisplay, ABitmapReplacesTheBoxFromTheBackOffset)
{
    kravo::test::Held<CBitmap> strip(new CBitmap(test_images::kFourImageStrip.id));
    CParamDisplay display({0, 0, 4, 4}, strip.get(), kNoTextStyle);
    display.setBackOffset({0, 8});
    const platform::Image picture = pictureOf(display);
    EXPECT_EQ(picture.at(1, 1), kravo::test::shownStripColour(2).gdiValue());

    // The bitmap given to drawText wins over the control's.
    kravo::test::Held<CBitmap> other(new CBitmap(test_images::kTwoImageStrip.id));
    display.setBackOffset({0, 4});
    display.drawText(buffer, "ignored", other.get());
    EXPECT_EQ(buffer->getPoint({1, 1}), kravo::test::shownStripColour(1));
}

} // namespace

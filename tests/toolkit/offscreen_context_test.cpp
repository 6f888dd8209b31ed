#include "toolkit/offscreen_context.h"

#include "platform/gdi/text.h"
#include "tests/toolkit/support/toolkit_test.h"
#include "toolkit/bitmap.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Toolkit;
using kravo::test::WindowlessFrame;
using kravo::test::Held;
using OffscreenContext = kravo::test::ToolkitTest;

constexpr CColor kRed{255, 0, 0, 255};

platform::Image pictureOf(COffscreenContext& context)
{
    return *platform::captureImage(context.getSystemContext(), {0, 0, context.getWidth(), context.getHeight()});
}

TEST_F(OffscreenContext, MadeWithoutABitmapItIsTwentyByTwentyAndBlackEverywhere)
{
    HDC dc = canvas(4, 4);
    CDrawContext source(nullptr, dc, nullptr);
    Held<COffscreenContext> buffer(new COffscreenContext(&source, nullptr, false));
    EXPECT_EQ(buffer->getWidth(), 20);
    EXPECT_EQ(buffer->getHeight(), 20);
    CRect clip;
    EXPECT_EQ(buffer->getClipRect(clip), (CRect{0, 0, 20, 20}));
    EXPECT_EQ(pictureOf(*buffer.get()), platform::Image(20, 20, RGB(0, 0, 0)));

    // The white frame colour draws at once.
    buffer->drawRect({2, 2, 5, 5}, kOutline);
    EXPECT_EQ(buffer->getPoint({2, 2}), kWhiteColor);
    EXPECT_EQ(buffer->getPoint({4, 4}), kWhiteColor);
    EXPECT_EQ(buffer->getPoint({3, 3}), kBlackColor);
}

TEST_F(OffscreenContext, AFrameBufferShowsItsBackgroundEverywhereBlackIncluded)
{
    WindowlessFrame frame;
    for (const CColor background : {kBlackColor, CColor{10, 120, 230, 255}}) {
        Held<COffscreenContext> buffer(new COffscreenContext(&frame, 30, 12, background));
        EXPECT_EQ(pictureOf(*buffer.get()), platform::Image(30, 12, background.gdiValue()))
            << "background " << background.gdiValue();
    }
}

TEST_F(OffscreenContext, TheContextsOwnPenBrushFontAndColoursAreInForceFromTheStart)
{
    platform::setTextAntialiasing(false);
    WindowlessFrame frame;
    Held<COffscreenContext> buffer(new COffscreenContext(&frame, 60, 20, kBlackColor));
    HDC dc = buffer->getSystemContext();
    EXPECT_NE(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    LOGFONTA font{};
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
    EXPECT_EQ(std::string(font.faceName), "Arial");
    EXPECT_EQ(font.weight, FW_BOLD);
    LOGBRUSH brush{};
    GetObjectA(GetCurrentObject(dc, OBJ_BRUSH), sizeof(brush), &brush);
    EXPECT_EQ(brush.colour, RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));

    // White text on the black buffer; an opaque cell in the black fill colour.
    buffer->drawString("Kick", {0, 0, 60, 20}, true, kAlignLeft);
    const platform::Image picture = pictureOf(*buffer.get());
    int white = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            EXPECT_TRUE(picture.at(x, y) == RGB(0, 0, 0) || picture.at(x, y) == RGB(255, 255, 255));
            white += picture.at(x, y) == RGB(255, 255, 255) ? 1 : 0;
        }
    EXPECT_GT(white, 10);
    platform::setTextAntialiasing(true);
}

TEST_F(OffscreenContext, ABufferMadeFromABitmapStartsAsItsCopyOverBlack)
{
    HDC dc = canvas(4, 4);
    CDrawContext source(nullptr, dc, nullptr);
    Held<CBitmap> bitmap(new CBitmap(test_images::kFourByThree.id));
    platform::Image blended(4, 3, 0);
    platform::Image masked(4, 3, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            // Blended over black, a premultiplied pixel shows its stored colour.
            const test_images::Rgba colour = test_images::kFourByThree.pixel(x, y);
            const std::uint32_t stored = kravo::test::storedPixel(colour);
            blended.set(x, y, RGB((stored >> 16) & 0xFF, (stored >> 8) & 0xFF, stored & 0xFF));
            if (colour.alpha >= 128)
                masked.set(x, y, blended.at(x, y));
        }

    // Before the frame found the blending function, through a mask of the alpha.
    Held<COffscreenContext> withoutBlending(new COffscreenContext(&source, bitmap.get(), false));
    ASSERT_EQ(withoutBlending->getWidth(), 4);
    ASSERT_EQ(withoutBlending->getHeight(), 3);
    EXPECT_EQ(pictureOf(*withoutBlending.get()), masked);
    loadImageLibrary();
    Held<COffscreenContext> withBlending(new COffscreenContext(&source, bitmap.get(), false));
    EXPECT_EQ(pictureOf(*withBlending.get()), blended);
}

TEST_F(OffscreenContext, DrawingIntoABitmapChangesTheBitmap)
{
    HDC dc = canvas(8, 8);
    CDrawContext target(nullptr, dc, nullptr);
    Held<CBitmap> bitmap(new CBitmap(nullptr, 5, 5));
    {
        Held<COffscreenContext> into(new COffscreenContext(&target, bitmap.get(), true));
        CRect clip;
        EXPECT_EQ(into->getClipRect(clip), (CRect{0, 0, 5, 5}));
        into->setFillColor(kRed);
        into->fillRect({0, 0, 5, 5});
    }
    bitmap->draw(&target, {2, 2, 7, 7}, {0, 0});
    platform::Image expected(8, 8, RGB(255, 255, 255));
    expected.fill({2, 2, 7, 7}, RGB(0, 0, 0));
    expected.fill({3, 3, 7, 7}, kRed.gdiValue());
    expectPicture(dc, expected);
}

TEST_F(OffscreenContext, AnEmptyBitmapGivesAnEmptyBuffer)
{
    HDC dc = canvas(4, 4);
    CDrawContext source(nullptr, dc, nullptr);
    Held<CBitmap> empty(new CBitmap());
    Held<COffscreenContext> buffer(new COffscreenContext(&source, empty.get(), false));
    CRect clip;
    EXPECT_EQ(buffer->getClipRect(clip), (CRect{0, 0, 0, 0}));
    buffer->fillRect({0, 0, 4, 4});
}

TEST_F(OffscreenContext, CopyToTakesTheSourceBlockMovedByTheSourcesOriginToTheDestinationPoint)
{
    HDC dc = canvas(10, 10);
    CDrawContext source(nullptr, dc, nullptr);
    source.drawPoint({6, 7}, kRed);
    source.offset = {2, 3};
    WindowlessFrame frame;
    Held<COffscreenContext> buffer(new COffscreenContext(&frame, 6, 6, kBlackColor));
    buffer->offset = {100, 100}; // the destination point is not moved
    buffer->copyTo(&source, {3, 3, 5, 5}, {1, 2});
    platform::Image expected(6, 6, RGB(0, 0, 0));
    expected.fill({1, 2, 3, 4}, RGB(255, 255, 255));
    expected.set(2, 3, kRed.gdiValue());
    EXPECT_EQ(pictureOf(*buffer.get()), expected);
}

} // namespace

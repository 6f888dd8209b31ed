#include "toolkit/bitmap.h"

#include "tests/toolkit/support/toolkit_test.h"
#include "toolkit/draw_context.h"
#include "toolkit/offscreen_context.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace Toolkit;
using kravo::test::Held;
using kravo::test::storedPixel;
using test_images::Picture;
using Bitmap = kravo::test::ToolkitTest;

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr CColor kRed{255, 0, 0, 255};
constexpr int kMissingId = 999;

std::uint32_t channel(std::uint32_t pixel, int index)
{
    return (pixel >> (8 * index)) & 0xFF;
}

// A premultiplied pixel put over an opaque destination with the whole block weighted by a constant
// alpha: each channel s × k + d × (1 - a × k), rounded as the system's blend rounds.
COLORREF blended(std::uint32_t stored, COLORREF destination, std::uint32_t constant)
{
    const auto scale = [](std::uint32_t value, std::uint32_t by) { return (value * by + 127) / 255; };
    const std::uint32_t alpha = scale(channel(stored, 3), constant);
    const auto mix = [&](std::uint32_t source, std::uint32_t under) {
        return std::min<std::uint32_t>(255, scale(source, constant) + scale(under, 255 - alpha));
    };
    return RGB(static_cast<BYTE>(mix(channel(stored, 2), channel(destination, 0))),
        static_cast<BYTE>(mix(channel(stored, 1), channel(destination, 1))),
        static_cast<BYTE>(mix(channel(stored, 0), channel(destination, 2))));
}

COLORREF colourOf(test_images::Rgba colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// The picture's block at (offsetX, offsetY) of the given size as it should land at `at` on a grey
// canvas: `pixel` says what a picture pixel becomes there.
template <class Pixel>
platform::Image expectedOnGrey(const Picture& picture, POINT at, CPoint offset, int width, int height, Pixel pixel)
{
    platform::Image expected(12, 10, kGrey);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            expected.set(at.x + x, at.y + y, pixel(picture.pixel(offset.h + x, offset.v + y)));
    return expected;
}

TEST_F(Bitmap, APngResourceLoadsToBeBlended)
{
    Held<CBitmap> bitmap(new CBitmap(test_images::kFourByThree.id));
    EXPECT_TRUE(bitmap->isLoaded());
    EXPECT_FALSE(bitmap->getNoAlpha());
    EXPECT_EQ(bitmap->getWidth(), 4);
    EXPECT_EQ(bitmap->getHeight(), 3);
    EXPECT_TRUE(bitmap->loadFromResource(test_images::kSinglePixel.id));
    EXPECT_EQ(bitmap->getWidth(), 1);
    EXPECT_EQ(bitmap->getHeight(), 1);
}

TEST_F(Bitmap, DamagedPngResourcesAnswerFalseAndKeepWhatWasDecoded)
{
    for (const test_images::DamagedPicture& damaged : test_images::kDamagedPictures) {
        Held<CBitmap> bitmap(new CBitmap());
        EXPECT_FALSE(bitmap->loadFromResource(damaged.id)) << damaged.file;
        EXPECT_FALSE(bitmap->getNoAlpha());
        EXPECT_EQ(bitmap->isLoaded(), damaged.damage == test_images::Damage::cutInData ||
                damaged.damage == test_images::Damage::badCrc)
            << damaged.file;
    }
}

TEST_F(Bitmap, AMissingImageIsEmptyAndDrawsNothing)
{
    HDC dc = canvas(12, 10, kGrey);
    CDrawContext context(nullptr, dc, nullptr);
    loadImageLibrary();
    Held<CBitmap> bitmap(new CBitmap(kMissingId));
    EXPECT_FALSE(bitmap->loadFromResource(kMissingId));
    EXPECT_FALSE(bitmap->isLoaded());
    EXPECT_EQ(bitmap->getWidth(), 0);
    bitmap->draw(&context, {0, 0, 5, 5}, {0, 0});
    bitmap->drawTransparent(&context, {0, 0, 5, 5}, {0, 0});
    bitmap->drawAlphaBlend(&context, {0, 0, 5, 5}, {0, 0}, 128);
    expectPicture(dc, platform::Image(12, 10, kGrey));
}

TEST_F(Bitmap, LoadFromPathAnswersFalseAndLeavesTheBitmapEmpty)
{
    Held<CBitmap> bitmap(new CBitmap(test_images::kFourByThree.id));
    EXPECT_FALSE(bitmap->loadFromPath("four_by_three.png"));
    EXPECT_FALSE(bitmap->isLoaded());
    EXPECT_EQ(bitmap->getWidth(), 0);
    EXPECT_EQ(bitmap->getHeight(), 0);
}

TEST_F(Bitmap, APngDrawnAtAnOffsetOntoGreyIsTheBlendOfItsPremultipliedPixelsWholeOrAtHalfStrength)
{
    loadImageLibrary();
    const Picture& picture = test_images::kFourByThree;
    Held<CBitmap> bitmap(new CBitmap(picture.id));
    for (const std::uint8_t alpha : {std::uint8_t{255}, std::uint8_t{128}}) {
        HDC dc = canvas(12, 10, kGrey);
        CDrawContext context(nullptr, dc, nullptr);
        context.offset = {2, 1};
        if (alpha == 255)
            bitmap->draw(&context, {1, 1, 5, 4}, {0, 0});
        else
            bitmap->drawAlphaBlend(&context, {1, 1, 5, 4}, {0, 0}, alpha);
        expectPicture(dc, expectedOnGrey(picture, {3, 2}, {0, 0}, 4, 3, [&](test_images::Rgba colour) {
            return blended(storedPixel(colour), kGrey, alpha);
        }));
    }
}

TEST_F(Bitmap, APartChosenByItsOffsetBlendsTheSameOnWindows98)
{
    const Picture& picture = test_images::kPattern;
    const auto expected = expectedOnGrey(picture, {4, 3}, {5, 2}, 6, 5,
        [](test_images::Rgba colour) { return blended(storedPixel(colour), kGrey, 255); });
    for (const platform::SystemFamily family : {platform::SystemFamily::nt, platform::SystemFamily::windows9x}) {
        platform::setSystemFamily(family);
        loadImageLibrary();
        EXPECT_EQ(blendsOnlyFromOrigin(), family == platform::SystemFamily::windows9x);
        HDC dc = canvas(12, 10, kGrey);
        CDrawContext context(nullptr, dc, nullptr);
        Held<CBitmap> bitmap(new CBitmap(picture.id));
        bitmap->drawTransparent(&context, {4, 3, 10, 8}, {5, 2});
        expectPicture(dc, expected);
    }
}

TEST_F(Bitmap, WithoutTheBlendingFunctionPixelsOfAlphaFrom128AreCopiedThroughAMaskMadeOnce)
{
    platform::setImageLibrary(platform::ImageLibrary::missing);
    loadImageLibrary();
    ASSERT_EQ(alphaBlendEntry, nullptr);
    const Picture& picture = test_images::kPattern;
    Held<CBitmap> bitmap(new CBitmap(picture.id));
    HDC dc = canvas(12, 10, kGrey);
    CDrawContext context(nullptr, dc, nullptr);
    const int bitmapsBefore = platform::gdiObjectCounts().bitmaps;
    bitmap->draw(&context, {1, 1, 11, 9}, {2, 3});
    EXPECT_EQ(platform::gdiObjectCounts().bitmaps, bitmapsBefore + 1);
    bitmap->drawAlphaBlend(&context, {1, 1, 11, 9}, {2, 3}, 255);
    EXPECT_EQ(platform::gdiObjectCounts().bitmaps, bitmapsBefore + 1);
    expectPicture(dc, expectedOnGrey(picture, {1, 1}, {2, 3}, 10, 8, [](test_images::Rgba colour) {
        const std::uint32_t stored = storedPixel(colour);
        return colour.alpha >= 128 ? RGB(channel(stored, 2), channel(stored, 1), channel(stored, 0)) : kGrey;
    }));
}

TEST_F(Bitmap, AnIdWithOnlyAnOrdinaryBitmapIsDrawnByCopying)
{
    loadImageLibrary();
    const Picture& picture = test_images::kOrdinaryBitmap;
    Held<CBitmap> bitmap(new CBitmap(picture.id));
    EXPECT_TRUE(bitmap->getNoAlpha());
    EXPECT_EQ(bitmap->getWidth(), picture.width);
    EXPECT_EQ(bitmap->getHeight(), picture.height);
    HDC dc = canvas(12, 10, kGrey);
    CDrawContext context(nullptr, dc, nullptr);
    bitmap->draw(&context, {2, 3, 8, 7}, {0, 0});
    expectPicture(dc, expectedOnGrey(picture, {2, 3}, {0, 0}, 6, 4, colourOf));
}

// White with a fourth byte of 0 by default, compared by its GDI value: white is left out, and the white
// that is not quite white stays.
TEST_F(Bitmap, TheThreeWaysOfLeavingOutTheTransparentColourGiveOnePicture)
{
    const Picture& picture = test_images::kOrdinaryBitmap;
    const auto expected = expectedOnGrey(picture, {3, 2}, {1, 1}, 4, 3, [](test_images::Rgba colour) {
        return colour == test_images::Rgba{255, 255, 255, 255} ? kGrey : colourOf(colour);
    });
    enum class Way { mask, transparentBlt, maskOnTheSpot };
    for (const Way way : {Way::mask, Way::transparentBlt, Way::maskOnTheSpot}) {
        platform::setImageLibrary(way == Way::maskOnTheSpot ? platform::ImageLibrary::withoutTransparentBlt
                                                            : platform::ImageLibrary::complete);
        loadImageLibrary();
        ASSERT_EQ(transparentBltEntry == nullptr, way == Way::maskOnTheSpot);
        HDC dc = canvas(12, 10, kGrey);
        CDrawContext context(nullptr, dc, nullptr);
        context.offset = {1, 1};
        Held<CBitmap> bitmap(new CBitmap(picture.id));
        if (way == Way::mask) {
            Held<COffscreenContext> shown(new COffscreenContext(&context, bitmap.get(), true));
            bitmap->setTransparencyMask(shown.get(), {0, 0});
        }
        const COLORREF background = GetBkColor(dc);
        const COLORREF text = GetTextColor(dc);
        bitmap->drawTransparent(&context, {2, 1, 6, 4}, {1, 1});
        expectPicture(dc, expected);
        EXPECT_EQ(GetBkColor(dc), background);
        EXPECT_EQ(GetTextColor(dc), text);
    }
}

TEST_F(Bitmap, AMaskTakenFromWhatAContextShowsDecidesWhereTheDestinationShowsThrough)
{
    const Picture& picture = test_images::kOrdinaryBitmap;
    loadImageLibrary();
    HDC shownDC = canvas(8, 6);
    CDrawContext shown(nullptr, shownDC, nullptr);
    shown.setFillColor(kRed);
    shown.fillRect({0, 1, 3, 6}); // columns 1 and 2 from row 2 down are not the transparent colour
    Held<CBitmap> bitmap(new CBitmap(picture.id));
    bitmap->setTransparencyMask(&shown, {0, 1});

    HDC dc = canvas(12, 10, kGrey);
    CDrawContext context(nullptr, dc, nullptr);
    bitmap->drawTransparent(&context, {2, 2, 8, 6}, {0, 0});
    platform::Image expected(12, 10, kGrey);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            if ((x == 1 || x == 2) && y >= 1)
                expected.set(2 + x, 2 + y, colourOf(picture.pixel(x, y)));
    expectPicture(dc, expected);
}

TEST_F(Bitmap, AnotherTransparentColourLeavesOutOnlyThatColour)
{
    const Picture& picture = test_images::kOrdinaryBitmap;
    HDC dc = canvas(12, 10, kGrey);
    CDrawContext context(nullptr, dc, nullptr);
    Held<CBitmap> bitmap(new CBitmap(picture.id));
    bitmap->setTransparentColor({255, 255, 254, 255});
    bitmap->drawTransparent(&context, {0, 0, 6, 4}, {0, 0});
    expectPicture(dc, expectedOnGrey(picture, {0, 0}, {0, 0}, 6, 4, [](test_images::Rgba colour) {
        return colour == test_images::Rgba{255, 255, 254, 255} ? kGrey : colourOf(colour);
    }));
}

TEST_F(Bitmap, ABlankBitmapIsBlackAndCopied)
{
    HDC dc = canvas(12, 10, kGrey);
    CDrawContext context(nullptr, dc, nullptr);
    Held<CBitmap> blank(new CBitmap(nullptr, 3, 2));
    EXPECT_TRUE(blank->isLoaded());
    EXPECT_TRUE(blank->getNoAlpha());
    blank->drawAlphaBlend(&context, {1, 1, 4, 3}, {0, 0}, 255);
    platform::Image expected(12, 10, kGrey);
    expected.fill({1, 1, 4, 3}, RGB(0, 0, 0));
    expectPicture(dc, expected);

    blank->dispose();
    EXPECT_FALSE(blank->isLoaded());
    EXPECT_FALSE(blank->getNoAlpha());
    EXPECT_EQ(blank->getWidth(), 0);
}

TEST_F(Bitmap, SharedBitmapsGoWithTheirLastReference)
{
    const platform::GdiObjectCounts before = platform::gdiObjectCounts();
    auto* bitmap = new CBitmap(test_images::kOrdinaryBitmap.id);
    bitmap->remember();
    bitmap->forget();
    EXPECT_EQ(platform::gdiObjectCounts().bitmaps, before.bitmaps + 1);
    bitmap->forget();
    EXPECT_EQ(platform::gdiObjectCounts(), before);
}

} // namespace

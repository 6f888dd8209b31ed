#include "platform/gdi/image_library.h"

#include "platform/gdi/blits.h"
#include "platform/module_loading.h"
#include "tests/support/gdi_checked_test.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using ImageLibraryCalls = kravo::test::GdiCheckedTest;

struct Functions {
    AlphaBlendFunction alphaBlend;
    TransparentBltFunction transparentBlt;
};

Functions load(HMODULE library)
{
    return {reinterpret_cast<AlphaBlendFunction>(GetProcAddress(library, "AlphaBlend")),
        reinterpret_cast<TransparentBltFunction>(GetProcAddress(library, "TransparentBlt"))};
}

TEST(ImageLibrary, LoadsByNameUnlessSwitchedOffAndCanLackTransparentBlt)
{
    HMODULE library = LoadLibraryA("msimg32.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_TRUE(load(library).alphaBlend != nullptr && load(library).transparentBlt != nullptr);
    platform::setImageLibrary(platform::ImageLibrary::withoutTransparentBlt);
    EXPECT_TRUE(load(library).alphaBlend != nullptr && load(library).transparentBlt == nullptr);
    platform::setImageLibrary(platform::ImageLibrary::missing);
    EXPECT_EQ(LoadLibraryA("MSIMG32.DLL"), nullptr);
    platform::setImageLibrary(platform::ImageLibrary::complete);
    EXPECT_EQ(FreeLibrary(library), TRUE);
}

// A 32-bit DIB section of premultiplied pixels, blue in the low byte and alpha in the high one.
class PremultipliedPicture {
public:
    PremultipliedPicture(int width, std::uint32_t pixel) : dc_(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.header = {.size = sizeof(BITMAPINFOHEADER),
            .width = width,
            .height = 1,
            .planes = 1,
            .bitCount = 32,
            .compression = BI_RGB,
            .reserved = {}};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        for (int x = 0; x < width; ++x)
            static_cast<std::uint32_t*>(bits)[x] = pixel;
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~PremultipliedPicture()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    PremultipliedPicture(const PremultipliedPicture&) = delete;
    PremultipliedPicture& operator=(const PremultipliedPicture&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

TEST_F(ImageLibraryCalls, AlphaBlendPutsThePremultipliedSourceOverTheDestinationScaledByTheConstantAlpha)
{
    const Functions functions = load(LoadLibraryA("msimg32.dll"));
    const PremultipliedPicture halfRed(1, 0x80800000u); // red 128, alpha 128
    HDC white = canvas(1, 1);
    const BLENDFUNCTION perPixel{
        .operation = AC_SRC_OVER, .flags = 0, .sourceConstantAlpha = 255, .alphaFormat = AC_SRC_ALPHA};
    ASSERT_EQ(functions.alphaBlend(white, 0, 0, 1, 1, halfRed.dc(), 0, 0, 1, 1, perPixel), TRUE);
    EXPECT_EQ(GetPixel(white, 0, 0), RGB(255, 127, 127));

    // Constant alpha 128: the source 200, 100, 50 (opaque) counts round(x × 128 / 255), the black below
    // nothing; without per-pixel alpha the white below keeps round(255 × 127 / 255).
    const PremultipliedPicture opaque(1, 0xFFC86432u);
    HDC black = canvas(1, 1, RGB(0, 0, 0));
    HDC under = canvas(1, 1);
    BLENDFUNCTION half = perPixel;
    half.sourceConstantAlpha = 128;
    functions.alphaBlend(black, 0, 0, 1, 1, opaque.dc(), 0, 0, 1, 1, half);
    EXPECT_EQ(GetPixel(black, 0, 0), RGB(100, 50, 25));
    half.alphaFormat = 0;
    functions.alphaBlend(under, 0, 0, 1, 1, opaque.dc(), 0, 0, 1, 1, half);
    EXPECT_EQ(GetPixel(under, 0, 0), RGB(227, 177, 152));
}

TEST_F(ImageLibraryCalls, ASourceOutsideItsBitmapOrOfAnotherSizeFails)
{
    const Functions functions = load(LoadLibraryA("msimg32.dll"));
    HDC source = canvas(4, 4);
    HDC destination = canvas(8, 8, RGB(0, 0, 0));
    const BLENDFUNCTION blend{.operation = AC_SRC_OVER, .flags = 0, .sourceConstantAlpha = 255, .alphaFormat = 0};
    EXPECT_EQ(functions.alphaBlend(destination, 0, 0, 4, 4, source, 1, 0, 4, 4, blend), FALSE);
    EXPECT_EQ(functions.alphaBlend(destination, 0, 0, 4, 4, source, 0, 0, 2, 2, blend), FALSE);
    EXPECT_EQ(functions.transparentBlt(destination, 0, 0, 2, 2, source, 3, 3, 2, 2, 0), FALSE);
    expectPicture(destination, platform::Image(8, 8, RGB(0, 0, 0)));
}

TEST_F(ImageLibraryCalls, TransparentBltGivesWhatTheMaskSequenceGives)
{
    const Functions functions = load(LoadLibraryA("msimg32.dll"));
    constexpr COLORREF kLeftOut = RGB(255, 0, 255);
    HDC bitmap = canvas(6, 4, RGB(20, 40, 60));
    for (const POINT hole : {POINT{0, 0}, POINT{3, 1}, POINT{4, 1}, POINT{5, 3}})
        SetPixel(bitmap, hole.x, hole.y, kLeftOut);
    HDC direct = canvas(6, 4, RGB(200, 100, 0));
    SetPixel(direct, 3, 1, RGB(1, 1, 1));
    HDC masked = canvas(6, 4, RGB(200, 100, 0));
    SetPixel(masked, 3, 1, RGB(1, 1, 1));
    ASSERT_EQ(functions.transparentBlt(direct, 0, 0, 6, 4, bitmap, 0, 0, 6, 4, kLeftOut), TRUE);

    // The toolkit's fallback: a mask where the bitmap shows the left-out colour, then XOR, AND, XOR.
    HDC maskDC = CreateCompatibleDC(masked);
    HBITMAP mask = CreateBitmap(6, 4, 1, 1, nullptr);
    HGDIOBJ previous = SelectObject(maskDC, mask);
    SetBkColor(masked, RGB(255, 255, 255));
    SetTextColor(masked, RGB(0, 0, 0));
    SetBkColor(bitmap, kLeftOut);
    BitBlt(maskDC, 0, 0, 6, 4, bitmap, 0, 0, SRCCOPY);
    BitBlt(masked, 0, 0, 6, 4, bitmap, 0, 0, SRCINVERT);
    BitBlt(masked, 0, 0, 6, 4, maskDC, 0, 0, SRCAND);
    BitBlt(masked, 0, 0, 6, 4, bitmap, 0, 0, SRCINVERT);
    expectPicture(masked, platform::captureImage(direct, {0, 0, 6, 4}).value());
    EXPECT_EQ(GetPixel(direct, 3, 1), RGB(1, 1, 1));
    EXPECT_EQ(GetPixel(direct, 2, 1), RGB(20, 40, 60));
    SelectObject(maskDC, previous);
    DeleteObject(mask);
    DeleteDC(maskDC);
}

} // namespace

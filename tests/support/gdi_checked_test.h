#pragma once

// A fixture for tests that draw through the GDI stand-in: it fails a test that had a call refused as
// misuse (unless it said it meant to) or that left GDI objects behind, and compares pictures, saving
// them under test-pictures/ in the working folder when they differ.

#include "platform/gdi/bitmaps.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace kravo::test {

class GdiCheckedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        startCounts_ = platform::gdiObjectCounts();
        startMisuses_ = platform::gdiMisuseCount();
    }

    void TearDown() override
    {
        for (const auto& [dc, bitmap] : canvases_) {
            DeleteDC(dc);
            DeleteObject(bitmap);
        }
        EXPECT_EQ(platform::gdiMisuseCount() - startMisuses_, expectedMisuses_)
            << "last misuse: " << platform::lastGdiMisuse();
        EXPECT_EQ(platform::gdiObjectCounts(), startCounts_) << "GDI objects were left behind";
    }

    void expectMisuses(unsigned count) { expectedMisuses_ = count; }

    // A memory DC holding a 32-bit bitmap filled with the colour; both go at the end of the test.
    HDC canvas(int width, int height, COLORREF background = RGB(255, 255, 255))
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(background);
        const RECT all{0, 0, width, height};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        canvases_.emplace_back(dc, bitmap);
        return dc;
    }

    void expectPicture(HDC dc, const platform::Image& expected, POINT at = {0, 0})
    {
        const auto actual = platform::captureImage(dc, {at.x, at.y, at.x + expected.width(), at.y + expected.height()});
        ASSERT_TRUE(actual.has_value());
        expectSamePicture(*actual, expected);
    }

    void expectSamePicture(const platform::Image& actual, const platform::Image& expected)
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string name =
            std::string(test->test_suite_name()) + "." + test->name() + "-" + std::to_string(++pictures_);
        const std::string difference =
            platform::compareImages(actual, expected, std::filesystem::current_path() / "test-pictures", name);
        EXPECT_TRUE(difference.empty()) << difference;
    }

private:
    platform::GdiObjectCounts startCounts_;
    unsigned startMisuses_ = 0;
    unsigned expectedMisuses_ = 0;
    std::vector<std::pair<HDC, HBITMAP>> canvases_;
    int pictures_ = 0;
};

} // namespace kravo::test

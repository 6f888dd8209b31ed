#include "platform/gdi/image.h"

#include "tests/support/gdi_checked_test.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

using Pictures = kravo::test::GdiCheckedTest;

TEST_F(Pictures, AreTakenFromAnyRectangleOfADCAndMonochromeComesOutBlackAndWhite)
{
    HDC dc = canvas(5, 5, RGB(1, 2, 3));
    SetPixel(dc, 2, 3, RGB(200, 100, 50));
    const auto part = platform::captureImage(dc, {2, 3, 4, 5});
    ASSERT_TRUE(part.has_value());
    EXPECT_TRUE(part->width() == 2 && part->height() == 2 && part->at(0, 0) == RGB(200, 100, 50) &&
        part->at(1, 1) == RGB(1, 2, 3));
    EXPECT_FALSE(platform::captureImage(dc, {3, 3, 6, 5}).has_value());

    HDC mono = CreateCompatibleDC(nullptr);
    SetPixel(mono, 0, 0, RGB(250, 250, 250));
    EXPECT_EQ(platform::captureImage(mono, {0, 0, 1, 1})->at(0, 0), RGB(255, 255, 255));
    DeleteDC(mono);
}

TEST(PictureComparison, NamesTheFirstDifferingPixelAndSavesActualExpectedAndDifferenceAsPng)
{
    const kravo::test::TempFolder folder;
    platform::Image expected(4, 3, RGB(255, 255, 255));
    platform::Image actual = expected;
    EXPECT_EQ(platform::compareImages(actual, expected, folder.path(), "same"), "");
    EXPECT_TRUE(folder.names().empty());

    actual.set(3, 0, RGB(0, 0, 0));
    actual.set(1, 2, RGB(9, 8, 7));
    const std::string report = platform::compareImages(actual, expected, folder.path(), "case");
    EXPECT_NE(report.find("(3, 0): (0, 0, 0), expected (255, 255, 255)"), std::string::npos) << report;
    EXPECT_EQ(folder.names(), (std::set<std::string>{"case-actual.png", "case-difference.png", "case-expected.png"}));
    const std::string png = folder.readFile("case-actual.png");
    // The signature, then the header chunk with the width and height, big-endian.
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\0\x04\0\0\0\x03", 8));

    EXPECT_NE(platform::compareImages(platform::Image(2, 2, 0), expected, folder.path(), "size").find("2 x 2"),
        std::string::npos);
}

// A picture takes its file's place whole or not at all: a write that fails, the full disk's device
// among them, answers false, leaves no temporary file and an older picture as it was.
TEST(PictureFiles, ReplaceTheFileWholeOrLeaveTheOlderOneAsItWas)
{
    const kravo::test::TempFolder folder;
    folder.writeFile("old.png", "older picture");
    const platform::Image picture(3, 2, RGB(1, 2, 3));
    EXPECT_FALSE(platform::writePng(platform::Image(), folder / "old.png"));
    EXPECT_FALSE(platform::writePng(picture, folder / "missing" / "old.png"));
    EXPECT_FALSE(platform::writePng(picture, folder.path()));
    EXPECT_FALSE(platform::writePng(picture, "/dev/full"));
    EXPECT_EQ(folder.readFile("old.png"), "older picture");
    EXPECT_EQ(folder.names(), std::set<std::string>{"old.png"});

    ASSERT_TRUE(platform::writePng(picture, folder / "old.png"));
    EXPECT_EQ(folder.readFile("old.png").substr(1, 3), "PNG");
    EXPECT_EQ(folder.names(), std::set<std::string>{"old.png"});
}

} // namespace

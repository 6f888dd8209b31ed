#include "platform/four_char_code.h"
#include "tests/hostlibs/extension/toolbox_test.h"

#include <cstdint>
#include <string>

namespace {

using kravo::test::bigEndian;
using kravo::test::ResourceFileToolboxTest;

constexpr std::uint32_t kPattern = FourCharCode("ppat");

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGreen = RGB(0, 150, 0);
constexpr COLORREF kBlue = RGB(0, 0, 250);
constexpr COLORREF kGrey = RGB(90, 90, 90);

std::string rgb(COLORREF colour)
{
    return {static_cast<char>(colour & 0xFF), static_cast<char>((colour >> 8) & 0xFF),
            static_cast<char>((colour >> 16) & 0xFF)};
}

// A resource file of 'ppat' resources: 1 a 2 × 2 pattern (red, green / blue, grey), 2 cut short, 3 of
// width 0, 4 with a byte too many.
std::string patternFile()
{
    const std::string square = bigEndian(2, 2) + bigEndian(2, 2) + rgb(kRed) + rgb(kGreen) + rgb(kBlue) + rgb(kGrey);
    const std::string patterns[] = {square, square.substr(0, square.size() - 1), bigEndian(0, 2) + bigEndian(2, 2),
                                    square + "x"};
    std::string file = "KRSR" + bigEndian(1, 2) + bigEndian(4, 2);
    for (int id = 1; id <= 4; ++id) {
        const std::string& data = patterns[id - 1];
        file += bigEndian(kPattern, 4) + bigEndian(static_cast<unsigned>(id), 2) + bigEndian(0, 1) +
                bigEndian(static_cast<unsigned>(data.size()), 4) + data;
    }
    return file;
}

class HostPatterns : public ResourceFileToolboxTest {
protected:
    void SetUp() override
    {
        ResourceFileToolboxTest::SetUp();
        useResourceFile("patterns.rsr", patternFile());
    }
};

TEST_F(HostPatterns, APixelPatternTilesFromThePortsTopLeftPixel)
{
    HostPixelPattern pattern = HostExtGetPixelPattern(1);
    ASSERT_NE(pattern, nullptr);
    HostPort port = offscreen({0, 0, 4, 5});
    const HostRect rect{0, 0, 4, 5};
    HostExtFillRectWithPattern(&rect, pattern);
    platform::Image expected(5, 4, kWhite);
    const COLORREF tile[2][2] = {{kRed, kGreen}, {kBlue, kGrey}};
    for (int v = 0; v < 4; ++v)
        for (int h = 0; h < 5; ++h)
            expected.set(h, v, tile[v % 2][h % 2]);
    expectSamePicture(pictureOf(port), expected);

    // A new origin moves the coordinates, not the tiles.
    HostPort shifted = offscreen({0, 0, 4, 5});
    HostExtSetOrigin(1, 3);
    const HostRect moved{3, 1, 7, 6};
    HostExtFillRectWithPattern(&moved, pattern);
    expectSamePicture(pictureOf(shifted), expected);
    HostExtDisposePixelPattern(pattern);
}

TEST_F(HostPatterns, MissingOrMalformedPatternsAreNullAndTheirResourcesGoBack)
{
    const int handles = hostext::liveHandleCount();
    for (std::int16_t id : {2, 3, 4, 5})
        EXPECT_EQ(HostExtGetPixelPattern(id), nullptr) << id;
    EXPECT_EQ(hostext::liveHandleCount(), handles);
    HostExtUseResourceFile(0);
    EXPECT_EQ(HostExtGetPixelPattern(1), nullptr);
}

TEST_F(HostPatterns, EraseUsesTheBackPatternOrPlainlyTheBackColour)
{
    HostPort port = offscreen({0, 0, 2, 4});
    const HostColor grey{0x5A5A, 0x5A5A, 0x5A5A};
    HostExtRGBBackColor(&grey);
    const HostRect all{0, 0, 2, 4};
    HostExtEraseRect(&all);
    EXPECT_EQ(painted(port, kGrey), (std::set<std::pair<int, int>>{}));

    HostPixelPattern pattern = HostExtGetPixelPattern(1);
    HostExtBackPixelPattern(pattern);
    // The port keeps its own copy.
    HostExtDisposePixelPattern(pattern);
    HostExtEraseRect(&all);
    platform::Image picture = pictureOf(port);
    EXPECT_EQ(picture.at(0, 0), kRed);
    EXPECT_EQ(picture.at(3, 1), kGrey);

    // Saved into a new pattern, the plain one installed, then given back.
    HostPixelPattern saved = HostExtNewPixelPattern();
    HostExtGetBackPixelPattern(saved);
    HostExtBackPatternPlain();
    const HostColor white{0xFFFF, 0xFFFF, 0xFFFF};
    HostExtRGBBackColor(&white);
    HostExtEraseRect(&all);
    EXPECT_TRUE(painted(port).empty());
    HostExtBackPixelPattern(saved);
    HostExtEraseRect(&all);
    EXPECT_EQ(pictureOf(port).at(1, 0), kGreen);

    // Filling with the plain pattern is filling with the back colour.
    HostPixelPattern plain = HostExtNewPixelPattern();
    HostPixelPattern copy = HostExtNewPixelPattern();
    HostExtCopyPixelPattern(saved, copy);
    HostExtCopyPixelPattern(plain, saved);
    HostExtFillRectWithPattern(&all, saved);
    EXPECT_TRUE(painted(port).empty());
    HostExtFillRectWithPattern(&all, copy);
    EXPECT_EQ(pictureOf(port).at(0, 1), kBlue);
    for (HostPixelPattern each : {saved, plain, copy})
        HostExtDisposePixelPattern(each);
}

TEST_F(HostPatterns, ResourcesByTypeAndIdAreReleasedOrDetached)
{
    char** resource = HostExtGetResource(kPattern, 4);
    ASSERT_NE(resource, nullptr);
    std::int16_t id = 0;
    HostExtGetResourceInfo(resource, &id, nullptr, nullptr);
    EXPECT_EQ(id, 4);
    EXPECT_EQ(HostExtGetHandleSize(resource), 17);
    const int handles = hostext::liveHandleCount();
    HostExtReleaseResource(resource);
    EXPECT_EQ(hostext::liveHandleCount(), handles - 1);

    char** kept = HostExtGetResource(kPattern, 1);
    HostExtDetachResource(kept);
    HostExtReleaseResource(kept); // no longer a resource: stays
    EXPECT_EQ(HostExtGetHandleSize(kept), 16);
    HostExtDisposeHandle(kept);
    EXPECT_EQ(HostExtGetResource(kPattern, 9), nullptr);
}

TEST(HostPluginPatterns, ThePluginsResourceFileCarriesThreeQuietGreyPatterns)
{
    const std::int16_t previous = HostExtCurrentResourceFile();
    const std::int16_t file = HostExtOpenResourceFile(KRAVO_PLUGIN_RESOURCE_FILE, nullptr);
    ASSERT_GT(file, 0);
    HostExtUseResourceFile(file);
    const HostRect bounds{0, 0, 8, 8};
    for (std::int16_t id : {1000, 1001, 1002}) {
        HostPixelPattern pattern = HostExtGetPixelPattern(id);
        ASSERT_NE(pattern, nullptr) << id;
        HostPort port = HostExtNewOffscreenPort(&bounds);
        HostExtSetPort(port);
        HostExtFillRectWithPattern(&bounds, pattern);
        const auto picture = hostext::capturePort(port);
        ASSERT_TRUE(picture.has_value());
        for (int v = 0; v < 8; ++v)
            for (int h = 0; h < 8; ++h) {
                const COLORREF pixel = picture->at(h, v);
                const int red = pixel & 0xFF;
                EXPECT_EQ(pixel, RGB(red, red, red)) << id;
                EXPECT_NEAR(red, 0x88, 8) << id;
            }
        HostExtSetPort(nullptr);
        HostExtDisposePort(port);
        HostExtDisposePixelPattern(pattern);
    }
    HostExtCloseResourceFile(file);
    HostExtUseResourceFile(previous);
}

} // namespace

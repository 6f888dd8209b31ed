#include "hostlibs/extension/host_pictures.h"
#include "platform/four_char_code.h"
#include "tests/hostlibs/extension/toolbox_test.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using kravo::test::bigEndian;
using kravo::test::ResourceFileToolboxTest;

constexpr std::uint32_t kPictureType = FourCharCode("PICT");

struct Rgba {
    std::uint8_t red, green, blue, alpha;
};

std::uint32_t crc32(const std::string& bytes)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

std::string chunk(const std::string& type, const std::string& data)
{
    return bigEndian(static_cast<std::uint32_t>(data.size()), 4) + type + data + bigEndian(crc32(type + data), 4);
}

// An 8-bit RGBA PNG, its image data in one stored (uncompressed) deflate block. `width` and `height`
// go into the header as given; the pixels are the rows given.
std::string png(std::uint32_t width, std::uint32_t height, const std::vector<std::vector<Rgba>>& rows)
{
    std::string raw;
    for (const auto& row : rows) {
        raw += '\0';
        for (const Rgba& pixel : row)
            raw += std::string{static_cast<char>(pixel.red), static_cast<char>(pixel.green),
                               static_cast<char>(pixel.blue), static_cast<char>(pixel.alpha)};
    }
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char byte : raw) {
        a = (a + static_cast<std::uint8_t>(byte)) % 65521;
        b = (b + a) % 65521;
    }
    const auto size = static_cast<std::uint32_t>(raw.size());
    const std::string deflated = std::string("\x78\x01\x01", 3) + static_cast<char>(size & 0xFF) +
                                 static_cast<char>(size >> 8) + static_cast<char>(~size & 0xFF) +
                                 static_cast<char>((~size >> 8) & 0xFF) + raw + bigEndian((b << 16) | a, 4);
    const std::string header = bigEndian(width, 4) + bigEndian(height, 4) + std::string("\x08\x06\x00\x00\x00", 5);
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", deflated) + chunk("IEND", "");
}

constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kGreen{0, 160, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};
constexpr Rgba kGrey{100, 100, 100, 255};
constexpr Rgba kHalfRed{255, 0, 0, 128};
constexpr Rgba kClear{0, 0, 0, 0};

COLORREF colourOf(const Rgba& pixel)
{
    return RGB(pixel.red, pixel.green, pixel.blue);
}

const std::vector<std::vector<Rgba>> kFourByTwo{{kRed, kGreen, kBlue, kGrey}, {kGrey, kBlue, kGreen, kRed}};

// A resource file of 'PICT' resources by id.
std::string resourceFile(const std::vector<std::pair<int, std::string>>& pictures)
{
    std::string file = "KRSR" + bigEndian(1, 2) + bigEndian(static_cast<std::uint32_t>(pictures.size()), 2);
    for (const auto& [id, data] : pictures)
        file += bigEndian(kPictureType, 4) + bigEndian(static_cast<std::uint32_t>(id), 2) + bigEndian(0, 1) +
                bigEndian(static_cast<std::uint32_t>(data.size()), 4) + data;
    return file;
}

// A 1 × 1 picture's file with its header's sizes replaced, its checksum made good again.
std::string withSizes(std::uint32_t width, std::uint32_t height)
{
    const std::string header = bigEndian(width, 4) + bigEndian(height, 4) + std::string("\x08\x06\x00\x00\x00", 5);
    std::string file = png(1, 1, {{kRed}});
    file.replace(8, 25, chunk("IHDR", header));
    return file;
}

class HostPictures : public ResourceFileToolboxTest {
protected:
    void SetUp() override
    {
        ResourceFileToolboxTest::SetUp();
        const std::string whole = png(4, 2, kFourByTwo);
        std::string badChecksum = whole;
        badChecksum[whole.size() - 12 - 1] ^= 0x01; // the image data's checksum
        useResourceFile("pictures.rsr",
                        resourceFile({{1, whole},
                                      {2, png(2, 1, {{kHalfRed, kClear}})},
                                      {10, whole.substr(0, 4)},
                                      {11, whole.substr(0, 8 + 12)},
                                      {12, whole.substr(0, whole.size() - 12 - 20)},
                                      {13, badChecksum},
                                      {14, withSizes(0, 1)},
                                      {15, withSizes(100000, 100000)},
                                      {16, ""},
                                      {17, withSizes(1, 1)}}));
    }

    // A white offscreen port of the bounds with the picture of the id drawn into the frame; the picture is
    // let go.
    HostPort drawnPicture(std::int16_t id, HostRect bounds, HostRect frame)
    {
        HostPicture picture = HostExtGetPicture(id);
        EXPECT_NE(picture, nullptr) << id;
        HostPort port = offscreen(bounds);
        if (picture != nullptr) {
            HostExtDrawPicture(picture, &frame);
            HostExtReleasePicture(picture);
        }
        return port;
    }
};

TEST_F(HostPictures, DrawnIntoATwiceAsLargeRectangleEveryPixelIsDoubled)
{
    HostPort port = drawnPicture(1, {0, 0, 8, 12}, {2, 3, 6, 11});
    platform::Image expected(12, 8, kWhite);
    for (int v = 0; v < 4; ++v)
        for (int h = 0; h < 8; ++h)
            expected.set(3 + h, 2 + v,
                         colourOf(kFourByTwo[static_cast<std::size_t>(v / 2)][static_cast<std::size_t>(h / 2)]));
    EXPECT_EQ(pictureOf(port), expected);
}

TEST_F(HostPictures, DrawnSmallerItTakesTheNearestPixels)
{
    HostPort port = drawnPicture(1, {0, 0, 1, 2}, {0, 0, 1, 2});
    EXPECT_EQ(pictureOf(port).at(0, 0), colourOf(kRed));
    EXPECT_EQ(pictureOf(port).at(1, 0), colourOf(kBlue));
}

TEST_F(HostPictures, APictureIsBlendedByItsAlphaOverThePort)
{
    HostPort port = drawnPicture(2, {0, 0, 1, 2}, {0, 0, 1, 2});
    EXPECT_EQ(pictureOf(port).at(0, 0), RGB(255, 127, 127));
    EXPECT_EQ(pictureOf(port).at(1, 0), kWhite);
}

TEST_F(HostPictures, APictureStaysInsideTheClipAndFollowsTheOrigin)
{
    HostPicture picture = HostExtGetPicture(1);
    ASSERT_NE(picture, nullptr);
    HostPort port = offscreen({0, 0, 8, 16});
    HostExtSetOrigin(100, 50);
    const HostRect clip{51, 101, 53, 104};
    HostExtClipRect(&clip);
    hostext::logPortOperations(port, true);
    const HostRect frame{50, 100, 58, 116};
    HostExtDrawPicture(picture, &frame);
    HostExtReleasePicture(picture);
    EXPECT_EQ(painted(port), block(1, 1, 3, 4));
    ASSERT_EQ(hostext::portOperations(port).size(), 1u);
    EXPECT_EQ(hostext::portOperations(port)[0].kind, "picture");
}

TEST_F(HostPictures, AMissingPictureGivesNoHandleAndNoneDrawsNothing)
{
    EXPECT_EQ(HostExtGetPicture(99), nullptr);
    HostPort port = offscreen();
    const HostRect frame{0, 0, 16, 16};
    HostExtDrawPicture(nullptr, &frame);
    EXPECT_TRUE(painted(port).empty());
}

TEST_F(HostPictures, DamagedPicturesLoadAsNoPicture)
{
    const int handles = hostext::liveHandleCount();
    for (const std::int16_t id : {10, 11, 12, 13, 14, 15, 16})
        EXPECT_EQ(HostExtGetPicture(id), nullptr) << id;
    EXPECT_EQ(hostext::liveHandleCount(), handles);
    // A header rewritten with its own sizes reads: the sizes were what refused 14 and 15.
    HostPicture sound = HostExtGetPicture(17);
    EXPECT_NE(sound, nullptr);
    HostExtReleasePicture(sound);
}

TEST_F(HostPictures, AnEmptyFrameOrNoPortDrawsNothing)
{
    HostPicture picture = HostExtGetPicture(1);
    ASSERT_NE(picture, nullptr);
    const HostRect frame{0, 0, 4, 4};
    HostExtDrawPicture(picture, &frame);
    HostPort port = offscreen();
    const HostRect empty{4, 4, 4, 10};
    HostExtDrawPicture(picture, &empty);
    EXPECT_TRUE(painted(port).empty());
    HostExtReleasePicture(picture);
}

} // namespace

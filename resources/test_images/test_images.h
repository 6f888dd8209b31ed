#pragma once

// The pictures that the toolkit's tests decode from the module's resources: each one's pixels as plain
// 8-bit red, green, blue and alpha, and how the generator stores them. The generator writes the files
// from these definitions and the tests expect them back, so the two cannot drift apart.

#include <array>
#include <cstdint>

namespace test_images {

struct Rgba {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t alpha;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// How a picture is stored in its PNG file. Each way is one of the read side's transformations.
enum class Encoding {
    rgba8,
    rgb8,
    // 16 bits a sample; the low byte is the same for every sample, so that only the high byte matters.
    rgba16,
    // 4-bit indices into a palette of the picture's colours; with a transparency chunk for each entry.
    palette4,
    palette4WithTransparency,
    // Two bits a pixel; the picture's grey levels must be 0, 85, 170 or 255.
    grey2,
    greyAlpha8,
    // One grey level (kTransparentGrey) is declared transparent by a transparency chunk.
    grey8WithTransparentLevel,
};

inline constexpr std::uint8_t kTransparentGrey = 100;
// The low byte of every 16-bit sample: above half, so that rounding to 8 bits would show.
inline constexpr std::uint8_t kLowByteOf16BitSamples = 0xC3;

using PixelFunction = Rgba (*)(int x, int y);

struct Picture {
    int id;
    const char* file;
    Encoding encoding;
    bool interlaced;
    int width;
    int height;
    PixelFunction pixel;
};

namespace detail {

inline constexpr std::array<Rgba, 12> kFourByThree{{
    {255, 0, 0, 255}, {10, 200, 30, 0}, {0, 0, 255, 128}, {255, 255, 255, 255},
    {40, 80, 120, 64}, {250, 128, 6, 200}, {0, 0, 0, 255}, {255, 255, 0, 1},
    {100, 100, 100, 255}, {17, 34, 51, 170}, {255, 0, 255, 254}, {9, 99, 199, 32},
}};

constexpr Rgba fourByThree(int x, int y)
{
    return kFourByThree[static_cast<std::size_t>(y * 4 + x)];
}

constexpr Rgba singlePixel(int, int)
{
    return {200, 100, 50, 255};
}

// Every channel changes across the picture, alpha 0 and 255 included.
constexpr Rgba pattern(int x, int y)
{
    const auto alpha = static_cast<std::uint8_t>(x == 0 ? 0 : (x + y) % 5 == 0 ? 255 : (x * 37 + y * 11) & 0xFF);
    return {static_cast<std::uint8_t>(x * 19), static_cast<std::uint8_t>(y * 23),
        static_cast<std::uint8_t>((x * y * 7) & 0xFF), alpha};
}

inline constexpr std::array<Rgba, 5> kPaletteColours{{
    {255, 0, 0, 255}, {0, 128, 255, 0}, {30, 60, 90, 128}, {255, 255, 255, 255}, {7, 200, 7, 20},
}};

constexpr Rgba paletteTransparent(int x, int y)
{
    return kPaletteColours[static_cast<std::size_t>((x + 2 * y) % 5)];
}

constexpr Rgba paletteOpaque(int x, int y)
{
    Rgba colour = paletteTransparent(x, y);
    colour.alpha = 255;
    return colour;
}

constexpr Rgba grey2(int x, int y)
{
    const auto level = static_cast<std::uint8_t>(((x + y) % 4) * 85);
    return {level, level, level, 255};
}

constexpr Rgba greyAlpha(int x, int y)
{
    const auto level = static_cast<std::uint8_t>(x * 60);
    return {level, level, level, static_cast<std::uint8_t>(y == 0 ? 255 : 128)};
}

constexpr Rgba greyTransparentLevel(int x, int y)
{
    const auto level = static_cast<std::uint8_t>((x + 4 * y) * 50 % 250);
    return {level, level, level, static_cast<std::uint8_t>(level == kTransparentGrey ? 0 : 255)};
}

constexpr Rgba deep(int x, int y)
{
    return {static_cast<std::uint8_t>(250 - x * 40), static_cast<std::uint8_t>(60 + y * 90),
        static_cast<std::uint8_t>(x * 100 + y), static_cast<std::uint8_t>(y == 0 ? 255 : 90 + x)};
}

constexpr Rgba opaqueRgb(int x, int y)
{
    return {static_cast<std::uint8_t>(x * 120), static_cast<std::uint8_t>(255 - y * 77), 33, 255};
}

// The frame's background in the toolkit's window pictures: every pixel tells where it is.
constexpr Rgba frameBackground(int x, int y)
{
    return {static_cast<std::uint8_t>(x * 5), static_cast<std::uint8_t>(y * 7), 120, 255};
}

// A badge with holes that show what lies under it; its left column and top row are transparent, as a
// view that is only partly redrawn keeps its first column and row from the last time.
constexpr bool badgeHole(int x, int y)
{
    return x == 0 || y == 0 || x == 7 || y == 7 || (x + y) % 5 == 0;
}

constexpr Rgba badge(int x, int y)
{
    return badgeHole(x, y) ? Rgba{0, 0, 0, 0} : Rgba{200, 40, 40, 255};
}

constexpr Rgba badgeLit(int x, int y)
{
    return badgeHole(x, y) ? Rgba{0, 0, 0, 0} : Rgba{40, 200, 90, 255};
}

// Filmstrips of controls: every image in a colour of its own, so that a picture of a control names the
// image it shows. Image n of a strip of square images four pixels high.
inline constexpr int kStripImageHeight = 4;

constexpr Rgba stripImageColour(int image)
{
    return {static_cast<std::uint8_t>(image), static_cast<std::uint8_t>(255 - image), 60, 255};
}

constexpr Rgba strip(int, int y)
{
    return stripImageColour(y / kStripImageHeight);
}

// Strips of images 20 pixels on a side, for switches that divide an image among their positions: one
// downwards, one across.
inline constexpr int kLargeStripImageSize = 20;

constexpr Rgba tallStrip(int, int y)
{
    return stripImageColour(y / kLargeStripImageSize);
}

constexpr Rgba wideStrip(int x, int)
{
    return stripImageColour(x / kLargeStripImageSize);
}

// A level meter's lit and unlit pictures, each in the colour of a strip image that no strip above
// reaches in the tests.
inline constexpr int kMeterLitImage = 200;
inline constexpr int kMeterUnlitImage = 201;

constexpr Rgba meterLit(int, int)
{
    return stripImageColour(kMeterLitImage);
}

constexpr Rgba meterUnlit(int, int)
{
    return stripImageColour(kMeterUnlitImage);
}

} // namespace detail

inline constexpr Picture kFourByThree{101, "four_by_three.png", Encoding::rgba8, false, 4, 3, detail::fourByThree};
inline constexpr Picture kSinglePixel{102, "single_pixel.png", Encoding::rgba8, false, 1, 1, detail::singlePixel};
// Its IDAT comes in many small chunks, so that a file cut inside it still holds whole rows.
inline constexpr Picture kPattern{103, "pattern.png", Encoding::rgba8, false, 13, 11, detail::pattern};
inline constexpr Picture kPatternInterlaced{
    104, "pattern_interlaced.png", Encoding::rgba8, true, 13, 11, detail::pattern};
inline constexpr Picture kPaletteTransparent{
    105, "palette_transparent.png", Encoding::palette4WithTransparency, false, 7, 3, detail::paletteTransparent};
inline constexpr Picture kPaletteOpaque{
    106, "palette_opaque.png", Encoding::palette4, false, 7, 3, detail::paletteOpaque};
inline constexpr Picture kGrey2{107, "grey2.png", Encoding::grey2, false, 5, 3, detail::grey2};
inline constexpr Picture kGreyAlpha{108, "grey_alpha.png", Encoding::greyAlpha8, false, 4, 2, detail::greyAlpha};
inline constexpr Picture kGreyTransparentLevel{
    109, "grey_transparent_level.png", Encoding::grey8WithTransparentLevel, false, 4, 2, detail::greyTransparentLevel};
inline constexpr Picture kDeep{110, "deep.png", Encoding::rgba16, false, 3, 2, detail::deep};
inline constexpr Picture kOpaqueRgb{111, "opaque_rgb.png", Encoding::rgb8, false, 3, 2, detail::opaqueRgb};

inline constexpr Picture kFrameBackground{
    140, "frame_background.png", Encoding::rgb8, false, 48, 32, detail::frameBackground};
inline constexpr Picture kBadge{141, "badge.png", Encoding::rgba8, false, 8, 8, detail::badge};
inline constexpr Picture kBadgeLit{142, "badge_lit.png", Encoding::rgba8, false, 8, 8, detail::badgeLit};

// The knob's 151 images, and strips of two and four for buttons.
inline constexpr int kKnobImages = 151;
inline constexpr Picture kKnobStrip{
    150, "knob_strip.png", Encoding::rgba8, false, 4, kKnobImages * detail::kStripImageHeight, detail::strip};
inline constexpr Picture kTwoImageStrip{
    151, "two_image_strip.png", Encoding::rgba8, false, 4, 2 * detail::kStripImageHeight, detail::strip};
inline constexpr Picture kFourImageStrip{
    152, "four_image_strip.png", Encoding::rgba8, false, 4, 4 * detail::kStripImageHeight, detail::strip};

inline constexpr Picture kFiveTallImageStrip{153, "five_tall_image_strip.png", Encoding::rgba8, false,
    detail::kLargeStripImageSize, 5 * detail::kLargeStripImageSize, detail::tallStrip};
inline constexpr Picture kFiveWideImageStrip{154, "five_wide_image_strip.png", Encoding::rgba8, false,
    5 * detail::kLargeStripImageSize, detail::kLargeStripImageSize, detail::wideStrip};
// Ten LEDs of four pixels, in a column.
inline constexpr Picture kMeterLit{155, "meter_lit.png", Encoding::rgba8, false, 4, 40, detail::meterLit};
inline constexpr Picture kMeterUnlit{156, "meter_unlit.png", Encoding::rgba8, false, 4, 40, detail::meterUnlit};

inline constexpr std::array<Picture, 21> kPictures{kFourByThree, kSinglePixel, kPattern, kPatternInterlaced,
    kPaletteTransparent, kPaletteOpaque, kGrey2, kGreyAlpha, kGreyTransparentLevel, kDeep, kOpaqueRgb,
    kFrameBackground, kBadge, kBadgeLit, kKnobStrip, kTwoImageStrip, kFourImageStrip, kFiveTallImageStrip,
    kFiveWideImageStrip, kMeterLit, kMeterUnlit};

// Damaged copies of kPattern's file, each a PNG resource of its own.
enum class Damage { cutInSignature, cutInHeader, cutInData, badCrc, zeroWidth, hugeHeader, unknownColourType };

struct DamagedPicture {
    int id;
    const char* file;
    Damage damage;
};

inline constexpr std::array<DamagedPicture, 7> kDamagedPictures{{
    {120, "cut_in_signature.png", Damage::cutInSignature},
    {121, "cut_in_header.png", Damage::cutInHeader},
    // Cut halfway through the file: the rows before the cut are whole.
    {122, "cut_in_data.png", Damage::cutInData},
    // The checksum of the last IDAT chunk is wrong.
    {123, "bad_crc.png", Damage::badCrc},
    {124, "zero_width.png", Damage::zeroWidth},
    // 100000 × 100000, the header's checksum right.
    {125, "huge_header.png", Damage::hugeHeader},
    // Colour type 5, which no PNG has.
    {126, "unknown_colour_type.png", Damage::unknownColourType},
}};

// An ordinary bitmap resource (type BITMAP, 24 bits a pixel) with no PNG of the same id: a white
// background with coloured marks, one of them a white that is not quite white.
inline constexpr Picture kOrdinaryBitmap{130, "ordinary.bmp", Encoding::rgb8, false, 6, 4,
    [](int x, int y) -> Rgba {
        if (x == 1 && y == 1)
            return {255, 255, 254, 255};
        if ((x + y) % 3 == 0)
            return {static_cast<std::uint8_t>(40 * x), 20, static_cast<std::uint8_t>(200 - 40 * y), 255};
        return {255, 255, 255, 255};
    }};

} // namespace test_images

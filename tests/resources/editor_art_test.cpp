#include "editor/bitmap_font_widths.h"
#include "platform/embedded_resource.h"
#include "tests/support/embedded_picture.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace {

using kravo::test::TempFolder;

struct Size {
    int width;
    int height;
    // 2 for two-state images, 151 for knobs.
    int frames = 1;
};

void add(std::map<int, Size>& sizes, std::initializer_list<int> ids, Size size)
{
    for (const int id : ids)
        sizes[id] = size;
}

void addRange(std::map<int, Size>& sizes, int first, int last, Size size)
{
    for (int id = first; id <= last; ++id)
        sizes[id] = size;
}

// The images the editor loads, as the editor's pages place them.
std::map<int, Size> expectedSizes()
{
    std::map<int, Size> sizes;
    add(sizes, {10000, 10001}, {984, 623});
    add(sizes, {10008, 10140, 10141}, {673, 223});
    add(sizes, {10011, 10012}, {720, 208});
    add(sizes, {10150, 10201}, {921, 223});
    add(sizes, {10151}, {922, 223});
    add(sizes, {10152, 10153}, {921, 17});
    add(sizes, {10206}, {198, 208});
    addRange(sizes, 10260, 10271, {241, 223});
    add(sizes, {10053, 10055}, {42, 6342, 151});
    add(sizes, {10054}, {50, 7550, 151});
    add(sizes, {10160, 10161}, {10, 960});
    add(sizes, {10013}, {13, 26, 2});
    addRange(sizes, 10019, 10022, {11, 32, 2});
    add(sizes, {10026, 10027}, {10, 18, 2});
    add(sizes, {10040, 10041, 10043, 10046, 10047}, {21, 42, 2});
    add(sizes, {10045}, {232, 120, 2});
    add(sizes, {10056, 10057}, {22, 44, 2});
    add(sizes, {10063}, {20, 28, 2});
    add(sizes, {10064}, {42, 84, 2});
    add(sizes, {10065}, {18, 36, 2});
    add(sizes, {10167}, {16, 16, 2});
    add(sizes, {10180, 10181}, {6, 20, 2});
    add(sizes, {10182, 10183}, {11, 20, 2});
    add(sizes, {10190}, {9, 32, 2});
    add(sizes, {10191}, {11, 32, 2});
    addRange(sizes, 10210, 10233, {70, 66, 2});
    addRange(sizes, 10300, 10307, {77, 66, 2});
    add(sizes, {10015}, {45, 182});
    add(sizes, {10016}, {47, 40});
    add(sizes, {10028}, {18, 9});
    add(sizes, {10030}, {66, 20});
    add(sizes, {10031}, {100, 20});
    add(sizes, {10032}, {71, 20});
    add(sizes, {10033}, {67, 20});
    add(sizes, {10034}, {59, 20});
    add(sizes, {10035}, {72, 20});
    add(sizes, {10036}, {107, 14});
    add(sizes, {10038}, {143, 14});
    add(sizes, {10042}, {21, 21});
    add(sizes, {10058}, {136, 18});
    add(sizes, {10059}, {220, 18});
    add(sizes, {10077}, {13, 121});
    add(sizes, {10078}, {13, 73});
    add(sizes, {10079}, {53, 33});
    addRange(sizes, 10168, 10171, {19, 19});
    add(sizes, {10172, 10173}, {28, 224});
    add(sizes, {10174}, {5, 40});
    add(sizes, {10175}, {9, 11});
    add(sizes, {10176}, {86, 14});
    add(sizes, {10177, 10178}, {172, 14});
    add(sizes, {10192}, {57, 16});
    addRange(sizes, 10080, 10127, {154, 48});
    add(sizes, {10093, 10119}, {107, 48});
    add(sizes,
        {10080, 10083, 10087, 10090, 10095, 10097, 10103, 10105, 10109, 10110, 10114, 10115, 10118, 10124, 10127},
        {201, 48});
    add(sizes, {10082, 10086, 10088, 10091, 10092, 10096, 10098, 10102, 10113, 10121, 10122, 10123, 10126}, {248, 48});
    return sizes;
}

using Decoded = kravo::test::EmbeddedPicture;
const auto resourceBytes = kravo::test::embeddedPictureBytes;

std::vector<unsigned char> readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(EditorArt, EveryImageLoadsAsEightBitRgbaOfItsSize)
{
    for (const auto& [id, size] : expectedSizes()) {
        const std::span<const unsigned char> file = resourceBytes(id);
        ASSERT_GT(file.size(), 33u) << id;
        // The header's bit depth and colour type (6: red, green, blue and alpha).
        EXPECT_EQ(file[24], 8) << id;
        EXPECT_EQ(file[25], 6) << id;
        const Decoded decoded(id);
        EXPECT_TRUE(decoded.png().complete) << id;
        EXPECT_EQ(decoded.png().width, size.width) << id;
        EXPECT_EQ(decoded.png().height, size.height) << id;
    }
}

TEST(EditorArt, NoOtherImageTakesAnEditorId)
{
    const std::map<int, Size> sizes = expectedSizes();
    ASSERT_EQ(sizes.size(), 164u);
    std::size_t editorImages = 0;
    for (std::size_t index = 0; index < kravoResourceCount; ++index) {
        const platform::EmbeddedResource& resource = kravoResourceTable[index];
        if (std::strcmp(resource.type, "PNG") != 0 || resource.id < 10000)
            continue;
        ++editorImages;
        EXPECT_TRUE(sizes.contains(static_cast<int>(resource.id))) << resource.id;
    }
    EXPECT_EQ(editorImages, sizes.size());
    EXPECT_EQ(resourceBytes(10018).size(), 0u);
    EXPECT_EQ(resourceBytes(11000).size(), 0u);
}

TEST(EditorArt, KnobDialsStayAboveTheirCaptionsAndTurn)
{
    for (const int id : {10053, 10055}) {
        const Decoded knob(id);
        for (int frame = 0; frame < 151; ++frame)
            for (int y = 29; y < 42; ++y)
                for (int x = 0; x < 42; ++x)
                    ASSERT_EQ(knob.alpha(x, frame * 42 + y), 0u) << id << " frame " << frame << " at " << x << "," << y;
        EXPECT_NE(knob.rows(0, 42), knob.rows(150 * 42, 42)) << id;
        EXPECT_NE(knob.rows(0, 42), knob.rows(75 * 42, 42)) << id;
    }
}

// Neighbouring pads overlap: outside its top 25 rows and left 64 columns a pad shows what lies under it.
TEST(EditorArt, PadsAreTransparentWhereTheirNeighboursLie)
{
    for (const auto& [id, size] : expectedSizes()) {
        if (!(id >= 10210 && id <= 10233) && !(id >= 10300 && id <= 10307))
            continue;
        const Decoded pad(id);
        for (int state = 0; state < 2; ++state)
            for (int y = 0; y < 33; ++y)
                for (int x = 0; x < size.width; ++x) {
                    if (y < 25 && x < 64)
                        continue;
                    ASSERT_EQ(pad.alpha(x, state * 33 + y), 0u) << id << " at " << x << "," << y;
                }
        EXPECT_NE(pad.alpha(32, 12), 0u) << id;
    }
}

TEST(EditorArt, TheTwoStatesOfEveryTwoStateImageDiffer)
{
    for (const auto& [id, size] : expectedSizes()) {
        if (size.frames != 2)
            continue;
        const Decoded decoded(id);
        EXPECT_NE(decoded.rows(0, size.height / 2), decoded.rows(size.height / 2, size.height / 2)) << id;
    }
}

// The pattern file list (600, 9)..(710, 147) on the pattern page scrolls by clicks in its scroll column
// (right of local x 99) above local y 24 and below 126: each zone shows an arrow there, and only there.
TEST(EditorArt, ThePatternListShowsItsScrollArrowsInTheirClickZones)
{
    const auto channelDistance = [](std::uint32_t a, std::uint32_t b) {
        int most = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const auto channel = [shift](std::uint32_t pixel) { return static_cast<int>((pixel >> shift) & 0xFF); };
            most = std::max(most, std::abs(channel(a) - channel(b)));
        }
        return most;
    };
    for (const int id : {10011, 10012}) {
        const Decoded page(id);
        // Rows whose scroll column stands out from the list's screen just left of it.
        const auto inkedRows = [&](int top, int bottom) {
            int rows = 0;
            for (int y = top; y < bottom; ++y) {
                int most = 0;
                for (int x = 703; x < 710; ++x)
                    most = std::max(most, channelDistance(page.pixel(x, y), page.pixel(701, y)));
                rows += most > 60 ? 1 : 0;
            }
            return rows;
        };
        EXPECT_GE(inkedRows(9, 33), 5) << id;
        EXPECT_GE(inkedRows(137, 147), 5) << id;
    }
}

TEST(EditorArt, BitmapFontGlyphsKeepTheirInkInsideTheirWidths)
{
    using bitmap_font::glyphWidth;
    EXPECT_EQ(glyphWidth(0, '0' - 32), 9);
    EXPECT_EQ(glyphWidth(0, 'I' - 32), 2);
    EXPECT_EQ(glyphWidth(0, 'W' - 32), 8);
    EXPECT_EQ(glyphWidth(1, 'I' - 32), 3);
    EXPECT_EQ(glyphWidth(1, 'M' - 32), 9);
    EXPECT_EQ(glyphWidth(0, 'a' - 32), glyphWidth(0, 'A' - 32));
    EXPECT_EQ(glyphWidth(1, 'z' - 32), glyphWidth(1, 'Z' - 32));
    for (int font = 0; font < bitmap_font::kFontCount; ++font) {
        const Decoded strip(bitmap_font::kImageIds[static_cast<std::size_t>(font)]);
        for (int glyph = 0; glyph < bitmap_font::kGlyphCount; ++glyph) {
            int inkInside = 0;
            for (int y = glyph * 10; y < glyph * 10 + 10; ++y)
                for (int x = 0; x < 10; ++x) {
                    if (x >= glyphWidth(font, glyph) - 1)
                        EXPECT_EQ(strip.alpha(x, y), 0u) << "font " << font << " glyph " << glyph << " at " << x;
                    else
                        inkInside += strip.alpha(x, y) != 0 ? 1 : 0;
                }
            const char character = static_cast<char>(glyph + 32);
            if (character == ' ' || character == 127)
                EXPECT_EQ(inkInside, 0) << "font " << font << " glyph " << glyph;
            else
                EXPECT_GT(inkInside, 0) << "font " << font << " glyph " << glyph;
        }
    }
}

TEST(EditorArt, AFreshRunOfTheGeneratorGivesTheEmbeddedBytes)
{
    const TempFolder folder;
    const std::string command = std::string("'") + KRAVO_EDITOR_ART_GENERATOR + "' '" + folder.path().string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const auto& [id, size] : expectedSizes()) {
        const std::span<const unsigned char> embedded = resourceBytes(id);
        EXPECT_EQ(readFile(folder / (std::to_string(id) + ".png")),
            std::vector<unsigned char>(embedded.begin(), embedded.end()))
            << id;
    }
}

// `make art` is the one road to the contact sheet; CI runs nothing else of it.
TEST(EditorArt, TheContactSheetIsWrittenAsAWholePictureOfEveryImage)
{
    const TempFolder folder;
    const std::string sheet = (folder / "sheet.png").string();
    const std::string command = std::string("'") + KRAVO_EDITOR_ART_GENERATOR + "' --contact-sheet '" + sheet + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<unsigned char> file = readFile(sheet);
    const Toolkit::DecodedPng png = Toolkit::readPng(file);
    EXPECT_TRUE(png.complete);
    EXPECT_EQ(png.width, 2080);
    // The backgrounds alone, 984 by 623 and larger, stand in rows of two at most.
    EXPECT_GT(png.height, 3 * 623);
    DeleteObject(png.bitmap);
}

} // namespace

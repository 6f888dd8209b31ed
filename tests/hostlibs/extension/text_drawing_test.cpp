#include "hostlibs/extension/host_text.h"
#include "platform/gdi/text.h"
#include "tests/hostlibs/extension/freetype_reference.h"
#include "tests/hostlibs/extension/toolbox_test.h"

#include <algorithm>
#include <cstring>

namespace {

using kravo::test::FreeTypeReference;
using kravo::test::ToolboxTest;

constexpr HostColor kRed{0xFFFF, 0, 0};
constexpr COLORREF kRedPixel = RGB(255, 0, 0);

class HostText : public ToolboxTest {
protected:
    void TearDown() override
    {
        platform::setTextAntialiasing(true);
        ToolboxTest::TearDown();
    }

    static void useFont(std::int16_t font, std::int16_t size, std::int16_t face = 0)
    {
        HostExtTextFont(font);
        HostExtTextSize(size);
        HostExtTextFace(face);
    }

    static int width(const char* text)
    {
        return HostExtTextWidth(text, 0, static_cast<std::int16_t>(std::strlen(text)));
    }
};

TEST_F(HostText, Font3AtSize9MeasuresLiberationSansAsFreeTypeDoes)
{
    offscreen();
    useFont(3, 9);
    const FreeTypeReference face("Liberation Sans", 9);
    ASSERT_NE(face.file().find("LiberationSans-Regular"), std::string::npos) << face.file();
    HostFontInfo info{};
    HostExtGetFontInfo(&info);
    EXPECT_EQ(info.ascent, face.ascent());
    EXPECT_EQ(info.descent, face.descent());
    EXPECT_EQ(info.leading, face.lineGap());
    EXPECT_EQ(width("Hello"), face.width("Hello"));
    EXPECT_EQ(HostExtTextWidth("xHellox", 1, 5), face.width("Hello"));

    // Every font number is the same face; the size is pixels per em.
    useFont(21, 9);
    EXPECT_EQ(width("Hello"), face.width("Hello"));
    useFont(3, 40);
    const FreeTypeReference large("Liberation Sans", 40);
    EXPECT_EQ(width("Hello"), large.width("Hello"));
    HostExtGetFontInfo(&info);
    EXPECT_EQ(info.ascent, large.ascent());
}

TEST_F(HostText, TheBoldFaceIsWiderAndTheLeadingGrowsWithTheSize)
{
    offscreen();
    useFont(3, 9, 1);
    const FreeTypeReference bold("Liberation Sans:bold", 9);
    EXPECT_EQ(width("Hello"), bold.width("Hello"));
    const int boldWidth = width("Hello");
    useFont(3, 9);
    EXPECT_GT(boldWidth, width("Hello"));

    useFont(3, 64);
    HostFontInfo info{};
    HostExtGetFontInfo(&info);
    EXPECT_EQ(info.leading, FreeTypeReference("Liberation Sans", 64).lineGap());
    EXPECT_GT(info.leading, 0);
}

TEST_F(HostText, DrawingACharacterPaintsItsGlyphInTheForeColourAndMovesThePen)
{
    platform::setTextAntialiasing(false);
    HostPort port = offscreen({0, 0, 30, 30});
    useFont(3, 9);
    HostExtTextMode(1);
    HostExtRGBForeColor(&kRed);
    HostExtMoveTo(5, 20);
    HostExtDrawText("A", 0, 1);
    HostPoint pen{};
    HostExtGetPen(&pen);
    EXPECT_EQ(pen.h, 5 + width("A"));
    EXPECT_EQ(pen.v, 20);

    const kravo::test::GlyphBox glyph = FreeTypeReference("Liberation Sans", 9).glyphBox('A');
    const auto inked = painted(port);
    ASSERT_FALSE(inked.empty());
    for (const auto& [h, v] : inked) {
        EXPECT_TRUE(h >= 5 + glyph.left && h < 5 + glyph.left + glyph.width && v >= 20 - glyph.top &&
                    v < 20 - glyph.top + glyph.rows)
            << h << "," << v;
        EXPECT_EQ(pictureOf(port).at(h, v), kRedPixel);
    }
}

TEST_F(HostText, TextModesDrawTheGlyphsAloneOverWhatIsThere)
{
    platform::setTextAntialiasing(false);
    for (const std::int16_t mode : {1, 2, 8}) {
        HostPort port = offscreen({0, 0, 20, 20});
        HostExtForeColor(kHostBlackConstant);
        const HostRect all{0, 0, 20, 20};
        HostExtFillRect(&all);
        HostExtRGBForeColor(&kRed);
        useFont(3, 12);
        HostExtTextMode(mode);
        HostExtMoveTo(2, 14);
        HostExtDrawText("I", 0, 1);
        const auto red = painted(port, kBlack);
        EXPECT_FALSE(red.empty()) << mode;
        for (const auto& [h, v] : red)
            EXPECT_EQ(pictureOf(port).at(h, v), kRedPixel) << mode;
    }
}

TEST_F(HostText, TextStaysInsideTheClipAndIsLoggedWithItsCell)
{
    HostPort port = offscreen({0, 0, 30, 60});
    useFont(3, 12);
    const HostRect clip{0, 0, 30, 10};
    HostExtClipRect(&clip);
    hostext::logPortOperations(port, true);
    HostExtMoveTo(2, 14);
    HostExtDrawText("WWWWWW", 0, 6);
    const auto inked = painted(port);
    ASSERT_FALSE(inked.empty());
    for (const auto& [h, v] : inked)
        EXPECT_LT(h, 10);
    const auto log = hostext::portOperations(port);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].kind, "text");
    HostFontInfo info{};
    HostExtGetFontInfo(&info);
    EXPECT_TRUE(log[0].rect.left == 2 && log[0].rect.top == 14 - info.ascent &&
                log[0].rect.right == 2 + width("WWWWWW") && log[0].rect.bottom == 14 + info.descent);
}

TEST_F(HostText, NegativeRunsAndNoPortMeasureAndDrawNothing)
{
    EXPECT_EQ(HostExtTextWidth("abc", 0, 3), 0);
    HostExtDrawText("abc", 0, 3);
    HostPort port = offscreen();
    EXPECT_EQ(HostExtTextWidth("abc", 0, -1), 0);
    EXPECT_EQ(HostExtTextWidth(nullptr, 0, 3), 0);
    HostExtMoveTo(1, 12);
    HostExtDrawText("abc", -1, 2);
    EXPECT_TRUE(painted(port).empty());
}

} // namespace

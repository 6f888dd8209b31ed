#include "editor/controls/my_label.h"

#include "editor/bitmap_font_widths.h"
#include "editor/controls/bitmap_text.h"
#include "tests/editor/controls/own_control_test.h"

namespace {

using editor::bitmapTextWidth;
using editor::glyphIndex;

TEST(BitmapText, GlyphsOfCharactersAndWidthsCappedByTheRoom)
{
    EXPECT_EQ(glyphIndex(' '), 0);
    EXPECT_EQ(glyphIndex('A'), 33);
    EXPECT_EQ(glyphIndex(127), 95);
    EXPECT_EQ(glyphIndex(31), 0);
    EXPECT_EQ(glyphIndex(static_cast<char>(128)), 0);
    EXPECT_EQ(glyphIndex(static_cast<char>(255)), 0);

    EXPECT_EQ(bitmapTextWidth("A", 100, 0), 7);
    EXPECT_EQ(bitmapTextWidth("AM", 100, 1), 8 + 9);
    EXPECT_EQ(bitmapTextWidth("A\x01", 100, 0), 7 + 3) << "a control character measures as a space";
    EXPECT_EQ(bitmapTextWidth("WWWW", 10, 0), 10);
    EXPECT_EQ(bitmapTextWidth("WWWW", 100, 2), 0);
    EXPECT_EQ(bitmapTextWidth("", 100, 0), 0);
}

class MyLabel : public kravo::test::OwnControlTest {
protected:
    static constexpr RECT kArea{0, 0, 100, 40};

    platform::Image drawn(myLabel& label)
    {
        auto context = buffer(100, 40);
        label.draw(context.get());
        EXPECT_FALSE(label.isDirty());
        return pictureOf(context.get(), kArea);
    }
    // The glyphs of the font at their left edges, on the label's row at y = 10.
    platform::Image glyphsAt(int font, const std::vector<std::pair<char, int>>& glyphs)
    {
        auto context = buffer(100, 40);
        Toolkit::CBitmap* image = editor->image(bitmap_font::kImageIds[static_cast<std::size_t>(font)]);
        for (const auto& [character, x] : glyphs) {
            const int glyph = glyphIndex(character);
            image->draw(context.get(), {x, 10, x + bitmap_font::glyphWidth(font, glyph), 20}, {0, glyph * 10});
        }
        return pictureOf(context.get(), kArea);
    }
};

TEST_F(MyLabel, GlyphsFollowOneAnotherFromWhereTheAlignmentPutsThem)
{
    // "Ab" in font 0 is 7 + 6 wide; an unknown byte is drawn as a space (3).
    auto* left = added(new myLabel({10, 10, 60, 20}, "A\x01" "b", 0, 0));
    EXPECT_EQ(drawn(*left), glyphsAt(0, {{'A', 12}, {' ', 19}, {'b', 22}}));
    auto* centred = added(new myLabel({10, 10, 60, 20}, "Ab", 1, 1));
    // Font 1: 8 + 7 = 15 in 50, so (50 - 15) / 2 = 17 in.
    EXPECT_EQ(drawn(*centred), glyphsAt(1, {{'A', 27}, {'b', 35}}));
    auto* right = added(new myLabel({10, 10, 60, 20}, "Ab", 2, 0));
    EXPECT_EQ(drawn(*right), glyphsAt(0, {{'A', 45}, {'b', 52}}));
}

TEST_F(MyLabel, AGlyphThatDoesNotFitIsLeftOutAndANarrowerOneMayFollow)
{
    // 21 wide from x = 12: W (8) to 20 and 28, a third W would reach 36, the i (2) still ends at 30.
    auto* label = added(new myLabel({10, 10, 31, 20}, "WWWi", 0, 0));
    EXPECT_EQ(drawn(*label), glyphsAt(0, {{'W', 12}, {'W', 20}, {'i', 28}}));
    // A glyph may not end on the right edge.
    auto* exact = added(new myLabel({10, 10, 30, 20}, "WWWi", 0, 0));
    EXPECT_EQ(drawn(*exact), glyphsAt(0, {{'W', 12}, {'W', 20}}));
}

TEST_F(MyLabel, TheContextFontDrawsWithoutGlyphs)
{
    auto* empty = added(new myLabel({10, 10, 60, 20}, nullptr, 0, 0));
    EXPECT_EQ(drawn(*empty), glyphsAt(0, {}));
    auto* contextFont = added(new myLabel({10, 10, 60, 20}, "Ab", 0, 2));
    auto context = buffer(100, 40);
    context->setFont(Toolkit::kArial12);
    context->setFontColor(Toolkit::kBlackColor);
    contextFont->draw(context.get());
    const platform::Image drawnText = pictureOf(context.get(), kArea);
    EXPECT_NE(drawnText, glyphsAt(0, {}));
    EXPECT_NE(drawnText, glyphsAt(0, {{'A', 12}, {'b', 19}}));
}

} // namespace

#include "hostlibs/extension/host_text.h"
#include "platform/gdi/text.h"
#include "tests/hostlibs/extension/toolbox_test.h"

#include <cstring>
#include <set>

namespace {

using kravo::test::ToolboxTest;

class BoxedText : public ToolboxTest {
protected:
    void SetUp() override
    {
        ToolboxTest::SetUp();
        platform::setTextAntialiasing(false);
    }
    void TearDown() override
    {
        platform::setTextAntialiasing(true);
        ToolboxTest::TearDown();
    }

    HostPort textPort()
    {
        HostPort port = offscreen({0, 0, 80, 80});
        HostExtTextFont(3);
        HostExtTextSize(12);
        return port;
    }

    static int width(const char* text)
    {
        return HostExtTextWidth(text, 0, static_cast<std::int16_t>(std::strlen(text)));
    }

    static int lineHeight()
    {
        HostFontInfo info{};
        HostExtGetFontInfo(&info);
        return info.ascent + info.descent + info.leading;
    }

    static void box(const char* text, HostRect rect, std::int16_t alignment = 0)
    {
        HostExtTextBox(text, static_cast<std::int32_t>(std::strlen(text)), &rect, alignment);
    }

    // The leftmost inked column, and the inked rows.
    static int leftmost(const std::set<std::pair<int, int>>& pixels)
    {
        int left = INT32_MAX;
        for (const auto& [h, v] : pixels)
            left = std::min(left, h);
        return left;
    }
};

TEST_F(BoxedText, ARectangleOneWordWideGivesALineAWord)
{
    HostPort port = textPort();
    const int wide = width("three");
    const int line = lineHeight();
    ASSERT_GT(width("one two"), wide);
    box("one two three", {4, 2, 80, static_cast<std::int16_t>(2 + wide)});
    std::set<int> lines;
    for (const auto& [h, v] : painted(port)) {
        EXPECT_TRUE(h >= 2 && h < 2 + wide && v >= 4) << h << "," << v;
        lines.insert((v - 4) / line);
    }
    EXPECT_EQ(lines, (std::set<int>{0, 1, 2}));
}

TEST_F(BoxedText, CentredAndRightLinesShareOutTheirFreeRoom)
{
    HostPort left = textPort();
    const int free = 21;
    const HostRect rect{0, 10, 40, static_cast<std::int16_t>(10 + width("one") + free)};
    box("one", rect);
    HostPort centred = textPort();
    box("one", rect, kHostAlignCentre);
    HostPort right = textPort();
    box("one", rect, kHostAlignRight);
    const int start = leftmost(painted(left));
    // The odd pixel goes to the right of a centred line.
    EXPECT_EQ(leftmost(painted(centred)) - start, free / 2);
    EXPECT_EQ(leftmost(painted(right)) - start, free);
    // Any other alignment is left.
    HostPort other = textPort();
    box("one", rect, -2);
    EXPECT_EQ(painted(other), painted(left));
}

TEST_F(BoxedText, NothingIsPaintedOutsideTheRectangle)
{
    HostPort port = textPort();
    const int line = lineHeight();
    // A line and a half high, narrower than its long word.
    const HostRect rect{10, 10, static_cast<std::int16_t>(10 + line + line / 2),
                        static_cast<std::int16_t>(10 + width("WWW"))};
    box("WWWWWWWW WWWW WW", rect);
    const auto inked = painted(port);
    ASSERT_FALSE(inked.empty());
    std::set<int> rows;
    for (const auto& [h, v] : inked) {
        EXPECT_TRUE(h >= rect.left && h < rect.right && v >= rect.top && v < rect.bottom) << h << "," << v;
        rows.insert(v);
    }
    // The second line shows its top half.
    EXPECT_GT(*rows.rbegin(), rect.top + line);
}

TEST_F(BoxedText, ALongWordIsBrokenWhereItStopsFittingAndLineBreaksStartLines)
{
    HostPort broken = textPort();
    const int line = lineHeight();
    box("WWWW", {0, 0, 80, static_cast<std::int16_t>(width("WW"))});
    std::set<int> lines;
    for (const auto& [h, v] : painted(broken))
        lines.insert(v / line);
    EXPECT_EQ(lines, (std::set<int>{0, 1}));

    HostPort breaks = textPort();
    box("a\rb\r\nc\nd", {0, 0, 80, 80});
    lines.clear();
    for (const auto& [h, v] : painted(breaks))
        lines.insert(v / line);
    EXPECT_EQ(lines, (std::set<int>{0, 1, 2, 3}));
}

} // namespace

#include "toolkit/option_menu_scheme.h"

#include "platform/window/system_colours.h"
#include "tests/toolkit/support/toolkit_test.h"
#include "toolkit/offscreen_context.h"

#include <gtest/gtest.h>

namespace {

using namespace Toolkit;
using kravo::test::Held;

constexpr CRect kItem{10, 5, 130, 24};
constexpr CColor kBack{8, 154, 153, 255};
constexpr CColor kSelection{131, 185, 184, 255};
constexpr CColor kText{0, 0, 90, 255};
constexpr CColor kHilite{250, 250, 250, 255};
constexpr CColor kDisabled{100, 0, 0, 255};

class Scheme : public kravo::test::ToolkitTest {
protected:
    void SetUp() override
    {
        ToolkitTest::SetUp();
        frame = new kravo::test::WindowlessFrame({0, 0, 140, 30});
        buffer = new COffscreenContext(frame, 140, 30, kBlackColor);
        scheme = new COptionMenuScheme;
        scheme->setColors(kBack, kSelection, kText, kHilite, kDisabled);
    }
    void TearDown() override
    {
        scheme->forget();
        buffer->forget();
        frame->forget();
        ToolkitTest::TearDown();
    }

    platform::Image picture() { return *platform::captureImage(buffer->getSystemContext(), {0, 0, 140, 30}); }

    // What drawItem is to show: the back filled inside the item's first row and column, and texts.
    platform::Image expected(CColor back, CColor textColour, std::vector<std::pair<const char*, CRect>> texts)
    {
        Held<COffscreenContext> drawn(new COffscreenContext(frame, 140, 30, kBlackColor));
        drawn->setFillColor(back);
        drawn->fillRect(kItem);
        drawn->setFont(kArial11);
        drawn->setFontColor(textColour);
        for (const auto& [text, rect] : texts)
            drawn->drawString(text, rect, false, kAlignLeft);
        return *platform::captureImage(drawn->getSystemContext(), {0, 0, 140, 30});
    }

    kravo::test::WindowlessFrame* frame = nullptr;
    COffscreenContext* buffer = nullptr;
    COptionMenuScheme* scheme = nullptr;
};

TEST_F(Scheme, ATabPutsTheRestOfTheTextInAColumn50PixelsLeftOfTheRightEdge)
{
    scheme->drawItem("Kick\tC1", 3, 0, buffer, kItem);
    expectSamePicture(picture(), expected(kBack, kText, {{"Kick", {28, 5, 130, 24}}, {"C1", {80, 5, 130, 24}}}));
}

TEST_F(Scheme, SelectedCheckedAndDisabledItemsTakeTheirColoursAndTheCheckIsACircle)
{
    scheme->drawItem("Snare", 0, COptionMenuScheme::kItemSelected | COptionMenuScheme::kItemChecked, buffer, kItem);
    platform::Image withCheck = expected(kSelection, kHilite, {{"Snare", {28, 5, 130, 24}}});
    {
        Held<COffscreenContext> circle(new COffscreenContext(frame, 140, 30, kBlackColor));
        circle->setFillColor(kHilite);
        circle->fillEllipse({16, 9, 24, 17});
        const platform::Image dot = *platform::captureImage(circle->getSystemContext(), {0, 0, 140, 30});
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 140; ++x)
                if (dot.at(x, y) == kHilite.gdiValue())
                    withCheck.set(x, y, kHilite.gdiValue());
    }
    expectSamePicture(picture(), withCheck);
    EXPECT_EQ(buffer->getPoint({20, 13}), kHilite) << "the circle's middle";

    scheme->drawItem("Hat", 0, COptionMenuScheme::kItemDisabled | COptionMenuScheme::kItemSelected, buffer, kItem);
    expectSamePicture(picture(), expected(kSelection, kDisabled, {{"Hat", {28, 5, 130, 24}}}));
}

TEST_F(Scheme, ASeparatorIsAGrooveAcrossTheMiddle)
{
    scheme->drawItem("-", 0, 0, buffer, kItem);
    platform::Image groove = expected(kBack, kText, {});
    const int y = kItem.top + (kItem.bottom - kItem.top) / 2;
    for (int x = kItem.left + 2; x < kItem.right - 2; ++x) {
        groove.set(x, y - 1, RGB(0, 0, 0));
        groove.set(x, y, RGB(180, 180, 180));
    }
    expectSamePicture(picture(), groove);
}

TEST_F(Scheme, ItemsMeasureTheirTextAnd36By18AndSeparators6By18)
{
    CDrawContext measuring(frame, buffer->getSystemContext(), nullptr);
    CPoint size;
    scheme->getItemSize("-", &measuring, size);
    EXPECT_EQ(size, (CPoint{6, 18}));
    scheme->getItemSize("Clap", &measuring, size);
    measuring.setFont(kArial11);
    const std::int32_t width = measuring.getStringWidth("Clap");
    EXPECT_EQ(size, (CPoint{width + 36, 18}));
    scheme->setFont(kArial18);
    scheme->getItemSize("Clap", &measuring, size);
    EXPECT_GT(size.h, width + 36);
}

TEST_F(Scheme, ANewSchemeTakesTheSystemsMenuColoursAndTheDefaultGoesWithItsScheme)
{
    Held<COptionMenuScheme> system(new COptionMenuScheme);
    system->drawItemBack(buffer, kItem, false);
    EXPECT_EQ(buffer->getPoint({50, 10}).gdiValue(), GetSysColor(COLOR_MENU));
    system->drawItemBack(buffer, kItem, true);
    EXPECT_EQ(buffer->getPoint({50, 10}).gdiValue(), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(buffer->getPoint({kItem.left, kItem.top}), kBlackColor) << "the first row and column stay";

    defaultOptionMenuScheme = scheme;
    (new COptionMenuScheme)->forget();
    EXPECT_EQ(defaultOptionMenuScheme, scheme) << "another scheme's end leaves the default alone";
    auto* doomed = new COptionMenuScheme;
    defaultOptionMenuScheme = doomed;
    doomed->forget();
    EXPECT_EQ(defaultOptionMenuScheme, nullptr);
}

} // namespace

#include "toolkit/view.h"

#include "tests/toolkit/support/toolkit_test.h"
#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Toolkit;
using kravo::test::Held;
using View = kravo::test::ToolkitTest;

constexpr COLORREF kGrey = RGB(128, 128, 128);

TEST_F(View, TheMouseableAreaTakesPointsOnAllFourEdgesAndNothingBeyond)
{
    Held<CView> view(new CView({0, 0, 10, 10}));
    EXPECT_TRUE(view->hitTest({10, 10}, kButtonsUnread));
    EXPECT_TRUE(view->hitTest({0, 0}, kButtonsUnread));
    EXPECT_FALSE(view->hitTest({11, 5}, kButtonsUnread));
    EXPECT_FALSE(view->hitTest({5, -1}, kButtonsUnread));

    // A new size leaves the mouseable area where it was, and asks for a redraw.
    view->setDirty(false);
    view->setViewSize({20, 20, 40, 40});
    EXPECT_TRUE(view->isDirty());
    EXPECT_TRUE(view->hitTest({10, 10}, kButtonsUnread));
    EXPECT_FALSE(view->hitTest({30, 30}, kButtonsUnread));
}

TEST_F(View, AnUpdateRectangleThatOnlyTouchesTheViewsEdgeStillConcernsIt)
{
    Held<CView> view(new CView({10, 10, 20, 20}));
    EXPECT_TRUE(view->checkUpdate({0, 0, 10, 10}));
    EXPECT_TRUE(view->checkUpdate({20, 20, 30, 30}));
    EXPECT_FALSE(view->checkUpdate({0, 0, 9, 30}));
    EXPECT_FALSE(view->checkUpdate({21, 0, 30, 30}));
}

TEST_F(View, TheBackgroundIsDrawnOverTheViewFromItsOriginAndTransparentlyOnRequest)
{
    loadImageLibrary();
    const test_images::Picture& picture = test_images::kOrdinaryBitmap;
    auto* bitmap = new CBitmap(picture.id);
    Held<CView> view(new CView({2, 1, 6, 4}));
    view->setBackground(bitmap);
    bitmap->forget(); // the view holds it now
    EXPECT_TRUE(view->isDirty());

    const auto expected = [&](bool transparent) {
        platform::Image image(8, 6, kGrey);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) {
                const test_images::Rgba colour = picture.pixel(x, y);
                if (!transparent || !(colour == test_images::Rgba{255, 255, 255, 255}))
                    image.set(2 + x, 1 + y, RGB(colour.red, colour.green, colour.blue));
            }
        return image;
    };
    for (const bool transparent : {false, true}) {
        HDC dc = canvas(8, 6, kGrey);
        CDrawContext context(nullptr, dc, nullptr);
        view->setTransparency(transparent);
        view->draw(&context);
        expectPicture(dc, expected(transparent));
        EXPECT_FALSE(view->isDirty());
    }

    // Given its own bitmap again, the view keeps it.
    view->setBackground(view->getBackground());
    HDC dc = canvas(8, 6, kGrey);
    CDrawContext context(nullptr, dc, nullptr);
    view->draw(&context);
    expectPicture(dc, expected(true));
}

TEST_F(View, AttributesAreKeptByIdAndNeverOutgrowTheirFirstSize)
{
    Held<CView> view(new CView({0, 0, 1, 1}));
    std::int32_t size = -1;
    EXPECT_FALSE(view->getAttributeSize(7, size));
    EXPECT_TRUE(view->setAttribute(7, 4, "Kick"));
    EXPECT_TRUE(view->setAttribute(9, 2, "Hi"));
    EXPECT_TRUE(view->getAttributeSize(7, size));
    EXPECT_EQ(size, 4);

    char buffer[8] = {};
    EXPECT_FALSE(view->getAttribute(7, 3, buffer, size)); // too small
    EXPECT_TRUE(view->getAttribute(7, sizeof buffer, buffer, size));
    EXPECT_EQ(std::string(buffer, 4), "Kick");

    // A smaller value is written over the start and the size stays; a larger one is refused.
    EXPECT_TRUE(view->setAttribute(7, 2, "Sn"));
    EXPECT_FALSE(view->setAttribute(7, 5, "Snare"));
    EXPECT_TRUE(view->getAttribute(7, sizeof buffer, buffer, size));
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(size)), "Snck");
    EXPECT_TRUE(view->getAttribute(9, sizeof buffer, buffer, size));
    EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(size)), "Hi");

    // Sizes that cannot describe data are refused, and nothing is kept.
    EXPECT_FALSE(view->setAttribute(11, -1, "x"));
    EXPECT_FALSE(view->setAttribute(12, 3, nullptr));
    EXPECT_FALSE(view->getAttributeSize(11, size));
    EXPECT_FALSE(view->getAttributeSize(12, size));
}

} // namespace

#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi_objects.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

namespace {

using WindowPainting = kravo::test::WindowTest;

bool same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT updateRect(HWND window)
{
    RECT rect{-1, -1, -1, -1};
    GetUpdateRect(window, &rect, FALSE);
    return rect;
}

// Fills the whole client area in the colour when the window paints.
void paintIn(HWND window, COLORREF colour)
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    EndPaint(window, &paint);
}

TEST_F(WindowPainting, AVisibleNewChildGetsOneWmPaintForItsClientAreaAndNoneAfterBeginPaintAndEndPaint)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {200, 300, 600, 700});
    platform::pumpMessages();
    deliveries.clear();

    HWND child = makeWindow(top, {100, 50, 180, 90});
    EXPECT_TRUE(same(updateRect(child), {0, 0, 80, 40}));
    RECT paintArea{};
    answer = [&](const kravo::test::Delivery& delivery) -> std::optional<LRESULT> {
        if (delivery.message != WM_PAINT)
            return std::nullopt;
        PAINTSTRUCT paint{};
        BeginPaint(delivery.window, &paint);
        paintArea = paint.paint;
        EndPaint(delivery.window, &paint);
        return 0;
    };
    platform::pumpMessages();
    EXPECT_EQ(count(WM_PAINT, child), 1);
    EXPECT_EQ(count(WM_PAINT, top), 0); // the child covers what it takes of the parent, nothing more
    EXPECT_TRUE(same(paintArea, {0, 0, 80, 40}));
    platform::pumpMessages();
    EXPECT_EQ(count(WM_PAINT), 1);
    DestroyWindow(top);
}

TEST_F(WindowPainting, TwoInvalidationsGiveOnePaintWithTheirBoundingBoxAndADCLimitedToThemBoth)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {0, 0, 100, 100});
    answer = [&](const kravo::test::Delivery& delivery) -> std::optional<LRESULT> {
        if (delivery.message == WM_PAINT)
            paintIn(delivery.window, RGB(0, 0, 0));
        return delivery.message == WM_PAINT ? std::optional<LRESULT>(0) : std::nullopt;
    };
    platform::pumpMessages();
    deliveries.clear();

    const RECT first{10, 10, 20, 20};
    const RECT second{50, 60, 70, 65};
    InvalidateRect(top, &first, FALSE);
    InvalidateRect(top, &second, FALSE);
    EXPECT_TRUE(same(updateRect(top), {10, 10, 70, 65}));
    answer = [&](const kravo::test::Delivery& delivery) -> std::optional<LRESULT> {
        if (delivery.message != WM_PAINT)
            return std::nullopt;
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(delivery.window, &paint);
        EXPECT_TRUE(same(paint.paint, {10, 10, 70, 65}));
        HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
        const RECT all{0, 0, 100, 100};
        FillRect(dc, &all, white);
        DeleteObject(white);
        EndPaint(delivery.window, &paint);
        return 0;
    };
    platform::pumpMessages();
    EXPECT_EQ(count(WM_PAINT), 1);
    platform::Image expected(100, 100, RGB(0, 0, 0));
    expected.fill(first, RGB(255, 255, 255));
    expected.fill(second, RGB(255, 255, 255));
    expectWindowPicture(top, expected);
    DestroyWindow(top);
}

TEST_F(WindowPainting, AWmPaintSurvivesPmRemoveUntilValidatedAndPostedMessagesComeBeforeIt)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {0, 0, 50, 50});
    PostMessageA(top, WM_USER, 1, 0);
    PostMessageA(top, WM_USER + 1, 2, 0);
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER);
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_USER + 1);
    for (int read = 0; read < 3; ++read) {
        ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(message.message, WM_PAINT);
        EXPECT_EQ(message.window, top);
    }
    ValidateRect(top, nullptr);
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(top);
}

TEST_F(WindowPainting, BeginPaintErasesWithTheClassBrushOrReportsTheEraseLeftUndone)
{
    registerRecordingClass(0, GetSysColorBrush(COLOR_BTNFACE));
    registerRecordingClass(0, nullptr, "Bare");
    HWND brushed = makeWindow(nullptr, {0, 0, 20, 10});
    HWND bare = makeWindow(nullptr, {0, 0, 20, 10}, WS_VISIBLE, "Bare");
    PAINTSTRUCT paint{};
    BeginPaint(brushed, &paint);
    EXPECT_FALSE(paint.erase);
    EndPaint(brushed, &paint);
    BeginPaint(bare, &paint);
    EXPECT_TRUE(paint.erase);
    EndPaint(bare, &paint);
    EXPECT_EQ(count(WM_ERASEBKGND), 2);
    expectWindowPicture(brushed, platform::Image(20, 10, GetSysColor(COLOR_BTNFACE)));
    expectWindowPicture(bare, platform::Image(20, 10, RGB(0, 0, 0)));

    const RECT part{0, 0, 5, 5};
    InvalidateRect(brushed, &part, FALSE); // no erase asked for
    BeginPaint(brushed, &paint);
    EndPaint(brushed, &paint);
    EXPECT_EQ(count(WM_ERASEBKGND), 2);
    InvalidateRect(brushed, &part, TRUE);
    EXPECT_TRUE(GetUpdateRect(brushed, nullptr, TRUE)); // erases now, and only once
    BeginPaint(brushed, &paint);
    EndPaint(brushed, &paint);
    EXPECT_EQ(count(WM_ERASEBKGND), 3);
    DestroyWindow(brushed);
    DestroyWindow(bare);
}

TEST_F(WindowPainting, ShowingHidingMovingAndSizingRepaintWhatTheyNewlyShow)
{
    registerRecordingClass();
    registerRecordingClass(CS_HREDRAW, nullptr, "Redrawn");
    HWND top = makeWindow(nullptr, {0, 0, 200, 200});
    HWND child = makeWindow(top, {10, 10, 60, 40}, 0);
    ValidateRect(top, nullptr);
    EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE)); // hidden: nothing shows

    EXPECT_FALSE(ShowWindow(child, SW_SHOW));
    EXPECT_TRUE(same(updateRect(child), {0, 0, 50, 30}));
    ValidateRect(child, nullptr);
    EXPECT_TRUE(ShowWindow(child, SW_HIDE));
    EXPECT_TRUE(same(updateRect(top), {10, 10, 60, 40}));
    ValidateRect(top, nullptr);

    ShowWindow(child, SW_SHOWNORMAL);
    ValidateRect(child, nullptr);
    SetWindowPos(child, HWND_TOP, 0, 0, 70, 30, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(same(updateRect(child), {50, 0, 70, 30})); // only what it gained
    EXPECT_FALSE(GetUpdateRect(top, nullptr, FALSE));
    ValidateRect(child, nullptr);
    SetWindowPos(child, HWND_TOP, 100, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(same(updateRect(child), {0, 0, 70, 30})); // moved: all of it
    EXPECT_TRUE(same(updateRect(top), {10, 10, 80, 40}));
    ValidateRect(top, nullptr);
    ValidateRect(child, nullptr);

    HWND redrawn = makeWindow(top, {0, 100, 40, 140}, WS_VISIBLE, "Redrawn");
    ValidateRect(redrawn, nullptr);
    SetWindowPos(redrawn, HWND_TOP, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(same(updateRect(redrawn), {0, 0, 50, 40}));
    DestroyWindow(top);
}

TEST_F(WindowPainting, ATopLevelWindowKeepsItsPixelsWhereItsOldAndNewSizesOverlap)
{
    registerRecordingClass(0, GetSysColorBrush(COLOR_HIGHLIGHT));
    HWND top = makeWindow(nullptr, {0, 0, 10, 10});
    platform::pumpMessages();
    SetWindowPos(top, HWND_TOP, 0, 0, 20, 5, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(same(updateRect(top), {10, 0, 20, 5}));
    platform::Image expected(20, 5, RGB(0, 0, 0));
    expected.fill({0, 0, 10, 5}, GetSysColor(COLOR_HIGHLIGHT));
    expectWindowPicture(top, expected);
    DestroyWindow(top);
}

TEST_F(WindowPainting, AParentWithoutClipChildrenPassesItsInvalidationToTheChildrenUnderIt)
{
    registerRecordingClass();
    HWND clipping = makeWindow(nullptr, {0, 0, 100, 100}, WS_VISIBLE | WS_CLIPCHILDREN);
    HWND plain = makeWindow(nullptr, {0, 0, 100, 100});
    HWND clipped = makeWindow(clipping, {10, 10, 30, 30});
    HWND covered = makeWindow(plain, {10, 10, 30, 30});
    for (HWND window : {clipping, plain, clipped, covered})
        ValidateRect(window, nullptr);
    const RECT area{0, 0, 20, 20};
    InvalidateRect(clipping, &area, TRUE);
    InvalidateRect(plain, &area, TRUE);
    EXPECT_FALSE(GetUpdateRect(clipped, nullptr, FALSE));
    EXPECT_TRUE(same(updateRect(covered), {0, 0, 10, 10}));
    DestroyWindow(clipping);
    DestroyWindow(plain);
}

TEST_F(WindowPainting, RedrawWindowAsksForAPaintEvenWithNothingToUpdateAndUpdateWindowPaintsAtOnce)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {0, 0, 40, 40});
    ValidateRect(top, nullptr);
    RedrawWindow(top, nullptr, nullptr, RDW_INTERNALPAINT);
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_PAINT);
    EXPECT_FALSE(GetUpdateRect(top, nullptr, FALSE));
    DispatchMessageA(&message); // the default procedure validates it
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));

    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE);
    EXPECT_TRUE(same(updateRect(top), {0, 0, 40, 40}));
    UpdateWindow(top);
    EXPECT_EQ(count(WM_PAINT), 2);
    EXPECT_EQ(count(WM_ERASEBKGND), 0); // RDW_INVALIDATE alone does not erase
    EXPECT_FALSE(GetUpdateRect(top, nullptr, FALSE));
    DestroyWindow(top);
}

TEST_F(WindowPainting, OverlappingClipSiblingsChildrenInSolidColoursGiveTheExpectedImage)
{
    registerRecordingClass(0, GetSysColorBrush(COLOR_MENU));
    registerRecordingClass(0, nullptr, "Solid");
    HWND top = makeWindow(nullptr, {300, 200, 100 + 300, 80 + 200}, WS_VISIBLE | WS_CLIPCHILDREN);
    const DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS;
    HWND red = makeWindow(top, {10, 10, 50, 50}, style, "Solid");
    HWND green = makeWindow(top, {30, 30, 70, 70}, style, "Solid"); // made later: on top
    makeWindow(top, {60, 5, 90, 40}, style, "Solid"); // blue
    BringWindowToTop(red);
    answer = [&](const kravo::test::Delivery& delivery) -> std::optional<LRESULT> {
        if (delivery.message != WM_PAINT || delivery.window == top)
            return std::nullopt;
        paintIn(delivery.window, delivery.window == red ? RGB(255, 0, 0)
                : delivery.window == green              ? RGB(0, 255, 0)
                                                        : RGB(0, 0, 255));
        return 0;
    };
    platform::pumpMessages();

    // Bottom to top: green, blue, red.
    platform::Image expected(100, 80, GetSysColor(COLOR_MENU));
    expected.fill({30, 30, 70, 70}, RGB(0, 255, 0));
    expected.fill({60, 5, 90, 40}, RGB(0, 0, 255));
    expected.fill({10, 10, 50, 50}, RGB(255, 0, 0));
    expectWindowPicture(top, expected);
    platform::Image greenSeen(40, 40, RGB(0, 255, 0));
    greenSeen.fill({0, 0, 20, 20}, RGB(255, 0, 0));
    greenSeen.fill({30, 0, 40, 10}, RGB(0, 0, 255));
    expectWindowPicture(green, greenSeen);
    DestroyWindow(top);
}

TEST_F(WindowPainting, AWindowDCDrawsOnlyWhereTheWindowShowsAndNothingOnceItIsGone)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {0, 0, 30, 30}, WS_VISIBLE | WS_CLIPCHILDREN);
    HWND child = makeWindow(top, {10, 10, 20, 20});
    HWND hidden = makeWindow(top, {0, 0, 5, 5}, 0);
    ValidateRect(top, nullptr);
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    const RECT everything{-50, -50, 50, 50};
    for (HWND window : {top, hidden}) {
        HDC dc = GetDC(window);
        FillRect(dc, &everything, white);
        ReleaseDC(window, dc);
    }
    platform::Image expected(30, 30, RGB(255, 255, 255));
    expected.fill({10, 10, 20, 20}, RGB(0, 0, 0));
    expectWindowPicture(top, expected);

    HDC kept = GetDC(child);
    DestroyWindow(child);
    EXPECT_EQ(FillRect(kept, &everything, white), 1);
    EXPECT_EQ(ReleaseDC(nullptr, kept), 1);
    DeleteObject(white);
    DestroyWindow(top);
}

} // namespace

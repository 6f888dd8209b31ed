#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

#include "tests/toolkit/support/toolkit_test.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace Toolkit;
using kravo::test::WindowlessFrame;
using MouseState = kravo::test::ToolkitWindowTest;

TEST_F(MouseState, ButtonsAndModifiersAreReadAsTheyAreNowWithLeftAndRightSwappedAsTheSettingWasWhenRead)
{
    CDrawContext context(nullptr, nullptr, nullptr);
    script().press(VK_LBUTTON);
    script().press(VK_SHIFT);
    script().press(VK_MENU);
    EXPECT_EQ(context.getMouseButtons(), kLeftButton | kShiftHeld | kAltHeld);
    script().release(VK_LBUTTON);
    script().release(VK_SHIFT);
    script().release(VK_MENU);
    script().press(VK_RBUTTON);
    script().press(VK_MBUTTON);
    script().press(VK_CONTROL);
    EXPECT_EQ(context.getMouseButtons(), kRightButton | kMiddleButton | kCtrlHeld);

    platform::setSwapButtons(true);
    EXPECT_EQ(context.getMouseButtons(), kRightButton | kMiddleButton | kCtrlHeld); // not read yet
    readSwapButtons();
    platform::setSwapButtons(false);
    EXPECT_EQ(context.getMouseButtons(), kLeftButton | kMiddleButton | kCtrlHeld);
    script().release(VK_RBUTTON);
    script().press(VK_LBUTTON);
    EXPECT_EQ(context.getMouseButtons(), kRightButton | kMiddleButton | kCtrlHeld);
    script().release(VK_LBUTTON);
    script().release(VK_MBUTTON);
    script().release(VK_CONTROL);
    EXPECT_EQ(context.getMouseButtons(), 0);
}

TEST_F(MouseState, APointerIsLocatedFromTheWindowsScreenPositionAsShiftedSince)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {100, 50, 300, 250});
    {
        CDrawContext context(nullptr, nullptr, window);
        EXPECT_EQ(context.offsetScreen, (CPoint{100, 50}));
        script().move(130, 70);
        CPoint where;
        context.getMouseLocation(where);
        EXPECT_EQ(where, (CPoint{30, 20}));
        context.offsetScreen.offset(10, 5);
        context.getMouseLocation(where);
        EXPECT_EQ(where, (CPoint{20, 15}));
    }
    DestroyWindow(window);
}

class DoubleClicks : public kravo::test::ToolkitWindowTest {
protected:
    void SetUp() override
    {
        ToolkitWindowTest::SetUp();
        registerRecordingClass();
        window = makeWindow(nullptr, {0, 0, 200, 200});
        ValidateRect(window, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(window);
        ToolkitWindowTest::TearDown();
    }

    // A click at (50, 50) whose press is taken out of the queue, as a window procedure handling it would
    // have it; answers the press's time.
    DWORD firstClick()
    {
        script().move(50, 50);
        script().press(VK_LBUTTON);
        script().release(VK_LBUTTON);
        MSG press{};
        EXPECT_TRUE(PeekMessageA(&press, window, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
        EXPECT_EQ(static_cast<DWORD>(GetMessageTime()), press.time);
        return press.time;
    }

    void secondClick(DWORD after, POINT at)
    {
        script().wait(after);
        script().move(at.x, at.y);
        script().press(VK_LBUTTON);
        script().release(VK_LBUTTON);
    }

    bool pressWaiting()
    {
        MSG press{};
        return PeekMessageA(&press, window, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE) != FALSE;
    }

    HWND window = nullptr;
};

TEST_F(DoubleClicks, ASecondPressNearbyInTimeIsTakenFromTheQueue)
{
    CDrawContext context(nullptr, nullptr, window);
    const DWORD first = firstClick();
    secondClick(100, {51, 49});
    EXPECT_TRUE(context.waitDoubleClick());
    EXPECT_FALSE(pressWaiting());
    EXPECT_GE(GetTickCount() - first, 100u);
    EXPECT_LT(GetTickCount() - first, 110u);
}

TEST_F(DoubleClicks, ThePointerLeavingTheSquareAroundTheClickEndsTheWait)
{
    CDrawContext context(nullptr, nullptr, window);
    const DWORD first = firstClick();
    script().wait(50);
    script().move(52, 50);
    secondClick(50, {52, 50});
    EXPECT_FALSE(context.waitDoubleClick());
    EXPECT_LT(GetTickCount() - first, 60u);
    runScript();
}

TEST_F(DoubleClicks, NoSecondPressMeansFalseAtTheDoubleClickTime)
{
    CDrawContext context(nullptr, nullptr, window);
    const DWORD first = firstClick();
    EXPECT_FALSE(context.waitDoubleClick());
    EXPECT_GE(GetTickCount() - first, GetDoubleClickTime());
    EXPECT_LT(GetTickCount() - first, GetDoubleClickTime() + 5);
}

TEST_F(DoubleClicks, WhenTheDoubleClickTimeHasAlreadyPassedTheAnswerIsFalseAtOnce)
{
    CDrawContext context(nullptr, nullptr, window);
    firstClick();
    clock().advance(GetDoubleClickTime());
    secondClick(0, {50, 50});
    const DWORD asked = GetTickCount();
    EXPECT_FALSE(context.waitDoubleClick());
    EXPECT_LE(GetTickCount() - asked, 2u);
    EXPECT_TRUE(pressWaiting());
}

TEST_F(DoubleClicks, TheWaitWorksAcrossTheWrapOfTheTickCount)
{
    // In two steps: the script follows the clock only by less than half its range at a time.
    const DWORD toNearTheWrap = std::numeric_limits<DWORD>::max() - kStartTicks - 200;
    clock().advance(toNearTheWrap / 2);
    script().wait(0);
    clock().advance(toNearTheWrap - toNearTheWrap / 2);
    CDrawContext context(nullptr, nullptr, window);
    const DWORD first = firstClick();
    secondClick(300, {50, 50});
    EXPECT_TRUE(context.waitDoubleClick());
    EXPECT_LT(GetTickCount(), first); // wrapped
}

using Drags = kravo::test::ToolkitWindowTest;

TEST_F(Drags, NoDragWithoutAFrameOrWithTheLeftButtonUp)
{
    script().move(40, 40);
    script().press(VK_LBUTTON);
    CDrawContext frameless(nullptr, nullptr, nullptr);
    EXPECT_FALSE(frameless.waitDrag());
    script().release(VK_LBUTTON);
    WindowlessFrame frame;
    CDrawContext context(&frame, nullptr, nullptr);
    EXPECT_FALSE(context.waitDrag());
    EXPECT_EQ(frame.idlePasses, 0);
}

TEST_F(Drags, MovingTwoPixelsWithTheButtonHeldStartsADragWhileTheFrameIdles)
{
    WindowlessFrame frame;
    CDrawContext context(&frame, nullptr, nullptr);
    script().move(40, 40);
    script().press(VK_LBUTTON);
    script().wait(20);
    script().move(41, 38);
    script().wait(20);
    script().move(42, 38);
    EXPECT_TRUE(context.waitDrag());
    EXPECT_GT(frame.idlePasses, 1);
    CPoint where;
    context.getMouseLocation(where);
    EXPECT_EQ(where, (CPoint{42, 38}));
    script().release(VK_LBUTTON);
    runScript();
}

TEST_F(Drags, ReleasingTheButtonBeforeMovingAwayIsNoDrag)
{
    WindowlessFrame frame;
    CDrawContext context(&frame, nullptr, nullptr);
    script().move(40, 40);
    script().press(VK_LBUTTON);
    script().wait(20);
    script().move(41, 41);
    script().wait(20);
    script().release(VK_LBUTTON);
    script().wait(20);
    script().move(60, 60);
    EXPECT_FALSE(context.waitDrag());
    EXPECT_FALSE(script().finished());
    runScript();
}

TEST_F(Drags, WithSwappedButtonsThePhysicalRightButtonDrags)
{
    platform::setSwapButtons(true);
    readSwapButtons();
    WindowlessFrame frame;
    CDrawContext context(&frame, nullptr, nullptr);
    script().move(40, 40);
    script().press(VK_RBUTTON);
    script().wait(10);
    script().move(45, 40);
    EXPECT_TRUE(context.waitDrag());
    script().release(VK_RBUTTON);
    runScript();
}

} // namespace

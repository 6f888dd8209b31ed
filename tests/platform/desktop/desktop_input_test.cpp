#include "platform/desktop/desktop_input.h"
#include "tests/platform/desktop/desktop_test.h"

#include <gtest/gtest.h>

namespace {

class DesktopInput : public kravo::test::FocusedWindowTest {
protected:
    DesktopInput() : FocusedWindowTest({0, 0, 320, 200}) {}
};

TEST_F(DesktopInput, QueuedScriptedStepsStillArriveBesideTheDesktopsEvents)
{
    script().move(50, 60);
    script().press(VK_RBUTTON);
    pushKey(SDLK_z, true);

    runScript();

    EXPECT_EQ(count(WM_RBUTTONDOWN, window), 1);
    EXPECT_EQ(last(WM_RBUTTONDOWN).lParam, MAKELPARAM(50, 60));
    EXPECT_EQ(count(WM_KEYDOWN, window), 1);
    EXPECT_EQ(last(WM_KEYDOWN).wParam, static_cast<WPARAM>(VK_A + 25));
}

TEST_F(DesktopInput, AScriptedWaitPassesOnTheClockInUseWithoutWaiting)
{
    script().wait(5000);
    script().press(VK_LBUTTON);
    const DWORD start = GetTickCount();

    MSG message{};
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));

    EXPECT_EQ(message.message, WM_LBUTTONDOWN);
    EXPECT_EQ(GetTickCount() - start, 5000u);
}

TEST_F(DesktopInput, TheWatchdogNeverStopsAPersonWhoLeavesTheProgramWaiting)
{
    for (int read = 0; read < 3; ++read) {
        clock().advance(2 * platform::ScriptedInput::kWatchdogMilliseconds);
        GetAsyncKeyState(VK_LBUTTON);
        platform::pumpMessages();
    }

    EXPECT_EQ(script().failures(), 0u);
    MSG message{};
    EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(DesktopInput, GetMessageAWaitsForTheDesktopsNextEventOrTheNextTimer)
{
    pushKey(SDLK_q, true);
    MSG message{};
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_KEYDOWN);

    SetTimer(window, 7, 3, nullptr);
    const DWORD start = GetTickCount();
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_TIMER);
    EXPECT_EQ(GetTickCount() - start, 3u) << "the test's clock moved on to the timer";
    KillTimer(window, 7);
}

TEST_F(DesktopInput, APollingLoopFindingNothingSleepsAMillisecond)
{
    const DWORD start = GetTickCount();
    MSG message{};
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(GetTickCount() - start, 1u);
}

} // namespace

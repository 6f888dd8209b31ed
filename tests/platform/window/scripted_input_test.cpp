#include "platform/window/input_events.h"
#include "platform/window/input_source.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

#include <deque>
#include <thread>

namespace {

using ScriptedInput = kravo::test::WindowTest;

TEST_F(ScriptedInput, APressMoveAndReleaseEndALoopPollingTheButtonAndThePointer)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {100, 100, 500, 500});
    ValidateRect(window, nullptr);
    script().move(200, 200);
    script().press(VK_LBUTTON);
    script().wait(30);
    script().move(250, 220);
    script().wait(30);
    script().release(VK_LBUTTON);
    platform::pumpMessages();
    ASSERT_EQ(count(WM_LBUTTONDOWN), 1);
    const kravo::test::Delivery down = last(WM_LBUTTONDOWN);
    EXPECT_EQ(down.lParam, MAKELPARAM(100, 100));
    EXPECT_EQ(down.wParam, MK_LBUTTON);

    POINT pointer{};
    int reads = 0;
    while (GetAsyncKeyState(VK_LBUTTON) < 0 && ++reads < 1000)
        GetCursorPos(&pointer);
    EXPECT_LT(reads, 1000);
    EXPECT_TRUE(pointer.x == 250 && pointer.y == 220);
    EXPECT_TRUE(script().finished());
    platform::pumpMessages();
    EXPECT_EQ(count(WM_MOUSEMOVE), 2);
    EXPECT_EQ(deliveries.back().message, WM_LBUTTONUP);
    EXPECT_EQ(last(WM_LBUTTONUP).lParam, MAKELPARAM(150, 120));
    EXPECT_EQ(last(WM_LBUTTONUP).wParam, 0u);
    DestroyWindow(window);
}

TEST_F(ScriptedInput, ALoopPollingOnlyTheRightButtonEndsAtItsRelease)
{
    script().press(VK_RBUTTON);
    script().wait(100);
    script().release(VK_RBUTTON);
    ASSERT_LT(GetAsyncKeyState(VK_RBUTTON), 0);
    const DWORD pressed = GetTickCount();
    int reads = 0;
    while (GetAsyncKeyState(VK_RBUTTON) < 0 && ++reads < 1000) {
    }
    EXPECT_EQ(GetTickCount() - pressed, 100u); // each read that found nothing new moved the clock 1 ms
    EXPECT_EQ(reads, 100);
}

TEST_F(ScriptedInput, AScriptThatNeverReleasesTripsTheWatchdogWhichReleasesEverythingAndQuits)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 100, 100});
    ValidateRect(window, nullptr);
    script().move(10, 10);
    script().press(VK_SHIFT);
    script().press(VK_LBUTTON);
    const DWORD start = GetTickCount();
    int reads = 0;
    while (GetAsyncKeyState(VK_LBUTTON) < 0 && ++reads < 100000) {
    }
    EXPECT_EQ(script().failures(), 1u);
    EXPECT_EQ(GetTickCount() - start, platform::ScriptedInput::kWatchdogMilliseconds + 1);
    EXPECT_GE(GetAsyncKeyState(VK_SHIFT), 0);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0))
        DispatchMessageA(&message);
    EXPECT_EQ(count(WM_LBUTTONUP), 1);
    expectScriptFailures(1);
    DestroyWindow(window);
}

TEST_F(ScriptedInput, ReadsThatGoOnTenSecondsAfterTheWatchdogReleasedEverythingStopTheProgram)
{
    script().press(VK_LBUTTON);
    EXPECT_DEATH(
        {
            POINT pointer{};
            for (int read = 0; read < 30000; ++read)
                GetCursorPos(&pointer);
        },
        "read input for 10 s more");
}

TEST_F(ScriptedInput, ASecondPressWithinTheDoubleClickTimeIsADoubleClickOnlyForCsDblclksClasses)
{
    registerRecordingClass(CS_DBLCLKS, nullptr, "Double");
    registerRecordingClass();
    HWND doubled = makeWindow(nullptr, {0, 0, 100, 100}, WS_VISIBLE, "Double");
    HWND plain = makeWindow(nullptr, {200, 0, 300, 100});
    const auto press = [&](POINT at, DWORD after) {
        script().wait(after);
        script().move(at.x, at.y);
        script().press(VK_LBUTTON);
        script().release(VK_LBUTTON);
    };
    press({10, 10}, 0);
    press({12, 8}, GetDoubleClickTime() - 1);
    press({12, 8}, 10); // a third press starts a new pair
    press({12, 8}, GetDoubleClickTime());
    press({15, 8}, 10); // too far
    press({210, 10}, 1000);
    press({210, 10}, 10);
    runScript();
    std::vector<UINT> presses;
    for (const kravo::test::Delivery& delivery : deliveries)
        if (delivery.message == WM_LBUTTONDOWN || delivery.message == WM_LBUTTONDBLCLK)
            presses.push_back(delivery.message);
    const std::vector<UINT> expected{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONDOWN,
        WM_LBUTTONDOWN, WM_LBUTTONDOWN, WM_LBUTTONDOWN};
    EXPECT_EQ(presses, expected);
    DestroyWindow(doubled);
    DestroyWindow(plain);
}

TEST_F(ScriptedInput, WithTheButtonsSwappedAPhysicalLeftPressArrivesAsTheRightButton)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 100, 100});
    platform::setSwapButtons(true);
    EXPECT_EQ(GetSystemMetrics(SM_SWAPBUTTON), 1);
    script().move(5, 5);
    script().press(VK_LBUTTON);
    platform::pumpMessages();
    EXPECT_EQ(count(WM_RBUTTONDOWN), 1);
    EXPECT_EQ(count(WM_LBUTTONDOWN), 0);
    EXPECT_EQ(last(WM_RBUTTONDOWN).wParam, MK_RBUTTON);
    EXPECT_LT(GetAsyncKeyState(VK_LBUTTON), 0); // the physical button
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
    EXPECT_GE(GetAsyncKeyState(VK_RBUTTON), 0);
    script().release(VK_LBUTTON);
    platform::pumpMessages();
    EXPECT_EQ(count(WM_RBUTTONUP), 1);
    DestroyWindow(window);
}

TEST_F(ScriptedInput, MouseMessagesGoToTheCaptureWindowWithItsClientPointAndTheKeysHeld)
{
    registerRecordingClass();
    HWND top = makeWindow(nullptr, {100, 100, 300, 300});
    HWND child = makeWindow(top, {50, 50, 100, 100});
    script().move(160, 170);
    script().press(VK_CONTROL);
    script().press(VK_MBUTTON);
    runScript();
    EXPECT_EQ(last(WM_MBUTTONDOWN).window, child);
    EXPECT_EQ(last(WM_MBUTTONDOWN).lParam, MAKELPARAM(10, 20));
    EXPECT_EQ(last(WM_MBUTTONDOWN).wParam, MK_MBUTTON | MK_CONTROL);

    EXPECT_EQ(SetCapture(child), nullptr);
    script().move(20, 30);
    runScript();
    EXPECT_EQ(last(WM_MOUSEMOVE).window, child);
    EXPECT_EQ(last(WM_MOUSEMOVE).lParam, MAKELPARAM(-130, -120));
    ReleaseCapture();
    script().move(25, 30); // over no window
    script().release(VK_MBUTTON);
    script().release(VK_CONTROL);
    const std::size_t before = deliveries.size();
    runScript();
    EXPECT_EQ(deliveries.size(), before);
    DestroyWindow(top);
}

TEST_F(ScriptedInput, TheWheelGoesToTheWindowUnderThePointerWithTheScreenPosition)
{
    registerRecordingClass();
    HWND under = makeWindow(nullptr, {0, 0, 100, 100});
    HWND focused = makeWindow(nullptr, {200, 0, 300, 100});
    SetFocus(focused);
    script().move(40, 60);
    script().wheel(-WHEEL_DELTA);
    runScript();
    EXPECT_EQ(count(WM_MOUSEWHEEL, focused), 0);
    ASSERT_EQ(count(WM_MOUSEWHEEL, under), 1);
    EXPECT_EQ(static_cast<SHORT>(HIWORD(last(WM_MOUSEWHEEL).wParam)), -WHEEL_DELTA);
    EXPECT_EQ(last(WM_MOUSEWHEEL).lParam, MAKELPARAM(40, 60));
    DestroyWindow(under);
    DestroyWindow(focused);
}

TEST_F(ScriptedInput, TheCursorIsSetBeforeAMouseMessageIsHandedOutUnlessAWindowHasTheCapture)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 100, 100});
    ValidateRect(window, nullptr);
    SetCursor(nullptr);
    script().move(5, 5);
    MSG message{};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(count(WM_SETCURSOR), 0);
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_MOUSEMOVE);
    EXPECT_EQ(count(WM_SETCURSOR, window), 1);
    EXPECT_EQ(last(WM_SETCURSOR).lParam, static_cast<LPARAM>(WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    SetCapture(window);
    script().move(6, 6);
    runScript();
    EXPECT_EQ(count(WM_SETCURSOR), 1);
    DestroyWindow(window);
}

TEST_F(ScriptedInput, GetKeyStateFollowsTheInputMessagesTakenOutWhileGetAsyncKeyStateIsAtOnce)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 100, 100});
    ValidateRect(window, nullptr);
    SetFocus(window);
    script().press(VK_SHIFT);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    MSG message{};
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_TRUE(message.message == WM_KEYDOWN && message.window == window && message.wParam == VK_SHIFT);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetAsyncKeyState(300), 0);
    script().release(VK_SHIFT);
    runScript();
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    DestroyWindow(window);
}

TEST_F(ScriptedInput, TimeMovesOnByReadsThatFindNothingBySleepingAndByGetMessageWaitingForTheNextStep)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 100, 100});
    ValidateRect(window, nullptr);
    const DWORD start = GetTickCount();
    POINT pointer{};
    GetCursorPos(&pointer);
    MSG message{};
    PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
    EXPECT_EQ(GetTickCount(), start + 2);
    Sleep(40);
    EXPECT_EQ(GetTickCount(), start + 42);
    script().wait(500);
    script().move(10, 10);
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_MOUSEMOVE);
    EXPECT_EQ(message.time, start + 542);
    EXPECT_EQ(GetTickCount(), start + 542);
    DestroyWindow(window);
}

// A source of its own in place of the script, as a live desktop would be.
class QueuedSource : public platform::InputSource {
public:
    bool pull() override
    {
        const bool any = !events.empty();
        for (; !events.empty(); events.pop_front())
            platform::applyInput(events.front());
        return any;
    }
    void nothingNew() override { ++idleReads; }
    bool waitForInput(std::optional<DWORD>) override { return false; }

    std::deque<platform::InputEvent> events;
    int idleReads = 0;
};

TEST_F(ScriptedInput, AnotherInputSourceFeedsTheSameReads)
{
    QueuedSource source;
    platform::setInputSource(&source);
    source.events.push_back({.kind = platform::InputEvent::Kind::move, .point = {5000, -7}});
    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_TRUE(pointer.x == GetSystemMetrics(SM_CXSCREEN) - 1 && pointer.y == 0); // kept on the screen
    EXPECT_EQ(source.idleReads, 0);
    EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(source.idleReads, 1);
    MSG message{};
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    platform::setInputSource(nullptr);
}

#ifndef NDEBUG
TEST_F(ScriptedInput, WindowCallsFromAnotherThreadAssertInDebugBuilds)
{
    EXPECT_DEATH(std::thread([] { GetFocus(); }).join(), "user-interface thread");
}
#endif

} // namespace

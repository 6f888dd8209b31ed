#include "tests/support/window_test.h"

#include <gtest/gtest.h>

namespace {

using MessageQueue = kravo::test::WindowTest;

int timerCalls = 0;

void countTimer(HWND, UINT, UINT_PTR, DWORD)
{
    ++timerCalls;
}

TEST_F(MessageQueue, PeekMessageFiltersByWindowAndNumberAndLeavesWhatItOnlyLooksAt)
{
    registerRecordingClass();
    HWND first = makeWindow(nullptr, {0, 0, 10, 10});
    HWND second = makeWindow(nullptr, {0, 0, 10, 10});
    ValidateRect(first, nullptr);
    ValidateRect(second, nullptr);
    PostMessageA(first, WM_USER, 1, 0);
    PostMessageA(second, WM_USER + 5, 2, 0);
    PostMessageA(nullptr, WM_USER + 9, 3, 0);
    MSG message{};
    EXPECT_TRUE(PeekMessageA(&message, second, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.wParam, 2u);
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_USER + 5, WM_USER + 9, PM_REMOVE));
    EXPECT_EQ(message.wParam, 2u);
    EXPECT_FALSE(PeekMessageA(&message, second, 0, 0, PM_REMOVE));
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_USER + 9, WM_USER + 9, PM_REMOVE));
    EXPECT_EQ(message.window, nullptr);
    EXPECT_EQ(DispatchMessageA(&message), 0); // a thread message reaches no window
    EXPECT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.window, first);
    EXPECT_EQ(count(WM_USER), 0);
    DispatchMessageA(&message);
    EXPECT_EQ(count(WM_USER, first), 1);
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST_F(MessageQueue, InputComesAfterPostedMessagesAndBeforeQuitPaintsAndTimers)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 100, 100});
    SetTimer(window, 7, 5, nullptr);
    clock().advance(10);
    PostQuitMessage(3);
    script().move(50, 50);
    PostMessageA(window, WM_USER, 0, 0);
    const UINT expected[] = {WM_USER, WM_MOUSEMOVE, WM_QUIT, WM_PAINT, WM_TIMER};
    MSG message{};
    for (UINT number : expected) {
        ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(message.message, number);
        if (number == WM_QUIT) {
            EXPECT_EQ(message.wParam, 3u);
        }
        if (number == WM_PAINT)
            ValidateRect(window, nullptr);
    }
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)); // the timer started over when taken
    DestroyWindow(window);
}

TEST_F(MessageQueue, GetMessageWaitsForTheNextTimerOnTheClockAndStampsTheMessageTime)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 10, 10});
    ValidateRect(window, nullptr);
    const DWORD start = GetTickCount();
    EXPECT_EQ(SetTimer(window, 9, 250, &countTimer), 9u);
    MSG message{};
    for (int tick = 1; tick <= 3; ++tick) {
        ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
        EXPECT_EQ(message.message, WM_TIMER);
        EXPECT_EQ(message.wParam, 9u);
        EXPECT_EQ(GetTickCount(), start + 250u * static_cast<DWORD>(tick));
        EXPECT_EQ(static_cast<DWORD>(GetMessageTime()), GetTickCount());
        DispatchMessageA(&message);
    }
    EXPECT_EQ(timerCalls, 3);
    EXPECT_EQ(count(WM_TIMER), 0); // the timer procedure took them
    EXPECT_TRUE(KillTimer(window, 9));
    EXPECT_FALSE(KillTimer(window, 9));
    timerCalls = 0;
    DestroyWindow(window);
}

TEST_F(MessageQueue, GetMessageEndsAtWmQuitAndFailsWithNothingToWaitFor)
{
    PostQuitMessage(0);
    MSG message{};
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(script().failures(), 1u);
    expectScriptFailures(1);
}

TEST_F(MessageQueue, PumpingStopsWithAFailureWhenAWindowNeverValidatesItsPaint)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 10, 10});
    answer = [](const kravo::test::Delivery& delivery) -> std::optional<LRESULT> {
        return delivery.message == WM_PAINT ? std::optional<LRESULT>(0) : std::nullopt;
    };
    EXPECT_EQ(platform::pumpMessages(), platform::kMaxPumpedMessages + 1);
    EXPECT_EQ(script().failures(), 1u);
    expectScriptFailures(1);
    DestroyWindow(window);
}

TEST_F(MessageQueue, SendMessageCallsTheProcedureAtOnceAndAnswersItsResult)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 10, 10});
    answer = [](const kravo::test::Delivery& delivery) -> std::optional<LRESULT> {
        return delivery.message == WM_USER ? std::optional<LRESULT>(static_cast<LRESULT>(delivery.wParam) * 2)
                                           : std::nullopt;
    };
    EXPECT_EQ(SendMessageA(window, WM_USER, 21, 0), 42);
    EXPECT_FALSE(PostMessageA(reinterpret_cast<HWND>(std::uintptr_t{0x99}), WM_USER, 0, 0));
    DestroyWindow(window);
}

TEST_F(MessageQueue, TranslateMessagePostsTheCharacterOfAUsKeyboard)
{
    registerRecordingClass();
    HWND window = makeWindow(nullptr, {0, 0, 10, 10});
    ValidateRect(window, nullptr);
    SetFocus(window);
    const auto type = [&](std::initializer_list<int> held, int key) {
        for (int modifier : held)
            script().press(modifier);
        script().press(key);
        script().release(key);
        for (int modifier : held)
            script().release(modifier);
        platform::pumpMessages();
    };
    type({}, VK_A + ('q' - 'a'));
    type({VK_SHIFT}, VK_A + ('q' - 'a'));
    type({VK_SHIFT}, VK_0 + 1);
    type({}, VK_PERIOD);
    type({VK_SHIFT}, VK_MINUS);
    type({VK_CONTROL}, VK_A);
    type({}, VK_LEFT);
    std::string typed;
    for (const kravo::test::Delivery& delivery : deliveries)
        if (delivery.message == WM_CHAR)
            typed += static_cast<char>(delivery.wParam);
    EXPECT_EQ(typed, "qQ!._");
    EXPECT_EQ(count(WM_KEYDOWN), 11);
    EXPECT_EQ(count(WM_KEYUP), 11);
    DestroyWindow(window);
}

} // namespace

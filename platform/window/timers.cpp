#include "platform/window/timers.h"

#include "platform/clock.h"
#include "platform/last_error.h"
#include "platform/window/input_state.h"
#include "platform/window/message_numbers.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_table.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct Timer {
    HWND window;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC procedure;
    DWORD due;
};

std::vector<Timer>& timers()
{
    static std::vector<Timer> running;
    return running;
}

// Tick counts wrap after 2^32 ms: compared by their difference.
std::int32_t ticksUntil(DWORD time, DWORD now)
{
    return static_cast<std::int32_t>(time - now);
}

// The timer of the window (null: any) that falls due first, among those due by now when `dueOnly`.
std::vector<Timer>::iterator firstTimer(HWND window, DWORD now, bool dueOnly)
{
    std::vector<Timer>& running = timers();
    auto first = running.end();
    for (auto timer = running.begin(); timer != running.end(); ++timer) {
        if (window != nullptr && timer->window != window)
            continue;
        if (dueOnly && ticksUntil(timer->due, now) > 0)
            continue;
        if (first == running.end() || ticksUntil(timer->due, now) < ticksUntil(first->due, now))
            first = timer;
    }
    return first;
}

} // namespace

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure)
{
    platform::window::checkThread();
    if (platform::window::find(window) == nullptr)
        return 0;
    if (id == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::erase_if(timers(), [window, id](const Timer& timer) { return timer.window == window && timer.id == id; });
    elapse = std::max(elapse, 1u);
    timers().push_back({window, id, elapse, procedure, GetTickCount() + elapse});
    return id;
}

BOOL KillTimer(HWND window, UINT_PTR id)
{
    platform::window::checkThread();
    const auto erased = std::erase_if(
        timers(), [window, id](const Timer& timer) { return timer.window == window && timer.id == id; });
    if (erased == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return TRUE;
}

namespace platform::window {

std::optional<MSG> dueTimer(HWND window, bool remove)
{
    const DWORD now = GetTickCount();
    const auto timer = firstTimer(window, now, true);
    if (timer == timers().end())
        return std::nullopt;
    if (remove)
        timer->due = now + timer->elapse;
    return MSG{timer->window, WM_TIMER, timer->id, reinterpret_cast<LPARAM>(timer->procedure), now,
        inputState().cursor};
}

std::optional<DWORD> nextTimerDue(HWND window)
{
    const auto timer = firstTimer(window, GetTickCount(), false);
    return timer != timers().end() ? std::optional<DWORD>(timer->due) : std::nullopt;
}

void killTimersOf(HWND window)
{
    std::erase_if(timers(), [window](const Timer& timer) { return timer.window == window; });
}

void forgetAllTimers()
{
    timers().clear();
}

} // namespace platform::window

#pragma once

// Window timers on the tick count (platform/clock.h). A due timer makes a WM_TIMER when the queue has
// nothing before it; it starts over from the moment its WM_TIMER is taken out.

#include "platform/window/window_types.h"

#include <optional>

// Starts the window's timer with that id (not 0), or starts it over with the new period; an elapse of
// 0 counts as 1 ms. Answers the id; 0 on failure.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure);
BOOL KillTimer(HWND window, UINT_PTR id);

namespace platform::window {

// The WM_TIMER of the due timer of the window (null: any window) that fell due first.
std::optional<MSG> dueTimer(HWND window, bool remove);
// When the next timer of the window (null: any window) falls due.
std::optional<DWORD> nextTimerDue(HWND window);
void killTimersOf(HWND window);
void forgetAllTimers();

} // namespace platform::window

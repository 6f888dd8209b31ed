#pragma once

// The user-interface thread's message queue. Messages are handed out in this order: posted messages,
// then input messages (each in the order they came), then WM_QUIT, then WM_PAINT for a window that needs
// painting, then WM_TIMER for a timer that is due. WM_PAINT and WM_TIMER are made when asked for, not
// queued: a WM_PAINT comes again until its window is validated.
//
// PeekMessageA and GetMessageA are where input arrives (platform/window/input_source.h): they first take
// what the input source has due.

#include "platform/window/input_state.h"
#include "platform/window/window_types.h"

// PeekMessageA: leave the message in the queue, or take it out.
inline constexpr UINT PM_NOREMOVE = 0;
inline constexpr UINT PM_REMOVE = 1;

// Null posts a message for the thread, which DispatchMessageA does not deliver.
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Calls the window's procedure at once and answers its result.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The first message for the window (null: any window, and the thread's own messages) whose number lies
// in first..last (both 0: any). Taking out an input message makes its key state the one GetKeyState
// answers, and a mouse message is preceded by WM_SETCURSOR unless a window has the capture. Finding
// nothing, when the input source had nothing new either, lets it move time on.
BOOL PeekMessageA(MSG* message, HWND window, UINT first, UINT last, UINT remove);
// As PeekMessageA with PM_REMOVE, waiting for input or the next timer while nothing is there. Answers 0
// for WM_QUIT, and when the input source says nothing can come any more.
BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last);
// Calls the window's procedure with the message (a WM_TIMER with a TIMERPROC calls that instead).
LRESULT DispatchMessageA(const MSG* message);
// The time of the last message handed out by PeekMessageA or GetMessageA.
LONG GetMessageTime();
// WM_QUIT comes once the posted and input messages before it are handed out.
void PostQuitMessage(int exitCode);

namespace platform::window {

// Appends a message of the input source, with the key state it leaves, to the input queue.
void postInput(const MSG& message, const KeyStates& keysAfter);
void dropMessagesOf(HWND window);
void forgetAllMessages();

} // namespace platform::window

#pragma once

// Making and destroying windows. Windows form a tree: top-level windows on a 1920 × 1080 screen, each
// keeping its own pixels, and child windows inside their parent's client area, drawing into their
// top-level window's pixels. No window has a non-client area.

#include "platform/window/window_types.h"

// Positions and sizes are kept within these, and a size is never negative.
inline constexpr int kMaxWindowSize = 4096;
inline constexpr int kMaxWindowPosition = 1 << 20;

// A window of a registered class, at (x, y) in its parent's client coordinates (on the screen for a
// top-level window), on top of its siblings. WS_CHILD makes a child of the parent, which must be a
// window; without it the window is top-level and the parent is not kept. The extended style, the menu
// (a child's id), the module and the creation parameter are not used: no creation messages are sent. A
// visible window is invalidated whole, and erased. Fails with ERROR_CLASS_DOES_NOT_EXIST or
// ERROR_INVALID_WINDOW_HANDLE.
HWND CreateWindowExA(DWORD extendedStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
    int height, HWND parent, HMENU menu, HINSTANCE instance, void* parameter);

// Sends WM_KILLFOCUS to the window with the keyboard focus when it is this window or below it (the
// focus is then nowhere), ends the capture there, and destroys the children first, then the window, each
// getting WM_DESTROY while it still exists; their timers and waiting messages go with them. What the
// window covered in its parent is repainted.
BOOL DestroyWindow(HWND window);

namespace platform {

// Told of each window as it ends, after its WM_DESTROY while its handle still answers (and of each
// window resetWindowSystem forgets), so that a service keeping something for the window lets it go.
using WindowEndHook = void (*)(HWND window);
// A hook added again is kept once; hooks stay for the process.
void addWindowEndHook(WindowEndHook hook);

} // namespace platform

namespace platform::window {

void runWindowEndHooks(HWND window);

} // namespace platform::window

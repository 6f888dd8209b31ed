#pragma once

// The types the window calls take and answer: message parameters, window procedures, the message and
// paint records and the window class record. Message parameters and results are pointer-sized, as are
// the integers windows keep for their programs (SetWindowLongPtrA).

#include "platform/gdi/gdi_types.h"

#include <cstdint>

using SHORT = std::int16_t;
using ATOM = WORD;
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;

using HCURSOR = struct PlatformCursor*;
using HICON = struct PlatformIcon*;
using HMENU = struct PlatformMenu*;

using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Called instead of a window procedure for the WM_TIMER of a timer made with one.
using TIMERPROC = void (*)(HWND window, UINT message, UINT_PTR timer, DWORD time);

constexpr WORD LOWORD(std::uintptr_t value)
{
    return static_cast<WORD>(value & 0xFFFF);
}

constexpr WORD HIWORD(std::uintptr_t value)
{
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}

// Two 16-bit halves in one parameter, the low one first; signed values keep their 16 low bits.
constexpr LPARAM MAKELPARAM(int low, int high)
{
    return static_cast<LPARAM>(static_cast<DWORD>(static_cast<WORD>(low)) |
        (static_cast<DWORD>(static_cast<WORD>(high)) << 16));
}

constexpr WPARAM MAKEWPARAM(int low, int high)
{
    return static_cast<WPARAM>(MAKELPARAM(low, high));
}

struct MSG {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    // The tick count when the message was made, and the pointer's screen position then.
    DWORD time;
    POINT point;
};

struct PAINTSTRUCT {
    HDC dc;
    // True when the background still needs erasing: WM_ERASEBKGND answered 0.
    BOOL erase;
    // The box around the area to paint, in client coordinates.
    RECT paint;
};

struct WNDCLASSA {
    UINT style;
    WNDPROC windowProc;
    int classExtraBytes;
    int windowExtraBytes;
    HINSTANCE instance;
    HICON icon;
    HCURSOR cursor;
    HBRUSH background;
    LPCSTR menuName;
    LPCSTR className;
};

#pragma once

// The windows, as the window stand-in's units share them: each window's record, the handle table and the
// tree. Handles count up and are never given out twice, so a handle kept after its window was destroyed
// is recognised as stale.

#include "platform/gdi/rectangle_set.h"
#include "platform/window/window_types.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform::window {

struct WindowClass;

struct Window {
    HWND handle = nullptr;
    WindowClass* windowClass = nullptr;
    DWORD style = 0;
    std::string text;
    // Null for a top-level window.
    HWND parent = nullptr;
    // The top of the z-order first.
    std::vector<HWND> children;
    // In the parent's client coordinates; on the screen for a top-level window. There is no non-client
    // area: this is the client area too.
    RECT rect{};
    WNDPROC proc = nullptr;
    LONG_PTR userData = 0;
    // In client coordinates.
    RectangleSet update;
    bool eraseBackground = false;
    bool internalPaint = false;
    // A top-level window's pixels, row by row, its children's included; empty for a child.
    std::vector<std::uint32_t> pixels;
    bool destroying = false;

    int width() const { return rect.right - rect.left; }
    int height() const { return rect.bottom - rect.top; }
};

// The living window, or null with ERROR_INVALID_WINDOW_HANDLE.
Window* find(HWND handle);
// The living window, or null without a word.
Window* lookUp(HWND handle);

HWND addWindow(std::unique_ptr<Window> window);
void removeWindow(HWND handle);
std::size_t windowCount();
std::vector<HWND> allWindows();
void forgetAllWindows();

// The top-level windows, the top of the z-order first.
std::vector<HWND>& topLevelWindows();
// The window's siblings with it: its parent's children, or the top-level windows.
std::vector<HWND>& siblingsOf(const Window& window);
Window& topLevelOf(Window& window);

// The candidate is the window or a window below it.
bool isWithin(HWND candidate, const Window& window);
// Copies the text, cut to fit the buffer with its terminating zero; answers the characters copied.
int copyText(const std::string& text, LPSTR buffer, int size);

// Visible, and so is every window above it.
bool isShown(const Window& window);
// Where the window's client area starts: in its top-level window's pixels, and on the screen.
POINT originInTopLevel(const Window& window);
POINT originOnScreen(const Window& window);

// The window and everything below it, each window before its children, the top of the z-order first.
template <class Visit>
void forEachInTree(Window& window, Visit visit)
{
    visit(window);
    const std::vector<HWND> children = window.children;
    for (HWND child : children)
        if (Window* below = lookUp(child))
            forEachInTree(*below, visit);
}

} // namespace platform::window

#pragma once

// What shows of each window in its top-level window's pixels, and the repainting that a change of the
// windows' places, sizes, order or visibility calls for. For the window stand-in's units.

#include "platform/gdi/rectangle_set.h"
#include "platform/window/window_table.h"

#include <vector>

namespace platform::window {

// The window's client area in its top-level window's pixels.
RECT areaInTopLevel(const Window& window);

// Where the window's drawing may land, in its top-level window's pixels: its client area within the
// client area of every window above it, less its visible children when it has WS_CLIPCHILDREN and, for
// it and each window above it that has WS_CLIPSIBLINGS, less the visible siblings above that window.
// Empty while the window is not shown.
RectangleSet drawableRegion(const Window& window);

// What shows of the window, whatever its clipping styles: as above with both clippings.
RectangleSet shownRegion(const Window& window);

// Taken before a change to the windows of one top-level window; when it ends, each window gets
// invalidated (with erasing) where it shows now and did not before. A window that moved, or came, shows
// anew everywhere: pixels are not carried along. A window that changed its width with CS_HREDRAW, or its
// height with CS_VREDRAW, shows anew everywhere too. The desktop then follows the windows
// (platform/desktop/desktop_switch.h).
class LayoutChange {
public:
    explicit LayoutChange(Window& window);
    ~LayoutChange();
    LayoutChange(const LayoutChange&) = delete;
    LayoutChange& operator=(const LayoutChange&) = delete;

private:
    struct Placement {
        HWND window;
        POINT origin;
        int width;
        int height;
        RectangleSet shown;
    };

    void invalidateExposed(Window& topLevel) const;

    HWND topLevel_;
    std::vector<Placement> before_;
};

} // namespace platform::window

#pragma once

// Device contexts on windows. GetDC and ReleaseDC (declared with the other DC calls in
// platform/gdi/device_context.h) are defined here: a window's DC draws into its top-level window's
// pixels from the window's client origin, only where the window's drawing may land (its clipping
// styles), and each draw finds the window where it is then. What was drawn shows on the desktop once the
// DC is given back (platform/desktop/desktop_switch.h).

#include "platform/gdi/device_context.h"
#include "platform/gdi/rectangle_set.h"

namespace platform::window {

struct Window;

// A DC on the window's client area; with a paint region (client coordinates) it draws only there too.
// Given back with ReleaseDC.
HDC openWindowDC(const Window& window, const RectangleSet* paintRegion);
// Gives back every DC still held on windows.
void releaseAllWindowDCs();

} // namespace platform::window

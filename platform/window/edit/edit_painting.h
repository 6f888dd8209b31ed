#pragma once

// WM_PAINT of an edit window.

#include "platform/window/window_types.h"

namespace platform::window {

// Paints the whole client area: the parent's brush (WM_CTLCOLOREDIT) or the system's window colour, the
// text in the parent's colours between the margins, and while the window has the focus the selection in
// the system's highlight colours and the caret, a line in the text colour as tall as the font's cell.
void paintEdit(HWND window);

} // namespace platform::window

#pragma once

// What the editor's own controls share of their mouse handling.

#include "toolkit/point.h"

#include <cstdint>

namespace Toolkit {
class CControl;
class CDrawContext;
} // namespace Toolkit

namespace editor {

// The buttons of a click, read from the context when they came unread.
std::int32_t clickButtons(Toolkit::CDrawContext* context, std::int32_t buttons);

// The editor's right-click menu for the control; nothing for a control outside the editor's window.
void openContextMenu(Toolkit::CDrawContext* context, Toolkit::CControl* control, const Toolkit::CPoint& where);

} // namespace editor

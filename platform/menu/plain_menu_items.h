#pragma once

// The items the system draws itself (those not owner-drawn), in the system's menu colours and the DC's
// font. A text item has room on its left for a check mark and on its right for a sub-menu's arrow; a tab
// in its text puts what follows at the right, before the arrow's room. A separator is an etched line.

#include "platform/menu/tracked_menus.h"

namespace platform::menu {

SIZE plainItemSize(HDC dc, const TrackedMenuItem& item);
// Highlighted when selected; the text grey for MF_GRAYED (MF_DISABLED alone looks like any item).
void drawPlainItem(HDC dc, const TrackedMenuItem& item, const RECT& rect, bool selected);

} // namespace platform::menu

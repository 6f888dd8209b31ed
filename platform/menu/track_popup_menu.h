#pragma once

// Showing a pop-up menu and waiting for the user's choice. The menu opens with its top-left corner at
// the point, pushed back onto the screen where it would leave it; sub-menus open beside their items as
// the user goes. The owner measures and draws the owner-drawn items (platform/menu/owner_drawn_items.h),
// each measured once per call. Who plays the user is the menu chooser (platform/menu/menu_chooser.h):
// the script unless a live one is set. Every call that shows a menu is recorded
// (platform/menu/tracked_menus.h).

#include "platform/window/window_types.h"

// The right mouse button chooses items too (for a person; scripted choices press no button).
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
// The owner is not told of the choice: no WM_COMMAND.
inline constexpr UINT TPM_NONOTIFY = 0x0010;
// The choice is answered instead of posted: the item's id, 0 for a cancel.
inline constexpr UINT TPM_RETURNCMD = 0x0020;

// A choice posts WM_COMMAND to the owner (the id in the low 16 bits of wParam, the high ones 0) and
// answers TRUE; a cancel posts nothing and answers TRUE too. Choosing an item that is greyed, disabled,
// a separator or opens a sub-menu cancels. Fails (FALSE) with ERROR_INVALID_MENU_HANDLE,
// ERROR_INVALID_WINDOW_HANDLE for an owner that is not a window, or ERROR_INVALID_PARAMETER for flags
// it does not know; nothing is shown or recorded then.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, HWND owner);

#pragma once

// Pop-up menus: lists of items, each a command, a separator or a sub-menu, shown by TrackPopupMenu
// (platform/menu/track_popup_menu.h). Handles count up and are never given out twice, so a handle kept
// after its menu was destroyed is recognised as stale (ERROR_INVALID_MENU_HANDLE).

#include "platform/window/window_types.h"

// AppendMenuA flags. A text item is the default.
inline constexpr UINT MF_STRING = 0x0000;
// Shown grey and not choosable.
inline constexpr UINT MF_GRAYED = 0x0001;
// Not choosable, but shown as it is: a title.
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
// The item opens a sub-menu: the id argument is that menu's handle.
inline constexpr UINT MF_POPUP = 0x0010;
// The item starts a new column, with a bar between it and the one before.
inline constexpr UINT MF_MENUBARBREAK = 0x0020;
// The item starts a new column without a bar.
inline constexpr UINT MF_MENUBREAK = 0x0040;
// The owner measures and draws the item (WM_MEASUREITEM, WM_DRAWITEM); the text argument is kept as the
// item's data and handed back in those messages.
inline constexpr UINT MF_OWNERDRAW = 0x0100;
// A dividing line; not choosable. Its text argument is kept only when it is owner-drawn.
inline constexpr UINT MF_SEPARATOR = 0x0800;

// An empty pop-up menu, until DestroyMenu.
HMENU CreatePopupMenu();
// Adds an item at the end. A text item's text is copied (null: empty). An owner-drawn item's data is
// taken to be a text too, as the program's items carry theirs: it is read (as the menu's scripted
// choices and records name items by text) and must be null or zero-terminated. With MF_POPUP the id is
// the sub-menu, which the item then owns: it must be a menu that no other item owns and that does not
// hold this menu (ERROR_INVALID_PARAMETER), as must the flags be known ones. Fails with
// ERROR_INVALID_MENU_HANDLE for a menu (or sub-menu) that is not one.
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR item);
// Destroys the menu and the sub-menus its items own, theirs too. A sub-menu destroyed on its own leaves
// its item opening an empty menu.
BOOL DestroyMenu(HMENU menu);

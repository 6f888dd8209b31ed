#pragma once

// What the owner of owner-drawn menu items is handed in WM_MEASUREITEM and WM_DRAWITEM
// (platform/window/message_numbers.h).

#include "platform/window/window_types.h"

// The kind of thing an item belongs to: menus are the only kind.
inline constexpr UINT ODT_MENU = 1;

// The state of an item being drawn.
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_GRAYED = 0x0002;
inline constexpr UINT ODS_DISABLED = 0x0004;
inline constexpr UINT ODS_CHECKED = 0x0008;

// The owner fills in the item's size; both start at 0.
struct MEASUREITEMSTRUCT {
    UINT type;
    UINT itemId;
    UINT itemWidth;
    UINT itemHeight;
    // The pointer given to AppendMenuA.
    ULONG_PTR itemData;
};

// The owner draws the item with the DC: one on the menu's pixels that draws only inside the item's
// rectangle, made for the message and given back after it.
struct DRAWITEMSTRUCT {
    UINT type;
    UINT itemId;
    // ODS_ bits: MF_GRAYED gives ODS_GRAYED and ODS_DISABLED, MF_CHECKED ODS_CHECKED; MF_DISABLED gives
    // nothing, so that a title looks like any other item.
    UINT itemState;
    HMENU menu;
    HDC dc;
    // In the DC's coordinates.
    RECT item;
    ULONG_PTR itemData;
};

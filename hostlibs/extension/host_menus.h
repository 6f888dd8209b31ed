#pragma once

// The host toolbox's custom menus, its screens and its system font, as the host framework's pop-up
// editors use them. A custom menu draws and hit-tests itself through its menu-definition procedure; the
// toolbox only asks it, by message number, and shows what it draws. Host main thread only.

#include "hostlibs/extension/host_graphics_types.h"

#include <cstdint>

extern "C" {

using HostMenu = struct HostMenuRecord*;
using HostScreen = struct HostScreenRecord*;

// The menu-definition procedure's messages from the toolbox.
inline constexpr std::int16_t kHostMenuDraw = 0;
inline constexpr std::int16_t kHostMenuChoose = 1;
inline constexpr std::int16_t kHostMenuSize = 2;
inline constexpr std::int16_t kHostMenuPlace = 3;

// The item chosen (from 1; 0 for none) and the one before it.
struct HostMenuItemRecord {
    std::int16_t item;
    std::int16_t previous;
};

// Called with a message, the menu, a rectangle and a point in global coordinates, and the item record.
// Drawing: the rectangle to draw, into the current port. Choosing: the menu's rectangle, the mouse; the
// procedure sets the record's item. Size: the procedure sets the menu's width and height. Placing: the
// click point and, in the record's item, the item to put under it; the procedure writes the menu's
// rectangle on the screen. Other messages are the procedure's own; the answer is for them.
using HostMenuProc = std::int32_t (*)(std::int16_t message, HostMenu menu, HostRect* rect, HostPoint point,
                                      HostMenuItemRecord* item);

// A menu of the id drawn by the procedure: width and height 0, reference value 0, not inserted. Null
// without a procedure.
HostMenu HostExtNewCustomMenu(std::int16_t id, HostMenuProc proc);
// Removes it first when it is inserted.
void HostExtDisposeMenu(HostMenu menu);
std::int16_t HostExtGetMenuID(HostMenu menu);
// A value of the caller's, kept with the menu (the menu's owner, say).
void HostExtSetMenuReference(HostMenu menu, std::intptr_t reference);
std::intptr_t HostExtGetMenuReference(HostMenu menu);
void HostExtSetMenuSize(HostMenu menu, std::int16_t width, std::int16_t height);
void HostExtGetMenuSize(HostMenu menu, std::int16_t* width, std::int16_t* height);
// Asks the procedure for the size, in the toolbox's measuring port (see pop-up selection).
void HostExtCalcMenuSize(HostMenu menu);
// Among the pop-up menus the toolbox knows by id; inserting a menu again, or a second one of its id,
// changes nothing.
void HostExtInsertPopUpMenu(HostMenu menu);
// Nothing when no inserted menu has the id.
void HostExtRemoveMenu(std::int16_t id);
// The inserted menu of the id; null when none.
HostMenu HostExtGetMenuHandle(std::int16_t id);

// Pops the inserted menu up at the point (global coordinates) and runs it until the mouse button is
// released. The procedure is asked for the size and then the placement, in a measuring port of the
// toolbox whose text font and size are the system font's; a borderless window then opens on the placed
// rectangle with a port in global coordinates (again with the system font), which is current while the
// procedure draws the whole rectangle and then, on every read of the mouse until the release (that one
// included), chooses. Answers (menu id << 16) | the item chosen at the release, 0 when none is, when
// the menu is not inserted, or when its rectangle is empty. The current port is the caller's again at
// the end.
std::int32_t HostExtPopUpMenuSelect(HostMenu menu, HostPoint where, std::int16_t item);

// The system font the toolbox's menus take, family 0 and size 12 at the start, and a third setting
// kept beside them, 0 at the start.
std::int16_t HostExtGetSystemFontFamily();
std::int16_t HostExtGetSystemFontSize();
std::int16_t HostExtGetSystemFontThird();
void HostExtSetSystemFontFamily(std::int16_t family);
void HostExtSetSystemFontSize(std::int16_t size);
void HostExtSetSystemFontThird(std::int16_t value);

// The screens, the main one first, and each one's rectangle in global coordinates. The main screen is
// the window stand-in's; the next after the last is null.
HostScreen HostExtGetMainScreen();
HostScreen HostExtGetNextScreen(HostScreen screen);
void HostExtGetScreenRect(HostScreen screen, HostRect* rect);

} // extern "C"

#include "platform/menu/menu_painting.h"

#include "platform/gdi/drawing.h"
#include "platform/gdi/drawing_surface.h"
#include "platform/menu/owner_drawn_items.h"
#include "platform/menu/plain_menu_items.h"
#include "platform/menu/popup_menus.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/system_colours.h"

namespace platform::menu {

namespace {

// The menu's pixels, drawn on only inside the clip.
class MenuSurface : public DrawingSurface {
public:
    MenuSurface(OpenMenu& menu, const RECT& clip) : menu_(menu), clip_(clip) {}

    PixelBuffer pixels() override { return {menu_.pixels.data(), menu_.layout.size.width, menu_.layout.size.height}; }
    POINT origin() override { return {0, 0}; }
    RectangleSet deviceClip() override
    {
        RectangleSet clip(RECT{0, 0, menu_.layout.size.width, menu_.layout.size.height});
        clip.intersect(clip_);
        return clip;
    }

private:
    OpenMenu& menu_;
    const RECT clip_;
};

void fill(HDC dc, const RECT& area, int colour)
{
    FillRect(dc, &area, GetSysColorBrush(colour));
}

UINT stateOf(const TrackedMenuItem& item, bool selected)
{
    UINT state = selected ? ODS_SELECTED : 0;
    if ((item.flags & MF_GRAYED) != 0)
        state |= ODS_GRAYED | ODS_DISABLED;
    if ((item.flags & MF_CHECKED) != 0)
        state |= ODS_CHECKED;
    return state;
}

void askOwnerToDraw(OpenMenu& menu, std::size_t index, HWND owner)
{
    const TrackedMenuItem& item = (*menu.items)[index];
    const RECT& rect = menu.layout.items[index];
    MenuSurface surface(menu, rect);
    HDC dc = createSurfaceDC(surface);
    DRAWITEMSTRUCT draw{.type = ODT_MENU,
        .itemId = item.id,
        .itemState = stateOf(item, menu.selected == index),
        .menu = menu.handle,
        .dc = dc,
        .item = rect,
        .itemData = item.data};
    SendMessageA(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    releaseSurfaceDC(dc);
}

void paintOne(OpenMenu& menu, std::size_t index, HWND owner, HDC plainDC)
{
    const TrackedMenuItem& item = (*menu.items)[index];
    if ((item.flags & MF_OWNERDRAW) != 0)
        askOwnerToDraw(menu, index, owner);
    else
        drawPlainItem(plainDC, item, menu.layout.items[index], menu.selected == index);
}

} // namespace

void paintMenu(OpenMenu& menu, HWND owner)
{
    const SIZE size = menu.layout.size;
    MenuSurface surface(menu, {0, 0, size.width, size.height});
    HDC dc = createSurfaceDC(surface);
    fill(dc, {0, 0, size.width, size.height}, COLOR_MENUTEXT);
    fill(dc, {1, 1, size.width - 1, size.height - 1}, COLOR_MENU);
    for (const LONG gap : menu.layout.bars) {
        fill(dc, {gap + 1, kMenuBorder, gap + 2, size.height - kMenuBorder}, COLOR_GRAYTEXT);
        fill(dc, {gap + 2, kMenuBorder, gap + 3, size.height - kMenuBorder}, COLOR_HIGHLIGHTTEXT);
    }
    for (std::size_t index = 0; index < menu.items->size(); ++index)
        paintOne(menu, index, owner, dc);
    releaseSurfaceDC(dc);
}

void paintItem(OpenMenu& menu, std::size_t index, HWND owner)
{
    MenuSurface surface(menu, menu.layout.items[index]);
    HDC dc = createSurfaceDC(surface);
    paintOne(menu, index, owner, dc);
    releaseSurfaceDC(dc);
}

} // namespace platform::menu

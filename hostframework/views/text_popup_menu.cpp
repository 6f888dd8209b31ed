#include "hostframework/views/control_view.h"
#include "hostframework/views/text_popup_control_editor.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_text.h"

#include <algorithm>

// The editor's side of the host's custom menu protocol: the host asks it to measure, place and draw
// its menu and, while the mouse is held, which item lies under the mouse; the editor scrolls a menu
// that the screen cuts off while the mouse is on or beyond an arrow strip.

namespace {

constexpr HostColor kMenuBack{0xF5F5, 0xF7F7, 0xFBFB};
constexpr HostColor kBlack{0, 0, 0};
// The menu stands this far right of the click.
constexpr int kClickGap = 10;
// Room beside the widest text, and the menu's width beyond it.
constexpr int kItemExtraWidth = 14;
constexpr int kMenuExtraWidth = 2;
constexpr int kItemExtraHeight = 4;
// How far a click outside what shows puts it inside.
constexpr int kClickReach = 12;
// What placing the text menu answers beside its rectangle.
constexpr std::int16_t kPlacedFlags = 3;
// Items are counted in 16 bits.
constexpr std::int32_t kMostItems = 32767;

void offset(HostRect& r, int dh, int dv)
{
    r = ScreenRect(r.top + dv, r.left + dh, r.bottom + dv, r.right + dh);
}

// Black on the menu's background while it lives; the port's colours again after.
class CMenuColours {
public:
    CMenuColours()
    {
        HostExtGetForeColor(&fore);
        HostExtGetBackColor(&back);
        HostExtRGBForeColor(&kBlack);
        HostExtRGBBackColor(&kMenuBack);
    }
    ~CMenuColours()
    {
        HostExtRGBForeColor(&fore);
        HostExtRGBBackColor(&back);
    }
    CMenuColours(const CMenuColours&) = delete;
    CMenuColours& operator=(const CMenuColours&) = delete;

private:
    HostColor fore{};
    HostColor back{};
};

// Step 3 of placing: into the limit when the menu is not wider, and vertically only when not taller.
void fitInto(HostRect& menu, const HostRect& limit)
{
    if (menu.right - menu.left > limit.right - limit.left)
        return;
    offset(menu, std::max(limit.left - menu.left, 0), 0);
    offset(menu, -std::max(menu.right - limit.right, 0), 0);
    if (menu.bottom - menu.top > limit.bottom - limit.top)
        return;
    offset(menu, 0, std::max(limit.top - menu.top, 0));
    offset(menu, 0, -std::max(menu.bottom - limit.bottom, 0));
}

} // namespace

std::int32_t CTextPopupControlEditor::MenuDefinition(std::int16_t message, HostMenu menu, HostRect* rect,
                                                     HostPoint point, HostMenuItemRecord* item) noexcept
{
    auto* editor = reinterpret_cast<CTextPopupControlEditor*>(HostExtGetMenuReference(menu));
    if (editor == nullptr)
        return 0;
    return editor->failure.Run([&] { return editor->HandleMenuMessage(message, rect, point, item); });
}

std::int32_t CTextPopupControlEditor::HandleMenuMessage(std::int16_t message, HostRect* rect, HostPoint point,
                                                        HostMenuItemRecord* item)
{
    switch (message) {
    case kHostMenuDraw: {
        const HostRect covered = layout.Covered();
        SetOverlayPort(HostExtGetPort(), &covered);
        DrawMenu(*rect);
        break;
    }
    case kHostMenuChoose: {
        std::int16_t found = FindItem(point);
        if (found != item->item) {
            const CMenuColours colours;
            if (ShowsWhole(item->item))
                DrawItemText(item->item, GetItemRect(item->item), false);
            if (ShowsWhole(found))
                DrawHighlightedItem(found, GetItemRect(found));
            else
                found = 0;
        }
        item->item = found;
        if (CControlView* view = GetControlView())
            view->Idle(nullptr);
        break;
    }
    case kHostMenuSize: {
        std::int16_t width = 0;
        std::int16_t height = 0;
        GetMenuSize(&width, &height);
        HostExtSetMenuSize(menu, width, height);
        break;
    }
    case kHostMenuPlace:
        PlaceOnScreen(point);
        *rect = layout.visible;
        break;
    case kMenuKindMessage: return kTextMenuKind;
    case kMenuFindItemMessage: {
        std::int16_t found = FindItem(point);
        if (!ShowsWhole(found))
            found = 0;
        item->item = found;
        item->previous = found;
        if (CControlView* view = GetControlView())
            view->Idle(nullptr);
        break;
    }
    case kMenuHighlightMessage: {
        const bool scrolled = AutoScroll(point);
        const CMenuColours colours;
        if (!scrolled && ShowsWhole(item->previous))
            DrawItemText(item->previous, GetItemRect(item->previous), false);
        if (ShowsWhole(item->item))
            DrawHighlightedItem(item->item, GetItemRect(item->item));
        break;
    }
    default: break;
    }
    return 0;
}

void CTextPopupControlEditor::GetItemSize(std::int16_t item, std::int16_t* width, std::int16_t* height)
{
    HostFontInfo info{};
    HostExtGetFontInfo(&info);
    *height = static_cast<std::int16_t>(info.ascent + info.descent + kItemExtraHeight);
    HostTextSettings saved{};
    HostExtGetTextSettings(&saved);
    HostExtTextFace(kBoldFace);
    std::uint8_t text[256] = {};
    GetItemText(item, text, kLongestItemText);
    *width = static_cast<std::int16_t>(HostExtTextWidth(reinterpret_cast<const char*>(text + 1), 0, text[0]) +
                                       kItemExtraWidth);
    HostExtTextFace(saved.face);
}

void CTextPopupControlEditor::GetMenuSize(std::int16_t* width, std::int16_t* height)
{
    int widest = 0;
    int total = 0;
    for (std::int32_t item = std::min(GetNumSteps(), kMostItems); item >= 1; --item) {
        std::int16_t itemWidth = 0;
        GetItemSize(static_cast<std::int16_t>(item), &itemWidth, &itemHeight);
        widest = std::max(widest, static_cast<int>(itemWidth));
        total += itemHeight;
    }
    *width = ScreenCoordinate(widest);
    *height = ScreenCoordinate(total);
}

HostRect CTextPopupControlEditor::GetItemRect(std::int16_t item) const
{
    const int top = layout.menu.top + (item - 1) * itemHeight;
    return ScreenRect(top, layout.menu.left, top + itemHeight, layout.menu.right);
}

bool CTextPopupControlEditor::ShowsWhole(std::int16_t item) const
{
    if (item < 1 || itemHeight <= 0)
        return false;
    const int top = layout.menu.top + (item - 1) * itemHeight;
    const HostRect& inner = layout.inner;
    return top >= inner.top && top + itemHeight <= inner.bottom && layout.menu.left >= inner.left &&
           layout.menu.right <= inner.right;
}

std::int16_t CTextPopupControlEditor::FindItem(HostPoint mouse)
{
    if (AutoScroll(mouse) || !HostExtPointInRect(mouse, &layout.menu) || itemHeight <= 0)
        return 0;
    return static_cast<std::int16_t>((mouse.v - layout.menu.top) / itemHeight + 1);
}

void CTextPopupControlEditor::DrawHighlightedItem(std::int16_t item, const HostRect& rect)
{
    HostColor fore{};
    HostColor back{};
    HostExtGetForeColor(&fore);
    HostExtGetBackColor(&back);
    HostExtRGBForeColor(&back);
    HostExtRGBBackColor(&fore);
    DrawItemText(item, rect, false);
    HostExtRGBForeColor(&fore);
    HostExtRGBBackColor(&back);
}

void CTextPopupControlEditor::DrawMenu(const HostRect& area)
{
    const CMenuColours colours;
    HostExtGetClip(clipRegion);
    HostExtClipRect(&area);
    layout.DrawArrowStrips();
    HostRect drawn{};
    const HostRect& menuRect = layout.menu;
    const HostRect& inner = layout.inner;
    if (itemHeight > 0 && HostExtIntersectRect(&inner, &area, &drawn) && menuRect.left < inner.right &&
        menuRect.right > inner.left) {
        HostExtClipRect(&drawn);
        // The items whose rectangles meet the inner rectangle.
        const int first = std::max((inner.top - menuRect.top) / itemHeight + 1, 1);
        const int last = std::min((inner.bottom - menuRect.top + itemHeight - 1) / itemHeight,
                                  std::min(GetNumSteps(), kMostItems));
        for (int item = first; item <= last; ++item)
            DrawItemText(static_cast<std::int16_t>(item), GetItemRect(static_cast<std::int16_t>(item)), false);
    }
    HostExtSetClip(clipRegion);
}

void CTextPopupControlEditor::PlaceMenu(HostRect* out, HostPoint click, std::int16_t* flags)
{
    std::int16_t width = 0;
    std::int16_t height = 0;
    HostExtGetMenuSize(menu, &width, &height);
    const int left = click.h + kClickGap;
    const std::int64_t above = static_cast<std::int64_t>(GetStep()) * itemHeight + itemHeight * 2 / 3;
    const int top = static_cast<int>(std::clamp<std::int64_t>(click.v - above, -32768, 32767));
    *out = ScreenRect(top, left, top + height, left + kMenuExtraWidth + width);
    *flags = kPlacedFlags;
}

void CTextPopupControlEditor::PlaceOnScreen(HostPoint click)
{
    HostRect& menuRect = layout.menu;
    HostRect& visible = layout.visible;
    std::int16_t placeFlags = 0;
    PlaceMenu(&menuRect, click, &placeFlags);
    if (screen.bottom <= screen.top || screen.right <= screen.left)
        HostExtGetScreenRect(HostExtGetMainScreen(), &screen);
    const HostRect limit = MenuLimit(screen);
    fitInto(menuRect, limit);

    if (!HostExtIntersectRect(&menuRect, &limit, &visible)) {
        visible = menuRect;
        fitInto(visible, limit);
    }
    const int menuHeight = menuRect.bottom - menuRect.top;
    const int menuWidth = menuRect.right - menuRect.left;
    const int below = limit.bottom - visible.top;
    // A menu that starts low on the screen and runs off its bottom comes up by a quarter of the screen
    // (or its height) and shows down to the screen's bottom.
    if (visible.bottom - visible.top <= menuHeight && 4 * below < limit.bottom && below < menuHeight) {
        const int lift = std::min(menuHeight, (limit.bottom - limit.top) / 4);
        offset(menuRect, 0, -lift);
        offset(visible, 0, -lift);
        visible.bottom = std::min(menuRect.bottom, limit.bottom);
    }
    if (visible.right - visible.left <= menuWidth) {
        if (visible.left > limit.left)
            visible.left = ScreenCoordinate(visible.right - menuWidth);
        else if (visible.right < limit.right)
            visible.right = ScreenCoordinate(visible.left + menuWidth);
    }
    const HostRect uncut = visible;
    HostExtIntersectRect(&uncut, &limit, &visible);

    if (!HostExtPointInRect(click, &visible)) {
        if (click.v >= visible.bottom) {
            const int reach = click.v - visible.bottom + kClickReach;
            offset(menuRect, 0, -reach);
            if (visible.top - reach >= limit.top)
                offset(visible, 0, -reach);
        } else if (click.v < visible.top) {
            const int reach = visible.top - click.v + kClickReach;
            offset(menuRect, 0, reach);
            if (visible.bottom + reach <= limit.bottom)
                offset(visible, 0, reach);
        }
    }
    layout.FindInner();
}

// The mouse scrolls the menu while it is on the pop-up or beyond a cut edge out to the screen's edge;
// the pause keeps the scrolling readable while it is on a strip.
bool CTextPopupControlEditor::AutoScroll(HostPoint mouse)
{
    const HostRect& inner = layout.inner;
    HostRect zone = layout.visible;
    if ((layout.flags & SPopUpMenuLayout::kTopCut) != 0)
        zone.top = screen.top;
    if ((layout.flags & SPopUpMenuLayout::kBottomCut) != 0)
        zone.bottom = screen.bottom;
    if ((layout.flags & SPopUpMenuLayout::kLeftCut) != 0)
        zone.left = screen.left;
    if ((layout.flags & SPopUpMenuLayout::kRightCut) != 0)
        zone.right = screen.right;
    if (!HostExtPointInRect(mouse, &zone))
        return false;
    std::int16_t dh = 0;
    std::int16_t dv = 0;
    layout.GetScrollStep(mouse, &dh, &dv);
    if (dh == 0 && dv == 0)
        return false;
    constexpr int kReach = SPopUpMenuLayout::kStripDepth;
    const bool beyond = mouse.v < inner.top - kReach || mouse.v >= inner.bottom + kReach ||
                        mouse.h < inner.left - kReach || mouse.h >= inner.right + kReach;
    ScrollMenu(dh, dv, !beyond);
    return true;
}

// While the cut edges stay as they were only the uncovered part is new; otherwise a strip came or went
// and the whole pop-up is drawn again.
void CTextPopupControlEditor::ScrollMenu(std::int16_t dh, std::int16_t dv, bool pause)
{
    HostRect area = layout.visible;
    if (!layout.Scroll(dh, dv, clipRegion))
        HostExtGetRegionBounds(clipRegion, &area);
    DrawMenu(area);
    if (pause)
        HostExtDelay(kScrollPauseTicks);
}

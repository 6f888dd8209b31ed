#include "hostframework/views/control_view.h"
#include "hostframework/views/dialog_view.h"
#include "hostframework/views/view_popup_control_editor.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_graphics_types.h"

#include <algorithm>

// The editor's side of the host's custom menu protocol for its panel: the host asks it to measure,
// place and draw the panel and hands it every read of the mouse while the button is held, which the
// editor passes on to the panel as a click after scrolling a panel the screen cuts off.

namespace {

// The rectangle of the screen that holds the point; the main screen's when none does.
HostRect screenAt(HostPoint point)
{
    HostRect rect{};
    for (HostScreen screen = HostExtGetMainScreen(); screen != nullptr; screen = HostExtGetNextScreen(screen)) {
        HostExtGetScreenRect(screen, &rect);
        if (HostExtPointInRect(point, &rect))
            return rect;
    }
    HostExtGetScreenRect(HostExtGetMainScreen(), &rect);
    return rect;
}

// A rectangle wholly beside the limit is moved until it meets it.
HostRect shiftedOnto(const HostRect& rect, const HostRect& limit)
{
    int dh = 0;
    if (rect.right <= limit.left)
        dh = limit.left - rect.left;
    else if (rect.left >= limit.right)
        dh = limit.right - rect.right;
    int dv = 0;
    if (rect.bottom <= limit.top)
        dv = limit.top - rect.top;
    else if (rect.top >= limit.bottom)
        dv = limit.bottom - rect.bottom;
    return ScreenRect(rect.top + dv, rect.left + dh, rect.bottom + dv, rect.right + dh);
}

} // namespace

std::int32_t CViewPopupControlEditor::MenuDefinition(std::int16_t message, HostMenu menu, HostRect* rect,
                                                     HostPoint point, HostMenuItemRecord* item) noexcept
{
    auto* editor = reinterpret_cast<CViewPopupControlEditor*>(HostExtGetMenuReference(menu));
    if (editor == nullptr)
        return 0;
    return editor->failure.Run([&] { return editor->HandleMenuMessage(message, rect, point, item); });
}

std::int32_t CViewPopupControlEditor::HandleMenuMessage(std::int16_t message, HostRect* rect, HostPoint point,
                                                        HostMenuItemRecord* item)
{
    switch (message) {
    case kHostMenuDraw:
        if (panel != nullptr && panel->GetPort() == nullptr) {
            panel->MoveTo(layout.menu.left, layout.menu.top);
            panel->SetLimitRect(layout.inner);
            panel->SetPort(HostExtGetPort());
            const HostRect covered = layout.Covered();
            SetOverlayPort(HostExtGetPort(), &covered);
        }
        DrawMenu(*rect);
        break;
    case kHostMenuChoose:
    case kMenuFindItemMessage:
        ClickPanel(point);
        item->item = 0;
        if (CControlView* view = GetControlView())
            view->Idle(nullptr);
        break;
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
    default: break;
    }
    return 0;
}

void CViewPopupControlEditor::GetMenuSize(std::int16_t* width, std::int16_t* height)
{
    HostRect frame{0, 0, 0, 0};
    if (panel != nullptr)
        panel->GetFrame(&frame);
    *width = ScreenCoordinate(frame.right - frame.left);
    *height = ScreenCoordinate(frame.bottom - frame.top);
}

// The value point is measured from the panel's corner, wherever the editor lies in the panel.
void CViewPopupControlEditor::PlaceMenu(HostRect* out, HostPoint click, std::int16_t* flags)
{
    std::int16_t width = 0;
    std::int16_t height = 0;
    GetMenuSize(&width, &height);
    int top = click.v;
    int left = click.h;
    if (linkedEditors[0] != nullptr && panel != nullptr) {
        HostPoint value{};
        linkedEditors[0]->GetValuePoint(&value);
        HostRect frame{};
        panel->GetFrame(&frame);
        top -= value.v - frame.top;
        left -= value.h - frame.left;
    }
    *out = ScreenRect(top, left, top + height, left + width);
    *flags = 0;
}

// What shows of a panel the screen cuts off reaches out to the panel's size where the screen has room.
void CViewPopupControlEditor::PlaceOnScreen(HostPoint click)
{
    HostRect& menuRect = layout.menu;
    HostRect& visible = layout.visible;
    std::int16_t flags = 0;
    PlaceMenu(&menuRect, click, &flags);
    const HostRect screen = screenAt(click);
    const HostRect limit = MenuLimit(screen);
    // A panel wholly off the screen moves onto it itself: shown from a moved copy alone it would not show.
    if (!HostExtIntersectRect(&menuRect, &limit, &visible)) {
        menuRect = shiftedOnto(menuRect, limit);
        HostExtIntersectRect(&menuRect, &limit, &visible);
    }
    const int menuHeight = menuRect.bottom - menuRect.top;
    const int menuWidth = menuRect.right - menuRect.left;
    if (visible.bottom - visible.top < menuHeight) {
        if (limit.top < visible.top)
            visible.top = ScreenCoordinate(visible.bottom - menuHeight);
        else if (visible.bottom < limit.bottom)
            visible.bottom = ScreenCoordinate(visible.top + menuHeight);
    }
    if (visible.right - visible.left < menuWidth) {
        if (limit.left < visible.left)
            visible.left = ScreenCoordinate(visible.right - menuWidth);
        else if (visible.right < limit.right)
            visible.right = ScreenCoordinate(visible.left + menuWidth);
    }
    const HostRect uncut = visible;
    if (!HostExtIntersectRect(&uncut, &limit, &visible))
        visible = {0, 0, 0, 0};
    layout.FindInner();
}

void CViewPopupControlEditor::DrawMenu(const HostRect& area)
{
    HostExtGetClip(clipRegion);
    HostExtClipRect(&area);
    layout.DrawArrowStrips();
    HostRect drawn{};
    if (panel != nullptr && HostExtIntersectRect(&layout.inner, &area, &drawn)) {
        HostExtClipRect(&drawn);
        panel->Draw(&drawn);
    }
    HostExtSetClip(clipRegion);
}

void CViewPopupControlEditor::ClickPanel(HostPoint mouse)
{
    AutoScroll(mouse);
    if (panel == nullptr || panel->GetPort() == nullptr)
        return;
    const HostEventRecord event{kHostMouseDownEvent, kPanelClickMessage, HostExtTickCount(), mouse,
                                kPanelClickModifiers};
    HostExtGetClip(clipRegion);
    HostExtClipRect(&layout.inner);
    try {
        panel->HandleMouseDown(&event);
    } catch (...) {
        HostExtSetClip(clipRegion);
        throw;
    }
    HostExtSetClip(clipRegion);
}

bool CViewPopupControlEditor::AutoScroll(HostPoint mouse)
{
    if (!HostExtPointInRect(mouse, &layout.visible))
        return false;
    std::int16_t dh = 0;
    std::int16_t dv = 0;
    layout.GetScrollStep(mouse, &dh, &dv);
    if (dh == 0 && dv == 0)
        return false;
    ScrollMenu(dh, dv);
    return true;
}

// While the cut edges stay as they were only the uncovered part is new; otherwise a strip came or went
// and the whole pop-up is drawn again.
void CViewPopupControlEditor::ScrollMenu(std::int16_t dh, std::int16_t dv)
{
    HostRect area = layout.visible;
    const bool edgesChanged = layout.Scroll(dh, dv, clipRegion);
    if (panel != nullptr) {
        panel->OffsetBy(dh, dv);
        panel->SetLimitRect(layout.inner);
    }
    if (!edgesChanged)
        HostExtGetRegionBounds(clipRegion, &area);
    DrawMenu(area);
    HostExtDelay(kScrollPauseTicks);
}

#include "hostframework/views/plugin_view.h"

#include "hostframework/plugin_library.h"
#include "hostframework/process_group_interface.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_graphics_types.h"

#include <algorithm>

// The root takes the host's mouse and key records; a view tracks the mouse until the button is let go,
// letting the host run on every pass. The host may do anything meanwhile, even delete the tree or take
// its port away: a loop that finds so after letting the host run ends at once and touches nothing.

namespace {

constexpr std::int16_t kEnterKey = 3;
constexpr std::int16_t kTabKey = 9;
constexpr std::int16_t kReturnKey = 13;
constexpr std::int16_t kEscapeKey = 27;

std::int16_t characterOf(const HostEventRecord& event)
{
    return static_cast<std::int16_t>(event.message & 0xFF);
}

bool takesTab(CPlugInView* view)
{
    return view->CanTakeFocus() && view->IsEnabled();
}

// The sibling the tab key moves the focus to: forward, the first later one that takes the focus,
// else the first from the start of the chain; backward, the last one before, else the last one after.
CPlugInView* tabTarget(CPlugInView* focus, bool backward)
{
    CPlugInView* first = focus->GetParent() != nullptr ? focus->GetParent()->GetFirstSubView() : focus;
    CPlugInView* before = nullptr;
    CPlugInView* after = nullptr;
    CPlugInView* firstBefore = nullptr;
    CPlugInView* firstAfter = nullptr;
    bool passed = false;
    for (CPlugInView* view = first; view != nullptr; view = view->GetNextSibling()) {
        if (view == focus) {
            passed = true;
            continue;
        }
        if (!takesTab(view))
            continue;
        if (passed) {
            after = view;
            if (firstAfter == nullptr)
                firstAfter = view;
        } else {
            before = view;
            if (firstBefore == nullptr)
                firstBefore = view;
        }
    }
    if (backward)
        return before != nullptr ? before : after;
    return firstAfter != nullptr ? firstAfter : firstBefore;
}

} // namespace

std::int32_t CPlugInView::HandleMouseDown(const HostEventRecord* event)
{
    const std::weak_ptr<void> alive = life;
    FocusView(nullptr);
    CPlugInView* target = FindViewAtPoint(event->where);
    while (target != nullptr && !target->IsEnabled())
        target = target->GetParent();
    if (keyFocus != nullptr && keyFocus != target) {
        keyFocus->EndEdit(false);
        keyFocus = nullptr;
    }
    if (target != nullptr) {
        if (target->CanTakeFocus() && active)
            keyFocus = target;
        target->Click(event);
    }
    if (alive.expired() || port == nullptr)
        return 0;
    UnfocusView();
    return 0;
}

std::int32_t CPlugInView::HandleKeyDown(const HostEventRecord* event, bool* handled)
{
    FocusView(nullptr);
    *handled = false;
    if (CPlugInView* focus = keyFocus) {
        const std::int16_t character = characterOf(*event);
        switch (character) {
        case kEnterKey:
            focus->EndEdit(true);
            focus->BeginEdit();
            *handled = true;
            break;
        case kTabKey: {
            focus->EndEdit(true);
            *handled = true;
            CPlugInView* next = tabTarget(focus, (event->modifiers & kHostShiftKeyModifier) != 0);
            keyFocus = next;
            if (next != nullptr)
                next->BeginEdit();
            break;
        }
        case kReturnKey:
            focus->EndEdit(true);
            keyFocus = nullptr;
            *handled = true;
            break;
        case kEscapeKey:
            focus->EndEdit(false);
            keyFocus = nullptr;
            *handled = true;
            break;
        default:
            focus->HandleKey(character, handled);
            break;
        }
    }
    UnfocusView();
    return 0;
}

void CPlugInView::Click(const HostEventRecord* event)
{
    if (draggable) {
        const std::weak_ptr<void> alive = life;
        SetHighlighted(true);
        if (parent != nullptr)
            parent->DragSubView(event, this);
        if (!alive.expired())
            SetHighlighted(false);
    } else if (enabled) {
        TrackMouse(event, event->message == kSkipTrackingMessage);
    }
}

void CPlugInView::TrackMouse(const HostEventRecord* /*event*/, bool skip)
{
    if (skip || !HostExtStillDown())
        return;
    bool inside = false;
    while (HostExtButton()) {
        HostPoint mouse{};
        HostExtGetMouse(&mouse);
        if (HostExtPointInRect(mouse, &frame) != inside) {
            inside = !inside;
            SetHighlighted(inside);
        }
        if (!YieldToHost())
            return;
    }
    SetHighlighted(false);
}

void CPlugInView::DragSubView(const HostEventRecord* event, CPlugInView* view)
{
    // The dragged view's top-left corner stays inside this view's frame inset by one pixel.
    const HostRect dragged = view->frame;
    const int shiftV = event->where.v - dragged.top;
    const int shiftH = event->where.h - dragged.left;
    const int top = frame.top + 1 + shiftV;
    const int left = frame.left + 1 + shiftH;
    const int bottom = frame.bottom - 1 + shiftV;
    const int right = frame.right - 1 + shiftH;

    const std::weak_ptr<void> draggedAlive = view->life;
    view->SetDragging(true);
    HostPoint last = event->where;
    while (HostExtButton()) {
        HostPoint mouse{};
        HostExtGetMouse(&mouse);
        int v = std::max<int>(mouse.v, top);
        v = std::min(v, bottom);
        int h = std::max<int>(mouse.h, left);
        h = std::min(h, right);
        const HostPoint point{static_cast<std::int16_t>(v), static_cast<std::int16_t>(h)};
        if (point.v != last.v || point.h != last.h) {
            view->ScrollBy(static_cast<std::int16_t>(point.h - last.h), static_cast<std::int16_t>(point.v - last.v));
            SubViewMoved(view);
            last = point;
        }
        if (!YieldToHost() || draggedAlive.expired())
            return;
    }
    view->SetDragging(false);
}

void CPlugInView::Idle(const HostEventRecord* event)
{
    const std::weak_ptr<void> alive = life;
    for (CPlugInView* child = firstChild; child != nullptr; child = child->nextSibling) {
        const std::weak_ptr<void> childAlive = child->life;
        child->Idle(event);
        // A tree the host changed while a child let it run is left for the next idle call.
        if (alive.expired() || childAlive.expired())
            return;
    }
    if (gProcessGroup != nullptr)
        gProcessGroup->YieldHostCall();
}

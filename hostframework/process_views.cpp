#include "hostframework/process.h"

#include "hostframework/process_group.h"
#include "hostframework/views/plugin_view.h"
#include "hostlibs/extension/host_graphics_types.h"

// The host's view routines reach the root view; a process without one answers them with nothing done.

namespace {

HostEventRecord viewEvent(const EventRecord& event)
{
    return {static_cast<std::int16_t>(event.what), static_cast<std::int32_t>(event.message), event.when,
            {event.where.v, event.where.h}, static_cast<std::int16_t>(event.modifiers)};
}

} // namespace

std::int32_t CProcess::DrawView(Rect* rect)
{
    if (rootView == nullptr)
        return 0;
    if (rect == nullptr) {
        rootView->Draw(nullptr);
        return 0;
    }
    const HostRect area{rect->top, rect->left, rect->bottom, rect->right};
    rootView->Draw(&area);
    return 0;
}

// Only a mouse-down reaches the views: the root reads every record it gets as a click.
std::int32_t CProcess::HandleViewEvent(EventRecord* event)
{
    if (rootView == nullptr || event == nullptr || event->what != kHostMouseDownEvent)
        return 0;
    const HostEventRecord click = viewEvent(*event);
    return rootView->HandleMouseDown(&click);
}

std::int32_t CProcess::HandleKeyEvent(EventRecord* event, std::uint8_t* handled)
{
    if (rootView == nullptr || event == nullptr)
        return clearOut(handled);
    const HostEventRecord key = viewEvent(*event);
    bool used = false;
    const std::int32_t result = rootView->HandleKeyDown(&key, &used);
    setOut(handled, used ? 1 : 0);
    return result;
}

std::int32_t CProcess::GetViewRect(Rect* rect)
{
    if (rootView == nullptr || rect == nullptr)
        return 0;
    HostRect frame{};
    rootView->GetFrame(&frame);
    *rect = {frame.top, frame.left, frame.bottom, frame.right};
    return 0;
}

std::int32_t CProcess::SetViewPort(OpaqueGrafPtr* port)
{
    if (rootView == nullptr)
        return 0;
    rootView->SetPort(reinterpret_cast<HostPort>(port));
    BindControlViews(port != nullptr);
    return 0;
}

std::int32_t CProcess::SetViewOrigin(Point origin)
{
    if (rootView != nullptr && !CProcessGroup::HostViewsDisabled())
        rootView->MoveTo(origin.h, origin.v);
    return 0;
}

std::int32_t CProcess::ActivateView()
{
    if (rootView != nullptr)
        rootView->Activate();
    return 0;
}

std::int32_t CProcess::DeactivateView()
{
    if (rootView != nullptr)
        rootView->Deactivate();
    return 0;
}

// The control of the first enabled view at the point, the hit view itself included.
std::int32_t CProcess::GetControlAtPoint(Point where, std::int32_t* control)
{
    clearOut(control);
    if (rootView == nullptr || control == nullptr || CProcessGroup::HostViewsDisabled())
        return 0;
    CPlugInView* view = rootView->FindViewAtPoint({where.v, where.h});
    while (view != nullptr && !view->IsEnabled())
        view = view->GetParent();
    if (view != nullptr)
        view->GetControlIndexAt(control);
    return 0;
}

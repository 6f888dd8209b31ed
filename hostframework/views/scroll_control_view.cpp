#include "hostframework/views/scroll_control_view.h"

#include "hostframework/controls/host_value_conversions.h"
#include "hostframework/host_error.h"
#include "hostframework/views/item_list_view.h"

#include <algorithm>
#include <new>

CCustomView* NewScrollControlView()
{
    return new (std::nothrow) CScrollControlView;
}

// A window of no size counts as one pixel, so that a page count can be had.
CScrollControlView::SExtents CScrollControlView::Measure()
{
    HostRect window{};
    GetFrame(&window);
    HostRect content{};
    scrolledView->GetContentBounds(&content);
    const bool horizontal = orientation == kHorizontal;
    SExtents extents{};
    extents.visible = std::max(horizontal ? window.right - window.left : window.bottom - window.top, 1);
    extents.content = horizontal ? content.right - content.left : content.bottom - content.top;
    extents.offset = horizontal ? window.left - content.left : window.top - content.top;
    ThrowIfFalse(extents.offset >= 0);
    return extents;
}

CScrollControlView::~CScrollControlView()
{
    if (scrolledView != nullptr)
        scrolledView->ForgetScrollControl(this);
}

void CScrollControlView::AttachToScrolledView(CItemListView* view, std::int16_t newOrientation)
{
    if (scrolledView != nullptr)
        scrolledView->ForgetScrollControl(this);
    scrolledView = view;
    orientation = newOrientation;
    if (scrolledView == nullptr)
        return;
    scrolledView->RememberScrollControl(this, orientation);
    const SExtents extents = Measure();
    if (extents.content <= extents.visible) {
        pageCount = 1;
        CControlView::SetValue(INT32_MIN);
        return;
    }
    pageCount = (extents.content + extents.visible - 1) / extents.visible;
    CControlView::SetValue(ValueToHostLinear(extents.offset, 0, extents.content - extents.visible));
}

void CScrollControlView::SetValue(std::int32_t newValue)
{
    if (scrolledView != nullptr) {
        const SExtents extents = Measure();
        if (extents.content > extents.visible) {
            const std::int32_t target = HostToValueLinear(newValue, 0, extents.content - extents.visible);
            const auto difference = static_cast<std::int16_t>(target - extents.offset);
            if (difference != 0) {
                if (orientation == kHorizontal)
                    scrolledView->ScrollContents(static_cast<std::int16_t>(-difference), 0);
                else
                    scrolledView->ScrollContents(0, static_cast<std::int16_t>(-difference));
            }
        }
    }
    CControlView::SetValue(newValue);
}

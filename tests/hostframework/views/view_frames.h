#pragma once

// A view's frame and children as the view tests compare them.

#include "hostframework/views/plugin_view.h"

#include <vector>

namespace kravo::test {

inline HostRect frameOf(CPlugInView* view)
{
    HostRect frame{};
    view->GetFrame(&frame);
    return frame;
}

// The rectangle's top, left, bottom and right, in that order.
inline std::vector<int> sides(const HostRect& rect)
{
    return {rect.top, rect.left, rect.bottom, rect.right};
}

inline std::vector<CPlugInView*> childrenOf(const CPlugInView& view)
{
    std::vector<CPlugInView*> children;
    for (CPlugInView* child = view.GetFirstSubView(); child != nullptr; child = child->GetNextSibling())
        children.push_back(child);
    return children;
}

} // namespace kravo::test

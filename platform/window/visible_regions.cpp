#include "platform/window/visible_regions.h"

#include "platform/desktop/desktop_switch.h"
#include "platform/window/painting.h"
#include "platform/window/window_classes.h"
#include "platform/window/window_styles.h"

#include <algorithm>

namespace platform::window {

namespace {

RectangleSet regionOf(const Window& window, bool clipAlways)
{
    if (!isShown(window))
        return {};
    RectangleSet region(areaInTopLevel(window));
    for (const Window* above = lookUp(window.parent); above != nullptr; above = lookUp(above->parent))
        region.intersect(areaInTopLevel(*above));
    if (clipAlways || (window.style & WS_CLIPCHILDREN) != 0)
        for (HWND child : window.children)
            if (const Window* below = lookUp(child); below != nullptr && (below->style & WS_VISIBLE) != 0)
                region.subtract(areaInTopLevel(*below));
    for (const Window* current = &window; current->parent != nullptr; current = lookUp(current->parent)) {
        if (clipAlways || (current->style & WS_CLIPSIBLINGS) != 0)
            for (HWND sibling : siblingsOf(*current)) {
                if (sibling == current->handle)
                    break;
                if (const Window* other = lookUp(sibling); other != nullptr && (other->style & WS_VISIBLE) != 0)
                    region.subtract(areaInTopLevel(*other));
            }
    }
    return region;
}

} // namespace

RECT areaInTopLevel(const Window& window)
{
    const POINT origin = originInTopLevel(window);
    return {origin.x, origin.y, origin.x + window.width(), origin.y + window.height()};
}

RectangleSet drawableRegion(const Window& window)
{
    return regionOf(window, false);
}

RectangleSet shownRegion(const Window& window)
{
    return regionOf(window, true);
}

LayoutChange::LayoutChange(Window& window) : topLevel_(topLevelOf(window).handle)
{
    forEachInTree(topLevelOf(window), [this](const Window& each) {
        before_.push_back({each.handle, originInTopLevel(each), each.width(), each.height(), shownRegion(each)});
    });
}

LayoutChange::~LayoutChange()
{
    Window* topLevel = lookUp(topLevel_);
    if (topLevel != nullptr)
        invalidateExposed(*topLevel);
    platform::desktop::windowsChanged();
}

void LayoutChange::invalidateExposed(Window& topLevel) const
{
    forEachInTree(topLevel, [this](Window& each) {
        const POINT origin = originInTopLevel(each);
        RectangleSet exposed = shownRegion(each);
        const auto was = std::find_if(before_.begin(), before_.end(),
            [&each](const Placement& placement) { return placement.window == each.handle; });
        if (was != before_.end() && was->origin.x == origin.x && was->origin.y == origin.y) {
            const UINT classStyle = each.windowClass->style;
            const bool redrawAll = (was->width != each.width() && (classStyle & CS_HREDRAW) != 0) ||
                (was->height != each.height() && (classStyle & CS_VREDRAW) != 0);
            if (!redrawAll)
                exposed.subtract(was->shown);
        }
        exposed.offset({-origin.x, -origin.y});
        if (!exposed.empty())
            invalidate(each, exposed, true, false);
    });
}

} // namespace platform::window

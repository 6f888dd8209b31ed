#include "hostframework/views/pop_up_menu.h"

#include "hostframework/host_error.h"
#include "hostlibs/extension/host_graphics.h"

#include <algorithm>

namespace {

// An arrow is 12 wide across its strip, 6 deep, and its point lies 3 from the strip's outer edge.
constexpr int kArrowHalfWidth = 6;
constexpr int kArrowDepth = 6;
constexpr int kArrowMargin = 3;

HostPoint point(int v, int h)
{
    return {ScreenCoordinate(v), ScreenCoordinate(h)};
}

// The arrow's point and its base's middle, on the line through the strip's middle across it; the base
// runs along the strip.
void fillArrow(HostPoint tip, HostPoint baseMiddle)
{
    const bool vertical = tip.h == baseMiddle.h;
    const int dh = vertical ? kArrowHalfWidth : 0;
    const int dv = vertical ? 0 : kArrowHalfWidth;
    const HostPoint corners[3] = {point(baseMiddle.v - dv, baseMiddle.h - dh),
                                  point(baseMiddle.v + dv, baseMiddle.h + dh), tip};
    HostExtFillPolygon(corners, 3);
}

} // namespace

std::int16_t ScreenCoordinate(int value)
{
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

HostRect ScreenRect(int top, int left, int bottom, int right)
{
    return {ScreenCoordinate(top), ScreenCoordinate(left), ScreenCoordinate(bottom), ScreenCoordinate(right)};
}

HostRect MenuLimit(const HostRect& screen)
{
    constexpr int kScreenMargin = 5;
    return ScreenRect(screen.top + kScreenMargin, screen.left + kScreenMargin, screen.bottom - kScreenMargin,
                      screen.right - kScreenMargin);
}

HostMenu NewPopUpMenu(HostMenuProc proc, const void* owner)
{
    HostMenu menu = HostExtNewCustomMenu(kPopUpMenuID, proc);
    ThrowIfNull(menu);
    HostExtSetMenuReference(menu, reinterpret_cast<std::intptr_t>(owner));
    return menu;
}

void SPopUpMenuLayout::FindInner()
{
    inner = visible;
    flags = 0;
    if (menu.top < visible.top) {
        flags |= kTopCut;
        inner.top = ScreenCoordinate(inner.top + kStripDepth);
    }
    if (menu.bottom > visible.bottom) {
        flags |= kBottomCut;
        inner.bottom = ScreenCoordinate(inner.bottom - kStripDepth);
    }
    if (menu.left < visible.left) {
        flags |= kLeftCut;
        inner.left = ScreenCoordinate(inner.left + kStripDepth);
    }
    if (menu.right > visible.right) {
        flags |= kRightCut;
        inner.right = ScreenCoordinate(inner.right - kStripDepth);
    }
}

// A hidden part is never negative: a visible rectangle wider than the menu hides nothing on that side.
void SPopUpMenuLayout::GetScrollStep(HostPoint mouse, std::int16_t* dh, std::int16_t* dv) const
{
    const auto step = [](int hidden) { return std::clamp(hidden, 0, static_cast<int>(kScrollStep)); };
    int v = 0;
    if (mouse.v < inner.top)
        v = step(visible.top - menu.top);
    else if (mouse.v >= inner.bottom)
        v = -step(menu.bottom - visible.bottom);
    int h = 0;
    if (mouse.h < inner.left)
        h = step(visible.left - menu.left);
    else if (mouse.h >= inner.right)
        h = -step(menu.right - visible.right);
    *dh = static_cast<std::int16_t>(h);
    *dv = static_cast<std::int16_t>(v);
}

bool SPopUpMenuLayout::Scroll(std::int16_t dh, std::int16_t dv, HostRegion uncovered)
{
    HostExtScrollRect(&inner, dh, dv, uncovered);
    menu = {ScreenCoordinate(menu.top + dv), ScreenCoordinate(menu.left + dh), ScreenCoordinate(menu.bottom + dv),
            ScreenCoordinate(menu.right + dh)};
    const std::int16_t before = flags;
    FindInner();
    return flags != before;
}

void SPopUpMenuLayout::DrawArrowStrips() const
{
    const HostRect& v = visible;
    const int middleH = (v.left + v.right) / 2;
    const int middleV = (v.top + v.bottom) / 2;
    if ((flags & kTopCut) != 0) {
        const HostRect strip{v.top, v.left, ScreenCoordinate(v.top + kStripDepth), v.right};
        HostExtEraseRect(&strip);
        fillArrow(point(v.top + kArrowMargin, middleH), point(v.top + kArrowMargin + kArrowDepth, middleH));
    }
    if ((flags & kBottomCut) != 0) {
        const HostRect strip{ScreenCoordinate(v.bottom - kStripDepth), v.left, v.bottom, v.right};
        HostExtEraseRect(&strip);
        fillArrow(point(v.bottom - kArrowMargin, middleH), point(v.bottom - kArrowMargin - kArrowDepth, middleH));
    }
    if ((flags & kLeftCut) != 0) {
        const HostRect strip{v.top, v.left, v.bottom, ScreenCoordinate(v.left + kStripDepth)};
        HostExtEraseRect(&strip);
        fillArrow(point(middleV, v.left + kArrowMargin), point(middleV, v.left + kArrowMargin + kArrowDepth));
    }
    if ((flags & kRightCut) != 0) {
        const HostRect strip{v.top, ScreenCoordinate(v.right - kStripDepth), v.bottom, v.right};
        HostExtEraseRect(&strip);
        fillArrow(point(middleV, v.right - kArrowMargin), point(middleV, v.right - kArrowMargin - kArrowDepth));
    }
}

void CMenuProcedureFailure::ThrowKept()
{
    if (!error)
        return;
    const std::exception_ptr kept = error;
    error = nullptr;
    std::rethrow_exception(kept);
}

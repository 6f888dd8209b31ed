#include "toolkit/slider.h"

#include "toolkit/bitmap.h"
#include "toolkit/frame.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/truncate_into.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Toolkit {

CSlider::CSlider(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t iMinPos,
    std::int32_t iMaxPos, CBitmap* handle, CBitmap* background, const CPoint& offset, std::int32_t style)
    : CControl(size, listener, tag, background),
      offset(offset),
      style(style),
      widthControl(size.width()),
      heightControl(size.height())
{
    setHandle(handle);
    minPos = iMinPos - (horizontal() ? size.left : size.top);
    rangeHandle = iMaxPos - iMinPos;
    setOffsetHandle({0, 0});
}

CSlider::CSlider(const CRect& size, CControlListener* listener, std::int32_t tag, const CPoint& offsetHandle,
    std::int32_t rangeHandle, CBitmap* handle, CBitmap* background, const CPoint& offset, std::int32_t style)
    : CControl(size, listener, tag, background),
      offset(offset),
      style(style),
      widthControl(size.width()),
      heightControl(size.height())
{
    setHandle(handle);
    this->rangeHandle = rangeHandle - (horizontal() ? widthOfSlider : heightOfSlider);
    setOffsetHandle(offsetHandle);
}

CSlider::~CSlider()
{
    if (pHandle != nullptr)
        pHandle->forget();
    if (pOScreen != nullptr)
        pOScreen->forget();
}

bool CSlider::isTypeOf(const char* type)
{
    return std::strcmp(type, "CSlider") == 0 || CControl::isTypeOf(type);
}

bool CSlider::attached(CView* parent)
{
    if (pOScreen != nullptr)
        pOScreen->forget();
    pOScreen = new COffscreenContext(parentFrame, widthControl, heightControl, kBlackColor);
    return CControl::attached(parent);
}

bool CSlider::removed(CView* parent)
{
    if (pOScreen != nullptr)
        pOScreen->forget();
    pOScreen = nullptr;
    return CControl::removed(parent);
}

void CSlider::setOffsetHandle(const CPoint& point)
{
    offsetHandle = point;
    minTmp = (horizontal() ? offsetHandle.h : offsetHandle.v) + minPos;
    maxTmp = minTmp + rangeHandle + (horizontal() ? widthOfSlider : heightOfSlider);
    setDirty(true);
}

// The new handle is held before the old one is let go, so that setting the same one again keeps it.
void CSlider::setHandle(CBitmap* handle)
{
    if (handle != nullptr)
        handle->remember();
    if (pHandle != nullptr)
        pHandle->forget();
    pHandle = handle;
    widthOfSlider = handle != nullptr ? handle->getWidth() : 1;
    heightOfSlider = handle != nullptr ? handle->getHeight() : 1;
    setDirty(true);
}

CRect CSlider::handleRect() const
{
    const float position = (style & (kLeft | kTop)) != 0 ? value : 1.0f - value;
    const std::int32_t length = horizontal() ? widthOfSlider : heightOfSlider;
    const std::int32_t start = horizontal() ? offsetHandle.h : offsetHandle.v;
    // Bounded by the limits below before they apply, so that they decide as before.
    const std::int32_t lowest = std::min(minTmp, maxTmp - length) - start;
    const std::int32_t highest = std::max(minTmp, maxTmp - length) - start;
    std::int32_t along = truncateInto(static_cast<float>(rangeHandle) * position, lowest, highest) + start;
    if (along + length > maxTmp)
        along = maxTmp - length;
    if (along < minTmp)
        along = minTmp;
    if (horizontal())
        return {size.left + along, size.top + offsetHandle.v, size.left + along + widthOfSlider,
            size.top + offsetHandle.v + heightOfSlider};
    return {size.left + offsetHandle.h, size.top + along, size.left + offsetHandle.h + widthOfSlider,
        size.top + along + heightOfSlider};
}

void CSlider::draw(CDrawContext* context)
{
    CDrawContext* target = pOScreen != nullptr ? pOScreen : context;
    const CPoint origin = pOScreen != nullptr ? size.topLeft() : CPoint{};
    const CRect whole = {size.left - origin.h, size.top - origin.v, size.right - origin.h, size.bottom - origin.v};
    if (background != nullptr) {
        if (transparencyEnabled)
            background->drawTransparent(target, whole, offset);
        else
            background->draw(target, whole, offset);
    }
    if (pHandle != nullptr) {
        CRect handle = handleRect();
        handle.offset(-origin.h, -origin.v);
        if (bDrawTransparentEnabled)
            pHandle->drawTransparent(target, handle, {0, 0});
        else
            pHandle->draw(target, handle, {0, 0});
    }
    if (pOScreen != nullptr)
        pOScreen->copyFrom(context, size, {0, 0});
    setDirty(false);
}

// The value follows the pointer from a reference point on the travel: the handle's centre with free
// click, else the point where the handle was caught.
void CSlider::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, false) || checkDefaultValue(context, buttons))
        return;
    if (rangeHandle == 0)
        return;
    const auto along = [this](const CPoint& point) { return horizontal() ? point.h : point.v; };
    std::int32_t reference = horizontal() ? size.left + offsetHandle.h : size.top + offsetHandle.v;
    if (bFreeClick) {
        reference += (horizontal() ? widthOfSlider : heightOfSlider) / 2 - 1;
    } else {
        const CRect handle = handleRect();
        if (!containsWithEdges(handle, where))
            return;
        reference += along(where) - (horizontal() ? handle.left : handle.top);
    }

    beginEdit();
    bool shiftHeld = false;
    float valueAtShift = 0.0f;
    CPoint at = where;
    do {
        float newValue = static_cast<float>(along(at) - reference) / static_cast<float>(rangeHandle);
        if ((style & (kRight | kBottom)) != 0)
            newValue = 1.0f - newValue;
        if ((buttons & kShiftHeld) != 0) {
            if (!shiftHeld)
                valueAtShift = value;
            shiftHeld = true;
            newValue = valueAtShift + (newValue - valueAtShift) / zoomFactor;
        } else {
            shiftHeld = false;
        }
        value = newValue;
        bounceValue();
        reportIfDirty(context);
        getMouseLocation(context, at);
        doIdleStuff();
        buttons = context->getMouseButtons();
    } while ((buttons & kLeftButton) != 0);
    endEdit();
}

bool CSlider::onWheel(CDrawContext* context, const CPoint&, float distance)
{
    return stepByWheel(context, distance);
}

std::int32_t CSlider::onKeyDown(PlugKeyCode& key)
{
    return stepByArrowKey(key);
}

} // namespace Toolkit

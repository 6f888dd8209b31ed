#include "toolkit/knob.h"

#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"
#include "toolkit/frame.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/truncate_into.h"

#include <cmath>
#include <cstring>

namespace Toolkit {

namespace {

// 2π as the float that is added, and as the double that the upper wrap compares with: a float just
// above the float 2π is not wrapped.
constexpr float kTwoPi = 6.2831855f;
constexpr double kTwoPiExact = 6.283185307179586;

constexpr float kDefaultStartAngle = 3.9269907f; // 225°
constexpr float kDefaultRangeAngle = -4.712389f; // 270° clockwise
// Pixels of a linear drag over the whole range.
constexpr float kLinearRange = 200.0f;

std::int32_t handleInset(const CBitmap& handle)
{
    return static_cast<std::int32_t>(handle.getWidth() * 0.5f + 2.5f);
}

float wrappedOnce(float angle)
{
    if (angle < 0.0f)
        return angle + kTwoPi;
    if (angle > kTwoPiExact)
        return angle - kTwoPi;
    return angle;
}

CPoint relativeTo(const CRect& rect, CPoint point)
{
    return point.offset(-rect.left, -rect.top);
}

} // namespace

CKnob::CKnob(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background, CBitmap* handle,
    const CPoint& offset)
    : CControl(size, listener, tag, background),
      offset(offset),
      pHandle(handle),
      inset(handle != nullptr ? handleInset(*handle) : 3),
      radius(size.width() * 0.5f)
{
    if (pHandle != nullptr)
        pHandle->remember();
    setStartAngle(kDefaultStartAngle);
    setRangeAngle(kDefaultRangeAngle);
    setWantsFocus(true);
}

CKnob::~CKnob()
{
    if (pHandle != nullptr)
        pHandle->forget();
}

bool CKnob::isTypeOf(const char* type)
{
    return std::strcmp(type, "CKnob") == 0 || CControl::isTypeOf(type);
}

void CKnob::setStartAngle(float angle)
{
    startAngle = angle;
    compute();
}

void CKnob::setRangeAngle(float angle)
{
    rangeAngle = angle;
    compute();
}

void CKnob::compute()
{
    aCoef = (vmax - vmin) / rangeAngle;
    bCoef = vmin - aCoef * startAngle;
    halfAngle = (kTwoPi - std::fabs(rangeAngle)) * 0.5f;
    setDirty(true);
}

void CKnob::setColorShadowHandle(CColor color)
{
    colorShadowHandle = color;
    setDirty(true);
}

void CKnob::setColorHandle(CColor color)
{
    colorHandle = color;
    setDirty(true);
}

// The new handle is held before the old one is let go, so that setting the same one again keeps it.
void CKnob::setHandleBitmap(CBitmap* bitmap)
{
    if (bitmap != nullptr) {
        bitmap->remember();
        inset = handleInset(*bitmap);
    }
    if (pHandle != nullptr)
        pHandle->forget();
    pHandle = bitmap;
}

// The point stays within the square around the handle's circle; a value that gives no angle (NaN or
// infinite) puts it at the square's top-left corner.
void CKnob::valueToPoint(CPoint& point)
{
    const float alpha = (value - bCoef) / aCoef;
    const float reach = std::abs(radius - static_cast<float>(inset));
    const std::int32_t lowest = truncateInto(radius - reach, INT32_MIN, INT32_MAX);
    const std::int32_t highest = truncateInto(radius + reach + 1.0f, lowest, INT32_MAX);
    point.h = truncateInto(radius + std::cos(alpha) * (radius - inset) + 0.5f, lowest, highest);
    point.v = truncateInto(radius - std::sin(alpha) * (radius - inset) + 0.5f, lowest, highest);
}

// The angle is measured from the start of the sweep; what lies beyond its end by more than half the
// dead zone belongs to the start, and the other way round.
float CKnob::valueFromPoint(CPoint& point)
{
    float alpha = std::atan2(radius - point.v, point.h - radius);
    if (alpha < 0.0f)
        alpha += kTwoPi;
    float alpha2 = alpha - startAngle;
    if (rangeAngle >= 0.0f) {
        const float alpha3 = wrappedOnce(alpha2);
        if (alpha3 > rangeAngle + halfAngle)
            return vmin;
        if (alpha3 > rangeAngle)
            return vmax;
        if (alpha2 > rangeAngle + halfAngle)
            return aCoef * (alpha2 - kTwoPi) + vmin;
        if (alpha2 >= -halfAngle)
            return aCoef * alpha2 + vmin;
        return aCoef * (alpha2 + kTwoPi) + vmin;
    }
    alpha2 -= rangeAngle;
    const float alpha3 = wrappedOnce(alpha2);
    if (alpha3 > halfAngle - rangeAngle)
        return vmax;
    if (alpha3 > -rangeAngle)
        return vmin;
    if (alpha2 > halfAngle - rangeAngle)
        return aCoef * (alpha2 - kTwoPi) + vmax;
    if (alpha2 >= -halfAngle)
        return aCoef * alpha2 + vmax;
    return aCoef * (alpha2 + kTwoPi) + vmax;
}

void CKnob::draw(CDrawContext* context)
{
    drawBackgroundFrom(context, offset);
    drawHandle(context);
    setDirty(false);
}

// The line is drawn twice, its shadow one pixel left of it and one lower.
void CKnob::drawHandle(CDrawContext* context)
{
    CPoint point;
    valueToPoint(point);
    if (pHandle == nullptr) {
        CPoint origin{size.width() / 2, size.height() / 2};
        point.offset(size.left - 1, size.top);
        origin.offset(size.left - 1, size.top);
        context->setFrameColor(colorShadowHandle);
        context->moveTo(point);
        context->lineTo(origin);
        point.offset(1, -1);
        origin.offset(1, -1);
        context->setFrameColor(colorHandle);
        context->moveTo(point);
        context->lineTo(origin);
        return;
    }
    const std::int32_t width = pHandle->getWidth();
    const std::int32_t height = pHandle->getHeight();
    point.offset(size.left - width / 2, size.top - height / 2);
    pHandle->drawTransparent(context, {point.h, point.v, point.h + width, point.v + height}, {0, 0});
}

// The linear drag counts pixels up and right from where it began; the circular one follows the
// pointer round, but holds an end when the pointer crosses the dead zone from it.
void CKnob::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, true) || checkDefaultValue(context, buttons))
        return;
    float old = oldValue;
    float entry = value;
    const float middle = (vmax - vmin) * 0.5f;
    const auto rangeFor = [this](std::int32_t held) {
        return (held & kShiftHeld) != 0 ? zoomFactor * kLinearRange : kLinearRange;
    };
    float coef = (vmax - vmin) / kLinearRange;
    std::int32_t rememberedButtons = buttons;
    const std::int32_t mode = parentFrame != nullptr ? parentFrame->getKnobMode() : 0;
    const bool altHeld = (buttons & kAltHeld) != 0;
    const bool linear = mode == kLinearMode ? !altHeld : altHeld;
    const CPoint first = where;
    if (linear) {
        coef = (vmax - vmin) / rangeFor(buttons);
    } else {
        CPoint relative = relativeTo(size, where);
        old = valueFromPoint(relative);
    }

    beginEdit();
    CPoint last{-1, -1};
    CPoint at = where;
    do {
        buttons = context->getMouseButtons();
        if (at != last) {
            last = at;
            if (linear) {
                const auto diff = static_cast<float>((first.v - at.v) + (at.h - first.h));
                if (buttons != rememberedButtons) {
                    const float newCoef = (vmax - vmin) / rangeFor(buttons);
                    entry += diff * (coef - newCoef);
                    coef = newCoef;
                    rememberedButtons = buttons;
                }
                value = entry + diff * coef;
                bounceValue();
            } else {
                CPoint relative = relativeTo(size, at);
                value = valueFromPoint(relative);
                if (old - value > middle)
                    value = vmax;
                else if (value - old > middle)
                    value = vmin;
                else
                    old = value;
            }
            reportIfDirty(context);
        }
        getMouseLocation(context, at);
        doIdleStuff();
    } while ((buttons & kLeftButton) != 0);
    endEdit();
}

bool CKnob::onWheel(CDrawContext* context, const CPoint&, float distance)
{
    return stepByWheel(context, distance);
}

std::int32_t CKnob::onKeyDown(PlugKeyCode& key)
{
    return stepByArrowKey(key);
}

} // namespace Toolkit

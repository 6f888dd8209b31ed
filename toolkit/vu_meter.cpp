#include "toolkit/vu_meter.h"

#include "toolkit/bitmap.h"
#include "toolkit/offscreen_context.h"
#include "toolkit/slider.h"

#include <cmath>
#include <cstring>

namespace Toolkit {

namespace {

void drawPart(CBitmap* bitmap, CDrawContext* context, const CRect& rect, const CPoint& from, bool transparent)
{
    if (bitmap == nullptr || rect.isEmpty())
        return;
    if (transparent)
        bitmap->drawTransparent(context, rect, from);
    else
        bitmap->draw(context, rect, from);
}

} // namespace

CVuMeter::CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, std::int32_t nbLed, std::int32_t style)
    : CControl(size, nullptr, 0, nullptr), onBitmap(onBitmap), offBitmap(offBitmap), nbLed(nbLed), style(style)
{
    if (onBitmap != nullptr)
        onBitmap->remember();
    if (offBitmap != nullptr)
        offBitmap->remember();
}

CVuMeter::~CVuMeter()
{
    if (onBitmap != nullptr)
        onBitmap->forget();
    if (offBitmap != nullptr)
        offBitmap->forget();
    if (pOScreen != nullptr)
        pOScreen->forget();
}

bool CVuMeter::isTypeOf(const char* type)
{
    return std::strcmp(type, "CVuMeter") == 0 || CControl::isTypeOf(type);
}

void CVuMeter::setDirty(bool state)
{
    CView::setDirty(state);
}

bool CVuMeter::attached(CView* parent)
{
    if (pOScreen != nullptr)
        pOScreen->forget();
    pOScreen = bUseOffscreen ? new COffscreenContext(parentFrame, size.width(), size.height(), kBlackColor) : nullptr;
    return CControl::attached(parent);
}

bool CVuMeter::removed(CView* parent)
{
    if (pOScreen != nullptr)
        pOScreen->forget();
    pOScreen = nullptr;
    return CControl::removed(parent);
}

void CVuMeter::draw(CDrawContext* context)
{
    if (onBitmap == nullptr || nbLed < 1) {
        setDirty(false);
        return;
    }
    bounceValue();
    float level = oldValue - decreaseValue;
    if (level < value)
        level = value;
    oldValue = level;

    // Rectangles relative to the meter's corner.
    const std::int32_t width = size.width();
    const std::int32_t height = size.height();
    const auto leds = static_cast<float>(nbLed);
    CRect on{0, 0, width, height};
    CRect off{0, 0, width, height};
    CPoint onFrom;
    CPoint offFrom;
    if ((style & kHorizontal) != 0) {
        const auto split = static_cast<std::int32_t>(
            std::trunc(leds * level + 0.5f) / leds * static_cast<float>(onBitmap->getWidth()));
        on.right = off.left = split;
        offFrom.h = split;
    } else {
        const auto split = static_cast<std::int32_t>(
            std::trunc(leds * (vmax - level) + 0.5f) / leds * static_cast<float>(onBitmap->getHeight()));
        off.bottom = on.top = split;
        onFrom.v = split;
    }

    CDrawContext* target = pOScreen != nullptr ? pOScreen : context;
    if (pOScreen == nullptr) {
        on.offset(size.left, size.top);
        off.offset(size.left, size.top);
    }
    drawPart(onBitmap, target, on, onFrom, transparencyEnabled);
    drawPart(offBitmap, target, off, offFrom, transparencyEnabled);
    if (pOScreen != nullptr)
        pOScreen->copyFrom(context, size, {0, 0});
    setDirty(false);
}

} // namespace Toolkit

#include "toolkit/auto_animation.h"

#include "toolkit/switch_positions.h"
#include "toolkit/truncate_into.h"

#include <algorithm>
#include <cstring>

namespace Toolkit {

CAutoAnimation::CAutoAnimation(
    const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background, const CPoint& offset)
    : CAutoAnimation(size, listener, tag, imagesAlong(background, false, size.height()), size.height(), background,
          offset)
{
}

CAutoAnimation::CAutoAnimation(const CRect& size, CControlListener* listener, std::int32_t tag,
    std::int32_t subPixmaps, std::int32_t heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background),
      offset(offset),
      subPixmaps(subPixmaps),
      heightOfOneImage(heightOfOneImage)
{
}

bool CAutoAnimation::isTypeOf(const char* type)
{
    return std::strcmp(type, "CAutoAnimation") == 0 || CControl::isTypeOf(type);
}

// A value set beyond the strip shows its first or last image.
void CAutoAnimation::draw(CDrawContext* context)
{
    if (bWindowOpened && subPixmaps > 0) {
        const std::int32_t lastImage = std::max(0, (subPixmaps - 1) * heightOfOneImage);
        drawBackgroundFrom(context, {offset.h, offset.v + truncateInto(value, 0, lastImage)});
    }
    setDirty(false);
}

void CAutoAnimation::mouse(CDrawContext* context, const CPoint&, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, true))
        return;
    value = 0.0f;
    if (bWindowOpened)
        closeWindow();
    else
        openWindow();
    beginEdit();
    report(context);
    endEdit();
}

void CAutoAnimation::openWindow()
{
    bWindowOpened = true;
    setDirty(true);
}

void CAutoAnimation::closeWindow()
{
    bWindowOpened = false;
    setDirty(true);
}

void CAutoAnimation::nextPixmap()
{
    const auto lastImage = static_cast<float>((subPixmaps - 1) * heightOfOneImage);
    value += static_cast<float>(heightOfOneImage);
    if (value > lastImage)
        value = 0.0f;
}

void CAutoAnimation::previousPixmap()
{
    value -= static_cast<float>(heightOfOneImage);
    if (value < 0.0f)
        value = subPixmaps > 0 ? static_cast<float>((subPixmaps - 1) * heightOfOneImage) : 0.0f;
}

} // namespace Toolkit


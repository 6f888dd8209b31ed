#include "toolkit/horizontal_switch.h"

#include "toolkit/draw_context.h"
#include "toolkit/switch_positions.h"

#include <cstring>

namespace Toolkit {

CHorizontalSwitch::CHorizontalSwitch(
    const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background, const CPoint& offset)
    : CHorizontalSwitch(size, listener, tag, imagesAlong(background, true, size.width()),
          size.width(), imagesAlong(background, true, size.width()), background, offset)
{
}

CHorizontalSwitch::CHorizontalSwitch(const CRect& size, CControlListener* listener, std::int32_t tag,
    std::int32_t subPixmaps, std::int32_t widthOfOneImage, std::int32_t iMaxPositions, CBitmap* background,
    const CPoint&)
    : CControl(size, listener, tag, background),
      subPixmaps(subPixmaps),
      widthOfOneImage(widthOfOneImage),
      iMaxPositions(iMaxPositions)
{
    setDefaultValue(0.0f);
}

bool CHorizontalSwitch::isTypeOf(const char* type)
{
    return std::strcmp(type, "CHorizontalSwitch") == 0 || CControl::isTypeOf(type);
}

void CHorizontalSwitch::draw(CDrawContext* context)
{
    if (subPixmaps > 0 && iMaxPositions > 0)
        drawBackgroundFrom(context, {imageOfValue(value, iMaxPositions) * widthOfOneImage, 0});
    setDirty(false);
}

void CHorizontalSwitch::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, false) || checkDefaultValue(context, buttons))
        return;
    if (iMaxPositions < 2 || widthOfOneImage <= 0)
        return;
    beginEdit();
    CPoint at = where;
    do {
        value = positionAt(at.h - size.left, widthOfOneImage, iMaxPositions);
        reportIfDirty(context);
        getMouseLocation(context, at);
        doIdleStuff();
    } while (context->getMouseButtons() == buttons);
    endEdit();
}

} // namespace Toolkit

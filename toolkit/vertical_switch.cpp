#include "toolkit/vertical_switch.h"

#include "toolkit/draw_context.h"
#include "toolkit/switch_positions.h"

#include <cstring>

namespace Toolkit {

CVerticalSwitch::CVerticalSwitch(
    const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background, const CPoint& offset)
    : CVerticalSwitch(size, listener, tag, imagesAlong(background, false, size.height()),
          size.height(), imagesAlong(background, false, size.height()), background, offset)
{
}

CVerticalSwitch::CVerticalSwitch(const CRect& size, CControlListener* listener, std::int32_t tag,
    std::int32_t subPixmaps, std::int32_t heightOfOneImage, std::int32_t iMaxPositions, CBitmap* background,
    const CPoint&)
    : CControl(size, listener, tag, background),
      subPixmaps(subPixmaps),
      heightOfOneImage(heightOfOneImage),
      iMaxPositions(iMaxPositions)
{
    setDefaultValue(0.0f);
}

bool CVerticalSwitch::isTypeOf(const char* type)
{
    return std::strcmp(type, "CVerticalSwitch") == 0 || CControl::isTypeOf(type);
}

void CVerticalSwitch::draw(CDrawContext* context)
{
    if (subPixmaps > 0 && iMaxPositions > 0)
        drawBackgroundFrom(context, {0, imageOfValue(value, iMaxPositions) * heightOfOneImage});
    setDirty(false);
}

void CVerticalSwitch::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, false) || checkDefaultValue(context, buttons))
        return;
    if (iMaxPositions < 2 || heightOfOneImage <= 0)
        return;
    beginEdit();
    CPoint at = where;
    do {
        value = positionAt(at.v - size.top, heightOfOneImage, iMaxPositions);
        reportIfDirty(context);
        getMouseLocation(context, at);
        doIdleStuff();
    } while (context->getMouseButtons() == buttons);
    endEdit();
}

} // namespace Toolkit

#include "toolkit/rocker_switch.h"

#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

#include <cstring>

namespace Toolkit {

CRockerSwitch::CRockerSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
    const CPoint& offset, std::int32_t style)
    : CRockerSwitch(size, listener, tag, size.width(), background, offset, style)
{
}

CRockerSwitch::CRockerSwitch(const CRect& size, CControlListener* listener, std::int32_t tag,
    std::int32_t heightOfOneImage, CBitmap* background, const CPoint& offset, std::int32_t style)
    : CControl(size, listener, tag, background), offset(offset), heightOfOneImage(heightOfOneImage), style(style)
{
    setMin(-1.0f);
    setMax(1.0f);
}

bool CRockerSwitch::isTypeOf(const char* type)
{
    return std::strcmp(type, "CRockerSwitch") == 0 || CControl::isTypeOf(type);
}

void CRockerSwitch::draw(CDrawContext* context)
{
    CPoint from = offset;
    if (value == 0.0f)
        from.v += heightOfOneImage;
    else if (value > 0.0f)
        from.v += 2 * heightOfOneImage;
    drawBackgroundFrom(context, from);
    setDirty(false);
}

void CRockerSwitch::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, false))
        return;
    const float entry = value;
    CRect first = size;
    CRect second = size;
    if ((style & kHorizontalRocker) != 0)
        first.right = second.left = size.left + size.width() / 2;
    else
        first.bottom = second.top = size.top + size.height() / 2;

    beginEdit();
    CPoint at = where;
    do {
        value = first.pointInside(at) ? -1.0f : second.pointInside(at) ? 1.0f : entry;
        reportIfDirty(context);
        getMouseLocation(context, at);
        doIdleStuff();
    } while ((context->getMouseButtons() & kLeftButton) != 0);
    value = 0.0f;
    report(context);
    endEdit();
}

bool CRockerSwitch::onWheel(CDrawContext* context, const CPoint&, float distance)
{
    if (!mouseEnabled)
        return false;
    beginEdit();
    value = distance > 0.0f ? -1.0f : 1.0f;
    report(context);
    value = 0.0f;
    report(context);
    endEdit();
    return true;
}

} // namespace Toolkit

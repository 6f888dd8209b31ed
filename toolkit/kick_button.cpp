#include "toolkit/kick_button.h"

#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

#include <cstring>

namespace Toolkit {

CKickButton::CKickButton(
    const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background, const CPoint& offset)
    : CKickButton(size, listener, tag, size.height(), background, offset)
{
}

CKickButton::CKickButton(const CRect& size, CControlListener* listener, std::int32_t tag,
    std::int32_t heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), offset(offset), heightOfOneImage(heightOfOneImage)
{
}

void CKickButton::draw(CDrawContext* context)
{
    CPoint from = offset;
    bounceValue();
    if (value != 0.0f)
        from.v += heightOfOneImage;
    drawBackgroundFrom(context, from);
    setDirty(false);
}

// While held, the button is pressed over its rectangle and back as it was beside it.
void CKickButton::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, false))
        return;
    const float entry = value;
    const float pressed = entry == 0.0f ? 1.0f : 0.0f;
    beginEdit();
    if (context->getMouseButtons() == kLeftButton) {
        CPoint at = where;
        do {
            value = containsWithEdges(size, at) ? pressed : entry;
            reportIfDirty(context);
            getMouseLocation(context, at);
            doIdleStuff();
        } while (context->getMouseButtons() == kLeftButton);
    } else {
        value = pressed;
        report(context);
    }
    value = 0.0f;
    report(context);
    endEdit();
}

bool CKickButton::isTypeOf(const char* type)
{
    return std::strcmp(type, "CKickButton") == 0 || CControl::isTypeOf(type);
}

} // namespace Toolkit

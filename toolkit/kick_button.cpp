#include "toolkit/kick_button.h"


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
    drawOffOrOnImage(context, offset, heightOfOneImage);
}

void CKickButton::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, false))
        return;
    beginEdit();
    followPressWhileHeld(context, where, value == 0.0f ? 1.0f : 0.0f);
    value = 0.0f;
    report(context);
    endEdit();
}

bool CKickButton::isTypeOf(const char* type)
{
    return std::strcmp(type, "CKickButton") == 0 || CControl::isTypeOf(type);
}

} // namespace Toolkit

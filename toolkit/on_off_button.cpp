#include "toolkit/on_off_button.h"

#include "toolkit/bitmap.h"

#include <cmath>
#include <cstring>

namespace Toolkit {

COnOffButton::COnOffButton(
    const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background, std::int32_t style)
    : CControl(size, listener, tag, background), style(style)
{
}

void COnOffButton::draw(CDrawContext* context)
{
    const std::int32_t onImage = value != 0.0f && background != nullptr ? background->getHeight() / 2 : 0;
    drawBackgroundFrom(context, {0, onImage});
    setDirty(false);
}

void COnOffButton::mouse(CDrawContext* context, const CPoint&, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, true))
        return;
    value = std::trunc(value) != 0.0f ? 0.0f : 1.0f;
    const auto tell = [&] {
        beginEdit();
        report(context);
        endEdit();
    };
    if (style == kTellBeforeRedraw && listener != nullptr)
        tell();
    doIdleStuff();
    if (style == kTellAfterRedraw && listener != nullptr)
        tell();
}

bool COnOffButton::isTypeOf(const char* type)
{
    return std::strcmp(type, "COnOffButton") == 0 || CControl::isTypeOf(type);
}

} // namespace Toolkit

#include "editor/controls/my_on_off.h"

#include "editor/controls/control_clicks.h"
#include "toolkit/mouse_buttons.h"

myOnOff::myOnOff(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
                 Toolkit::CBitmap* background, std::int32_t style)
    : COnOffButton(size, listener, tag, background, style)
{
}

void myOnOff::mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons)
{
    if (!mouseEnabled)
        return;
    buttons = editor::clickButtons(context, buttons);
    if ((buttons & Toolkit::kLeftButton) != 0) {
        value = value < 0.5f ? 1.0f : 0.0f;
        report(context);
        setDirty(true);
    } else if ((buttons & Toolkit::kRightButton) != 0) {
        editor::openContextMenu(context, this, where);
    }
}

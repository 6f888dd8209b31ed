#include "editor/controls/my_pad.h"

void myPad::mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons)
{
    value = 0.0f;
    CKickButton::mouse(context, where, buttons);
}

#include "editor/controls/my_radio_bitmap_button.h"

#include "editor/controls/control_clicks.h"
#include "toolkit/mouse_buttons.h"

myRadioBitmapButton::myRadioBitmapButton(const Toolkit::CRect& size, Toolkit::CControlListener* listener,
                                         std::int32_t tag, Toolkit::CBitmap* background, std::int32_t onOffset)
    : CControl(size, listener, tag, background), onOffset(onOffset)
{
}

void myRadioBitmapButton::draw(Toolkit::CDrawContext* context)
{
    drawBackgroundFrom(context, {0, value == 1.0f ? onOffset : 0});
    setDirty(false);
}

void myRadioBitmapButton::mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint&, std::int32_t buttons)
{
    if (!mouseEnabled || (editor::clickButtons(context, buttons) & Toolkit::kLeftButton) == 0)
        return;
    value = 1.0f;
    setDirty(true);
    report(context);
}

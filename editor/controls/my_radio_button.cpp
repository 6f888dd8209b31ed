#include "editor/controls/my_radio_button.h"

#include "editor/controls/control_clicks.h"
#include "editor/ueditor.h"
#include "toolkit/bitmap.h"
#include "toolkit/mouse_buttons.h"

myRadioButton::myRadioButton(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
                             std::int32_t onOffset)
    : CControl(size, listener, tag, nullptr), onOffset(onOffset)
{
}

void myRadioButton::draw(Toolkit::CDrawContext* context)
{
    auto* owner = dynamic_cast<uEditor*>(getEditor());
    if (Toolkit::CBitmap* image = owner != nullptr ? owner->image(kRadioImage) : nullptr) {
        const Toolkit::CPoint from{0, value == 1.0f ? onOffset : 0};
        if (transparencyEnabled)
            image->drawTransparent(context, size, from);
        else
            image->draw(context, size, from);
    }
    setDirty(false);
}

void myRadioButton::mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint&, std::int32_t buttons)
{
    if (!mouseEnabled || (editor::clickButtons(context, buttons) & Toolkit::kLeftButton) == 0)
        return;
    value = 1.0f;
    setDirty(true);
    report(context);
}

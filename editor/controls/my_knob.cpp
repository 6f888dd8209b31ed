#include "editor/controls/my_knob.h"

#include "editor/controls/control_clicks.h"
#include "editor/ueditor.h"
#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

using Toolkit::CPoint;

myKnob::myKnob(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
               Toolkit::CBitmap* background, const CPoint& offset)
    : CAnimKnob(size, listener, tag, kImageCount, size.bottom - size.top, background, offset)
{
}

void myKnob::mouse(Toolkit::CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseEnabled || tag == uEditor::kCommandTag || context == nullptr)
        return;
    buttons = editor::clickButtons(context, buttons);
    if ((buttons & Toolkit::kLeftButton) == 0) {
        if ((buttons & Toolkit::kRightButton) != 0)
            editor::openContextMenu(context, this, where);
        return;
    }
    if (buttons == Toolkit::kDefaultValueClick) {
        value = getDefaultValue();
        reportIfDirty(context);
        return;
    }

    constexpr float kPixelsForRange = 200.0f;
    constexpr float kFinePixelsForRange = 10000.0f;
    const auto stepFor = [this](std::int32_t held) {
        return (vmax - vmin) / ((held & Toolkit::kShiftHeld) != 0 ? kFinePixelsForRange : kPixelsForRange);
    };
    // The value is always worked out from the entry value, so Shift changing the step re-anchors the
    // entry value where the step changes; the buttons compared are those of the last step taken, so a
    // Shift change while the mouse rests still counts when it moves on.
    float entry = value;
    float step = stepFor(buttons);
    std::int32_t stepButtons = buttons;
    const CPoint first = where;
    CPoint last{-1, -1};
    CPoint at = where;
    beginEdit();
    std::int32_t held = buttons;
    do {
        held = context->getMouseButtons();
        if (!(at == last)) {
            last = at;
            const auto distance = static_cast<float>(first.v - at.v);
            if (held != stepButtons) {
                const float newStep = stepFor(held);
                entry += distance * (step - newStep);
                step = newStep;
                stepButtons = held;
            }
            value = entry + distance * step;
            bounceValue();
            report(context);
        }
        getMouseLocation(context, at);
        doIdleStuff();
    } while ((held & Toolkit::kLeftButton) != 0);
    endEdit();
}

#include "editor/controls/my_v_slider.h"

#include "editor/controls/control_clicks.h"
#include "editor/ueditor.h"
#include "plugin/aplugin.h"
#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

using Toolkit::CPoint;
using Toolkit::CRect;

myVSlider::myVSlider(const CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
                     Toolkit::CBitmap* background, Toolkit::CBitmap* handle, float travel, std::int32_t format)
    : CControl(size, listener, tag, background), travel(travel), format(format), handle(handle)
{
}

void myVSlider::readoutText(float value, std::int32_t format, char (&text)[kReadoutSize])
{
    const double v = value;
    const auto whole = [](double x) { return static_cast<int>(x); };
    switch (format) {
    case 0: std::snprintf(text, kReadoutSize, "%d", whole(v * 200.0 - 100.0)); break;
    case 1: std::snprintf(text, kReadoutSize, "%d", whole(v * 24.99 - 12.0)); break;
    case 2: std::snprintf(text, kReadoutSize, "%d", whole(v * 8.99 - 4.0)); break;
    case 3: std::snprintf(text, kReadoutSize, "%d", whole(std::pow(2.0, 5.0 - 10.0 * v) * 100.0)); break;
    case 4:
        if (std::fabs(v - 0.5) < 0.01)
            std::snprintf(text, kReadoutSize, "C");
        else if (v >= 0.5)
            std::snprintf(text, kReadoutSize, "%dD", whole((1.0 - v) * 200.0));
        else
            std::snprintf(text, kReadoutSize, "%dW", whole(v * 200.0));
        break;
    default: text[0] = 0;
    }
}

void myVSlider::draw(Toolkit::CDrawContext* context)
{
    // The handle image and the read-out box, relative to the control's top-left corner.
    constexpr std::int32_t kHandleLeft = 2;
    constexpr std::int32_t kHandleRight = 49;
    constexpr std::int32_t kHandleBottom = 63;
    constexpr CRect kReadoutBox{2, 3, 37, 17};
    constexpr std::int32_t kReadoutFont = Toolkit::kArial9;

    drawBackgroundFrom(context, {0, 0});
    bounceValue();
    const auto h = static_cast<std::int32_t>((1.0f - value) * travel);
    if (handle != nullptr)
        handle->draw(context,
                     CRect{size.left + kHandleLeft, size.top + h + kHandleTop, size.left + kHandleRight,
                           size.top + h + kHandleBottom},
                     {0, 0});
    char text[kReadoutSize];
    readoutText(value, format, text);
    context->setFont(kReadoutFont, 0, 0);
    context->setFontColor(Toolkit::kBlackColor);
    CRect box = kReadoutBox;
    context->drawString(text, box.offset(size.left, size.top), false, Toolkit::kAlignCentre);
    setDirty(false);
}

void myVSlider::mouse(Toolkit::CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseEnabled || context == nullptr)
        return;
    buttons = editor::clickButtons(context, buttons);
    if ((buttons & Toolkit::kLeftButton) == 0) {
        if ((buttons & Toolkit::kRightButton) != 0)
            editor::openContextMenu(context, this, where);
        return;
    }
    if (buttons == Toolkit::kDefaultValueClick) {
        // The default is the parameter's; a fader with no parameter behind its tag has none.
        auto* owner = dynamic_cast<uEditor*>(getEditor());
        if (owner == nullptr || tag < 0 || tag >= kNumParams)
            return;
        setValue(static_cast<APlugin*>(owner->getEffect())->getDefaultValues()[tag]);
        reportIfDirty(context);
        return;
    }

    constexpr float kFineDivisor = 20.0f;
    float position = std::clamp(static_cast<float>(where.v - size.top - kHandleTop) / travel, 0.0f, 1.0f);
    value = 1.0f - position;
    CPoint last = where;
    CPoint at = where;
    std::int32_t held = buttons;
    do {
        held = context->getMouseButtons();
        float moved = static_cast<float>(at.v - last.v) / travel;
        if ((held & Toolkit::kShiftHeld) != 0)
            moved /= kFineDivisor;
        last = at;
        position = std::clamp(position + moved, 0.0f, 1.0f);
        value = 1.0f - position;
        reportIfDirty(context);
        getMouseLocation(context, at);
        doIdleStuff();
    } while ((held & Toolkit::kLeftButton) != 0);
    setDirty(true);
}

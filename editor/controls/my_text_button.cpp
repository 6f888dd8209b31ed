#include "editor/controls/my_text_button.h"

#include "editor/controls/control_clicks.h"
#include "editor/controls/editor_colours.h"
#include "editor/ueditor.h"
#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

#include <algorithm>
#include <cstring>

using Toolkit::CRect;

myTextButton::myTextButton(const CRect& size, Toolkit::CControlListener* listener, Toolkit::CBitmap* background,
                           const char* text)
    : CParamDisplay(size, background, 0)
{
    this->listener = listener;
    tag = uEditor::kCommandTag;
    setText(text);
}

void myTextButton::setText(const char* newText)
{
    const char* shown = newText != nullptr ? newText : " ";
    const std::size_t length = std::min(std::strlen(shown), sizeof text - 1);
    std::memcpy(text, shown, length);
    text[length] = 0;
    setDirty(true);
}

void myTextButton::draw(Toolkit::CDrawContext* context)
{
    if (plainStyle) {
        if (bold)
            context->setFont(Toolkit::kArial14, 0, Toolkit::kBoldStyle);
        else
            context->setFont(Toolkit::kArial11, 0, 0);
        context->setFontColor(editor::kTextGrey);
        context->drawString(text, size, false, Toolkit::kAlignLeft);
    } else {
        context->setFont(Toolkit::kArial12, 0, Toolkit::kBoldStyle);
        context->setFontColor(editor::kShadowTeal);
        context->drawString(text, CRect{size.left + 2, size.top + 2, size.right, size.bottom}, false,
                            Toolkit::kAlignLeft);
        context->setFontColor(editor::kTextGrey);
        context->drawString(text, size, false, Toolkit::kAlignLeft);
    }
    setDirty(false);
}

void myTextButton::mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint&, std::int32_t buttons)
{
    if (!mouseEnabled || context == nullptr)
        return;
    if ((editor::clickButtons(context, buttons) & Toolkit::kLeftButton) == 0)
        return;
    value = 1.0f;
    setDirty(true);
    report(context);
    while (context->getMouseButtons() == Toolkit::kLeftButton)
        doIdleStuff();
    value = 0.0f;
    setDirty(true);
    report(context);
}

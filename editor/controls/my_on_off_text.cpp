#include "editor/controls/my_on_off_text.h"

#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"

#include <algorithm>
#include <cstring>

namespace {

void copyText(char (&to)[Toolkit::kDisplayTextSize], const char* from)
{
    if (from == nullptr)
        return;
    const std::size_t length = std::min(std::strlen(from), sizeof to - 1);
    std::memcpy(to, from, length);
}

} // namespace

myOnOffText::myOnOffText(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
                         Toolkit::CBitmap* background, const char* offText, const char* onText,
                         Toolkit::CColor colour, std::int32_t style)
    : myOnOff(size, listener, tag, background, style), colour(colour)
{
    copyText(this->offText, offText);
    copyText(this->onText, onText);
}

void myOnOffText::draw(Toolkit::CDrawContext* context)
{
    if (background != nullptr)
        background->drawTransparent(context, size, {0, 0});
    context->setFont(Toolkit::kArial10, 0, Toolkit::kBoldStyle);
    context->setFontColor(colour);
    context->drawString(value >= 0.5f ? onText : offText,
                        Toolkit::CRect{size.left + 5, size.top, size.right, size.bottom - 1}, false,
                        Toolkit::kAlignLeft);
    setDirty(false);
}

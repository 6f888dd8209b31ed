#include "toolkit/text_label.h"

#include <cstring>

namespace Toolkit {

CTextLabel::CTextLabel(const CRect& size, const char* text, CBitmap* background, std::int32_t style)
    : CParamDisplay(size, background, style)
{
    setText(text);
}

bool CTextLabel::isTypeOf(const char* type)
{
    return std::strcmp(type, "CTextLabel") == 0 || CParamDisplay::isTypeOf(type);
}

void CTextLabel::setText(const char* newText)
{
    text.reset();
    if (newText == nullptr)
        return;
    const std::size_t length = std::strlen(newText);
    text = std::make_unique<char[]>(length + 1);
    std::memcpy(text.get(), newText, length + 1);
}

void CTextLabel::draw(CDrawContext* context)
{
    drawText(context, text.get());
}

} // namespace Toolkit

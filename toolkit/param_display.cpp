#include "toolkit/param_display.h"

#include "toolkit/bitmap.h"
#include "toolkit/draw_context.h"

#include <cstdio>
#include <cstring>

namespace Toolkit {

namespace {

// Marks the display dirty when the field changes.
template <class T>
void change(CParamDisplay& display, T& field, const T& value)
{
    if (!(field == value))
        display.setDirty(true);
    field = value;
}

} // namespace

CParamDisplay::CParamDisplay(const CRect& size, CBitmap* background, std::int32_t style)
    : CControl(size, nullptr, 0, background), style(style)
{
    if ((style & kNoDrawStyle) != 0)
        setDirty(false);
}

bool CParamDisplay::isTypeOf(const char* type)
{
    return std::strcmp(type, "CParamDisplay") == 0 || CControl::isTypeOf(type);
}

void CParamDisplay::setFont(std::int32_t fontId)
{
    change(*this, fontID, fontId);
}

void CParamDisplay::setFontColor(CColor color)
{
    change(*this, fontColor, color);
}

void CParamDisplay::setBackColor(CColor color)
{
    change(*this, backColor, color);
}

void CParamDisplay::setFrameColor(CColor color)
{
    change(*this, frameColor, color);
}

void CParamDisplay::setShadowColor(CColor color)
{
    change(*this, shadowColor, color);
}

void CParamDisplay::setHoriAlign(std::int32_t alignment)
{
    change(*this, horiAlign, alignment);
}

void CParamDisplay::setStringConvert(StringConvertWithData convert, void* data)
{
    stringConvert2 = convert;
    userData = data;
}

void CParamDisplay::setStringConvert(StringConvert convert)
{
    stringConvert = convert;
}

void CParamDisplay::setString2FloatConvert(String2FloatConvert convert)
{
    string2FloatConvert = convert;
}

void CParamDisplay::setStyle(std::int32_t newStyle)
{
    change(*this, style, newStyle);
}

void CParamDisplay::setTxtFace(std::int32_t face)
{
    change(*this, txtFace, face);
}

void CParamDisplay::draw(CDrawContext* context)
{
    char text[kDisplayTextSize] = {};
    if (stringConvert2 != nullptr)
        stringConvert2(value, text, userData);
    else if (stringConvert != nullptr)
        stringConvert(value, text);
    else
        std::snprintf(text, sizeof text, "%2.2f", value);
    drawText(context, text);
}

void CParamDisplay::drawText(CDrawContext* context, const char* text, CBitmap* bitmap)
{
    setDirty(false);
    if ((style & kNoDrawStyle) != 0)
        return;
    drawBackgroundOrBox(context, bitmap);
    if ((style & (k3DIn | k3DOut)) != 0)
        draw3DEdge(context);
    if ((style & kNoTextStyle) != 0 || text == nullptr)
        return;

    CRect oldClip;
    context->getClipRect(oldClip);
    CRect clip = size;
    context->setClipRect(clip.bound(oldClip));
    context->setFont(fontID, 0, txtFace);
    if ((style & kShadowText) != 0) {
        CRect shadow = size;
        context->setFontColor(shadowColor);
        context->drawString(text, shadow.offset(1, 1), false, horiAlign);
    }
    context->setFontColor(fontColor);
    context->drawString(text, size, !bTextTransparencyEnabled, horiAlign);
    context->setClipRect(oldClip);
}

void CParamDisplay::drawBackgroundOrBox(CDrawContext* context, CBitmap* bitmap)
{
    if (bitmap == nullptr)
        bitmap = background;
    if (bitmap != nullptr) {
        if (transparencyEnabled)
            bitmap->drawTransparent(context, size, backOffset);
        else
            bitmap->draw(context, size, backOffset);
        return;
    }
    if (transparencyEnabled)
        return;
    context->setFillColor(backColor);
    context->fillRect(size);
    if ((style & (k3DIn | k3DOut | kNoFrame)) == 0) {
        context->setFrameColor(frameColor);
        context->drawRect(size, kOutline);
    }
}

void CParamDisplay::draw3DEdge(CDrawContext* context)
{
    const bool sunken = (style & k3DIn) != 0;
    context->setLineWidth(1);
    context->setFrameColor(sunken ? backColor : frameColor);
    const CPoint leftAndTop[] = {
        {size.left, size.bottom - 1}, {size.left, size.top + 1}, {size.right - 1, size.top + 1}};
    context->polyLine(leftAndTop, 3);
    context->setFrameColor(sunken ? frameColor : backColor);
    const CPoint rightAndBottom[] = {
        {size.right - 1, size.top + 1}, {size.right - 1, size.bottom - 1}, {size.left, size.bottom - 1}};
    context->polyLine(rightAndBottom, 3);
}

} // namespace Toolkit

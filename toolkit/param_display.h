#pragma once

// A control that shows its value as a text, through a converter its owner installs or else as a number
// with two decimals, over its background bitmap or a filled box, with frame, 3D edge, shadow, font,
// colours and alignment. The option menu and the editor's labels build on it.

#include "toolkit/color.h"
#include "toolkit/control.h"
#include "toolkit/draw_values.h"
#include "toolkit/font_table.h"

namespace Toolkit {

// The style bits of text controls: this one, the option menu and the text edit.
enum TextControlStyle : std::int32_t {
    // Option menu: every entry has a check flag of its own, which choosing the entry toggles.
    kMultipleCheckStyle = 0x0001,
    // The text is drawn twice, first in the shadow colour one pixel right and down.
    kShadowText = 0x0004,
    // A sunken one-pixel edge.
    k3DIn = 0x0080,
    // A raised one-pixel edge.
    k3DOut = 0x0100,
    // Option menu: the pop-up opens at the control's top edge instead of its bottom edge.
    kPopupStyle = 0x0200,
    // Option menu: the current entry is checked (without kMultipleCheckStyle).
    kCheckStyle = 0x0400,
    kNoTextStyle = 0x0800,
    kNoDrawStyle = 0x1000,
    // Text edit: editing starts only on a double click.
    kDoubleClickStyle = 0x2000,
    // No frame around the filled box.
    kNoFrame = 0x4000,
};

// The text buffer a converter fills: 256 characters with the end.
inline constexpr std::int32_t kDisplayTextSize = 256;

using StringConvert = void (*)(float value, char* text);
using StringConvertWithData = void (*)(float value, char* text, void* userData);
using String2FloatConvert = void (*)(const char* text, float& value);

class CParamDisplay : public CControl {
public:
    CParamDisplay(const CRect& size, CBitmap* background = nullptr, std::int32_t style = 0);
    ~CParamDisplay() override = default;

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) override;

    // The setters of what the display looks like mark it dirty when the value changes.
    virtual void setFont(std::int32_t fontId);
    virtual void setFontColor(CColor color);
    virtual void setBackColor(CColor color);
    virtual void setFrameColor(CColor color);
    virtual void setShadowColor(CColor color);
    virtual void setHoriAlign(std::int32_t alignment);
    // Wins over the converter without user data.
    virtual void setStringConvert(StringConvertWithData convert, void* data);
    virtual void setStringConvert(StringConvert convert);
    virtual void setString2FloatConvert(String2FloatConvert convert);
    virtual void setStyle(std::int32_t newStyle);
    virtual void setTxtFace(std::int32_t face);
    // False draws the text on an opaque cell of the context's fill colour.
    virtual void setTextTransparency(bool state) { bTextTransparencyEnabled = state; }

    // The background (the bitmap given, else the control's own, else the box) and the text over it; a
    // null text draws the background alone.
    void drawText(CDrawContext* context, const char* text, CBitmap* bitmap = nullptr);

protected:
    StringConvert stringConvert = nullptr;
    StringConvertWithData stringConvert2 = nullptr;
    String2FloatConvert string2FloatConvert = nullptr;
    void* userData = nullptr;
    std::int32_t horiAlign = kAlignCentre;
    std::int32_t style;
    std::int32_t fontID = kArial12;
    // Font style bits for the context's setFont.
    std::int32_t txtFace = 0;
    CColor fontColor = kWhiteColor;
    CColor backColor = kBlackColor;
    CColor frameColor = kBlackColor;
    CColor shadowColor{255, 0, 0, 255};
    bool bTextTransparencyEnabled = true;

private:
    void drawBackgroundOrBox(CDrawContext* context, CBitmap* bitmap);
    void draw3DEdge(CDrawContext* context);
};

} // namespace Toolkit

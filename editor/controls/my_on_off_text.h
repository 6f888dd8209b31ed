#pragma once

// A two-state button that writes its state as a word over its background; it takes the mouse as the
// editor's two-state button does.

#include "editor/controls/my_on_off.h"
#include "toolkit/color.h"
#include "toolkit/param_display.h"

class myOnOffText : public myOnOff {
public:
    // Texts are cut to 255 characters; a null text is empty.
    myOnOffText(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
                Toolkit::CBitmap* background, const char* offText, const char* onText, Toolkit::CColor colour,
                std::int32_t style);

    // The on text from 0.5 up.
    void draw(Toolkit::CDrawContext* context) override;

private:
    Toolkit::CColor colour;
    char offText[Toolkit::kDisplayTextSize] = {};
    char onText[Toolkit::kDisplayTextSize] = {};
};

#pragma once

// The editor's momentary command button: it draws only its text, and reports 1 while pressed and 0 when
// let go.

#include "toolkit/param_display.h"

class myTextButton : public Toolkit::CParamDisplay {
public:
    // Texts are cut to 255 characters; a null text is a blank.
    myTextButton(const Toolkit::CRect& size, Toolkit::CControlListener* listener, Toolkit::CBitmap* background,
                 const char* text);

    // The default style is a bold text over a teal shadow; the plain style a grey text, bold or regular.
    void draw(Toolkit::CDrawContext* context) override;
    // The press lasts while the left button is held alone: a modifier or another button ends it.
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;

    // Cut to 255 characters; a null text is a blank.
    void setText(const char* newText);
    const char* getText() const { return text; }
    void setPlainStyle(bool state) { plainStyle = state; }
    void setBold(bool state) { bold = state; }

private:
    char text[Toolkit::kDisplayTextSize] = {};
    bool plainStyle = false;
    bool bold = false;
};

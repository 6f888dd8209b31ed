#pragma once

// A text drawn glyph by glyph from one of the editor's two bitmap fonts, or in the drawing context's own
// font. It shows its text, not its value.

#include "toolkit/param_display.h"

class myLabel : public Toolkit::CParamDisplay {
public:
    // Fonts 0 and 1 are the bitmap fonts, 2 the context's font.
    static constexpr std::int32_t kContextFont = 2;

    // Texts are cut to 254 characters; a null text is empty. Alignment 0 left, 1 centre, 2 right.
    myLabel(const Toolkit::CRect& size, const char* text, std::int32_t alignment, std::int32_t font);

    // Cut and emptied as the constructor does; the caller marks the label dirty.
    void setText(const char* newText);

    // A glyph that would reach the right edge is left out; a later, narrower one may still fit.
    void draw(Toolkit::CDrawContext* context) override;
    const char* getText() const { return text; }
    std::int32_t getAlignment() const { return alignment; }

private:
    char text[Toolkit::kDisplayTextSize] = {};
    std::int32_t alignment;
    std::int32_t font;
};

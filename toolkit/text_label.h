#pragma once

// A display that shows a text of its own instead of its value: a static label over its background or
// a filled box, in the display's font, colours, alignment and style.

#include "toolkit/param_display.h"

#include <memory>

namespace Toolkit {

class CTextLabel : public CParamDisplay {
public:
    explicit CTextLabel(
        const CRect& size, const char* text = nullptr, CBitmap* background = nullptr, std::int32_t style = 0);
    ~CTextLabel() override = default;

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) override;

    // A copy of the text is kept; null shows the background alone.
    virtual void setText(const char* newText);
    virtual const char* getText() { return text.get(); }

private:
    std::unique_ptr<char[]> text;
};

} // namespace Toolkit

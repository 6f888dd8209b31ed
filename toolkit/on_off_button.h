#pragma once

// A two-state button: a click turns a value whose whole part is 0 on, and any other off. Its
// background holds two images stacked, off above on.

#include "toolkit/control.h"

namespace Toolkit {

class COnOffButton : public CControl {
public:
    // When the listener hears of a click: after the idle pass that redraws the button, or before it.
    enum Style : std::int32_t { kTellAfterRedraw = 0, kTellBeforeRedraw = 1 };

    COnOffButton(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
        std::int32_t style = kTellAfterRedraw);
    ~COnOffButton() override = default;

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    bool isTypeOf(const char* type) override;

    virtual std::int32_t getStyle() { return style; }
    virtual void setStyle(std::int32_t newStyle) { style = newStyle; }

protected:
    std::int32_t style;
};

} // namespace Toolkit

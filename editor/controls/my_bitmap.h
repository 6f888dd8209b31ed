#pragma once

// A picture in the editor's window that takes no mouse and carries no parameter.

#include "toolkit/control.h"

class myBitmap : public Toolkit::CControl {
public:
    myBitmap(const Toolkit::CRect& size, Toolkit::CBitmap* background, Toolkit::CControlListener* listener);

    // The background's top-left part over the control's rectangle.
    void draw(Toolkit::CDrawContext* context) override;
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;
};

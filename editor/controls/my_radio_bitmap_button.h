#pragma once

// One cell of a group of exclusive buttons drawn from its own background: its "on" image lies the
// on-image offset below the "off" one.

#include "toolkit/control.h"

class myRadioBitmapButton : public Toolkit::CControl {
public:
    myRadioBitmapButton(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
                        Toolkit::CBitmap* background, std::int32_t onOffset);

    // On at exactly 1.
    void draw(Toolkit::CDrawContext* context) override;
    // A left press turns it on.
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;

private:
    std::int32_t onOffset;
};

#pragma once

// A rectangle of one colour: a line when it is one pixel thin.

#include "toolkit/color.h"
#include "toolkit/control.h"

class myLine : public Toolkit::CControl {
public:
    myLine(const Toolkit::CRect& size, Toolkit::CColor colour, Toolkit::CControlListener* listener);

    void draw(Toolkit::CDrawContext* context) override;

private:
    Toolkit::CColor colour;
};

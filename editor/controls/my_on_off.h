#pragma once

// The editor's two-state button, drawn as the toolkit's: a left press turns it over, the right button
// opens the editor's context menu.

#include "toolkit/on_off_button.h"

class myOnOff : public Toolkit::COnOffButton {
public:
    myOnOff(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
            Toolkit::CBitmap* background, std::int32_t style);

    // Below 0.5 turns on, anything else off.
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;
};

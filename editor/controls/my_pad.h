#pragma once

// A voice or pattern pad: a kick button lit while its voice or pattern sounds. Every click starts from
// dark, so that pressing a sounding pad plays it instead of reading as its release; the next light
// update lights it again.

#include "toolkit/kick_button.h"

class myPad : public Toolkit::CKickButton {
public:
    using CKickButton::CKickButton;

    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;
};

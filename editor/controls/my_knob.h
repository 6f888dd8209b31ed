#pragma once

// The editor's knob: a filmstrip of 151 images as high as the control, dragged up and down.

#include "toolkit/anim_knob.h"

class myKnob : public Toolkit::CAnimKnob {
public:
    static constexpr std::int32_t kImageCount = 151;

    myKnob(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
           Toolkit::CBitmap* background, const Toolkit::CPoint& offset);

    // 200 pixels up cover the range, 10000 with Shift; Ctrl+left alone restores the default; the right
    // button opens the editor's context menu. A command knob takes no mouse at all.
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;
};

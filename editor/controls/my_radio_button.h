#pragma once

// One cell of a group of exclusive buttons, drawn from the editor's shared radio image: its "on" image
// lies the on-image offset below the "off" one. The group's logic belongs to the page.

#include "toolkit/control.h"

class myRadioButton : public Toolkit::CControl {
public:
    static constexpr std::int32_t kRadioImage = 10057;

    myRadioButton(const Toolkit::CRect& size, Toolkit::CControlListener* listener, std::int32_t tag,
                  std::int32_t onOffset);

    // On at exactly 1; nothing outside the open editor, which holds the image.
    void draw(Toolkit::CDrawContext* context) override;
    // A left press turns it on.
    void mouse(Toolkit::CDrawContext* context, const Toolkit::CPoint& where, std::int32_t buttons) override;

private:
    std::int32_t onOffset;
};

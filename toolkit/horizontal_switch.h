#pragma once

// A switch of several positions that shows one image of a horizontal filmstrip per position. Clicking
// and dragging picks the position under the pointer: the control is divided into equal bands from left
// to right.

#include "toolkit/control.h"

namespace Toolkit {

class CHorizontalSwitch : public CControl {
public:
    // One position per image, the images as wide as the control.
    CHorizontalSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
        const CPoint& offset);
    CHorizontalSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t subPixmaps,
        std::int32_t widthOfOneImage, std::int32_t iMaxPositions, CBitmap* background, const CPoint& offset);
    ~CHorizontalSwitch() override = default;

    // Value 0 shows image 0, value 1 the image of the last position; image n lies n images right of the
    // strip's left edge. The offset the constructors take is not used: the strip is read from its corner.
    void draw(CDrawContext* context) override;
    // A switch of fewer than two positions stays where it is.
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    bool isTypeOf(const char* type) override;

protected:
    std::int32_t subPixmaps;
    std::int32_t widthOfOneImage;
    std::int32_t iMaxPositions;
};

} // namespace Toolkit

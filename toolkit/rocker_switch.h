#pragma once

// A three-way rocker: −1 while held in its left (top) half, +1 in its right (bottom) half, back to 0
// when released. Its strip holds the images of −1, 0 and +1 below each other.

#include "toolkit/control.h"

namespace Toolkit {

class CRockerSwitch : public CControl {
public:
    // Images as high as the control is wide.
    CRockerSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
        const CPoint& offset, std::int32_t style);
    CRockerSwitch(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t heightOfOneImage,
        CBitmap* background, const CPoint& offset, std::int32_t style);
    ~CRockerSwitch() override = default;

    void draw(CDrawContext* context) override;
    // Outside both halves the value is what it was at the click.
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    // A turn away from the user (positive) rocks to −1, any other to +1; then back to 0.
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    bool isTypeOf(const char* type) override;

    // Style bit: the halves lie left and right; without it, top and bottom.
    static constexpr std::int32_t kHorizontalRocker = 1;

protected:
    CPoint offset;
    std::int32_t heightOfOneImage;
    std::int32_t style;
};

} // namespace Toolkit

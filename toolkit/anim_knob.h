#pragma once

// A knob drawn as one image of a filmstrip: the background holds the images stacked from top to bottom,
// the first for the lowest value. It is drawn again only when its value moves its point on the circle.

#include "toolkit/knob.h"

namespace Toolkit {

class CAnimKnob : public CKnob {
public:
    // The images are as high as the control, as many as the background holds.
    CAnimKnob(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
        const CPoint& offset);
    CAnimKnob(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t subPixmaps,
        std::int32_t heightOfOneImage, CBitmap* background, const CPoint& offset);
    ~CAnimKnob() override = default;

    // Image floor(value × (images − 1)); the last only at the end of the range, the first for a
    // negative value.
    void draw(CDrawContext* context) override;
    bool isDirty() override;
    bool isTypeOf(const char* type) override;

protected:
    std::int32_t subPixmaps;
    std::int32_t heightOfOneImage;
    CPoint lastDrawnPoint;
};

} // namespace Toolkit

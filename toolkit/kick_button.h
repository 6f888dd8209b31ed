#pragma once

// A momentary button: on while the left button holds it down over it, off again when released. Its
// background holds the released image at the offset and the pressed one below it.

#include "toolkit/control.h"

namespace Toolkit {

class CKickButton : public CControl {
public:
    // The images are as high as the control.
    CKickButton(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
        const CPoint& offset);
    CKickButton(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t heightOfOneImage,
        CBitmap* background, const CPoint& offset);
    ~CKickButton() override = default;

    void draw(CDrawContext* context) override;
    // Ends with a report of 0 whatever happened before.
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    bool isTypeOf(const char* type) override;

protected:
    CPoint offset;
    std::int32_t heightOfOneImage;
};

} // namespace Toolkit

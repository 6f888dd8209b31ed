#pragma once

// A display of a vertical filmstrip: the value from 0 to 1 picks an image, the first for 0 and below,
// the last for 1 and above.

#include "toolkit/control.h"

namespace Toolkit {

class CMovieBitmap : public CControl {
public:
    // One image per control height of the background.
    CMovieBitmap(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
        const CPoint& offset);
    CMovieBitmap(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t subPixmaps,
        std::int32_t heightOfOneImage, CBitmap* background, const CPoint& offset);
    ~CMovieBitmap() override = default;

    // A strip without images draws nothing.
    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) override;

protected:
    CPoint offset;
    std::int32_t subPixmaps;
    std::int32_t heightOfOneImage;
};

} // namespace Toolkit

#pragma once

// A button that toggles between off (0) and on (1) and stays there. Its strip holds the off image at
// the offset and the on image below it. While held it shows the new state over its rectangle and the
// old one beside it; released beside it, nothing changes.

#include "toolkit/control.h"

namespace Toolkit {

class CMovieButton : public CControl {
public:
    CMovieButton(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t heightOfOneImage,
        CBitmap* background, const CPoint& offset);
    ~CMovieButton() override = default;

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    bool isTypeOf(const char* type) override;

protected:
    CPoint offset;
    std::int32_t heightOfOneImage;
};

} // namespace Toolkit

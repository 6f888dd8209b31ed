#pragma once

// A control that shows a picture over a rectangle of its own choosing (toDisplay) when clicked: the
// picture comes up as the frame's modal view, and a click on it takes it away again.

#include "toolkit/control.h"

#include <cstdint>

namespace Toolkit {

class CSplashScreen : public CControl {
public:
    CSplashScreen(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
        const CRect& toDisplay, const CPoint& offset);
    ~CSplashScreen() override = default;

    // The picture while the value is not 0.
    void draw(CDrawContext* context) override;
    // A left click toggles the value; on 1 the picture comes up and, when the frame takes it as its modal
    // view, the listener is told.
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    // Only the left button reaches it.
    bool hitTest(const CPoint& where, std::int32_t buttons) override;
    bool isTypeOf(const char* type) override;

    // Back to 0, reported.
    virtual void unSplash();

    // Below 255 the picture is blended over what lies under it with that alpha; 0 draws it with its
    // transparent parts left out and no blending.
    void setAlphaValue(std::uint8_t alpha);
    // The background from the offset over toDisplay, whatever the value.
    void drawPicture(CDrawContext* context);

protected:
    CRect toDisplay;
    CPoint offset;
    std::uint8_t alphaValue = 255;
};

} // namespace Toolkit

#pragma once

// A filmstrip animation that its owner steps image by image. Its value is the pixel row of the strip
// where the shown image starts; it shows only while its window is open, and a click opens or closes it.

#include "toolkit/control.h"

namespace Toolkit {

class CAutoAnimation : public CControl {
public:
    // One image per control height of the background.
    CAutoAnimation(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background,
        const CPoint& offset);
    CAutoAnimation(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t subPixmaps,
        std::int32_t heightOfOneImage, CBitmap* background, const CPoint& offset);
    ~CAutoAnimation() override = default;

    void draw(CDrawContext* context) override;
    // A left click goes back to the first image, toggles the window and tells the listener.
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    bool isTypeOf(const char* type) override;

    virtual void openWindow();
    virtual void closeWindow();
    // From the last image to the first.
    virtual void nextPixmap();
    // From the first image to the last.
    virtual void previousPixmap();

    bool isWindowOpened() const { return bWindowOpened; }

protected:
    CPoint offset;
    std::int32_t subPixmaps;
    std::int32_t heightOfOneImage;
    bool bWindowOpened = false;
};

} // namespace Toolkit

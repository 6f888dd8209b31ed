#pragma once

// A slider: a handle bitmap moved along one axis over a background. The value maps to the handle's
// position along rangeHandle pixels of travel, from the left or top edge of the travel or from the right
// or bottom one as the style says. The mouse drags the handle (a click anywhere moves its centre under
// the pointer with free click, otherwise the handle must be hit); Shift drags finer; the wheel and the
// arrow keys step it as they step a knob.

#include "toolkit/control.h"

namespace Toolkit {

class COffscreenContext;

// The slider's and the level meter's style bits.
enum SliderStyle : std::int32_t {
    kHorizontal = 1,
    kVertical = 2,
    // Where value 0 lies.
    kLeft = 8,
    kRight = 16,
    kTop = 32,
    kBottom = 64,
};

class CSlider : public CControl {
public:
    // The travel runs from iMinPos to iMaxPos, in the container's coordinates along the moving axis.
    CSlider(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t iMinPos,
        std::int32_t iMaxPos, CBitmap* handle, CBitmap* background, const CPoint& offset, std::int32_t style);
    // The travel starts at offsetHandle within the control and is rangeHandle long, the handle included.
    CSlider(const CRect& size, CControlListener* listener, std::int32_t tag, const CPoint& offsetHandle,
        std::int32_t rangeHandle, CBitmap* handle, CBitmap* background, const CPoint& offset, std::int32_t style);
    ~CSlider() override;

    void draw(CDrawContext* context) override;
    // A slider without travel keeps its value.
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    std::int32_t onKeyDown(PlugKeyCode& key) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    bool isTypeOf(const char* type) override;
    // While attached, the slider is assembled in a buffer of its own and copied out whole.
    bool attached(CView* parent) override;
    bool removed(CView* parent) override;

    virtual void setDrawTransparentHandle(bool state) { bDrawTransparentEnabled = state; }
    virtual void setFreeClick(bool state) { bFreeClick = state; }
    virtual bool getFreeClick() { return bFreeClick; }
    // Where the travel starts within the control.
    virtual void setOffsetHandle(const CPoint& point);
    virtual void setHandle(CBitmap* handle);
    virtual CBitmap* getHandle() { return pHandle; }
    // How much finer a drag with Shift is.
    virtual void setZoomFactor(float factor) { zoomFactor = factor; }
    virtual float getZoomFactor() { return zoomFactor; }

protected:
    bool horizontal() const { return (style & kHorizontal) != 0; }
    // The handle where the value puts it, in the container's coordinates.
    CRect handleRect() const;

    CPoint offset;
    CPoint offsetHandle;
    CBitmap* pHandle = nullptr;
    COffscreenContext* pOScreen = nullptr;
    std::int32_t style;
    std::int32_t widthOfSlider = 1;
    std::int32_t heightOfSlider = 1;
    std::int32_t rangeHandle = 0;
    // The handle's leading edge stays within these, relative to the control, along the moving axis.
    std::int32_t minTmp = 0;
    std::int32_t maxTmp = 0;
    std::int32_t minPos = 0;
    std::int32_t widthControl;
    std::int32_t heightControl;
    float zoomFactor = 10.0f;
    bool bDrawTransparentEnabled = true;
    bool bFreeClick = true;
};

} // namespace Toolkit

#pragma once

// A rotary knob: its value maps to an angle on a circle as wide as the control, swept clockwise from
// 225° by 270° by default, with a dead zone below. It draws its background and a handle, a line from
// the centre or a bitmap, at that angle; the mouse drags it round the circle or, in the linear knob
// mode, up and down; the wheel and the arrow keys step it.

#include "toolkit/color.h"
#include "toolkit/control.h"

namespace Toolkit {

class CKnob : public CControl {
public:
    // The handle bitmap may be null: a line is drawn instead.
    CKnob(const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background, CBitmap* handle,
        const CPoint& offset);
    ~CKnob() override;

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons) override;
    // The arrow keys: up and right step up, left and down step down, a tenth as far with Shift.
    std::int32_t onKeyDown(PlugKeyCode& key) override;
    // Consumed even at a bound.
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    bool isTypeOf(const char* type) override;

    virtual void drawHandle(CDrawContext* context);
    // In radians, counter-clockwise from the right.
    virtual void setStartAngle(float angle);
    virtual float getStartAngle() { return startAngle; }
    // Negative sweeps clockwise.
    virtual void setRangeAngle(float angle);
    virtual float getRangeAngle() { return rangeAngle; }
    // Where the handle points for the value, relative to the control's top-left corner.
    virtual void valueToPoint(CPoint& point);
    // The value at a point relative to the top-left corner; points in the dead zone give the nearer end.
    virtual float valueFromPoint(CPoint& point);
    virtual void setInsetValue(std::int32_t value) { inset = value; }
    virtual void setColorShadowHandle(CColor color);
    virtual void setColorHandle(CColor color);
    virtual void setHandleBitmap(CBitmap* bitmap);
    // How much finer a linear drag with Shift is.
    virtual void setZoomFactor(float factor) { zoomFactor = factor; }
    virtual float getZoomFactor() { return zoomFactor; }

    // The knob modes the frame hands out: only this one drags linearly (Alt turns either round).
    static constexpr std::int32_t kLinearMode = 2;

protected:
    // The coefficients of the angle mapping, for the range as it is now: setMin and setMax do not redo
    // them.
    void compute();

    CPoint offset;
    CColor colorHandle = kWhiteColor;
    CColor colorShadowHandle{127, 127, 127, 255};
    CBitmap* pHandle;
    // How far inside the circle the handle's point lies.
    std::int32_t inset;
    float startAngle = 0.0f;
    float rangeAngle = 1.0f;
    // Half the dead zone outside the sweep.
    float halfAngle = 0.0f;
    // Value per radian, and the value at angle 0.
    float aCoef = 0.0f;
    float bCoef = 0.0f;
    float radius;
    float zoomFactor = 1.5f;
};

} // namespace Toolkit

#pragma once

// A level meter of nbLed steps: the lit picture for the level, the unlit one for the rest, growing
// from the left (horizontal) or the bottom. The shown level falls back slowly: each draw it drops by at
// most decreaseValue towards the value, and it rises at once.

#include "toolkit/control.h"

namespace Toolkit {

class COffscreenContext;

class CVuMeter : public CControl {
public:
    // Style kHorizontal (slider.h) lays the meter across; any other, upright.
    CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, std::int32_t nbLed, std::int32_t style);
    ~CVuMeter() override;

    // Nothing without the lit picture or without LEDs.
    void draw(CDrawContext* context) override;
    // Leaves the shown level alone: only the view's own flag changes.
    void setDirty(bool state) override;
    bool isTypeOf(const char* type) override;
    bool attached(CView* parent) override;
    bool removed(CView* parent) override;

    virtual void setDecreaseStepValue(float step) { decreaseValue = step; }

    // Takes effect when the meter is next attached: it is then drawn through a buffer of its own.
    void setUseOffscreen(bool state) { bUseOffscreen = state; }

protected:
    CBitmap* onBitmap;
    CBitmap* offBitmap;
    COffscreenContext* pOScreen = nullptr;
    std::int32_t nbLed;
    std::int32_t style;
    float decreaseValue = 0.1f;
    bool bUseOffscreen = false;
};

} // namespace Toolkit

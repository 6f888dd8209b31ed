#pragma once

// A slider that moves its handle vertically: the style given gets the vertical bit.

#include "toolkit/slider.h"

namespace Toolkit {

class CVerticalSlider : public CSlider {
public:
    CVerticalSlider(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t iMinPos,
        std::int32_t iMaxPos, CBitmap* handle, CBitmap* background, const CPoint& offset, std::int32_t style);
    CVerticalSlider(const CRect& size, CControlListener* listener, std::int32_t tag, const CPoint& offsetHandle,
        std::int32_t rangeHandle, CBitmap* handle, CBitmap* background, const CPoint& offset, std::int32_t style);
    ~CVerticalSlider() override = default;
};

} // namespace Toolkit

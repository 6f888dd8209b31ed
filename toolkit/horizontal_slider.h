#pragma once

// A slider that moves its handle horizontally: the style given gets the horizontal bit.

#include "toolkit/slider.h"

namespace Toolkit {

class CHorizontalSlider : public CSlider {
public:
    CHorizontalSlider(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t iMinPos,
        std::int32_t iMaxPos, CBitmap* handle, CBitmap* background, const CPoint& offset, std::int32_t style);
    CHorizontalSlider(const CRect& size, CControlListener* listener, std::int32_t tag, const CPoint& offsetHandle,
        std::int32_t rangeHandle, CBitmap* handle, CBitmap* background, const CPoint& offset, std::int32_t style);
    ~CHorizontalSlider() override = default;
};

} // namespace Toolkit

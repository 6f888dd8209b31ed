#include "toolkit/vertical_slider.h"

namespace Toolkit {

CVerticalSlider::CVerticalSlider(const CRect& size, CControlListener* listener, std::int32_t tag,
    std::int32_t iMinPos, std::int32_t iMaxPos, CBitmap* handle, CBitmap* background, const CPoint& offset,
    std::int32_t style)
    : CSlider(size, listener, tag, iMinPos, iMaxPos, handle, background, offset, style | kVertical)
{
}

CVerticalSlider::CVerticalSlider(const CRect& size, CControlListener* listener, std::int32_t tag,
    const CPoint& offsetHandle, std::int32_t rangeHandle, CBitmap* handle, CBitmap* background, const CPoint& offset,
    std::int32_t style)
    : CSlider(size, listener, tag, offsetHandle, rangeHandle, handle, background, offset, style | kVertical)
{
}

} // namespace Toolkit

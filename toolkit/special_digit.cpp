#include "toolkit/special_digit.h"

#include "toolkit/bitmap.h"
#include "toolkit/truncate_into.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Toolkit {

CSpecialDigit::CSpecialDigit(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t dwPos,
    std::int32_t iNumbers, const std::int32_t* xpos, const std::int32_t* ypos, std::int32_t width,
    std::int32_t height, CBitmap* background)
    : CControl(size, listener, tag, background),
      iNumbers(std::clamp(iNumbers, std::int32_t{1}, kMostDigits)),
      width(width),
      height(height)
{
    const std::int32_t step = background != nullptr ? background->getWidth() : 0;
    for (std::int32_t digit = 0; digit < this->iNumbers; ++digit) {
        this->xpos[digit] = xpos != nullptr ? xpos[digit] : size.left + digit * step;
        this->ypos[digit] = xpos != nullptr && ypos != nullptr ? ypos[digit] : size.top;
    }
    setMin(0.0f);
    setMax(static_cast<float>(std::pow(10.0, this->iNumbers) - 1.0));
    setValue(static_cast<float>(dwPos));
}

bool CSpecialDigit::isTypeOf(const char* type)
{
    return std::strcmp(type, "CSpecialDigit") == 0 || CControl::isTypeOf(type);
}

void CSpecialDigit::draw(CDrawContext* context)
{
    if (background != nullptr) {
        // Digits are never negative, and NaN shows the lowest number.
        const std::int32_t lowest = truncateInto(vmin, 0, INT32_MAX);
        std::int32_t number = truncateInto(value, lowest, truncateInto(vmax, lowest, INT32_MAX));
        for (std::int32_t digit = iNumbers - 1; digit >= 0; --digit) {
            const std::int32_t shown = number % 10;
            number /= 10;
            const CRect box{xpos[digit], ypos[digit], xpos[digit] + width, ypos[digit] + height};
            if (transparencyEnabled)
                background->drawTransparent(context, box, {0, shown * height});
            else
                background->draw(context, box, {0, shown * height});
        }
    }
    setDirty(false);
}

float CSpecialDigit::getNormValue()
{
    return std::clamp(value / vmax, 0.0f, 1.0f);
}

} // namespace Toolkit

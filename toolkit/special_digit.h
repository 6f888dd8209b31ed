#pragma once

// A display of a whole number in 1 to 7 decimal digits, each drawn from a vertical strip of the ten
// digit images 0 to 9. Values outside 0 .. 10^digits − 1 show the nearer end.

#include "toolkit/control.h"

#include <array>

namespace Toolkit {

class CSpecialDigit : public CControl {
public:
    // The digits' top-left corners come from the position arrays (iNumbers entries each); without x
    // positions they lie side by side from the control's corner, a background's width apart. Each
    // digit's image is width × height.
    CSpecialDigit(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t dwPos,
        std::int32_t iNumbers, const std::int32_t* xpos, const std::int32_t* ypos, std::int32_t width,
        std::int32_t height, CBitmap* background);
    ~CSpecialDigit() override = default;

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) override;

    // The value over the largest one shown, within 0..1.
    virtual float getNormValue();

    static constexpr std::int32_t kMostDigits = 7;

protected:
    std::int32_t iNumbers;
    std::array<std::int32_t, kMostDigits> xpos{};
    std::array<std::int32_t, kMostDigits> ypos{};
    std::int32_t width;
    std::int32_t height;
};

} // namespace Toolkit

#pragma once

// A colour as four bytes, red first. The fourth byte tells colours apart (a transparent white is not
// white) but never reaches GDI.

#include "platform/gdi/gdi_types.h"

#include <cstdint>

namespace Toolkit {

struct CColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t unused = 0;

    COLORREF gdiValue() const { return RGB(red, green, blue); }

    friend bool operator==(const CColor&, const CColor&) = default;
};

// Passed by value as one 32-bit word, red in the low byte.
static_assert(sizeof(CColor) == 4);

inline constexpr CColor kBlackColor{0, 0, 0, 255};
inline constexpr CColor kWhiteColor{255, 255, 255, 255};
inline constexpr CColor kTransparentColor{255, 255, 255, 0};

} // namespace Toolkit

#pragma once

// The eleven fonts a drawing context can select, by id: a face and the size that size 0 asks for.

#include <cstdint>

namespace Toolkit {

enum FontId : std::int32_t {
    kArialBold12 = 0,
    kArial18 = 1,
    kArial14 = 2,
    kArial12 = 3,
    kArial11 = 4,
    kArial10 = 5,
    kArial9 = 6,
    kSymbol13 = 7,
    kVerdana10 = 8,
    kVerdana14 = 9,
    kVerdana8 = 10,
};

inline constexpr std::int32_t kFontCount = 11;

struct FontDescription {
    const char* face;
    // In pixels.
    std::int32_t defaultSize;
    // The system font is bold whatever style is asked for.
    bool alwaysBold;
    // The symbol font belongs to the decorative family.
    bool decorative;
};

// Any id outside 0..10 stands for 0.
const FontDescription& fontDescription(std::int32_t fontId);
std::int32_t validFontId(std::int32_t fontId);

} // namespace Toolkit

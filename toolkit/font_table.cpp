#include "toolkit/font_table.h"

#include <array>

namespace Toolkit {

namespace {

constexpr std::array<FontDescription, kFontCount> kFonts{{
    {"Arial", 12, true, false},
    {"Arial", 18, false, false},
    {"Arial", 14, false, false},
    {"Arial", 12, false, false},
    {"Arial", 11, false, false},
    {"Arial", 10, false, false},
    {"Arial", 9, false, false},
    {"Symbol", 13, false, true},
    {"Verdana", 10, false, false},
    {"Verdana", 14, false, false},
    {"Verdana", 8, false, false},
}};

} // namespace

std::int32_t validFontId(std::int32_t fontId)
{
    return fontId >= 0 && fontId < kFontCount ? fontId : kArialBold12;
}

const FontDescription& fontDescription(std::int32_t fontId)
{
    return kFonts[static_cast<std::size_t>(validFontId(fontId))];
}

} // namespace Toolkit

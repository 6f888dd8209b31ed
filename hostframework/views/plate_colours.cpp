#include "hostframework/views/plate_colours.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kStyleCount = kLastPlateStyle - kFirstPlateStyle + 1;
using StyleColours = std::array<HostColor, kPlateColourCount>;

constexpr HostColor grey(std::uint16_t level)
{
    return {level, level, level};
}

struct SPlateTable {
    std::array<StyleColours, kStyleCount> styles{{
        {},
        {},
        {grey(0xDDDD), grey(0xBBBB), grey(0xAAAA), grey(0x8888), grey(0x5555), grey(0x2222)},
        {grey(0xFFFF), grey(0xFFFF), grey(0xEEEE), grey(0xCCCC), grey(0x8888), grey(0x3333)},
        {{{0xFFFF, 0xCCCC, 0xCCCC}, {0xFFFF, 0x9999, 0x9999}, {0xFFFF, 0x9999, 0x9999}, {0xFFFF, 0x6666, 0x6666},
          {0xFFFF, 0x3333, 0x3333}, {0x6666, 0x0000, 0x0000}}},
        {{{0xCCCC, 0xFFFF, 0xCCCC}, {0xCCCC, 0xFFFF, 0x9999}, {0x9999, 0xCCCC, 0x9999}, {0x6666, 0x9999, 0x6666},
          {0x3333, 0x6666, 0x3333}, {0x0000, 0x3333, 0x0000}}},
        {grey(0xEEEE), grey(0xEEEE), grey(0xDDDD), grey(0xBBBB), grey(0x7777), grey(0x3333)},
        {{{0xFFFF, 0xFFFF, 0xFFFF}, {0xCCCC, 0xFFFF, 0xFFFF}, {0x9999, 0xCCCC, 0xFFFF}, {0x6666, 0x9999, 0xCCCC},
          {0x3333, 0x6666, 0x9999}, {0x0000, 0x3333, 0x6666}}},
        {{{0xFFFF, 0xFFFF, 0xCCCC}, {0xFFFF, 0xFFFF, 0x9999}, {0xCCCC, 0xCCCC, 0x6666}, {0x9999, 0x9999, 0x3333},
          {0x6666, 0x6666, 0x0000}, {0x3333, 0x3333, 0x0000}}},
    }};
    bool derived = false;
};

SPlateTable& table()
{
    static SPlateTable plates;
    return plates;
}

StyleColours& coloursOf(std::int16_t style)
{
    return table().styles[static_cast<std::size_t>(style - kFirstPlateStyle)];
}

// Multiples of an eleventh of the component: the lighter style rises above the background, the darker
// one falls far below it.
constexpr int kLightFactors[kPlateColourCount] = {14, 12, 11, 10, 8, 7};
constexpr int kDarkFactors[kPlateColourCount] = {5, 4, 2, 1, 0, 0};

std::uint16_t derived(std::uint16_t component, int factor)
{
    // Rounded in real arithmetic and then cut: white's eleventh is 5958, not 5957.
    const int base = static_cast<int>(component / 11.0 + 0.5);
    return static_cast<std::uint16_t>(std::clamp(base * factor, 0, 0xFFFF));
}

} // namespace

HostColor PlateColour(std::int16_t style, int index)
{
    if (style < kFirstPlateStyle || style > kLastPlateStyle)
        style = 0;
    return coloursOf(style)[static_cast<std::size_t>(index)];
}

bool HighlightForeColour(std::int16_t highlightColour, HostColor* out)
{
    constexpr std::int16_t kStyleOfHighlight[4] = {2, 5, 3, 6};
    constexpr int kForeColour = 4;
    if (highlightColour < 0 || highlightColour >= 4)
        return false;
    *out = PlateColour(kStyleOfHighlight[highlightColour], kForeColour);
    return true;
}

bool OwnStyleForeColour(std::int16_t plateStyle, HostColor* out)
{
    switch (plateStyle) {
    case 1: *out = {0x0000, 0x6666, 0xFFFF}; return true;
    case 4: *out = {0x0000, 0x0000, 0xAAAA}; return true;
    default: return false;
    }
}

bool PlateStylesDerived()
{
    return table().derived;
}

void DerivePlateStyles(const HostColor& background)
{
    StyleColours& light = coloursOf(-2);
    StyleColours& dark = coloursOf(-1);
    for (int i = 0; i < kPlateColourCount; ++i) {
        light[i] = {derived(background.red, kLightFactors[i]), derived(background.green, kLightFactors[i]),
                    derived(background.blue, kLightFactors[i])};
        dark[i] = {derived(background.red, kDarkFactors[i]), derived(background.green, kDarkFactors[i]),
                   derived(background.blue, kDarkFactors[i])};
    }
    table().derived = true;
}

void ForgetDerivedPlateStyles()
{
    coloursOf(-2) = {};
    coloursOf(-1) = {};
    table().derived = false;
}

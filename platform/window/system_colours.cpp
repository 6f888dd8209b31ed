#include "platform/window/system_colours.h"

#include "platform/gdi/gdi_objects.h"

#include <array>
#include <optional>

namespace {

struct SystemColour {
    int index;
    COLORREF colour;
};

constexpr std::array<SystemColour, 8> kColours{{
    {COLOR_MENU, RGB(192, 192, 192)},
    {COLOR_MENUTEXT, RGB(0, 0, 0)},
    {COLOR_HIGHLIGHT, RGB(0, 0, 128)},
    {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
    {COLOR_GRAYTEXT, RGB(128, 128, 128)},
    {COLOR_BTNFACE, RGB(192, 192, 192)},
    {COLOR_WINDOW, RGB(255, 255, 255)},
    {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
}};

std::optional<std::size_t> position(int index)
{
    for (std::size_t at = 0; at < kColours.size(); ++at)
        if (kColours[at].index == index)
            return at;
    return std::nullopt;
}

} // namespace

DWORD GetSysColor(int index)
{
    const auto at = position(index);
    return at ? kColours[*at].colour : 0;
}

HBRUSH GetSysColorBrush(int index)
{
    static const std::array<HBRUSH, kColours.size()> brushes = [] {
        std::array<HBRUSH, kColours.size()> made{};
        for (std::size_t at = 0; at < kColours.size(); ++at)
            made[at] = platform::createStockBrush(kColours[at].colour);
        return made;
    }();
    const auto at = position(index);
    return at ? brushes[*at] : nullptr;
}

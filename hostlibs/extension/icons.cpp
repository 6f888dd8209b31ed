#include "hostlibs/extension/host_controls.h"

#include "hostlibs/extension/graphics_state.h"

#include <cstddef>
#include <cstring>

namespace {

using hostext::graphics;
using platform::RectangleSet;

constexpr std::int32_t kIconHeaderSize = 4;

} // namespace

extern "C" {

void HostExtPlotIcon(const HostRect* rect, HostHandle icon)
{
    HostPort port = graphics().current;
    if (port == nullptr || rect == nullptr || icon == nullptr)
        return;
    const std::int32_t size = HostExtGetHandleSize(icon);
    if (size < kIconHeaderSize)
        return;
    const auto* data = reinterpret_cast<const std::uint8_t*>(*icon);
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::memcpy(&width, data, sizeof width);
    std::memcpy(&height, data + 2, sizeof height);
    const std::int64_t rowBytes = (width + 7) / 8;
    const std::int64_t frameWidth = rect->right - rect->left;
    const std::int64_t frameHeight = rect->bottom - rect->top;
    if (width == 0 || height == 0 || size - kIconHeaderSize < rowBytes * height || frameWidth <= 0 || frameHeight <= 0)
        return;
    const std::uint8_t* rows = data + kIconHeaderSize;
    RectangleSet area;
    for (std::int64_t y = 0; y < frameHeight; ++y) {
        const std::int64_t row = y * height / frameHeight;
        // Runs of set pixels along the row, each added whole.
        std::int64_t runStart = -1;
        for (std::int64_t x = 0; x <= frameWidth; ++x) {
            const std::int64_t column = x * width / frameWidth;
            const bool set = x < frameWidth && (rows[row * rowBytes + column / 8] >> (7 - column % 8) & 1) != 0;
            if (set && runStart < 0) {
                runStart = x;
            } else if (!set && runStart >= 0) {
                const LONG v = rect->top + static_cast<LONG>(y);
                area.add(RECT{rect->left + static_cast<LONG>(runStart), v, rect->left + static_cast<LONG>(x), v + 1});
                runStart = -1;
            }
        }
    }
    hostext::paintArea(*port, area, {hostext::toColour(port->fore), nullptr}, {"icon", *rect, port->fore, false, {}});
}

} // extern "C"

#include "platform/gdi/image_library.h"

#include "platform/gdi/draw_target.h"
#include "platform/gdi/rasterizer.h"
#include "platform/last_error.h"
#include "platform/module_loading.h"
#include "platform/platform_module.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <functional>
#include <vector>

namespace {

std::atomic<platform::ImageLibrary> library{platform::ImageLibrary::complete};

std::uint32_t byteOf(std::uint32_t pixel, int channel)
{
    return (pixel >> (8 * channel)) & 0xFF;
}

std::uint32_t scaled(std::uint32_t value, std::uint32_t by)
{
    return (value * by + 127) / 255;
}

BOOL refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

// Calls combine(source pixel, destination pixel) for the block of equal size in both DCs, within the
// destination's clip; refuses stretching and a source block outside the source's pixels.
BOOL blendBlocks(const char* call, HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
    int sourceY, int sourceWidth, int sourceHeight,
    const std::function<std::uint32_t(std::uint32_t, std::uint32_t)>& combine)
{
    const auto target = platform::gdi::drawTarget(destination, call);
    const auto from = platform::gdi::drawTarget(source, call);
    if (!target || !from)
        return FALSE;
    const std::array<POINT, 3> corners{{{x, y}, {sourceX, sourceY}, {width, height}}};
    if (!platform::gdi::withinCoordinateRange(corners) || width < 0 || height < 0 || width != sourceWidth ||
        height != sourceHeight || target->pixels.monochrome || from->pixels.monochrome)
        return refuse();
    const RECT sourceBlock =
        platform::gdi::offsetRect({sourceX, sourceY, sourceX + width, sourceY + height}, from->origin);
    if (sourceBlock.left < from->bounds.left || sourceBlock.top < from->bounds.top ||
        sourceBlock.right > from->bounds.right || sourceBlock.bottom > from->bounds.bottom)
        return refuse();

    const RECT area = platform::gdi::intersection(
        target->clip, platform::gdi::offsetRect({x, y, x + width, y + height}, target->origin));
    if (platform::gdi::isEmpty(area))
        return TRUE;
    const POINT shift{sourceBlock.left - (x + target->origin.x), sourceBlock.top - (y + target->origin.y)};
    // Read first, so that a block may overlap itself in one DC.
    const LONG areaWidth = area.right - area.left;
    std::vector<std::uint32_t> sources;
    for (LONG row = area.top; row < area.bottom; ++row)
        for (LONG column = area.left; column < area.right; ++column)
            sources.push_back(from->pixels.at(column + shift.x, row + shift.y));
    target->forEachClipPart(area, [&](const RECT& part) {
        for (LONG row = part.top; row < part.bottom; ++row)
            for (LONG column = part.left; column < part.right; ++column) {
                std::uint32_t& pixel = target->pixels.at(column, row);
                pixel = combine(sources[static_cast<std::size_t>(row - area.top) * static_cast<std::size_t>(areaWidth) +
                                    static_cast<std::size_t>(column - area.left)],
                    pixel);
            }
    });
    return TRUE;
}

BOOL AlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
    int sourceWidth, int sourceHeight, BLENDFUNCTION blend)
{
    if (blend.operation != AC_SRC_OVER || blend.flags != 0 || (blend.alphaFormat & ~AC_SRC_ALPHA) != 0)
        return refuse();
    const std::uint32_t constant = blend.sourceConstantAlpha;
    const bool perPixel = (blend.alphaFormat & AC_SRC_ALPHA) != 0;
    return blendBlocks("AlphaBlend", destination, x, y, width, height, source, sourceX, sourceY, sourceWidth,
        sourceHeight, [constant, perPixel](std::uint32_t from, std::uint32_t to) {
            const std::uint32_t alpha = perPixel ? scaled(byteOf(from, 3), constant) : constant;
            std::uint32_t result = 0;
            for (int channel = 0; channel < 4; ++channel) {
                const std::uint32_t value =
                    scaled(byteOf(from, channel), constant) + scaled(byteOf(to, channel), 255 - alpha);
                result |= std::min<std::uint32_t>(value, 255) << (8 * channel);
            }
            return result;
        });
}

BOOL TransparentBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
    int sourceWidth, int sourceHeight, UINT leftOut)
{
    const std::uint32_t hidden = platform::gdi::pixelOf(leftOut & 0xFFFFFF, false);
    return blendBlocks("TransparentBlt", destination, x, y, width, height, source, sourceX, sourceY, sourceWidth,
        sourceHeight,
        [hidden](std::uint32_t from, std::uint32_t to) { return (from & 0xFFFFFF) == hidden ? to : from; });
}

const std::array<platform::BuiltInFunction, 2> functions{{
    {"AlphaBlend", reinterpret_cast<ProcAddress>(&AlphaBlend)},
    {"TransparentBlt", reinterpret_cast<ProcAddress>(&TransparentBlt)},
}};

bool present()
{
    return library.load() != platform::ImageLibrary::missing;
}

bool offers(const char* name)
{
    return library.load() == platform::ImageLibrary::complete || std::strcmp(name, "TransparentBlt") != 0;
}

} // namespace

namespace platform {

void setImageLibrary(ImageLibrary chosen)
{
    library.store(chosen);
}

PlatformModule imageLibraryModule()
{
    return {.kind = PlatformModule::Kind::builtIn,
        .name = "MSIMG32.DLL",
        .functions = functions,
        .present = &present,
        .offers = &offers};
}

} // namespace platform

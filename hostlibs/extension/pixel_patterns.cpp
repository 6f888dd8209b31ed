#include "hostlibs/extension/graphics_state.h"

#include "hostlibs/extension/host_extension.h"
#include "platform/byte_order.h"
#include "platform/four_char_code.h"

#include <cstddef>
#include <optional>

namespace {

using hostext::graphics;
using hostext::PixelPattern;

constexpr std::uint32_t kPatternType = FourCharCode("ppat");
constexpr std::size_t kHeaderSize = 4;

// Our layout: width and height, 16 bits each, high byte first, then the rows of 8-bit red, green and
// blue. Nothing for a pattern without pixels or bytes that do not add up to exactly its rows.
std::optional<PixelPattern> readPattern(const std::uint8_t* data, std::size_t size)
{
    if (size < kHeaderSize)
        return std::nullopt;
    PixelPattern pattern;
    pattern.width = static_cast<int>(platform::readBigEndian(data, 2));
    pattern.height = static_cast<int>(platform::readBigEndian(data + 2, 2));
    const std::size_t count = static_cast<std::size_t>(pattern.width) * static_cast<std::size_t>(pattern.height);
    if (count == 0 || size != kHeaderSize + 3 * count)
        return std::nullopt;
    pattern.pixels.reserve(count);
    for (const std::uint8_t* pixel = data + kHeaderSize; pixel < data + size; pixel += 3)
        pattern.pixels.push_back(RGB(pixel[0], pixel[1], pixel[2]));
    return pattern;
}

HostPixelPattern newPattern(PixelPattern pattern)
{
    ++graphics().patterns;
    return new HostPixelPatternRecord{std::move(pattern)};
}

} // namespace

extern "C" {

HostPixelPattern HostExtGetPixelPattern(std::int16_t id)
{
    HostHandle resource = HostExtGetResource(kPatternType, id);
    if (resource == nullptr)
        return nullptr;
    const auto size = static_cast<std::size_t>(HostExtGetHandleSize(resource));
    std::optional<PixelPattern> pattern = readPattern(reinterpret_cast<const std::uint8_t*>(*resource), size);
    HostExtReleaseResource(resource);
    return pattern ? newPattern(std::move(*pattern)) : nullptr;
}

HostPixelPattern HostExtNewPixelPattern()
{
    return newPattern({});
}

void HostExtDisposePixelPattern(HostPixelPattern pattern)
{
    if (pattern == nullptr)
        return;
    delete pattern;
    --graphics().patterns;
}

void HostExtCopyPixelPattern(HostPixelPattern from, HostPixelPattern to)
{
    if (from != nullptr && to != nullptr)
        to->pattern = from->pattern;
}

void HostExtBackPixelPattern(HostPixelPattern pattern)
{
    if (HostPort port = graphics().current; port != nullptr && pattern != nullptr)
        port->backPattern = pattern->pattern;
}

void HostExtBackPatternPlain()
{
    if (HostPort port = graphics().current)
        port->backPattern = {};
}

void HostExtGetBackPixelPattern(HostPixelPattern pattern)
{
    if (HostPort port = graphics().current; port != nullptr && pattern != nullptr)
        pattern->pattern = port->backPattern;
}

} // extern "C"

namespace hostext {

int livePatternCount()
{
    return graphics().patterns;
}

} // namespace hostext

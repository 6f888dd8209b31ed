#include "hostlibs/extension/png_picture.h"

#include "platform/gdi/png_decoding.h"

namespace hostext {

std::optional<PngPicture> decodePng(std::span<const std::uint8_t> file, int largestSide)
{
    PngPicture picture;
    const bool complete = platform::decodePng(file, static_cast<std::uint32_t>(largestSide),
        platform::PngChannelOrder::redGreenBlue, [&](std::int32_t width, std::int32_t height) {
            picture.width = width;
            picture.height = height;
            picture.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
            return platform::PngRows{picture.pixels.data(), false};
        });
    if (!complete)
        return std::nullopt;
    return picture;
}

} // namespace hostext

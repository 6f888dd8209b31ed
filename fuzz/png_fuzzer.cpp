// Feeds arbitrary bytes to both PNG readers, the toolkit's for the editor's bitmaps and the host
// toolbox's for its pictures. The sanitizers catch any read past the bytes; a picture the toolbox answers
// has four bytes for each of its pixels, and a bitmap the toolkit answers goes again.

#include "hostlibs/extension/png_picture.h"
#include "platform/gdi/gdi_objects.h"
#include "toolkit/png_reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

constexpr int kLargestSide = 256;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> file(data, size);
    if (const auto picture = hostext::decodePng(file, kLargestSide)) {
        if (picture->width < 1 || picture->width > kLargestSide || picture->height < 1 ||
            picture->height > kLargestSide ||
            picture->pixels.size() != static_cast<std::size_t>(picture->width) * picture->height * 4)
            std::abort();
    }
    const Toolkit::DecodedPng decoded = Toolkit::readPng(file);
    if (decoded.width < 0 || decoded.height < 0)
        std::abort();
    if (decoded.bitmap != nullptr)
        DeleteObject(decoded.bitmap);
    return 0;
}

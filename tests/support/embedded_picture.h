#pragma once

// The PNG pictures embedded in the test program's own module, as the editor finds and decodes them.

#include "platform/gdi/bitmaps.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/module_resources.h"
#include "toolkit/png_reader.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kravo::test {

// The embedded bytes of picture `id`; empty when the module holds none.
inline std::span<const unsigned char> embeddedPictureBytes(int id)
{
    HMODULE module = platform::pluginModule();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "PNG");
    if (found == nullptr)
        return {};
    const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
    return {bytes, SizeofResource(module, found)};
}

// A picture as the toolkit's loader decodes it, read back top row first.
class EmbeddedPicture {
public:
    explicit EmbeddedPicture(int id) : png_(Toolkit::readPng(embeddedPictureBytes(id)))
    {
        BITMAP description{};
        if (png_.bitmap != nullptr && GetObjectA(png_.bitmap, sizeof(description), &description) != 0)
            bits_ = static_cast<const std::uint32_t*>(description.bits);
    }
    ~EmbeddedPicture()
    {
        if (png_.bitmap != nullptr)
            DeleteObject(png_.bitmap);
    }
    EmbeddedPicture(const EmbeddedPicture&) = delete;
    EmbeddedPicture& operator=(const EmbeddedPicture&) = delete;

    const Toolkit::DecodedPng& png() const { return png_; }
    // 0 for a picture that did not decode.
    int width() const { return bits_ != nullptr ? png_.width : 0; }
    int height() const { return bits_ != nullptr ? png_.height : 0; }
    // Blue, green, red and alpha from the low byte up, premultiplied.
    std::uint32_t pixel(int x, int y) const
    {
        return bits_[static_cast<std::size_t>((png_.height - 1 - y) * png_.width + x)];
    }
    std::uint32_t alpha(int x, int y) const { return pixel(x, y) >> 24; }
    std::vector<std::uint32_t> rows(int top, int count) const
    {
        std::vector<std::uint32_t> pixels;
        for (int y = top; y < top + count; ++y)
            for (int x = 0; x < png_.width; ++x)
                pixels.push_back(pixel(x, y));
        return pixels;
    }

private:
    Toolkit::DecodedPng png_;
    const std::uint32_t* bits_ = nullptr;
};

} // namespace kravo::test

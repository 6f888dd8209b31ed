#pragma once

// Decodes a PNG file held in memory into a bitmap ready for alpha blending: a 32-bit bottom-up
// device-independent bitmap, each pixel blue, green, red and alpha, the colours premultiplied by alpha.

#include "platform/gdi/gdi_types.h"

#include <cstdint>
#include <span>

namespace Toolkit {

struct DecodedPng {
    HBITMAP bitmap = nullptr;
    // As the file's header gives them; 0 when the header could not be read.
    std::int32_t width = 0;
    std::int32_t height = 0;
    // False when the file could not be decoded to its end: the rows decoded before the fault are kept and
    // the rest are transparent.
    bool complete = false;
};

DecodedPng readPng(std::span<const unsigned char> file);

} // namespace Toolkit

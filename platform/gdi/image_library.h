#pragma once

// The system's image library, "msimg32.dll": a built-in module that LoadLibraryA finds and whose
// GetProcAddress answers "AlphaBlend" and "TransparentBlt". Neither stretches: the source block must
// have the destination's size and lie within the source's pixels, and both DCs must be in colour.
//
// AlphaBlend puts the source over the destination, each channel (the fourth byte too) as
// d' = s + round(d × (255 - a) / 255), where s and the source alpha a have first been scaled by the
// constant alpha (round(s × constant / 255)); without AC_SRC_ALPHA, a is the constant alpha itself.
// A source that was not premultiplied could pass 255; the sum stops there.
//
// TransparentBlt copies every source pixel whose colour is not the one left out.

#include "platform/gdi/gdi_types.h"

struct BLENDFUNCTION {
    BYTE operation;
    BYTE flags;
    BYTE sourceConstantAlpha;
    BYTE alphaFormat;
};

// The one blend operation: the source over the destination.
inline constexpr BYTE AC_SRC_OVER = 0;
// The source's fourth byte is its alpha, and its colours are premultiplied by it.
inline constexpr BYTE AC_SRC_ALPHA = 1;

using AlphaBlendFunction = BOOL (*)(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
    int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend);
using TransparentBltFunction = BOOL (*)(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
    int sourceY, int sourceWidth, int sourceHeight, UINT leftOut);

namespace platform {

// As on systems without the library, or with a version of it that lacks "TransparentBlt".
enum class ImageLibrary { complete, withoutTransparentBlt, missing };

void setImageLibrary(ImageLibrary library);

} // namespace platform

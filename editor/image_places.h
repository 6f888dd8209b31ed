#pragma once

// Where a control or container stands: at a corner, as large as the image that draws it (nothing for a
// missing image).

#include "toolkit/bitmap.h"
#include "toolkit/rect.h"

#include <cstdint>

namespace editor {

inline std::int32_t widthOf(const Toolkit::CBitmap* image) { return image != nullptr ? image->getWidth() : 0; }
inline std::int32_t heightOf(const Toolkit::CBitmap* image) { return image != nullptr ? image->getHeight() : 0; }

inline Toolkit::CRect placedFrom(const Toolkit::CBitmap* image, std::int32_t x, std::int32_t y)
{
    return Toolkit::CRect(x, y, x + widthOf(image), y + heightOf(image));
}

} // namespace editor

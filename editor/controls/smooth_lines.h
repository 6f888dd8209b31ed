#pragma once

// Anti-aliased lines drawn pixel by pixel over what the context shows, in its frame colour. The editor
// keeps them for curves of its own and calls none of them today.

#include "toolkit/color.h"

#include <cstdint>

namespace Toolkit {
class CDrawContext;
}

namespace editor {

// The pixel becomes old × (1 − alpha) + colour × alpha, channel by channel, truncated.
void blendPixel(std::int32_t x, std::int32_t y, float alpha, Toolkit::CColor colour, Toolkit::CDrawContext* context);
// Coordinates name pixel corners; the line's ends are weighted by how much of their pixel they cover.
void drawSmoothLine(float x1, float y1, float x2, float y2, Toolkit::CDrawContext* context);
// Segments between consecutive points.
void drawSmoothPolyline(const float* x, const float* y, std::int32_t count, Toolkit::CDrawContext* context);

} // namespace editor

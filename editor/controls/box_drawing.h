#pragma once

// Rectangles given by their edge pixels, as the gate display and the sample browser keep them.

#include <cstdint>

namespace Toolkit {
class CDrawContext;
}

namespace editor {

// An outline in the context's frame colour that covers the right and bottom coordinates too.
void drawBoxFrame(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                  Toolkit::CDrawContext* context);
// The inside of the rectangle as the context fills it, in its fill colour.
void drawBoxFill(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 Toolkit::CDrawContext* context);

} // namespace editor

#include "editor/controls/box_drawing.h"

#include "toolkit/draw_context.h"

namespace editor {

void drawBoxFrame(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                  Toolkit::CDrawContext* context)
{
    context->drawRect(Toolkit::CRect{left, top, right + 1, bottom + 1}, Toolkit::kOutline);
}

void drawBoxFill(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                 Toolkit::CDrawContext* context)
{
    context->fillRect(Toolkit::CRect{left, top, right, bottom});
}

} // namespace editor

#include "editor/controls/control_clicks.h"

#include "editor/ueditor.h"
#include "toolkit/control.h"
#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

namespace editor {

std::int32_t clickButtons(Toolkit::CDrawContext* context, std::int32_t buttons)
{
    if (buttons != Toolkit::kButtonsUnread)
        return buttons;
    return context != nullptr ? context->getMouseButtons() : 0;
}

void openContextMenu(Toolkit::CDrawContext* context, Toolkit::CControl* control, const Toolkit::CPoint& where)
{
    if (auto* owner = dynamic_cast<uEditor*>(control->getEditor()))
        owner->controlContextMenu(context, control, where);
}

} // namespace editor

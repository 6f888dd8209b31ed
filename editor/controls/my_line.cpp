#include "editor/controls/my_line.h"

#include "editor/ueditor.h"
#include "toolkit/draw_context.h"

myLine::myLine(const Toolkit::CRect& size, Toolkit::CColor colour, Toolkit::CControlListener* listener)
    : CControl(size, listener, uEditor::kCommandTag, nullptr), colour(colour)
{
}

void myLine::draw(Toolkit::CDrawContext* context)
{
    context->setFrameColor(colour);
    context->setFillColor(colour);
    context->drawRect(size, Toolkit::kFillAndOutline);
    setDirty(false);
}

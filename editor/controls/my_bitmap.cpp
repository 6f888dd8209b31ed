#include "editor/controls/my_bitmap.h"

myBitmap::myBitmap(const Toolkit::CRect& size, Toolkit::CBitmap* background, Toolkit::CControlListener* listener)
    : CControl(size, listener, 0, background)
{
}

void myBitmap::draw(Toolkit::CDrawContext* context)
{
    drawBackgroundFrom(context, {0, 0});
    setDirty(false);
}

void myBitmap::mouse(Toolkit::CDrawContext*, const Toolkit::CPoint&, std::int32_t) {}

#include "toolkit/movie_button.h"

#include "toolkit/draw_context.h"
#include "toolkit/mouse_buttons.h"

#include <cstring>

namespace Toolkit {

CMovieButton::CMovieButton(const CRect& size, CControlListener* listener, std::int32_t tag,
    std::int32_t heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), offset(offset), heightOfOneImage(heightOfOneImage)
{
}

bool CMovieButton::isTypeOf(const char* type)
{
    return std::strcmp(type, "CMovieButton") == 0 || CControl::isTypeOf(type);
}

void CMovieButton::draw(CDrawContext* context)
{
    CPoint from = offset;
    bounceValue();
    if (value != 0.0f)
        from.v += heightOfOneImage;
    drawBackgroundFrom(context, from);
    setDirty(false);
}

void CMovieButton::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, false))
        return;
    const float entry = value;
    const float toggled = entry == 0.0f ? 1.0f : 0.0f;
    beginEdit();
    if (context->getMouseButtons() == kLeftButton) {
        CPoint at = where;
        do {
            value = containsWithEdges(size, at) ? toggled : entry;
            reportIfDirty(context);
            getMouseLocation(context, at);
            doIdleStuff();
        } while (context->getMouseButtons() == kLeftButton);
    } else {
        value = toggled;
        report(context);
    }
    endEdit();
}

} // namespace Toolkit

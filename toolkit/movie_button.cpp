#include "toolkit/movie_button.h"


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
    drawOffOrOnImage(context, offset, heightOfOneImage);
}

void CMovieButton::mouse(CDrawContext* context, const CPoint& where, std::int32_t buttons)
{
    if (!mouseGoesOn(context, buttons, false))
        return;
    beginEdit();
    followPressWhileHeld(context, where, value == 0.0f ? 1.0f : 0.0f);
    endEdit();
}

} // namespace Toolkit

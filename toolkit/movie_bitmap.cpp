#include "toolkit/movie_bitmap.h"

#include "toolkit/switch_positions.h"

#include <cstring>

namespace Toolkit {

CMovieBitmap::CMovieBitmap(
    const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background, const CPoint& offset)
    : CMovieBitmap(size, listener, tag, imagesAlong(background, false, size.height()), size.height(), background,
          offset)
{
}

CMovieBitmap::CMovieBitmap(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t subPixmaps,
    std::int32_t heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background),
      offset(offset),
      subPixmaps(subPixmaps),
      heightOfOneImage(heightOfOneImage)
{
}

bool CMovieBitmap::isTypeOf(const char* type)
{
    return std::strcmp(type, "CMovieBitmap") == 0 || CControl::isTypeOf(type);
}

void CMovieBitmap::draw(CDrawContext* context)
{
    if (value > 1.0f)
        value = 1.0f;
    if (subPixmaps > 0) {
        CPoint from = offset;
        if (value > 0.0f)
            from.v += imageOfValue(value, subPixmaps) * heightOfOneImage;
        drawBackgroundFrom(context, from);
    }
    setDirty(false);
}

} // namespace Toolkit

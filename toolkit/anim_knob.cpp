#include "toolkit/anim_knob.h"

#include "toolkit/bitmap.h"
#include "toolkit/truncate_into.h"

#include <cstring>

namespace Toolkit {

namespace {

// Without a background, or with images of no height, the strip counts as one image.
std::int32_t imagesIn(const CBitmap* background, std::int32_t heightOfOneImage)
{
    if (background == nullptr || heightOfOneImage <= 0)
        return 1;
    return static_cast<std::int16_t>(background->getHeight() / heightOfOneImage);
}

} // namespace

CAnimKnob::CAnimKnob(
    const CRect& size, CControlListener* listener, std::int32_t tag, CBitmap* background, const CPoint& offset)
    : CAnimKnob(size, listener, tag, imagesIn(background, size.height()), size.height(), background, offset)
{
}

CAnimKnob::CAnimKnob(const CRect& size, CControlListener* listener, std::int32_t tag, std::int32_t subPixmaps,
    std::int32_t heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CKnob(size, listener, tag, background, nullptr, offset),
      subPixmaps(subPixmaps),
      heightOfOneImage(heightOfOneImage)
{
    inset = 0;
}

bool CAnimKnob::isTypeOf(const char* type)
{
    return std::strcmp(type, "CAnimKnob") == 0 || CKnob::isTypeOf(type);
}

// The value picks a pixel row of the strip, which goes down to the top of its image; a value beyond the
// strip shows its last. A strip of one image, or of images without height, always shows its first.
void CAnimKnob::draw(CDrawContext* context)
{
    CPoint from{0, 0};
    if (value >= 0.0f && subPixmaps > 1 && heightOfOneImage > 0) {
        const std::int32_t span = (subPixmaps - 1) * heightOfOneImage;
        from.v = truncateInto(value * static_cast<float>(span), 0, span);
        for (std::int32_t top = 0; top <= span; top += heightOfOneImage) {
            if (top > from.v) {
                from.v = top - heightOfOneImage;
                break;
            }
        }
    }
    drawBackgroundFrom(context, from);
    valueToPoint(lastDrawnPoint);
    setDirty(false);
}

bool CAnimKnob::isDirty()
{
    if (!dirty) {
        CPoint point;
        valueToPoint(point);
        if (point == lastDrawnPoint)
            return false;
    }
    return CKnob::isDirty();
}

} // namespace Toolkit

#pragma once

// One image as a GDI bitmap, drawn whole or in part into a drawing context, never stretched: a part is
// chosen by its offset in the bitmap. Images come from the module's "PNG" resources, decoded with their
// colours premultiplied by alpha and drawn by alpha blending; an id without a PNG is taken from an
// ordinary bitmap resource and drawn by copying, or with one colour left out.

#include "platform/gdi/gdi_types.h"
#include "toolkit/color.h"
#include "toolkit/rect.h"
#include "toolkit/reference_counter.h"

#include <cstdint>

namespace Toolkit {

class CDrawContext;
class CFrame;

class CBitmap : public CReferenceCounter {
public:
    explicit CBitmap(std::int32_t resourceId);
    // Blank, compatible with the screen, drawn by copying.
    CBitmap(CFrame* frame, std::int32_t width, std::int32_t height);
    CBitmap();
    ~CBitmap() override;

    // The block of the rectangle's size at offset in the bitmap, to the rectangle's top-left corner.
    virtual void draw(CDrawContext* context, const CRect& rect, const CPoint& offset);
    // As draw, leaving out the transparent colour for a bitmap drawn by copying.
    virtual void drawTransparent(CDrawContext* context, const CRect& rect, const CPoint& offset);
    // Blended over what is there, the whole block weighted by alpha (255: as it is).
    virtual void drawAlphaBlend(CDrawContext* context, const CRect& rect, const CPoint& offset, std::uint8_t alpha);
    virtual void dispose();
    // False when the id has neither a PNG nor an ordinary bitmap resource, and when its PNG cannot be
    // decoded to the end (what was decoded is kept, the rest transparent).
    virtual bool loadFromResource(std::int32_t resourceId);
    // The toolkit loads no image files: always false, and the bitmap is left empty.
    virtual bool loadFromPath(const char* path);

    // Compared through its GDI value: the fourth byte does not matter.
    void setTransparentColor(CColor color) { transparentColor_ = color; }
    // A mask of the bitmap's size from what the context shows at offset: where it shows the transparent
    // colour, drawTransparent leaves the destination as it is.
    void setTransparencyMask(CDrawContext* context, const CPoint& offset);

    HBITMAP getHandle() const { return handle_; }
    bool isLoaded() const { return handle_ != nullptr; }
    std::int32_t getWidth() const { return width_; }
    std::int32_t getHeight() const { return height_; }
    // True for a bitmap drawn by copying, false for one drawn by alpha blending.
    bool getNoAlpha() const { return noAlpha_; }

private:
    void copyBlock(HDC target, POINT at, const CRect& rect, const CPoint& offset);
    void blendBlock(HDC target, POINT at, const CRect& rect, const CPoint& offset, std::uint8_t alpha);
    void transparentBlock(HDC target, POINT at, const CRect& rect, const CPoint& offset);
    void maskedBlock(HDC target, POINT at, const CRect& rect, const CPoint& offset, HBITMAP mask);
    HBITMAP makeAlphaMask();

    std::int32_t resourceId_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    CColor transparentColor_ = kTransparentColor;
    bool noAlpha_ = true;
    HBITMAP handle_ = nullptr;
    // For drawTransparent, from setTransparencyMask.
    HBITMAP mask_ = nullptr;
    // For a bitmap with alpha when the system cannot blend: made on first need from the alpha.
    HBITMAP alphaMask_ = nullptr;
};

} // namespace Toolkit

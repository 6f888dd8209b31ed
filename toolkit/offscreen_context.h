#pragma once

// A drawing context over a memory DC with its own bitmap: the frame's back buffer, a view container's
// buffer, or a way to draw into a bitmap. The context's pen, brush, font and colours are in force in the
// memory DC from the start.

#include "toolkit/draw_context.h"

namespace Toolkit {

class CBitmap;

class COffscreenContext : public CDrawContext {
public:
    // A buffer of the bitmap's size (20 × 20 without one), compatible with the source's DC. With
    // drawInBitmap the context draws straight into the bitmap; otherwise into a buffer of its own that
    // starts as a copy of the bitmap, or black without one.
    COffscreenContext(CDrawContext* source, CBitmap* bitmap, bool drawInBitmap);
    // A buffer compatible with the frame's window, all in the background colour.
    COffscreenContext(CFrame* frame, std::int32_t width, std::int32_t height, CColor background);
    ~COffscreenContext() override;

    // The block the rectangle covers in the source (moved by the source's drawing origin), to the
    // destination point here.
    void copyTo(CDrawContext* source, const CRect& rect, const CPoint& destination = {});

    std::int32_t getWidth() const { return width_; }
    std::int32_t getHeight() const { return height_; }

private:
    void selectPixmap(HBITMAP pixmap, bool owned);

    // Not owned.
    CBitmap* bitmapBackground_ = nullptr;
    std::int32_t height_ = 20;
    std::int32_t width_ = 20;
    bool ownsPixmap_ = false;
    CColor backgroundColor_{};
    // The bitmap selected into the memory DC, and the one it replaced.
    HBITMAP pixmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};

} // namespace Toolkit

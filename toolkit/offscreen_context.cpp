#include "toolkit/offscreen_context.h"

#include "platform/gdi/bitmaps.h"
#include "platform/gdi/blits.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "toolkit/bitmap.h"
#include "toolkit/frame.h"

namespace Toolkit {

namespace {

// The whole buffer, kept in order for a size below 1.
CRect bufferRect(std::int32_t width, std::int32_t height)
{
    return {width >= 1 ? 0 : width, height >= 1 ? 0 : height, width >= 1 ? width : 0, height >= 1 ? height : 0};
}

} // namespace

COffscreenContext::COffscreenContext(CDrawContext* source, CBitmap* bitmap, bool drawInBitmap)
    : CDrawContext(source != nullptr ? source->getFrame() : nullptr, nullptr, nullptr), bitmapBackground_(bitmap)
{
    if (bitmap != nullptr) {
        width_ = bitmap->getWidth();
        height_ = bitmap->getHeight();
    }
    clipRect_ = bufferRect(width_, height_);
    HDC reference = source != nullptr ? source->getSystemContext() : nullptr;
    adoptDC(CreateCompatibleDC(reference));
    if (drawInBitmap) {
        if (bitmap != nullptr)
            selectPixmap(bitmap->getHandle(), false);
        return;
    }
    // Without a source DC the buffer matches the screen.
    HDC screen = reference == nullptr ? GetDC(nullptr) : nullptr;
    selectPixmap(CreateCompatibleBitmap(reference != nullptr ? reference : screen, width_, height_), true);
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    const CRect all{0, 0, width_, height_};
    if (bitmap != nullptr) {
        bitmap->draw(this, all, {0, 0});
    } else {
        setFillColor(kBlackColor);
        fillRect(all);
    }
}

COffscreenContext::COffscreenContext(CFrame* frame, std::int32_t width, std::int32_t height, CColor background)
    : CDrawContext(frame, nullptr, nullptr), height_(height), width_(width), backgroundColor_(background)
{
    clipRect_ = bufferRect(width, height);
    HWND window = frame != nullptr ? frame->getWindow() : nullptr;
    HDC windowDC = GetDC(window);
    adoptDC(CreateCompatibleDC(windowDC));
    if (windowDC != nullptr) {
        selectPixmap(CreateCompatibleBitmap(windowDC, width, height), true);
        ReleaseDC(window, windowDC);
    }
    setFillColor(background);
    setFrameColor(background);
    const CRect all{0, 0, width, height};
    fillRect(all);
    drawRect(all, kOutline);
}

COffscreenContext::~COffscreenContext()
{
    if (HDC memory = giveUpDC(); memory != nullptr) {
        if (oldBitmap_ != nullptr)
            SelectObject(memory, oldBitmap_);
        DeleteDC(memory);
    }
    if (ownsPixmap_)
        DeleteObject(pixmap_);
}

void COffscreenContext::selectPixmap(HBITMAP pixmap, bool owned)
{
    pixmap_ = pixmap;
    ownsPixmap_ = owned && pixmap != nullptr;
    if (pixmap != nullptr && getSystemContext() != nullptr)
        oldBitmap_ = SelectObject(getSystemContext(), pixmap);
}

void COffscreenContext::copyTo(CDrawContext* source, const CRect& rect, const CPoint& destination)
{
    if (getSystemContext() == nullptr || source == nullptr || source->getSystemContext() == nullptr)
        return;
    BitBlt(getSystemContext(), destination.h, destination.v, rect.width(), rect.height(), source->getSystemContext(),
        rect.left + source->offset.h, rect.top + source->offset.v, SRCCOPY);
}

} // namespace Toolkit

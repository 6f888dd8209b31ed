#include "toolkit/bitmap.h"

#include "platform/gdi/bitmaps.h"
#include "platform/gdi/blits.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/module_resources.h"
#include "toolkit/draw_context.h"
#include "toolkit/image_library.h"
#include "toolkit/png_reader.h"

#include <span>
#include <vector>

namespace Toolkit {

namespace {

// Pixels with less alpha are left out when a bitmap with alpha is drawn without blending.
constexpr std::uint8_t kOpaqueEnough = 128;

// A temporary memory DC holding a bitmap, both given back at the end of the scope (the bitmap is not
// deleted).
class MemoryDC {
public:
    MemoryDC(HDC compatibleWith, HBITMAP bitmap) : dc_(CreateCompatibleDC(compatibleWith))
    {
        if (dc_ != nullptr && bitmap != nullptr)
            previous_ = SelectObject(dc_, bitmap);
    }
    ~MemoryDC()
    {
        if (previous_ != nullptr)
            SelectObject(dc_, previous_);
        if (dc_ != nullptr)
            DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    // Null when the bitmap could not be selected: nothing is to be drawn from it.
    HDC get() const { return previous_ != nullptr ? dc_ : nullptr; }

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

// A GDI object deleted at the end of the scope, after the DCs that held it.
class OwnedBitmap {
public:
    explicit OwnedBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
    ~OwnedBitmap()
    {
        if (bitmap_ != nullptr)
            DeleteObject(bitmap_);
    }
    OwnedBitmap(const OwnedBitmap&) = delete;
    OwnedBitmap& operator=(const OwnedBitmap&) = delete;

    HBITMAP get() const { return bitmap_; }

private:
    HBITMAP bitmap_;
};

} // namespace

CBitmap::CBitmap(std::int32_t resourceId) : resourceId_(resourceId)
{
    loadFromResource(resourceId);
    setTransparentColor(kTransparentColor);
}

CBitmap::CBitmap(CFrame*, std::int32_t width, std::int32_t height) : width_(width), height_(height)
{
    HDC screen = GetDC(nullptr);
    handle_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
}

CBitmap::CBitmap() = default;

CBitmap::~CBitmap()
{
    dispose();
}

void CBitmap::dispose()
{
    for (HBITMAP* owned : {&handle_, &mask_, &alphaMask_}) {
        if (*owned != nullptr)
            DeleteObject(*owned);
        *owned = nullptr;
    }
    noAlpha_ = false;
    width_ = 0;
    height_ = 0;
}

bool CBitmap::loadFromResource(std::int32_t resourceId)
{
    dispose();
    HMODULE module = platform::pluginModule();
    HRSRC png = FindResourceA(module, MAKEINTRESOURCEA(resourceId), "PNG");
    HGLOBAL loaded = png != nullptr ? LoadResource(module, png) : nullptr;
    const auto* bytes = static_cast<const unsigned char*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (bytes != nullptr) {
        const DecodedPng decoded = readPng(std::span(bytes, SizeofResource(module, png)));
        handle_ = decoded.bitmap;
        width_ = decoded.width;
        height_ = decoded.height;
        noAlpha_ = false;
        return decoded.complete;
    }

    HBITMAP ordinary = LoadBitmapA(module, MAKEINTRESOURCEA(resourceId));
    if (ordinary == nullptr)
        return false;
    BITMAP description{};
    if (GetObjectA(ordinary, sizeof(description), &description) == 0) {
        DeleteObject(ordinary);
        return false;
    }
    handle_ = ordinary;
    width_ = description.width;
    height_ = description.height;
    noAlpha_ = true;
    return true;
}

bool CBitmap::loadFromPath(const char*)
{
    dispose();
    return false;
}

void CBitmap::draw(CDrawContext* context, const CRect& rect, const CPoint& offset)
{
    if (!noAlpha_) {
        drawAlphaBlend(context, rect, offset, 255);
        return;
    }
    if (handle_ != nullptr && context != nullptr && context->getSystemContext() != nullptr)
        copyBlock(context->getSystemContext(), {rect.left + context->offset.h, rect.top + context->offset.v}, rect,
            offset);
}

void CBitmap::drawAlphaBlend(CDrawContext* context, const CRect& rect, const CPoint& offset, std::uint8_t alpha)
{
    if (handle_ == nullptr || context == nullptr || context->getSystemContext() == nullptr)
        return;
    const POINT at{rect.left + context->offset.h, rect.top + context->offset.v};
    HDC target = context->getSystemContext();
    if (alphaBlendEntry != nullptr)
        blendBlock(target, at, rect, offset, alpha);
    else if (noAlpha_)
        copyBlock(target, at, rect, offset);
    else {
        if (alphaMask_ == nullptr)
            alphaMask_ = makeAlphaMask();
        if (alphaMask_ != nullptr)
            maskedBlock(target, at, rect, offset, alphaMask_);
    }
}

void CBitmap::drawTransparent(CDrawContext* context, const CRect& rect, const CPoint& offset)
{
    if (!noAlpha_) {
        drawAlphaBlend(context, rect, offset, 255);
        return;
    }
    if (handle_ != nullptr && context != nullptr && context->getSystemContext() != nullptr)
        transparentBlock(context->getSystemContext(), {rect.left + context->offset.h, rect.top + context->offset.v},
            rect, offset);
}

void CBitmap::setTransparencyMask(CDrawContext* context, const CPoint& offset)
{
    if (mask_ != nullptr)
        DeleteObject(mask_);
    mask_ = nullptr;
    if (context == nullptr || context->getSystemContext() == nullptr)
        return;
    HDC shown = context->getSystemContext();
    HBITMAP made = CreateBitmap(width_, height_, 1, 1, nullptr);
    if (made == nullptr)
        return;
    {
        const MemoryDC mask(shown, made);
        // Copied to a monochrome bitmap, the source DC's background colour becomes 1 and all else 0.
        const COLORREF background = SetBkColor(shown, transparentColor_.gdiValue());
        if (mask.get() != nullptr)
            BitBlt(mask.get(), 0, 0, width_, height_, shown, offset.h, offset.v, SRCCOPY);
        SetBkColor(shown, background);
    }
    mask_ = made;
}

void CBitmap::copyBlock(HDC target, POINT at, const CRect& rect, const CPoint& offset)
{
    const MemoryDC source(target, handle_);
    if (source.get() != nullptr)
        BitBlt(target, at.x, at.y, rect.width(), rect.height(), source.get(), offset.h, offset.v, SRCCOPY);
}

void CBitmap::blendBlock(HDC target, POINT at, const CRect& rect, const CPoint& offset, std::uint8_t alpha)
{
    const int width = rect.width();
    const int height = rect.height();
    const MemoryDC source(target, handle_);
    if (source.get() == nullptr || width <= 0 || height <= 0)
        return;
    const BLENDFUNCTION blend{.operation = AC_SRC_OVER,
        .flags = 0,
        .sourceConstantAlpha = alpha,
        .alphaFormat = noAlpha_ ? BYTE{0} : AC_SRC_ALPHA};
    if (!blendsOnlyFromOrigin()) {
        alphaBlendEntry(target, at.x, at.y, width, height, source.get(), offset.h, offset.v, width, height, blend);
        return;
    }
    const OwnedBitmap block(CreateCompatibleBitmap(source.get(), width, height));
    const MemoryDC copy(source.get(), block.get());
    if (copy.get() == nullptr)
        return;
    BitBlt(copy.get(), 0, 0, width, height, source.get(), offset.h, offset.v, SRCCOPY);
    alphaBlendEntry(target, at.x, at.y, width, height, copy.get(), 0, 0, width, height, blend);
}

void CBitmap::transparentBlock(HDC target, POINT at, const CRect& rect, const CPoint& offset)
{
    const int width = rect.width();
    const int height = rect.height();
    if (mask_ != nullptr) {
        maskedBlock(target, at, rect, offset, mask_);
        return;
    }
    const MemoryDC source(target, handle_);
    if (source.get() == nullptr)
        return;
    if (transparentBltEntry != nullptr) {
        transparentBltEntry(target, at.x, at.y, width, height, source.get(), offset.h, offset.v, width, height,
            transparentColor_.gdiValue());
        return;
    }
    const OwnedBitmap maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));
    const MemoryDC mask(target, maskBitmap.get());
    if (mask.get() == nullptr)
        return;
    // Monochrome to colour: 0 comes out in the text colour and 1 in the background colour.
    const COLORREF background = SetBkColor(target, RGB(255, 255, 255));
    const COLORREF text = SetTextColor(target, RGB(0, 0, 0));
    SetBkColor(source.get(), transparentColor_.gdiValue());
    BitBlt(mask.get(), 0, 0, width, height, source.get(), offset.h, offset.v, SRCCOPY);
    BitBlt(target, at.x, at.y, width, height, source.get(), offset.h, offset.v, SRCINVERT);
    BitBlt(target, at.x, at.y, width, height, mask.get(), 0, 0, SRCAND);
    BitBlt(target, at.x, at.y, width, height, source.get(), offset.h, offset.v, SRCINVERT);
    SetBkColor(target, background);
    SetTextColor(target, text);
}

// Where the mask is 1 the destination shows through, where it is 0 the bitmap shows. The block is put
// together off the destination, which sees one copy only.
void CBitmap::maskedBlock(HDC target, POINT at, const CRect& rect, const CPoint& offset, HBITMAP mask)
{
    const int width = rect.width();
    const int height = rect.height();
    const MemoryDC source(target, handle_);
    const MemoryDC maskSource(target, mask);
    const OwnedBitmap scratchBitmap(CreateCompatibleBitmap(target, width, height));
    const MemoryDC scratch(target, scratchBitmap.get());
    if (source.get() == nullptr || maskSource.get() == nullptr || scratch.get() == nullptr)
        return;
    BitBlt(scratch.get(), 0, 0, width, height, target, at.x, at.y, SRCCOPY);
    BitBlt(scratch.get(), 0, 0, width, height, source.get(), offset.h, offset.v, SRCINVERT);
    BitBlt(scratch.get(), 0, 0, width, height, maskSource.get(), offset.h, offset.v, SRCAND);
    BitBlt(scratch.get(), 0, 0, width, height, source.get(), offset.h, offset.v, SRCINVERT);
    BitBlt(target, at.x, at.y, width, height, scratch.get(), 0, 0, SRCCOPY);
}

// 1 where the alpha is too low to show. The decoded pixels run bottom-up; the mask's rows run top-down,
// each padded to 16 bits, the leftmost pixel in a byte's high bit.
HBITMAP CBitmap::makeAlphaMask()
{
    BITMAP description{};
    if (GetObjectA(handle_, sizeof(description), &description) == 0 || description.bits == nullptr)
        return nullptr;
    const auto* pixels = static_cast<const std::uint8_t*>(description.bits);
    const std::size_t width = static_cast<std::size_t>(description.width);
    const std::size_t height = static_cast<std::size_t>(description.height);
    const std::size_t stride = (width + 15) / 16 * 2;
    std::vector<std::uint8_t> bits(stride * height);
    for (std::size_t y = 0; y < height; ++y)
        for (std::size_t x = 0; x < width; ++x)
            if (pixels[((height - 1 - y) * width + x) * 4 + 3] < kOpaqueEnough)
                bits[y * stride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    return CreateBitmap(description.width, description.height, 1, 1, bits.data());
}

} // namespace Toolkit

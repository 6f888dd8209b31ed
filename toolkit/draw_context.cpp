#include "toolkit/draw_context.h"

#include "platform/clock.h"
#include "platform/gdi/blits.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/drawing.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/text.h"
#include "platform/window/input_state.h"
#include "platform/window/message_numbers.h"
#include "platform/window/message_queue.h"
#include "platform/window/system_metrics.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window_layout.h"
#include "toolkit/font_table.h"
#include "toolkit/frame.h"
#include "toolkit/mouse_buttons.h"
#include "toolkit/process_state.h"

#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <numbers>

namespace Toolkit {

namespace {

constexpr CRect kClipWithoutFrame{0, 0, 1000, 1000};

CRect clipOf(CFrame* frame)
{
    CRect whole = kClipWithoutFrame;
    if (frame != nullptr)
        frame->getViewSize(whole);
    return whole;
}

// Within this square around where a click began, the pointer has not moved.
CRect nearPoint(const CPoint& where)
{
    return {where.h - 2, where.v - 2, where.h + 2, where.v + 2};
}

bool held(int key)
{
    return GetAsyncKeyState(key) < 0;
}

int mixModeOf(std::int32_t drawMode)
{
    switch (drawMode) {
    case kPenMerge: return R2_MERGEPEN;
    case kPenNotXor: return R2_NOTXORPEN;
    default: return R2_COPYPEN;
    }
}

bool fills(std::int32_t drawStyle)
{
    return drawStyle == kFill || drawStyle == kFillAndOutline;
}

bool outlines(std::int32_t drawStyle)
{
    return drawStyle == kOutline || drawStyle == kFillAndOutline;
}

} // namespace

CDrawContext::CDrawContext(CFrame* frame, HDC systemContext, HWND window)
    : clipRect_(clipOf(frame)),
      systemContext_(systemContext),
      window_(window),
      frame_(frame)
{
    if (systemContext_ == nullptr && window_ != nullptr)
        systemContext_ = ownDC_ = GetDC(window_);
    if (systemContext_ != nullptr)
        rememberDCObjects();
    if (window_ != nullptr) {
        RECT onScreen{};
        GetWindowRect(window_, &onScreen);
        offsetScreen = {onScreen.left, onScreen.top};
    }
    setFrameColor(kWhiteColor);
    setLineStyle(kSolidLine);
    setLineWidth(1);
    setFillColor(kBlackColor);
    setFontColor(kWhiteColor);
    setFont(kArialBold12, 0, 0);
    setDrawMode(kPenCopy);
}

CDrawContext::~CDrawContext()
{
    giveUpDC();
    for (HGDIOBJ own : {HGDIOBJ(brush_), HGDIOBJ(pen_), HGDIOBJ(font_)})
        if (own != nullptr)
            DeleteObject(own);
    if (ownDC_ != nullptr)
        ReleaseDC(window_, ownDC_);
}

void CDrawContext::rememberDCObjects()
{
    oldBrush_ = GetCurrentObject(systemContext_, OBJ_BRUSH);
    oldPen_ = GetCurrentObject(systemContext_, OBJ_PEN);
    oldFont_ = GetCurrentObject(systemContext_, OBJ_FONT);
    SetBkMode(systemContext_, TRANSPARENT);
}

void CDrawContext::adoptDC(HDC dc)
{
    systemContext_ = dc;
    if (dc == nullptr)
        return;
    rememberDCObjects();
    for (HGDIOBJ own : {HGDIOBJ(pen_), HGDIOBJ(brush_), HGDIOBJ(font_)})
        if (own != nullptr)
            SelectObject(dc, own);
    SetBkColor(dc, fillColor_.gdiValue());
    SetTextColor(dc, fontColor_.gdiValue());
    SetROP2(dc, mixModeOf(drawMode_));
}

HDC CDrawContext::giveUpDC()
{
    HDC dc = systemContext_;
    if (dc != nullptr)
        for (HGDIOBJ old : {oldBrush_, oldPen_, oldFont_})
            if (old != nullptr)
                SelectObject(dc, old);
    oldBrush_ = oldPen_ = oldFont_ = nullptr;
    systemContext_ = nullptr;
    return dc;
}

void CDrawContext::setLineStyle(std::int32_t style)
{
    if (style == lineStyle_)
        return;
    lineStyle_ = style;
    penStyle_ = style == kDottedLine ? PS_DOT : PS_SOLID;
    rebuildPen();
}

void CDrawContext::setLineWidth(std::int32_t width)
{
    if (width == frameWidth_)
        return;
    frameWidth_ = width;
    rebuildPen();
}

void CDrawContext::setFrameColor(CColor color)
{
    if (color == frameColor_)
        return;
    frameColor_ = color;
    rebuildPen();
}

// A pen that cannot be made leaves the previous one in use.
void CDrawContext::rebuildPen()
{
    HPEN made = CreatePen(static_cast<int>(penStyle_), frameWidth_, frameColor_.gdiValue());
    if (made == nullptr)
        return;
    if (systemContext_ != nullptr)
        SelectObject(systemContext_, made);
    if (pen_ != nullptr)
        DeleteObject(pen_);
    pen_ = made;
}

void CDrawContext::setFillColor(CColor color)
{
    if (color == fillColor_)
        return;
    fillColor_ = color;
    if (systemContext_ != nullptr)
        SetBkColor(systemContext_, color.gdiValue());
    HBRUSH made = CreateSolidBrush(color.gdiValue());
    if (made == nullptr)
        return;
    if (systemContext_ != nullptr)
        SelectObject(systemContext_, made);
    if (brush_ != nullptr)
        DeleteObject(brush_);
    brush_ = made;
}

void CDrawContext::setFontColor(CColor color)
{
    fontColor_ = color;
    if (systemContext_ != nullptr)
        SetTextColor(systemContext_, color.gdiValue());
}

void CDrawContext::setDrawMode(std::int32_t mode)
{
    if (mode == drawMode_)
        return;
    drawMode_ = mode;
    if (systemContext_ != nullptr)
        SetROP2(systemContext_, mixModeOf(mode));
}

void CDrawContext::setFont(std::int32_t fontId, std::int32_t size, std::int32_t style)
{
    fontId = validFontId(fontId);
    const FontDescription& description = fontDescription(fontId);
    if (size == 0)
        size = description.defaultSize;
    if (fontId == fontId_ && size == fontSize_ && style == fontStyle_)
        return;
    fontId_ = fontId;
    fontSize_ = size;
    fontStyle_ = style;
    const int weight = (style & kBoldStyle) != 0 || description.alwaysBold ? FW_BOLD : FW_NORMAL;
    const DWORD pitchAndFamily = description.decorative ? DEFAULT_PITCH | FF_DECORATIVE : VARIABLE_PITCH | FF_SWISS;
    HFONT made = CreateFontA(-size, 0, 0, 0, weight, (style & kItalicStyle) != 0, (style & kUnderlineStyle) != 0, 0,
        ANSI_CHARSET, OUT_STRING_PRECIS, CLIP_STROKE_PRECIS, DEFAULT_QUALITY, pitchAndFamily, description.face);
    if (made == nullptr)
        return;
    if (systemContext_ != nullptr)
        SelectObject(systemContext_, made);
    if (font_ != nullptr)
        DeleteObject(font_);
    font_ = made;
}

void CDrawContext::setClipRect(const CRect& clip)
{
    CRect device = clip;
    device.offset(offset.h, offset.v);
    if (device == clipRect_)
        return;
    clipRect_ = device;
    if (systemContext_ == nullptr)
        return;
    HRGN region = CreateRectRgn(device.left, device.top, device.right, device.bottom);
    SelectClipRgn(systemContext_, region);
    DeleteObject(region);
}

CRect& CDrawContext::getClipRect(CRect& clip) const
{
    clip = clipRect_;
    return clip.offset(-offset.h, -offset.v);
}

void CDrawContext::resetClipRect()
{
    const CRect whole = clipOf(frame_);
    setClipRect(whole);
    clipRect_ = whole;
}

void CDrawContext::moveTo(const CPoint& point)
{
    if (systemContext_ != nullptr)
        MoveToEx(systemContext_, point.h + offset.h, point.v + offset.v, nullptr);
}

void CDrawContext::lineTo(const CPoint& point)
{
    if (systemContext_ != nullptr)
        LineTo(systemContext_, point.h + offset.h, point.v + offset.v);
}

void CDrawContext::drawLines(const CPoint* points, std::int32_t lineCount)
{
    for (std::int32_t line = 0; line < lineCount; ++line) {
        moveTo(points[2 * line]);
        lineTo(points[2 * line + 1]);
    }
}

// Calls draw(device points, count) with the points moved by the drawing origin. Short lists need no
// heap; a list whose buffer cannot be had is not drawn.
template <class Draw>
void CDrawContext::withDevicePoints(const CPoint* points, std::int32_t count, Draw draw)
{
    constexpr std::int32_t kLocalPoints = 30;
    if (systemContext_ == nullptr || points == nullptr || count <= 0)
        return;
    std::array<POINT, kLocalPoints> local;
    std::unique_ptr<POINT[]> heap;
    POINT* device = local.data();
    if (count > kLocalPoints) {
        heap.reset(new (std::nothrow) POINT[static_cast<std::size_t>(count)]);
        if (heap == nullptr)
            return;
        device = heap.get();
    }
    for (std::int32_t index = 0; index < count; ++index)
        device[index] = {points[index].h + offset.h, points[index].v + offset.v};
    draw(device, count);
}

template <class Draw>
void CDrawContext::withNullPen(Draw draw)
{
    if (systemContext_ == nullptr)
        return;
    HGDIOBJ previous = SelectObject(systemContext_, GetStockObject(NULL_PEN));
    draw();
    SelectObject(systemContext_, previous);
}

void CDrawContext::polyLine(const CPoint* points, std::int32_t count)
{
    withDevicePoints(points, count, [this](const POINT* device, int n) { Polyline(systemContext_, device, n); });
}

void CDrawContext::fillPolygon(const CPoint* points, std::int32_t count)
{
    withDevicePoints(points, count, [this](const POINT* device, int n) {
        withNullPen([&] { Polygon(systemContext_, device, n); });
    });
}

void CDrawContext::drawPolygon(const CPoint* points, std::int32_t count, std::int32_t drawStyle)
{
    if (fills(drawStyle))
        fillPolygon(points, count);
    if (outlines(drawStyle))
        polyLine(points, count);
}

void CDrawContext::drawRect(const CRect& rect, std::int32_t drawStyle)
{
    if (systemContext_ == nullptr)
        return;
    CRect device = rect;
    device.offset(offset.h, offset.v);
    if (fills(drawStyle) && brush_ != nullptr) {
        const RECT area{device.left, device.top, device.right, device.bottom};
        FillRect(systemContext_, &area, brush_);
    }
    if (outlines(drawStyle)) {
        MoveToEx(systemContext_, device.left, device.top, nullptr);
        LineTo(systemContext_, device.right - 1, device.top);
        LineTo(systemContext_, device.right - 1, device.bottom - 1);
        LineTo(systemContext_, device.left, device.bottom - 1);
        LineTo(systemContext_, device.left, device.top);
    }
}

void CDrawContext::fillRect(const CRect& rect)
{
    if (systemContext_ == nullptr || brush_ == nullptr)
        return;
    const RECT area{rect.left + 1 + offset.h, rect.top + 1 + offset.v, rect.right + offset.h, rect.bottom + offset.v};
    FillRect(systemContext_, &area, brush_);
}

void CDrawContext::fillEllipse(const CRect& rect)
{
    withNullPen([&] {
        Ellipse(systemContext_, rect.left + 1 + offset.h, rect.top + 1 + offset.v, rect.right + 1 + offset.h,
            rect.bottom + 1 + offset.v);
    });
}

void CDrawContext::drawEllipse(const CRect& rect)
{
    const CPoint top{rect.left + (rect.right - rect.left) / 2, rect.top};
    drawArc(rect, top, top);
}

void CDrawContext::drawArc(const CRect& rect, const CPoint& start, const CPoint& end)
{
    if (systemContext_ == nullptr)
        return;
    Arc(systemContext_, rect.left + offset.h, rect.top + offset.v, rect.right + 1 + offset.h,
        rect.bottom + 1 + offset.v, start.h + offset.h, start.v + offset.v, end.h + offset.h, end.v + offset.v);
}

void CDrawContext::fillArc(const CRect& rect, const CPoint& start, const CPoint& end)
{
    withNullPen([&] {
        Pie(systemContext_, rect.left + 1 + offset.h, rect.top + 1 + offset.v, rect.right + offset.h,
            rect.bottom + offset.v, start.h + offset.h, start.v + offset.v, end.h + offset.h, end.v + offset.v);
    });
}

void CDrawContext::drawArc(const CRect& rect, float startAngle, float endAngle, std::int32_t drawStyle)
{
    if (systemContext_ == nullptr)
        return;
    const std::int32_t radiusH = (rect.right - rect.left) / 2;
    const std::int32_t radiusV = (rect.bottom - rect.top) / 2;
    const auto onEllipse = [&](float degrees) {
        const double radians = degrees * 2.0 * std::numbers::pi / 360.0;
        return POINT{rect.left + offset.h + static_cast<LONG>(std::lround(radiusH + std::cos(radians) * radiusH)),
            rect.top + offset.v + static_cast<LONG>(std::lround(radiusV - std::sin(radians) * radiusV))};
    };
    const POINT start = onEllipse(startAngle);
    const POINT end = onEllipse(endAngle);
    const RECT box{rect.left + offset.h, rect.top + offset.v, rect.right + 1 + offset.h, rect.bottom + 1 + offset.v};
    if (fills(drawStyle))
        withNullPen([&] { Pie(systemContext_, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y); });
    if (outlines(drawStyle))
        Arc(systemContext_, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
}

void CDrawContext::drawPoint(const CPoint& point, CColor color)
{
    if (systemContext_ != nullptr)
        SetPixel(systemContext_, point.h + offset.h, point.v + offset.v, color.gdiValue());
}

CColor CDrawContext::getPoint(const CPoint& point)
{
    if (systemContext_ == nullptr)
        return kBlackColor;
    const COLORREF pixel = GetPixel(systemContext_, point.h + offset.h, point.v + offset.v);
    return {static_cast<std::uint8_t>(pixel & 0xFF), static_cast<std::uint8_t>((pixel >> 8) & 0xFF),
        static_cast<std::uint8_t>((pixel >> 16) & 0xFF), 255};
}

std::int32_t CDrawContext::getStringWidth(const char* text)
{
    SIZE size{};
    if (systemContext_ != nullptr && text != nullptr)
        GetTextExtentPoint32A(systemContext_, text, static_cast<int>(std::strlen(text)), &size);
    return size.width;
}

void CDrawContext::drawString(const char* text, const CRect& rect, bool opaque, std::int32_t alignment)
{
    if (systemContext_ == nullptr || text == nullptr)
        return;
    SetBkMode(systemContext_, opaque ? OPAQUE : TRANSPARENT);
    RECT area{rect.left + offset.h, rect.top + offset.v, rect.right + offset.h, rect.bottom + offset.v};
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (alignment == kAlignCentre)
        format |= DT_CENTER;
    else if (alignment == kAlignRight)
        format |= DT_RIGHT;
    else
        area.left += 1;
    DrawTextA(systemContext_, text, -1, &area, format);
    SetBkMode(systemContext_, TRANSPARENT);
}

std::int32_t CDrawContext::getMouseButtons()
{
    std::int32_t buttons = 0;
    if (held(VK_LBUTTON))
        buttons |= swapButtons ? kRightButton : kLeftButton;
    if (held(VK_MBUTTON))
        buttons |= kMiddleButton;
    if (held(VK_RBUTTON))
        buttons |= swapButtons ? kLeftButton : kRightButton;
    if (held(VK_SHIFT))
        buttons |= kShiftHeld;
    if (held(VK_CONTROL))
        buttons |= kCtrlHeld;
    if (held(VK_MENU))
        buttons |= kAltHeld;
    return buttons;
}

void CDrawContext::getMouseLocation(CPoint& where)
{
    POINT pointer{};
    GetCursorPos(&pointer);
    where = {pointer.x - offsetScreen.h, pointer.y - offsetScreen.v};
}

bool CDrawContext::waitDoubleClick()
{
    CPoint where;
    getMouseLocation(where);
    const CRect near = nearPoint(where);
    const DWORD deadline = static_cast<DWORD>(GetMessageTime()) + GetDoubleClickTime();
    // The tick count wraps every 49 days: compare the distance, not the values.
    const auto due = [deadline] { return static_cast<std::int32_t>(GetTickCount() - deadline) >= 0; };
    if (due())
        return false;
    while (true) {
        getMouseLocation(where);
        if (!near.pointInside(where))
            return false;
        MSG message{};
        if (PeekMessageA(&message, window_, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE))
            return true;
        if (due())
            return false;
    }
}

bool CDrawContext::waitDrag()
{
    if (frame_ == nullptr)
        return false;
    CPoint where;
    getMouseLocation(where);
    const CRect near = nearPoint(where);
    if ((getMouseButtons() & kLeftButton) == 0)
        return false;
    while (true) {
        frame_->doIdleStuff();
        getMouseLocation(where);
        if (!near.pointInside(where))
            return true;
        if ((getMouseButtons() & kLeftButton) == 0)
            return false;
    }
}

void CDrawContext::copyFrom(CDrawContext* destination, const CRect& destinationRect, const CPoint& sourceOffset)
{
    if (systemContext_ == nullptr || destination == nullptr || destination->systemContext_ == nullptr)
        return;
    BitBlt(destination->systemContext_, destinationRect.left + destination->offset.h,
        destinationRect.top + destination->offset.v, destinationRect.width(), destinationRect.height(),
        systemContext_, sourceOffset.h, sourceOffset.v, SRCCOPY);
}

} // namespace Toolkit

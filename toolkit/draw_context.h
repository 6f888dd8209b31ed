#pragma once

// Everything the toolkit draws goes through a drawing context: one GDI device context with the pen,
// brush, font, colours, line style, draw mode and clip the context keeps, and a drawing origin added to
// every coordinate. Setters touch GDI only when the value changes. A context without a device context
// accepts every call and draws nothing.
//
// The context also answers the mouse questions of modal mouse loops: buttons held, pointer position,
// double clicks and drag starts.

#include "platform/window/window_types.h"
#include "toolkit/color.h"
#include "toolkit/draw_values.h"
#include "toolkit/font_table.h"
#include "toolkit/rect.h"
#include "toolkit/reference_counter.h"

#include <cstdint>

namespace Toolkit {

class CFrame;

class CDrawContext : public CReferenceCounter {
public:
    // Without a device context but with a window, the context takes the window's own.
    CDrawContext(CFrame* frame, HDC systemContext, HWND window);
    ~CDrawContext() override;

    void setLineStyle(std::int32_t style);
    std::int32_t getLineStyle() const { return lineStyle_; }
    void setLineWidth(std::int32_t width);
    std::int32_t getLineWidth() const { return frameWidth_; }
    void setFrameColor(CColor color);
    CColor getFrameColor() const { return frameColor_; }
    void setFillColor(CColor color);
    CColor getFillColor() const { return fillColor_; }
    void setFontColor(CColor color);
    CColor getFontColor() const { return fontColor_; }
    void setDrawMode(std::int32_t mode);
    std::int32_t getDrawMode() const { return drawMode_; }
    // Size 0 asks for the font's default size; an unknown id is font 0.
    void setFont(std::int32_t fontId, std::int32_t size = 0, std::int32_t style = 0);
    std::int32_t getFont() const { return fontId_; }
    std::int32_t getFontSize() const { return fontSize_; }
    std::int32_t getFontStyle() const { return fontStyle_; }

    // In the caller's coordinates: the drawing origin is added on the way in and taken off on the way out.
    void setClipRect(const CRect& clip);
    CRect& getClipRect(CRect& clip) const;
    // Back to the frame's whole view, or (0, 0, 1000, 1000) without a frame.
    void resetClipRect();

    void moveTo(const CPoint& point);
    void lineTo(const CPoint& point);
    // Line i runs from point 2i to point 2i + 1.
    void drawLines(const CPoint* points, std::int32_t lineCount);
    void polyLine(const CPoint* points, std::int32_t count);
    void fillPolygon(const CPoint* points, std::int32_t count);
    // The outline is closed only when the caller repeats the first point.
    void drawPolygon(const CPoint* points, std::int32_t count, std::int32_t drawStyle = kOutline);
    // The outline lies on the rectangle's own edge pixels.
    void drawRect(const CRect& rect, std::int32_t drawStyle = kOutline);
    // The inside of what drawRect outlines: left + 1 .. right - 1, top + 1 .. bottom - 1.
    void fillRect(const CRect& rect);
    void fillEllipse(const CRect& rect);
    void drawEllipse(const CRect& rect);
    // Counter-clockwise from the ray through start to the ray through end.
    void drawArc(const CRect& rect, const CPoint& start, const CPoint& end);
    void fillArc(const CRect& rect, const CPoint& start, const CPoint& end);
    // Angles in degrees, counter-clockwise from the positive horizontal axis.
    void drawArc(const CRect& rect, float startAngle, float endAngle, std::int32_t drawStyle = kOutline);
    void drawPoint(const CPoint& point, CColor color);
    // The fourth byte is 255.
    CColor getPoint(const CPoint& point);

    std::int32_t getStringWidth(const char* text);
    // One line, centred vertically; an opaque text's cell is filled with the fill colour.
    void drawString(const char* text, const CRect& rect, bool opaque, std::int32_t alignment);

    // The buttons and modifier keys held now (mouse_buttons.h).
    std::int32_t getMouseButtons();
    // The pointer relative to offsetScreen.
    void getMouseLocation(CPoint& where);
    // Whether a second left press follows, near the pointer and within the double-click time of the
    // message being handled.
    bool waitDoubleClick();
    // With the left button held: whether the pointer moves away before the button is released.
    bool waitDrag();

    // The block of the destination rectangle's size at sourceOffset here, to the destination rectangle.
    void copyFrom(CDrawContext* destination, const CRect& destinationRect, const CPoint& sourceOffset);

    HDC getSystemContext() const { return systemContext_; }
    HWND getWindow() const { return window_; }
    CFrame* getFrame() const { return frame_; }

    // View containers shift both while their children work on the context, and put them back after.
    // The screen position that getMouseLocation takes off.
    CPoint offsetScreen;
    // The drawing origin, added to every coordinate of every drawing operation.
    CPoint offset;

protected:
    // Takes up a device context that arrives after construction (an off-screen context's memory DC),
    // bringing the context's pen, brush, font, colours and draw mode to it.
    void adoptDC(HDC dc);
    // Puts the device context's own objects back and lets go of it; answers it for the caller to end.
    HDC giveUpDC();

    // In device coordinates, the drawing origin included.
    CRect clipRect_;

private:
    void rememberDCObjects();
    void rebuildPen();
    template <class Draw>
    void withNullPen(Draw draw);
    template <class Draw>
    void withDevicePoints(const CPoint* points, std::int32_t count, Draw draw);

    HDC systemContext_;
    HWND window_;
    CFrame* frame_;
    std::int32_t fontSize_ = -1;
    std::int32_t fontStyle_ = 0;
    // No call can select font 11, so the first setFont always makes a font.
    std::int32_t fontId_ = 11;
    CColor fontColor_{};
    std::int32_t frameWidth_ = 0;
    CColor frameColor_{};
    CColor fillColor_{};
    // Values no setter stores, so that the constructor's first setLineStyle and setDrawMode take effect.
    std::int32_t lineStyle_ = 1;
    std::int32_t drawMode_ = 3;
    HBRUSH brush_ = nullptr;
    HPEN pen_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
    UINT penStyle_ = 0;
    HDC ownDC_ = nullptr;
};

} // namespace Toolkit

#pragma once

// The host toolbox's graphics as the host framework's views use them: graphics ports over windows
// (and offscreen pixels), regions, drawing with the pen, and pixel patterns. Every drawing routine works
// on the current port, in its local coordinates: the port's top-left pixel is its origin. All of it
// runs on the host's main thread, as the windows it draws into do.

#include "hostlibs/extension/host_graphics_types.h"
#include "platform/win_types.h"

extern "C" {

// Ports. A window's port draws into its client area and never over its child windows; its origin
// starts at (0, 0). An offscreen port holds pixels of its own, white at first, with the bounds' top-left
// as its origin. A new port has the black pen of 1 × 1 at (0, 0) in mode 8, black on white, the plain
// back pattern and a clip that lets everything through. Null when the window is not one, or the
// bounds hold no pixel.
HostPort HostExtNewWindowPort(HWND window);
HostPort HostExtNewOffscreenPort(const HostRect* bounds);
// The current port stops being current when it is disposed of.
void HostExtDisposePort(HostPort port);
void HostExtSetPort(HostPort port);
HostPort HostExtGetPort();
// The window the port draws into; null for an offscreen port.
HWND HostExtGetPortWindow(HostPort port);
// The port's pixels in its local coordinates.
void HostExtGetPortBounds(HostPort port, HostRect* bounds);
// Makes (h, v) the local coordinates of the port's top-left pixel; the clip stays where it is in local
// coordinates.
void HostExtSetOrigin(std::int16_t h, std::int16_t v);
void HostExtLocalToGlobal(HostPoint* point);
void HostExtGlobalToLocal(HostPoint* point);

// The clip, in local coordinates: drawing lands only inside it.
void HostExtClipRect(const HostRect* rect);
// The port takes a copy of the region; the region gets a copy of the port's clip.
void HostExtSetClip(HostRegion region);
void HostExtGetClip(HostRegion region);

// Colours: the constants black and white; any other constant leaves the colour as it was.
inline constexpr std::int32_t kHostBlackConstant = 33;
inline constexpr std::int32_t kHostWhiteConstant = 30;
void HostExtRGBForeColor(const HostColor* colour);
void HostExtRGBBackColor(const HostColor* colour);
void HostExtGetForeColor(HostColor* colour);
void HostExtGetBackColor(HostColor* colour);
void HostExtForeColor(std::int32_t constant);
void HostExtBackColor(std::int32_t constant);

// The pen: it covers width × height pixels below and to the right of its point. A width or height of 0
// or below hides it. Every mode paints the pen's colour over what is there; the mode is kept for the
// views that set it.
void HostExtPenSize(std::int16_t width, std::int16_t height);
void HostExtPenMode(std::int16_t mode);
// The pen a new port has: 1 × 1 in mode 8. Its point stays.
void HostExtPenNormal();
void HostExtGetPen(HostPoint* point);
void HostExtMoveTo(std::int16_t h, std::int16_t v);
void HostExtMove(std::int16_t dh, std::int16_t dv);
// Lines paint the pen at every point from the pen's point to the end, both ends included; the end
// becomes the pen's point.
void HostExtLineTo(std::int16_t h, std::int16_t v);
void HostExtLine(std::int16_t dh, std::int16_t dv);

// Text settings, kept in the port for the text routines.
struct HostTextSettings {
    std::int16_t font;
    std::int16_t size;
    std::int16_t face;
    std::int16_t mode;
};
void HostExtTextFont(std::int16_t font);
void HostExtTextSize(std::int16_t size);
void HostExtTextFace(std::int16_t face);
void HostExtTextMode(std::int16_t mode);
void HostExtGetTextSettings(HostTextSettings* settings);

// Filling and erasing cover left..right-1 by top..bottom-1: filling in the fore colour or a pixel
// pattern, erasing with the back pattern (the plain one: the back colour). Framing paints the pen along
// the inside of the rectangle.
void HostExtFillRect(const HostRect* rect);
void HostExtFillRectWithPattern(const HostRect* rect, HostPixelPattern pattern);
void HostExtEraseRect(const HostRect* rect);
void HostExtFrameRect(const HostRect* rect);
// Ovals: the pixels whose centres lie inside the ellipse inscribed in the rectangle (each side at most
// 32768 pixels; nothing for an empty or larger one). Erasing uses the back pattern as for rectangles;
// framing paints the pen's width and height along the inside of the oval.
void HostExtEraseOval(const HostRect* rect);
void HostExtFrameOval(const HostRect* rect);
// Fills the polygon through the points (closed back to the first) in the fore colour: the pixels whose
// centres lie inside it by the even-odd rule. Nothing for fewer than three points.
void HostExtFillPolygon(const HostPoint* points, std::int16_t count);
// The direction of the point seen from the rectangle's centre, in whole degrees 0..359: 0 straight up,
// growing clockwise on the screen, rounded to the nearest degree. 0 for the centre itself.
std::int16_t HostExtPointToAngle(const HostRect* rect, HostPoint point);
// Moves the pixels inside the rectangle by (dh, dv) within it (within the clip), those moved beyond it
// being lost; the part they leave uncovered is erased as EraseRect does and becomes the region (emptied
// first, so it is empty when nothing is uncovered or there is no port).
void HostExtScrollRect(const HostRect* rect, std::int16_t dh, std::int16_t dv, HostRegion uncovered);
// Asks the port's window to paint the rectangle again; nothing for an offscreen port.
void HostExtInvalidateRect(const HostRect* rect);

// Regions: areas of pixels of any shape. The result of an operation may be one of its operands.
HostRegion HostExtNewRegion();
void HostExtDisposeRegion(HostRegion region);
void HostExtRectRegion(HostRegion region, const HostRect* rect);
void HostExtUnionRegion(HostRegion a, HostRegion b, HostRegion result);
void HostExtDifferenceRegion(HostRegion a, HostRegion b, HostRegion result);
void HostExtIntersectRegion(HostRegion a, HostRegion b, HostRegion result);
// All zeros for an empty region.
void HostExtGetRegionBounds(HostRegion region, HostRect* bounds);
bool HostExtIsRegionEmpty(HostRegion region);

// Rectangles. An empty intersection answers false and all zeros; the union of an empty rectangle with
// another is the other.
void HostExtUnionRect(const HostRect* a, const HostRect* b, HostRect* result);
bool HostExtIntersectRect(const HostRect* a, const HostRect* b, HostRect* result);
bool HostExtPointInRect(HostPoint point, const HostRect* rect);

// Pixel patterns: a block of pixels repeated from the port's top-left pixel, or the plain pattern, which
// stands for the back colour. The resource 'ppat' holds a 16-bit width and height (high byte first) and
// then rows of 8-bit red, green and blue. Null when the current resource file has no such resource, or
// it does not read.
HostPixelPattern HostExtGetPixelPattern(std::int16_t id);
// Plain.
HostPixelPattern HostExtNewPixelPattern();
void HostExtDisposePixelPattern(HostPixelPattern pattern);
void HostExtCopyPixelPattern(HostPixelPattern from, HostPixelPattern to);
// The current port takes a copy of the pattern as its back pattern, or the plain one.
void HostExtBackPixelPattern(HostPixelPattern pattern);
void HostExtBackPatternPlain();
// Copies the current port's back pattern into the pattern.
void HostExtGetBackPixelPattern(HostPixelPattern pattern);

} // extern "C"

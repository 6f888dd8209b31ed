#pragma once

// Painting with the pen and the brush. Lines are cosmetic, one pixel wide, and leave out their last
// pixel; PS_DOT draws every other pixel, painting the gaps in the background colour only in the opaque
// background mode. Shapes fill their inside with the brush and draw their outline with the pen, both
// through the mix mode (SetROP2); FillRect, SetPixel and text ignore the mix mode. Everything is clipped
// to the clip region and the device. Coordinates beyond ±2^27 are refused, and so are ellipse boxes over
// 32768 pixels either way.

#include "platform/gdi/gdi_types.h"

// Fills left..right-1 by top..bottom-1 with the brush.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// From the current position to (x, y), which becomes the current position.
BOOL LineTo(HDC dc, int x, int y);
// Lines through the points in turn, each leaving out its last pixel; the current position is not used.
BOOL Polyline(HDC dc, const POINT* points, int count);
// The polygon, closed, filled by the alternate rule and then outlined.
BOOL Polygon(HDC dc, const POINT* points, int count);
// The ellipse inscribed in the box, its outline inside the box (left..right-1, top..bottom-1). With the
// null pen there is no outline and the filled ellipse is that of the box one pixel smaller to the right
// and bottom, as if the outline had taken those pixels.
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
// The part of the ellipse's outline from the ray (from the box's centre) through the start point
// counter-clockwise to the ray through the end point; the same ray twice gives the whole ellipse.
BOOL Arc(HDC dc, int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
// The same part of the ellipse, closed with lines to the centre and filled.
BOOL Pie(HDC dc, int left, int top, int right, int bottom, int startX, int startY, int endX, int endY);
// Answers the colour set (the nearest the bitmap holds), or CLR_INVALID outside the clip.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
COLORREF GetPixel(HDC dc, int x, int y);

#include "hostframework/views/custom_view.h"
#include "hostframework/views/plate_colours.h"
#include "hostlibs/extension/host_graphics.h"

// A plate is a face with two edges of light above and left and two of shade below and right; an inverse
// plate swaps light and shade so that it looks pressed in. Grip ribs are grooves cut across the face.

namespace {

void moveTo(int h, int v)
{
    HostExtMoveTo(static_cast<std::int16_t>(h), static_cast<std::int16_t>(v));
}

void lineTo(int h, int v)
{
    HostExtLineTo(static_cast<std::int16_t>(h), static_cast<std::int16_t>(v));
}

void move(int dh, int dv)
{
    HostExtMove(static_cast<std::int16_t>(dh), static_cast<std::int16_t>(dv));
}

void line(int dh, int dv)
{
    HostExtLine(static_cast<std::int16_t>(dh), static_cast<std::int16_t>(dv));
}

void foreColour(const HostColor& colour)
{
    HostExtRGBForeColor(&colour);
}

// The first pass draws each rib's lit side, the second its shaded one, inside the frame inset by 3.
void drawRibs(const HostRect& frame, std::uint16_t grips, bool firstPass)
{
    const int top = frame.top + 3;
    const int left = frame.left + 3;
    const int height = frame.bottom - 3 - top;
    const int width = frame.right - 3 - left;
    if ((grips & CCustomView::kHorizontalRibs) != 0) {
        moveTo(left, top);
        const int length = width - 2;
        for (int rib = 0; rib < height / 3; ++rib) {
            if (firstPass) {
                move(1, 1);
                line(length, 0);
                line(0, -1);
                move(-(length + 1), 3);
            } else {
                move(0, 1);
                line(0, -1);
                line(length, 0);
                move(-length, 3);
            }
        }
    }
    if ((grips & CCustomView::kVerticalRibs) != 0) {
        moveTo(left, top);
        const int length = height - 2;
        for (int rib = 0; rib < width / 3; ++rib) {
            if (firstPass) {
                move(1, 1);
                line(0, length);
                line(-1, 0);
                move(3, -(length + 1));
            } else {
                move(1, 0);
                line(-1, 0);
                line(0, length);
                move(3, -length);
            }
        }
    }
}

} // namespace

void CCustomView::DrawPlate(const HostRect& /*area*/)
{
    HostRect frame{};
    GetFrame(&frame);
    const int t = frame.top;
    const int l = frame.left;
    const int b = frame.bottom;
    const int r = frame.right;
    const std::int16_t style = GetPlateStyle();
    HostColor c[kPlateColourCount];
    for (int i = 0; i < kPlateColourCount; ++i)
        c[i] = PlateColour(style, i);
    const bool raised = !inverse;

    HostColor saved{};
    HostExtGetForeColor(&saved);
    foreColour(c[2]);
    const int faceInset = raised ? 2 : 3;
    const HostRect face{static_cast<std::int16_t>(t + faceInset), static_cast<std::int16_t>(l + faceInset),
                        static_cast<std::int16_t>(b - 5 + faceInset), static_cast<std::int16_t>(r - 5 + faceInset)};
    HostExtFillRect(&face);

    foreColour(raised ? c[0] : c[5]);
    moveTo(l, b - 2);
    lineTo(l, t);
    lineTo(r - 2, t);
    drawRibs(frame, grips, true);

    foreColour(raised ? c[1] : c[4]);
    moveTo(l + 1, b - 3);
    lineTo(l + 1, t + 1);
    lineTo(r - 3, t + 1);

    foreColour(c[3]);
    moveTo(l, b - 1);
    lineTo(l + 2, b - 3);
    if (raised)
        lineTo(r - 3, b - 3);
    else
        lineTo(l + 2, t + 2);
    lineTo(r - 3, t + 2);
    lineTo(r - 1, t);
    drawRibs(frame, grips, false);

    foreColour(raised ? c[4] : c[1]);
    moveTo(l + 2, b - 2);
    lineTo(r - 2, b - 2);
    lineTo(r - 2, t + 2);

    foreColour(raised ? c[5] : c[0]);
    moveTo(l + 1, b - 1);
    lineTo(r - 1, b - 1);
    lineTo(r - 1, t + 1);
    foreColour(saved);
}

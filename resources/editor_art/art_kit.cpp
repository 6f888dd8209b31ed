#include "resources/editor_art/art_kit.h"

#include "resources/editor_art/palette.h"

#include <algorithm>

namespace editor_art {

using namespace palette;

Box boxOf(const Canvas& canvas)
{
    return {0, 0, static_cast<float>(canvas.width()), static_cast<float>(canvas.height())};
}

Box inset(Box box, float by)
{
    return {box.left + by, box.top + by, box.right - by, box.bottom - by};
}

void lightPanel(Canvas& canvas, Box box)
{
    canvas.fillRoundedGradient(box, kCornerRadius, kPanel, kPanelShade);
    canvas.strokeRoundedBox(box, kCornerRadius, 1, kPanelLine);
}

void darkPanel(Canvas& canvas, Box box)
{
    canvas.fillRoundedGradient(box, kCornerRadius, kFrameRaised, kFrame);
    canvas.strokeRoundedBox(box, kCornerRadius, 1, kFrameEdge);
}

void screen(Canvas& canvas, Box box)
{
    canvas.fillRoundedBox(box, kCornerRadius, kTealDeep);
    canvas.fillRoundedGradient(inset(box, 1), kCornerRadius - 1, mixed(kScreen, kTealTint, 0.6f), kScreen);
}

void menuField(Canvas& canvas, Box box)
{
    canvas.fillRoundedBox(box, kCornerRadius, kPanelLine);
    canvas.fillRoundedGradient(inset(box, 1), kCornerRadius - 1, kField, mixed(kField, kPanel, 0.5f));
    const float middle = (box.top + box.bottom) / 2;
    const float size = std::min(3.0f, (box.bottom - box.top) / 4);
    canvas.fillTriangle(box.right - 10, middle - size / 2 - 1, box.right - 4, middle - size / 2 - 1, box.right - 7,
        middle + size / 2 + 1, kTeal);
}

void headingBand(Canvas& canvas, Box box)
{
    canvas.fillRoundedGradient(box, kCornerRadius, mixed(kTeal, kTealTint, 0.35f), kTeal);
}

void knobSocket(Canvas& canvas, float x, float y)
{
    canvas.fillCircle(x + 21, y + 14.5f, 16, faded(kFrameDeep, 0.18f));
    canvas.fillCircle(x + 21, y + 14.5f, 15, kPanelShade);
}

void light(Canvas& canvas, float centreX, float centreY, float radius, bool lit)
{
    if (lit) {
        canvas.fillCircle(centreX, centreY, radius + 1.5f, faded(kTealBright, 0.35f));
        canvas.fillCircle(centreX, centreY, radius, kTealBright);
        canvas.fillCircle(centreX - radius / 3, centreY - radius / 3, radius / 3, faded(kWhite, 0.7f));
    } else {
        canvas.fillCircle(centreX, centreY, radius, kFrameDeep);
        canvas.fillCircle(centreX, centreY, radius - 1, mixed(kFrameDeep, kTealDeep, 0.45f));
    }
}

void buttonBody(Canvas& canvas, Box box, bool lit)
{
    canvas.fillRoundedBox(box, kCornerRadius, lit ? kTealDeep : kFrameDeep);
    if (lit)
        canvas.fillRoundedGradient(inset(box, 1), kCornerRadius - 1, kTealBright, kTeal);
    else
        canvas.fillRoundedGradient(inset(box, 1), kCornerRadius - 1, kFrameEdge, kFrameRaised);
}

void arrow(Canvas& canvas, Box box, Pointing pointing, Colour colour)
{
    const float middleX = (box.left + box.right) / 2;
    const float middleY = (box.top + box.bottom) / 2;
    switch (pointing) {
    case Pointing::left:
        canvas.fillTriangle(box.right, box.top, box.right, box.bottom, box.left, middleY, colour);
        break;
    case Pointing::right:
        canvas.fillTriangle(box.left, box.top, box.left, box.bottom, box.right, middleY, colour);
        break;
    case Pointing::up:
        canvas.fillTriangle(box.left, box.bottom, box.right, box.bottom, middleX, box.top, colour);
        break;
    case Pointing::down:
        canvas.fillTriangle(box.left, box.top, box.right, box.top, middleX, box.bottom, colour);
        break;
    }
}

TextStyle caption(Colour colour)
{
    return {9, Weight::bold, colour};
}

TextStyle heading(Colour colour)
{
    return {11, Weight::bold, colour};
}

void letter(const Sketch& sketch, const TextStyle& style, float x, int baseline, std::string_view text, Align align)
{
    sketch.type.draw(sketch.canvas, style, x, baseline, text, align);
}

} // namespace editor_art

#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

#include <string>

namespace editor_art {

using namespace palette;

namespace {

constexpr int kStepRows = 14;
constexpr int kSteps = 16;

} // namespace

// 10168 a step that plays, 10169 one that flams; 10170 and 10171 the same, dimmed.
void paintStepCell(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const bool dimmed = sketch.id >= 10170;
    const bool flam = sketch.id == 10169 || sketch.id == 10171;
    const Colour colour = dimmed ? kTealTint : kTeal;
    const Box cell{1.5f, 1.5f, 17.5f, 17.5f};
    if (flam) {
        canvas.strokeRoundedBox(cell, kCornerRadius, 2, colour);
        canvas.fillCircle(9.5f, 9.5f, 3, dimmed ? kTealTint : kTealDeep);
    } else {
        canvas.fillRoundedGradient(cell, kCornerRadius, dimmed ? kPanel : kTealBright, colour);
        canvas.strokeRoundedBox(cell, kCornerRadius, 1, dimmed ? kPanelLine : kTealDeep);
    }
}

// The step numbers over the grid's columns; 10173 marks the step that is playing.
void paintStepNumbers(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const bool playing = sketch.id == 10173;
    for (int step = 0; step < kSteps; ++step) {
        const float top = static_cast<float>(step * kStepRows);
        if (playing)
            canvas.fillRoundedBox({2, top + 1, 26, top + kStepRows - 1}, kCornerRadius, kTeal);
        letter(sketch, caption(playing ? kWhite : kTextGrey), 14, static_cast<int>(top) + 10, std::to_string(step + 1),
            Align::centre);
    }
}

void paintScrollThumb(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    canvas.fillRoundedBox(inset(boxOf(canvas), 0.5f), 2, kTealDeep);
    canvas.line(2.5f, 4, 2.5f, canvas.height() - 4.0f, 1, faded(kTealTint, 0.6f));
}

void paintFolder(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    canvas.fillRoundedBox({0.5f, 1.5f, 4.5f, 4.5f}, 1, kTealDeep);
    canvas.fillRoundedBox({0.5f, 3.5f, 8.5f, 10.5f}, 1.5f, kTealDeep);
    canvas.line(1.5f, 5, 7.5f, 5, 1, faded(kTealTint, 0.7f));
}

// Behind a selected name, which the browsers write in bright teal: 10178 marks a folder.
void paintSelectionBar(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const Box box = inset(boxOf(canvas), 0.5f);
    const Colour base = sketch.id == 10178 ? kTealDeep : kFrame;
    canvas.fillRoundedGradient(box, kCornerRadius, mixed(base, kFrameEdge, 0.3f), base);
    canvas.strokeRoundedBox(box, kCornerRadius, 1, kFrameDeep);
}

} // namespace editor_art

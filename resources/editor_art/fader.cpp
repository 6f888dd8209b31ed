#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

namespace editor_art {

using namespace palette;

namespace {

// The fader draws its handle 23 pixels below the value's place and moves it over 132 pixels; the
// handle's middle row is 20 pixels into it.
constexpr float kTravel = 132;
constexpr float kTopPosition = 43;
constexpr float kGrooveX = 25.5f;

} // namespace

void paintFaderTrack(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    // The read-out's window: the fader writes its value in black here.
    canvas.fillRoundedBox({1.5f, 2.5f, 38.5f, 17.5f}, kCornerRadius, kPanelLine);
    canvas.fillRoundedBox({2.5f, 3.5f, 37.5f, 16.5f}, kCornerRadius - 1, kField);
    canvas.fillRoundedBox({kGrooveX - 2, kTopPosition - 4, kGrooveX + 2, kTopPosition + kTravel + 4}, 2, kFrameDeep);
    for (int tick = 0; tick <= 10; ++tick) {
        const float y = kTopPosition + tick * kTravel / 10;
        const bool middle = tick == 5;
        canvas.line(middle ? 8 : 12, y, 19, y, 1, middle ? kTeal : kFrameEdge);
        canvas.line(32, y, middle ? 43 : 39, y, 1, middle ? kTeal : kFrameEdge);
    }
}

void paintFaderHandle(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const Box cap{8.5f, 9.5f, 38.5f, 30.5f};
    const Box shadow{cap.left, cap.top + 1.5f, cap.right, cap.bottom + 1.5f};
    canvas.fillRoundedBox(shadow, kCornerRadius, faded(kFrameDeep, 0.3f));
    buttonBody(canvas, cap, false);
    for (const float y : {14.0f, 17.0f, 23.0f, 26.0f})
        canvas.line(12, y, 35, y, 1, faded(kFrameDeep, 0.6f));
    canvas.line(10, 20, 37, 20, 2, kTealBright);
}

} // namespace editor_art

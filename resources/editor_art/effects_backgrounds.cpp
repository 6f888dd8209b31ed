#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

namespace editor_art {

using namespace palette;

namespace {

constexpr int kNoEffect = 10260;
constexpr int kGate = 10270;
constexpr int kFilter = 10271;
// The filter's fifth position has no control.
constexpr int kFilterHiddenPosition = 4;

int positionsOf(int id)
{
    switch (id) {
    case kNoEffect:
        return 0;
    case kGate:
        return 4;
    case kFilter:
        return 8;
    default:
        return id - 10259;
    }
}

} // namespace

// The effects container's background for a type with a given number of knob positions, two rows of five.
void paintEffectsPage(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    lightPanel(canvas, inset(boxOf(canvas), 0.5f));
    // Type and routing menus with mix, pan and bypass.
    knobSocket(canvas, 150, 24);
    knobSocket(canvas, 195, 24);
    canvas.line(8, 64.5f, 233, 64.5f, 1, faded(kPanelLine, 0.7f));
    for (int position = 0; position < positionsOf(sketch.id); ++position) {
        if (sketch.id == kFilter && position == kFilterHiddenPosition)
            continue;
        knobSocket(canvas, 14.0f + 47 * (position % 5), 70.0f + 41 * (position / 5));
    }
    if (sketch.id == kGate) {
        screen(canvas, {17, 112, 236, 151});
        for (int step = 0; step < 16; ++step)
            canvas.line(20.0f + 13 * step + 5.5f, 149, 20.0f + 13 * step + 5.5f, 150, 1, faded(kTealDeep, 0.5f));
    }
    // The two modulation routings, each with its amount knob.
    canvas.line(8, 159.5f, 233, 159.5f, 1, faded(kPanelLine, 0.7f));
    knobSocket(canvas, 13, 170);
    knobSocket(canvas, 123, 170);
}

} // namespace editor_art

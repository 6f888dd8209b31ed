#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

#include <cmath>

namespace editor_art {

using namespace palette;

namespace {

constexpr float kSweep = 2.35619449f; // 135 degrees each side of twelve o'clock
constexpr int kLastFrame = 150;

struct Dial {
    float centreX;
    float centreY;
    float body;
    float ring;
    float ringWidth;
};

// The ordinary knobs keep the whole dial in their top 29 rows: their captions start there. The large knob
// has no caption under it.
Dial dialOf(int id)
{
    if (id == 10054)
        return {25, 24, 14, 20, 3};
    return {21, 14.5f, 10, 12.75f, 2.5f};
}

} // namespace

void paintKnob(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const Dial dial = dialOf(sketch.id);
    const float position = -kSweep + 2 * kSweep * sketch.frame / kLastFrame;
    // Kind B is bipolar: its ring fills from twelve o'clock.
    const bool bipolar = sketch.id == 10055;
    const float from = bipolar ? std::fmin(position, 0.0f) : -kSweep;
    const float to = bipolar ? std::fmax(position, 0.0f) : position;

    canvas.strokeArc(dial.centreX, dial.centreY, dial.ring, dial.ringWidth, -kSweep, kSweep, kPanelLine);
    canvas.strokeArc(dial.centreX, dial.centreY, dial.ring, dial.ringWidth, from, to, kTeal);
    canvas.fillCircle(dial.centreX, dial.centreY + 1, dial.body, faded(kFrameDeep, 0.35f));
    canvas.fillCircle(dial.centreX, dial.centreY, dial.body, kFrameDeep);
    const float face = dial.body - 1;
    canvas.fillRoundedGradient(
        {dial.centreX - face, dial.centreY - face, dial.centreX + face, dial.centreY + face}, face, kFrameEdge, kFrame);
    const float reach = dial.body - 2.5f;
    canvas.line(dial.centreX + 2 * std::sin(position), dial.centreY - 2 * std::cos(position),
        dial.centreX + reach * std::sin(position), dial.centreY - reach * std::cos(position), 2, kTextLight);
}

} // namespace editor_art

#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace editor_art {

using namespace palette;

namespace {

constexpr std::array kRightArrows{10020, 10022, 10027, 10181, 10183, 10191};
// Snap buttons: an arrow against a bar, the end it snaps to.
constexpr std::array kSnapArrows{10180, 10181};

bool listed(const auto& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Compare (edited, original), help, and the compare button's two shown states.
char buttonLetter(int id)
{
    switch (id) {
    case 10041:
        return 'O';
    case 10043:
        return '?';
    default:
        return 'E';
    }
}

} // namespace

void paintArrowButton(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const bool lit = sketch.frame == 1;
    const Box body = inset(boxOf(canvas), 0.5f);
    buttonBody(canvas, body, lit);
    const float width = canvas.width();
    const float height = canvas.height();
    const float arrowWidth = std::max(2.0f, std::round(width * 0.4f));
    const float arrowHeight = std::min(height - 4, arrowWidth * 1.7f);
    const Box tip{(width - arrowWidth) / 2, (height - arrowHeight) / 2, (width + arrowWidth) / 2,
        (height + arrowHeight) / 2};
    const bool right = listed(kRightArrows, sketch.id);
    const Colour ink = lit ? kWhite : kTextLight;
    arrow(canvas, tip, right ? Pointing::right : Pointing::left, ink);
    if (listed(kSnapArrows, sketch.id)) {
        const float barX = right ? tip.right + 0.5f : tip.left - 0.5f;
        canvas.line(barX, tip.top, barX, tip.bottom, 1, ink);
    }
}

void paintLetterButton(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const bool lit = sketch.frame == 1;
    buttonBody(canvas, inset(boxOf(canvas), 0.5f), lit);
    const char text[] = {buttonLetter(sketch.id), '\0'};
    letter(sketch, {12, Weight::bold, lit ? kWhite : kTextLight}, canvas.width() / 2.0f, 15, text, Align::centre);
    // The compare button's shown states carry a light: dark while the loaded sound is shown.
    if (sketch.id == 10046 || sketch.id == 10047)
        light(canvas, 17, 4, 2, sketch.id == 10047);
}

void paintMidiButton(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    buttonBody(canvas, inset(boxOf(canvas), 0.5f), false);
    // A five-pin socket.
    canvas.strokeArc(10.5f, 10.5f, 6, 1.4f, -2.6f, 2.6f, kTextLight);
    for (int pin = 0; pin < 5; ++pin) {
        const float angle = -1.57f + pin * 0.785f;
        canvas.fillCircle(10.5f + 3.4f * std::sin(angle), 10.5f - 3.4f * std::cos(angle), 0.9f, kTealBright);
    }
}

void paintSwitch(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const bool on = sketch.frame == 1;
    if (sketch.id == 10057) {
        // Round, high and to the right in its cell: the captions under the easy-bypass switches begin 18
        // rows below it, and those left of the modulation page's selectors end 3 columns into it.
        canvas.fillCircle(11.5f, 9, 7.5f, kFrameDeep);
        canvas.fillCircle(11.5f, 9, 6.5f, kFrameRaised);
        light(canvas, 11.5f, 9, 4.0f, on);
        return;
    }
    buttonBody(canvas, inset(boxOf(canvas), 1.5f), false);
    light(canvas, 11, 11, 4.5f, on);
}

void paintSelectLight(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    canvas.fillCircle(6.5f, 6.5f, 6, faded(kFrameDeep, 0.8f));
    light(canvas, 6.5f, 6.5f, 4.5f, sketch.frame == 1);
}

void paintTabButton(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const bool on = sketch.frame == 1;
    buttonBody(canvas, inset(boxOf(canvas), 0.5f), false);
    canvas.fillRoundedBox({5, 5, 15, 9}, 2, on ? kTealBright : mixed(kFrameDeep, kTealDeep, 0.5f));
}

void paintPositionSwitch(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const bool on = sketch.frame == 1;
    // Within a knob's dial rows, so that the caption under it stays clear.
    buttonBody(canvas, {8.5f, 3.5f, 33.5f, 25.5f}, false);
    light(canvas, 21, 14.5f, 5, on);
}

void paintCentreButton(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const bool lit = sketch.frame == 1;
    canvas.fillCircle(9, 9, 8, kFrameDeep);
    canvas.fillCircle(9, 9, 7, lit ? kTeal : kFrameRaised);
    canvas.line(9, 5, 9, 13, 1.5f, lit ? kWhite : kTextLight);
}

void paintBypassMark(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    // A tint and an underline only, so that the track name under it stays readable.
    if (sketch.frame == 1) {
        canvas.fillRoundedBox({0, 0, 16, 8}, 2, faded(kTeal, 0.25f));
        canvas.fill(0, 6, 16, 8, kTeal);
    } else {
        canvas.fill(0, 7, 16, 8, faded(kPanelLine, 0.8f));
    }
}

// The field leaves its cell's last row clear: captions begin on the row after some menus' cells. The
// LFO's menus (10035) stand 25 rows apart with the mode caption between them, 15 rows below the top of
// the wave menu: their fields end above it.
void paintMenu(const Sketch& sketch)
{
    constexpr float kLfoMenuFieldRows = 15;
    Box field = inset(boxOf(sketch.canvas), 0.5f);
    field.bottom = sketch.id == 10035 ? kLfoMenuFieldRows - 0.5f : field.bottom - 1;
    menuField(sketch.canvas, field);
}

void paintLogo(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const bool pressed = sketch.frame == 1;
    darkPanel(canvas, inset(boxOf(canvas), 0.5f));
    if (pressed)
        canvas.strokeRoundedBox(inset(boxOf(canvas), 1), kCornerRadius, 2, kTeal);
    letter(sketch, {30, Weight::bold, pressed ? kTealBright : kTextLight}, 16, 37, "KRAVO");
    letter(sketch, caption(kTeal), 17, 51, "DRUM SYNTHESIZER");
}

} // namespace editor_art

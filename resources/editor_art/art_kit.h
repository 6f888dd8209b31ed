#pragma once

// The pieces the editor's pictures share: panels, screens, fields, lights, buttons, arrows and lettering,
// each drawn one way only, so that every picture speaks the same language.

#include "resources/editor_art/canvas.h"
#include "resources/editor_art/typeface.h"

#include <string_view>

namespace editor_art {

// What a painter draws into: one frame of one image.
struct Sketch {
    Canvas& canvas;
    Typeface& type;
    int id;
    // 0 for single pictures; the state of a two-state picture; the frame of a knob.
    int frame;
};

Box boxOf(const Canvas& canvas);
Box inset(Box box, float by);

void lightPanel(Canvas& canvas, Box box);
void darkPanel(Canvas& canvas, Box box);
// The teal display glass of the browsers and the pattern grid.
void screen(Canvas& canvas, Box box);
// A menu's face: a light field with a teal mark at its right end.
void menuField(Canvas& canvas, Box box);
// A section's heading band.
void headingBand(Canvas& canvas, Box box);
// The well a knob sits in, for a 42-pixel knob whose top-left is (x, y).
void knobSocket(Canvas& canvas, float x, float y);
void light(Canvas& canvas, float centreX, float centreY, float radius, bool lit);
// A push button's body: dark when released, teal when pressed or lit.
void buttonBody(Canvas& canvas, Box box, bool lit);

enum class Pointing { left, right, up, down };
void arrow(Canvas& canvas, Box box, Pointing pointing, Colour colour);

// Lettering in the typeface: small captions, headings and titles.
TextStyle caption(Colour colour);
TextStyle heading(Colour colour);
void letter(const Sketch& sketch, const TextStyle& style, float x, int baseline, std::string_view text,
    Align align = Align::left);

} // namespace editor_art

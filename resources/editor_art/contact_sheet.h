#pragma once

// One picture of every image for a person to look at: each labelled by its id, knobs at three
// positions, the bitmap fonts as glyph tables with a line of text set in them.

#include "resources/editor_art/canvas.h"
#include "resources/editor_art/typeface.h"

namespace editor_art {

Canvas contactSheet(Typeface& type);

} // namespace editor_art

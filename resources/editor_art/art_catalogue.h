#pragma once

// Every image the editor loads: its id, its size and how many frames it stacks from the top
// (two-state images their off state first, knobs their 151 positions), and the painter that draws it.

#include "resources/editor_art/canvas.h"
#include "resources/editor_art/painters.h"
#include "resources/editor_art/typeface.h"

#include <vector>

namespace editor_art {

struct ArtImage {
    int id;
    int width;
    int height;
    int frames;
    Painter paint;
};

const std::vector<ArtImage>& catalogue();

// The whole image, each frame painted on its own transparent canvas and stacked.
Canvas render(const ArtImage& image, Typeface& type);

} // namespace editor_art

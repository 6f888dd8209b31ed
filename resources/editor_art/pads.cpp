#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/names/voice_names.h"
#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

#include <string_view>

namespace editor_art {

using namespace palette;

namespace {

// Pads overlap their neighbours: only the top 25 rows and left 64 columns of each picture are the pad,
// its shadow in the last row; the select light sits on its right part.
constexpr Box kPadBody{0.5f, 0.5f, 63.5f, 23.5f};
constexpr int kNameRoom = 40;

void pad(const Sketch& sketch, std::string_view name)
{
    Canvas& canvas = sketch.canvas;
    const bool lit = sketch.frame == 1;
    canvas.fillRoundedBox({kPadBody.left, kPadBody.top + 1, kPadBody.right, kPadBody.bottom + 1}, kCornerRadius,
        faded(kFrameDeep, 0.5f));
    buttonBody(canvas, kPadBody, lit);
    // The name keeps clear of the select light at the pad's right.
    TextStyle style{10, Weight::bold, lit ? kWhite : kTextLight};
    if (sketch.type.width(style, name) > kNameRoom)
        style.size = 9;
    letter(sketch, style, 5, 15, name);
}

} // namespace

// Named as the pattern tracks name the voices they play.
void paintVoicePad(const Sketch& sketch)
{
    pad(sketch, kravo::param::display::kTrackPadNames[static_cast<std::size_t>(sketch.id - 10210)]);
}

void paintPatternPad(const Sketch& sketch)
{
    pad(sketch, kravo::param::names::kPatternNames[static_cast<std::size_t>(sketch.id - 10300)]);
}

} // namespace editor_art

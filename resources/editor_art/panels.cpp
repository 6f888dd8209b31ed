#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

namespace editor_art {

using namespace palette;

namespace {

// A panel heads its section in its top rows, inset at both ends so that where panels overlap the
// headings stay apart. Its body is only a tint: the pages add the captions before the panels, and the
// captions must show through.
constexpr float kHeadingRows = 12;
constexpr float kHeadingInset = 8;
constexpr float kBodyTint = 0.35f;

} // namespace

void paintPanel(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const Box box = inset(boxOf(canvas), 0.5f);
    canvas.fillRoundedGradient(box, kCornerRadius, faded(mixed(kPanel, kPanelShade, 0.5f), kBodyTint),
                               faded(kPanelShade, kBodyTint));
    canvas.strokeRoundedBox(box, kCornerRadius, 1, faded(kPanelLine, 0.7f));
    headingBand(canvas, {kHeadingInset, 2, canvas.width() - kHeadingInset, kHeadingRows - 1});
}

void paintRule(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    const float middle = canvas.width() / 2.0f;
    canvas.line(middle, 3, middle, canvas.height() - 3.0f, 2, faded(kPanelLine, 0.9f));
    canvas.fillCircle(middle, 3, 2, kTeal);
    canvas.fillCircle(middle, canvas.height() - 3.0f, 2, kTeal);
}

void paintConnector(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    canvas.fillRoundedBox({0.5f, 3, 17.5f, 6}, 1.5f, kPanelLine);
    canvas.fillCircle(9, 4.5f, 2.5f, kTeal);
}

} // namespace editor_art

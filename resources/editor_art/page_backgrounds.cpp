#include "plugin/parameters/names/voice_names.h"
#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

#include <string>

namespace editor_art {

using namespace palette;

namespace {

// A group of controls on a page: a faint box.
void group(Canvas& canvas, Box box)
{
    canvas.fillRoundedBox(box, kCornerRadius, faded(kPanelShade, 0.6f));
    canvas.strokeRoundedBox(box, kCornerRadius, 1, faded(kPanelLine, 0.6f));
}

void page(Canvas& canvas)
{
    lightPanel(canvas, inset(boxOf(canvas), 0.5f));
}

// A file list: the folder-up sign, the scroll track with its two arrows and the path line under it.
void sampleBrowser(const Sketch& sketch, Box box)
{
    Canvas& canvas = sketch.canvas;
    screen(canvas, box);
    const Colour ink = kTealDeep;
    // The top strip holds the layer's sample name, and its menu button at the right.
    canvas.fillRoundedBox({box.right - 54, box.top + 2, box.right - 2, box.top + 13}, kCornerRadius, faded(ink, 0.25f));
    letter(sketch, caption(ink), box.right - 28, static_cast<int>(box.top) + 11, "MENU", Align::centre);
    canvas.line(box.left + 2, box.top + 15, box.right - 18, box.top + 15, 1, faded(ink, 0.5f));
    arrow(canvas, {box.left + 6, box.top + 18, box.left + 14, box.top + 24}, Pointing::up, ink);
    letter(sketch, caption(ink), box.left + 18, static_cast<int>(box.top) + 25, "UP");
    const Box track{box.right - 15, box.top + 15, box.right - 3, box.bottom - 31};
    canvas.fillRoundedBox(track, kCornerRadius, faded(ink, 0.2f));
    arrow(canvas, {track.left + 2, track.top + 2, track.right - 2, track.top + 9}, Pointing::up, ink);
    arrow(canvas, {track.left + 2, track.bottom - 9, track.right - 2, track.bottom - 2}, Pointing::down, ink);
    canvas.line(box.left + 2, box.bottom - 31, box.right - 2, box.bottom - 31, 1, faded(ink, 0.5f));
}

} // namespace

void paintVoicePage(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    page(canvas);
    // The voice's mixer strip, and the easy-bypass switch above its captions.
    group(canvas, {576.5f, 4.5f, 668.5f, 218.5f});
    group(canvas, {516.5f, 166.5f, 570.5f, 218.5f});
    // 10141 serves the tom and user voices, which choose between a tom model and a user model.
    if (sketch.id == 10141)
        group(canvas, {516.5f, 78.5f, 570.5f, 162.5f});
}

void paintModulationPage(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    page(canvas);
    group(canvas, {6.5f, 6.5f, 226.5f, 216.5f});
    group(canvas, {232.5f, 6.5f, 452.5f, 216.5f});
    group(canvas, {458.5f, 6.5f, 666.5f, 216.5f});
}

// Each voice has a cell of volume and pan: voice k in column k / 4 and row k mod 4.
void paintMixerPage(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    page(canvas);
    for (int voice = 0; voice < 24; ++voice) {
        const float x = 67.0f + 114 * (voice / 4);
        const float y = 46.0f + 54 * (voice % 4);
        group(canvas, {x - 50.5f, y - 39.5f, x + 46.5f, y + 11.5f});
        knobSocket(canvas, x - 43, y - 29);
        knobSocket(canvas, x, y - 29);
        letter(sketch, {8, Weight::bold, kTealDeep}, x, static_cast<int>(y) - 31,
            kravo::param::names::kVoiceNames[static_cast<std::size_t>(voice)], Align::centre);
    }
    group(canvas, {700.5f, 6.5f, 914.5f, 58.5f});
    letter(sketch, caption(kTextGrey), 710, 36, "FX BYPASS");
    for (int slot = 0; slot < 4; ++slot) {
        const float x = 753.0f + 105 * (slot % 2);
        const float y = 71.0f + 61 * (slot / 2);
        group(canvas, {x - 50.5f, y - 9.5f, x + 46.5f, y + 41.5f});
        knobSocket(canvas, x - 43, y);
        knobSocket(canvas, x, y);
        const std::string name = "FX " + std::to_string(slot + 1);
        letter(sketch, {8, Weight::bold, kTealDeep}, x, static_cast<int>(y) - 1, name, Align::centre);
        letter(sketch, caption(kTextGrey), (slot % 2 == 0 ? 858.0f : 901.0f), slot < 2 ? 29 : 48,
            std::to_string(slot + 1));
    }
}

// The voices' faders, then the effects' mixes with their bypass switches.
void paintEasyPage(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    page(canvas);
    group(canvas, {6.5f, 6.5f, 612.5f, 216.5f});
    group(canvas, {618.5f, 6.5f, 915.5f, 216.5f});
}

void paintSamplePage(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    page(canvas);
    sampleBrowser(sketch, {11, 11, 209, 217});
    // The sample voice's mixer strip and its easy-bypass switch.
    group(canvas, {823.5f, 4.5f, 915.5f, 218.5f});
    group(canvas, {759.5f, 166.5f, 813.5f, 218.5f});
}

// 10011 with the grid showing steps, 10012 with it showing a step's values (the View switch).
void paintPatternPage(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    page(canvas);
    canvas.fillRoundedBox({0, 0, 80, 208}, kCornerRadius, kFrame);
    screen(canvas, {124, 9, 596, 151});
    if (sketch.id == 10012)
        canvas.fillRoundedBox({125, 10, 595, 150}, kCornerRadius, faded(kTealTint, 0.45f));
    // The pattern file list: the band that returns to the root folder, and the scroll track with an arrow
    // in each of its click zones (above 24 and below 126 of the list's rows).
    const Box list{600, 9, 710, 147};
    screen(canvas, list);
    canvas.fillRoundedBox({list.left + 2, list.top + 21, list.left + 100, list.top + 35}, kCornerRadius,
        faded(kTealDeep, 0.2f));
    letter(sketch, caption(kTealDeep), list.left + 6, static_cast<int>(list.top) + 32, "ROOT");
    canvas.fillRoundedBox({list.left + 103, list.top + 29, list.left + 109, list.top + 127}, 2, faded(kTealDeep, 0.2f));
    arrow(canvas, {list.left + 102.5f, list.top + 15, list.left + 109.5f, list.top + 21}, Pointing::up, kTealDeep);
    arrow(canvas, {list.left + 102.5f, list.top + 129, list.left + 109.5f, list.top + 135}, Pointing::down, kTealDeep);
    group(canvas, {84.5f, 154.5f, 716.5f, 203.5f});
}

void paintVoiceSelector(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    canvas.fillRoundedGradient(boxOf(canvas), kCornerRadius, kFrame, kFrameDeep);
}

} // namespace editor_art

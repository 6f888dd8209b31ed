#include "resources/editor_art/painters.h"
#include "resources/editor_art/palette.h"

#include <array>

namespace editor_art {

using namespace palette;

namespace {

struct Named {
    float x;
    const char* name;
};

// The page buttons of the tab strip, named to their right.
constexpr std::array<Named, 5> kPageTabs{{{48, "Easy"}, {116, "Voice"}, {191, "Mixer"}, {278, "Mod"}, {382, "Hide"}}};
constexpr std::array<Named, 4> kEffectSlotTabs{{{725, "1"}, {763, "2"}, {800, "3"}, {837, "4"}}};
constexpr float kTabButtonWidth = 20;

void frameGround(Canvas& canvas)
{
    canvas.fillRoundedGradient(boxOf(canvas), 0, kFrameRaised, kFrameDeep);
}

// The window's containers sit in recesses, whose rims show around them.
void recess(Canvas& canvas, Box box)
{
    canvas.fillRoundedBox(box, kCornerRadius + 2, kFrameDeep);
}

} // namespace

void paintWindow(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    frameGround(canvas);
    darkPanel(canvas, {6.5f, 24.5f, 977.5f, 100.5f});
    // The program display: its menus and names write in grey.
    lightPanel(canvas, {92.5f, 36.5f, 497.5f, 88.5f});
    const TextStyle light = caption(kTextLight);
    const TextStyle dim = caption(kTextDim);
    letter(sketch, dim, 100, 33, "PROGRAM");
    letter(sketch, light, 532, 53, "EDIT");
    letter(sketch, light, 532, 83, "ORIG");
    letter(sketch, dim, 507, 33, "COMPARE");
    letter(sketch, light, 585, 53, "MIDI");
    letter(sketch, light, 585, 83, "HELP");
    letter(sketch, dim, 661, 33, "VOLUME", Align::centre);
    letter(sketch, {10, Weight::bold, kTeal}, 16, 53, "KRAVO");
    letter(sketch, dim, 16, 66, "DRUMS");

    recess(canvas, {28, 116, 956, 362});
    recess(canvas, {28, 380, 956, 594});
    // The dynamic-pages switch at (129, 369) between the two recesses.
    letter(sketch, light, 153, 380, "DYNAMIC");
    letter(sketch, dim, 205, 380, "a pad also selects its voice");
    letter(sketch, dim, 953, 611, "KRAVO", Align::right);
}

void paintOverlay(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    frameGround(canvas);
    letter(sketch, {44, Weight::bold, kTextLight}, 492, 190, "KRAVO", Align::centre);
    letter(sketch, heading(kTeal), 492, 214, "DRUM SYNTHESIZER", Align::centre);

    // The settings around the sync switch (82, 390), the arrow-key switch (82, 417) and the mapping menu
    // (82, 444).
    lightPanel(canvas, {60.5f, 358.5f, 440.5f, 478.5f});
    headingBand(canvas, {68, 362, 433, 378});
    letter(sketch, heading(kWhite), 76, 374, "SETTINGS");
    const TextStyle grey{11, Weight::regular, kTextGrey};
    letter(sketch, grey, 112, 405, "Sync to the host's tempo");
    letter(sketch, grey, 112, 432, "Arrow keys step programs");
    letter(sketch, grey, 156, 458, "Note mapping");
    letter(sketch, {11, Weight::regular, kTextLight}, 492, 560, "Click anywhere else to close", Align::centre);
}

void paintPageTabs(const Sketch& sketch)
{
    Canvas& canvas = sketch.canvas;
    canvas.fillRoundedGradient(boxOf(canvas), 0, kFrameRaised, kFrame);
    canvas.line(0, 16.5f, canvas.width(), 16.5f, 1, kFrameDeep);
    const TextStyle light = caption(kTextLight);
    letter(sketch, caption(kTextDim), 8, 13, "PAGE");
    for (const Named& tab : kPageTabs)
        letter(sketch, light, tab.x + kTabButtonWidth + 4, 13, tab.name);
    // 10152 stands with the effects panel and names its slot buttons.
    if (sketch.id == 10152) {
        letter(sketch, caption(kTextDim), 720, 13, "FX", Align::right);
        for (const Named& slot : kEffectSlotTabs)
            letter(sketch, light, slot.x + kTabButtonWidth + 3, 13, slot.name);
    }
}

} // namespace editor_art

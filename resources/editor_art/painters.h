#pragma once

// Every painter draws one frame of the images that share its look; the catalogue says which image
// each paints and how big it is. A painter tells images apart by the sketch's id.

#include "resources/editor_art/art_kit.h"

namespace editor_art {

using Painter = void (*)(const Sketch& sketch);

// Buttons, switches, lights and menus (buttons.cpp).
void paintArrowButton(const Sketch& sketch);
void paintLetterButton(const Sketch& sketch);
void paintMidiButton(const Sketch& sketch);
void paintSwitch(const Sketch& sketch);
void paintSelectLight(const Sketch& sketch);
void paintTabButton(const Sketch& sketch);
void paintPositionSwitch(const Sketch& sketch);
void paintCentreButton(const Sketch& sketch);
void paintBypassMark(const Sketch& sketch);
void paintMenu(const Sketch& sketch);
void paintLogo(const Sketch& sketch);

// The fader (fader.cpp).
void paintFaderTrack(const Sketch& sketch);
void paintFaderHandle(const Sketch& sketch);

// Knob filmstrips (knobs.cpp).
void paintKnob(const Sketch& sketch);

// Section panels, their rules and connectors (panels.cpp).
void paintPanel(const Sketch& sketch);
void paintRule(const Sketch& sketch);
void paintConnector(const Sketch& sketch);

// Voice and pattern pads (pads.cpp).
void paintVoicePad(const Sketch& sketch);
void paintPatternPad(const Sketch& sketch);

// The pattern grid's cells and step numbers, the browsers' thumb, folder and selection bars
// (grid_parts.cpp).
void paintStepCell(const Sketch& sketch);
void paintStepNumbers(const Sketch& sketch);
void paintScrollThumb(const Sketch& sketch);
void paintFolder(const Sketch& sketch);
void paintSelectionBar(const Sketch& sketch);

// The labels' two bitmap fonts (bitmap_fonts.cpp).
void paintBitmapFont(const Sketch& sketch);

// The window's background, the overlay and the page-tab strip (window_backgrounds.cpp).
void paintWindow(const Sketch& sketch);
void paintOverlay(const Sketch& sketch);
void paintPageTabs(const Sketch& sketch);

// The page containers' backgrounds (page_backgrounds.cpp).
void paintVoicePage(const Sketch& sketch);
void paintModulationPage(const Sketch& sketch);
void paintMixerPage(const Sketch& sketch);
void paintEasyPage(const Sketch& sketch);
void paintSamplePage(const Sketch& sketch);
void paintPatternPage(const Sketch& sketch);
void paintVoiceSelector(const Sketch& sketch);

// The effects container's backgrounds by knob count (effects_backgrounds.cpp).
void paintEffectsPage(const Sketch& sketch);

} // namespace editor_art

#pragma once

// The effects page's controls: per master effect slot its own set, all at the same places, of which only
// the selected slot's are shown; the routing menu and the fixed labels are shared. None until the page
// builds them, none again after close.

#include "editor/fx_type_defaults.h"
#include "plugin/parameters/effect_parameters.h"

#include <array>

class blueGatorDisplay;
class myKnob;
class myLabel;
class myOnOff;
class myOptionMenu;

struct EffectsPageControls {
    static constexpr int kSlotCount = kravo::param::kEffectSlotCount;
    static constexpr int kFixedLabelCount = 11;

    // A modulation source menu holds its two groups of sequence sources, free and smooth.
    struct SourceMenu {
        myOptionMenu* menu = nullptr;
        std::array<myOptionMenu*, 2> groups{};
    };
    struct Slot {
        myOnOff* bypass = nullptr;
        myKnob* mix = nullptr;
        myKnob* pan = nullptr;
        myOptionMenu* type = nullptr;
        std::array<SourceMenu, 2> sources{};
        std::array<myOptionMenu*, 2> destinations{};
        std::array<myKnob*, 2> amounts{};
        std::array<blueGatorDisplay*, 2> gateRows{};
        // Per position the three controls the types choose from, all with the position's tag, and its label.
        std::array<myKnob*, editor::kFxKnobCount> knobsA{};
        std::array<myKnob*, editor::kFxKnobCount> knobsB{};
        std::array<myOnOff*, editor::kFxKnobCount> switches{};
        std::array<myLabel*, editor::kFxKnobCount> labels{};
    };

    std::array<Slot, kSlotCount> slots{};
    std::array<myLabel*, kFixedLabelCount> fixedLabels{};
    myOptionMenu* routingMenu = nullptr;

    // Releases the editor's reference to every control made and clears every pointer; the source
    // menus' groups belong to their menus.
    void forgetAll();
};

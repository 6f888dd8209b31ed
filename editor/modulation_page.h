#pragma once

// The modulation page's controls: two envelopes, two LFOs and eight matrix slots, each with its own set
// of controls at one place, of which only the selected ones are shown; the selectors and labels. None
// until the page builds them, none again after close.

#include "editor/effects_page.h"

#include <array>
#include <span>
#include <string_view>

class myKnob;
class myLabel;
class myOptionMenu;
class myRadioButton;

// A menu of the shown envelope, LFO or slot, with its parameter's scale and list of names; menus with
// groups are resolved by the chosen name, the others by the chosen entry.
struct ModulationMenu {
    myOptionMenu* menu;
    std::span<myOptionMenu* const> groups;
    float scale;
    std::span<const std::string_view> names;
    bool byName;
};

struct ModulationPageControls {
    static constexpr int kEnvelopeCount = 2;
    static constexpr int kLfoCount = 2;
    static constexpr int kSlotCount = 8;
    static constexpr int kLabelCount = 34;
    static constexpr int kDestinationGroups = 26;
    // Per shown envelope, LFO and slot: their destination and source menus and the LFO's three.
    static constexpr int kShownMenuCount = 10;

    using SourceMenu = EffectsPageControls::SourceMenu;
    // A destination menu holds its groups of destinations.
    struct DestinationMenu {
        myOptionMenu* menu = nullptr;
        std::array<myOptionMenu*, kDestinationGroups> groups{};
    };
    struct Envelope {
        myKnob* attack = nullptr;
        myKnob* hold = nullptr;
        myKnob* decay = nullptr;
        myKnob* amount = nullptr;
        myKnob* modAmount = nullptr;
        DestinationMenu destination;
        SourceMenu modSource;
    };
    struct Lfo {
        myOptionMenu* wave = nullptr;
        myOptionMenu* mode = nullptr;
        myOptionMenu* sync = nullptr;
        myKnob* speed = nullptr;
        myKnob* humanize = nullptr;
        myKnob* symmetry = nullptr;
        myKnob* amount = nullptr;
        myKnob* modAmount = nullptr;
        DestinationMenu destination;
        SourceMenu modSource;
    };
    struct Slot {
        SourceMenu source;
        DestinationMenu destination;
        SourceMenu modSource;
        myKnob* amount = nullptr;
        myKnob* modAmount = nullptr;
    };

    std::array<Envelope, kEnvelopeCount> envelopes{};
    std::array<Lfo, kLfoCount> lfos{};
    std::array<Slot, kSlotCount> slots{};
    std::array<myRadioButton*, kEnvelopeCount> envelopeSelectors{};
    std::array<myRadioButton*, kLfoCount> lfoSelectors{};
    std::array<myRadioButton*, kSlotCount> slotSelectors{};
    std::array<myLabel*, kLabelCount> labels{};

    // Releases the editor's reference to every control made and clears every pointer; the menus' groups
    // belong to their menus.
    void forgetAll();
};

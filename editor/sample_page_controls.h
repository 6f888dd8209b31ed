#pragma once

// The sample page's controls: those of every slot and of every slot-layer pair exist while the editor is
// open, and the page shows the ones of the selected slot and the edited layer. None until the page builds
// them, none again after close.

#include "plugin/parameters/voice_order.h"

#include <array>
#include <cstddef>

class myKnob;
class myLabel;
class myOnOff;
class myOptionMenu;
class myRadioButton;
class TSampleFileDisplay;

namespace Toolkit {
class CKickButton;
} // namespace Toolkit

struct SamplePageControls {
    static constexpr int kSlotCount = kravo::param::kSampleSlotCount;
    static constexpr int kLayerCount = 2;
    static constexpr int kPairCount = kSlotCount * kLayerCount;
    static constexpr int kCaptionCount = 45;
    static constexpr int kMixerCaptionCount = 8;
    static constexpr int kLoopButtonCount = 8;
    static constexpr int kSampleKnobCount = 3;
    static constexpr int kSoundKnobCount = 24;

    struct Slot {
        myOptionMenu* playMode = nullptr;
        myOnOff* combine = nullptr;
        myKnob* mix = nullptr;
        myKnob* velocitySplit = nullptr;
        myKnob* spread = nullptr;
        myOptionMenu* lfoMode = nullptr;
        myOptionMenu* lfoSync = nullptr;
    };
    // One layer of one slot: what always follows the edited layer (sample knobs, loop and reverse) and its
    // sound controls, which combine may replace with layer A's.
    struct Layer {
        std::array<myKnob*, kSampleKnobCount> sampleKnobs{};
        myOnOff* loop = nullptr;
        myOnOff* reverse = nullptr;
        myOptionMenu* filterType = nullptr;
        std::array<myKnob*, kSoundKnobCount> soundKnobs{};
    };

    std::array<myLabel*, kCaptionCount> captions{};
    std::array<myLabel*, kMixerCaptionCount> mixerCaptions{};
    // "Edit Sample A", "Edit Sample B".
    std::array<myRadioButton*, kLayerCount> layerButtons{};
    std::array<Slot, kSlotCount> slots{};
    // By pair 2 × slot + layer.
    std::array<Layer, kPairCount> layers{};
    std::array<std::array<Toolkit::CKickButton*, kLoopButtonCount>, kPairCount> loopButtons{};
    TSampleFileDisplay* browser = nullptr;

    // Calls visit with a reference to every control pointer, set or not.
    template <typename Visit> void forEach(Visit visit)
    {
        visit(browser);
        for (auto& caption : captions)
            visit(caption);
        for (auto& caption : mixerCaptions)
            visit(caption);
        for (auto& button : layerButtons)
            visit(button);
        for (Slot& slot : slots) {
            visit(slot.playMode);
            visit(slot.combine);
            visit(slot.mix);
            visit(slot.velocitySplit);
            visit(slot.spread);
            visit(slot.lfoMode);
            visit(slot.lfoSync);
        }
        for (Layer& layer : layers) {
            for (auto& knob : layer.sampleKnobs)
                visit(knob);
            visit(layer.loop);
            visit(layer.reverse);
            visit(layer.filterType);
            for (auto& knob : layer.soundKnobs)
                visit(knob);
        }
        for (auto& buttons : loopButtons)
            for (auto& button : buttons)
                visit(button);
    }
};

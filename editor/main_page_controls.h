#pragma once

// The main page's controls: the global strip, each voice's common section and mixer strip, the captions
// and the section artwork. The page switching and the voice pages place them; valueChanged recognises
// the command controls by identity. None until the main page builds them, none again after close.

#include "editor/caption.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/voice_order.h"

#include <array>
#include <cstddef>
#include <cstdint>

class myBitmap;
class myKnob;
class myLabel;
class myOnOff;
class myOptionMenu;
class myRadioBitmapButton;
class myTextButton;

namespace Toolkit {
class CKickButton;
class CView;
} // namespace Toolkit

// A voice's mixer strip and its captions: a sample voice's stands further right, beside the sample page.
inline constexpr std::int32_t kSynthStripLeft = 590;
inline constexpr std::int32_t kSampleStripShift = 247;
inline constexpr std::array<editor::Caption, 8> kMixerStripCaptions = {{
    {"vol", 586, 91, 30, editor::CaptionAlign::centred},   {"vel", 632, 91, 30, editor::CaptionAlign::centred},
    {"pan", 609, 132, 30, editor::CaptionAlign::centred},  {"Dist1", 584, 206, 30, editor::CaptionAlign::centred},
    {"Dist2", 634, 206, 30, editor::CaptionAlign::centred}, {"Out", 610, 10, 45, editor::CaptionAlign::left},
    {"Choke", 604, 36, 55, editor::CaptionAlign::left},     {"Distort", 602, 147, 45, editor::CaptionAlign::left},
}};

struct MainPageControls {
    static constexpr int kVoiceCount = kravo::param::kVoiceSlotCount;
    static constexpr int kSynthVoiceCount = kravo::param::kSynthVoiceCount;
    static constexpr int kPageButtonCount = 4;
    static constexpr int kFxSlotCount = kravo::param::kEffectSlotCount;
    static constexpr int kTomUserSlotCount = kravo::param::kTomUserSlotCount;
    static constexpr int kPresetGroupCount = 40;
    static constexpr int kCommonKnobCount = 22;
    static constexpr int kCompactKnobCount = 4;
    static constexpr int kCommonCaptionCount = 35;
    static constexpr int kMixerCaptionCount = static_cast<int>(kMixerStripCaptions.size());
    static constexpr int kCellsPerGrid = 40;
    static constexpr int kSectionPanelCount = 48;
    static constexpr int kBarCount = 10;
    static constexpr std::size_t kMostControls = 1024;

    // The knobs and switch of a synthesised voice's common section; its three menus are the editor's
    // per-voice menus.
    struct CommonSection {
        std::array<myKnob*, kCommonKnobCount> knobs{};
        myOnOff* sampleReverse = nullptr;
        // A second control for semitones, amp hold, amp decay and filter frequency.
        std::array<myKnob*, kCompactKnobCount> compactColumn{};
    };
    // A voice's mixer strip; its output, choke-group and distortion menus are the editor's per-voice menus.
    struct MixerStrip {
        myKnob* volume = nullptr;
        myKnob* velocityToVolume = nullptr;
        myKnob* pan = nullptr;
        myKnob* distortionFirst = nullptr;
        myKnob* distortionSecond = nullptr;
    };

    // Page modes 0..3; the fifth button selects mode 4 (no page panel).
    std::array<myRadioBitmapButton*, kPageButtonCount> pageButtons{};
    Toolkit::CKickButton* noPanelPageButton = nullptr;
    std::array<myRadioBitmapButton*, kFxSlotCount> fxSlotButtons{};
    // The info line: the name and the text of what the mouse is over.
    myTextButton* infoTitle = nullptr;
    myTextButton* infoText = nullptr;
    myOptionMenu* programMenu = nullptr;
    // The program menu's "Presets" sub-menu: the program menu holds it.
    myOptionMenu* programList = nullptr;
    // Shows the kit's name; its one entry does nothing.
    myOptionMenu* kitNameMenu = nullptr;
    Toolkit::CKickButton* programDownButton = nullptr;
    Toolkit::CKickButton* programUpButton = nullptr;
    std::array<Toolkit::CKickButton*, 2> smallButtons{};
    Toolkit::CKickButton* compareEditedButton = nullptr;
    Toolkit::CKickButton* compareOriginalButton = nullptr;
    myOptionMenu* midiMapMenu = nullptr;
    Toolkit::CKickButton* helpButton = nullptr;
    Toolkit::CKickButton* logoButton = nullptr;
    myKnob* masterVolume = nullptr;
    myOnOff* dynamicPagesSwitch = nullptr;

    std::array<myOnOff*, kVoiceCount> easyBypassSwitches{};
    // "EASY", "PAGE", "BYPASS" beside the switch of a synthesised and of a sample voice.
    std::array<myLabel*, 3> synthBypassCaptions{};
    std::array<myLabel*, 3> sampleBypassCaptions{};
    // Per Tom / User voice (10, 11, 12): the button that makes it a tom and the one that makes it a user drum.
    std::array<myRadioBitmapButton*, kTomUserSlotCount> tomButtons{};
    std::array<myRadioBitmapButton*, kTomUserSlotCount> userButtons{};
    std::array<myLabel*, 4> tomUserCaptions{};
    // The drum-preset menus of the synthesised and of the sample voices, their groups of preset names
    // (which the menus hold) and their step buttons.
    myOptionMenu* synthPresetMenu = nullptr;
    myOptionMenu* samplePresetMenu = nullptr;
    std::array<myOptionMenu*, kPresetGroupCount> synthPresetGroups{};
    std::array<myOptionMenu*, kPresetGroupCount> samplePresetGroups{};
    std::array<Toolkit::CKickButton*, 2> synthPresetStepButtons{};
    std::array<Toolkit::CKickButton*, 2> samplePresetStepButtons{};

    std::array<myLabel*, kCommonCaptionCount> commonCaptions{};
    std::array<CommonSection, kSynthVoiceCount> commonSections{};
    std::array<myLabel*, kMixerCaptionCount> mixerCaptions{};
    std::array<MixerStrip, kVoiceCount> mixerStrips{};

    myBitmap* artwork = nullptr;
    std::array<Toolkit::CKickButton*, 2> modelStepButtons{};
    std::array<std::array<myBitmap*, kCellsPerGrid>, 2> cellGrids{};
    std::array<myBitmap*, kSectionPanelCount> sectionPanels{};
    std::array<myBitmap*, kBarCount> bars{};

    // Every control the main page made, so that close releases each once.
    std::array<Toolkit::CView*, kMostControls> made{};
    std::size_t madeCount = 0;

    template <typename Control> Control* keep(Control* control)
    {
        if (control != nullptr && madeCount < made.size())
            made[madeCount++] = control;
        return control;
    }
    // Releases the editor's reference to every control made and clears every pointer.
    void forgetAll();
};

// The overlay screen: a close button over the whole window, the host-sync and "Key" switches and the
// note-mapping menu. Built at open, shown on request.
struct OverlayControls {
    Toolkit::CKickButton* closeButton = nullptr;
    myOnOff* syncSwitch = nullptr;
    myOnOff* keySwitch = nullptr;
    myOptionMenu* mappingMenu = nullptr;

    void forgetAll();
};

#pragma once

// The main page's command controls and menus, which the editor's valueChanged recognises by identity,
// and the overlay's. None until they are built, none again after close.

#include <array>

class myOnOff;
class myOptionMenu;
class myRadioBitmapButton;

namespace Toolkit {
class CKickButton;
} // namespace Toolkit

struct MainPageControls {
    static constexpr int kPageButtonCount = 4;
    static constexpr int kFxSlotCount = 4;
    static constexpr int kTomUserSlotCount = 3;
    static constexpr int kPresetGroupCount = 40;

    // Page modes 0..3; the fifth button selects mode 4 (no page panel).
    std::array<myRadioBitmapButton*, kPageButtonCount> pageButtons{};
    Toolkit::CKickButton* noPanelPageButton = nullptr;
    std::array<myRadioBitmapButton*, kFxSlotCount> fxSlotButtons{};
    myOnOff* dynamicPagesSwitch = nullptr;
    Toolkit::CKickButton* programDownButton = nullptr;
    Toolkit::CKickButton* programUpButton = nullptr;
    Toolkit::CKickButton* compareEditedButton = nullptr;
    Toolkit::CKickButton* compareOriginalButton = nullptr;
    myOptionMenu* midiMapMenu = nullptr;
    Toolkit::CKickButton* helpButton = nullptr;
    Toolkit::CKickButton* logoButton = nullptr;
    // The drum-preset step buttons beside the synthesised voices' and the sample voices' preset menus.
    std::array<Toolkit::CKickButton*, 2> synthPresetStepButtons{};
    std::array<Toolkit::CKickButton*, 2> samplePresetStepButtons{};
    std::array<Toolkit::CKickButton*, 2> modelStepButtons{};
    // Per Tom / User voice (10, 11, 12): the button that makes it a tom and the one that makes it a user drum.
    std::array<myRadioBitmapButton*, kTomUserSlotCount> tomButtons{};
    std::array<myRadioBitmapButton*, kTomUserSlotCount> userButtons{};

    myOptionMenu* programMenu = nullptr;
    // The program menu's "Presets" sub-menu: the program menu holds it.
    myOptionMenu* programList = nullptr;
    // Shows the kit's name; its one entry does nothing.
    myOptionMenu* kitNameMenu = nullptr;
    // The drum-preset menus of the synthesised and of the sample voices, and their groups of preset
    // names, which the menus hold.
    myOptionMenu* synthPresetMenu = nullptr;
    myOptionMenu* samplePresetMenu = nullptr;
    std::array<myOptionMenu*, kPresetGroupCount> synthPresetGroups{};
    std::array<myOptionMenu*, kPresetGroupCount> samplePresetGroups{};

    // Releases the editor's reference to every control and clears every pointer.
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

#pragma once

// The main page's command controls, which the editor's valueChanged recognises by identity. None until
// the main page builds them.

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
};

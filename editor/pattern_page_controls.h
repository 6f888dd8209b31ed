#pragma once

// The pattern page's controls: a full set per pattern, of which only the selected pattern's is shown,
// the controls every pattern shares, the grid and the file browser. The pattern pads are the editor's
// patternPads, which the activity lights also reach. None until the page builds them, none again after
// close.

#include <array>
#include <cstdint>

class myKnob;
class myLabel;
class myOnOff;
class myOptionMenu;
class myRadioBitmapButton;
class myRadioButton;
class PatternGrid;
class PatternFileBrowser;

struct PatternPageControls {
    static constexpr int kPatternCount = 8;
    static constexpr int kTrackCount = 4;
    static constexpr int kCaptionCount = 14;

    using PerPattern = std::array<std::array<myOnOff*, kTrackCount>, kPatternCount>;
    using PerPatternMenus = std::array<std::array<myOptionMenu*, kTrackCount>, kPatternCount>;

    PerPattern bypassSwitches{};
    PerPatternMenus targetMenus{};
    std::array<myOptionMenu*, kPatternCount> startMenus{};
    std::array<myOptionMenu*, kPatternCount> endMenus{};
    std::array<myOptionMenu*, kPatternCount> speedMenus{};
    std::array<myKnob*, kPatternCount> swingKnobs{};
    std::array<myKnob*, kPatternCount> flamKnobs{};
    std::array<myKnob*, kPatternCount> humanKnobs{};

    std::array<myLabel*, kCaptionCount> captions{};
    std::array<myRadioBitmapButton*, kPatternCount> selectLights{};
    std::array<myRadioButton*, kTrackCount> trackButtons{};
    myOnOff* viewSwitch = nullptr;
    myOnOff* latchSwitch = nullptr;
    myOptionMenu* lockMenu = nullptr;
    PatternGrid* grid = nullptr;
    PatternFileBrowser* browser = nullptr;

    // Releases every control that was made, once, and clears the pointers.
    void forgetAll();
};

#pragma once

// The Easy page's controls: the faders of the global Easy parameters and the four effect mixes, a
// centre button under each, the semitone/octave choices of the two pitch faders and the four effect
// bypasses. None until the page builds them, none again after close.

#include <array>
#include <cstdint>

class myLabel;
class myOnOff;
class myRadioButton;
class myVSlider;

namespace Toolkit {
class CKickButton;
}

struct EasyPageControls {
    static constexpr int kFaderCount = 15;
    static constexpr int kLabelCount = 34;
    static constexpr int kBypassCount = 4;
    // Synth semitones, synth octaves, sample semitones, sample octaves.
    static constexpr int kPitchModeButtonCount = 4;

    std::array<myVSlider*, kFaderCount> faders{};
    std::array<Toolkit::CKickButton*, kFaderCount> centreButtons{};
    // The parameter each centre button puts back to the middle, in fader order.
    std::array<std::int32_t, kFaderCount> centreParameters{};
    std::array<myRadioButton*, kPitchModeButtonCount> pitchModeButtons{};
    std::array<myOnOff*, kBypassCount> bypassButtons{};
    std::array<myLabel*, kLabelCount> labels{};

    // Releases the editor's reference to every control made and clears every pointer.
    void forgetAll();
};

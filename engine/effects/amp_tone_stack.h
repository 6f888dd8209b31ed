#pragma once

#include "engine/effects/effect_clock.h"

namespace effects {

struct MasterEffectSlot;

// What "Amp Sim" and "Cabinet" do after their speaker filter: saturation, a
// bass and a treble stage and the volume.
struct AmpToneStack {
    float drive = 0.0f;  // 0 .. 255
    float bass = 0.0f;   // gains, 1 leaves the band as it is
    float treble = 0.0f;
    float volume = 0.0f;
};

// Both sides through the stack: the bass stage on filter bank 0's low-pass,
// the treble stage on bank 1's high-pass.
StereoPair processToneStack(MasterEffectSlot& slot, const AmpToneStack& stack, float left, float right);

} // namespace effects

#pragma once

#include "engine/effects/delay_lines.h"
#include "engine/effects/effect_clock.h"
#include "engine/effects/effect_gate.h"
#include "engine/effects/reverb_engine.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// What "Reverb" and "HQ Reverb" add around their engines: a pre-delay, a
// spread delay on the right output, a slowly swept internal pre-delay and
// (in the slot) the tail gate.
struct ReverbEffect {
    static constexpr std::uint32_t kLongestRingDelay = 65535;

    // Coefficients.
    std::uint32_t preDelayLength = 1; // samples
    std::uint32_t spreadLength = 1;   // samples

    // State: the sweep of the engines' internal pre-delay, 0..1.
    float sweepPhase = 0.0f;

    // The engines' own pre-delay: swept between 7.2 and 8 samples along a slow triangle, so that the left input
    // never lines up with a fixed comb grid. Moved on every 16 samples.
    std::uint32_t sweptPreDelay();

    // "Reverb": the slot's first engine between the pre-delay rings, then the spread ring on the right output and
    // the gate. Inline, as the slot runs it every sample.
    StereoPair process(ReverbEngine& engine, SampleRing& preDelayLeft, SampleRing& preDelayRight,
                       SampleRing& spreadRing, EffectGate& gate, const EffectClock& clock, float left, float right)
    {
        constexpr float kWetGain = 0.5f;
        if (clock.controlTick())
            engine.setPreDelay(sweptPreDelay());
        const std::uint32_t counter = clock.sampleCounter;
        preDelayLeft.write(counter, left);
        preDelayRight.write(counter, right);
        StereoPair wet;
        engine.process(preDelayLeft.read(counter, preDelayLength), preDelayRight.read(counter, preDelayLength),
                       wet.left, wet.right);
        spreadRing.write(counter, kWetGain * wet.right);
        return gate.process(kWetGain * wet.left, spreadRing.read(counter, spreadLength));
    }
};

// Type 5 runs both of the slot's engines on the same input.
StereoPair processHqReverb(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects

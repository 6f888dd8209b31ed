#pragma once

#include "engine/dsp/one_pole_filter.h"
#include "engine/effects/delay_lines.h"
#include "engine/effects/effect_clock.h"
#include "engine/effects/effect_rates.h"

#include <cstdint>

namespace effects {

struct MasterEffectSlot;

// "Chorus" and "Chorus / Delay": each side reads its modulation line at a
// length swept by its own LFO; "Chorus / Delay" then sends the mixed result
// through a tempo-synced delay stage.
struct ChorusEffect {
    // Coefficients.
    float baseDelay = 1.0f; // samples
    float width = 0.0f;     // share of the base delay the LFOs sweep
    std::uint32_t incrementLeft = 0;
    std::uint32_t incrementRight = 0;
    float widenOffset = 0.0f; // extra samples on the right side
    float stageLength = 1.0f; // samples
    float stageFeedback = 0.0f;
    float stageVolume = 0.0f;

    // State.
    std::uint32_t phaseLeft = 0;
    std::uint32_t phaseRight = 0;
    float stageCurrent = 0.0f;

    // The "Chorus" sample: the swept reads, then the lines take the input through the low-pass. Inline, as the
    // slot runs it every sample.
    StereoPair process(ModulationLines& lines, dsp::OnePoleFilter& lowPass, const EffectClock& clock, float left,
                       float right)
    {
        const StereoPair wet = readSwept(lines, clock);
        lowPass.lowPassStereo(left, right);
        lines.write(clock.sampleCounter, left, right);
        return wet;
    }

    // The two swept reads; the lines are written by the caller.
    StereoPair readSwept(const ModulationLines& lines, const EffectClock& clock)
    {
        const float* sine = clock.sines->sine;
        phaseLeft = advancePhase(phaseLeft, incrementLeft);
        const float delayLeft = (1.0f - width + sine[phaseLeft >> kPhaseToTableShift] * width) * baseDelay;
        phaseRight = advancePhase(phaseRight, incrementRight);
        const float delayRight =
            (sine[phaseRight >> kPhaseToTableShift] * width + 1.0f - width) * baseDelay + widenOffset;
        return {ModulationLines::readCubic(lines.left, clock.sampleCounter, delayLeft),
                ModulationLines::readCubic(lines.right, clock.sampleCounter, delayRight)};
    }
};

// The chorus of "Chorus / Delay", before the slot's dry/wet mix.
StereoPair processChorusForDelay(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);
// The delay stage of "Chorus / Delay", on the slot's mixed result; gives the new result.
StereoPair processChorusDelayStage(MasterEffectSlot& slot, const EffectClock& clock, float left, float right);

} // namespace effects

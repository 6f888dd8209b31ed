#pragma once

#include "engine/dsp/one_pole_filter.h"
#include "engine/effects/delay_lines.h"
#include "engine/effects/effect_clock.h"

#include <cstdint>

namespace effects {

// "Mono Delay" and "Stereo Delay": two long delay lines with feedback,
// cross-feed, a low-pass and a high-pass in the loop, and a slow modulation
// of the lengths.
struct DelayEffect {
    // Coefficients. The feedbacks run -0.99 .. +0.99 and are subtracted.
    float lengthLeft = 1.0f; // samples
    float lengthRight = 1.0f;
    float feedbackLeft = 0.0f;
    float feedbackRight = 0.0f;
    float crossLeft = 0.0f;
    float crossRight = 0.0f;
    bool crossFeed = false;
    float modulationDepth = 0.0f;
    std::uint32_t lfoIncrement = 0;

    // State: the lengths the lines are read at, which slide to their targets, and the taps they give, which
    // hold between control ticks.
    std::uint32_t lfoPhase = 0;
    float currentLeft = 0.0f;
    float currentRight = 0.0f;
    LongDelayLines::Tap tapLeft;
    LongDelayLines::Tap tapRight;

    // One sample through the lines and the filters in their loop. Inline, as the slot runs it every sample; the
    // lengths' control-rate step is out of line.
    StereoPair process(LongDelayLines& lines, dsp::OnePoleFilter& lowPass, dsp::OnePoleFilter& highPass,
                       const EffectClock& clock, float left, float right)
    {
        constexpr float kDenormalOffset = 1e-15f;
        if (clock.controlTick())
            followModulatedLengths(*clock.sines);
        const float delayedLeft = LongDelayLines::read(lines.left, clock.sampleCounter, tapLeft);
        const float delayedRight = LongDelayLines::read(lines.right, clock.sampleCounter, tapRight);
        float feedLeft = left - feedbackLeft * delayedLeft + kDenormalOffset;
        float feedRight = right - feedbackRight * delayedRight;
        if (crossFeed) {
            feedLeft -= crossLeft * delayedRight;
            feedRight -= crossRight * delayedLeft;
        }
        lowPass.lowPassStereo(feedLeft, feedRight);
        highPass.highPassStereo(feedLeft, feedRight);
        lines.write(clock.sampleCounter, feedLeft, feedRight);
        return {delayedLeft, delayedRight};
    }

private:
    // The lengths' step towards their modulated targets.
    void followModulatedLengths(const tables::SineTables& sines);
};

// One step of a delay length sliding to its target; a change by more than the
// given ratio jumps instead, so that a new length is not a long glide.
float followDelayLength(float current, float target, float jumpRatio);

} // namespace effects

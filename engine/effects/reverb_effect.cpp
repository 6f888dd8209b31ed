#include "engine/effects/reverb_effect.h"

#include "engine/effects/master_effect_slot.h"

#include <cmath>

namespace effects {

namespace {

constexpr float kDenormalOffset = 1e-15f;

// The pre-delayed input pair of this sample.
StereoPair preDelay(MasterEffectSlot& slot, std::uint32_t counter, float left, float right)
{
    const std::uint32_t length = slot.states.reverb.preDelayLength;
    slot.preDelayLeft.write(counter, left);
    slot.preDelayRight.write(counter, right);
    return {slot.preDelayLeft.read(counter, length), slot.preDelayRight.read(counter, length)};
}

// The right output leaves through the spread delay; then the gate.
StereoPair spreadAndGate(MasterEffectSlot& slot, std::uint32_t counter, float wetLeft, float wetRight)
{
    slot.spreadRing.write(counter, wetRight);
    const float delayedRight = slot.spreadRing.read(counter, slot.states.reverb.spreadLength);
    return slot.states.gate.process(wetLeft, delayedRight);
}

} // namespace

std::uint32_t ReverbEffect::sweptPreDelay()
{
    constexpr float kSweepStep = 2.2624e-5f; // per 16 samples
    constexpr float kLongest = 8.0f;
    static_assert(kLongest < ReverbEngine::kPreDelayLength);
    sweepPhase += kSweepStep;
    sweepPhase -= std::floor(sweepPhase);
    const float triangle = 1.0f - std::fabs(2.0f * sweepPhase - 1.0f);
    return static_cast<std::uint32_t>(kLongest * (0.9f + 0.1f * triangle));
}

StereoPair processHqReverb(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    // Two engines summed: a little less of each keeps the level near the single engine's.
    constexpr float kWetGain = 0.35f;
    ReverbEngine& a = slot.reverbEngines[0];
    ReverbEngine& b = slot.reverbEngines[1];
    if (clock.controlTick()) {
        const std::uint32_t samples = slot.states.reverb.sweptPreDelay();
        a.setPreDelay(samples);
        b.setPreDelay(samples);
    }
    const StereoPair delayed =
        preDelay(slot, clock.sampleCounter, left + kDenormalOffset, right + kDenormalOffset);
    StereoPair wetA;
    StereoPair wetB;
    a.process(delayed.left, delayed.right, wetA.left, wetA.right);
    b.process(delayed.left, delayed.right, wetB.left, wetB.right);
    return spreadAndGate(slot, clock.sampleCounter, kWetGain * (wetA.left + wetB.left) + kDenormalOffset,
                         kWetGain * (wetA.right + wetB.right) + kDenormalOffset);
}

} // namespace effects

#include "engine/effects/gator_effect.h"

#include "engine/effects/master_effect_slot.h"

#include <cmath>

namespace effects {

namespace {

constexpr float kDenormalOffset = 1e-15f;

float nextPosition(const GatorEffect& g, const EffectClock& clock)
{
    constexpr float kSixteenthsPerQuarter = 4.0f;
    const float onHost = kSixteenthsPerQuarter * g.rate * clock.hostQuarterNotes;
    switch (g.syncMode) {
    case GatorEffect::kHostSteps:
        return std::trunc(onHost);
    case GatorEffect::kHostWhilePlaying:
        return clock.transportPlaying ? onHost : g.position + g.stepIncrement;
    default:
        return g.position + g.stepIncrement;
    }
}

} // namespace

StereoPair processGator(MasterEffectSlot& slot, const EffectClock& clock, float left, float right)
{
    constexpr float kSteps = static_cast<float>(GatorEffect::kSteps);
    GatorEffect& g = slot.states.gator;
    g.position = std::fmod(nextPosition(g, clock), kSteps);
    const auto step = static_cast<int>(g.position) & (GatorEffect::kSteps - 1);
    const float keep = 1.0f - g.smoothing;
    g.gainLeft = keep * g.gainLeft + g.smoothing * (g.pattern[0][step] + kDenormalOffset) + kDenormalOffset;
    g.gainRight = keep * g.gainRight + g.smoothing * (g.pattern[1][step] + kDenormalOffset) + kDenormalOffset;
    const float gatedLeft = left * g.gainLeft;
    const float gatedRight = right * g.gainRight;
    switch (g.mode) {
    case GatorEffect::kLeftOnly:
        return {gatedLeft, right + kDenormalOffset};
    case GatorEffect::kRightOnly:
        return {left + kDenormalOffset, gatedRight};
    default:
        return {gatedLeft, gatedRight};
    }
}

} // namespace effects

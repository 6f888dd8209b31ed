#include "engine/dsp/one_pole_filter.h"

namespace dsp {

void OnePoleFilter::init(float sampleRate)
{
    *this = OnePoleFilter{};
    inverseSampleRate_ = 1.0f / sampleRate;
}

void OnePoleFilter::setCutoff(float value, float factor)
{
    const float cutoff = value * factor;
    if (cutoff == lastCutoff_)
        return;
    lastCutoff_ = cutoff;

    constexpr float kLowestHz = 50.0f;
    // Above this fraction of the sample rate the one-pole response stops tracking the cutoff.
    constexpr float kHighestCoefficient = 0.2f;

    float w = (cutoff + 0.001f) * inverseSampleRate_ + kDenormalOffset;
    // Written so that a NaN cutoff falls to the lowest one instead of poisoning the state.
    if (!(w >= kLowestHz * inverseSampleRate_))
        w = kLowestHz * inverseSampleRate_;
    if (w > kHighestCoefficient)
        w = kHighestCoefficient;
    a_ = 2.0f * w;
    b_ = 1.0f - 2.0f * w;
}

} // namespace dsp

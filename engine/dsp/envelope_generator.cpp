#include "engine/dsp/envelope_generator.h"

#include "engine/dsp/dsp_constants.h"

#include <cmath>

namespace dsp {

float envelopeTimeScale(float longestMs)
{
    return octaveSpan(longestMs);
}

float envelopeRate(float x, float timeScale, float sampleRate, float gain, float factor)
{
    constexpr float kMsPerSecondTimesBlock = 1000.0f * kEnvelopeBlockSize;
    return kMsPerSecondTimesBlock / (std::exp2(timeScale * x) * sampleRate + 16.0f) * (gain * factor);
}

float curveExponent(float x, float range)
{
    return std::exp2(range - 2.0f * range * x);
}

} // namespace dsp

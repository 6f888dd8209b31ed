#include "engine/dsp/envelope_generator.h"

#include "engine/dsp/dsp_constants.h"

#include <cmath>

namespace dsp {

float envelopeTimeScale(float longestMs)
{
    return octaveSpan(longestMs);
}

float curveExponent(float x, float range)
{
    return std::exp2(range - 2.0f * range * x);
}

} // namespace dsp

#include "engine/dsp/time_conversion.h"

#include "engine/dsp/dsp_constants.h"

#include <cmath>

namespace dsp {

float rampIncrement(float value, float span, float sampleRate)
{
    if (value < kNoRampValue)
        return 0.0f;
    const float octaves = value * span;
    return 1000.0f / (std::exp2(octaves) * sampleRate + 16.0f);
}

float attackRampIncrement(float value, float sampleRate)
{
    return rampIncrement(value, kAttackTimeRange, sampleRate);
}

} // namespace dsp

#include "engine/dsp/time_conversion.h"

#include <cmath>

namespace dsp {

float rampIncrement(float value, float span, float sampleRate, float samplesPerStep)
{
    constexpr float kMsPerSecond = 1000.0f;
    // Keeps the step finite at a vanishing sample rate.
    constexpr float kGuard = 16.0f;
    return kMsPerSecond * samplesPerStep / (std::exp2(value * span) * sampleRate + kGuard);
}

} // namespace dsp

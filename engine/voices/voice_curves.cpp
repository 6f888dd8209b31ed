#include "engine/voices/voice_curves.h"

#include "engine/dsp/dsp_constants.h"
#include "engine/dsp/envelope_generator.h"
#include "engine/dsp/time_conversion.h"

#include <algorithm>
#include <cmath>

namespace voices {

namespace {

constexpr float kSilentLevel = 0.001f;

} // namespace

StereoGains balanceGains(float x)
{
    return {std::clamp(2.0f - 2.0f * x, 0.0f, 1.0f), std::clamp(2.0f * x, 0.0f, 1.0f)};
}

float freqFromValue(float x)
{
    constexpr float kLowestHz = 20.0f;
    constexpr float kOctaves = 10.0f;
    return kLowestHz * std::exp2(kOctaves * dsp::clamp01(x));
}

float expScale(float x, float a, float b)
{
    return std::exp2(x * b) * a;
}

float curveRational(float x, float k)
{
    return x / ((x - 1.0f) * (1.0f - 1.0f / k) + x);
}

float curvePower(float x, float e)
{
    return 1.0f - std::pow(1.0f - x, e);
}

float dbGain(float x, float range, float offset)
{
    if (x < kSilentLevel)
        return 0.0f;
    return std::pow(10.0f, (x * range - offset) / 20.0f);
}

FadeIn fadeInRate(float x, float sampleRate)
{
    if (x < dsp::kNoRampValue)
        return {1.0f, 0.0f};
    return {0.0f, dsp::rampIncrement(x, dsp::kAttackTimeRange, sampleRate, 1.0f)};
}

FadeIn fadeInRateScaled(float x, float sampleRate, float k)
{
    if (x < dsp::kNoRampValue)
        return {0.0f, 1.0f};
    return {0.0f, dsp::rampIncrement(x, k, sampleRate, 1.0f)};
}

} // namespace voices

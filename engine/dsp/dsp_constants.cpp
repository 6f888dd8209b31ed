#include "engine/dsp/dsp_constants.h"

#include <cmath>

namespace dsp {

float octaveSpan(float x)
{
    const float logX = std::log(x);
    const float log2 = std::log(2.0f);
    return logX / log2;
}

const float kBdSweepStartRange = octaveSpan(2000.0f);
const float kBdSweepEndRange = octaveSpan(10.0f);
const float kBdBaseFreqRange = octaveSpan(10.0f);
const float kSnBaseFreqRange = octaveSpan(20.0f);
const float kTomBaseFreqRange = octaveSpan(20.0f);
const float kTomModFreqRange = octaveSpan(200.0f);
const float kUserStereoTimeRange = octaveSpan(2500.0f);
const float kLayerStereoTimeRange = octaveSpan(6000.0f);
const float kSampleStereoTimeRange = octaveSpan(16000.0f);
const float kAttackTimeRange = octaveSpan(20.0f);
const float kSqrt8 = std::sqrt(8.0f);
const float kSqrt2 = std::sqrt(2.0f);

} // namespace dsp

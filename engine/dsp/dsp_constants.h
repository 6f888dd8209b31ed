#pragma once

// Octave spans of the engine's exponential parameter mappings: a parameter v
// becomes 2^(v * span) = X^v. Each span is float(logf(X)) / float(logf(2))
// rounded to float, in that order, because the last bit decides where some
// mappings land (kLayerStereoTimeRange is one ulp below the exact log2(6000)).
// They are set during static initialisation and never written afterwards.
namespace dsp {

extern const float kBdSweepStartRange;    // log2(2000)
extern const float kBdSweepEndRange;      // log2(10)
extern const float kBdBaseFreqRange;      // log2(10)
extern const float kSnBaseFreqRange;      // log2(20)
extern const float kTomBaseFreqRange;     // log2(20)
extern const float kTomModFreqRange;      // log2(200)
extern const float kUserStereoTimeRange;  // log2(2500)
extern const float kLayerStereoTimeRange; // log2(6000)
extern const float kSampleStereoTimeRange;// log2(16000)
extern const float kAttackTimeRange;      // log2(20)
extern const float kSqrt8;
extern const float kSqrt2;

// The octave span of X computed in the engine's order of operations.
float octaveSpan(float x);

} // namespace dsp

#pragma once

// Turns a 0..1 time parameter into the per-sample step of a ramp from 0 to 1
// that lasts about 2^(value * span) ms (1 ms at 0, X ms at 1 for span log2 X).
namespace dsp {

// Values below this mean "no ramp": the step is 0 and the owner starts at 1.
inline constexpr float kNoRampValue = 0.001f;

float rampIncrement(float value, float span, float sampleRate);

// The attack ramps of the synthesised drums: 1..20 ms.
float attackRampIncrement(float value, float sampleRate);

} // namespace dsp

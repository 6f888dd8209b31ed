#pragma once

// The engine's time law: a 0..1 time value becomes a ramp from 0 to 1 that
// lasts about 2^(value * span) ms (1 ms at 0, X ms at 1 for span log2 X).
namespace dsp {

// Owners that offer "no ramp" give it to values below this.
inline constexpr float kNoRampValue = 0.001f;

// The step of that ramp when it is taken once every samplesPerStep samples.
float rampIncrement(float value, float span, float sampleRate, float samplesPerStep);

} // namespace dsp

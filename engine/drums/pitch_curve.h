#pragma once

#include "engine/voices/voice_curves.h"

#include <cmath>

// How the drum voices turn a pitch envelope's level into a pitch.
namespace drums {

// A "curve" amount c of 0..1 bends an envelope's straight fall: the rational
// shape's k falls by seven octaves over the knob, the power shape's exponent by five.
inline float rationalCurveK(float c)
{
    constexpr float kRationalCurveOctaves = 7.0f;
    return 0.5f * std::exp2(-kRationalCurveOctaves * c);
}

inline float powerCurveExponent(float c)
{
    constexpr float kPowerCurveOctaves = 5.0f;
    return std::exp2(-kPowerCurveOctaves * c);
}

// The shape a voice reads its pitch envelope through, chosen at note-on by the
// kind's "Curve Mode" switch: the power law, or the rational one.
struct PitchCurve {
    bool power = false;
    float k = 0.5f;
    float e = 1.0f;

    void set(bool usePower, float c)
    {
        power = usePower;
        k = rationalCurveK(c);
        e = powerCurveExponent(c);
    }

    float shape(float level) const { return power ? voices::curvePower(level, e) : voices::curveRational(level, k); }
};

// A pitch that starts `octaves` above its base and falls back along the curve.
inline float droppedFrequency(float base, float octaves, float shape)
{
    return base * std::exp2(octaves * shape);
}

// A click's pitch glides by `octaves` as its envelope output falls from 1 to 0.
inline float glideFactor(float octaves, float envelopeOutput)
{
    return std::exp2(octaves * (1.0f - envelopeOutput));
}

} // namespace drums

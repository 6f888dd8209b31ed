#include "engine/effects/distortion_curves.h"

#include "engine/effects/shaping.h"

#include <algorithm>
#include <cmath>

namespace effects {

namespace {

constexpr float kPi = 3.14159f;
// Below this an input counts as silence for the curves that would otherwise
// lift the faintest noise to full scale.
constexpr float kSilence = 0.001f;

// A Square level this close to zero is silent, so that the middle of an
// amount's travel switches that half of the wave off cleanly.
float squareLevel(float level)
{
    constexpr float kOff = 0.01f;
    return std::fabs(level) < kOff ? 0.0f : level;
}

} // namespace

DistortionCurve prepareCurve(std::int32_t type, float amount1, float amount2)
{
    constexpr float kCrossThreshold = 0.2f;
    constexpr float kPowerReach = 0.999f;
    DistortionCurve c;
    c.type = type;
    switch (type) {
    case curve::kAtan:
        c.k = std::exp2(5.0f * amount1) - 0.99f;
        c.scale = 1.0f / std::atan(c.k);
        break;
    case curve::kCos:
        c.k = (std::exp2(5.0f * amount1) - 1.0f) * kPi;
        break;
    case curve::kCross:
        c.k = kCrossThreshold * amount1;
        c.scale = 1.0f / (1.0f - c.k);
        break;
    case curve::kFoldover:
        c.k = 1.0f - 0.99f * amount1;
        c.scale = 1.0f / c.k;
        break;
    case curve::kFuzz:
        c.k = (std::exp2(4.0f * amount2) - 1.0f) * kPi;
        c.depth = amount1;
        break;
    case curve::kLimiter:
        c.k = std::exp2(6.0f * amount1);
        break;
    case curve::kOverdrive:
        c.k = std::exp2(6.0f * amount1) - 1.0f;
        break;
    case curve::kPower:
        c.k = 2.0f * kPowerReach * amount1 / (1.0f - kPowerReach * amount1);
        break;
    case curve::kRectifier:
        c.scale = 1.0f - 2.0f * amount1;
        break;
    case curve::kSaturator:
        c.k = std::exp2(4.0f * amount1) - 1.0f;
        break;
    case curve::kSquare:
        c.above = squareLevel(1.0f - 2.0f * amount1);
        c.below = squareLevel(2.0f * amount2 - 1.0f);
        break;
    default:
        break;
    }
    return c;
}

float applyCurve(const DistortionCurve& c, float x)
{
    switch (c.type) {
    case curve::kAtan:
        return std::fabs(x) < kSilence ? 0.0f : std::atan(c.k * x) * c.scale;
    case curve::kCos:
        return std::cos(c.k * x) * x;
    case curve::kCross: {
        // Crossover distortion: a dead band around zero, as a push-pull output
        // stage gives when neither half conducts; the rest is stretched back to full scale.
        const float beyond = std::fabs(x) - c.k;
        return beyond <= 0.0f ? 0.0f : std::copysign(beyond * c.scale, x);
    }
    case curve::kFoldover: {
        const float z = std::fmod(x - c.k, 4.0f * c.k);
        return (std::fabs(std::fabs(z) - 2.0f * c.k) - c.k) * c.scale;
    }
    case curve::kFuzz:
        return x + std::sin(x * c.k) * (c.depth - c.depth * x * x);
    case curve::kLimiter:
        return std::clamp(x * c.k, -1.0f, 1.0f);
    case curve::kOverdrive: {
        const float a = std::fabs(x);
        return x * (a + c.k) / (x * x + (c.k - 1.0f) * a + 1.0f);
    }
    case curve::kPower:
        return x * (c.k + 1.0f) / (c.k * std::fabs(x) + 1.0f);
    case curve::kRectifier:
        return x >= 0.0f ? x : c.scale * x;
    case curve::kSaturator:
        return saturate(x, c.k);
    case curve::kSquare:
        // A square wave on the input's zero crossings, each half at a level of
        // its own; "Normalize" gives it back the input's dynamics.
        if (std::fabs(x) < kSilence)
            return 0.0f;
        return x > 0.0f ? c.above : c.below;
    default:
        return x;
    }
}

} // namespace effects

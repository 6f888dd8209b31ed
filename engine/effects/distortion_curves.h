#pragma once

#include <cstdint>

namespace effects {

// The curves of "Multi Distort", numbered as its "Type" menu stores them.
namespace curve {
inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kAtan = 1;
inline constexpr std::int32_t kCos = 2;
inline constexpr std::int32_t kCross = 3;
inline constexpr std::int32_t kFoldover = 4;
inline constexpr std::int32_t kFuzz = 5;
inline constexpr std::int32_t kLimiter = 6;
inline constexpr std::int32_t kOverdrive = 7;
inline constexpr std::int32_t kPower = 8;
inline constexpr std::int32_t kRectifier = 9;
inline constexpr std::int32_t kSaturator = 10;
inline constexpr std::int32_t kSquare = 11;
} // namespace curve

// A curve with what its two amounts make of it, worked out at control rate so
// that the per-sample part needs no pow.
struct DistortionCurve {
    std::int32_t type = curve::kNone;
    // Atan's a, the phase rate of Cos and Fuzz, Cross's threshold, Foldover's
    // width, Limiter's gain and the k of Overdrive, Power and Saturator.
    float k = 0.0f;
    // Atan's 1 / atan(a), 1 / (1 - threshold) for Cross, 1 / width for
    // Foldover, the negative half's gain for Rectifier.
    float scale = 1.0f;
    float depth = 0.0f; // Fuzz's ripple
    float above = 0.0f; // Square's levels for a positive and a negative input
    float below = 0.0f;
};

// Amounts 1 and 2 in 0..1; a type without a curve leaves the signal as it is.
DistortionCurve prepareCurve(std::int32_t type, float amount1, float amount2);

// One sample in -1..1; the result stays within +-2 (Fuzz's ripple), the other curves within +-1.
float applyCurve(const DistortionCurve& c, float x);

} // namespace effects

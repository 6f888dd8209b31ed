#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

// Small shaping laws the drum renderers share: balance, frequency and gain
// laws, the two envelope curve shapes and the attack fade-in ramp.
namespace voices {

struct StereoGains {
    float left;
    float right;
};

// Balance, not pan law: both sides at full level in the centre.
StereoGains balanceGains(float x);

// 20 Hz .. 20480 Hz over ten octaves; x is clamped to 0..1.
float freqFromValue(float x);

// a * 2^(x * b).
float expScale(float x, float a, float b);

// Maps 0 -> 0 and 1 -> 1; k = 0.5 is straight, smaller k starts slowly, larger fast.
float curveRational(float x, float k);

// 1 - (1 - x)^e.
float curvePower(float x, float e);

// 0 below 0.001, else 10^((x * range - offset) / 20): the bottom of a fader is silent.
float dbGain(float x, float range, float offset);

// The last result of a law at one call site, kept while its input's bits stand still: the same law of
// the same bits gives the same bits, so a control tick whose input has not moved skips the law.
class FloatMemo {
public:
    template <typename Law>
    float operator()(float x, Law law)
    {
        const auto bits = std::bit_cast<std::uint32_t>(x);
        if (!known_ || bits != bits_) {
            bits_ = bits;
            result_ = law(x);
            known_ = true;
        }
        return result_;
    }

private:
    std::uint32_t bits_ = 0;
    float result_ = 0.0f;
    bool known_ = false;
};

// dbGain at one call site, whose range and offset never change: worked out again only when the level moves.
class DbGainMemo {
public:
    float operator()(float x, float range, float offset)
    {
        return memo_(x, [range, offset](float level) { return dbGain(level, range, offset); });
    }

private:
    FloatMemo memo_;
};

// 2^x at one call site of a voice's control tick, whose exponent stands still between notes while the
// parameters do.
class Exp2Memo {
public:
    float operator()(float x)
    {
        return memo_(x, [](float exponent) { return std::exp2(exponent); });
    }

private:
    FloatMemo memo_;
};

// A fade-in ramp: the level it starts from and the step the renderer adds
// before each sample (clamping to 0..1).
struct FadeIn {
    float start;
    float increment;
};

// Attack x rises in about 20^x ms (1..20 ms); below 0.001 it starts at full level.
FadeIn fadeInRate(float x, float sampleRate);

// The same ramp over 2^(k * x) ms, always starting from 0; below 0.001 it
// reaches full level on the first sample.
FadeIn fadeInRateScaled(float x, float sampleRate, float k);

// White noise in -1..1 from a 32-bit multiplicative generator; the seed is shared by all callers.
inline float randomBipolar(std::uint32_t& seed)
{
    constexpr std::uint32_t kMultiplier = 16807;
    constexpr float kScale = 1.0f / 2147483648.0f; // 2^-31
    const std::uint32_t product = seed * kMultiplier;
    seed = product + 1;
    return static_cast<float>(static_cast<std::int32_t>(product)) * kScale;
}

} // namespace voices

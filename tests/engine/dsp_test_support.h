#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

namespace kravo::test {

inline constexpr float kTestRate = 44100.0f;

// The largest output of a copy of unit over the second half of a second of sine at hz; the first half lets it settle.
template <class Unit>
float sinePeak(Unit unit, double hz, float amplitude = 0.5f)
{
    const int n = static_cast<int>(kTestRate);
    float peak = 0.0f;
    for (int i = 0; i < n; ++i) {
        const auto x = static_cast<float>(amplitude * std::sin(2.0 * std::numbers::pi * hz * i / kTestRate));
        const float y = unit.process(x);
        if (i > n / 2)
            peak = std::max(peak, std::fabs(y));
    }
    return peak;
}

// (b0 + b1/z + b2/z^2) / (1 + a1/z + a2/z^2) on the unit circle, omega radians per sample round.
inline std::complex<double> biquad(double omega, double b0, double b1, double b2, double a1, double a2)
{
    const std::complex<double> z1 = std::polar(1.0, -omega);
    return (b0 + z1 * (b1 + z1 * b2)) / (1.0 + z1 * (a1 + z1 * a2));
}

// A unit's block forms must give, bit for bit, what its per-sample forms give (a stereo unit fed the same signal on
// both sides gives it on each), and no finite input may make it give NaN or Inf: square waves up to the largest float.
// extra(unit, x, i) may feed further outputs and says whether they stayed finite.
template <class Unit, class Extra = bool (*)(Unit&, float, int)>
void expectRobust(const Unit& unit, Extra extra = [](Unit&, float, int) { return true; })
{
    constexpr int kCount = 16;
    constexpr bool kStereo = requires(Unit u, float* p) { u.processStereo(p, p, kCount); };
    float input[kCount], mono[kCount], left[kCount], right[kCount];
    for (int i = 0; i < kCount; ++i)
        input[i] = mono[i] = left[i] = right[i] = 0.9f * std::sin(0.7f * static_cast<float>(i));
    Unit perSample = unit, block = unit, stereo = unit, stereoBlock = unit, hostile = unit;
    block.process(mono, kCount);
    if constexpr (kStereo)
        stereoBlock.processStereo(left, right, kCount);
    for (int i = 0; i < kCount; ++i) {
        const float expected = perSample.process(input[i]);
        EXPECT_EQ(mono[i], expected) << "mono block, sample " << i;
        if constexpr (kStereo) {
            float l = input[i], r = input[i];
            stereo.processStereo(l, r);
            EXPECT_TRUE(l == expected && r == expected && left[i] == expected && right[i] == expected)
                << "stereo, sample " << i;
        }
    }
    for (float amplitude : {1.0f, 100.0f, 1.0e30f, std::numeric_limits<float>::max()})
        for (int i = 0; i < 3000; ++i) {
            const float x = (i / 7) % 2 ? amplitude : -amplitude;
            float l = x, r = -x;
            if constexpr (kStereo)
                hostile.processStereo(l, r);
            ASSERT_TRUE(extra(hostile, x, i) && std::isfinite(hostile.process(x)) && std::isfinite(l) &&
                        std::isfinite(r))
                << "not finite at sample " << i << " of amplitude " << amplitude;
        }
}

} // namespace kravo::test

#include "engine/tables/wave_tables.h"

#include <cmath>
#include <memory>

namespace tables {

namespace {

// Two pi as the oscillators have always used it (6.283180236816406 in single precision).
constexpr float kTwoPi = 6.28318f;
constexpr int kSize = WaveTables::kSize;

float fraction(float x)
{
    return x - std::floor(x);
}

float sineAt(float f)
{
    return static_cast<float>(std::sin(static_cast<double>(kTwoPi * f)));
}

float risingSawAt(float f)
{
    return 2.0f * fraction(f + 0.5f) - 1.0f; // starts at 0
}

float squareAt(float f)
{
    return f <= 0.5f ? -1.0f : 1.0f;
}

float triangleAt(float f)
{
    return 1.0f - std::fabs(2.0f - 4.0f * fraction(f + 0.25f)); // 0, peak 1 at f = 0.25
}

// A nine-entry moving average (around the cycle) takes the edges off a wave.
void smoothInto(float* out, float (*wave)(float))
{
    constexpr int kHalfWidth = 4;
    constexpr float kAverage = 0.11111f;
    float source[kSize];
    for (int i = 0; i < kSize; ++i)
        source[i] = wave(static_cast<float>(i) / kSize);
    for (int j = 0; j < kSize; ++j) {
        float sum = 0.0f;
        for (int k = -kHalfWidth; k <= kHalfWidth; ++k)
            sum += source[(j + k + kSize) % kSize];
        out[j] = kAverage * sum;
    }
}

std::unique_ptr<WaveTables> buildWaveTables()
{
    auto t = std::make_unique<WaveTables>();
    float(*const bank1[])(float) = {sineAt, risingSawAt, squareAt, triangleAt};
    for (int i = 0; i < kSize; ++i) {
        const float f = static_cast<float>(i) / kSize;
        t->waves[0][i] = sineAt(f);
        for (int n = 0; n < WaveTables::kBank1Count; ++n)
            t->waves[1 + n][i] = bank1[n](f);
    }
    float(*const bank2)[kSize] = t->waves + 1 + WaveTables::kBank1Count;
    smoothInto(bank2[0], [](float f) { return 1.0f - 2.0f * f; });
    smoothInto(bank2[1], [](float f) { return 2.0f * f - 1.0f; });
    smoothInto(bank2[2], squareAt);
    for (int i = 0; i < kSize; ++i) {
        const float f = static_cast<float>(i) / kSize;
        bank2[3][i] = sineAt(f);
        bank2[4][i] = triangleAt(f);
    }
    return t;
}

} // namespace

const WaveTables& waveTables()
{
    static const std::unique_ptr<WaveTables> tables = buildWaveTables();
    return *tables;
}

} // namespace tables

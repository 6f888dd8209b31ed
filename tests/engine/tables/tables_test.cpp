#include "engine/tables/noise_table.h"
#include "engine/tables/pink_noise.h"
#include "engine/tables/sine_tables.h"
#include "engine/tables/wave_tables.h"

#include "engine/dsp/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <memory>
#include <numeric>
#include <tuple>

namespace {

using tables::WaveTables;

TEST(SineAndWaveTables, HoldTheirShapesAtTheirCornerEntriesAndKeepWaveNumbersInTheBank)
{
    const tables::SineTables& t = tables::sineTables();
    // Float pi lies below pi, so half a cycle ends just short of it.
    const float x = 2.0f * 3.1415925f * 32768.0f / 65536.0f;
    EXPECT_EQ(t.sine[32768], static_cast<float>(std::sin(static_cast<double>(x))));
    EXPECT_TRUE(t.unipolarSine[0] == 0.5f && std::fabs(t.unipolarSine[16384] - 1.0f) < 1e-6f
                && std::fabs(t.unipolarSine[49152]) < 1e-6f);
    const WaveTables& w = tables::waveTables();
    constexpr float kStep = 0.11111f; // one entry's share of bank 2's nine-entry moving average
    // Bank 1: sine, saw rising from 0, square switching after entry 2048, triangle. Bank 2: the
    // smoothed saws and square (whose edges, the wrap's too, ramp over nine entries), sine, triangle.
    const std::tuple<const float*, int, float> cases[] = {
        {w.bank1(0), 1024, 1.0f},       {w.bank1(1), 2047, 2047.0f / 2048.0f}, {w.bank1(1), 2048, -1.0f},
        {w.bank1(2), 2048, -1.0f},      {w.bank1(2), 2049, 1.0f},      {w.bank1(3), 1024, 1.0f},
        {w.bank1(3), 3072, -1.0f},      {w.bank2(0), 2048, 0.0f},      {w.bank2(1), 1024, -0.49999f},
        {w.bank2(2), 2043, -9 * kStep}, {w.bank2(2), 2048, -kStep},    {w.bank2(2), 2052, 7 * kStep},
        {w.bank2(2), 0, -kStep},        {w.bank2(3), 1024, 1.0f},      {w.bank2(4), 1024, 1.0f}};
    for (const auto& [wave, index, value] : cases)
        EXPECT_NEAR(wave[index], value, 1e-5f)
            << "entry " << index << " of table " << (wave - w.waves[0]) / WaveTables::kSize;
    // A wave number past a bank reads its last wave.
    EXPECT_TRUE(w.bank1(7) == w.bank1(3) && w.bank1(-1) == w.bank1(0) && w.bank2(9) == w.bank2(4));
}

TEST(NoiseTable, LeftAndRightAreDifferentStretchesOfFullScalePinkNoise)
{
    auto noise = std::make_unique<tables::NoiseTable>();
    tables::PinkNoise generator;
    dsp::seedRandom(99);
    noise->fill(generator);
    const auto [lowest, highest] = std::minmax_element(std::begin(noise->right), std::end(noise->right));
    EXPECT_TRUE(*lowest < -8000 && *highest > 8000) << *lowest << " " << *highest;
    const int differing = std::transform_reduce(std::begin(noise->left), std::end(noise->left),
                                                std::begin(noise->right), 0, std::plus<>(), std::not_equal_to<>());
    EXPECT_GT(differing, int(tables::NoiseTable::kFrames) * 9 / 10);
}

} // namespace

#include "engine/tables/amp_sim_kernels.h"
#include "engine/tables/noise_table.h"
#include "engine/tables/pattern_list.h"
#include "engine/tables/pink_noise.h"
#include "engine/tables/sine_tables.h"
#include "engine/tables/wave_tables.h"

#include "engine/dsp/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using tables::WaveTables;

TEST(SineTables, HoldOneCycleOfSineCosineAndUnipolarSine)
{
    const tables::SineTables& t = tables::sineTables();
    EXPECT_EQ(t.sine[0], 0.0f);
    EXPECT_EQ(t.cosine[0], 1.0f);
    EXPECT_EQ(t.unipolarSine[0], 0.5f);
    EXPECT_NEAR(t.sine[16384], 1.0f, 1e-6f);
    EXPECT_NEAR(t.cosine[32768], -1.0f, 1e-6f);
    EXPECT_NEAR(t.unipolarSine[49152], 0.0f, 1e-6f);
}

TEST(SineTables, UseSinglePrecisionPiSoTheCycleEndsJustShortOfTwoPi)
{
    const tables::SineTables& t = tables::sineTables();
    const float x = 2.0f * 3.1415925f * 32768.0f / 65536.0f;
    EXPECT_EQ(t.sine[32768], static_cast<float>(std::sin(static_cast<double>(x))));
    EXPECT_GT(t.sine[32768], 0.0f); // float pi lies below pi
}

TEST(WaveBank1, SquareJumpsBetweenEntries2048And2049)
{
    const float* square = tables::waveTables().bank1(2);
    EXPECT_EQ(square[0], -1.0f);
    EXPECT_EQ(square[2048], -1.0f);
    EXPECT_EQ(square[2049], 1.0f);
    EXPECT_EQ(square[4095], 1.0f);
}

TEST(WaveBank1, SawAndTriangleStartAtZeroAndPeakWhereExpected)
{
    const WaveTables& w = tables::waveTables();
    EXPECT_EQ(w.bank1(1)[0], 0.0f);
    EXPECT_EQ(w.bank1(1)[2047], 2.0f * (2047.0f / 4096.0f + 0.5f) - 1.0f);
    EXPECT_EQ(w.bank1(1)[2048], -1.0f);
    EXPECT_EQ(w.bank1(3)[0], 0.0f);
    EXPECT_EQ(w.bank1(3)[1024], 1.0f);
    EXPECT_EQ(w.bank1(3)[3072], -1.0f);
    EXPECT_NEAR(w.bank1(0)[1024], 1.0f, 1e-6f);
}

TEST(WaveBank2, SquareRampsOverNineEntriesAroundTheEdge)
{
    const float* square = tables::waveTables().bank2(2);
    constexpr float kStep = 0.11111f;
    EXPECT_NEAR(square[2043], -9.0f * kStep, 1e-6f);
    EXPECT_NEAR(square[2048], -1.0f * kStep, 1e-6f); // five -1, four +1
    EXPECT_NEAR(square[2052], 7.0f * kStep, 1e-6f);
    EXPECT_NEAR(square[2053], 9.0f * kStep, 1e-6f);
    // The jump at the cycle start ramps too, averaging across the wrap.
    EXPECT_NEAR(square[0], -1.0f * kStep, 1e-6f);
}

TEST(WaveBank2, SawsAreSmoothedAndSineAndTriangleFollow)
{
    const WaveTables& w = tables::waveTables();
    EXPECT_NEAR(w.bank2(0)[2048], 0.99999f * (1.0f - 2.0f * 0.5f), 1e-5f);
    EXPECT_NEAR(w.bank2(1)[1024], 0.99999f * (2.0f * 0.25f - 1.0f), 1e-5f);
    EXPECT_EQ(w.bank2(3)[1024], w.bank1(0)[1024]);
    EXPECT_EQ(w.bank2(4)[1024], 1.0f);
}

TEST(WaveTables, AWaveNumberPastTheBankReadsItsLastWave)
{
    const WaveTables& w = tables::waveTables();
    EXPECT_EQ(w.bank1(7), w.bank1(3));
    EXPECT_EQ(w.bank1(-1), w.bank1(0));
    EXPECT_EQ(w.bank2(9), w.bank2(4));
}

TEST(NoiseTable, LeftAndRightAreDifferentStretchesOfFullScalePinkNoise)
{
    auto noise = std::make_unique<tables::NoiseTable>();
    tables::PinkNoise generator;
    dsp::seedRandom(99);
    noise->fill(generator);
    int differing = 0;
    int lowest = 0;
    int highest = 0;
    for (std::uint32_t i = 0; i < tables::NoiseTable::kFrames; i += 97) {
        differing += noise->left[i] != noise->right[i];
        lowest = std::min<int>(lowest, noise->left[i]);
        highest = std::max<int>(highest, noise->left[i]);
    }
    EXPECT_GT(differing, 10000);
    EXPECT_LT(lowest, -8000);
    EXPECT_GT(highest, 8000);
}

TEST(PatternList, PlacesSettingsStepsSequencerAndTargetsInFileOrder)
{
    for (int p = 0; p < 8; ++p) {
        const tables::PatternEntries& e = tables::kPatternList[p];
        EXPECT_EQ(e[0], 0);
        EXPECT_EQ(e[1], 2300 + p);
        EXPECT_EQ(e[6], 6190 + p);
        EXPECT_EQ(e[7], 2400 + 64 * p);       // track 0, step 0, "On"
        EXPECT_EQ(e[8], 2400 + 512 + 64 * p); // its "Flam"
        EXPECT_EQ(e[14], 2400 + 64 * p + 1);  // step 1
        EXPECT_EQ(e[454], 2400 + 512 * 6 + 64 * p + 16 * 3 + 15);
        EXPECT_EQ(e[455], 5984 + 16 * p);
        EXPECT_EQ(e[470], 5984 + 16 * p + 15);
        EXPECT_EQ(e[471], 2340 + p);
        EXPECT_EQ(e[474], 2364 + p);
    }
}

TEST(AmpSimKernels, KernelZeroPassesTheSignalAndTheOthersHoldTheirVoicings)
{
    EXPECT_EQ(tables::kAmpSimKernels[0][0], 1.0f);
    for (int i = 1; i < tables::kAmpSimKernelLength; ++i)
        EXPECT_EQ(tables::kAmpSimKernels[0][i], 0.0f);
    EXPECT_EQ(tables::kAmpSimKernels[1][0], 0.00390625f);
    EXPECT_EQ(tables::kAmpSimKernels[1][63], 0.06661987f);
    EXPECT_EQ(tables::kAmpSimKernels[4][0], 9.155273e-05f);
    EXPECT_EQ(tables::kAmpSimKernels[5][15], -0.03125f);
    EXPECT_EQ(tables::kAmpSimKernels[5][16], 0.0f);
}

} // namespace

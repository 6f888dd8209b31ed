#include "engine/effects/master_effect_slot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// Runs the band as a direct-form filter on a sine and returns the output peak.
float bandGainAt(const effects::EqualizerBand& band, float hz, float sampleRate)
{
    float x1 = 0.0f, x2 = 0.0f, y1 = 0.0f, y2 = 0.0f, peak = 0.0f;
    const int samples = static_cast<int>(sampleRate);
    for (int n = 0; n < samples; ++n) {
        const float x = std::sin(6.2831853f * hz * static_cast<float>(n) / sampleRate);
        const float y = band.b0 * x + band.b1 * x1 + band.b2 * x2 - band.a1 * y1 - band.a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        if (n > samples / 2)
            peak = std::max(peak, std::fabs(y));
    }
    return peak;
}

TEST(EqualizerBand, PassesItsCentreAndDampsFrequenciesFarAway)
{
    effects::EqualizerBand band;
    band.setup(600.0f, 44100.0f);
    const float centre = bandGainAt(band, 600.0f, 44100.0f);
    EXPECT_GT(centre, 0.3f);
    EXPECT_LT(bandGainAt(band, 60.0f, 44100.0f), 0.5f * centre);
    EXPECT_LT(bandGainAt(band, 6000.0f, 44100.0f), 0.5f * centre);
}

TEST(EqualizerBand, SetupClearsTheHistory)
{
    effects::EqualizerBand band;
    band.state[1][3] = 0.7f;
    band.setup(60.0f, 48000.0f);
    EXPECT_EQ(band.state[1][3], 0.0f);
    EXPECT_EQ(band.b1, 0.0f);
    EXPECT_EQ(band.b2, -band.b0);
}

TEST(MasterEffectSlot, SetupClearsTheAmpSimHistoryAndTunesTheFiveBands)
{
    auto slot = std::make_unique<effects::MasterEffectSlot>();
    slot->ampSimRing[0][5] = 1.0f;
    slot->setup(44100.0f);
    EXPECT_EQ(slot->ampSimRing[0][5], 0.0f);
    effects::EqualizerBand reference;
    reference.setup(8000.0f, 44100.0f);
    EXPECT_EQ(slot->equalizer[4].a1, reference.a1);
    reference.setup(60.0f, 44100.0f);
    EXPECT_EQ(slot->equalizer[0].a1, reference.a1);
}

} // namespace

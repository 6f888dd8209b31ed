#include "engine/effects/master_effect_slot.h"

#include "tests/engine/dsp_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

TEST(MasterEffectSlot, SetupClearsTheHistoriesAndTunesEachEqualizerBandToPassOnlyItsCentre)
{
    auto slot = std::make_unique<effects::MasterEffectSlot>();
    slot->ampSimRing[0][5] = 1.0f;
    slot->equalizerBands[2].output[1][2] = 0.7f;
    slot->setup(kravo::test::kTestRate);
    EXPECT_TRUE(slot->ampSimRing[0][5] == 0.0f && slot->equalizerBands[2].output[1][2] == 0.0f);
    const double centres[] = {60.0, 200.0, 600.0, 2000.0, 8000.0};
    for (int band = 0; band < effects::MasterEffectSlot::kEqualizerBandCount; ++band)
        for (int at = 0; at < effects::MasterEffectSlot::kEqualizerBandCount; ++at) {
            const auto& b = slot->equalizerBands[band];
            const double omega = 2.0 * std::numbers::pi * centres[at] / kravo::test::kTestRate;
            const double gain = std::abs(kravo::test::biquad(omega, b.b0, b.b1, b.b2, b.a1, b.a2));
            EXPECT_TRUE(band == at ? gain > 0.95 : gain < 0.3) << "band " << band << " at " << centres[at] << " Hz";
        }
}

} // namespace

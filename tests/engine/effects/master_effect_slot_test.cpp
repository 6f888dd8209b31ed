#include "engine/effects/master_effect_slot.h"

#include "tests/engine/dsp_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

TEST(MasterEffectSlot, SetupClearsTheHistoriesAndTunesEachEqualizerBandToPassOnlyItsCentre)
{
    auto slot = std::make_unique<effects::MasterEffectSlot>();
    slot->ampSimRing[0][5] = 1.0f;
    slot->equalizer[2].state[1][3] = 0.7f;
    slot->setup(kravo::test::kTestRate);
    EXPECT_EQ(slot->ampSimRing[0][5], 0.0f);
    EXPECT_EQ(slot->equalizer[2].state[1][3], 0.0f);
    const double centres[] = {60.0, 200.0, 600.0, 2000.0, 8000.0};
    for (int band = 0; band < effects::MasterEffectSlot::kEqualizerBandCount; ++band)
        for (int at = 0; at < effects::MasterEffectSlot::kEqualizerBandCount; ++at) {
            // The band run as a direct-form filter.
            const auto& b = slot->equalizer[band];
            const auto run = [&b, x1 = 0.0f, x2 = 0.0f, y1 = 0.0f, y2 = 0.0f](float x) mutable {
                const float y = b.b0 * x + b.b1 * x1 + b.b2 * x2 - b.a1 * y1 - b.a2 * y2;
                x2 = std::exchange(x1, x);
                y2 = std::exchange(y1, y);
                return y;
            };
            const float gain = kravo::test::sinePeak(run, centres[at], 1.0f);
            EXPECT_TRUE(band == at ? gain > 0.95f : gain < 0.3f) << "band " << band << " at " << centres[at] << " Hz";
        }
}

} // namespace

#include "engine/effects/effect_types.h"
#include "engine/tables/amp_sim_kernels.h"
#include "tests/engine/effects/master_section.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using kravo::test::MasterSection;
using kravo::test::slotControls;

// "Type", "Distort", "Bass", "Treble", "Volume" at 0 dB; the tone stack neutral, wet only.
effects::SlotControls ampSim(int amp, float bass = 0.5f, float treble = 0.5f)
{
    return slotControls(0.5f, 1.0f, {(static_cast<float>(amp) + 0.5f) / 6.0f, 0.0f, bass, treble, 0.5f});
}

TEST(AmpSimEffect, AnImpulseThroughEachAmplifierGivesItsKernel)
{
    for (int amp = 0; amp < tables::kAmpSimKernelCount; ++amp) {
        MasterSection section;
        section.counter = 37; // the ring starts anywhere
        section.configure(0, effects::type::kAmpSim, ampSim(amp));
        for (int i = 0; i < tables::kAmpSimKernelLength + 8; ++i) {
            const effects::StereoPair out = section.step(0, i == 0 ? 0.5f : 0.0f, i == 0 ? -0.5f : 0.0f);
            const float k = i < tables::kAmpSimKernelLength ? tables::kAmpSimKernels[amp][i] : 0.0f;
            ASSERT_NEAR(out.left, 0.5f * k, 1e-6f) << "amp " << amp << " tap " << i;
            ASSERT_NEAR(out.right, -0.5f * k, 1e-6f) << "amp " << amp << " tap " << i;
        }
    }
}

// Both tone filters sit at their top corner, where they peak near the top of
// the band; cut bass and treble must not lift noise there far beyond full scale.
TEST(AmpSimEffect, CutBassAndTrebleKeepNoiseWithinFullScaleTimesTheVolume)
{
    MasterSection section;
    section.configure(0, effects::type::kAmpSim, ampSim(0, 0.1f, 0.1f));
    float peak = 0.0f;
    for (int i = 0; i < 44100; ++i) {
        const float x = static_cast<float>((i * 7919) % 201 - 100) / 100.0f; // full-band noise
        const effects::StereoPair out = section.step(0, x, -x);
        peak = std::fmax(peak, std::fmax(std::fabs(out.left), std::fabs(out.right)));
    }
    EXPECT_LE(peak, 1.0f + 1e-5f);
    EXPECT_GT(peak, 0.1f);
}

} // namespace

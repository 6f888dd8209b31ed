#include "engine/effects/effect_types.h"
#include "engine/tables/cabinet_rows.h"
#include "tests/engine/effects/master_section.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// An impulse through "Cabinet" with a neutral tone stack, wet only: the row's
// own impulse response, worked out here in double precision, at the row's level.
TEST(CabinetEffect, AnImpulseGivesTheRowsResponseAtItsLevelAndTheHighRateSetAbove80kHz)
{
    struct Case {
        float rate;
        int choice; // the "Type" menu entry
        int row;
        float level;
    };
    constexpr float kImpulse = 0.02f;
    constexpr int kLength = 300;
    for (const Case& c : {Case{44100.0f, 0, 0, 1.0f}, Case{44100.0f, 1, 1, 1.0f}, Case{48000.0f, 2, 2, 1.0f / 3.0f},
                          Case{44100.0f, 3, 3, 1.0f / 3.0f}, Case{96000.0f, 1, 5, 1.0f}, Case{96000.0f, 3, 7, 1.0f / 3.0f}}) {
        kravo::test::MasterSection section(c.rate);
        section.configure(0, effects::type::kCabinet,
                                 kravo::test::slotControls(0.5f, 1.0f, {(c.choice + 0.5f) / 4.0f, 0.0f, 0.5f, 0.5f, 0.5f}));
        const tables::CabinetRow& row = tables::kCabinetRows[c.row];
        double y[kLength] = {};
        for (int n = 0; n < kLength; ++n) {
            y[n] = n < tables::kCabinetTaps ? kImpulse * row.b[n] : 0.0;
            for (int k = 1; k < tables::kCabinetTaps && k <= n; ++k)
                y[n] += row.a[k] * y[n - k];
            const float out = section.step(0, n == 0 ? kImpulse : 0.0f, 0.0f).left;
            ASSERT_NEAR(out, c.level * y[n], 1e-7f) << "row " << c.row << " sample " << n;
        }
    }
}

} // namespace

#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using kravo::test::PluginRenderer;

constexpr int kVoicePads = 24;
constexpr int kTomUserModes[] = {1770, 1771, 1772};

bool allFinite(const PluginRenderer& r)
{
    for (std::size_t i = 0; i < r.left.size(); ++i)
        if (!std::isfinite(r.left[i]) || !std::isfinite(r.right[i]))
            return false;
    return true;
}

// Every pad, the Tom/User slots in both modes, at the lowest rate taken and up.
TEST(SampleRateSweep, EveryPadGivesFiniteOutputAtEveryRateFrom1000HzUp)
{
    for (const float rate : {1000.0f, 1500.0f, 4000.0f, 11025.0f, 22050.0f, 44100.0f, 96000.0f, 192000.0f}) {
        PluginRenderer r(rate);
        ASSERT_EQ(r.plugin->getSampleRate(), rate);
        for (int pad = 0; pad < kVoicePads; ++pad)
            r.plugin->triggerPadFromEditor(pad);
        r.renderSeconds(0.25);
        for (const int mode : kTomUserModes)
            r.set(mode, 1.0f);
        for (int pad = 0; pad < kVoicePads; ++pad)
            r.plugin->triggerPadFromEditor(pad);
        r.renderSeconds(0.25);
        EXPECT_TRUE(allFinite(r)) << rate;
    }
}

} // namespace

#include "engine/samples/factory_samples.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using kravo::test::PluginRenderer;

constexpr int kMasterVolume = 2;
constexpr int kBassDrum1Model = 144;
constexpr int kBassDrumNote = 36;

// BD 1 played once on a fresh plug-in with its Model written by the host.
std::vector<float> bassDrumWithModel(float model)
{
    PluginRenderer r;
    r.set(kMasterVolume, 0.8f);
    r.set(kBassDrum1Model, model);
    r.noteOn(kBassDrumNote);
    r.render(22050);
    return r.left;
}

float peakOf(const std::vector<float>& samples)
{
    float p = 0.0f;
    for (const float s : samples)
        p = std::fmax(p, std::fabs(s));
    return p;
}

TEST(FactorySampleLoading, AHostWriteOfASampleModelLoadsTheSlotsSample)
{
    const std::vector<float> sampled = bassDrumWithModel(0.025f);
    EXPECT_GT(peakOf(sampled), 0.01f);
    EXPECT_NE(sampled, bassDrumWithModel(0.02f));
    EXPECT_GT(peakOf(bassDrumWithModel(0.0225f)), 0.01f);
}

TEST(FactorySampleLoading, AModelPastTheKindsListPlaysTheLastModelsSample)
{
    // 0.1375 is the kind's last model; 0.2 lies past the list and is shown as that model.
    const std::vector<float> last = bassDrumWithModel(0.1375f);
    ASSERT_GT(peakOf(last), 0.01f);
    EXPECT_EQ(bassDrumWithModel(0.2f), last);
    EXPECT_EQ(bassDrumWithModel(1.0f), last);
}

TEST(FactorySampleLoading, AProgramReloadCopiesOnlyTheSlotsWhoseEntryChanged)
{
    constexpr int kReloadTrigger = 9899;
    constexpr int kReloadMark = 8192;
    PluginRenderer r;
    r.set(kBassDrum1Model, 0.025f);
    samples::FactorySamples& set = r.plugin->getFactorySamples();
    ASSERT_EQ(set.loadedEntry(0), 0);
    // A copy that differs from the resource shows whether a reload copied entry 0 again.
    const std::vector<unsigned char> marker(64, 0x40);
    ASSERT_TRUE(set.loadSampleResource(0, 0, marker.data(), marker.size()));
    r.set(kReloadTrigger, 0.0f);
    r.render(2 * kReloadMark);
    ASSERT_FALSE(r.plugin->isProgramReloadPending());
    float left = 0.0f;
    float right = 0.0f;
    set.reader(0).read(1.0f, 10.0f, left, right);
    EXPECT_EQ(left, 0x4040 / 32768.0f);
}

} // namespace

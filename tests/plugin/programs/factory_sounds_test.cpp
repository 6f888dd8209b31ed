#include "platform/clock.h"
#include "plugin/parameters/default_patch.h"
#include "plugin/programs/factory_bank.h"
#include "tests/plugin/support/factory_slot_samples.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using kravo::test::PluginRenderer;

constexpr int kPrograms = kravo::kProgramCount;
constexpr int kPads = 24;
constexpr int kPatterns = 8;
constexpr int kFirstPatternNote = 24; // notes 24..31 start Pattern 1..8
constexpr int kProgramChangeFrames = 8192;

// A plug-in with program p in place, its change completed, its noise seeded alike every time.
std::unique_ptr<PluginRenderer> onProgram(int program)
{
    kravo::test::installFactorySlotSamples();
    platform::ManualClock clock(777);
    platform::setClock(&clock);
    auto r = std::make_unique<PluginRenderer>(44100.0f, false);
    platform::setClock(nullptr);
    r->plugin->setProgram(program);
    r->render(kProgramChangeFrames);
    r->left.clear();
    r->right.clear();
    return r;
}

bool allFinite(const std::vector<float>& samples)
{
    return std::all_of(samples.begin(), samples.end(), [](float s) { return std::isfinite(s); });
}

TEST(FactorySounds, TheProgramsDifferFromEachOtherAndFromTheDefaultPatchInValuesAndSound)
{
    std::array<float, kravo::param::kParameterCount> defaults{};
    kravo::fillDefaultValues(defaults);
    std::vector<std::vector<float>> heard;
    for (int p = 0; p < kPrograms; ++p) {
        EXPECT_NE(std::memcmp(kravo::factoryBank[p], defaults.data(), sizeof defaults), 0) << "program " << p;
        for (int q = 0; q < p; ++q)
            EXPECT_NE(std::memcmp(kravo::factoryBank[p], kravo::factoryBank[q], sizeof defaults), 0) << p << " " << q;
        // Every pad in turn, one every 50 ms.
        auto r = onProgram(p);
        for (int pad = 0; pad < kPads; ++pad) {
            r->noteOn(pad, 100);
            r->render(2205);
        }
        heard.push_back(r->left);
        for (int q = 0; q < p; ++q)
            EXPECT_NE(heard[static_cast<std::size_t>(q)], r->left) << "programs " << q << " and " << p << " sound alike";
    }
}

TEST(FactorySounds, EveryPatternOfEveryProgramPlays)
{
    for (int p = 0; p < kPrograms; ++p) {
        auto r = onProgram(p);
        for (int k = 0; k < kPatterns; ++k) {
            r->plugin->resetAllVoices();
            r->noteOn(kFirstPatternNote + k, 100);
            bool sounded = false;
            // At most a bar at 120 BPM.
            for (int frames = 0; frames < 88200 && !sounded; frames += 64) {
                r->render(64);
                sounded = r->plugin->getEngine().isAnyVoiceActive();
            }
            EXPECT_TRUE(sounded) << "program " << p << ", pattern " << k + 1;
            r->midi(0, 0x89, static_cast<std::uint8_t>(kFirstPatternNote + k), 0);
            r->render(64);
        }
    }
}

class FactoryHeadroom : public ::testing::TestWithParam<int> {};

// The loudest a program is meant to get: all eight patterns running and every pad hit at full
// velocity at once, twice.
TEST_P(FactoryHeadroom, AllPatternsAndEveryPadAtFullVelocityStayBelowFullScale)
{
    auto r = onProgram(GetParam());
    for (int k = 0; k < kPatterns; ++k)
        r->noteOn(kFirstPatternNote + k, 100);
    r->render(11025);
    for (int hit = 0; hit < 2; ++hit) {
        for (int pad = 0; pad < kPads; ++pad)
            r->noteOn(pad, 127);
        r->render(66150);
    }
    ASSERT_TRUE(allFinite(r->left) && allFinite(r->right));
    EXPECT_LT(r->peak(0.0, 4.0), 1.0f) << kravo::factoryProgramNames[GetParam()];
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, FactoryHeadroom, ::testing::Range(0, kPrograms));

} // namespace

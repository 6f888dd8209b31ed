#include "engine/effects/effect_types.h"
#include "tests/engine/effects/master_section.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>

namespace {

using kravo::test::MasterSection;
using kravo::test::slotControls;
namespace type = effects::type;

TEST(EffectCoefficients, DelayLengthsAreFreeOrTempoSyncedAndHeldToTheLines)
{
    struct Case {
        float a, b, c, sync, rate;
        float left, right;
    };
    const float quarterBar = 10.5f / 14.99f;
    for (const Case& k : {Case{0.5f, 0.5f, 0.0f, 0.0f, 44100.0f, 2823.4f, 2827.4f},
                          Case{quarterBar, 0.0f, 1.0f, 1.0f, 44100.0f, 22051.0f, 1024.0f + 44100.0f / 24.0f + 1.0f},
                          Case{1.0f, 1.0f, 1.0f, 0.0f, 96000.0f, 262142.0f, 262142.0f}}) {
        effects::DelayEffect delay;
        const effects::EffectRates rates{k.rate, 1.0f / k.rate, k.rate * 2.0f, 120.0f};
        effects::setDelayLengths(delay, k.a, k.b, k.c, k.sync, rates);
        EXPECT_NEAR(delay.lengthLeft, k.left, 0.01f);
        EXPECT_NEAR(delay.lengthRight, k.right, 0.01f);
    }
}

// "Stereo Delay" with "Left Delay", "Right Delay", "Feedback" 0.75, "CrossFeed" and "Feed Equal": the
// shorter line's feedback follows the longer one's, or the cross-feed takes its share of the loop gain.
TEST(EffectCoefficients, StereoDelayEqualisesFeedbackOrSharesItWithTheCrossFeed)
{
    struct Case {
        float left, right, cross, equal;
        float feedbackLeft, feedbackRight, crossLeft;
        bool crossFeed;
    };
    // The right line is 4 samples longer than the left at equal times; its own time 0.3 makes it shorter.
    for (const Case& k : {Case{0.5f, 0.5f, 0.5f, 1.0f, 0.4955926f, 0.495f, 0.0f, false},
                          Case{0.5f, 0.3f, 0.5f, 1.0f, 0.495f, 0.8742486f, 0.0f, false},
                          Case{0.5f, 0.5f, 1.0f, 0.0f, 0.495f / 1.4851f, 0.495f / 1.4851f, -0.99f / 1.4851f, true},
                          Case{0.5f, 0.5f, 0.51f, 0.0f, 0.495f, 0.495f, 0.0f, false}}) {
        MasterSection section;
        section.configure(0, type::kStereoDelay, slotControls(0.5f, 1.0f, {k.left, k.right, 0.75f, k.cross, k.equal}));
        const effects::DelayEffect& d = section.effects->slot(0).states.delay;
        EXPECT_NEAR(d.feedbackLeft, k.feedbackLeft, 1e-5f);
        EXPECT_NEAR(d.feedbackRight, k.feedbackRight, 1e-5f);
        EXPECT_NEAR(d.crossLeft, k.crossLeft, 1e-5f);
        EXPECT_EQ(d.crossFeed, k.crossFeed);
    }
}

// The comb's frequency knob is read smoothed, here already at the knob.
TEST(EffectCoefficients, CombLengthsStayWithinTheirRangeAtEveryRate)
{
    struct Case {
        float rate, frequency, feed;
        std::uint32_t length;
        float feedback;
    };
    for (const Case& k : {Case{44100.0f, 0.0f, 0.0f, 537600, -1.0f}, Case{44100.0f, 1.0f, 1.0f, 551, 1.0f},
                          Case{8000.0f, 1.0f, 0.5f, 513, 0.0f}, Case{500000.0f, 0.0f, 0.75f, 2097150, 0.840896f}}) {
        MasterSection section(k.rate);
        section.configure(0, type::kCombFilter, slotControls(0.5f, 1.0f, {k.frequency, k.feed}));
        const effects::CombFilterEffect::Comb& comb = section.effects->slot(0).states.comb.combs[0];
        EXPECT_EQ(comb.length, k.length) << k.rate;
        EXPECT_NEAR(comb.feedback, k.feedback, 1e-5f) << k.rate;
    }
}

// Spot checks of the formulas whose algorithms live elsewhere, each at a
// setting whose result is plain.
TEST(EffectCoefficients, DynamicsAndDistortionTypesGetTheirCoefficients)
{
    using Slot = effects::MasterEffectSlot;
    struct Case {
        int type;
        float rate;
        float value; // every parameter
        std::function<float(const Slot&)> read;
        float expected;
    };
    const Case cases[] = {
        {type::kEqualizer, 44100.0f, 0.5f, [](const Slot& s) { return s.states.equalizer.gains[3]; }, 1.0f},
        {type::kCompressor, 44100.0f, 1.0f, [](const Slot& s) { return s.states.compressor.slope; }, 1.0f},
        {type::kNoiseGate, 44100.0f, 0.0f, [](const Slot& s) { return s.states.gate.threshold; }, 0.0f},
        {type::kNoiseGate, 44100.0f, 1.0f, [](const Slot& s) { return s.states.gate.holdLength; }, 16.384f * 44100.0f},
        {type::kCabinet, 96000.0f, 1.0f, [](const Slot& s) { return float(s.states.cabinet.cabinet); }, 7.0f},
        {type::kLowFi, 88200.0f, 1.0f, [](const Slot& s) { return float(s.states.lowFi.holdPeriod); }, 64.0f},
        {type::kGator, 44100.0f, 1.0f, [](const Slot& s) { return s.states.gator.pattern[1][15]; }, 1.0f},
        {type::kAmpSim, 44100.0f, 0.0f, [](const Slot& s) { return float(s.filters[2].type()); }, 4.0f},
        {type::kAutoWah, 44100.0f, 1.0f, [](const Slot& s) { return float(s.states.autoWah.filterType); }, 5.0f},
    };
    for (const Case& c : cases) {
        MasterSection section(c.rate);
        effects::SlotControls controls = slotControls(0.5f, 1.0f, {});
        for (float& p : controls.parameters)
            p = c.value;
        section.configure(0, c.type, controls);
        EXPECT_NEAR(c.read(section.effects->slot(0)), c.expected, 1e-3f * std::fabs(c.expected) + 1e-6f) << c.type;
    }
}

} // namespace

namespace {

// Updates whose controls have not moved since the smoothing came to rest are
// left out. Section B forgets after every sample that its smoothing was at
// rest, so it takes every update; both must sound alike to the bit while the
// pan, the mix and a parameter move now and then and rest in between.
TEST(EffectCoefficients, AnUpdateLeftOutAtRestChangesNothing)
{
    MasterSection a;
    MasterSection b;
    for (MasterSection* m : {&a, &b}) {
        m->configure(0, type::kStereoDelay, slotControls(0.5f, 0.5f, {0.3f, 0.4f, 0.5f, 0.2f}));
        m->configure(1, type::kChorus, slotControls(0.3f, 0.7f, {0.5f, 0.5f, 0.5f}));
    }
    constexpr int kStretch = 40000; // long enough for the smoothing to come to rest
    const auto move = [](MasterSection& m, int stretch) {
        effects::SlotControls& c = m.controls[stretch % 2];
        switch (stretch % 4) {
        case 0: c.parameters[0] = c.parameters[0] == 0.6f ? 0.35f : 0.6f; break;
        case 1: c.pan = 0.2f; break;
        case 2: c.mix = 0.75f; break; // from 0.5 the crossfade lands on it exactly
        default: c.mix = -0.0f; break;
        }
    };
    for (int stretch = 0; stretch < 8; ++stretch) {
        move(a, stretch);
        move(b, stretch);
        for (int i = 0; i < kStretch; ++i) {
            const float in = (i / 1000) % 2 == 0 ? std::sin(0.05f * static_cast<float>(i)) : 0.0f;
            const effects::StereoPair outA = a.step(stretch % 2, in, -in);
            for (int s = 0; s < effects::MasterEffects::kSlotCount; ++s)
                b.effects->slot(s).mix.smoothingAtRest = false;
            const effects::StereoPair outB = b.step(stretch % 2, in, -in);
            ASSERT_EQ(std::bit_cast<std::uint64_t>(outA), std::bit_cast<std::uint64_t>(outB))
                << "stretch " << stretch << ", sample " << i;
        }
    }
}

} // namespace

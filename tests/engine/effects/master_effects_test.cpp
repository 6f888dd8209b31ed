#include "engine/effects/effect_types.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "tests/engine/effects/master_section.h"
#include "tests/support/plugin_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

using kravo::test::MasterSection;
using kravo::test::slotControls;
namespace type = effects::type;

// "Mono Delay" of 2823.4 samples without feedback, its filters wide open.
effects::SlotControls monoDelay(float pan, float mix) { return slotControls(pan, mix, {0.5f, 0.5f, 1.0f, 0.0f}); }

float inputAt(int i) { return 0.8f * std::sin(0.37f * static_cast<float>(i)) + (i % 5 == 0 ? 0.1f : -0.05f); }

TEST(MasterEffects, NoneAndUnknownTypesAndBypassedSlotsPassTheirInputUnchanged)
{
    struct Case {
        int type;
        bool bypass;
        float mix;
        float pan;
    };
    for (const Case& c : {Case{type::kNone, true, 1.0f, 0.0f}, Case{type::kNone, false, 0.7f, 1.0f},
                          Case{27, false, 1.0f, 0.2f}, Case{49, true, 0.0f, 0.5f}, Case{type::kMonoDelay, true, 1.0f, 0.0f},
                          Case{type::kHqReverb, true, 0.5f, 1.0f}}) {
        MasterSection section;
        section.configure(2, c.type, slotControls(c.pan, c.mix, {0.3f, 0.9f, 0.5f}));
        section.bypassed[2] = c.bypass;
        for (int i = 0; i < 3000; ++i) {
            const float x = inputAt(i);
            const effects::StereoPair out = section.step(2, x, -x);
            ASSERT_TRUE(out.left == x && out.right == -x) << "type " << c.type << ", sample " << i;
        }
    }
}

// An impulse on both sides: the dry part sounds at once, the echo 2823.4 samples later.
TEST(MasterEffects, MixCrossfadesDryAndWetAndPanPlacesTheWetSignal)
{
    struct Case {
        float mix;
        float pan;
        float dry;
        bool wetLeft;
        bool wetRight;
    };
    for (const Case& c : {Case{0.0f, 0.5f, 1.0f, false, false}, Case{0.5f, 0.5f, 1.0f, true, true},
                          Case{1.0f, 0.5f, 0.0f, true, true}, Case{1.0f, 0.0f, 0.0f, true, false},
                          Case{0.5f, 1.0f, 1.0f, false, true}}) {
        MasterSection section;
        section.configure(0, type::kMonoDelay, monoDelay(c.pan, c.mix));
        const effects::StereoPair first = section.step(0, 1.0f, 1.0f);
        EXPECT_NEAR(first.left, c.dry, 1e-6f) << "mix " << c.mix;
        EXPECT_NEAR(first.right, c.dry, 1e-6f) << "mix " << c.mix;
        float echoLeft = 0.0f;
        float echoRight = 0.0f;
        for (int i = 1; i < 2900; ++i) {
            const effects::StereoPair out = section.step(0, 0.0f, 0.0f);
            echoLeft = std::fmax(echoLeft, std::fabs(out.left));
            echoRight = std::fmax(echoRight, std::fabs(out.right));
        }
        EXPECT_EQ(echoLeft > 0.2f, c.wetLeft) << "mix " << c.mix << " pan " << c.pan << ": " << echoLeft;
        EXPECT_EQ(echoRight > 0.2f, c.wetRight) << "mix " << c.mix << " pan " << c.pan << ": " << echoRight;
        EXPECT_TRUE(echoLeft < 1e-6f || echoLeft > 0.2f);
        EXPECT_TRUE(echoRight < 1e-6f || echoRight > 0.2f);
    }
}

// One slot holds a wet-only delay, which keeps an impulse back; the others
// pass theirs. An impulse on a slot's bus is heard at once exactly when its
// path to the result avoids the delaying slot.
TEST(MasterEffects, EachRoutingChainsTheSlotsAlongItsPaths)
{
    // The slots an input on each bus passes through, per routing.
    const std::set<int> paths[5][4] = {
        {{0}, {1}, {2}, {3}},                         // "Parallel"
        {{0, 1, 2, 3}, {1, 2, 3}, {2, 3}, {3}},       // "Serial"
        {{0, 3}, {1, 3}, {2, 3}, {3}},                // "[1,2,3]>4"
        {{0, 2, 3}, {1, 2, 3}, {2, 3}, {3}},          // "[1,2]>3>4"
        {{0, 1}, {1}, {2, 3}, {3}},                   // "1>2 + 3>4": slot 3 plus slot 1
    };
    for (int routing = 0; routing < 6; ++routing)
        for (int delaying = 0; delaying < 4; ++delaying) {
            MasterSection section;
            section.effects->routing = routing;
            section.configure(delaying, type::kMonoDelay, monoDelay(0.5f, 1.0f));
            // The delaying slot's echo of an earlier impulse is thousands of samples away.
            for (int input = 0; input < 4; ++input) {
                const effects::StereoPair out = section.step(input, 0.5f, -0.25f);
                // Past the last routing ("Fx Path" at 0.5005 or more) nothing is heard.
                const bool heard = routing < 5 && !paths[routing][input].count(delaying);
                EXPECT_NEAR(out.left, heard ? 0.5f : 0.0f, 1e-9f) << routing << " " << delaying << " " << input;
                EXPECT_NEAR(out.right, heard ? -0.25f : 0.0f, 1e-9f) << routing << " " << delaying << " " << input;
            }
        }
}

TEST(MasterEffects, ASlotFallsAsleepToExactZerosAfterItsInputStopsAndWakesOnTheNextSound)
{
    MasterSection section;
    section.configure(1, type::kMonoDelay, monoDelay(0.5f, 0.5f));
    for (int i = 0; i < 1000; ++i)
        section.step(1, inputAt(i), inputAt(i + 7));
    int lastSound = 0;
    constexpr int kQuiet = 44100 * 15;
    for (int i = 0; i < kQuiet; ++i) {
        const effects::StereoPair out = section.step(1, 0.0f, 0.0f);
        if (out.left != 0.0f || out.right != 0.0f)
            lastSound = i;
    }
    EXPECT_TRUE(section.effects->slot(1).mix.silent);
    // About 4600 decay steps of 128 samples from the end of the echo.
    EXPECT_GT(lastSound, 580000);
    EXPECT_LT(lastSound, kQuiet - 44100);
    EXPECT_NE(section.step(1, 0.0001f, 0.0f).left, 0.0f);
    EXPECT_FALSE(section.effects->slot(1).mix.silent);
}

TEST(MasterEffects, DelayEchoesAtItsLengthFreeOrTempoSynced)
{
    struct Case {
        effects::SlotControls controls;
        int first;
        int last;
    };
    const float quarterBar = 10.5f / 14.99f; // the eleventh of the 15 synced lengths
    for (const Case& c : {Case{monoDelay(0.5f, 1.0f), 2823, 2824},
                          Case{slotControls(0.5f, 1.0f, {quarterBar, 0.5f, 1.0f, 0.0f, 0, 0, 0, 1.0f}), 22051, 22051}}) {
        MasterSection section;
        section.configure(0, type::kMonoDelay, c.controls);
        int peakAt = 0;
        float peak = 0.0f;
        for (int i = 0; i < 23000; ++i) {
            const float out = section.step(0, i == 0 ? 1.0f : 0.0f, 0.0f).left;
            if (std::fabs(out) > peak) {
                peak = std::fabs(out);
                peakAt = i;
            }
        }
        EXPECT_GE(peakAt, c.first);
        EXPECT_LE(peakAt, c.last);
    }
}

// An impulse into "Reverb" with no pre-delay knob: 23 samples of slot
// pre-delay (half a millisecond), 7 of the engine's own on the left, then its
// shortest comb, 1046 samples on the left, 1069 on the right, where the
// spread delay adds 2.
TEST(MasterEffects, ReverbFirstReflectionsArriveAfterThePreDelayAndTheShortestComb)
{
    MasterSection section;
    section.configure(3, type::kReverb, slotControls(0.5f, 1.0f, {0.0f, 0.5f, 0.75f, 0.0f, 0.0f, 1.0f, 0.0f}));
    for (int i = 0; i < 20; ++i)
        section.step(3, 0.0f, 0.0f);
    EXPECT_EQ(section.effects->slot(3).states.reverb.preDelayLength, 23u);
    int firstLeft = -1;
    int firstRight = -1;
    for (int i = 0; i < 1200; ++i) {
        const effects::StereoPair out = section.step(3, i == 0 ? 1.0f : 0.0f, i == 0 ? 1.0f : 0.0f);
        if (firstLeft < 0 && std::fabs(out.left) > 1e-3f)
            firstLeft = i;
        if (firstRight < 0 && std::fabs(out.right) > 1e-3f)
            firstRight = i;
    }
    EXPECT_EQ(firstLeft, 23 + 7 + 1046);
    EXPECT_EQ(firstRight, 23 + 1069 + 2);
}

// Every type in every slot and every routing, four types at a time, through
// ten seconds of noise bursts on all buses with settings drawn anew every two
// seconds: nothing may turn NaN or Inf and no level may run away. In the
// parallel routing each slot hears only its own bus, so each type's own
// output is held to a tighter bound there.
TEST(MasterEffects, EveryTypeInEverySlotAndRoutingStaysFiniteAndBoundedThroughNoiseBursts)
{
    constexpr int kRate = 44100;
    constexpr int kSlots = effects::MasterEffects::kSlotCount;
    constexpr float kDefaultVolumeLimit = 0.0675f; // the reference level at "Main Volume" 0.7
    std::uint32_t seed = 2024;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / 16777216.0f;
    };
    constexpr int kGroups = (type::kCount - 1 + kSlots - 1) / kSlots;
    for (int group = 0; group < kGroups; ++group)
        for (int routing = 0; routing < effects::MasterEffects::kRoutingCount; ++routing) {
            MasterSection section;
            section.clock.limitLevel = kDefaultVolumeLimit;
            section.effects->routing = routing;
            int types[kSlots];
            for (int s = 0; s < kSlots; ++s) {
                // Types 1..26 four to a group, moving one slot on with each routing.
                types[s] = std::min(1 + kSlots * group + (s + routing) % kSlots, type::kCount - 1);
                section.configure(s, types[s], slotControls(0.5f, 0.5f, {}));
            }
            float peak = 0.0f;
            float slotPeak[kSlots] = {};
            for (int second = 0; second < 10; ++second) {
                if (second % 2 == 0)
                    for (effects::SlotControls& c : section.controls) {
                        c = slotControls(next(), next(), {});
                        for (float& p : c.parameters)
                            p = next();
                    }
                for (int i = 0; i < kRate; ++i) {
                    const bool burst = i < kRate / 4;
                    float left[8] = {};
                    float right[8] = {};
                    for (int s = 0; s < kSlots && burst; ++s) {
                        left[1 + s] = 2.0f * next() - 1.0f;
                        right[1 + s] = 2.0f * next() - 1.0f;
                    }
                    const effects::StereoPair out = section.stepBuses(left, right);
                    ASSERT_TRUE(std::isfinite(out.left) && std::isfinite(out.right))
                        << "types " << types[0] << " " << types[1] << " " << types[2] << " " << types[3] << ", routing "
                        << routing << " at " << second;
                    peak = std::fmax(peak, std::fmax(std::fabs(out.left), std::fabs(out.right)));
                    for (int s = 0; s < kSlots; ++s) {
                        const effects::MasterEffectSlot& slot = section.effects->slot(s);
                        slotPeak[s] = std::fmax(slotPeak[s], std::fmax(std::fabs(slot.outputLeft), std::fabs(slot.outputRight)));
                    }
                }
            }
            EXPECT_LT(peak, 1000.0f) << "group " << group << ", routing " << routing;
            for (int s = 0; s < kSlots && routing == 0; ++s)
                EXPECT_LT(slotPeak[s], 25.0f) << "type " << types[s];
        }
}

// "BD 1" sent to bus 1 reaches the output through "FX 1": the slot's type,
// mix, bypass and modulation row and the routing are read from the program.
// A rate change sets the slot up anew, which must not lose its delay length.
TEST(MasterEffectsInThePlugin, ABassDrumOnBusOnePlaysThroughTheFirstSlot)
{
    namespace param = kravo::param;
    struct Case {
        const char* name;
        int type;
        float mix;
        float rowAmount; // "Fx 1A" from "Offset" to the slot's mix; 0.5 adds nothing
        float bypass;
        float routing;
        bool heardAtOnce;
        bool heardAsEcho;
        float startRate = 44100.0f;
    };
    constexpr int kSettle = 32768;
    const auto choice = [](int n, float scale) { return (static_cast<float>(n) + 0.5f) / scale; };
    for (const Case& c : {Case{"none", 0, 1.0f, 0.5f, 0.0f, 0.0f, true, false},
                          Case{"wet delay", 1, 1.0f, 0.5f, 0.0f, 0.0f, false, true},
                          Case{"delay mixed wet by its row", 1, 0.0f, 1.0f, 0.0f, 0.0f, false, true},
                          Case{"bypassed delay", 1, 1.0f, 0.5f, 1.0f, 0.0f, true, false},
                          Case{"no routing", 0, 1.0f, 0.5f, 0.0f, 0.6f, false, false},
                          Case{"wet delay after a rate change", 1, 1.0f, 0.5f, 0.0f, 0.0f, false, true, 48000.0f}}) {
        kravo::test::PluginRenderer renderer(c.startRate);
        renderer.set(param::voiceOutput[0], choice(1, param::choicescale::kOutput));
        renderer.set(param::effectType[0], choice(c.type, param::choicescale::kEffectType));
        renderer.set(param::effectSlotMix[0], c.mix);
        renderer.set(param::effectBypass[0], c.bypass);
        renderer.set(param::kEffectRouting, c.routing);
        renderer.set(param::effectModSourceA[0], choice(27, param::choicescale::kModSource));
        renderer.set(param::effectModDestinationA[0], choice(1, param::choicescale::kEffectType));
        renderer.set(param::effectModAmountA[0], c.rowAmount);
        for (int k = 0; k < 4; ++k)
            renderer.set(param::effectParameterIndex(0, k), monoDelay(0.5f, 1.0f).parameters[k]);
        // Long enough for the smoothed parameters to settle, so that only a forced update sets coefficients.
        renderer.render(kSettle);
        renderer.plugin->setSampleRate(44100.0f);
        renderer.left.clear();
        renderer.right.clear();
        renderer.rate = 44100.0f;
        renderer.noteOn(36);
        renderer.render(2600);
        const float atOnce = renderer.peak(0.0, 2600.0 / 44100.0);
        renderer.render(2400);
        const float later = renderer.peak(3100.0 / 44100.0, 5000.0 / 44100.0);
        EXPECT_EQ(atOnce > 0.01f, c.heardAtOnce) << c.name << ": " << atOnce;
        EXPECT_TRUE(atOnce > 0.01f || atOnce < 1e-6f) << c.name << ": " << atOnce;
        if (!c.heardAtOnce) {
            EXPECT_EQ(later > 0.01f, c.heardAsEcho) << c.name << ": " << later;
        }
    }
}

} // namespace

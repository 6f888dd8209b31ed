#include "plugin/parameters/default_patch.h"

#include "plugin/parameters/parameter_map.h"
#include "plugin/parameters/parameter_reading.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

namespace {

using namespace kravo;
using namespace kravo::param;
using Values = std::array<float, kParameterCount>;

struct DefaultPatch : ::testing::Test {
    DefaultPatch()
    {
        fillDefaultValues(defaults);
        fillZeroValues(zeros);
    }

    // Every voice of a kind, synthesised layer, sample slot and step starts alike: a parameter that differs from
    // the first of its run (one run per kind parameter, layer parameter or step attribute) is a table or loop
    // that missed some voices.
    static void expectVoicesAlike(const Values& values, const char* what)
    {
        // (first index, parameters, voices): parameter j of voice v at first + voices * j + v.
        std::vector<std::tuple<int, int, int>> runs = {
            {synthlayer::kBase, synthlayer::kParameterCount, kSynthVoiceCount},
            {kFirstStepAttribute, kStepAttributeCount, kPatternCount * kTrackCount * kStepCount}};
        for (const DrumKindLayout& layout : drumKindLayouts)
            runs.push_back({layout.base, layout.parameterCount, layout.voiceCount});
        for (const SampleLayerLayout& layer : sampleLayerLayouts) {
            runs.push_back({layer.soundBlock, soundblock::kParameterCount, kSampleSlotCount});
            runs.push_back({layer.playBlock, playblock::kParameterCount, kSampleSlotCount});
        }
        for (const auto& [first, count, voices] : runs)
            for (int i = first; i < first + count * voices; ++i)
                EXPECT_EQ(values[i], values[i - (i - first) % voices]) << what << ": parameter " << i;
    }

    Values defaults{};
    Values zeros{};
};

TEST_F(DefaultPatch, ValuesLieInZeroToOneNamesReadDashesVoicesOfAKindStartAlikeAndZeroCentresPansButSilencesVolumes)
{
    for (int i = 0; i < kParameterCount; ++i)
        EXPECT_TRUE(defaults[i] >= 0.0f && defaults[i] <= 1.0f && zeros[i] >= 0.0f && zeros[i] <= 1.0f) << i;
    Values clear{};
    fillPatternClearValues(clear);
    EXPECT_EQ(clear, defaults);

    for (const int first : drumPresetName)
        EXPECT_EQ(readParamText(defaults, first, kDrumPresetNameLength), "----") << first;
    EXPECT_EQ(zeros[kMainVolume], defaults[kMainVolume]);
    for (int slot = 0; slot < kVoiceSlotCount; ++slot)
        EXPECT_EQ(std::tuple(zeros[voiceVolume[slot]], zeros[voicePan[slot]]), std::tuple(0.0f, 0.5f)) << slot;
    EXPECT_EQ(zeros[synthLayer[synthlayer::kFine][0]], 0.5f);
    EXPECT_EQ(zeros[playBlockIndex(kLayerB, playblock::kStereoEnd, 7)], 0.5f);

    expectVoicesAlike(zeros, "zero");
    // User 4..6 share the Tom/User kind but start without its distortion.
    Values tomUser = defaults;
    for (const int j : {kindparam::kDistortionSecond, kindparam::kDistortionType})
        for (int voice = kTomUserSlotCount; voice < 6; ++voice) {
            const int index = kindParameterIndex(DrumKind::TomUser, j, voice);
            EXPECT_TRUE(defaults[index] == 0.0f && defaults[index - voice] != 0.0f) << index;
            tomUser[index] = defaults[index - voice];
        }
    expectVoicesAlike(tomUser, "default");
    for (const int index : tomUserSwitch)
        EXPECT_FALSE(isSwitchOn(defaults[index])) << "slots 10..12 start as Tom voices";
}

} // namespace

#include "plugin/parameters/parameter_map.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using namespace kravo::param;

// Programs, presets and controller maps store these indices: anchors where a group ends or a table is built from
// another layout, so that a wrong stride, base or voice order shows.
TEST(ParameterMap, EveryGroupLiesAtItsStoredIndicesAndNoTwoVoiceTablesShareOne)
{
    const std::pair<int, int> anchors[] = {
        {voiceVolume[5], 16}, {voicePan[6], 39}, {synthLayer[synthlayer::kSemi][5], 1806}, // hi-hats in kind order
        {voicePan[23], 57}, {voiceDistortionType[6], 357}, {voiceDistortionFirst[10], 856}, {voiceChokeGroup[3], 261},
        {voiceOutput[15], 879}, {voiceOutput[23], 6207}, {synthVoiceModel[5], 484}, {synthVoiceModel[15], 891},
        {kindParameterIndex(DrumKind::Bd, 31, 1), 193}, {kindParameterIndex(DrumKind::Sn, 36, 1), 323},
        {kindParameterIndex(DrumKind::ClosedHiHat, 35, 1), 421}, {kindParameterIndex(DrumKind::OpenHiHat, 35, 1), 541},
        {kindParameterIndex(DrumKind::Clap, 22, 1), 635}, {kindParameterIndex(DrumKind::Tom, 26, 2), 733},
        {kindParameterIndex(DrumKind::TomUser, 88, 5), 1383}, {synthLayer[synthlayer::kStereoTime][15], 2215},
        {stepAttributeIndex(StepAttribute::Flam, 1, 2, 3), 2400 + 512 + 64 + 32 + 3},
        {stepAttributeIndex(StepAttribute::Delay, 7, 3, 15), 5983}, {trackTargetPadIndex(7, 3), 2371},
        {sequencerValueIndex(7, 15), 6111}, {trackMuteIndex(7, 3), 6143},
        {soundBlockIndex(kLayerB, soundblock::kFilterEnvDecay, 7), 6703},
        {playBlockIndex(kLayerB, playblock::kStereoTime, 7), 8023},
        {sampleNameIndex(kLayerB, 7) + kSampleNameLength - 1, 7863}, {effectParameterIndex(3, 9), 1629},
        {lfoBase[1] + lfo::kModAmount, 1680}, {patternNameIndex(7) + kPatternNameLength - 1, 8611},
        {drumPresetName[23] + kDrumPresetNameLength - 1, 9875},
    };
    for (std::size_t i = 0; i < std::size(anchors); ++i)
        EXPECT_EQ(anchors[i].first, anchors[i].second) << "anchor " << i;

    std::vector<int> all;
    for (const auto* table : {&voiceVolume, &voicePan, &voiceVelocityToVolume, &voiceDistortionFirst,
             &voiceDistortionSecond, &voiceDistortionType, &voiceOutput, &voiceChokeGroup, &voiceEasyBypass,
             &drumPresetName})
        all.insert(all.end(), table->begin(), table->end());
    all.insert(all.end(), synthVoiceModel.begin(), synthVoiceModel.end());
    all.insert(all.end(), tomModel.begin(), tomModel.end());
    all.insert(all.end(), tomUserSwitch.begin(), tomUserSwitch.end());
    for (const auto& table : synthLayer)
        all.insert(all.end(), table.begin(), table.end());
    std::set<int> seen;
    for (const int index : all) {
        EXPECT_TRUE(index >= 0 && index < kParameterCount) << index;
        EXPECT_TRUE(seen.insert(index).second) << "index " << index << " is in two tables";
    }
}

} // namespace

#include "plugin/parameters/parameter_map.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using namespace kravo::param;

template <std::size_t N>
std::vector<int> asVector(const ParameterIndexTable<N>& table)
{
    return {table.begin(), table.end()};
}

std::vector<int> run(int first, int last)
{
    std::vector<int> indices;
    for (int i = first; i <= last; ++i)
        indices.push_back(i);
    return indices;
}

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(VoiceOrder, HiHatSlotsUseKindOrderForVolumePanAndLayerBlock)
{
    // Slot 5 is OP-HH 1, slot 6 is CL-HH 2.
    EXPECT_EQ(voiceVolume[5], 16);
    EXPECT_EQ(voicePan[5], 40);
    EXPECT_EQ(synthLayer[synthlayer::kSemi][5], 1806);
    EXPECT_EQ(voiceVolume[6], 15);
    EXPECT_EQ(voicePan[6], 39);
    EXPECT_EQ(synthLayer[synthlayer::kSemi][6], 1805);
}

TEST(VoiceOrder, AllOtherSlotsKeepTheirPosition)
{
    for (int slot = 0; slot < kVoiceSlotCount; ++slot) {
        if (slot == 5 || slot == 6)
            continue;
        EXPECT_EQ(voiceVolume[slot], 10 + slot);
        EXPECT_EQ(voicePan[slot], 34 + slot);
    }
    EXPECT_EQ(voiceVolume[23], 33);
    EXPECT_EQ(voicePan[23], 57);
}

TEST(DrumKindParameters, DistortionTablesListTheVoicesInSlotOrder)
{
    const std::vector<int> type = concat(
        concat({136, 137, 256, 257, 356, 476, 357, 477, 596, 597}, run(868, 873)), run(6264, 6271));
    const std::vector<int> first = concat(
        concat({132, 133, 252, 253, 352, 472, 353, 473, 592, 593}, run(856, 861)), run(6272, 6279));
    const std::vector<int> second = concat(
        concat({134, 135, 254, 255, 354, 474, 355, 475, 594, 595}, run(862, 867)), run(6280, 6287));
    EXPECT_EQ(asVector(voiceDistortionType), type);
    EXPECT_EQ(asVector(voiceDistortionFirst), first);
    EXPECT_EQ(asVector(voiceDistortionSecond), second);
}

TEST(DrumKindParameters, EachKindEndsWhereItsRangeEnds)
{
    EXPECT_EQ(kindParameterIndex(DrumKind::Bd, 31, 1), 193);
    EXPECT_EQ(kindParameterIndex(DrumKind::Sn, 36, 1), 323);
    EXPECT_EQ(kindParameterIndex(DrumKind::ClosedHiHat, 35, 1), 421);
    EXPECT_EQ(kindParameterIndex(DrumKind::OpenHiHat, 35, 1), 541);
    EXPECT_EQ(kindParameterIndex(DrumKind::Clap, 22, 1), 635);
    EXPECT_EQ(kindParameterIndex(DrumKind::Tom, 26, 2), 733);
    EXPECT_EQ(kindParameterIndex(DrumKind::TomUser, 88, 5), 1383);
    EXPECT_EQ(kindParameterIndex(DrumKind::Tom, 0, 0), 653);
    EXPECT_EQ(kindParameterIndex(DrumKind::TomUser, 0, 0), 850);
}

TEST(DrumKindParameters, VoicesOfAKindAreConsecutive)
{
    EXPECT_EQ(voiceChokeGroup[3], 261); // second snare
    EXPECT_EQ(asVector(kindParameterTable<DrumKind::Tom>(5)), (std::vector<int>{668, 669, 670}));
    EXPECT_EQ(asVector(kindParameterTable<DrumKind::TomUser>(6)), run(886, 891));
}

TEST(DrumKindParameters, SharedVoiceTablesReachTomUserAndSampleSlots)
{
    EXPECT_EQ(voiceVelocityToVolume[10], 850);
    EXPECT_EQ(voiceVelocityToVolume[16], 6256);
    EXPECT_EQ(voiceOutput[0], 138);
    EXPECT_EQ(voiceOutput[15], 879);
    EXPECT_EQ(voiceOutput[23], 6207);
    EXPECT_EQ(voiceChokeGroup[16], 6208);
    EXPECT_EQ(voiceEasyBypass[23], 1799);
}

TEST(DrumKindParameters, ModelTablesFollowEachKindsModelParameter)
{
    EXPECT_EQ(asVector(synthVoiceModel),
        concat({144, 145, 264, 265, 364, 484, 365, 485, 602, 603}, run(886, 891)));
    EXPECT_EQ(asVector(tomModel), (std::vector<int>{653, 654, 655}));
    EXPECT_EQ(asVector(tomUserSwitch), (std::vector<int>{1770, 1771, 1772}));
}

TEST(SynthLayerParameters, BlockCoversEighteenHundredToTwentyTwoFifteen)
{
    EXPECT_EQ(synthLayer[synthlayer::kSemi][0], 1800);
    EXPECT_EQ(synthLayer[synthlayer::kFilterLfoSpeed][0], 2056);
    EXPECT_EQ(synthLayer[synthlayer::kStereoTime][15], 2215);
}

TEST(PatternParameters, StepAttributesAreAddressedByAttributePatternTrackAndStep)
{
    EXPECT_EQ(stepAttributeIndex(StepAttribute::On, 0, 0, 0), 2400);
    EXPECT_EQ(stepAttributeIndex(StepAttribute::Flam, 0, 0, 0), 2912);
    EXPECT_EQ(stepAttributeIndex(StepAttribute::Pitch, 0, 0, 0), 3424);
    EXPECT_EQ(stepAttributeIndex(StepAttribute::Velocity, 0, 0, 0), 3936);
    EXPECT_EQ(stepAttributeIndex(StepAttribute::Pan, 0, 0, 0), 4448);
    EXPECT_EQ(stepAttributeIndex(StepAttribute::Length, 0, 0, 0), 4960);
    EXPECT_EQ(stepAttributeIndex(StepAttribute::Delay, 0, 0, 0), 5472);
    EXPECT_EQ(stepAttributeIndex(StepAttribute::Flam, 1, 2, 3), 2400 + 512 + 64 + 32 + 3);
    EXPECT_EQ(stepAttributeIndex(StepAttribute::Delay, 7, 3, 15), kLastStepAttribute);
}

TEST(PatternParameters, HeadersValuesAndMutesEndWhereTheirRangesEnd)
{
    EXPECT_EQ(patternStartStep[0], 2300);
    EXPECT_EQ(patternFlam[7], 2339);
    EXPECT_EQ(trackTargetPadIndex(0, 1), 2348);
    EXPECT_EQ(trackTargetPadIndex(7, 3), 2371);
    EXPECT_EQ(sequencerValueIndex(7, 15), 6111);
    EXPECT_EQ(trackMuteIndex(7, 3), 6143);
    EXPECT_EQ(patternHumanization[7], 6197);
}

TEST(SampleSlotParameters, LayerBlocksAndNamesEndWhereTheirRangesEnd)
{
    EXPECT_EQ(soundBlockIndex(kLayerA, soundblock::kFilterEnvDecay, 7), 6495);
    EXPECT_EQ(soundBlockIndex(kLayerB, soundblock::kAmpAttack, 0), 6576);
    EXPECT_EQ(soundBlockIndex(kLayerB, soundblock::kFilterEnvDecay, 7), 6703);
    EXPECT_EQ(playBlockIndex(kLayerA, playblock::kStereoTime, 7), 7951);
    EXPECT_EQ(playBlockIndex(kLayerB, playblock::kStereoTime, 7), 8023);
    EXPECT_EQ(sampleNameIndex(kLayerA, 7) + kSampleNameLength - 1, 7351);
    EXPECT_EQ(sampleNameIndex(kLayerB, 7) + kSampleNameLength - 1, 7863);
    EXPECT_EQ(sampleLayerLayouts[kLayerB].loopEndLow + 7, 6575);
    EXPECT_EQ(sampleLayerLayouts[kLayerB].lastFrameLow + 7, 6735);
    EXPECT_EQ(sampleLayerLayouts[kLayerB].on + 7, 6815);
    EXPECT_EQ(sampleLayerLayouts[kLayerB].loopEndName + 7, 8079);
}

TEST(EffectAndModulationParameters, GroupsEndWhereTheirRangesEnd)
{
    EXPECT_EQ(effectParameterIndex(3, 9), 1629);
    EXPECT_EQ(effectModAmountB[3], 1581);
    EXPECT_EQ(envelopeBase[1] + envelope::kModAmount, 1646);
    EXPECT_EQ(lfoBase[1] + lfo::kModAmount, 1680);
    EXPECT_EQ(modRowModAmount[7], 1737);
}

TEST(TextFieldParameters, NameFieldsEndWhereTheirRangesEnd)
{
    EXPECT_EQ(patternNameIndex(7) + kPatternNameLength - 1, 8611);
    EXPECT_EQ(drumPresetName[23] + kDrumPresetNameLength - 1, 9875);
}

TEST(ParameterMap, NoTwoVoiceTablesShareAnIndex)
{
    std::set<int> seen;
    std::vector<int> all;
    for (const auto* table : {&voiceVolume, &voicePan, &voiceVelocityToVolume, &voiceDistortionFirst,
             &voiceDistortionSecond, &voiceDistortionType, &voiceOutput, &voiceChokeGroup, &voiceEasyBypass,
             &drumPresetName})
        all.insert(all.end(), table->begin(), table->end());
    all.insert(all.end(), synthVoiceModel.begin(), synthVoiceModel.end());
    for (const auto& table : synthLayer)
        all.insert(all.end(), table.begin(), table.end());
    for (const int index : all) {
        EXPECT_GE(index, 0);
        EXPECT_LT(index, kParameterCount);
        EXPECT_TRUE(seen.insert(index).second) << "index " << index << " is in two tables";
    }
}

} // namespace

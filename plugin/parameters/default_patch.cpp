#include "plugin/parameters/default_patch.h"

#include "plugin/parameters/parameter_map.h"

#include <algorithm>
#include <initializer_list>

namespace kravo {

namespace {

using namespace param;

struct KindDefault {
    int j;
    float value;
};

void setRange(ParameterSpan values, int first, int last, float value)
{
    std::fill(values.begin() + first, values.begin() + last + 1, value);
}

void setKindDefaults(ParameterSpan values, DrumKind kind, std::initializer_list<KindDefault> defaults)
{
    const int voiceCount = drumKindLayout(kind).voiceCount;
    for (const KindDefault& entry : defaults)
        for (int voice = 0; voice < voiceCount; ++voice)
            values[kindParameterIndex(kind, entry.j, voice)] = entry.value;
}

void setDrumKindDefaults(ParameterSpan values)
{
    setKindDefaults(values, DrumKind::Bd,
        {{0, 0.5f}, {2, 1.0f}, {3, 0.27f}, {9, 0.75f}, {11, 0.93f}, {12, 0.72f}, {13, 0.765f}, {14, 0.425f},
         {15, 0.67f}, {16, 0.71f}, {17, 0.15f}, {18, 0.78f}, {19, 0.66f}, {20, 0.825f}, {21, 0.82f}, {22, 1.0f},
         {23, 0.4f}, {24, 1.0f}, {25, 0.775f}, {26, 1.0f}, {27, 0.16f}, {28, 0.565f}, {29, 0.095f}, {30, 0.76f}});
    setKindDefaults(values, DrumKind::Sn,
        {{0, 0.75f}, {7, 0.0075f}, {8, 0.507f}, {11, 0.49f}, {12, 0.295f}, {13, 0.74f}, {14, 0.49f}, {15, 0.96f},
         {16, 0.1f}, {17, 0.395f}, {18, 0.5f}, {19, 0.12f}, {20, 0.98f}, {21, 0.55f}, {22, 0.73f}, {23, 0.66f},
         {24, 0.295f}, {25, 0.915f}, {27, 0.716f}, {28, 0.69f}, {30, 0.5f}, {31, 1.0f}, {32, 0.16f}, {33, 0.17f},
         {36, 0.165f}});
    setKindDefaults(values, DrumKind::ClosedHiHat,
        {{0, 0.75f}, {8, 0.5012f}, {9, 0.4173f}, {11, 0.29f}, {12, 0.65f}, {13, 1.0f}, {14, 1.0f}, {15, 0.5f},
         {17, 1.0f}, {18, 0.5f}, {19, 0.68f}, {20, 0.5f}, {21, 0.1f}, {22, 0.765f}, {24, 0.55f}, {25, 0.655f},
         {27, 1.0f}, {28, 0.485f}, {29, 0.82f}, {30, 0.13f}, {31, 0.5f}, {32, 0.5f}});
    setKindDefaults(values, DrumKind::OpenHiHat,
        {{0, 0.75f}, {8, 0.5012f}, {9, 0.4173f}, {11, 0.29f}, {12, 0.67f}, {13, 1.0f}, {14, 1.0f}, {15, 0.8f},
         {17, 1.0f}, {18, 0.675f}, {19, 0.5f}, {20, 0.63f}, {21, 0.125f}, {22, 0.765f}, {24, 0.5f}, {26, 0.14f},
         {27, 1.0f}, {28, 0.645f}, {29, 0.82f}, {30, 0.13f}, {31, 0.5f}, {32, 0.635f}, {34, 0.57f}});
    setKindDefaults(values, DrumKind::Clap,
        {{0, 0.75f}, {2, 1.0f}, {3, 0.27f}, {6, 0.0125f}, {7, 0.4843f}, {8, 0.5f}, {9, 0.585f}, {10, 0.15f},
         {11, 0.45f}, {12, 0.11f}, {13, 0.67f}, {14, 0.35f}, {15, 0.82f}, {16, 0.39f}, {17, 0.32f}, {18, 0.605f},
         {19, 0.58f}, {20, 0.17f}, {22, 0.15f}});
    setKindDefaults(values, DrumKind::Tom,
        {{0, 0.0075f}, {2, 0.251f}, {4, 0.75f}, {5, 0.525f}, {6, 0.54f}, {7, 0.705f}, {9, 0.64f}, {10, 0.5f},
         {11, 0.5f}, {12, 0.25f}, {13, 0.6f}, {15, 0.31f}, {16, 0.315f}, {17, 0.83f}, {18, 0.78f}, {19, 0.63f},
         {20, 0.585f}, {21, 0.585f}, {22, 1.0f}, {26, 0.54f}});
    setKindDefaults(values, DrumKind::TomUser,
        {{0, 0.75f}, {7, 0.357f}, {8, 0.501f}, {12, 0.75f}, {13, 0.53f}, {14, 0.5f}, {16, 0.085f}, {17, 0.5f},
         {18, 0.285f}, {19, 0.75f}, {20, 0.5f}, {21, 0.05f}, {25, 0.465f}, {27, 0.45f}, {29, 0.5f}, {30, 0.75f},
         {32, 1.0f}, {33, 0.325f}, {36, 0.81f}, {37, 0.76f}, {39, 0.47f}, {40, 0.5f}, {41, 0.55f}, {42, 0.69f},
         {43, 0.5f}, {44, 0.5f}, {46, 0.33f}, {56, 0.74f}, {57, 0.615f}, {58, 0.21f}, {59, 0.695f}, {60, 0.78f},
         {61, 0.5f}, {62, 0.865f}, {65, 0.54f}, {66, 0.625f}, {67, 0.73f}, {68, 0.74f}, {69, 0.285f},
         {70, 0.465f}, {71, 0.53f}, {73, 0.65f}, {74, 0.15f}, {75, 0.755f}, {76, 0.34f}, {77, 0.815f},
         {78, 0.89f}, {79, 1.0f}, {80, 0.855f}, {81, 0.69f}, {82, 0.49f}, {83, 1.0f}, {84, 0.15f}, {85, 0.305f},
         {86, 0.685f}, {87, 0.6f}, {88, 0.32f}});
    // Distortion parameter 2 and distortion type start set only on the three Tom/User slots.
    for (int voice = 0; voice < kTomUserSlotCount; ++voice) {
        values[kindParameterIndex(DrumKind::TomUser, kindparam::kDistortionSecond, voice)] = 1.0f;
        values[kindParameterIndex(DrumKind::TomUser, kindparam::kDistortionType, voice)] = 0.27f;
    }
}

void setModulationDefaults(ParameterSpan values)
{
    for (const int base : envelopeBase) {
        values[base + envelope::kAttack] = 0.1f;
        values[base + envelope::kHold] = 0.2f;
        values[base + envelope::kDecay] = 0.5f;
        values[base + envelope::kAmount] = 0.5f;
        values[base + envelope::kModAmount] = 0.5f;
    }
    for (const int base : lfoBase) {
        values[base + lfo::kSpeed] = 0.5f;
        values[base + lfo::kAmount] = 0.5f;
        values[base + lfo::kSymmetry] = 0.5f;
        values[base + lfo::kSync] = 1.0f;
        values[base + lfo::kModAmount] = 0.5f;
    }
    for (int row = 0; row < kModRowCount; ++row) {
        values[modRowAmount[row]] = 0.5f;
        values[modRowModAmount[row]] = 0.5f;
    }
    for (const int index : effectModAmountA)
        values[index] = 0.5f;
    for (const int index : effectModAmountB)
        values[index] = 0.5f;
}

void setSynthLayerDefaults(ParameterSpan values)
{
    using namespace synthlayer;
    const std::initializer_list<KindDefault> defaults = {
        {kSemi, 0.5f}, {kFine, 0.5f}, {kAmpHold, 1.0f}, {kFilterFreq, 1.0f}, {kFilterEnvAmount, 0.5f},
        {kFilterEnvHold, 0.5f}, {kFilterVelToFreq, 0.5f}, {kVelToFreq, 0.5f}, {kFilterLfoSpeed, 0.6f},
        {kFilterLfoTempoSync, 1.0f}, {kStereoStart, 0.5f}, {kStereoEnd, 0.5f}};
    for (const KindDefault& entry : defaults)
        for (const int index : synthLayer[entry.j])
            values[index] = entry.value;
}

void setPatternDefaults(ParameterSpan values)
{
    values[kPatternSync] = 1.0f;
    for (int pattern = 0; pattern < kPatternCount; ++pattern) {
        values[patternEndStep[pattern]] = 1.0f;
        values[patternSpeed[pattern]] = 0.5f;
        for (int track = 0; track < kTrackCount; ++track) {
            for (int step = 0; step < kStepCount; ++step)
                for (int attribute = 0; attribute < kStepAttributeCount; ++attribute)
                    values[stepAttributeIndex(static_cast<StepAttribute>(attribute), pattern, track, step)] =
                        kClearedStepValues[static_cast<std::size_t>(attribute)];
        }
        for (int step = 0; step < kStepCount; ++step)
            values[sequencerValueIndex(pattern, step)] = 0.5f;
    }
}

void setSampleSlotDefaults(ParameterSpan values)
{
    for (int slot = 0; slot < kSampleSlotCount; ++slot) {
        values[voiceVelocityToVolume[kFirstSampleSlot + slot]] = 0.75f;
        values[sampleSlotLfoSync[slot]] = 1.0f;
        for (const SampleLayer layer : {kLayerA, kLayerB}) {
            values[sampleLayerLayouts[layer].filterLfoSpeed + slot] = 0.6f;
            using namespace soundblock;
            for (const KindDefault& entry : {KindDefault{kAmpHold, 1.0f}, KindDefault{kTuning, 0.5f},
                     KindDefault{kFineTuning, 0.5f}, KindDefault{kPitchEnv, 0.5f}, KindDefault{kPitchEnvHold, 1.0f},
                     KindDefault{kFilterFreq, 1.0f}, KindDefault{kFilterEnv, 0.5f}, KindDefault{kFilterEnvHold, 1.0f}})
                values[soundBlockIndex(layer, entry.j, slot)] = entry.value;
            for (const int j : {playblock::kFilterVelToFreq, playblock::kVelToPitch, playblock::kStereoStart,
                     playblock::kStereoEnd})
                values[playBlockIndex(layer, j, slot)] = 0.5f;
        }
    }
}

struct ZeroRange {
    int first;
    int last;
    float value;
};

// Neutral positions that are not 0.0: bipolar settings sit at their centre.
constexpr ZeroRange kNonZeroNeutrals[] = {
    {2, 2, 0.7f}, {34, 65, 0.5f}, {67, 68, 0.5f}, {70, 78, 0.5f},
    {178, 179, 0.5f}, {292, 293, 0.5f}, {310, 311, 0.5f}, {322, 323, 0.5f},
    {374, 375, 0.5f}, {380, 381, 0.5f}, {386, 387, 0.5f}, {398, 399, 0.5f}, {412, 415, 0.5f},
    {494, 495, 0.5f}, {500, 501, 0.5f}, {506, 507, 0.5f}, {518, 519, 0.5f}, {532, 535, 0.5f},
    {731, 733, 0.5f}, {934, 939, 0.5f}, {952, 957, 0.5f}, {970, 975, 0.5f}, {1024, 1029, 0.5f},
    {1084, 1095, 0.5f}, {1108, 1119, 0.5f}, {1126, 1131, 0.33f}, {1192, 1197, 0.5f}, {1216, 1221, 0.5f},
    {1300, 1311, 0.5f}, {1336, 1341, 0.5f}, {1366, 1371, 0.6f}, {1574, 1581, 0.5f},
    {1630, 1630, 0.1f}, {1631, 1631, 0.2f}, {1632, 1633, 0.5f}, {1636, 1636, 0.5f},
    {1640, 1640, 0.1f}, {1641, 1641, 0.2f}, {1642, 1643, 0.5f}, {1646, 1646, 0.5f},
    {1660, 1661, 0.5f}, {1663, 1663, 0.5f}, {1666, 1666, 1.0f}, {1669, 1669, 0.5f},
    {1671, 1672, 0.5f}, {1674, 1674, 0.5f}, {1677, 1677, 1.0f}, {1680, 1680, 0.5f},
    {1722, 1737, 0.5f}, {1800, 1831, 0.5f}, {1928, 1943, 0.5f}, {2008, 2039, 0.5f}, {2168, 2199, 0.5f},
    {6304, 6319, 1.0f}, {6392, 6415, 0.5f}, {6464, 6471, 0.5f}, {6600, 6623, 0.5f}, {6672, 6679, 0.5f},
    {7888, 7903, 0.5f}, {7928, 7943, 0.5f}, {7960, 7975, 0.5f}, {8000, 8015, 0.5f},
};

} // namespace

void fillDefaultValues(ParameterSpan values)
{
    std::fill(values.begin(), values.end(), 0.0f);
    for (const int first : drumPresetName)
        writeParamText(values, first, "----", kDrumPresetNameLength);

    values[kMainVolume] = 0.7f;
    for (const int index : voiceVolume)
        values[index] = 0.875f;
    for (const int index : voicePan)
        values[index] = 0.5f;
    for (int slot = 0; slot < kEffectSlotCount; ++slot) {
        values[effectSlotPan[slot]] = 0.5f;
        values[effectSlotMix[slot]] = 0.5f;
    }
    for (const int index : {kEasySynthSemi, kEasySynthOctave, kEasySampleSemi, kEasySampleOctave,
             kEasySynthDecaySpeed, kEasySampleDecaySpeed, kEasyPitchEnvSpeed, kEasyFilterFreq, kEasyFilterQ,
             kEasyLfoAmount, kEasyLfoSpeed})
        values[index] = 0.5f;

    setDrumKindDefaults(values);
    setModulationDefaults(values);
    setSynthLayerDefaults(values);
    setPatternDefaults(values);
    setSampleSlotDefaults(values);
}

void fillZeroValues(ParameterSpan values)
{
    std::fill(values.begin(), values.end(), 0.0f);
    for (const ZeroRange& range : kNonZeroNeutrals)
        setRange(values, range.first, range.last, range.value);
}

void fillPatternClearValues(ParameterSpan values)
{
    fillDefaultValues(values);
}

} // namespace kravo

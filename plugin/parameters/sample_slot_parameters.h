#pragma once

#include "plugin/parameters/parameter_index_table.h"
#include "plugin/parameters/voice_order.h"

#include <array>

namespace kravo::param {

// Slot-wide parameters of the eight sample slots, one entry per sample slot s (voice slot 16 + s).
// Output, choke group, velocity to volume and distortion are also in the 24-voice tables.
inline constexpr ParameterIndexTable<kSampleSlotCount> sampleSlotLayerMode = indexRun<kSampleSlotCount>(6216);
inline constexpr ParameterIndexTable<kSampleSlotCount> sampleSlotMix = indexRun<kSampleSlotCount>(6224);
inline constexpr ParameterIndexTable<kSampleSlotCount> sampleSlotVelocitySplit = indexRun<kSampleSlotCount>(6232);
inline constexpr ParameterIndexTable<kSampleSlotCount> sampleSlotSpread = indexRun<kSampleSlotCount>(6240);
inline constexpr ParameterIndexTable<kSampleSlotCount> sampleSlotCombine = indexRun<kSampleSlotCount>(6248);
inline constexpr ParameterIndexTable<kSampleSlotCount> sampleSlotLfoMode = indexRun<kSampleSlotCount>(7864);
inline constexpr ParameterIndexTable<kSampleSlotCount> sampleSlotLfoSync = indexRun<kSampleSlotCount>(7872);

// Sound block of a layer: parameter j of slot s at soundBlock + 8j + s.
namespace soundblock {
enum Parameter : int {
    kAmpAttack, kAmpHold, kAmpDecay, kTuning, kFineTuning, kPitchEnv, kPitchEnvAttack, kPitchEnvHold,
    kPitchEnvDecay, kFilterType, kFilterFreq, kFilterQ, kFilterEnv, kFilterEnvAttack, kFilterEnvHold,
    kFilterEnvDecay,
    kParameterCount
};
}

// Play block of a layer: parameter j of slot s at playBlock + 8j + s.
namespace playblock {
enum Parameter : int {
    kRandomToPitch, kFilterVelToFreq, kVelToPitch, kOffset, kRetriggers, kRetriggerTime, kStereoStart,
    kStereoEnd, kStereoTime,
    kParameterCount
};
}

inline constexpr int kSampleNameLength = 64;

// Where each group of a layer starts; slot s adds s (the name fields add 64s).
// Loop positions and the last frame are split over a high and a low parameter.
struct SampleLayerLayout {
    int on;
    int loop;
    int reverse;
    int volume;
    int loopStartHigh;
    int loopStartLow;
    int loopEndHigh;
    int loopEndLow;
    int lastFrameHigh;
    int lastFrameLow;
    int filterLfoAmount;
    int filterLfoSpeed;
    int soundBlock;
    int playBlock;
    int sampleName;
    int loopStartName;
    int loopEndName;
};

enum SampleLayer : int { kLayerA, kLayerB };

inline constexpr std::array<SampleLayerLayout, 2> sampleLayerLayouts = {{
    {6800, 6288, 6296, 6304, 6336, 6344, 6352, 6360, 6704, 6712, 6736, 6744, 6368, 7880, 6840, 8048, 8064},
    {6808, 6496, 6504, 6312, 6544, 6552, 6560, 6568, 6720, 6728, 6752, 6760, 6576, 7952, 7352, 8056, 8072},
}};

constexpr int soundBlockIndex(SampleLayer layer, int j, int slot)
{
    return sampleLayerLayouts[layer].soundBlock + kSampleSlotCount * j + slot;
}

constexpr int playBlockIndex(SampleLayer layer, int j, int slot)
{
    return sampleLayerLayouts[layer].playBlock + kSampleSlotCount * j + slot;
}

// First of the 64 parameters holding the layer's sample path as text.
constexpr int sampleNameIndex(SampleLayer layer, int slot)
{
    return sampleLayerLayouts[layer].sampleName + kSampleNameLength * slot;
}

} // namespace kravo::param

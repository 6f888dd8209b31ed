#pragma once

#include "plugin/parameters/parameter_index_table.h"
#include "plugin/parameters/voice_order.h"

#include <array>

namespace kravo::param {

// The layer and filter block of the 16 synthesised voices: parameter j of the voice at kind
// position v lies at 1800 + 16j + v.
namespace synthlayer {
enum Parameter : int {
    kSemi, kFine, kAmpAttack, kAmpHold, kAmpDecay, kFilterType, kFilterFreq, kFilterQ,
    kFilterEnvAmount, kFilterEnvAttack, kFilterEnvHold, kFilterEnvDecay, kRndToFreq,
    kFilterVelToFreq, kVelToFreq, kFilterLfoAmount, kFilterLfoSpeed, kFilterLfoMode,
    kFilterLfoTempoSync, kSampleReverse, kSampleOffset, kSampleRetriggers, kSampleRetriggerTime,
    kStereoStart, kStereoEnd, kStereoTime,
    kParameterCount
};
inline constexpr int kBase = 1800;
} // namespace synthlayer

namespace detail {
constexpr std::array<ParameterIndexTable<kSynthVoiceCount>, synthlayer::kParameterCount> synthLayerTables()
{
    std::array<ParameterIndexTable<kSynthVoiceCount>, synthlayer::kParameterCount> tables{};
    for (int j = 0; j < synthlayer::kParameterCount; ++j)
        for (int slot = 0; slot < kSynthVoiceCount; ++slot)
            tables[j][slot] = synthlayer::kBase + kSynthVoiceCount * j + kindPositionOfSlot[slot];
    return tables;
}
} // namespace detail

// synthLayer[synthlayer::kSemi][slot]: the index of that layer parameter of a synthesised slot.
inline constexpr auto synthLayer = detail::synthLayerTables();

} // namespace kravo::param

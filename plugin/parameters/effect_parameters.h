#pragma once

#include "plugin/parameters/parameter_index_table.h"

namespace kravo::param {

inline constexpr int kEffectSlotCount = 4;
inline constexpr int kEffectParameterCount = 10;

inline constexpr int kEffectRouting = 1549; // "Fx Path"

// One entry per master effect slot.
inline constexpr ParameterIndexTable<kEffectSlotCount> effectSlotPan = indexRun<kEffectSlotCount>(58);
inline constexpr ParameterIndexTable<kEffectSlotCount> effectSlotMix = indexRun<kEffectSlotCount>(62); // dry/wet
inline constexpr ParameterIndexTable<kEffectSlotCount> effectType = indexRun<kEffectSlotCount>(1550);
inline constexpr ParameterIndexTable<kEffectSlotCount> effectBypass = indexRun<kEffectSlotCount>(1554);
inline constexpr ParameterIndexTable<kEffectSlotCount> effectModSourceA = indexRun<kEffectSlotCount>(1558);
inline constexpr ParameterIndexTable<kEffectSlotCount> effectModSourceB = indexRun<kEffectSlotCount>(1562);
inline constexpr ParameterIndexTable<kEffectSlotCount> effectModDestinationA = indexRun<kEffectSlotCount>(1566);
inline constexpr ParameterIndexTable<kEffectSlotCount> effectModDestinationB = indexRun<kEffectSlotCount>(1570);
inline constexpr ParameterIndexTable<kEffectSlotCount> effectModAmountA = indexRun<kEffectSlotCount>(1574);
inline constexpr ParameterIndexTable<kEffectSlotCount> effectModAmountB = indexRun<kEffectSlotCount>(1578);

// Parameter k (0..9) of effect slot s; its meaning depends on the slot's effect type.
constexpr int effectParameterIndex(int slot, int k)
{
    return 1590 + kEffectParameterCount * slot + k;
}

} // namespace kravo::param

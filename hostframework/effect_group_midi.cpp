#include "hostframework/effect_group_midi.h"

CEffectGroupMIDI::CEffectGroupMIDI()
{
    SetLockLevel(0);
}

std::int32_t CEffectGroupMIDI::AllocateNumber(std::int32_t* number)
{
    std::int32_t candidate = *number == 0 ? 1 : *number;
    while (numbersInUse.contains(candidate))
        ++candidate;
    numbersInUse.insert(candidate);
    *number = candidate;
    return 0;
}

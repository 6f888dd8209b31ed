#pragma once

// The effect group of plug-ins with MIDI nodes: it hands each instance a number no other instance
// of the library uses, which the host shows in the nodes' names.

#include "hostframework/effect_group.h"

#include <set>

class CEffectGroupMIDI : public virtual CEffectGroup {
public:
    // Host calls are never bracketed by the group lock in this group.
    CEffectGroupMIDI();

    // The first free number from *number upwards (0 counts as 1), now in use; written back.
    std::int32_t AllocateNumber(std::int32_t* number);
    // How many numbers were freed: 0 or 1.
    std::int32_t ReleaseNumber(std::int32_t number) { return static_cast<std::int32_t>(numbersInUse.erase(number)); }

private:
    std::set<std::int32_t> numbersInUse;
};

#pragma once

// The effect group of plug-ins that run on the host's DSP cards: the DSP code resource for each
// code kind and card configuration, the configurations the plug-in supports, the DSPs' capacity and
// usage per chip family, and the instance slots of the DSP types.

#include "hostframework/effect_group.h"
#include "hostlibs/extension/host_extension.h"

#include <map>
#include <utility>
#include <vector>

class CEffectGroupCard : public virtual CEffectGroup {
public:
    static constexpr std::int16_t kNoCode = -55;
    static constexpr std::int32_t kNoConfiguration = -7215;

    CEffectGroupCard();

    // Kinds 18, 21, 26 and 29 keep a number per configuration; kind 26, and configurations 283 and
    // 287 of kind 29, only where none is kept yet.
    void SetCodeResource(std::int32_t kind, std::int32_t configuration, std::int16_t number);
    // 0 for a family (code kind) without a number for the configuration.
    std::int16_t GetCodeResource(std::int32_t configuration, std::int32_t family) const;
    // The count and the configurations of the kind that have code, big-endian words in a new
    // handle; -7215 when none has.
    std::int32_t ListSupportedConfigurations(std::int32_t kind, HostHandle* list) const;

    // The DSPs of the family's cards, doubled for family 26 and quadrupled for family 29.
    std::int32_t GetDSPCapacity(std::int32_t family);
    // The load of every DSP-card process of the group on a chip of the family.
    std::int32_t GetDSPUsage(std::int32_t family);

    // The lowest index no slot of the type uses yet, now taken.
    std::int32_t AllocateInstanceSlot(std::uint32_t type);
    void RemoveInstanceSlot(std::int32_t index, std::uint32_t type);
    std::int32_t CountInstanceSlots(std::uint32_t type) const;

private:
    std::map<std::pair<std::int32_t, std::int32_t>, std::int16_t> codeResources;
    std::vector<std::pair<std::int32_t, std::uint32_t>> instanceSlots;
};

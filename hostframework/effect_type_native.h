#pragma once

// The effect type of the host's native real-time format: processing block by block on the host's
// own processor. Each process it makes is presented to the host's real-time engine by an adaptor
// object carrying the type's identity.

#include "hostframework/effect_type.h"

class CEffectTypeNative : public CEffectType {
public:
    static constexpr std::int32_t kKind = 3;

    CEffectTypeNative(std::uint32_t typeID, std::uint32_t plugInID, std::int32_t attribute21)
        : CEffectType(typeID, plugInID, kKind, attribute21)
    {
    }

    // A native type that is asked to run natively also says so in feature 38.
    void AddFeature(std::int32_t feature) override
    {
        CEffectType::AddFeature(feature);
        if (feature == 41)
            CEffectType::AddFeature(38);
    }

    // A process of another class than the native or the offline one answers -77; a process whose
    // adaptor cannot be made is let go of again.
    std::int32_t CreateProcess(std::int32_t* newProcessID) override;
};

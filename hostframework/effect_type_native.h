#pragma once

// The effect type of the host's native real-time format: processing block by block on the host's
// own processor.

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
};

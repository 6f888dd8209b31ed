#pragma once

// The effect type whose processes run on the host's DSP cards: each process takes its share of a
// DSP, and a DSP holds as many processes as its capacity allows.

#include "hostframework/effect_type.h"

class CEffectTypeCard : public CEffectType {
public:
    CEffectTypeCard(std::uint32_t typeID, std::uint32_t plugInID, std::int32_t attribute21)
        : CEffectType(typeID, plugInID, 0, attribute21)
    {
    }

    // What one process uses of its DSP, in the two counts the host knows.
    virtual void SetDSPCounts(std::int32_t first, std::int32_t second);
    // The most instances the type allows; -1 for no limit of its own.
    virtual void SetDSPLimit(std::int32_t limit) { dspLimit = limit; }
    // True when the type's processes on the instance's DSP plus `more` stay within its capacity.
    virtual bool FitsOnDSP(CProcessDSP* instance, std::int32_t more);
    virtual std::int32_t GetMaxInstances();

    void GetDSPCounts(std::int16_t* first, std::int16_t* second) override;
    void GetUsage(CProcessDSP* instance, std::int16_t* first, std::int16_t* second) override;
    bool CanAddProcess(CProcessDSP* instance) override { return FitsOnDSP(instance, 1); }
    bool HasRoomA(CProcessDSP* instance) override { return FitsOnDSP(instance, 0); }

private:
    std::int32_t ProcessesOn(CProcessDSP* instance) const;
};

#pragma once

// The effect type of offline processing: its processes are made and deleted as plain processes,
// with no DSP manager to tell.

#include "hostframework/effect_type.h"

class CEffectTypeOffline : public CEffectType {
public:
    CEffectTypeOffline(std::uint32_t typeID, std::uint32_t plugInID, std::int32_t attribute21)
        : CEffectType(typeID, plugInID, 1, attribute21)
    {
    }

    std::int32_t CreateProcess(std::int32_t* newProcessID) override { return CProcessType::CreateProcess(newProcessID); }
    std::int32_t DeleteProcess(std::int32_t processID) override { return CProcessType::DeleteProcess(processID); }
};

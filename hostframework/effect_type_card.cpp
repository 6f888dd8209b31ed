#include "hostframework/effect_type_card.h"

#include "hostframework/dsp_process.h"

#include <algorithm>

void CEffectTypeCard::SetDSPCounts(std::int32_t first, std::int32_t second)
{
    dspCounts[0] = first;
    dspCounts[1] = second;
}

std::int32_t CEffectTypeCard::ProcessesOn(CProcessDSP* instance) const
{
    return static_cast<std::int32_t>(std::count_if(processes.begin(), processes.end(), [instance](CProcess* process) {
        auto* dspProcess = dynamic_cast<CDSPProcess*>(process);
        return dspProcess != nullptr && dspProcess->GetDSP() == instance;
    }));
}

bool CEffectTypeCard::FitsOnDSP(CProcessDSP* instance, std::int32_t more)
{
    if (instance == nullptr)
        return false;
    return ProcessesOn(instance) + more <= instance->GetCapacity();
}

// Without a limit of its own the type allows as many instances as its smaller channel count.
std::int32_t CEffectTypeCard::GetMaxInstances()
{
    if (dspLimit != -1)
        return dspLimit;
    std::int16_t inputs = 0;
    std::int16_t outputs = 0;
    CEffectType::GetNumInputs(-1, &inputs);
    CEffectType::GetNumOutputs(-1, &outputs);
    return outputs < inputs ? outputs : inputs;
}

void CEffectTypeCard::GetDSPCounts(std::int16_t* first, std::int16_t* second)
{
    setOut(first, static_cast<std::int16_t>(dspCounts[0]));
    setOut(second, static_cast<std::int16_t>(dspCounts[1]));
}

void CEffectTypeCard::GetUsage(CProcessDSP* instance, std::int16_t* first, std::int16_t* second)
{
    const std::int32_t count = ProcessesOn(instance);
    setOut(first, static_cast<std::int16_t>(count * dspCounts[0]));
    setOut(second, static_cast<std::int16_t>(count * dspCounts[1]));
}

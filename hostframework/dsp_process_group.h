#pragma once

// The process group made into a reference-counted object and given the host's DSP cards: the DSP
// shell's driver, the lists it shares with its DSP process types, and one DSP object per card in use.

#include "hostframework/dsp_card/process_dsp.h"
#include "hostframework/dsp_interfaces.h"
#include "hostframework/dsp_process.h"
#include "hostframework/process_group.h"

#include <memory>
#include <vector>

class CDSPProcessType;

class CDSPProcessGroup : public CProcessGroup, public IProcessGroup, public DOA::CUnknown {
public:
    CDSPProcessGroup();
    ~CDSPProcessGroup() override;

    std::int32_t Initialize() override;
    std::int32_t DeleteProcess(std::uint32_t typeID, std::int32_t processID) override;
    void ShutDown() override;

    // The interface face runs the group's own operations; nothing thrown gets out to the caller.
    std::int32_t SafeHostCall35(std::int32_t* arg1, char** arg2) override;
    std::int32_t SafeHostCall136(std::int16_t request, std::int32_t* flag, std::int32_t count,
                                 std::uint32_t* value) override;

    std::int32_t QueryInterface(const DOA::SInterfaceID& id, void** out) override;
    std::int32_t AddRef() override { return DOA::CUnknown::AddRef(); }
    std::int32_t Release() override { return DOA::CUnknown::Release(); }

    // kind 1: the plug-in's name, at most 16 characters; kind 4: the usage of chip `key` (16-bit).
    std::int32_t GetGroupInfo(std::int32_t key, std::int16_t kind, void* out);

    virtual std::int16_t GetDSPCyclesPerSample(DshShell* shell);
    virtual void GetDSPResourceTotals(std::int16_t* a, std::int16_t* b, std::int32_t key);
    virtual std::int16_t GetChipKindHook(std::int16_t kind);
    virtual std::int16_t GetChipKind(std::int16_t kind, std::int32_t word, DshShell* shell);
    virtual CProcessDSP* MakeDSPObject(std::int16_t kind, std::int32_t word, DshShell* shell);
    virtual std::int32_t CreateDSPObject(DshShell* shell, CProcessDSP** out, std::int32_t first,
                                         std::int32_t second);
    virtual std::int32_t ReportDSPObject(std::int32_t first, std::int32_t second, std::int32_t third);
    virtual std::int32_t GetDSPUsagePercent(std::int32_t chip);
    virtual std::int32_t AttachToDSPManager(std::int32_t* out);
    virtual std::int32_t DetachFromDSPManager(std::int32_t value);
    virtual std::int32_t HasDSPProcess(std::int32_t id);
    virtual std::int32_t DSPObjectDeleted(CProcessDSP* object);
    virtual std::int32_t IsDSPGroup() { return 1; }

    const std::vector<CProcessDSP*>* GetDSPObjects() const { return dspObjects.get(); }

protected:
    // Calls operation on every process of every type that is a DSP process.
    template <typename Operation>
    void forEachDSPProcess(Operation operation);

    std::unique_ptr<std::vector<void*>> firstList;
    std::unique_ptr<std::vector<CProcessDSP*>> dspObjects;
    std::unique_ptr<std::vector<void*>> secondList;
    std::int32_t word = 0;
};

template <typename Operation>
void CDSPProcessGroup::forEachDSPProcess(Operation operation)
{
    if (!processTypes)
        return;
    for (const auto& type : *processTypes)
        for (CProcess* process : type->GetProcesses())
            if (auto* dspProcess = dynamic_cast<CDSPProcess*>(process))
                operation(*dspProcess);
}

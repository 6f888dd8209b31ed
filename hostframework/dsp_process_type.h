#pragma once

// The process type the host's DSP manager and the DSP process group talk to through its interface,
// and the base of every effect type: it makes, numbers, registers and deletes the processes.

#include "hostframework/dsp_card/process_dsp.h"
#include "hostframework/dsp_interfaces.h"
#include "hostframework/process_type.h"

#include <vector>

class CDSPProcess;
class CDSPProcessGroup;

class CDSPProcessType : public virtual CProcessType, public IProcessType2, public DOA::CUnknown {
public:
    explicit CDSPProcessType(DOA::INondelegatingUnknown* outer = nullptr);

    std::int32_t QueryInterface(const DOA::SInterfaceID& id, void** out) override;
    // References go to the controlling object: the outer object when one aggregates the type.
    std::int32_t AddRef() override { return aggregated() ? GetOuter()->AddRef() : DOA::CUnknown::AddRef(); }
    std::int32_t Release() override { return aggregated() ? GetOuter()->Release() : DOA::CUnknown::Release(); }

    std::int32_t GetTypeID(std::uint32_t* id) override;
    std::int32_t CreateProcess(std::int32_t* newProcessID) override;
    std::int32_t CreateProcessInstance(std::int32_t* newProcessID) override;
    std::int32_t DeleteProcess(std::int32_t processID) override;

    // The process factory: a new process, or null.
    virtual CProcess* MakeProcess() = 0;

    // The interface.
    std::int32_t ReleaseDSPInstanceSafe(CProcessDSP* instance) override;
    std::int32_t FindFreeInstanceSafe(CProcessDSP** instance) override;
    std::int32_t GetNameSafe(std::int32_t maxLength, char* name) override;
    std::int32_t ReleaseIfUnused(CProcessDSP* instance) override;
    CProcessDSP* GetFreeInstance() override;
    void* GetGroupPart() override;
    std::int32_t GetInterfaceTypeID(std::uint32_t* id) override { return GetTypeID(id); }
    std::int32_t GroupCallA(std::int32_t first, std::int32_t second) override;
    std::int32_t GroupCallB(std::int32_t request, std::int32_t* first, std::int32_t count,
                            std::uint32_t* second) override;
    bool IsInstanceIdle(CProcessDSP* instance) override;
    std::int32_t ReleaseDSPInstance(CProcessDSP* instance) override;
    std::int32_t FindFreeInstance(CProcessDSP** instance) override;
    void SetDSPProcessGroup(void* group) override;
    void SetFirstList(void* list) override { firstList = list; }
    void SetSecondList(void* list) override { secondList = list; }
    void SetProcessSet(void* set) override { processSet = set; }
    void GetDSPCounts(std::int16_t* first, std::int16_t* second) override;
    void GetInstanceShape(std::int32_t* a, std::int32_t* b, std::int32_t* c, std::int32_t* d) override;
    void RenumberProcesses() override;
    std::int32_t ReservedA() override { return 0; }
    std::int32_t GetCardAttributeValue() override;
    std::int32_t AllocateInstance(CProcessDSP* instance) override;
    std::int32_t CreateInstance(CProcessDSP** instance) override;
    bool IsUsable(CProcessDSP* /*instance*/) override { return false; }
    bool CanAddProcess(CProcessDSP* instance) override;
    bool HasRoomA(CProcessDSP* instance) override;
    bool HasRoomB(CProcessDSP* instance) override { return HasRoomA(instance); }
    void GetUsage(CProcessDSP* instance, std::int16_t* first, std::int16_t* second) override;
    std::int32_t ReservedB() override { return 0; }
    std::int32_t ReservedC() override { return 0; }
    std::int32_t AttachInstance(CProcessDSP* instance) override;
    std::int32_t DetachInstance(CProcessDSP* instance) override;
    void* GetFirstList() override { return firstList; }
    void* GetSecondList() override { return secondList; }
    void* GetProcessSet() override { return processSet; }
    std::int32_t ReservedD() override { return 0; }

    void SetDSPObjectList(std::vector<CProcessDSP*>* list) { dspObjects = list; }
    // The two DSP resource counts the group sums for the host; none here.
    virtual void GetResourceCounts(std::int16_t* first, std::int16_t* second, std::int32_t key);

protected:
    bool aggregated() { return GetOuter() != static_cast<DOA::INondelegatingUnknown*>(this); }

    void* firstList = nullptr;
    void* secondList = nullptr;
    void* processSet = nullptr;
    CDSPProcessGroup* dspProcessGroup = nullptr;
    std::vector<CProcessDSP*>* dspObjects = nullptr;
};

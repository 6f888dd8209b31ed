#pragma once

// The process every variant of the library builds on: its reference-counted faces for the host's
// engine, the DSP object it runs on when it runs on a DSP card (none for native processes), and the
// preparation of the host's connections when that DSP comes or goes.

#include "hostframework/dsp_card/process_dsp.h"
#include "hostframework/dsp_interfaces.h"
#include "hostframework/process.h"

class CDSPProcessType;

class CDSPProcess : public virtual CProcess, public IProcess2, public DOA::CUnknown {
public:
    explicit CDSPProcess(DOA::INondelegatingUnknown* outer = nullptr);
    ~CDSPProcess() override;

    std::int32_t QueryInterface(const DOA::SInterfaceID& id, void** out) override;
    std::int32_t AddRef() override { return DOA::CUnknown::AddRef(); }
    std::int32_t Release() override { return DOA::CUnknown::Release(); }

    virtual std::int32_t GetPriority() { return 100; }
    // The process's share of its DSP; the group adds these up per chip.
    virtual double GetPriorityAsDouble() { return GetPriority(); }
    virtual CProcessDSP* GetDSP() { return dsp; }
    virtual std::int32_t AttachDSP(CProcessDSP* newDSP);
    virtual void SetDSPSlot(std::int16_t slot) { dspSlot = slot; }
    virtual std::int16_t GetDSPSlot() { return dspSlot; }
    // Takes a reference on the new DSP object and lets go of the old one.
    virtual void SetDSP(std::int32_t index, CProcessDSP* newDSP);
    // Bring the DSP's talkers and listeners up or take them down, through the DSP manager.
    virtual std::int32_t ReactivateTalkers();
    virtual std::int32_t ReactivateListeners();
    virtual std::int32_t DeactivateTalkers();
    virtual std::int32_t DeactivateListeners();
    virtual std::int32_t DefaultB() { return 0; }
    virtual std::int32_t DefaultC() { return 0; }

    // The IProcess2 face.
    std::int32_t GetProcessWord() override { return processWord; }
    CProcessDSP* GetDSPObject() override { return GetDSP(); }
    std::int32_t DetachDSP() override;
    std::int32_t AttachDSPSafe(CProcessDSP* newDSP) override;
    std::uint8_t GetProcessFlag() override { return processFlag; }
    std::int32_t DefaultA() override { return 0; }
    std::int32_t DSPOperationWithValue(std::int32_t value) override;
    std::int32_t DSPOperation() override;
    void ClearFaceWord() override { faceWord = 0; }
    void SetFaceWord(std::int32_t newWord) override { faceWord = newWord; }
    std::int32_t GetChipNumber() override { return dspIndex; }
    std::int32_t GetFaceWord() override { return faceWord; }
    std::int16_t GetPrecision() override;

    std::int32_t OptionalHook1(std::int32_t word) override
    {
        processWord = word;
        return 0;
    }
    std::int32_t Uninitialize() override;
    std::int32_t HostCall30(std::int32_t arg1, std::int32_t arg2) override;
    std::int32_t HostCall31(std::int32_t arg1, std::int32_t arg2) override;
    std::int32_t HostCall32(std::int32_t arg1) override;
    std::int32_t HostCall33(std::int32_t arg1) override;

    virtual void SetDSPProcessType(CDSPProcessType* type) { dspProcessType = type; }
    CDSPProcessType* GetDSPProcessType() const { return dspProcessType; }
    bool IsConnected() const { return connected; }

protected:
    // Starts the host's preparation of connections when it offers one and it is not under way;
    // true when this call started it and so must end it.
    bool BeginConnectionPreparation();
    void EndConnectionPreparation(bool started);
    void TellDSPManager();

    CDSPProcessType* dspProcessType = nullptr;
    CProcessDSP* dsp = nullptr;
    std::int32_t dspIndex = 0;
    std::int32_t faceWord = 0;
    std::int32_t processWord = 0;
    std::int16_t dspSlot = -1;
    std::uint8_t processFlag = 0;
    bool connected = false;
};

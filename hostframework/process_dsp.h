#pragma once

// The object that runs processes on one DSP of a host's DSP card, as the group, the types and the
// processes use it. The DSP-card path gives it its work; the defaults here describe an object with
// no DSP behind it.

#include "hostlibs/dspshell/dsp_shell.h"

#include <cstdint>

class CProcessDSP {
public:
    CProcessDSP() = default;
    CProcessDSP(const CProcessDSP&) = delete;
    CProcessDSP& operator=(const CProcessDSP&) = delete;
    virtual ~CProcessDSP() = default;

    // Processes hold references; the last release deletes the object.
    virtual std::int32_t AddRef() { return ++references; }
    virtual std::int32_t Release()
    {
        const std::int32_t left = --references;
        if (left == 0)
            delete this;
        return left;
    }
    // How many processes use the DSP; the group deletes an object nobody uses.
    virtual std::int16_t GetUserCount() { return 0; }
    // Stops the DSP's shell.
    virtual void Stop() {}
    virtual void InitializeWithShell(DshShell* /*shell*/) {}
    virtual void InitializeWithWord(std::int32_t /*word*/) {}
    // The value the group reports to the host for a new object.
    virtual std::int32_t GetReportValue() { return 0; }
    virtual void SetChipKind(std::int16_t /*kind*/) {}
    virtual std::int32_t GetDSPIndex() { return 0; }
    // How many processes the DSP holds.
    virtual std::int16_t GetCapacity() { return 0; }
    virtual std::int16_t GetDSPSlot() { return 0; }
    // The four process operations of routine selectors 30 to 33, with the process's DSP index and slot.
    virtual void ProcessCall30(std::int32_t /*index*/, std::int16_t /*slot*/, std::int32_t /*a*/, std::int32_t /*b*/) {}
    virtual void ProcessCall31(std::int32_t /*index*/, std::int16_t /*slot*/, std::int32_t /*a*/, std::int32_t /*b*/) {}
    virtual void ProcessCall32(std::int32_t /*index*/, std::int16_t /*slot*/, std::int32_t /*a*/) {}
    virtual void ProcessCall33(std::int32_t /*index*/, std::int16_t /*slot*/, std::int32_t /*a*/) {}
    // Writing a connection into the DSP's memory: access first (false: refused), the write, then
    // access given back.
    virtual bool AcquireAccess() { return false; }
    virtual void WriteConnection(std::int32_t /*address*/, std::int32_t /*direction*/, std::int32_t /*value*/) {}
    virtual void ReleaseAccess() {}
    // What a process asks of its DSP through its host face.
    virtual std::int32_t Operate(std::int32_t /*value*/) { return 0; }
    virtual std::int32_t Operate() { return 0; }

private:
    std::int32_t references = 1;
};

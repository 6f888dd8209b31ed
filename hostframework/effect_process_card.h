#pragma once

// The process that runs on one of the host's DSP cards: its DSP takes a share of its cycles and
// memory, its ports are addresses in the DSP's memory, and connecting one writes there.

#include "hostframework/audio_connections.h"
#include "hostframework/effect_process.h"

#include <vector>

class CEffectProcessCard : public virtual CEffectProcess {
public:
    static constexpr std::int32_t kAccessRefused = -7303;

    // Bypass on and off only mark the process; its DSP code reads the mark.
    std::int32_t SetBypass(std::int32_t control, std::uint8_t bypass) override;
    bool IsBypassOn() const { return bypassOn; }

    // What the process uses of its DSP: cycles and memory, each used out of available.
    void SetDSPUse(std::int32_t usedCycles, std::int32_t availableCycles, std::int32_t usedMemory,
                   std::int32_t availableMemory);
    // The larger of the two shares in percent; a share of nothing available counts 0.
    std::int32_t GetDSPLoad() const;
    double GetPriorityAsDouble() override { return GetDSPLoad(); }
    // The chip family of the DSP the process runs on, for the group's usage.
    void SetChipFamily(std::int32_t family) { chipFamily = family; }
    std::int32_t GetChipFamily() const { return chipFamily; }

    // Start and stop on a DSP through the DSP process's attach and detach.
    std::int32_t StartOnDSP(CProcessDSP* dsp) { return AttachDSPSafe(dsp); }
    std::int32_t StopOnDSP() { return DetachDSP(); }

    // Ports count from 1; -1 for a position outside the list.
    void SetPortAddresses(std::vector<std::int32_t> addresses);
    std::int32_t GetPortAddress(std::int32_t position) const;

    // Moved to another DSP type: the process leaves its instance slots under the old type first.
    void SetDSPProcessType(CDSPProcessType* type) override;

    // Connections by position (from 1, -7106 outside): connecting an occupied one answers -7100;
    // a write to the DSP's memory needs the DSP's access (-7303 when refused, nothing written).
    std::int32_t IsInputConnected(std::int32_t position, std::uint8_t* connected);
    std::int32_t IsOutputConnected(std::int32_t position, std::uint8_t* connected);
    std::int32_t ConnectInput(std::int32_t position, ConnectionHandle handle);
    std::int32_t ConnectOutput(std::int32_t position, ConnectionHandle handle);
    std::int32_t DisconnectInput(std::int32_t position);
    std::int32_t DisconnectOutput(std::int32_t position);
    void SetConnectionCounts(std::int32_t inputs, std::int32_t outputs);

private:
    static constexpr std::int32_t kInputDirection = 0;
    static constexpr std::int32_t kOutputDirection = 1;

    // Writes the value for the position's port into the DSP's memory, under its access.
    std::int32_t WriteToDSP(std::int32_t position, std::int32_t direction, ConnectionHandle value);
    std::int32_t Connect(std::vector<ConnectionHandle>& connections, std::int32_t position, ConnectionHandle handle,
                         std::int32_t direction);
    std::int32_t ReleaseConnection(std::vector<ConnectionHandle>& connections, std::int32_t position,
                                   std::int32_t direction);

    bool bypassOn = false;
    std::int32_t cycles[2] = {0, 0};
    std::int32_t memory[2] = {0, 0};
    std::int32_t chipFamily = 0;
    std::vector<std::int32_t> portAddresses;
    std::vector<ConnectionHandle> inputConnections;
    std::vector<ConnectionHandle> outputConnections;
    std::vector<std::int32_t> instanceSlots;
};

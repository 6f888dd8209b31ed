#pragma once

// A native real-time process as the host's real-time engine sees it: an instance of the plug-in
// object model with the process's ports, one worker carrying the render entry, and the data block
// that tells the engine where the process and its connection flags are.

#include "hostframework/native_custom_data_admin.h"
#include "hostframework/plugin_model/plugin.h"
#include "hostframework/plugin_model/plugin_port.h"
#include "hostframework/plugin_model/plugin_worker.h"

#include <memory>
#include <vector>

class CProcess;

class CAdaptorPlugIn : public CPlugIn {
public:
    // The port arrays are the process's connection flags or tables, whose addresses the engine reads
    // from the data block. Without a callback the adaptor renders through its ports itself. A port
    // that cannot be made throws -9006.
    CAdaptorPlugIn(const SPlugInID& identity, CProcess& process, void* inputFlags, void* outputFlags,
                   PlugInRenderCallback callback);
    ~CAdaptorPlugIn() override;

    // Makes the adaptor of a process and has it report: 0, -9006 when it cannot be made, or the code
    // of a host error thrown meanwhile (made stays empty then).
    static std::int32_t Create(std::unique_ptr<CAdaptorPlugIn>& made, const SPlugInID& identity, CProcess& process,
                               void* inputFlags, void* outputFlags, PlugInRenderCallback callback);

    // Whether the host has channel `channel` connected, where the process's own channels are the
    // first `ownChannels`: the host's active auxiliary connections carry the channels after them.
    // -7106 for a channel none of them carries.
    static std::int32_t AskHostConnection(const CProcess& process, std::int32_t ownChannels, std::int32_t channel,
                                          std::uint8_t* connected);
    // The process's flag arrays moved: the engine learns the new addresses at the next report.
    void SetConnectionFlags(void* inputFlags, void* outputFlags);
    CProcess& GetProcess() const { return *process; }
    // The entry for a process that gives none: the block's channels go to the ports, the instance
    // renders them, and the engine reads the outputs from its replacement buffer.
    static std::int32_t DefaultRenderEntry(void* render, void* context);
    S_NativeP_CustomDataAdmin& GetDataBlock() { return *dataBlock; }
    const char* GetName() const { return name; }
    std::int16_t GetInputPortCount() const { return inputPortCount; }
    std::int16_t GetOutputPortCount() const { return outputPortCount; }

private:
    CProcess* process;
    std::int16_t inputPortCount = 0;
    std::int16_t outputPortCount = 0;
    char name[64] = {};
    std::unique_ptr<CPlugInWorker> worker;
    std::unique_ptr<S_NativeP_CustomDataAdmin> dataBlock;
    std::vector<std::unique_ptr<CPlugInInput>> inputPorts;
    std::vector<std::unique_ptr<CPlugInOutput>> outputPorts;
};

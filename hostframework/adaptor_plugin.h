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
    // A port that cannot be made throws -9006.
    CAdaptorPlugIn(const SPlugInID& identity, CProcess& process, std::int32_t* inputFlags,
                   std::int32_t* outputFlags, PlugInRenderCallback callback);
    ~CAdaptorPlugIn() override;

    // The process's flag arrays moved: the engine learns the new addresses at the next report.
    void SetConnectionFlags(std::int32_t* inputFlags, std::int32_t* outputFlags);
    S_NativeP_CustomDataAdmin& GetDataBlock() { return *dataBlock; }
    const char* GetName() const { return name; }
    std::int16_t GetInputPortCount() const { return inputPortCount; }
    std::int16_t GetOutputPortCount() const { return outputPortCount; }

private:
    std::int16_t inputPortCount = 0;
    std::int16_t outputPortCount = 0;
    char name[64] = {};
    std::unique_ptr<CPlugInWorker> worker;
    std::unique_ptr<S_NativeP_CustomDataAdmin> dataBlock;
    std::vector<std::unique_ptr<CPlugInInput>> inputPorts;
    std::vector<std::unique_ptr<CPlugInOutput>> outputPorts;
};

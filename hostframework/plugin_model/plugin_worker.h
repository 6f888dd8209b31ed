#pragma once

// The object through which the host's real-time engine calls a plug-in instance: it carries the
// render callback for the instance's life, the instance's data blocks and the ports it serves. A
// worker joins its owner's workers and the host's object tracker when made and leaves both when
// destroyed; the members of its sets stay their makers'.

#include "hostframework/plugin_model/set.h"

#include <cstdint>

class CPlugIn;
class CPlugInData;
class CPlugInPort;

// Called by the host's real-time engine once per cycle with its render record and context record.
using PlugInRenderCallback = std::int32_t (*)(void* renderRecord, void* context);

class CPlugInWorker {
public:
    // The name stays the caller's and must outlive the worker.
    CPlugInWorker(CPlugIn& owner, PlugInRenderCallback callback, const char* name);
    CPlugInWorker(const CPlugInWorker&) = delete;
    CPlugInWorker& operator=(const CPlugInWorker&) = delete;

    virtual ~CPlugInWorker();
    // Sends the callback, the sets and the name to the object tracker.
    virtual void Report();

    CSet<CPlugInData>& DataSet() { return dataBlocks; }
    CSet<CPlugInPort>& InputSet() { return inputs; }
    CSet<CPlugInPort>& OutputSet() { return outputs; }
    PlugInRenderCallback GetCallback() const { return callback; }
    const char* GetName() const { return name; }

private:
    CSet<CPlugInData> dataBlocks;
    CSet<CPlugInPort> inputs;
    CSet<CPlugInPort> outputs;
    CSet<void> others;
    CPlugIn* owner;
    PlugInRenderCallback callback;
    const char* name;
    std::int32_t state = 0;
};

#pragma once

// One plug-in instance as the host's real-time engine sees it: an identity, numbered input and
// output ports, controls, an optional user interface and the workers through which the engine
// calls it. The sets do not own their members: ports, controls and workers leave them when they
// are destroyed, and whoever made them deletes them. A position that holds nothing answers the
// type's fallback object, never null.
//
// The forty-four extension operations are numbered in their run; the other operations whose
// purpose is the host's alone are named after their slot. Only their base answers are fixed.

#include "hostframework/host_error.h"
#include "hostframework/plugin_model/plugin_id.h"
#include "hostframework/plugin_model/plugin_string.h"
#include "hostframework/plugin_model/set.h"

#include <cstdint>
#include <memory>

class CPlugInType;
class CPlugInPort;
class CPlugInInput;
class CPlugInOutput;
class CSNPlugInControl;
class CPlugInUserInterface;
class CPlugInWorker;

// The five-word result block a host request carries.
struct SPlugInResult {
    std::int32_t words[5];
};

class CPlugIn {
public:
    explicit CPlugIn(const SPlugInID& id);
    CPlugIn(const SPlugInID& id, CPlugInType* type);
    // The type's identity with the instance handle as its last word; an empty handle becomes the
    // new instance.
    CPlugIn(CPlugInType& type, std::uintptr_t& handle);
    CPlugIn(const CPlugIn&) = delete;
    CPlugIn& operator=(const CPlugIn&) = delete;

    virtual ~CPlugIn();
    virtual SPlugInID& GetID(SPlugInID& out);
    virtual std::int32_t GetNumInputs() { return inputs.Count(); }
    // Makes or deletes inputs at the end and reports the whole graph.
    virtual std::int16_t SetNumInputs(std::int32_t count);
    virtual CPlugInPort* GetInput(std::int32_t position);
    virtual std::int32_t GetNumOutputs() { return outputs.Count(); }
    virtual std::int16_t SetNumOutputs(std::int32_t count);
    // One fallback port serves both directions.
    virtual CPlugInPort* GetOutput(std::int32_t position);
    virtual std::int32_t GetNumControls() { return controls.Count(); }
    virtual CSNPlugInControl* GetControl(std::int32_t position);
    virtual CPlugInUserInterface* GetUserInterface();

    virtual std::int32_t Extension1() { return 0; }
    virtual std::int32_t Extension2(std::int32_t) { return 0; }
    virtual void Extension3(std::int32_t /*index*/, CPlugInString& text) { text.Set(""); }
    virtual std::int32_t* Extension4(std::int32_t index, std::int32_t* out);
    virtual std::int32_t Extension5(std::int32_t) { return 0; }
    virtual std::int32_t Extension6(std::int32_t, std::int32_t) { return 0; }
    virtual bool Extension7() { return false; }
    virtual void Extension8() {}
    virtual void Extension9(std::int32_t, std::int32_t, std::int32_t) {}
    virtual void Extension10(std::int32_t) {}
    virtual void Extension11(std::int32_t, std::int32_t, std::int32_t) {}
    virtual void Extension12() {}
    virtual void Extension13(std::int32_t, std::int32_t) {}
    virtual std::int32_t Extension14() { return 0; }
    virtual std::int32_t Extension15(std::int32_t, std::int32_t) { return kHostErrNoRoutine; }
    virtual bool Extension16(std::int32_t) { return false; }
    virtual std::int32_t Extension17(std::int32_t, std::int32_t) { return kHostErrNoRoutine; }
    virtual bool Extension18(std::int32_t) { return false; }
    virtual std::int32_t Extension19() { return kHostErrNoRoutine; }
    virtual std::int32_t Extension20(std::int32_t, std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Extension21(std::int32_t /*a*/, std::int32_t b) { return b; }
    virtual std::int32_t Extension22(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Extension23(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Extension24(std::int32_t) { return kHostErrNoRoutine; }
    virtual void Extension25(std::int32_t /*index*/, CPlugInString& text) { text.Set(""); }
    virtual std::int32_t Extension26() { return 0; }
    virtual std::int32_t Extension27() { return 0; }
    virtual std::int32_t Extension28() { return 0; }
    virtual std::int32_t Extension29() { return 0; }
    virtual void Extension30() {}
    virtual std::int32_t Extension31() { return 0; }
    virtual std::uint32_t Extension32(std::int32_t);
    virtual void Extension33(std::int32_t /*index*/, CPlugInString& text) { text.Set(""); }
    virtual std::int32_t Extension34(std::int32_t) { return 0; }
    virtual std::int32_t Extension35(std::int32_t, std::int32_t) { return kHostErrNoSuchChunk; }
    virtual std::int32_t Extension36(std::int32_t, std::int32_t) { return kHostErrNoSuchChunk; }
    virtual bool Extension37(std::int32_t) { return false; }
    virtual std::int16_t Extension38(std::int32_t) { return 0; }
    virtual std::int16_t Extension39(std::int32_t) { return 0; }
    virtual std::int16_t Extension40(std::int32_t) { return 0; }
    virtual std::int16_t Extension41(std::int32_t, std::int32_t) { return 0; }
    virtual std::int16_t Extension42(std::int32_t) { return 0; }
    virtual std::int16_t Extension43(std::int32_t) { return 0; }
    virtual std::int16_t Extension44(std::int32_t) { return 0; }

    // Renders the block its ports carry; 0 on success, a host error otherwise. Nothing here.
    virtual std::int32_t Render(std::int32_t /*frames*/) { return 0; }
    // The whole graph between an opening and a closing record: ports, workers, their data blocks,
    // then the instance itself.
    virtual void ReportState();
    virtual void ReportPhase(bool begin);
    virtual std::int16_t Operation58(std::int32_t a, std::int32_t b, std::int32_t* out);
    virtual std::int16_t Operation59(std::int32_t a, std::int32_t b, std::int32_t* out);
    virtual std::int16_t Operation60(std::int32_t) { return 0; }
    virtual std::int16_t Operation61(SPlugInResult* record);
    virtual std::int32_t Operation62(void** out);
    // Without a type these throw -9060.
    virtual CPlugInPort* GetDefaultInput();
    virtual CSNPlugInControl* GetDefaultControl();
    virtual CPlugInUserInterface* GetDefaultUserInterface();
    virtual bool CanChangeNumInputs() { return false; }
    // Null when the port cannot be allocated.
    virtual CPlugInInput* NewInput(std::int32_t position);
    virtual bool CanChangeNumOutputs() { return false; }
    virtual CPlugInOutput* NewOutput(std::int32_t position);

    // Ports, controls and workers join and leave these themselves.
    CSet<CPlugInInput>& InputSet() { return inputs; }
    CSet<CPlugInOutput>& OutputSet() { return outputs; }
    CSet<CSNPlugInControl>& ControlSet() { return controls; }
    CSet<CPlugInWorker>& WorkerSet() { return workers; }

protected:
    // Set by instances that have one; deleted with the instance.
    std::unique_ptr<CPlugInUserInterface> userInterface;

private:
    template <typename Port>
    std::int16_t changePortCount(std::int32_t count, std::int32_t current, CSet<Port>& ports, bool canChange,
                                 std::int16_t fixedError, Port* (CPlugIn::*newPort)(std::int32_t));

    SPlugInID id;
    CPlugInType* type;
    CSet<CPlugInInput> inputs;
    CSet<CPlugInOutput> outputs;
    CSet<CSNPlugInControl> controls;
    CSet<CPlugInWorker> workers;
};

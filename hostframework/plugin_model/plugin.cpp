#include "hostframework/plugin_model/plugin.h"

#include "hostframework/plugin_model/clear_out.h"
#include "hostframework/plugin_model/object_tracker.h"
#include "hostframework/plugin_model/plugin_data.h"
#include "hostframework/plugin_model/plugin_port.h"
#include "hostframework/plugin_model/plugin_type.h"
#include "hostframework/plugin_model/plugin_user_interface.h"
#include "hostframework/plugin_model/plugin_worker.h"
#include "hostframework/plugin_model/sn_plugin_control.h"
#include "platform/four_char_code.h"

#include <new>

namespace {

constexpr std::int16_t kInputCountFixed = kHostErrFormatANotAllowed;
constexpr std::int16_t kOutputCountFixed = kHostErrFormatBNotAllowed;
constexpr std::int16_t kPortNotMade = kHostErrNullArgument;

} // namespace

CPlugIn::CPlugIn(const SPlugInID& id) : CPlugIn(id, nullptr) {}

CPlugIn::CPlugIn(const SPlugInID& id, CPlugInType* type) : id(id), type(type)
{
    TrackObject(this, kPlugInObject);
}

CPlugIn::CPlugIn(CPlugInType& type, std::uintptr_t& handle) : type(&type)
{
    type.GetID(id);
    if (handle == 0)
        handle = reinterpret_cast<std::uintptr_t>(this);
    id.words[4] = handle;
    TrackObject(this, kPlugInObject);
}

CPlugIn::~CPlugIn()
{
    userInterface.reset();
    UntrackObject(this);
}

SPlugInID& CPlugIn::GetID(SPlugInID& out)
{
    out = id;
    return out;
}

std::int16_t CPlugIn::SetNumInputs(std::int32_t count)
{
    return changePortCount(count, GetNumInputs(), inputs, CanChangeNumInputs(), kInputCountFixed, &CPlugIn::NewInput);
}

CPlugInPort* CPlugIn::GetInput(std::int32_t position)
{
    CPlugInInput* input = inputs.At(position);
    return input != nullptr ? input : GetDefaultInput();
}

std::int16_t CPlugIn::SetNumOutputs(std::int32_t count)
{
    return changePortCount(count, GetNumOutputs(), outputs, CanChangeNumOutputs(), kOutputCountFixed,
                           &CPlugIn::NewOutput);
}

CPlugInPort* CPlugIn::GetOutput(std::int32_t position)
{
    CPlugInOutput* output = outputs.At(position);
    return output != nullptr ? output : GetDefaultInput();
}

CSNPlugInControl* CPlugIn::GetControl(std::int32_t position)
{
    CSNPlugInControl* control = controls.At(position);
    return control != nullptr ? control : GetDefaultControl();
}

CPlugInUserInterface* CPlugIn::GetUserInterface()
{
    return userInterface != nullptr ? userInterface.get() : GetDefaultUserInterface();
}

std::int32_t* CPlugIn::Extension4(std::int32_t /*index*/, std::int32_t* out)
{
    ClearOut(out);
    return out;
}

std::uint32_t CPlugIn::Extension32(std::int32_t)
{
    return FourCharCode("    ");
}

void CPlugIn::ReportState()
{
    CSet<CPlugInData> dataBlocks;
    for (CPlugInWorker* worker : workers)
        dataBlocks.AppendAll(worker->DataSet());

    ReportPhase(true);
    for (CPlugInInput* input : inputs)
        input->Report();
    for (CPlugInOutput* output : outputs)
        output->Report();
    for (CPlugInWorker* worker : workers)
        worker->Report();
    for (CPlugInData* data : dataBlocks)
        data->Report();

    CReportRecord record;
    record.AppendWord(kObjectRecord);
    SPlugInID identity;
    record.AppendID(GetID(identity));
    record.AppendSet(inputs);
    record.AppendSet(outputs);
    record.AppendSet(workers);
    ReportObject(this, record);
    ReportPhase(false);
}

void CPlugIn::ReportPhase(bool begin)
{
    CReportRecord record;
    record.AppendWord(begin ? kReportOpens : kReportCloses);
    ReportObject(this, record);
}

std::int16_t CPlugIn::Operation58(std::int32_t /*a*/, std::int32_t /*b*/, std::int32_t* out)
{
    ClearOut(out);
    return 0;
}

std::int16_t CPlugIn::Operation59(std::int32_t /*a*/, std::int32_t /*b*/, std::int32_t* out)
{
    ClearOut(out);
    return 0;
}

std::int16_t CPlugIn::Operation61(SPlugInResult* record)
{
    ClearOut(record);
    return 0;
}

std::int32_t CPlugIn::Operation62(void** out)
{
    ClearOut(out);
    return kHostErrRefused;
}

CPlugInPort* CPlugIn::GetDefaultInput()
{
    if (type == nullptr)
        throw CHostError(kHostErrNotSetUp);
    return &type->GetFallbackPort();
}

CSNPlugInControl* CPlugIn::GetDefaultControl()
{
    if (type == nullptr)
        throw CHostError(kHostErrNotSetUp);
    return &type->GetFallbackControl();
}

CPlugInUserInterface* CPlugIn::GetDefaultUserInterface()
{
    if (type == nullptr)
        throw CHostError(kHostErrNotSetUp);
    return &type->GetFallbackUserInterface();
}

CPlugInInput* CPlugIn::NewInput(std::int32_t position)
{
    return new (std::nothrow) CPlugInInput(*this, position);
}

CPlugInOutput* CPlugIn::NewOutput(std::int32_t position)
{
    return new (std::nothrow) CPlugInOutput(*this, position);
}

// Ports come and go at the end of the set. The graph is reported even when nothing changed, so a
// host that asks for the current count still hears the full state.
template <typename Port>
std::int16_t CPlugIn::changePortCount(std::int32_t count, std::int32_t current, CSet<Port>& ports, bool canChange,
                                      std::int16_t fixedError, Port* (CPlugIn::*newPort)(std::int32_t))
{
    if (count < 0)
        return 0;
    if (count != current && !canChange)
        return fixedError;
    for (std::int32_t position = current + 1; position <= count; ++position) {
        Port* port = (this->*newPort)(position);
        if (port == nullptr)
            return kPortNotMade;
        ports.Append(port);
    }
    for (std::int32_t position = current; position > count; --position) {
        Port* port = ports.At(position);
        ports.Remove(port);
        delete port;
    }
    ReportState();
    return 0;
}

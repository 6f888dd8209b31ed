#include "hostframework/dsp_process.h"

#include "hostframework/conversant_info.h"
#include "hostframework/dsp_manager_access.h"
#include "hostframework/host_connections_api.h"
#include "hostlibs/engine/host_engine.h"
#include "platform/four_char_code.h"

namespace {

constexpr std::uint32_t kPreparationSelector = FourCharCode("cmvc");
constexpr std::uint32_t kPrecisionSelector = FourCharCode("prec");

} // namespace

CDSPProcess::CDSPProcess(DOA::INondelegatingUnknown* outer) : DOA::CUnknown(outer) {}

CDSPProcess::~CDSPProcess()
{
    SetDSP(0, nullptr);
}

std::int32_t CDSPProcess::QueryInterface(const DOA::SInterfaceID& id, void** out)
{
    if (id == DOA::kProcessInterfaceID || id == DOA::kProcess2InterfaceID) {
        *out = static_cast<IProcess2*>(this);
        AddRef();
        return 0;
    }
    return DOA::CUnknown::QueryInterface(id, out);
}

void CDSPProcess::SetDSP(std::int32_t index, CProcessDSP* newDSP)
{
    if (newDSP != nullptr)
        newDSP->AddRef();
    if (dsp != nullptr)
        dsp->Release();
    dsp = newDSP;
    dspIndex = index;
}

void CDSPProcess::TellDSPManager()
{
    if (IDSPManager* manager = GetDSPManagerInterface())
        manager->SetConversantDSP(static_cast<IProcess2*>(this), dspIndex, dspSlot);
}

bool CDSPProcess::BeginConnectionPreparation()
{
    SHostConnectionsAPI& host = GetHostConnectionsAPI();
    std::intptr_t supported = 0;
    if (host.Gestalt(kPreparationSelector, &supported) != 0 || supported == 0)
        return false;
    if (host.PrepareForConnectionsStatus() != 0)
        return false;
    ThrowIfError(host.PrepareForConnections(1));
    return true;
}

void CDSPProcess::EndConnectionPreparation(bool started)
{
    if (started)
        ThrowIfError(GetHostConnectionsAPI().PrepareForConnections(0));
}

std::int32_t CDSPProcess::DetachDSP()
{
    std::intptr_t supported = 0;
    const bool preparing = GetHostConnectionsAPI().Gestalt(kPreparationSelector, &supported) == 0 && supported != 0;
    const bool started = BeginConnectionPreparation();
    if (preparing) {
        ThrowIfError(static_cast<std::int16_t>(DeactivateTalkers()));
        ThrowIfError(static_cast<std::int16_t>(DeactivateListeners()));
    }
    connected = false;
    EndConnectionPreparation(started);
    SetDSP(0, nullptr);
    dspSlot = 0;
    dspIndex = 0;
    TellDSPManager();
    return 0;
}

std::int32_t CDSPProcess::AttachDSP(CProcessDSP* newDSP)
{
    const std::int32_t index = newDSP != nullptr ? newDSP->GetDSPIndex() : 0;
    dspSlot = newDSP != nullptr ? newDSP->GetDSPSlot() : 0;
    dspIndex = index;
    TellDSPManager();
    SetDSP(index, newDSP);
    const bool started = BeginConnectionPreparation();
    try {
        ThrowIfError(static_cast<std::int16_t>(ReactivateTalkers()));
        ThrowIfError(static_cast<std::int16_t>(ReactivateListeners()));
    } catch (...) {
        dspSlot = 0;
        dspIndex = 0;
        SetDSP(0, nullptr);
        EndConnectionPreparation(started);
        throw;
    }
    EndConnectionPreparation(started);
    connected = true;
    return 0;
}

std::int32_t CDSPProcess::AttachDSPSafe(CProcessDSP* newDSP)
{
    try {
        return AttachDSP(newDSP);
    } catch (...) {
        return kHostErrUnexpected;
    }
}

std::int32_t CDSPProcess::DSPOperationWithValue(std::int32_t value)
{
    try {
        return dsp != nullptr ? dsp->Operate(value) : 0;
    } catch (...) {
        return 0;
    }
}

std::int32_t CDSPProcess::DSPOperation()
{
    try {
        return dsp != nullptr ? dsp->Operate() : 0;
    } catch (...) {
        return 0;
    }
}

std::int16_t CDSPProcess::GetPrecision()
{
    std::intptr_t routine = 0;
    if (GetHostConnectionsAPI().Gestalt(kPrecisionSelector, &routine) != 0 || routine == 0)
        return 0;
    return reinterpret_cast<HostPrecisionRoutine>(routine)();
}

// The talkers and listeners are the host's view of the process on its DSP; the DSP manager
// registers them from the process's description.
std::int32_t CDSPProcess::ReactivateTalkers()
{
    SConversantInfoFromCDSPProcess info = MakeConversantInfo(*this);
    return GetHostConnectionsAPI().ReactivateTalker(&info, 1);
}

std::int32_t CDSPProcess::ReactivateListeners()
{
    SConversantInfoFromCDSPProcess info = MakeConversantInfo(*this);
    return GetHostConnectionsAPI().ReactivateListener(&info, 1);
}

std::int32_t CDSPProcess::DeactivateTalkers()
{
    SConversantInfoFromCDSPProcess info = MakeConversantInfo(*this);
    return GetHostConnectionsAPI().DeactivateTalker(&info, 0);
}

std::int32_t CDSPProcess::DeactivateListeners()
{
    SConversantInfoFromCDSPProcess info = MakeConversantInfo(*this);
    return GetHostConnectionsAPI().DeactivateListener(&info, 0);
}

std::int32_t CDSPProcess::Uninitialize()
{
    SetDSP(dspIndex, nullptr);
    return CProcess::Uninitialize();
}

std::int32_t CDSPProcess::HostCall30(std::int32_t arg1, std::int32_t arg2)
{
    if (dsp != nullptr)
        dsp->ProcessCall30(dspIndex, dspSlot, arg1, arg2);
    return 0;
}

std::int32_t CDSPProcess::HostCall31(std::int32_t arg1, std::int32_t arg2)
{
    if (dsp != nullptr)
        dsp->ProcessCall31(dspIndex, dspSlot, arg1, arg2);
    return 0;
}

std::int32_t CDSPProcess::HostCall32(std::int32_t arg1)
{
    if (dsp != nullptr)
        dsp->ProcessCall32(dspIndex, dspSlot, arg1);
    return 0;
}

std::int32_t CDSPProcess::HostCall33(std::int32_t arg1)
{
    if (dsp != nullptr)
        dsp->ProcessCall33(dspIndex, dspSlot, arg1);
    return 0;
}

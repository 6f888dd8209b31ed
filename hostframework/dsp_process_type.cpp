#include "hostframework/dsp_process_type.h"

#include "hostframework/dsp_library.h"
#include "hostframework/dsp_manager_access.h"
#include "hostframework/dsp_process.h"
#include "hostframework/dsp_process_group.h"
#include "hostframework/plugin_library.h"
#include "platform/four_char_code.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint32_t kDSPTypeID = FourCharCode("swDS");
constexpr std::int32_t kCardAttribute = 29;
constexpr std::int32_t kPlainAttribute = 21;
constexpr std::int32_t kCardAttributeCount = 10;

} // namespace

CDSPProcessType::CDSPProcessType(DOA::INondelegatingUnknown* outer) : DOA::CUnknown(outer) {}

std::int32_t CDSPProcessType::QueryInterface(const DOA::SInterfaceID& id, void** out)
{
    if (id == DOA::kProcessTypeInterfaceID || id == DOA::kProcessType2InterfaceID) {
        *out = static_cast<IProcessType2*>(this);
        AddRef();
        return 0;
    }
    return DOA::CUnknown::QueryInterface(id, out);
}

std::int32_t CDSPProcessType::GetTypeID(std::uint32_t* id)
{
    return setOut(id, kDSPTypeID);
}

// A process the manager will not take is let go of at once: it could neither live nor be deleted.
std::int32_t CDSPProcessType::CreateProcess(std::int32_t* newProcessID)
{
    const std::int32_t created = CProcessType::CreateProcess(newProcessID);
    if (created != 0 || IsOpenedByWinPlugInOpen())
        return created;
    auto* process = dynamic_cast<CDSPProcess*>(FindProcess(*newProcessID));
    if (process == nullptr)
        return created;
    IDSPManager* manager = GetDSPManagerInterface();
    if (manager == nullptr) {
        std::erase(processes, process);
        ReleaseProcess(process);
        return kHostErrNoDSPManager;
    }
    void* conversant = static_cast<IProcess2*>(process);
    std::int16_t result = manager->RegisterConversant(conversant);
    if (result == 0) {
        result = manager->ActivateConversant(conversant);
        if (result != 0)
            manager->UnregisterConversant(conversant);
    }
    if (result != 0) {
        process->HostCall144();
        std::erase(processes, process);
        ReleaseProcess(process);
    }
    return result;
}

std::int32_t CDSPProcessType::CreateProcessInstance(std::int32_t* newProcessID)
{
    CProcess* process = MakeProcess();
    if (process == nullptr)
        return kHostErrNullValue;
    // The lowest id no process uses: the scan starts again from the front at every clash.
    std::int32_t processID = 1;
    for (std::size_t k = 0; k < processes.size();) {
        if (processes[k]->GetIndexB() == processID) {
            ++processID;
            k = 0;
        } else {
            ++k;
        }
    }
    processes.push_back(process);
    if (newProcessID != nullptr)
        *newProcessID = processID;
    process->SetProcessType(this);
    if (auto* dspProcess = dynamic_cast<CDSPProcess*>(process))
        dspProcess->SetDSPProcessType(this);
    process->SetIndexA(typeIndex);
    process->SetIndexB(static_cast<std::int16_t>(processID));
    // A process that cannot initialise (its views not made, say) is not left behind in the list.
    try {
        process->Initialize();
    } catch (...) {
        std::erase(processes, process);
        ReleaseProcess(process);
        throw;
    }
    process->SetSampleRate(sampleRate);
    process->OptionalHook1(processWord);
    return 0;
}

// A deletion without a manager skips the unregistration and still lets the process go.
std::int32_t CDSPProcessType::DeleteProcess(std::int32_t processID)
{
    if (auto* process = dynamic_cast<CDSPProcess*>(FindProcess(processID))) {
        SHostPlugInSpec cleared{};
        process->SetViewSettings(&cleared);
        CProcessDSP* instance = process->GetDSP();
        if (IDSPManager* manager = GetDSPManagerInterface()) {
            void* conversant = static_cast<IProcess2*>(process);
            manager->DeactivateConversant(conversant);
            manager->UnregisterConversant(conversant);
        }
        if (instance != nullptr)
            ReleaseDSPInstance(instance);
    }
    return CProcessType::DeleteProcess(processID);
}

std::int32_t CDSPProcessType::ReleaseDSPInstanceSafe(CProcessDSP* instance)
{
    try {
        return ReleaseDSPInstance(instance);
    } catch (const CHostError& error) {
        return error.GetCode();
    } catch (...) {
        return kHostErrUnexpected;
    }
}

std::int32_t CDSPProcessType::FindFreeInstanceSafe(CProcessDSP** instance)
{
    try {
        return FindFreeInstance(instance);
    } catch (const CHostError& error) {
        return error.GetCode();
    } catch (...) {
        return kHostErrUnexpected;
    }
}

std::int32_t CDSPProcessType::GetNameSafe(std::int32_t maxLength, char* name)
{
    try {
        return GetName(maxLength, name);
    } catch (...) {
        return kHostErrUnexpected;
    }
}

std::int32_t CDSPProcessType::ReleaseIfUnused(CProcessDSP* instance)
{
    const bool held = dspObjects != nullptr && std::find(dspObjects->begin(), dspObjects->end(), instance) != dspObjects->end();
    return held ? 0 : DetachInstance(instance);
}

CProcessDSP* CDSPProcessType::GetFreeInstance()
{
    if (dspObjects != nullptr)
        for (CProcessDSP* instance : *dspObjects)
            if (CanAddProcess(instance) && HasRoomB(instance))
                return instance;
    CProcessDSP* created = nullptr;
    CreateInstance(&created);
    return created;
}

void* CDSPProcessType::GetGroupPart()
{
    return dspProcessGroup != nullptr ? static_cast<IProcessGroup*>(dspProcessGroup) : nullptr;
}

std::int32_t CDSPProcessType::GroupCallA(std::int32_t first, std::int32_t second)
{
    return processGroup != nullptr ? processGroup->HostCall122(first, second) : 0;
}

std::int32_t CDSPProcessType::GroupCallB(std::int32_t request, std::int32_t* first, std::int32_t count,
                                         std::uint32_t* second)
{
    return processGroup != nullptr
               ? processGroup->HostCall136(static_cast<std::int16_t>(request), first, count, second)
               : 0;
}

bool CDSPProcessType::IsInstanceIdle(CProcessDSP* instance)
{
    return instance != nullptr && instance->GetUserCount() == 0;
}

// An idle instance goes back to the group's list: the group deletes it with the last process of its card.
std::int32_t CDSPProcessType::ReleaseDSPInstance(CProcessDSP* instance)
{
    if (!IsInstanceIdle(instance))
        return 0;
    if (dspObjects != nullptr && std::find(dspObjects->begin(), dspObjects->end(), instance) == dspObjects->end())
        dspObjects->push_back(instance);
    return AttachInstance(instance);
}

std::int32_t CDSPProcessType::FindFreeInstance(CProcessDSP** instance)
{
    if (dspObjects != nullptr)
        for (CProcessDSP* candidate : *dspObjects)
            if (IsUsable(candidate) && HasRoomA(candidate)) {
                if (instance != nullptr)
                    *instance = candidate;
                return AllocateInstance(candidate);
            }
    return kHostErrNoFreeInstance;
}

void CDSPProcessType::SetDSPProcessGroup(void* group)
{
    dspProcessGroup = static_cast<CDSPProcessGroup*>(group);
}

void CDSPProcessType::GetDSPCounts(std::int16_t* first, std::int16_t* second)
{
    setOut(first, 0);
    setOut(second, 0);
}

void CDSPProcessType::GetInstanceShape(std::int32_t* a, std::int32_t* b, std::int32_t* c, std::int32_t* d)
{
    setOut(a, 1);
    setOut(b, 1);
    setOut(c, 0);
    setOut(d, 0);
}

// Processes are numbered per DSP: a process on another DSP than the one before starts again at 1.
void CDSPProcessType::RenumberProcesses()
{
    CProcessDSP* previous = nullptr;
    std::int32_t counter = 1;
    for (CProcess* process : processes) {
        auto* dspProcess = dynamic_cast<CDSPProcess*>(process);
        CProcessDSP* dsp = dspProcess != nullptr ? dspProcess->GetDSP() : nullptr;
        if (dsp != previous)
            counter = 1;
        previous = dsp;
        if (dspProcess != nullptr)
            dspProcess->SetFaceWord(counter);
        ++counter;
    }
}

std::int32_t CDSPProcessType::GetCardAttributeValue()
{
    std::int32_t first = 0;
    std::uint32_t second = 0;
    GroupCallB(HasProcessingCard() ? kCardAttribute : kPlainAttribute, &first, kCardAttributeCount, &second);
    return first;
}

std::int32_t CDSPProcessType::AllocateInstance(CProcessDSP* instance)
{
    return instance != nullptr ? 0 : kHostErrNoFreeInstance;
}

std::int32_t CDSPProcessType::CreateInstance(CProcessDSP** instance)
{
    if (dspProcessGroup == nullptr)
        throw CHostError(kHostErrNoDSPProcessGroup);
    if (instance != nullptr)
        *instance = nullptr;
    return kHostErrNoFreeInstance;
}

bool CDSPProcessType::CanAddProcess(CProcessDSP* instance)
{
    return instance != nullptr && instance->GetUserCount() >= 0;
}

bool CDSPProcessType::HasRoomA(CProcessDSP* instance)
{
    return instance != nullptr;
}

void CDSPProcessType::GetUsage(CProcessDSP* /*instance*/, std::int16_t* first, std::int16_t* second)
{
    setOut(first, 0);
    setOut(second, 0);
}

std::int32_t CDSPProcessType::AttachInstance(CProcessDSP* /*instance*/)
{
    return 0;
}

std::int32_t CDSPProcessType::DetachInstance(CProcessDSP* instance)
{
    if (dspObjects != nullptr)
        std::erase(*dspObjects, instance);
    return 0;
}

void CDSPProcessType::GetResourceCounts(std::int16_t* first, std::int16_t* second, std::int32_t /*key*/)
{
    setOut(first, 0);
    setOut(second, 0);
}

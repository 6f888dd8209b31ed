#include "hostframework/dsp_process_group.h"

#include "hostframework/dsp_library.h"
#include "hostframework/dsp_manager_access.h"
#include "hostframework/dsp_process.h"
#include "hostframework/dsp_process_type.h"
#include "hostframework/process_dsp_factory.h"

#include <algorithm>

namespace {

constexpr std::int16_t kNameInfo = 1;
constexpr std::int16_t kUsageInfo = 4;
constexpr std::int16_t kReportRequest = 13;
constexpr std::size_t kCyclesWord = 17;
constexpr double kFullUsage = 100.0;

} // namespace

CDSPProcessGroup::CDSPProcessGroup() = default;

CDSPProcessGroup::~CDSPProcessGroup()
{
    CDSPProcessGroup::ShutDown();
    ForgetDSPManagerInterface();
}

std::int32_t CDSPProcessGroup::Initialize()
{
    dspObjects = std::make_unique<std::vector<CProcessDSP*>>();
    firstList = std::make_unique<std::vector<void*>>();
    secondList = std::make_unique<std::vector<void*>>();
    ThrowIfError(InitSADriver());
    CProcessGroup::Initialize();
    if (processTypes) {
        for (const auto& type : *processTypes) {
            if (auto* dspType = dynamic_cast<CDSPProcessType*>(type.get())) {
                dspType->SetFirstList(firstList.get());
                dspType->SetSecondList(secondList.get());
                dspType->SetDSPObjectList(dspObjects.get());
                dspType->SetDSPProcessGroup(this);
            }
        }
    }
    return 0;
}

// A card's DSP object goes with the last process that used it.
std::int32_t CDSPProcessGroup::DeleteProcess(std::uint32_t typeID, std::int32_t processID)
{
    const std::int32_t deleted = CProcessGroup::DeleteProcess(typeID, processID);
    if (deleted != 0 || !dspObjects)
        return deleted;
    std::vector<CProcessDSP*> unused;
    for (CProcessDSP* object : *dspObjects) {
        const std::int16_t users = object->GetUserCount();
        if (users < 0)
            return kHostErrCannotPlaceProcess;
        if (users == 0)
            unused.push_back(object);
    }
    std::int32_t result = 0;
    for (CProcessDSP* object : unused) {
        std::erase(*dspObjects, object);
        object->Stop();
        result = DSPObjectDeleted(object);
        delete object;
    }
    return result;
}

// The DSP objects still listed are stopped and deleted with the list: nothing else holds them.
void CDSPProcessGroup::ShutDown()
{
    if (dspObjects) {
        for (CProcessDSP* object : *dspObjects) {
            object->Stop();
            delete object;
        }
        dspObjects.reset();
    }
    firstList.reset();
    secondList.reset();
}

std::int32_t CDSPProcessGroup::SafeHostCall35(std::int32_t* arg1, char** arg2)
{
    try {
        return HostCall35(arg1, arg2);
    } catch (...) {
        return kHostErrUnexpected;
    }
}

std::int32_t CDSPProcessGroup::SafeHostCall136(std::int16_t request, std::int32_t* flag, std::int32_t count,
                                               std::uint32_t* value)
{
    try {
        return HostCall136(request, flag, count, value);
    } catch (...) {
        return kHostErrUnexpected;
    }
}

std::int32_t CDSPProcessGroup::QueryInterface(const DOA::SInterfaceID& id, void** out)
{
    if (id == DOA::kProcessGroupInterfaceID) {
        *out = static_cast<IProcessGroup*>(this);
        AddRef();
        return 0;
    }
    return DOA::CUnknown::QueryInterface(id, out);
}

std::int32_t CDSPProcessGroup::GetGroupInfo(std::int32_t key, std::int16_t kind, void* out)
{
    if (kind == kNameInfo) {
        GetPlugInName(static_cast<std::uint8_t*>(out), 16);
        return 0;
    }
    if (kind == kUsageInfo) {
        *static_cast<std::int16_t*>(out) = static_cast<std::int16_t>(GetDSPUsagePercent(key));
        return 0;
    }
    return -1;
}

std::int16_t CDSPProcessGroup::GetDSPCyclesPerSample(DshShell* shell)
{
    std::int32_t info[20] = {};
    DshDSP* dsp = nullptr;
    DshDSP* first = nullptr;
    if (GetDSPList(&first) == 0)
        for (dsp = first; dsp != nullptr && dsp->shell != shell; dsp = dsp->next) {
        }
    if (dsp != nullptr)
        GetDSPInfoRecord(dsp, info);
    if (sampleRate == 0)
        return 0;
    return static_cast<std::int16_t>(info[kCyclesWord] / 2 / sampleRate);
}

void CDSPProcessGroup::GetDSPResourceTotals(std::int16_t* a, std::int16_t* b, std::int32_t key)
{
    std::int16_t first = 0;
    std::int16_t second = 0;
    if (processTypes) {
        for (const auto& type : *processTypes) {
            if (auto* dspType = dynamic_cast<CDSPProcessType*>(type.get())) {
                std::int16_t typeFirst = 0;
                std::int16_t typeSecond = 0;
                dspType->GetResourceCounts(&typeFirst, &typeSecond, key);
                first = static_cast<std::int16_t>(first + typeFirst);
                second = static_cast<std::int16_t>(second + typeSecond);
            }
        }
    }
    if (a != nullptr)
        *a = first;
    if (b != nullptr)
        *b = second;
}

std::int16_t CDSPProcessGroup::GetChipKindHook(std::int16_t /*kind*/)
{
    return 0;
}

std::int16_t CDSPProcessGroup::GetChipKind(std::int16_t kind, std::int32_t /*word*/, DshShell* /*shell*/)
{
    return GetChipKindHook(kind);
}

CProcessDSP* CDSPProcessGroup::MakeDSPObject(std::int16_t /*kind*/, std::int32_t /*word*/, DshShell* shell)
{
    return GetNewCProcessDSP(shell);
}

std::int32_t CDSPProcessGroup::CreateDSPObject(DshShell* shell, CProcessDSP** out, std::int32_t first,
                                               std::int32_t second)
{
    std::int32_t cardKind = 0;
    std::int32_t chipWord = 0;
    DshDSP* dsp = nullptr;
    if (GetDSPList(&dsp) == 0)
        for (; dsp != nullptr && dsp->shell != shell; dsp = dsp->next) {
        }
    if (dsp != nullptr) {
        cardKind = dsp->card != nullptr ? dsp->card->type : 0;
        chipWord = dsp->coreType;
    }
    const std::int16_t chipKind = GetChipKind(static_cast<std::int16_t>(cardKind), chipWord, shell);
    CProcessDSP* object = MakeDSPObject(chipKind, chipWord, shell);
    ThrowIfNull(object);
    ThrowIfNull(dspObjects.get());
    dspObjects->push_back(object);
    object->InitializeWithShell(shell);
    object->InitializeWithWord(second);
    ThrowIfError(static_cast<std::int16_t>(ReportDSPObject(first, second, object->GetReportValue())));
    object->SetChipKind(chipKind);
    if (out != nullptr)
        *out = object;
    return 0;
}

std::int32_t CDSPProcessGroup::ReportDSPObject(std::int32_t first, std::int32_t second, std::int32_t third)
{
    return componentCall(kReportRequest, {first, second, third}, false);
}

std::int32_t CDSPProcessGroup::GetDSPUsagePercent(std::int32_t chip)
{
    double usage = 0.0;
    forEachDSPProcess([&](CDSPProcess& process) {
        if (process.GetChipNumber() == chip)
            usage += process.GetPriorityAsDouble();
    });
    return static_cast<std::int32_t>(std::min(usage, kFullUsage));
}

std::int32_t CDSPProcessGroup::AttachToDSPManager(std::int32_t* out)
{
    if (out != nullptr)
        *out = 0;
    IDSPManager* manager = GetDSPManagerInterface();
    return manager != nullptr ? manager->AttachGroup(static_cast<IProcessGroup*>(this), out) : 0;
}

std::int32_t CDSPProcessGroup::DetachFromDSPManager(std::int32_t value)
{
    IDSPManager* manager = GetDSPManagerInterface();
    return manager != nullptr ? manager->DetachGroup(value) : 0;
}

std::int32_t CDSPProcessGroup::HasDSPProcess(std::int32_t id)
{
    bool found = false;
    forEachDSPProcess([&](CDSPProcess& process) { found = found || process.GetProcessWord() == id; });
    return found ? 1 : 0;
}

std::int32_t CDSPProcessGroup::DSPObjectDeleted(CProcessDSP* /*object*/)
{
    return 0;
}

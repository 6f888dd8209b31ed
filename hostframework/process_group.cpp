#include "hostframework/process_group.h"

#include "hostframework/dsp_library.h"
#include "hostframework/dsp_process.h"
#include "hostframework/host_text.h"
#include "hostframework/host_services.h"
#include "hostframework/plugin_library.h"
#include "hostlibs/extension/host_extension.h"
#include "platform/four_char_code.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::uint32_t kPlugInNameTypeID = 0x3f3f3f3f; // '????'
constexpr std::uint32_t kBlankTypeID = 0x20202020;
constexpr std::uint32_t kObjectServerSelector = FourCharCode("hsds");
constexpr std::int32_t kServerObjectType = 57;
constexpr std::int32_t kDspProcessRequest = 0x47892354;
constexpr std::int32_t kLongestLockName = 63;
constexpr std::int32_t kStereoModeKind = 2;

// Class-wide: one copy for the library.
constinit std::intptr_t gObjectServer = 0;
constinit std::intptr_t gServerObject = 0;
constinit std::int16_t gCreationCount = 0;
constinit std::int16_t gResFileNumber = -1;
constinit std::int16_t gResFileNesting = 0;
constinit bool gHostViewsDisabled = false;

std::uint32_t typeIDOf(CProcessType& type)
{
    std::uint32_t id = kBlankTypeID;
    type.GetTypeID(&id);
    return id;
}

std::int32_t kindOf(CProcessType& type)
{
    std::int32_t kind = 0;
    type.GetTypeKind(&kind);
    return kind;
}

bool usableLockService(IHostLockService* service)
{
    return service != nullptr && service->GetVersion() >= 1;
}

} // namespace

CProcessGroup::CProcessGroup()
{
    gObjectServer = 0;
    gServerObject = 0;
    gCreationCount = 0;
}

CProcessGroup::~CProcessGroup()
{
    CProcessGroup::ShutDown();
    // The file stays pinned only while processes live; they are gone now, and a later group of the
    // same library would otherwise find a stale file current.
    if (resFilePinned) {
        resFilePinned = false;
        restoreResFile(rememberedResFile);
    }
    DeleteObjectServer();
    DeleteGroupLock();
    unloadDshLibrary();
}

std::int32_t CProcessGroup::Initialize()
{
    // Without the DSP shell's library the card queries find nothing, which is all this group needs.
    loadDshLibrary();
    processTypes.emplace();
    CProcessGroupInterface::Initialize();
    CreateProcessTypes();
    SortProcessTypes();
    CreateGroupLock();
    return 0;
}

CProcessType* CProcessGroup::FindProcessType(std::uint32_t typeID)
{
    if (!processTypes)
        return nullptr;
    for (const auto& type : *processTypes)
        if (typeIDOf(*type) == typeID)
            return type.get();
    return nullptr;
}

CProcessType* CProcessGroup::GetProcessType(std::uint32_t typeID)
{
    CProcessType* type = FindProcessType(typeID);
    if (type == nullptr)
        throw CHostError(kHostErrNoProcessType);
    return type;
}

CProcessType* CProcessGroup::FindProcessTypeByIndex(std::int16_t number)
{
    if (processTypes)
        for (const auto& type : *processTypes)
            if (type->GetIndexA(nullptr) == number)
                return type.get();
    return nullptr;
}

CProcessType* CProcessGroup::GetProcessTypeByIndex(std::int16_t number)
{
    CProcessType* type = FindProcessTypeByIndex(number);
    if (type == nullptr)
        throw CHostError(kHostErrNoProcessType);
    return type;
}

std::int16_t CProcessGroup::GetProcessTypeIndex(std::uint32_t typeID)
{
    return GetProcessType(typeID)->GetIndexA(nullptr);
}

void CProcessGroup::AddProcessType(CProcessType* type)
{
    if (type == nullptr || !processTypes)
        throw AddProcessTypeEx{};
    std::unique_ptr<CProcessType> owned(type);
    owned->Initialize();
    processTypes->push_back(std::move(owned));
}

bool CProcessGroup::IsDisabled(CProcessType& type)
{
    return kindOf(type) != 0 && type.enabledFlag == 0;
}

void CProcessGroup::NumberProcessTypes()
{
    if (!processTypes)
        return;
    std::int16_t number = 1;
    for (const auto& type : *processTypes) {
        type->SetProcessGroup(this);
        type->SetIndexA(number++);
    }
}

// Disabled types go to the end, each group keeping its order.
void CProcessGroup::SortProcessTypes()
{
    if (!processTypes)
        return;
    std::stable_partition(processTypes->begin(), processTypes->end(),
                          [this](const std::unique_ptr<CProcessType>& type) { return !IsDisabled(*type); });
    NumberProcessTypes();
}

void CProcessGroup::DeleteProcessTypes()
{
    if (!processTypes)
        return;
    for (const auto& type : *processTypes)
        type->DeleteAllProcesses();
    processTypes.reset();
}

void CProcessGroup::ShutDown()
{
    DeleteProcessTypes();
}

template <typename Operation>
std::int32_t CProcessGroup::broadcast(Operation operation)
{
    std::int32_t first = 0;
    if (processTypes) {
        for (const auto& type : *processTypes) {
            const std::int32_t result = operation(*type);
            if (first == 0)
                first = result;
        }
    }
    return first;
}

std::int32_t CProcessGroup::GetTypeName(std::uint32_t typeID, std::int32_t maxLength, char* name)
{
    if (typeID == kPlugInNameTypeID)
        return GetPlugInName(reinterpret_cast<std::uint8_t*>(name), maxLength);
    return GetProcessType(typeID)->GetName(maxLength, name);
}

std::int32_t CProcessGroup::SetSampleRate(std::int32_t rate)
{
    CProcessGroupInterface::SetSampleRate(rate);
    return broadcast([rate](CProcessType& type) { return type.SetSampleRate(rate); });
}

std::int32_t CProcessGroup::HostCall125(std::int32_t word)
{
    return broadcast([word](CProcessType& type) { return type.SetProcessWord(word); });
}

std::int32_t CProcessGroup::SetTimeCodeInfo(SHostTimeCodeInfo* info)
{
    CProcessGroupInterface::SetTimeCodeInfo(info);
    return broadcast([this](CProcessType& type) { return type.SetHostPair(timeCodePair); });
}

std::int32_t CProcessGroup::HostCall16()
{
    return broadcast([](CProcessType& type) { return type.Reserved1(); });
}

std::int32_t CProcessGroup::HostCall18()
{
    return broadcast([](CProcessType& type) { return type.Reserved2(); });
}

std::int32_t CProcessGroup::HostCall69(std::uint8_t flag)
{
    return broadcast([flag](CProcessType& type) { return type.SetProcessFlagA(flag); });
}

std::int32_t CProcessGroup::HostCall72(std::uint8_t flag)
{
    return broadcast([flag](CProcessType& type) { return type.SetProcessFlagB(flag); });
}

std::int32_t CProcessGroup::HostCall122(std::int32_t first, std::int32_t second)
{
    CProcessGroupInterface::HostCall122(first, second);
    return broadcast([first, second](CProcessType& type) { return type.SetProcessRecord(first, second); });
}

std::int32_t CProcessGroup::CreateProcess(std::uint32_t typeID, std::int32_t* newProcessID)
{
    if (gObjectServer == 0)
        CreateObjectServer();
    if (!IsOpenedByWinPlugInOpen() && liveProcessCount == 0 && !resFilePinned) {
        rememberedResFile = usePlugInResFile();
        HostExtUseResourceFile(rememberedResFile);
        resFilePinned = true;
    }
    // A failure, thrown or answered, with no process alive gives back what the first creation took.
    const auto undoFirst = [this] {
        if (liveProcessCount != 0)
            return;
        DeleteObjectServer();
        if (resFilePinned) {
            resFilePinned = false;
            restoreResFile(rememberedResFile);
        }
    };
    std::int32_t result = 0;
    try {
        result = CProcessGroupInterface::CreateProcess(typeID, newProcessID);
        if (result == 0)
            result = GetProcessType(typeID)->CreateProcess(newProcessID);
    } catch (...) {
        undoFirst();
        throw;
    }
    if (result == 0) {
        ++gCreationCount;
        ++liveProcessCount;
    } else {
        undoFirst();
    }
    return result;
}

// Only a deletion that happened counts, so the server and the file stay exactly while processes live.
std::int32_t CProcessGroup::DeleteProcess(std::uint32_t typeID, std::int32_t processID)
{
    const std::int32_t result = GetProcessType(typeID)->DeleteProcess(processID);
    if (result != 0)
        return result;
    if (--liveProcessCount == 0) {
        DeleteObjectServer();
        if (resFilePinned) {
            resFilePinned = false;
            restoreResFile(rememberedResFile);
        }
    }
    return result;
}

std::int32_t CProcessGroup::GetNumProcessTypes(std::int16_t* count)
{
    std::int16_t enabled = 0;
    if (processTypes)
        for (const auto& type : *processTypes)
            enabled = static_cast<std::int16_t>(enabled + !IsDisabled(*type));
    if (count != nullptr)
        *count = enabled;
    return 0;
}

std::int32_t CProcessGroup::EnableProcessType(std::int32_t kind)
{
    bool enabled = false;
    if (processTypes) {
        for (const auto& type : *processTypes) {
            if (kindOf(*type) == kind && type->enabledFlag == 0) {
                type->enabledFlag = 1;
                enabled = true;
            }
        }
    }
    if (enabled)
        SortProcessTypes();
    return 0;
}

std::int32_t CProcessGroup::HostCall93(std::uint32_t typeID, std::int32_t attribute, std::int32_t* value)
{
    CProcessType* type = FindProcessType(typeID);
    return type != nullptr ? type->GetTypeAttribute(attribute, value) : kHostErrNoProcessType;
}

std::int32_t CProcessGroup::GetTypeKind(std::uint32_t typeID, std::int32_t* kind)
{
    return GetProcessType(typeID)->GetTypeKind(kind);
}

// A stereo process without a text of its own is described as one.
std::int32_t CProcessGroup::GetInfoText(std::uint32_t typeID, std::int32_t processID, std::int32_t kind,
                                        std::uint8_t* text)
{
    CProcessType* type = GetProcessType(typeID);
    std::int32_t result = type->GetChunkAltName(processID, kind, text);
    if (result == 0 || kind != kStereoModeKind || text == nullptr)
        return result;
    std::int16_t inputs = 0;
    std::int16_t outputs = 0;
    type->GetNumInputs(processID, &inputs);
    type->GetNumOutputs(processID, &outputs);
    if (inputs == 2 && outputs == 2) {
        WriteLengthPrefixed("stereo mode", text, 31);
        result = 0;
    }
    return result;
}

std::int32_t CProcessGroup::HostCall36(std::int32_t* a, std::int32_t* b, std::uint32_t typeID, std::int32_t processID,
                                       std::int32_t arg5)
{
    CProcessType* type = GetProcessType(typeID);
    // The request for a DSP process's word is answered only by DSP processes.
    if (b != nullptr && *b == kDspProcessRequest) {
        if (auto* process = dynamic_cast<CDSPProcess*>(type->FindProcess(processID)))
            *b = process->GetProcessWord();
        return 0;
    }
    CProcessGroupInterface::HostCall36(a, b, typeID, processID, arg5);
    const std::int32_t first = type->GetRefA(processID, a);
    return first != 0 ? first : type->GetRefB(processID, b);
}

std::int32_t CProcessGroup::HostCall37(std::int32_t* a, std::int32_t* b, std::uint32_t typeID, std::int32_t processID,
                                       std::int32_t arg5)
{
    return HostCall36(a, b, typeID, processID, arg5);
}

std::int32_t CProcessGroup::GetViewRect(std::uint32_t typeID, std::int32_t processID, Rect* rect)
{
    const std::int32_t result = CProcessGroupInterface::GetViewRect(typeID, processID, rect);
    return result != 0 ? result : GetProcessType(typeID)->GetViewRect(processID, rect);
}

std::int32_t CProcessGroup::SetViewPort(std::uint32_t typeID, std::int32_t processID, OpaqueGrafPtr* port)
{
    const std::int32_t result = CProcessGroupInterface::SetViewPort(typeID, processID, port);
    return result != 0 ? result : GetProcessType(typeID)->SetViewPort(processID, port);
}

std::int32_t CProcessGroup::SetViewOrigin(std::uint32_t typeID, std::int32_t processID, Point origin)
{
    const std::int32_t result = CProcessGroupInterface::SetViewOrigin(typeID, processID, origin);
    return result != 0 ? result : GetProcessType(typeID)->SetViewOrigin(processID, origin);
}

void CProcessGroup::CreateGroupLock()
{
    lockNesting = 0;
    IHostLockService* service = GetHostLockService();
    if (service == nullptr || service->GetVersion() < 1)
        return;
    if (service->GetVersion() < 2) {
        groupLock = service->CreateLock();
        return;
    }
    std::uint8_t name[kLongestLockName + 1] = {};
    const bool named = GetPlugInName(name, kLongestLockName) == 0 && name[0] != 0;
    const std::string plugInName = named ? std::string(reinterpret_cast<const char*>(name + 1), name[0]) : "<unknown>";
    char lockName[128];
    std::snprintf(lockName, sizeof lockName, "CProcessGroup<%s>", plugInName.c_str());
    groupLock = service->CreateNamedLock(lockName);
}

void CProcessGroup::DeleteGroupLock()
{
    IHostLockService* service = GetHostLockService();
    if (groupLock != nullptr && usableLockService(service))
        service->DeleteLock(groupLock);
    groupLock = nullptr;
}

std::int32_t CProcessGroup::EnterHostCall()
{
    IHostLockService* service = GetHostLockService();
    if (groupLock != nullptr && usableLockService(service))
        service->EnterLock(groupLock);
    return ++lockNesting;
}

bool CProcessGroup::TryEnterHostCall()
{
    IHostLockService* service = GetHostLockService();
    if (groupLock == nullptr || !usableLockService(service) || service->TryEnterLock(groupLock) == 0)
        return false;
    ++lockNesting;
    return true;
}

// A leave without an enter would give up a lock this thread does not hold: it is ignored.
std::int32_t CProcessGroup::LeaveHostCall()
{
    if (lockNesting <= 0)
        return 0;
    --lockNesting;
    IHostLockService* service = GetHostLockService();
    if (groupLock != nullptr && usableLockService(service))
        service->LeaveLock(groupLock);
    return lockNesting;
}

std::int32_t CProcessGroup::CreateObjectServer()
{
    std::intptr_t answer = 0;
    if (HostGestalt(kObjectServerSelector, &answer) == 0 && HostIsAlive()) {
        gObjectServer = HostNewServer();
        gServerObject = HostNewObject(gObjectServer, HostFindStandardType(gObjectServer, kServerObjectType));
    }
    return 0;
}

std::int32_t CProcessGroup::DeleteObjectServer()
{
    if (gServerObject != 0) {
        HostDelete(gServerObject);
        gServerObject = 0;
    }
    if (gObjectServer != 0) {
        HostDelete(gObjectServer);
        gObjectServer = 0;
    }
    return 0;
}

std::int16_t CProcessGroup::usePlugInResFile()
{
    const std::int16_t previous = HostExtCurrentResourceFile();
    if (gResFileNesting == 0) {
        const std::int16_t file = HostExtOpenResourceFile(GetPlugInResFilePath().c_str(), &FlipResourceByteOrder);
        if (file <= 0)
            throw CHostError(kHostErrCheckFailed);
        gResFileNumber = file;
        HostExtUseResourceFile(file);
    } else if (previous != gResFileNumber) {
        HostExtUseResourceFile(gResFileNumber);
    }
    ++gResFileNesting;
    return previous;
}

void CProcessGroup::restoreResFile(std::int16_t previous)
{
    if (--gResFileNesting < 1) {
        gResFileNesting = 0;
        HostExtCloseResourceFile(gResFileNumber);
    }
    HostExtUseResourceFile(previous);
}

bool CProcessGroup::HostViewsDisabled()
{
    return IsOpenedByWinPlugInOpen() || gHostViewsDisabled;
}

void CProcessGroup::SetHostViewsDisabled(bool disabled)
{
    gHostViewsDisabled = disabled;
}

void CProcessGroup::GetConversantCodes(std::uint32_t& manufacturer, std::uint32_t& product, std::uint32_t& type)
{
    manufacturer = product = type = FourCharCode("XXXX");
}

std::intptr_t CProcessGroup::GetObjectServer()
{
    return gObjectServer;
}

std::intptr_t CProcessGroup::GetServerObject()
{
    return gServerObject;
}

std::int16_t CProcessGroup::GetCreationCount()
{
    return gCreationCount;
}

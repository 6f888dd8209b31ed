#include "hostframework/process_type.h"

#include "hostframework/doa_unknown.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_group.h"
#include "hostlibs/extension/host_extension.h"
#include "platform/clock.h"
#include "platform/four_char_code.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t kEmptyCacheKey = FourCharCode("----");
constexpr std::uint32_t kBaseTypeID = FourCharCode("swCl");
constexpr std::array<std::uint32_t, CProcessType::kCacheEntries> kCachedKinds = {
    FourCharCode("PgTL"), FourCharCode("MkTL"), FourCharCode("PcTL"), FourCharCode("FrTL"), FourCharCode("HgTL"),
    FourCharCode("DgEQ"), FourCharCode("DgCP"), FourCharCode("DgGT"), FourCharCode("BkCS"), FourCharCode("BkSF")};
constexpr std::int32_t kStemFormatAttribute = 29;
constexpr std::int32_t kHostCall134Attribute = 21;
constexpr std::int32_t kNoStemFormat = -100;

bool hasName(HostHandle resource, const std::uint8_t* name)
{
    std::uint8_t found[256] = {};
    HostExtGetResourceInfo(resource, nullptr, nullptr, found);
    return std::memcmp(found, name, std::size_t{name[0]} + 1) == 0;
}

// The resource of that kind and name, detached from the file. The host's named lookup is tried
// first; when it finds one under another name the resources of the kind are scanned from the last.
HostHandle findTypeResource(std::uint32_t kind, const std::uint8_t* name)
{
    HostHandle resource = HostExtGetNamedResource(kind, name);
    if (resource == nullptr)
        return nullptr;
    if (!hasName(resource, name)) {
        HostExtReleaseResource(resource);
        resource = nullptr;
        for (std::int16_t index = HostExtCountResources(kind); index >= 1 && resource == nullptr; --index) {
            HostHandle candidate = HostExtGetIndexedResource(kind, index);
            if (candidate == nullptr)
                continue;
            if (hasName(candidate, name))
                resource = candidate;
            else
                HostExtReleaseResource(candidate);
        }
    }
    if (resource != nullptr)
        HostExtDetachResource(resource);
    return resource;
}

} // namespace

CProcessType::CProcessType()
    : sampleRate(gProcessGroup != nullptr ? gProcessGroup->GetSampleRate() : 44100),
      hostPair{gProcessGroup != nullptr ? gProcessGroup->GetTimeCodePair()[0] : 5,
               gProcessGroup != nullptr ? gProcessGroup->GetTimeCodePair()[1] : 0}
{
    const DWORD now = GetTickCount();
    for (CacheEntry& entry : cache) {
        entry.key = kEmptyCacheKey;
        entry.stamp = now;
    }
}

CProcessType::~CProcessType() = default;

CProcess* CProcessType::FindProcess(std::int32_t processID) const
{
    if (processID < 1)
        return nullptr;
    for (CProcess* process : processes)
        if (process->GetIndexB() == processID)
            return process;
    return nullptr;
}

void CProcessType::DeleteAllProcesses()
{
    for (CProcess* process : processes)
        ReleaseProcess(process);
    processes.clear();
    processes.shrink_to_fit();
}

void CProcessType::ReleaseProcess(CProcess* process)
{
    process->Uninitialize();
    auto* unknown = dynamic_cast<DOA::CUnknown*>(process);
    DOA::INondelegatingUnknown* outer = unknown != nullptr ? unknown->GetOuter() : nullptr;
    if (outer == nullptr || outer == static_cast<DOA::INondelegatingUnknown*>(unknown)) {
        delete process;
        return;
    }
    // The reference taken by asking for the outer object, and the process's own.
    outer->AddRef();
    outer->Release();
    outer->Release();
}

void CProcessType::SetIndexA(std::int16_t index)
{
    typeIndex = index;
    for (CProcess* process : processes)
        process->SetIndexA(index);
}

std::int32_t CProcessType::GetName(std::int32_t /*maxLength*/, char* name)
{
    if (name != nullptr)
        std::strcpy(name, "Unnamed");
    return 0;
}

std::int32_t CProcessType::SetSampleRate(std::int32_t rate)
{
    sampleRate = rate;
    for (CProcess* process : processes)
        process->SetSampleRate(rate);
    return 0;
}

std::int32_t CProcessType::SetProcessWord(std::int32_t word)
{
    processWord = word;
    for (CProcess* process : processes)
        process->OptionalHook1(word);
    return 0;
}

std::int32_t CProcessType::SetHostPair(const std::int32_t pair[2])
{
    hostPair[0] = pair[0];
    hostPair[1] = pair[1];
    for (CProcess* process : processes)
        process->SetHostPair(pair);
    return 0;
}

std::int32_t CProcessType::GetTypeID(std::uint32_t* id)
{
    return setOut(id, kBaseTypeID);
}

std::int32_t CProcessType::GetStemFormats(std::int32_t /*processID*/, SHostPlugInStemFormats* formats)
{
    if (formats != nullptr)
        std::fill(std::begin(formats->formats), std::end(formats->formats), kNoStemFormat);
    std::int32_t attribute = 0;
    return GetTypeAttribute(kStemFormatAttribute, &attribute) != 0 ? kHostErrNoStemFormats : 0;
}

std::int32_t CProcessType::CreateProcess(std::int32_t* newProcessID)
{
    if (!IsOpenedByWinPlugInOpen())
        LoadResourceCache();
    return CreateProcessInstance(newProcessID);
}

std::int32_t CProcessType::DeleteProcess(std::int32_t processID)
{
    CProcess* process = FindProcess(processID);
    if (process == nullptr)
        return kHostErrNoProcess;
    processes.erase(std::find(processes.begin(), processes.end(), process));
    ReleaseProcess(process);
    return 0;
}

std::int32_t CProcessType::GetRefA(std::int32_t processID, std::int32_t* value)
{
    CProcess* process = FindProcess(processID);
    if (process == nullptr)
        return kHostErrNoProcess;
    return setOut(value, process->GetRefA());
}

std::int32_t CProcessType::GetRefB(std::int32_t processID, std::int32_t* value)
{
    CProcess* process = FindProcess(processID);
    if (process == nullptr)
        return kHostErrNoProcess;
    return setOut(value, process->GetRefB());
}

std::int32_t CProcessType::HostCall166(std::int32_t /*processID*/, char* text, std::int32_t* value)
{
    if (text == nullptr || value == nullptr)
        return kHostErrNullArgument;
    text[0] = '\0';
    *value = 0;
    return 0;
}

std::int32_t CProcessType::HostCall167(std::int32_t /*processID*/, std::int32_t* value)
{
    if (value == nullptr)
        return kHostErrNullArgument;
    *value = 0;
    return 0;
}

std::int32_t CProcessType::HostCall134(std::int32_t /*processID*/, std::uint32_t* value)
{
    std::int32_t attribute = 0;
    const std::int32_t result = GetTypeAttribute(kHostCall134Attribute, &attribute);
    setOut(value, static_cast<std::uint32_t>(attribute));
    return result;
}

std::int32_t CProcessType::SetProcessFlagA(std::uint8_t flag)
{
    for (CProcess* process : processes)
        process->OptionalHook4(flag);
    return 0;
}

std::int32_t CProcessType::SetProcessFlagB(std::uint8_t flag)
{
    for (CProcess* process : processes)
        process->OptionalHook5(flag);
    return 0;
}

std::int32_t CProcessType::SetProcessRecord(std::int32_t first, std::int32_t second)
{
    recordWord = second;
    for (CProcess* process : processes)
        process->SetAuxWord(first, second);
    return 0;
}

void CProcessType::LoadResourceCache()
{
    for (const std::uint32_t kind : kCachedKinds)
        GetCachedResource(kind);
}

// A miss evicts the entry used longest ago; on equal stamps the earlier entry goes.
std::uint8_t* CProcessType::GetCachedResource(std::uint32_t kind)
{
    const DWORD now = GetTickCount();
    for (CacheEntry& entry : cache) {
        if (entry.key == kind) {
            entry.stamp = now;
            return entry.buffer.data.get();
        }
    }
    CacheEntry* oldest = nullptr;
    std::uint32_t oldestStamp = 0xFFFFFFFF;
    for (CacheEntry& entry : cache) {
        if (entry.stamp < oldestStamp) {
            oldest = &entry;
            oldestStamp = entry.stamp;
        }
    }
    if (oldest == nullptr)
        return nullptr;
    oldest->buffer = LoadTypeResource(kind);
    oldest->key = kind;
    oldest->stamp = now;
    return oldest->buffer.data.get();
}

std::size_t CProcessType::GetCachedResourceSize(std::uint32_t kind) const
{
    for (const CacheEntry& entry : cache)
        if (entry.key == kind)
            return entry.buffer.size;
    return 0;
}

void CProcessType::GetTypeIDString(std::uint8_t* text)
{
    std::uint32_t id = 0;
    if (GetTypeID(&id) != 0) {
        text[0] = 0;
        return;
    }
    text[0] = 4;
    for (int i = 0; i < 4; ++i)
        text[1 + i] = static_cast<std::uint8_t>(id >> (24 - 8 * i));
}

SResourceBuffer CProcessType::LoadTypeResource(std::uint32_t kind)
{
    std::uint8_t name[256] = {};
    GetTypeIDString(name);
    const std::int16_t previous = CProcessGroup::usePlugInResFile();
    HostHandle resource = findTypeResource(kind, name);
    CProcessGroup::restoreResFile(previous);
    SResourceBuffer buffer;
    if (resource == nullptr)
        return buffer;
    HostExtLockHandle(resource);
    const auto size = static_cast<std::size_t>(std::max(HostExtGetHandleSize(resource), 0));
    buffer.data.reset(new (std::nothrow) std::uint8_t[size + 2]());
    if (buffer.data != nullptr) {
        std::memcpy(buffer.data.get(), *resource, size);
        buffer.size = size;
    }
    HostExtUnlockHandle(resource);
    HostExtDisposeHandle(resource);
    return buffer;
}

#include "hostframework/process_group_interface.h"

#include "hostframework/host_text.h"
#include "hostlibs/extension/host_extension.h"

#include <algorithm>
#include <iterator>
#include <cstring>

namespace {

constinit std::int32_t gLockLevel = 99;
constinit ComponentDispatcher gComponentDispatcher = nullptr;

constexpr std::int16_t kFirstRoutine = 0;
constexpr std::int16_t kLastRoutine = 173;
constexpr std::int16_t kFirstNegativeSelector = -6;

constexpr std::int16_t kComponentPrepare = 17;
constexpr std::int16_t kComponentRequest51 = 10;
constexpr std::int16_t kComponentRequest52 = 11;
constexpr std::int16_t kComponentRequest53 = 12;
constexpr std::int16_t kComponentRequest54 = 14;
constexpr std::int16_t kComponentRequest55 = 19;
constexpr std::int16_t kComponentRequest56 = 20;
constexpr std::int16_t kComponentRequest110 = 15;

constexpr std::int16_t kWordSizeRequest = 21;
constexpr std::uint32_t kWordSize = 27;
constexpr std::int32_t kNoStemFormat = -100;

} // namespace

std::int32_t GetLockLevel()
{
    return gLockLevel;
}

ComponentDispatcher GetComponentDispatcher()
{
    return gComponentDispatcher;
}

CProcessGroupInterface::CProcessGroupInterface()
{
    SetLockLevel(99);
}

std::int32_t CProcessGroupInterface::Initialize()
{
    return 0;
}

bool CProcessGroupInterface::IsRoutineSupported(std::int16_t selector)
{
    return (selector >= kFirstRoutine && selector <= kLastRoutine) || (selector >= kFirstNegativeSelector && selector < 0);
}

// Writes the length-prefixed text "Other", cut to the capacity.
std::int32_t CProcessGroupInterface::HostCall12(std::int32_t capacity, char* text)
{
    if (text == nullptr)
        return 0;
    const auto longest = static_cast<std::size_t>(std::max(capacity, 0));
    WriteLengthPrefixed("Other", reinterpret_cast<std::uint8_t*>(text), longest);
    return 0;
}

std::int32_t CProcessGroupInterface::SetSampleRate(std::int32_t rate)
{
    sampleRate = rate;
    return 0;
}

std::int32_t CProcessGroupInterface::SetTimeCodeInfo(SHostTimeCodeInfo* info)
{
    if (info != nullptr) {
        timeCodePair[0] = info->first;
        timeCodePair[1] = info->second;
    }
    return 0;
}

std::int32_t CProcessGroupInterface::GetStemFormats(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
                                                    SHostPlugInStemFormats* formats)
{
    if (formats != nullptr)
        std::fill(std::begin(formats->formats), std::end(formats->formats), kNoStemFormat);
    return kHostErrNoStemFormats;
}

std::int32_t CProcessGroupInterface::SetComponentDispatcher(ComponentDispatcher dispatcher)
{
    gComponentDispatcher = dispatcher;
    return 0;
}

std::int32_t CProcessGroupInterface::GetNumProcessTypes(std::int16_t* count)
{
    return clearOut(count);
}

std::int32_t CProcessGroupInterface::HostCall28(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
                                                std::int32_t /*arg3*/, std::uint8_t* arg4)
{
    if (arg4 != nullptr)
        *arg4 = 1;
    return 0;
}

std::int32_t CProcessGroupInterface::HostCall35(std::int32_t* arg1, char** /*arg2*/)
{
    return clearOut(arg1);
}

std::int32_t CProcessGroupInterface::HostCall136(std::int16_t request, std::int32_t* flag, std::int32_t count,
                                                 std::uint32_t* value)
{
    clearOut(flag);
    if (request == kWordSizeRequest && count > 0) {
        if (flag != nullptr)
            *flag = 1;
        if (value != nullptr)
            *value = kWordSize;
    }
    return 0;
}

std::int32_t CProcessGroupInterface::HostCall36(std::int32_t* arg1, std::int32_t* arg2, std::uint32_t /*arg3*/,
                                                std::int32_t /*arg4*/, std::int32_t /*arg5*/)
{
    return clearOut(arg1, arg2);
}

std::int32_t CProcessGroupInterface::HostCall37(std::int32_t* arg1, std::int32_t* arg2, std::uint32_t /*arg3*/,
                                                std::int32_t /*arg4*/, std::int32_t /*arg5*/)
{
    return clearOut(arg1, arg2);
}

std::int32_t CProcessGroupInterface::Operation51(std::int32_t arg1, std::int32_t arg2, std::int32_t arg3,
                                                 std::int32_t arg4)
{
    const std::int32_t prepared = componentCall(kComponentPrepare, {arg1, arg2, arg3, arg4});
    return prepared != 0 ? prepared : componentCall(kComponentRequest51, {arg1, arg2, arg3, arg4});
}

std::int32_t CProcessGroupInterface::Operation52(std::int32_t arg1, std::int32_t arg2)
{
    return componentCall(kComponentRequest52, {arg1, arg2});
}

std::int32_t CProcessGroupInterface::Operation53(std::int32_t arg1, std::int32_t arg2, std::int32_t arg3)
{
    return componentCall(kComponentRequest53, {arg1, arg2, arg3});
}

std::int32_t CProcessGroupInterface::Operation54(std::int32_t arg1, std::int32_t arg2, std::int32_t arg3)
{
    return componentCall(kComponentRequest54, {arg1, arg2, arg3});
}

std::int32_t CProcessGroupInterface::Operation55(std::int32_t arg1, std::int32_t arg2, std::int32_t arg3)
{
    return componentCall(kComponentRequest55, {arg1, arg2, arg3});
}

std::int32_t CProcessGroupInterface::Operation56(std::int32_t arg1, std::int32_t arg2, std::int32_t arg3)
{
    return componentCall(kComponentRequest56, {arg1, arg2, arg3});
}

std::int32_t CProcessGroupInterface::Operation110(std::int32_t arg1)
{
    return componentCall(kComponentRequest110, {arg1});
}

std::int32_t CProcessGroupInterface::componentCall(std::int16_t request, std::initializer_list<std::int32_t> arguments,
                                                   bool withContext)
{
    const ComponentDispatcher dispatcher = gComponentDispatcher;
    if (dispatcher == nullptr)
        return kHostErrNoComponentDispatcher;
    const std::size_t argumentBytes = arguments.size() * sizeof(std::int32_t);
    const auto size = static_cast<std::int32_t>(argumentBytes + (withContext ? sizeof hostContext : 0));
    HostHandle block = HostExtNewHandle(size);
    if (block == nullptr)
        return kHostErrNoComponentParameters;
    HostExtLockHandle(block);
    std::memcpy(*block, std::data(arguments), argumentBytes);
    if (withContext)
        std::memcpy(*block + argumentBytes, &hostContext, sizeof hostContext);
    const std::int16_t result = dispatcher(request, nullptr, block);
    HostExtUnlockHandle(block);
    HostExtDisposeHandle(block);
    return result;
}

std::int32_t CProcessGroupInterface::CompareChunk(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
                                                  SHostPlugInChunk* /*chunk*/, std::uint8_t* same)
{
    clearOut(same);
    return kHostErrNoRoutine;
}

std::int32_t CProcessGroupInterface::GetControlAttributeC(std::uint32_t /*typeID*/, std::int32_t /*processID*/,
                                                          std::int32_t /*control*/, std::int32_t* value)
{
    if (value != nullptr)
        *value = 1;
    return 0;
}

std::int32_t CProcessGroupInterface::HostCall122(std::int32_t /*arg1*/, std::int32_t reserved)
{
    reservedWord = reserved;
    return 0;
}

// Gives the host its lock for a while: leaves every level this thread holds, lets the host work, and
// takes the same levels again. Its own level first makes the count right when no level is held: a
// leave at depth 0 leaves nothing, and re-entering for it would keep the lock for good.
std::int32_t CProcessGroupInterface::YieldHostCall()
{
    std::int32_t left = 0;
    for (std::int32_t remaining = EnterHostCall(); remaining > 0; remaining = LeaveHostCall())
        ++left;
    std::int32_t waited = 0;
    HostExtWaitForHost(0, &waited);
    for (; left > 1; --left)
        EnterHostCall();
    return 0;
}

void CProcessGroupInterface::SetLockLevel(std::int32_t level)
{
    gLockLevel = level;
}

std::int32_t CProcessGroupInterface::HostCall14(ComponentDispatcher dispatcher)
{
    return SetComponentDispatcher(dispatcher);
}

std::int32_t CProcessGroupInterface::HostCall38(void* context)
{
    hostContext = context;
    return 0;
}

std::int32_t CProcessGroupInterface::HostCall73(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                std::intptr_t* pointer)
{
    return Operation66(typeID, processID, control, pointer);
}

std::int32_t CProcessGroupInterface::HostCall74(std::uint32_t typeID, std::int32_t processID, std::int32_t control,
                                                std::intptr_t* pointer)
{
    return Operation67(typeID, processID, control, pointer);
}

std::int32_t CProcessGroupInterface::HostCall90(SControlSpecifier control, std::int32_t value, char* text,
                                                std::int32_t length)
{
    return GetControlValueTextOfLength(control.typeID, control.processID, control.control, value, text, length);
}

std::int32_t CProcessGroupInterface::HostCall96(SParamSpecifier parameter, std::int16_t* out)
{
    return Operation120(parameter.typeID, parameter.processID, parameter.values[0], parameter.values[1],
                        parameter.values[2], out);
}

std::int32_t CProcessGroupInterface::HostCall97(SParamSpecifier parameter, std::int16_t arg6, char* text)
{
    return Operation121(parameter.typeID, parameter.processID, parameter.values[0], parameter.values[1],
                        parameter.values[2], arg6, text);
}

std::int32_t CProcessGroupInterface::HostCall121(SProcessSpecifier process, std::uint32_t table, std::int16_t entry,
                                                 std::int16_t arg5, std::int16_t arg6)
{
    return GetTableEntryValue(process.typeID, process.processID, table, entry, arg5, arg6);
}

std::int32_t CProcessGroupInterface::HostCall131(SControlSpecifier control, char* name, std::int32_t length,
                                                 std::uint32_t arg6, std::int16_t* arg7)
{
    return GetControlNameOfLength(control.typeID, control.processID, control.control, name, length, arg6, arg7);
}

std::int32_t CProcessGroupInterface::HostCall138(SHostPlugInSpec* record, std::int32_t arg2, SStemSpecifier first,
                                                 SStemSpecifier second)
{
    return Operation105(record, arg2, first.first, first.second, second.first, second.second);
}

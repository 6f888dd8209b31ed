#include "hostframework/host_services.h"

#include "hostlibs/dspshell/dsp_shell.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"

#include <cstdarg>
#include <cstdio>

namespace {

constexpr std::uint32_t kLockServiceSelector = FourCharCode("pisi");
constexpr std::uint32_t kProgramListClient = FourCharCode("PrgL");
constexpr std::int32_t kProgramListMessage = 1002;

constinit IHostLockService* gHostLockService = nullptr;

} // namespace

IHostLockService* GetHostLockService()
{
    if (gHostLockService == nullptr) {
        std::intptr_t answer = 0;
        if (HostGestalt(kLockServiceSelector, &answer) == 0)
            gHostLockService = reinterpret_cast<IHostLockService*>(answer);
    }
    return gHostLockService;
}

std::int32_t GetEngineUnknown(IEngineUnknown** engine)
{
    const auto function = reinterpret_cast<HostGetEngineUnknownFunction>(
        GetProcAddress(GetModuleHandleA("HOSTENGINE.DLL"), "_HostGetEngineUnknown@4"));
    return function != nullptr ? function(engine) : -1;
}

std::uint32_t WaitTicks(std::uint32_t count)
{
    const std::uint64_t end = HostExtReadTimeCounter() + count;
    std::uint64_t now = 0;
    do
        now = HostExtReadTimeCounter();
    while (now < end);
    return static_cast<std::uint32_t>(now);
}

bool IsValidHandle(HostHandle handle)
{
    const auto even = [](const void* pointer) { return (reinterpret_cast<std::uintptr_t>(pointer) & 1u) == 0; };
    if (handle != nullptr && *handle != nullptr && even(handle) && even(*handle))
        return true;
    // A command for the host's debugger, which fills in the number itself.
    std::uint8_t message[256] = {};
    HostExtTextToLengthPrefixed(");printf \"IsValidHandle bad handle:%d\" rd0", message);
    HostExtDebugMessage(message);
    return false;
}

void DebugPrintf(const char* format, ...)
{
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    DshPrintf(text);
}

std::int16_t SendToPrgLClients(std::int32_t value)
{
    DshClient* client = nullptr;
    if (GetClientList(&client) != 0)
        return 0;
    for (; client != nullptr; client = client->next) {
        if (client->type != kProgramListClient || client->messagePort == nullptr)
            continue;
        const DshMessage message{client->messagePort, {0, kProgramListMessage, 4, value}};
        const std::int16_t result = DshSendMsg(&message);
        if (result != 0 && result != -1)
            return result;
    }
    return 0;
}

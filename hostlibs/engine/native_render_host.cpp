#include "hostlibs/engine/engine_state.h"
#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/engine/host_native_render.h"

#include <map>
#include <mutex>
#include <vector>

namespace {

struct NativeHost {
    std::mutex lock;
    std::map<std::uint32_t, std::intptr_t> capabilities;
    std::vector<hostengine::AuxConnection> auxConnections;
    std::int32_t maximumQuantum = 0;
};

NativeHost& nativeHost()
{
    static NativeHost state;
    return state;
}

} // namespace

namespace hostengine {

bool answerCapability(std::uint32_t selector, std::intptr_t* answer)
{
    NativeHost& state = nativeHost();
    const std::lock_guard<std::mutex> guard(state.lock);
    const auto found = state.capabilities.find(selector);
    if (found == state.capabilities.end())
        return false;
    if (answer != nullptr)
        *answer = found->second;
    return true;
}

void setCapability(std::uint32_t selector, std::intptr_t answer)
{
    const std::lock_guard<std::mutex> guard(nativeHost().lock);
    nativeHost().capabilities[selector] = answer;
}

void setAuxConnections(std::vector<AuxConnection> connections)
{
    const std::lock_guard<std::mutex> guard(nativeHost().lock);
    nativeHost().auxConnections = std::move(connections);
}

void setMaximumNativeQuantum(std::int32_t frames)
{
    const std::lock_guard<std::mutex> guard(nativeHost().lock);
    nativeHost().maximumQuantum = frames;
}

void resetNativeHost()
{
    const std::lock_guard<std::mutex> guard(nativeHost().lock);
    nativeHost().capabilities.clear();
    nativeHost().auxConnections.clear();
    nativeHost().maximumQuantum = 0;
}

} // namespace hostengine

extern "C" {

std::int32_t HostCountAuxConnections(const void* /*process*/)
{
    const std::lock_guard<std::mutex> guard(nativeHost().lock);
    return static_cast<std::int32_t>(nativeHost().auxConnections.size());
}

std::int16_t HostGetAuxConnection(const void* /*process*/, std::int32_t index, std::int32_t* format,
                                  std::uint8_t* active)
{
    const std::lock_guard<std::mutex> guard(nativeHost().lock);
    const auto& connections = nativeHost().auxConnections;
    if (index < 0 || index >= static_cast<std::int32_t>(connections.size()))
        return -1;
    if (format != nullptr)
        *format = connections[static_cast<std::size_t>(index)].format;
    if (active != nullptr)
        *active = connections[static_cast<std::size_t>(index)].active ? 1 : 0;
    return 0;
}

std::int32_t HostGetMaximumNativeQuantum()
{
    const std::lock_guard<std::mutex> guard(nativeHost().lock);
    return nativeHost().maximumQuantum;
}

} // extern "C"

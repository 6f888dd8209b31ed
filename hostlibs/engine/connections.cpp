#include "hostlibs/engine/engine_state.h"
#include "hostlibs/engine/host_engine.h"
#include "hostlibs/engine/host_engine_control.h"
#include "platform/four_char_code.h"

#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kPreparationSelector = FourCharCode("cmvc");
constexpr std::uint32_t kPrecisionSelector = FourCharCode("prec");

struct Connections {
    std::mutex lock;
    bool preparationOffered = false;
    bool precisionOffered = false;
    std::int16_t precision = 0;
    bool prepared = false;
    std::vector<std::string> calls;

    std::int16_t record(const std::string& call)
    {
        const std::lock_guard<std::mutex> guard(lock);
        calls.push_back(call);
        return 0;
    }
};

Connections& connections()
{
    static Connections state;
    return state;
}

std::string pointerText(const void* pointer)
{
    return pointer == nullptr ? "null" : "object";
}

std::int16_t precisionRoutine()
{
    return connections().precision;
}

} // namespace

namespace hostengine {

bool answerConnectionGestalt(std::uint32_t selector, std::intptr_t* answer)
{
    Connections& state = connections();
    const std::lock_guard<std::mutex> guard(state.lock);
    if (selector == kPreparationSelector && state.preparationOffered) {
        if (answer != nullptr)
            *answer = 1;
        return true;
    }
    if (selector == kPrecisionSelector && state.precisionOffered) {
        if (answer != nullptr)
            *answer = reinterpret_cast<std::intptr_t>(&precisionRoutine);
        return true;
    }
    return false;
}

void offerConnectionPreparation(bool offered)
{
    const std::lock_guard<std::mutex> guard(connections().lock);
    connections().preparationOffered = offered;
}

void offerPrecision(std::int16_t precision)
{
    const std::lock_guard<std::mutex> guard(connections().lock);
    connections().precisionOffered = true;
    connections().precision = precision;
}

void setConnectionsPrepared(bool prepared)
{
    const std::lock_guard<std::mutex> guard(connections().lock);
    connections().prepared = prepared;
}

std::vector<std::string> connectionCalls()
{
    const std::lock_guard<std::mutex> guard(connections().lock);
    return connections().calls;
}

void forgetConnectionCalls()
{
    Connections& state = connections();
    const std::lock_guard<std::mutex> guard(state.lock);
    state.calls.clear();
    state.preparationOffered = false;
    state.precisionOffered = false;
    state.prepared = false;
}

} // namespace hostengine

extern "C" {

std::int16_t HostReactivateTalker(void* talker, std::int16_t value)
{
    return connections().record("HostReactivateTalker " + pointerText(talker) + " " + std::to_string(value));
}

std::int16_t HostDeactivateTalker(void* talker, std::int16_t value)
{
    return connections().record("HostDeactivateTalker " + pointerText(talker) + " " + std::to_string(value));
}

std::int16_t HostReactivateListener(void* listener, std::int16_t value)
{
    return connections().record("HostReactivateListener " + pointerText(listener) + " " + std::to_string(value));
}

std::int16_t HostDeactivateListener(void* listener, std::int16_t value)
{
    return connections().record("HostDeactivateListener " + pointerText(listener) + " " + std::to_string(value));
}

std::int16_t HostPrepareForConnections(std::int32_t reserved, std::int16_t start)
{
    Connections& state = connections();
    state.record("HostPrepareForConnections " + std::to_string(reserved) + " " + std::to_string(start));
    const std::lock_guard<std::mutex> guard(state.lock);
    state.prepared = start != 0;
    return 0;
}

std::int16_t HostPrepareForConnectionsStatus(std::int32_t reserved)
{
    Connections& state = connections();
    state.record("HostPrepareForConnectionsStatus " + std::to_string(reserved));
    const std::lock_guard<std::mutex> guard(state.lock);
    return state.prepared ? 0x101 : 0x100;
}

std::int16_t HostCreatePlugInSpec(std::uint32_t manufacturer, std::uint32_t product, std::uint32_t type,
                                  SConversantInfo* info)
{
    return connections().record("HostCreatePlugInSpec " + std::to_string(manufacturer) + " " +
                                std::to_string(product) + " " + std::to_string(type) + " " + pointerText(info));
}

} // extern "C"

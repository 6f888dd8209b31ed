#include "hostlibs/engine/engine_state.h"
#include "hostlibs/engine/host_engine.h"
#include "hostlibs/engine/host_engine_control.h"

#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <set>

namespace {

constexpr std::int16_t kNoSuchHandle = -50;
constexpr std::int16_t kNameTaken = -48;
constexpr std::int32_t kListenerType = 56;
constexpr std::intptr_t kStandardTypeBase = 0x100;
constexpr std::size_t kLengthOffset = 36;
constexpr std::size_t kHeaderSize = 38;

struct QueuedToken {
    std::vector<std::uint8_t> bytes;
    void* taskValue;
};

// The object server and the messaging service it carries: objects, names, listeners and tokens.
struct Service {
    std::mutex lock;
    bool offered = false;
    std::vector<std::string> calls;
    std::set<std::intptr_t> live;
    std::intptr_t nextHandle = 0x1000;
    bool failListeners = false;
    std::int16_t nameRefusal = 0;
    std::map<std::int32_t, std::pair<std::int32_t, std::string>> names;
    std::int32_t nextName = 1;
    std::map<std::intptr_t, hostengine::ListenerSetup> listeners;
    std::deque<QueuedToken> queue;
    std::set<std::uint8_t*> handedOut;
    std::vector<std::vector<std::uint8_t>> dispatched;
    int idles = 0;

    std::intptr_t make(const std::string& call)
    {
        calls.push_back(call);
        live.insert(nextHandle);
        return nextHandle++;
    }
    std::int32_t findName(std::int32_t parent, const std::string& name) const
    {
        for (const auto& [id, entry] : names)
            if (entry.first == parent && entry.second == name)
                return id;
        return 0;
    }
};

Service& service()
{
    static Service state;
    return state;
}

using Guard = std::lock_guard<std::mutex>;

template <typename Field>
std::int16_t setListener(std::intptr_t listener, Field hostengine::ListenerSetup::*field, Field value)
{
    const Guard guard(service().lock);
    const auto found = service().listeners.find(listener);
    if (found == service().listeners.end())
        return kNoSuchHandle;
    found->second.*field = value;
    return 0;
}

} // namespace

namespace hostengine {

bool answerObjectServerGestalt()
{
    const Guard guard(service().lock);
    service().calls.push_back("HostGestalt hsds");
    return service().offered;
}

} // namespace hostengine

extern "C" {

bool HostIsAlive()
{
    const Guard guard(service().lock);
    service().calls.push_back("HostIsAlive");
    return service().offered;
}

std::intptr_t HostNewServer()
{
    const Guard guard(service().lock);
    return service().make("HostNewServer");
}

std::intptr_t HostFindStandardType(std::intptr_t, std::int32_t standardType)
{
    const Guard guard(service().lock);
    service().calls.push_back("HostFindStandardType " + std::to_string(standardType));
    return kStandardTypeBase + standardType;
}

std::intptr_t HostNewObject(std::intptr_t, std::intptr_t type)
{
    const Guard guard(service().lock);
    if (type == kStandardTypeBase + kListenerType) {
        if (service().failListeners)
            return 0;
        const std::intptr_t listener = service().make("HostNewObject listener");
        service().listeners[listener] = {};
        return listener;
    }
    return service().make("HostNewObject");
}

std::int16_t HostDelete(std::intptr_t handle)
{
    const Guard guard(service().lock);
    service().calls.push_back("HostDelete");
    service().listeners.erase(handle);
    return service().live.erase(handle) == 1 ? std::int16_t{0} : kNoSuchHandle;
}

std::int16_t HostSDSReserveName(std::int32_t parent, const char* name, std::int32_t* id)
{
    const Guard guard(service().lock);
    Service& state = service();
    if (state.nameRefusal != 0)
        return state.nameRefusal;
    const std::string text = name != nullptr ? name : "";
    if (state.findName(parent, text) != 0)
        return kNameTaken;
    const std::int32_t reserved = state.nextName++;
    state.names[reserved] = {parent, text};
    if (id != nullptr)
        *id = reserved;
    return 0;
}

std::int16_t HostSDSGetNameId(std::int32_t parent, const char* name, std::int32_t* id)
{
    const Guard guard(service().lock);
    const std::string text = name != nullptr ? name : "";
    // The empty name at the root is the service's own.
    const std::int32_t found = parent == 0 && text.empty() ? -1 : service().findName(parent, text);
    if (id != nullptr)
        *id = found;
    return found != 0 ? std::int16_t{0} : kNoSuchHandle;
}

std::int16_t HostSDSFreeName(std::int32_t parent, const char* name)
{
    const Guard guard(service().lock);
    const std::int32_t id = service().findName(parent, name != nullptr ? name : "");
    return service().names.erase(id) == 1 ? std::int16_t{0} : kNoSuchHandle;
}

std::int16_t HostSDSSetListenerName(std::intptr_t listener, std::int32_t name, std::int32_t)
{
    return setListener(listener, &hostengine::ListenerSetup::name, name);
}

std::int16_t HostSDSSetListenerType(std::intptr_t listener, std::uint32_t messageClass)
{
    return setListener(listener, &hostengine::ListenerSetup::messageClass, messageClass);
}

std::int16_t HostSDSSetListenerSubType(std::intptr_t listener, std::uint32_t selector)
{
    return setListener(listener, &hostengine::ListenerSetup::selector, selector);
}

std::int16_t HostSDSSetListenerGoal(std::intptr_t listener, std::int32_t goal)
{
    return setListener(listener, &hostengine::ListenerSetup::goal, goal);
}

std::int16_t HostSDSSetListenerCriticalFlag(std::intptr_t listener, std::int32_t critical)
{
    return setListener(listener, &hostengine::ListenerSetup::critical, critical);
}

std::int16_t HostSDSSetListenerLatestFlag(std::intptr_t listener, std::int32_t latest)
{
    return setListener(listener, &hostengine::ListenerSetup::latest, latest);
}

std::int16_t HostSDSSetListenerTaskVal(std::intptr_t listener, void* taskValue)
{
    return setListener(listener, &hostengine::ListenerSetup::taskValue, taskValue);
}

std::int16_t HostSDSSetListenerTask(std::intptr_t listener, std::intptr_t task)
{
    return setListener(listener, &hostengine::ListenerSetup::task, task);
}

std::int16_t HostSDSSetListenerProtocol(std::intptr_t listener, std::uint32_t protocol)
{
    return setListener(listener, &hostengine::ListenerSetup::protocol, protocol);
}

std::int16_t HostSDSSetListenerManufacturer(std::intptr_t listener, std::uint32_t manufacturer)
{
    return setListener(listener, &hostengine::ListenerSetup::manufacturer, manufacturer);
}

std::int16_t HostSDSGetTokenAndTaskVal(std::intptr_t, std::int32_t* word, void** taskValue, std::uint8_t** token)
{
    const Guard guard(service().lock);
    Service& state = service();
    *token = nullptr;
    if (word != nullptr)
        *word = 0;
    if (state.queue.empty())
        return 0;
    QueuedToken next = std::move(state.queue.front());
    state.queue.pop_front();
    auto* bytes = new std::uint8_t[next.bytes.size()];
    std::memcpy(bytes, next.bytes.data(), next.bytes.size());
    state.handedOut.insert(bytes);
    *token = bytes;
    if (taskValue != nullptr)
        *taskValue = next.taskValue;
    return 0;
}

std::int16_t HostSDSDispatchToken(const std::uint8_t* token)
{
    const Guard guard(service().lock);
    if (token == nullptr)
        return kNoSuchHandle;
    std::uint16_t length = 0;
    std::memcpy(&length, token + kLengthOffset, sizeof length);
    const std::size_t size = length < kHeaderSize ? kHeaderSize : length;
    service().dispatched.emplace_back(token, token + size);
    return 0;
}

std::int16_t HostSDSDoneWithToken(std::uint8_t* token)
{
    const Guard guard(service().lock);
    if (service().handedOut.erase(token) == 0)
        return kNoSuchHandle;
    delete[] token;
    return 0;
}

void HostPersonalityDoIdle()
{
    const Guard guard(service().lock);
    ++service().idles;
}

} // extern "C"

namespace hostengine {

void offerObjectServer(bool offered)
{
    const Guard guard(service().lock);
    service().offered = offered;
}

std::vector<std::string> objectServerCalls()
{
    const Guard guard(service().lock);
    return service().calls;
}

int liveObjectServerHandles()
{
    const Guard guard(service().lock);
    return static_cast<int>(service().live.size());
}

void resetObjectServer()
{
    const Guard guard(service().lock);
    Service& state = service();
    state.offered = false;
    state.calls.clear();
    state.live.clear();
    state.failListeners = false;
    state.nameRefusal = 0;
    state.names.clear();
    state.listeners.clear();
    state.queue.clear();
    state.dispatched.clear();
    state.idles = 0;
}

std::vector<std::vector<std::uint8_t>> dispatchedTokens()
{
    const Guard guard(service().lock);
    return service().dispatched;
}

void queueToken(std::vector<std::uint8_t> token, void* taskValue)
{
    const Guard guard(service().lock);
    service().queue.push_back({std::move(token), taskValue});
}

int queuedTokens()
{
    const Guard guard(service().lock);
    return static_cast<int>(service().queue.size());
}

void refuseNames(std::int16_t code)
{
    const Guard guard(service().lock);
    service().nameRefusal = code;
}

void failListenerObjects(bool fail)
{
    const Guard guard(service().lock);
    service().failListeners = fail;
}

std::vector<std::string> reservedNames()
{
    const Guard guard(service().lock);
    std::vector<std::string> texts;
    for (const auto& [id, entry] : service().names)
        texts.push_back(std::to_string(entry.first) + "/" + entry.second);
    return texts;
}

std::vector<ListenerSetup> liveListeners()
{
    const Guard guard(service().lock);
    std::vector<ListenerSetup> setups;
    for (const auto& [handle, setup] : service().listeners)
        setups.push_back(setup);
    return setups;
}

int idleCalls()
{
    const Guard guard(service().lock);
    return service().idles;
}

} // namespace hostengine

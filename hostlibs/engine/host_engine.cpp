#include "hostlibs/engine/host_engine.h"

#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/withheld_names.h"

#include <atomic>
#include <mutex>
#include <set>
#include <vector>
#include <string>

struct HostLock {
    std::recursive_mutex mutex;
    std::string name;
};

namespace {

constexpr std::uint32_t kLockServiceSelector = ('p' << 24) | ('i' << 16) | ('s' << 8) | 'i';
constexpr std::uint32_t kObjectServerSelector = ('h' << 24) | ('s' << 16) | ('d' << 8) | 's';
constexpr std::int16_t kUnknownSelector = -5551;
constexpr std::int16_t kNoSuchHandle = -50;

hostlibs::WithheldNames& withheldNames()
{
    static hostlibs::WithheldNames names;
    return names;
}

std::atomic<PlugInOpenProc> gOpenProc{nullptr};
std::atomic<PlugInCloseProc> gCloseProc{nullptr};

class LockService final : public IHostLockService {
public:
    std::int32_t GetVersion() override { return version; }
    HostLock* CreateLock() override { return create(""); }
    HostLock* CreateNamedLock(const char* name) override { return create(name != nullptr ? name : ""); }
    void DeleteLock(HostLock* lock) override
    {
        if (lock == nullptr)
            return;
        counts.deleted++;
        delete lock;
    }
    void EnterLock(HostLock* lock) override
    {
        lock->mutex.lock();
        counts.entered++;
    }
    std::uint8_t TryEnterLock(HostLock* lock) override
    {
        if (!lock->mutex.try_lock())
            return 0;
        counts.entered++;
        return 1;
    }
    void LeaveLock(HostLock* lock) override
    {
        counts.left++;
        lock->mutex.unlock();
    }

    bool offered = true;
    std::int32_t version = 2;
    bool failCreation = false;
    hostengine::LockServiceCounts counts;
    std::string lastName;

private:
    HostLock* create(const std::string& name)
    {
        if (failCreation)
            return nullptr;
        counts.created++;
        lastName = name;
        counts.lastName = lastName.c_str();
        auto* lock = new HostLock;
        lock->name = name;
        return lock;
    }
};

LockService& lockService()
{
    static LockService service;
    return service;
}

struct ObjectServer {
    std::mutex lock;
    bool offered = false;
    std::vector<std::string> calls;
    std::set<std::intptr_t> live;
    std::intptr_t nextHandle = 0x1000;

    std::intptr_t make(const std::string& call)
    {
        calls.push_back(call);
        live.insert(nextHandle);
        return nextHandle++;
    }
};

ObjectServer& objectServer()
{
    static ObjectServer server;
    return server;
}

} // namespace

extern "C" {

bool kravoHostLibraryOffers(const char* name)
{
    return withheldNames().offers(name);
}

void SetPlugInOpenAndCloseProcs(PlugInOpenProc open, PlugInCloseProc close)
{
    gOpenProc = open;
    gCloseProc = close;
}

std::int16_t HostGestalt(std::uint32_t selector, std::intptr_t* answer)
{
    if (answer != nullptr)
        *answer = 0;
    if (selector == kObjectServerSelector) {
        const std::lock_guard<std::mutex> guard(objectServer().lock);
        objectServer().calls.push_back("HostGestalt hsds");
        return objectServer().offered ? std::int16_t{0} : kUnknownSelector;
    }
    if (selector == kLockServiceSelector && lockService().offered) {
        if (answer != nullptr)
            *answer = reinterpret_cast<std::intptr_t>(static_cast<IHostLockService*>(&lockService()));
        return 0;
    }
    return kUnknownSelector;
}

bool HostIsAlive()
{
    const std::lock_guard<std::mutex> guard(objectServer().lock);
    objectServer().calls.push_back("HostIsAlive");
    return objectServer().offered;
}

std::intptr_t HostNewServer()
{
    const std::lock_guard<std::mutex> guard(objectServer().lock);
    return objectServer().make("HostNewServer");
}

std::intptr_t HostFindStandardType(std::intptr_t, std::int32_t standardType)
{
    const std::lock_guard<std::mutex> guard(objectServer().lock);
    objectServer().calls.push_back("HostFindStandardType " + std::to_string(standardType));
    return 0x100 + standardType;
}

std::intptr_t HostNewObject(std::intptr_t, std::intptr_t)
{
    const std::lock_guard<std::mutex> guard(objectServer().lock);
    return objectServer().make("HostNewObject");
}

std::int16_t HostDelete(std::intptr_t handle)
{
    const std::lock_guard<std::mutex> guard(objectServer().lock);
    objectServer().calls.push_back("HostDelete");
    return objectServer().live.erase(handle) == 1 ? std::int16_t{0} : kNoSuchHandle;
}

std::int32_t HostGetEngineUnknown(IEngineUnknown** engine)
{
    if (engine != nullptr)
        *engine = nullptr;
    return 0;
}

} // extern "C"

namespace hostengine {

void withhold(const char* name)
{
    withheldNames().withhold(name);
}

void offerEverything()
{
    withheldNames().offerEverything();
}

bool hasOpenAndCloseProcs()
{
    return gOpenProc.load() != nullptr && gCloseProc.load() != nullptr;
}

std::int16_t openPlugIn()
{
    const PlugInOpenProc open = gOpenProc.load();
    return open != nullptr ? open() : std::int16_t{-1};
}

std::int16_t closePlugIn()
{
    const PlugInCloseProc close = gCloseProc.load();
    return close != nullptr ? close() : std::int16_t{-1};
}

void forgetOpenAndCloseProcs()
{
    gOpenProc = nullptr;
    gCloseProc = nullptr;
}

void offerLockService(bool offered)
{
    lockService().offered = offered;
}

void setLockServiceVersion(std::int32_t version)
{
    lockService().version = version;
}

void failLockCreation(bool fail)
{
    lockService().failCreation = fail;
}

LockServiceCounts lockServiceCounts()
{
    return lockService().counts;
}

void resetLockService()
{
    LockService& service = lockService();
    service.offered = true;
    service.version = 2;
    service.failCreation = false;
    service.counts = {};
}

void offerObjectServer(bool offered)
{
    const std::lock_guard<std::mutex> guard(objectServer().lock);
    objectServer().offered = offered;
}

std::vector<std::string> objectServerCalls()
{
    const std::lock_guard<std::mutex> guard(objectServer().lock);
    return objectServer().calls;
}

int liveObjectServerHandles()
{
    const std::lock_guard<std::mutex> guard(objectServer().lock);
    return static_cast<int>(objectServer().live.size());
}

void resetObjectServer()
{
    const std::lock_guard<std::mutex> guard(objectServer().lock);
    objectServer().offered = false;
    objectServer().calls.clear();
    objectServer().live.clear();
}

} // namespace hostengine

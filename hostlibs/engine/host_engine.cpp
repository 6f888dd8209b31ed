#include "hostlibs/engine/host_engine.h"

#include "hostlibs/engine/host_engine_control.h"
#include "hostlibs/engine/engine_state.h"
#include "hostlibs/withheld_names.h"
#include "platform/four_char_code.h"

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

constexpr std::uint32_t kLockServiceSelector = FourCharCode("pisi");
constexpr std::uint32_t kObjectServerSelector = FourCharCode("hsds");
constexpr std::int16_t kUnknownSelector = -5551;

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
    if (selector == kObjectServerSelector)
        return hostengine::answerObjectServerGestalt() ? std::int16_t{0} : kUnknownSelector;
    if (hostengine::answerConnectionGestalt(selector, answer) || hostengine::answerCapability(selector, answer))
        return 0;
    if (selector == kLockServiceSelector && lockService().offered) {
        if (answer != nullptr)
            *answer = reinterpret_cast<std::intptr_t>(static_cast<IHostLockService*>(&lockService()));
        return 0;
    }
    return kUnknownSelector;
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

} // namespace hostengine

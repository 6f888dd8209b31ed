#include "hostlibs/dspmanager/dsp_manager.h"

#include "hostlibs/dspmanager/dsp_manager_control.h"

#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

bool sameID(const DspInterfaceID& a, const DspInterfaceID& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class FakeManager final : public IDSPManager {
public:
    std::int32_t QueryInterface(const DspInterfaceID& id, void** out) override
    {
        if (!sameID(id, kDSPManagerInterfaceID)) {
            *out = nullptr;
            return static_cast<std::int32_t>(0x80004002u);
        }
        *out = static_cast<IDSPManager*>(this);
        AddRef();
        return 0;
    }
    std::int32_t AddRef() override { return ++references; }
    std::int32_t Release() override { return --references; }
    std::int16_t AttachGroup(void*, std::int32_t* out) override
    {
        if (out != nullptr)
            *out = 1;
        return record("AttachGroup");
    }
    std::int16_t DetachGroup(std::int32_t) override { return record("DetachGroup"); }
    std::int16_t RegisterConversant(void*) override { return record("RegisterConversant"); }
    std::int16_t ActivateConversant(void*) override { return record("ActivateConversant"); }
    std::int16_t DeactivateConversant(void*) override { return record("DeactivateConversant"); }
    std::int16_t UnregisterConversant(void*) override { return record("UnregisterConversant"); }
    std::int16_t SetConversantDSP(void*, std::int32_t, std::int16_t) override { return record("SetConversantDSP"); }

    std::int16_t record(const std::string& name)
    {
        const std::lock_guard<std::mutex> guard(lock);
        recorded.push_back(name);
        const auto failure = failures.find(name);
        return failure != failures.end() ? failure->second : std::int16_t{0};
    }

    std::mutex lock;
    std::vector<std::string> recorded;
    std::map<std::string, std::int16_t> failures;

    std::atomic<std::int32_t> references{0};
    std::atomic<bool> present{false};
    std::atomic<int> requests{0};
};

FakeManager& manager()
{
    static FakeManager fake;
    return fake;
}

} // namespace

extern "C" IDSPManagerUnknown* GetDSPManager()
{
    FakeManager& fake = manager();
    ++fake.requests;
    if (!fake.present)
        return nullptr;
    fake.AddRef();
    return &fake;
}

namespace dspmanager {

void provide(bool present)
{
    FakeManager& fake = manager();
    fake.present = present;
    fake.requests = 0;
    const std::lock_guard<std::mutex> guard(fake.lock);
    fake.recorded.clear();
    fake.failures.clear();
}

std::vector<std::string> calls()
{
    const std::lock_guard<std::mutex> guard(manager().lock);
    return manager().recorded;
}

void failCall(const std::string& name, std::int16_t code)
{
    const std::lock_guard<std::mutex> guard(manager().lock);
    manager().failures[name] = code;
}

std::int32_t outstandingReferences()
{
    return manager().references;
}

int managerRequests()
{
    return manager().requests;
}

} // namespace dspmanager

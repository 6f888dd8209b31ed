#include "hostlibs/dspmanager/dsp_manager.h"

#include "hostlibs/dspmanager/dsp_manager_control.h"

#include <atomic>
#include <cstring>

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
        return 0;
    }
    std::int16_t DetachGroup(std::int32_t) override { return 0; }

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
    manager().present = present;
    manager().requests = 0;
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

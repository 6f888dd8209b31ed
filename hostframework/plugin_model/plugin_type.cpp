#include "hostframework/plugin_model/plugin_type.h"

#include "hostframework/plugin_model/object_tracker.h"
#include "hostframework/plugin_model/plugin_group.h"
#include "platform/four_char_code.h"

namespace {

constexpr std::int32_t kHandleInUse = kHostErrNoProcess;
constexpr std::int32_t kInstanceNotMade = kHostErrNullArgument;

} // namespace

CPlugInType::CPlugInType(CPlugInGroup& group)
    : group(&group),
      defaultPlugIn(identity(), this),
      defaultPort(defaultPlugIn),
      defaultControl(defaultPlugIn),
      defaultUserInterface(defaultPlugIn)
{
    TrackObject(this, kPlugInTypeObject);
}

CPlugInType::~CPlugInType()
{
    UntrackObject(this);
}

CPlugIn* CPlugInType::FindPlugIn(std::uintptr_t handle)
{
    auto* instance = reinterpret_cast<CPlugIn*>(index.Find(handle));
    return instance != nullptr ? instance : &defaultPlugIn;
}

SPlugInID& CPlugInType::GetID(SPlugInID& out)
{
    out = identity();
    return out;
}

std::int32_t CPlugInType::CreatePlugIn(std::uintptr_t* record)
{
    if (index.Find(record[0]) != 0)
        return kHandleInUse;
    CPlugIn* instance = NewPlugIn(record);
    if (instance == nullptr) {
        record[0] = 0;
        return kInstanceNotMade;
    }
    instances.Append(instance);
    index.Set(record[0], reinterpret_cast<std::uintptr_t>(instance));
    instance->ReportState();
    return 0;
}

std::int32_t CPlugInType::CreatePlugInWithValue(std::uintptr_t* record)
{
    const std::uint32_t kept = group->GetValue();
    group->SetValue(static_cast<std::uint32_t>(record[0]));
    try {
        const std::int32_t result = CreatePlugIn(record + 1);
        group->SetValue(kept);
        return result;
    } catch (...) {
        group->SetValue(kept);
        throw;
    }
}

std::int32_t CPlugInType::DeletePlugIn(std::uintptr_t handle)
{
    auto* instance = reinterpret_cast<CPlugIn*>(index.Find(handle));
    if (instances.Find(instance) == nullptr)
        return kHostErrNoSuchInstance;
    instances.Remove(instance);
    index.Erase(handle);
    delete instance;
    return 0;
}

// Read while the type is still being built: the fallback instance carries it.
SPlugInID CPlugInType::identity() const
{
    constexpr std::uint32_t kNoCode = FourCharCode("    ");
    return {{static_cast<std::uint32_t>(kHostErrNotAnEffectType), kNoCode, kNoCode, group->GetValue(), 0}};
}

#include "hostframework/plugin_model/plugin_group.h"

#include "hostframework/plugin_model/object_tracker.h"

#include <algorithm>

namespace {

constexpr char kHostVendorName[] = "Host Vendor";

} // namespace

CPlugInGroup::CPlugInGroup(std::uint32_t value) : value(value), defaultType(*this)
{
    manufacturerNames.AddName(kHostVendorName);
    TrackObject(this, kPlugInGroupObject);
}

CPlugInGroup::~CPlugInGroup()
{
    UntrackObject(this);
}

CPlugInType* CPlugInGroup::FindType(const std::uint32_t (&code)[4])
{
    for (CPlugInType* type : types) {
        SPlugInID id;
        type->GetID(id);
        if (std::equal(std::begin(code), std::end(code), id.words))
            return type;
    }
    return &defaultType;
}

std::int32_t CPlugInGroup::CollectTypes(std::int32_t wanted)
{
    for (CPlugInType* type : types) {
        if (type->Operation6() == wanted)
            collected.Append(type);
    }
    return 0;
}

std::int16_t CPlugInGroup::Operation19(std::int32_t a)
{
    keptArgument = a;
    return broadcast([a](CPlugIn& instance) { return instance.Extension38(a); });
}

std::int16_t CPlugInGroup::Operation20(std::int32_t a)
{
    return broadcast([a](CPlugIn& instance) { return instance.Extension39(a); });
}

std::int16_t CPlugInGroup::Operation21(std::int32_t a)
{
    return broadcast([a](CPlugIn& instance) { return instance.Extension40(a); });
}

std::int16_t CPlugInGroup::Operation22(std::int32_t a, std::int32_t b)
{
    return broadcast([a, b](CPlugIn& instance) { return instance.Extension41(a, b); });
}

std::int16_t CPlugInGroup::Operation23(std::int32_t a)
{
    return broadcast([a](CPlugIn& instance) { return instance.Extension43(a); });
}

// Every instance hears the call, whatever the others answered.
template <typename Call>
std::int16_t CPlugInGroup::broadcast(Call call)
{
    std::int16_t first = 0;
    for (CPlugInType* type : types) {
        for (CPlugIn* instance : type->InstanceSet()) {
            const std::int16_t answer = call(*instance);
            if (first == 0)
                first = answer;
        }
    }
    return first;
}

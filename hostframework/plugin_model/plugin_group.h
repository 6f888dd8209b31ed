#pragma once

// The group above the plug-in types: finds a type by its code, collects types by a query, and
// passes five of the instances' extension operations to every instance of every type. Its value
// is the fourth word of every type's identity.

#include "hostframework/plugin_model/clear_out.h"
#include "hostframework/plugin_model/plugin_string.h"
#include "hostframework/plugin_model/plugin_type.h"
#include "hostframework/plugin_model/set.h"

#include <cstdint>

class CPlugInGroup {
public:
    explicit CPlugInGroup(std::uint32_t value);
    CPlugInGroup(const CPlugInGroup&) = delete;
    CPlugInGroup& operator=(const CPlugInGroup&) = delete;

    virtual ~CPlugInGroup();
    // The first type whose identity starts with the four code words, else the fallback type.
    virtual CPlugInType* FindType(const std::uint32_t (&code)[4]);
    virtual CPlugInType* GetDefaultType() { return &defaultType; }
    virtual std::int32_t Operation7() { return collected.Count(); }
    virtual std::int32_t Operation9(std::int32_t, std::int32_t, std::int32_t) { return kHostErrNotAnEffectType; }
    // Collects every type whose sixth operation answers the value.
    virtual std::int32_t CollectTypes(std::int32_t value);
    virtual std::int32_t Operation11(std::int32_t value) { return CollectTypes(value); }
    virtual void Operation12(std::int32_t) {}
    virtual void SetValue(std::uint32_t newValue) { value = newValue; }
    virtual void GetName(CPlugInString& text) { names.GetName(text); }
    virtual void GetManufacturerName(CPlugInString& text) { manufacturerNames.GetName(text); }
    virtual std::int32_t Operation16(std::int32_t* a, std::int32_t* b)
    {
        ClearOut(a, b);
        return 0;
    }
    virtual std::int32_t Operation17(std::int32_t, std::int32_t, std::int32_t, std::int32_t* out)
    {
        ClearOut(out);
        return 0;
    }
    virtual std::int32_t Operation18(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t* out)
    {
        return Operation17(a, b, c, out);
    }
    // Extension operations 38 to 41 and 43 on every instance of every type; the first nonzero
    // answer, else 0. The first keeps its argument.
    virtual std::int16_t Operation19(std::int32_t a);
    virtual std::int16_t Operation20(std::int32_t a);
    virtual std::int16_t Operation21(std::int32_t a);
    virtual std::int16_t Operation22(std::int32_t a, std::int32_t b);
    virtual std::int16_t Operation23(std::int32_t a);

    std::uint32_t GetValue() const { return value; }
    CSet<CPlugInType>& TypeSet() { return types; }

protected:
    // Filled by groups that have a name, longest form first.
    CPlugInNameList names;

private:
    template <typename Call>
    std::int16_t broadcast(Call call);

    CPlugInNameList manufacturerNames;
    // Ahead of the fallback type, which reads it while it is built.
    std::uint32_t value;
    CDefaultPlugInType defaultType;
    CSet<CPlugInType> types;
    CSet<CPlugInType> collected;
    std::int32_t keptArgument = 0;
};

#pragma once

// A plug-in type: its instances, filed under their instance handles, and the fallback objects its
// instances answer in place of missing ones. The fallback type of a group refuses to make or
// delete instances.

#include "hostframework/plugin_model/clear_out.h"
#include "hostframework/plugin_model/default_plugin.h"
#include "hostframework/plugin_model/plugin_port.h"
#include "hostframework/plugin_model/plugin_string.h"
#include "hostframework/plugin_model/plugin_user_interface.h"
#include "hostframework/plugin_model/set.h"
#include "hostframework/plugin_model/sn_plugin_control.h"
#include "hostframework/plugin_model/void_ptr_map.h"

#include <cstdint>

class CPlugInGroup;

class CPlugInType {
public:
    explicit CPlugInType(CPlugInGroup& group);
    CPlugInType(const CPlugInType&) = delete;
    CPlugInType& operator=(const CPlugInType&) = delete;

    virtual ~CPlugInType();
    // The fallback instance for a handle not filed.
    virtual CPlugIn* FindPlugIn(std::uintptr_t handle);
    virtual CPlugIn* GetDefaultPlugIn() { return &defaultPlugIn; }
    virtual SPlugInID& GetID(SPlugInID& out);
    virtual std::int32_t Operation5() { return 0; }
    virtual std::int32_t Operation6() { return 3; }
    virtual bool Operation7() { return false; }
    virtual void GetName(CPlugInString& text) { names.GetName(text); }
    virtual std::int32_t Operation9(std::int32_t, std::int32_t* out)
    {
        ClearOut(out);
        return 0;
    }
    // The record's first word is the instance handle, in and out.
    virtual std::int32_t CreatePlugIn(std::uintptr_t* record);
    // The record's first word stands in for the group's value while the rest of it makes the
    // instance.
    virtual std::int32_t CreatePlugInWithValue(std::uintptr_t* record);
    virtual std::int32_t DeletePlugIn(std::uintptr_t handle);
    // Made by types that have instances; null here.
    virtual CPlugIn* NewPlugIn(std::uintptr_t* /*record*/) { return nullptr; }

    CSet<CPlugIn>& InstanceSet() { return instances; }
    CPlugInPort& GetFallbackPort() { return defaultPort; }
    CSNPlugInControl& GetFallbackControl() { return defaultControl; }
    CPlugInUserInterface& GetFallbackUserInterface() { return defaultUserInterface; }

protected:
    // Filled by types that have a name, longest form first.
    CPlugInNameList names;

private:
    SPlugInID identity() const;

    CSet<CPlugIn> instances;
    CPlugInGroup* group;
    CVoidPtrMap index;
    CDefaultPlugIn defaultPlugIn;
    CDefaultPlugInPort defaultPort;
    CDefaultPlugInControl defaultControl;
    CDefaultPlugInUserInterface defaultUserInterface;
};

class CDefaultPlugInType : public CPlugInType {
public:
    explicit CDefaultPlugInType(CPlugInGroup& group) : CPlugInType(group) {}

    std::int32_t CreatePlugIn(std::uintptr_t*) override { return kHostErrNotAnEffectType; }
    std::int32_t DeletePlugIn(std::uintptr_t) override { return kHostErrNotAnEffectType; }
};

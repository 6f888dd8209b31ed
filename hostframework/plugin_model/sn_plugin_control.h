#pragma once

// A control of a plug-in instance as the host's real-time engine sees it: a name in several
// lengths and a run of operations with fixed base answers. A control joins its owner's controls and
// the host's object tracker when made and leaves both when destroyed. The fallback control stands
// in for a position that holds none.

#include "hostframework/host_error.h"
#include "hostframework/plugin_model/clear_out.h"
#include "hostframework/plugin_model/plugin_string.h"

#include <cstdint>

class CPlugIn;

class CSNPlugInControl {
public:
    explicit CSNPlugInControl(CPlugIn& owner);
    CSNPlugInControl(const CSNPlugInControl&) = delete;
    CSNPlugInControl& operator=(const CSNPlugInControl&) = delete;

    virtual ~CSNPlugInControl();
    virtual std::int32_t Operation2() { return 3; }
    virtual std::int32_t Operation3() { return 0; }
    virtual std::int32_t Operation4() { return 0; }
    virtual std::int32_t Operation5(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation6(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation7(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation8(std::int32_t) { return kHostErrNoRoutine; }
    virtual bool Operation9() { return false; }
    virtual std::int32_t Operation10(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation11() { return 0; }
    virtual std::int32_t Operation12() { return 0; }
    virtual std::int32_t Operation13() { return 0; }
    virtual std::int32_t Operation14() { return 0; }
    virtual void GetName(CPlugInString& text) { names.GetName(text); }
    // The text's capacity decides the form, as for GetName.
    virtual void GetNameForLength(CPlugInString& text, std::int32_t /*length*/, std::uint8_t* flag)
    {
        names.GetName(text);
        ClearOut(flag);
    }
    virtual void Operation17(std::int32_t /*index*/, CPlugInString& text) { text.Set("0"); }
    virtual void Operation18(CPlugInString& text) { text.Set(""); }
    virtual std::int32_t Operation19() { return 1; }
    virtual std::int32_t Operation20() { return 0; }
    virtual void Operation21(std::uint8_t* byte, std::int32_t* word) { ClearOut(byte, word); }
    virtual std::int32_t Operation22(std::int32_t, std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation23(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation24(std::int32_t, std::int32_t, std::int32_t) { return kHostErrNoRoutine; }

protected:
    // Filled by controls that have a name, longest form first.
    CPlugInNameList names;

private:
    CPlugIn* owner;
};

class CDefaultPlugInControl : public CSNPlugInControl {
public:
    explicit CDefaultPlugInControl(CPlugIn& owner) : CSNPlugInControl(owner) {}

    std::int32_t Operation5(std::int32_t) override { return kHostErrBadListPosition; }
    std::int32_t Operation6(std::int32_t) override { return kHostErrBadListPosition; }
    std::int32_t Operation7(std::int32_t) override { return kHostErrBadListPosition; }
    std::int32_t Operation8(std::int32_t) override { return kHostErrBadListPosition; }
    std::int32_t Operation10(std::int32_t) override { return kHostErrBadListPosition; }
    std::int32_t Operation22(std::int32_t, std::int32_t) override { return kHostErrBadListPosition; }
};

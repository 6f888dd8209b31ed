#pragma once

// The user interface of a plug-in instance as the host's real-time engine sees it: only base
// answers, most of them "not supported". The fallback user interface refuses instead.

#include "hostframework/host_error.h"
#include "hostframework/plugin_model/clear_out.h"

#include <cstdint>

class CPlugIn;

class CPlugInUserInterface {
public:
    explicit CPlugInUserInterface(CPlugIn& owner) : owner(&owner) {}
    CPlugInUserInterface(const CPlugInUserInterface&) = delete;
    CPlugInUserInterface& operator=(const CPlugInUserInterface&) = delete;

    virtual ~CPlugInUserInterface() = default;
    virtual std::int16_t Operation2(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int16_t Operation3(std::int32_t, std::uint8_t* text)
    {
        ClearOut(text);
        return kHostErrNoRoutine;
    }
    virtual std::int16_t Operation4(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int16_t Operation5(std::int32_t, std::int32_t) { return 0; }
    virtual std::int16_t Operation6(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int16_t Operation7(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int16_t Operation8(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int16_t Operation9(std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int16_t Operation10() { return kHostErrNoRoutine; }
    virtual std::int16_t Operation11() { return kHostErrNoRoutine; }
    virtual std::int32_t Operation12(std::int32_t, std::int32_t) { return kHostErrNoRoutine; }
    virtual std::int32_t Operation13(std::int32_t, std::int32_t, std::int32_t, std::int32_t)
    {
        return kHostErrNoRoutine;
    }
    virtual bool Operation14(std::int32_t, std::int32_t) { return false; }
    virtual void Operation15() {}
    virtual std::int16_t Operation16(std::int32_t, std::uint8_t* byte, std::int32_t* word)
    {
        ClearOut(byte, word);
        return kHostErrNoRoutine;
    }
    virtual std::int16_t Operation17(std::int32_t, std::int32_t, std::int32_t) { return kHostErrNoRoutine; }

    CPlugIn* GetOwner() const { return owner; }

private:
    CPlugIn* owner;
};

class CDefaultPlugInUserInterface : public CPlugInUserInterface {
public:
    explicit CDefaultPlugInUserInterface(CPlugIn& owner) : CPlugInUserInterface(owner) {}

    std::int16_t Operation2(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Operation3(std::int32_t, std::uint8_t* text) override
    {
        ClearOut(text);
        return kHostErrRefused;
    }
    std::int16_t Operation4(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Operation6(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Operation7(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Operation8(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Operation9(std::int32_t) override { return kHostErrRefused; }
    std::int16_t Operation10() override { return kHostErrRefused; }
};

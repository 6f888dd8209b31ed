#pragma once

// The host's DSP manager library (DSPMANAGER.DLL) as the plug-in sees it: one reference-counted
// manager object, asked for its interfaces by id.

#include <cstdint>

struct DspInterfaceID {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};

// {27B87CA0-2294-11D2-817A-0160089A8916}
inline constexpr DspInterfaceID kDSPManagerInterfaceID{
    0x27B87CA0, 0x2294, 0x11D2, {0x81, 0x7A, 0x01, 0x60, 0x08, 0x9A, 0x89, 0x16}};

class IDSPManagerUnknown {
public:
    virtual std::int32_t QueryInterface(const DspInterfaceID& id, void** out) = 0;
    virtual std::int32_t AddRef() = 0;
    virtual std::int32_t Release() = 0;

protected:
    ~IDSPManagerUnknown() = default;
};

// The manager's own interface: groups attach to it and detach again, and processes register the
// interface by which the host's engine talks to them (their "conversant") in two steps.
class IDSPManager : public IDSPManagerUnknown {
public:
    virtual std::int16_t AttachGroup(void* group, std::int32_t* out) = 0;
    virtual std::int16_t DetachGroup(std::int32_t value) = 0;
    virtual std::int16_t RegisterConversant(void* conversant) = 0;
    virtual std::int16_t ActivateConversant(void* conversant) = 0;
    virtual std::int16_t DeactivateConversant(void* conversant) = 0;
    virtual std::int16_t UnregisterConversant(void* conversant) = 0;
    // A process tells the manager which DSP (index and slot) it runs on; 0, 0 for none.
    virtual std::int16_t SetConversantDSP(void* conversant, std::int32_t index, std::int16_t slot) = 0;

protected:
    ~IDSPManager() = default;
};

extern "C" {

// The manager with a reference for the caller, or null where the host has none.
IDSPManagerUnknown* GetDSPManager();

} // extern "C"

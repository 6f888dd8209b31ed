#pragma once

// The host engine library (HOSTENGINE.DLL) as the plug-in imports it.

#include <cstdint>

struct IEngineUnknown;

// The host's lock service, answered by the capability query 'pisi'. A lock may be entered again by
// the thread that holds it.
struct HostLock;
class IHostLockService {
public:
    virtual std::int32_t GetVersion() = 0;
    virtual HostLock* CreateLock() = 0;
    virtual HostLock* CreateNamedLock(const char* name) = 0;
    virtual void DeleteLock(HostLock* lock) = 0;
    virtual void EnterLock(HostLock* lock) = 0;
    virtual std::uint8_t TryEnterLock(HostLock* lock) = 0;
    virtual void LeaveLock(HostLock* lock) = 0;

protected:
    ~IHostLockService() = default;
};

extern "C" {

using PlugInOpenProc = std::int16_t (*)();
using PlugInCloseProc = std::int16_t (*)();

// The host calls the open procedure when it wants the plug-in and the close procedure when it is done.
void SetPlugInOpenAndCloseProcs(PlugInOpenProc open, PlugInCloseProc close);
using SetPlugInOpenAndCloseProcsFunction = void (*)(PlugInOpenProc open, PlugInCloseProc close);

// The host's capability query: 0 with the answer for a selector it knows, else an error and 0.
std::int16_t HostGestalt(std::uint32_t selector, std::intptr_t* answer);

// The host's object server, behind the capability 'hsds': servers and objects are handles, 0 = none.
bool HostIsAlive();
std::intptr_t HostNewServer();
std::intptr_t HostFindStandardType(std::intptr_t server, std::int32_t standardType);
std::intptr_t HostNewObject(std::intptr_t server, std::intptr_t type);
std::int16_t HostDelete(std::intptr_t handle);

// Looked up at run time; 0 with the engine's object.
std::int32_t HostGetEngineUnknown(IEngineUnknown** engine);
using HostGetEngineUnknownFunction = std::int32_t (*)(IEngineUnknown** engine);

} // extern "C"

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

// The host's messaging service: names in a tree (0 is the root), listeners made as objects of
// standard type 56 and configured by their setters, and tokens (message records) fetched per task,
// dispatched and given back. Name ids are 32-bit; 0 answers mean success.
std::int16_t HostSDSReserveName(std::int32_t parent, const char* name, std::int32_t* id);
std::int16_t HostSDSGetNameId(std::int32_t parent, const char* name, std::int32_t* id);
std::int16_t HostSDSFreeName(std::int32_t parent, const char* name);
std::int16_t HostSDSSetListenerName(std::intptr_t listener, std::int32_t name, std::int32_t flags);
std::int16_t HostSDSSetListenerType(std::intptr_t listener, std::uint32_t messageClass);
std::int16_t HostSDSSetListenerSubType(std::intptr_t listener, std::uint32_t selector);
std::int16_t HostSDSSetListenerGoal(std::intptr_t listener, std::int32_t goal);
std::int16_t HostSDSSetListenerCriticalFlag(std::intptr_t listener, std::int32_t critical);
std::int16_t HostSDSSetListenerLatestFlag(std::intptr_t listener, std::int32_t latest);
std::int16_t HostSDSSetListenerTaskVal(std::intptr_t listener, void* taskValue);
std::int16_t HostSDSSetListenerTask(std::intptr_t listener, std::intptr_t task);
std::int16_t HostSDSSetListenerProtocol(std::intptr_t listener, std::uint32_t protocol);
std::int16_t HostSDSSetListenerManufacturer(std::intptr_t listener, std::uint32_t manufacturer);
// The next token for the task, null when none waits; the host keeps it until it is given back.
std::int16_t HostSDSGetTokenAndTaskVal(std::intptr_t task, std::int32_t* word, void** taskValue,
                                       std::uint8_t** token);
// The service copies the token; the first 38 bytes and its length word (at 36) describe it.
std::int16_t HostSDSDispatchToken(const std::uint8_t* token);
std::int16_t HostSDSDoneWithToken(std::uint8_t* token);
void HostPersonalityDoIdle();

// The host's connections between the processes' talkers and listeners, and their preparation.
struct SConversantInfo;
std::int16_t HostReactivateTalker(void* talker, std::int16_t value);
std::int16_t HostDeactivateTalker(void* talker, std::int16_t value);
std::int16_t HostReactivateListener(void* listener, std::int16_t value);
std::int16_t HostDeactivateListener(void* listener, std::int16_t value);
std::int16_t HostPrepareForConnections(std::int32_t reserved, std::int16_t start);
// Nonzero in the low byte while connections are being prepared.
std::int16_t HostPrepareForConnectionsStatus(std::int32_t reserved);
std::int16_t HostCreatePlugInSpec(std::uint32_t manufacturer, std::uint32_t product, std::uint32_t type,
                                  SConversantInfo* info);
// The routine the capability 'prec' answers.
using HostPrecisionRoutine = std::int16_t (*)();

// Looked up at run time; 0 with the engine's object.
std::int32_t HostGetEngineUnknown(IEngineUnknown** engine);
using HostGetEngineUnknownFunction = std::int32_t (*)(IEngineUnknown** engine);

// The host's direct MIDI clients. A client asks for an interface version; a host that speaks it
// answers 0 and writes its MIDI interface object (host_midi.h) into *interfaceWord. The context
// comes back with every packet the host delivers directly.
class IHostMIDI;
std::int16_t HostRegisterDirectMIDIClient(std::int32_t version, std::intptr_t* interfaceWord,
                                          const SConversantInfo* client, void* deliveryContext);
std::int16_t HostUnRegisterDirectMIDIClient(IHostMIDI* midi);

} // extern "C"

#pragma once

// The stand-in host engine's controls, for the stand-in host and tests.

#include <cstdint>
#include <string>
#include <vector>

namespace hostengine {

// GetProcAddress finds none of the withheld names, as with an older host.
void withhold(const char* name);
void offerEverything();

// The procedures a plug-in library registered, called as the host would; -1 when none is registered.
bool hasOpenAndCloseProcs();
std::int16_t openPlugIn();
std::int16_t closePlugIn();
void forgetOpenAndCloseProcs();

// The lock service: offered or not, its version, whether creating a lock fails, and what it saw.
void offerLockService(bool offered);
void setLockServiceVersion(std::int32_t version);
void failLockCreation(bool fail);
struct LockServiceCounts {
    int created = 0;
    int deleted = 0;
    int entered = 0;
    int left = 0;
    const char* lastName = nullptr;
};
LockServiceCounts lockServiceCounts();
void resetLockService();

// The object server: off by default (no 'hsds', not alive). Every call is recorded by name.
void offerObjectServer(bool offered);
std::vector<std::string> objectServerCalls();
// Servers and objects made and not yet deleted.
int liveObjectServerHandles();
void resetObjectServer();

// The messaging service, offered with the object server. Every dispatched token is kept; tokens a
// test queues are handed out by the next fetches with the task value given.
std::vector<std::vector<std::uint8_t>> dispatchedTokens();
void queueToken(std::vector<std::uint8_t> token, void* taskValue);
int queuedTokens();
// The next name reservations answer this code (0: they succeed again).
void refuseNames(std::int16_t code);
// The next listener objects cannot be made.
void failListenerObjects(bool fail);
// Names reserved and not freed, each as "parent/name".
std::vector<std::string> reservedNames();
struct ListenerSetup {
    std::int32_t name = 0;
    std::uint32_t messageClass = 0;
    std::uint32_t selector = 0;
    std::int32_t goal = -1;
    std::int32_t critical = -1;
    std::int32_t latest = 0;
    void* taskValue = nullptr;
    std::intptr_t task = 0;
    std::uint32_t protocol = 0;
    std::uint32_t manufacturer = 0;
};
std::vector<ListenerSetup> liveListeners();
int idleCalls();

// Connections: whether the host offers their preparation ('cmvc') and a precision routine ('prec'),
// whether they are prepared now, and every connection call as "Name arguments...".
void offerConnectionPreparation(bool offered);
void offerPrecision(std::int16_t precision);
void setConnectionsPrepared(bool prepared);
std::vector<std::string> connectionCalls();
void forgetConnectionCalls();

// Direct MIDI clients. The host speaks one MIDI interface version, 1..7 (7 unless a test sets
// another; 0: it takes no direct MIDI clients), and records every registration and every operation
// of its MIDI interfaces as "Name arguments..." but the three transport queries, which it answers
// on the audio thread without taking from the heap. The controls that hand packets over act on the
// client registered last. An enabled flag set on a node is kept as the node's option and does not
// hold its packets back.
void setMIDIInterfaceVersion(std::int32_t version);
// Registration then answers 0 without handing out an interface object.
void registerMIDIClientsWithoutInterface(bool withhold);
// Calls of the named operation answer the code from now on (0: they are served again).
void refuseMIDICall(const std::string& operation, std::int16_t code);
int registeredMIDIClients();
std::vector<std::string> midiCalls();
void setMIDITransport(double tempo, bool playing, std::int64_t ticks);
struct MIDIInputPacket {
    std::int32_t sampleOffset = 0;
    std::uint8_t bytes[4] = {};
};
// The packets of the current block of a connected buffered input node; false when there is none.
bool bufferMIDIInput(std::int32_t node, const std::vector<MIDIInputPacket>& packets);
// Hands a packet at once to the direct node connected at the port (0..15, or 255 for the single
// direct output); false when there is none.
bool deliverMIDI(std::int32_t port, const MIDIInputPacket& packet);
void resetMIDIClients();

// Native rendering: answers to capability queries by selector (e.g. 5, 38, 41, 48, 'vqta'), the
// auxiliary connections listed beside every instance, and the longest native block (0: none).
void setCapability(std::uint32_t selector, std::intptr_t answer);
struct AuxConnection {
    std::int32_t format;
    bool active;
};
void setAuxConnections(std::vector<AuxConnection> connections);
void setMaximumNativeQuantum(std::int32_t frames);
void resetNativeHost();

} // namespace hostengine

#pragma once

// The host's DSP shell library (DSPSHELL.DLL) as the plug-in sees it: the driver's records of cards,
// DSPs, shells and clients, the functions the plug-in imports directly, and the accessors it binds by
// name at run time. Accessors answer 0 or a driver error (16-bit), results through their last argument.
// Every DSP shows the host its host port, a few registers the host reads and writes word by word.

#include <cstdint>

struct DshCard;
struct DshShell;
struct DshClient;

// The host-port registers, in the order of the driver's address table.
enum DshHostRegister : std::int32_t {
    kDshInterruptControl,
    kDshHostStatus,
    kDshCommandVector,
    kDshTransmit,
    kDshReceive,
    kDshHostRegisterCount
};

// Bits of the status register: a word waits in receive, transmit takes a word.
inline constexpr std::uint32_t kDshReceiveReady = 1;
inline constexpr std::uint32_t kDshTransmitReady = 2;
// Bit of the command-vector register: set with a command, cleared by the DSP once it has taken it.
inline constexpr std::uint32_t kDshCommandPending = 1;

// Where the driver maps a DSP's host port. The card, not memory, answers a read of a register, so
// the registers are reached through the driver's two access routines.
struct DshHostPort {
    std::intptr_t addresses[kDshHostRegisterCount];
    std::uint32_t (*read)(std::intptr_t address);
    void (*write)(std::intptr_t address, std::uint32_t value);
};

struct DshDSP {
    DshDSP* next;
    DshCard* card;
    std::int32_t cardIndex;
    std::int32_t driverType;
    std::int32_t coreType;
    std::int32_t info[20];
    DshClient* client;
    std::int32_t clientValue;
    DshShell* shell;
    std::uint8_t hostControl;
    std::uint8_t hostStatus;
    DshHostPort hostPort;
};

struct DshCard {
    DshCard* next;
    std::int32_t type;
    bool gen2;
    DshDSP* firstDSP;
    std::int32_t dspCount;
    DshClient* client;
    std::int32_t clientValue;
};

// A shell asks its host-code handler for the routine that serves a selector (0: none) and calls
// that routine with the DSP and the arguments of the matching shell operation below.
using DshHostCodeHandler = std::intptr_t (*)(std::int32_t selector);
inline constexpr std::int32_t kDshFirstHostCodeSelector = 256;
inline constexpr std::int32_t kDshLastHostCodeSelector = 273;

struct DshShell {
    DshShell* next;
    std::uint32_t id;
    DshClient* client;
    std::int32_t clientValue;
    bool isStandard;
    std::int32_t maxLocation;
    void* dspCode;
    DshHostCodeHandler hostCodeHandler;
};

struct DshClient {
    DshClient* next;
    std::uint32_t type;
    void* messagePort;
};

// A message to a client's message port.
struct DshMessage {
    void* port;
    std::int32_t words[4];
};

extern "C" {

// Imported directly.
std::int16_t InitSADriver();
std::int16_t GetCardList(DshCard** first);
std::int16_t GetDSPList(DshDSP** first);
std::int16_t GetShellList(DshShell** first);
std::int16_t GetClientList(DshClient** first);
std::int16_t DshLoadShell(DshDSP* dsp, DshShell* shell, std::int32_t flags);
std::int16_t ResetDSP(DshDSP* dsp);
std::int16_t DshSendMsg(const DshMessage* message);
std::int16_t DshPrintf(const char* text);

// The shell operations, each on the DSP a shell runs on. Memory spaces X, Y and P; changing bits
// replaces the bits of the mask with those of the value.
std::int16_t SGetXWord(DshDSP* dsp, std::int32_t address, std::int32_t* word);
std::int16_t SGetYWord(DshDSP* dsp, std::int32_t address, std::int32_t* word);
std::int16_t SGetPWord(DshDSP* dsp, std::int32_t address, std::int32_t* word);
std::int16_t SChangeXBits(DshDSP* dsp, std::int32_t address, std::int32_t mask, std::int32_t bits);
std::int16_t SChangeYBits(DshDSP* dsp, std::int32_t address, std::int32_t mask, std::int32_t bits);
std::int16_t SChangePBits(DshDSP* dsp, std::int32_t address, std::int32_t mask, std::int32_t bits);
std::int16_t SExecute(DshDSP* dsp, std::int32_t address);
std::int16_t SSetLeftRightBit(DshDSP* dsp, std::int32_t value);
std::int16_t SGetControlLatch(DshDSP* dsp, std::int32_t* latch);
std::int16_t SSetControlLatch(DshDSP* dsp, std::int32_t latch);
std::int16_t SInitShell(DshDSP* dsp);
std::int16_t SStartShell(DshDSP* dsp);
std::int16_t SPauseShell(DshDSP* dsp);
std::int16_t SResumeShell(DshDSP* dsp);
std::int16_t SSetInputDelay(DshDSP* dsp, std::int32_t delay);
std::int16_t SSetOutputDelay(DshDSP* dsp, std::int32_t delay);
std::int16_t SUpdateDSPPeripheral(DshDSP* dsp);
std::int16_t SGetDSPCodeInfo(DshDSP* dsp, std::int32_t code, std::int32_t* info);

// The DSP lock service: its count says whether it serves lock users (1 or more); a registered user
// takes and gives back locks on its DSP, nesting.
struct DshLockUser;
std::int16_t DshGetLockServiceCount(std::int32_t* count);
std::int16_t DshRegisterLockUser(DshDSP* dsp, DshLockUser** user);
std::int16_t DshLockDSP(DshLockUser* user);
std::int16_t DshUnlockDSP(DshLockUser* user);

// Bound by name at run time.
std::int16_t DshIsDSP321(DshDSP* dsp, std::uint8_t* is);
std::int16_t DshGetDSPCardIndex(DshDSP* dsp, std::int32_t* index);
std::int16_t DshIsPresto(DshDSP* dsp, std::uint8_t* is);
std::int16_t DshIsGen2(DshDSP* dsp, std::uint8_t* is);
std::int16_t DshGetCardTypeFromDSP(DshDSP* dsp, std::int32_t* type);
std::int16_t DshDSPToDriverType(DshDSP* dsp, std::int32_t* type);
std::int16_t DshGetNextDSP(DshDSP* dsp, DshDSP** next);
std::int16_t DshGetDSPClient(DshDSP* dsp, DshClient** client);
std::int16_t DshGetDSPClientVal(DshDSP* dsp, std::int32_t* value);
std::int16_t DshSetDSPClientVal(DshDSP* dsp, std::int32_t value);
std::int16_t DshGetDSPShell(DshDSP* dsp, DshShell** shell);
std::int16_t DshGetDSPInfoRecord(DshDSP* dsp, std::int32_t* info);
std::int16_t DshGetDSPCoreType(DshDSP* dsp, std::int32_t* type);
std::int16_t DshGetNextCard(DshCard* card, DshCard** next);
std::int16_t DshGetCardClient(DshCard* card, DshClient** client);
std::int16_t DshSetCardClient(DshCard* card, DshClient* client);
std::int16_t DshGetCardClientVal(DshCard* card, std::int32_t* value);
std::int16_t DshSetCardClientVal(DshCard* card, std::int32_t value);
std::int16_t DshGetCardType(DshCard* card, std::int32_t* type);
std::int16_t DshGetFirstDSPOnCard(DshCard* card, DshDSP** dsp);
std::int16_t DshGetNumDSPsOnCard(DshCard* card, std::int32_t* count);
std::int16_t DshIsCardGen2(DshCard* card, std::uint8_t* is);
std::int16_t DshDoHostCommand(DshDSP* dsp, std::int32_t command, std::int32_t flags);
std::int16_t DshDoHostCommandOnEmptyHostPort(DshDSP* dsp, std::int32_t command, std::int32_t flags);
std::int16_t DshDoHostCommandWithDataList(DshDSP* dsp, std::int32_t command, std::int32_t resultCount,
                                          std::int32_t* results, std::int32_t argumentCount,
                                          const std::int32_t* arguments, std::int32_t limit);
std::int16_t DshWaitHostBit(DshDSP* dsp, std::int32_t bit, std::int32_t value, std::int32_t limit);
std::int16_t DshSendLo24of32(DshDSP* dsp, std::int32_t word, std::int32_t limit);
std::int16_t DshGetLo24ofS32(DshDSP* dsp, std::int32_t* word, std::int32_t limit);
std::int16_t DshSendLo24of32Check(DshDSP* dsp, const std::int32_t* words, std::int32_t count, std::int32_t limit);
std::int16_t DshGetLo24ofS32Check(DshDSP* dsp, std::int32_t* words, std::int32_t count, std::int32_t limit);
std::int16_t DshSetHostBit(DshDSP* dsp, std::int32_t bit, std::int32_t value);
std::int16_t DshGetHostBit(DshDSP* dsp, std::int32_t bit, std::uint8_t* value);
std::int16_t DshCreateShell(DshShell** shell);
std::int16_t DshDestroyShell(DshShell* shell);
std::int16_t DshGetShellClient(DshShell* shell, DshClient** client);
std::int16_t DshGetShellClientVal(DshShell* shell, std::int32_t* value);
std::int16_t DshSetShellID(DshShell* shell, std::uint32_t id);
std::int16_t DshGetShellID(DshShell* shell, std::uint32_t* id);
std::int16_t DshSetShellIsStandard(DshShell* shell, std::uint8_t standard);
std::int16_t DshSetShellMaxLocation(DshShell* shell, std::int32_t location);
std::int16_t DshSetShellDSPCode(DshShell* shell, void* code);
std::int16_t DshShellDSPCodeIsNULL(DshShell* shell, std::uint8_t* isNull);
std::int16_t DshSetShellHostCodeHandler(DshShell* shell, DshHostCodeHandler handler);

} // extern "C"

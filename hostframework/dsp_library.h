#pragma once

// The binding of the host's DSP shell library, bound by name when the group starts, and the card
// queries every instance asks whether or not a DSP card is present.

#include "hostlibs/dspshell/dsp_shell.h"

#include <cstdint>

// One DSP-shell function bound by name; -1 while its name is unbound.
template <typename Function>
class DshAccessor;

template <typename... Args>
class DshAccessor<std::int16_t(Args...)> {
public:
    explicit constexpr DshAccessor(const char* name) : name(name) {}
    std::int16_t operator()(Args... args) const { return entry != nullptr ? entry(args...) : std::int16_t{-1}; }
    bool IsBound() const { return entry != nullptr; }

    const char* const name;
    std::int16_t (*entry)(Args...) = nullptr;
};

// The accessors in the order they are bound.
struct DshAccessors {
    DshAccessor<decltype(DshIsDSP321)> isDSP321{"_DshIsDSP321@8"};
    DshAccessor<decltype(DshGetDSPCardIndex)> getDSPCardIndex{"_DshGetDSPCardIndex@8"};
    DshAccessor<decltype(DshIsPresto)> isPresto{"_DshIsPresto@8"};
    DshAccessor<decltype(DshIsGen2)> isGen2{"_DshIsGen2@8"};
    DshAccessor<decltype(DshGetCardTypeFromDSP)> getCardTypeFromDSP{"_DshGetCardTypeFromDSP@8"};
    DshAccessor<decltype(DshDSPToDriverType)> dspToDriverType{"_DshDSPToDriverType@8"};
    DshAccessor<decltype(DshGetNextDSP)> getNextDSP{"_DshGetNextDSP@8"};
    DshAccessor<decltype(DshGetDSPClient)> getDSPClient{"_DshGetDSPClient@8"};
    DshAccessor<decltype(DshGetDSPClientVal)> getDSPClientVal{"_DshGetDSPClientVal@8"};
    DshAccessor<decltype(DshSetDSPClientVal)> setDSPClientVal{"_DshSetDSPClientVal@8"};
    DshAccessor<decltype(DshGetDSPShell)> getDSPShell{"_DshGetDSPShell@8"};
    DshAccessor<decltype(DshGetDSPInfoRecord)> getDSPInfoRecord{"_DshGetDSPInfoRecord@8"};
    DshAccessor<decltype(DshGetDSPCoreType)> getDSPCoreType{"_DshGetDSPCoreType@8"};
    DshAccessor<decltype(DshGetNextCard)> getNextCard{"_DshGetNextCard@8"};
    DshAccessor<decltype(DshGetCardClient)> getCardClient{"_DshGetCardClient@8"};
    DshAccessor<decltype(DshSetCardClient)> setCardClient{"_DshSetCardClient@8"};
    DshAccessor<decltype(DshGetCardClientVal)> getCardClientVal{"_DshGetCardClientVal@8"};
    DshAccessor<decltype(DshSetCardClientVal)> setCardClientVal{"_DshSetCardClientVal@8"};
    DshAccessor<decltype(DshGetCardType)> getCardType{"_DshGetCardType@8"};
    DshAccessor<decltype(DshGetFirstDSPOnCard)> getFirstDSPOnCard{"_DshGetFirstDSPOnCard@8"};
    DshAccessor<decltype(DshGetNumDSPsOnCard)> getNumDSPsOnCard{"_DshGetNumDSPsOnCard@8"};
    DshAccessor<decltype(DshIsCardGen2)> isCardGen2{"_DshIsCardGen2@8"};
    DshAccessor<decltype(DshDoHostCommand)> doHostCommand{"_DshDoHostCommand@12"};
    DshAccessor<decltype(DshDoHostCommandOnEmptyHostPort)> doHostCommandOnEmptyHostPort{
        "_DshDoHostCommandOnEmptyHostPort@12"};
    DshAccessor<decltype(DshDoHostCommandWithDataList)> doHostCommandWithDataList{"_DshDoHostCommandWithDataList@28"};
    DshAccessor<decltype(DshWaitHostBit)> waitHostBit{"_DshWaitHostBit@16"};
    DshAccessor<decltype(DshSendLo24of32)> sendLo24of32{"_DshSendLo24of32@12"};
    DshAccessor<decltype(DshGetLo24ofS32)> getLo24ofS32{"_DshGetLo24ofS32@12"};
    DshAccessor<decltype(DshSendLo24of32Check)> sendLo24of32Check{"_DshSendLo24of32Check@16"};
    DshAccessor<decltype(DshGetLo24ofS32Check)> getLo24ofS32Check{"_DshGetLo24ofS32Check@16"};
    DshAccessor<decltype(DshSetHostBit)> setHostBit{"_DshSetHostBit@12"};
    DshAccessor<decltype(DshGetHostBit)> getHostBit{"_DshGetHostBit@12"};
    DshAccessor<decltype(DshCreateShell)> createShell{"_DshCreateShell@4"};
    DshAccessor<decltype(DshDestroyShell)> destroyShell{"_DshDestroyShell@4"};
    DshAccessor<decltype(DshGetShellClient)> getShellClient{"_DshGetShellClient@8"};
    DshAccessor<decltype(DshGetShellClientVal)> getShellClientVal{"_DshGetShellClientVal@8"};
    DshAccessor<decltype(DshSetShellID)> setShellID{"_DshSetShellID@8"};
    DshAccessor<decltype(DshGetShellID)> getShellID{"_DshGetShellID@8"};
    DshAccessor<decltype(DshSetShellIsStandard)> setShellIsStandard{"_DshSetShellIsStandard@8"};
    DshAccessor<decltype(DshSetShellMaxLocation)> setShellMaxLocation{"_DshSetShellMaxLocation@8"};
    DshAccessor<decltype(DshSetShellDSPCode)> setShellDSPCode{"_DshSetShellDSPCode@8"};
    DshAccessor<decltype(DshShellDSPCodeIsNULL)> shellDSPCodeIsNULL{"_DshShellDSPCodeIsNULL@8"};
    DshAccessor<decltype(DshSetShellHostCodeHandler)> setShellHostCodeHandler{"_DshSetShellHostCodeHandler@8"};
};

// The process-wide binding.
DshAccessors& GetDshAccessors();
// True once the binding found no card of type 18: the driver's records are then read through the
// accessors instead of directly.
bool IsAccessorMode();

// Loads the DSP shell library and binds its accessors. -7053 when the library cannot be loaded or
// lacks the host-code handler setter, the one name every use needs; other missing names stay unbound.
std::int16_t loadDshLibrary();
void unloadDshLibrary();

// True at the first card of that type; type 29 is looked for among the DSPs. Starts the driver first;
// a driver error is thrown.
bool HasCardOfType(std::int32_t type);
bool HasProcessingCard();      // any of the types 20, 21, 26, 28, 31 or 29
bool HasCardOfType22();
bool HasCardOfType15();
bool HasCardOfType28();
bool HasCardOfType31();

// The DSP queries, read directly or through the accessors as the mode says.
void GetDSPInfoRecord(DshDSP* dsp, std::int32_t info[20]);
DshClient* GetDSPClient(DshDSP* dsp);
DshCard* GetDSPCard(DshDSP* dsp);
std::int32_t GetDSPCoreType(DshDSP* dsp);
DshDSP* GetNextDSP(DshDSP* dsp);
std::int32_t GetNumDSPsOnCard(DshCard* card);

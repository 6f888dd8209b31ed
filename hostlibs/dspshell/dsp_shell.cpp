#include "hostlibs/dspshell/dsp_shell.h"

#include "hostlibs/dspshell/driver_state.h"
#include "hostlibs/dspshell/dsp_shell_control.h"

#include <cstdio>
#include <cstring>

namespace dspshell {

Driver& driver()
{
    static Driver state;
    return state;
}

} // namespace dspshell

namespace {

using dspshell::driver;
using dspshell::Driver;
using dspshell::Guard;
using dspshell::kNoObject;
using dspshell::record;

template <typename Record>
Record* firstOf(std::deque<Record>& records)
{
    return records.empty() ? nullptr : &records.front();
}

template <typename Object, typename Value>
std::int16_t answer(const char* name, Object* object, Value* out, Value value)
{
    record(name);
    if (object == nullptr || out == nullptr)
        return kNoObject;
    *out = value;
    return 0;
}

template <typename Object>
std::int16_t check(Object* object)
{
    return object == nullptr ? kNoObject : std::int16_t{0};
}

template <typename Record, typename Value>
std::int16_t store(const char* name, Record* record, Value Record::*field, Value value)
{
    dspshell::record(name, value);
    if (record != nullptr)
        record->*field = value;
    return check(record);
}

} // namespace

extern "C" {

bool kravoHostLibraryOffers(const char* name)
{
    return driver().withheld.offers(name);
}

std::int16_t InitSADriver()
{
    Driver& state = driver();
    const Guard guard(state.lock);
    record("InitSADriver");
    ++state.starts;
    return state.startFailure;
}

std::int16_t GetCardList(DshCard** first) { return answer("GetCardList", &driver(), first, firstOf(driver().cards)); }
std::int16_t GetDSPList(DshDSP** first) { return answer("GetDSPList", &driver(), first, firstOf(driver().dsps)); }
std::int16_t GetShellList(DshShell** first) { return answer("GetShellList", &driver(), first, firstOf(driver().shells)); }
std::int16_t GetClientList(DshClient** first) { return answer("GetClientList", &driver(), first, firstOf(driver().clients)); }

std::int16_t DshLoadShell(DshDSP* dsp, DshShell* shell, std::int32_t flags)
{
    record("DshLoadShell", flags);
    if (dsp == nullptr || shell == nullptr)
        return kNoObject;
    dsp->shell = shell;
    return 0;
}

std::int16_t ResetDSP(DshDSP* dsp)
{
    record("ResetDSP");
    return check(dsp);
}

std::int16_t DshSendMsg(const DshMessage* message)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    record("DshSendMsg");
    if (message == nullptr)
        return kNoObject;
    state.messages.push_back(*message);
    return state.sendAnswer;
}

std::int16_t DshPrintf(const char* text)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    record("DshPrintf");
    const std::string line = text != nullptr ? text : "";
    state.printed.push_back(line);
    std::fprintf(stderr, "%s", line.c_str());
    return 0;
}

std::int16_t DshIsDSP321(DshDSP* dsp, std::uint8_t* is) { return answer("DshIsDSP321", dsp, is, std::uint8_t{dsp && dsp->coreType == 321}); }
std::int16_t DshGetDSPCardIndex(DshDSP* dsp, std::int32_t* index) { return answer("DshGetDSPCardIndex", dsp, index, dsp ? dsp->cardIndex : 0); }
std::int16_t DshIsPresto(DshDSP* dsp, std::uint8_t* is) { return answer("DshIsPresto", dsp, is, std::uint8_t{dsp && dsp->coreType == 2}); }
std::int16_t DshIsGen2(DshDSP* dsp, std::uint8_t* is) { return answer("DshIsGen2", dsp, is, std::uint8_t{dsp && dsp->card && dsp->card->gen2}); }
std::int16_t DshGetCardTypeFromDSP(DshDSP* dsp, std::int32_t* type) { return answer("DshGetCardTypeFromDSP", dsp, type, dsp && dsp->card ? dsp->card->type : 0); }
std::int16_t DshDSPToDriverType(DshDSP* dsp, std::int32_t* type) { return answer("DshDSPToDriverType", dsp, type, dsp ? dsp->driverType : 0); }
std::int16_t DshGetNextDSP(DshDSP* dsp, DshDSP** next) { return answer("DshGetNextDSP", dsp, next, dsp ? dsp->next : nullptr); }
std::int16_t DshGetDSPClient(DshDSP* dsp, DshClient** client) { return answer("DshGetDSPClient", dsp, client, dsp ? dsp->client : nullptr); }
std::int16_t DshGetDSPClientVal(DshDSP* dsp, std::int32_t* value) { return answer("DshGetDSPClientVal", dsp, value, dsp ? dsp->clientValue : 0); }
std::int16_t DshSetDSPClientVal(DshDSP* dsp, std::int32_t value) { return store("DshSetDSPClientVal", dsp, &DshDSP::clientValue, value); }
std::int16_t DshGetDSPShell(DshDSP* dsp, DshShell** shell) { return answer("DshGetDSPShell", dsp, shell, dsp ? dsp->shell : nullptr); }

std::int16_t DshGetDSPInfoRecord(DshDSP* dsp, std::int32_t* info)
{
    record("DshGetDSPInfoRecord");
    if (dsp == nullptr || info == nullptr)
        return kNoObject;
    std::memcpy(info, dsp->info, sizeof dsp->info);
    return 0;
}

std::int16_t DshGetDSPCoreType(DshDSP* dsp, std::int32_t* type) { return answer("DshGetDSPCoreType", dsp, type, dsp ? dsp->coreType : 0); }
std::int16_t DshGetNextCard(DshCard* card, DshCard** next) { return answer("DshGetNextCard", card, next, card ? card->next : nullptr); }
std::int16_t DshGetCardClient(DshCard* card, DshClient** client) { return answer("DshGetCardClient", card, client, card ? card->client : nullptr); }

std::int16_t DshSetCardClient(DshCard* card, DshClient* client)
{
    record("DshSetCardClient");
    if (card != nullptr)
        card->client = client;
    return check(card);
}

std::int16_t DshGetCardClientVal(DshCard* card, std::int32_t* value) { return answer("DshGetCardClientVal", card, value, card ? card->clientValue : 0); }
std::int16_t DshSetCardClientVal(DshCard* card, std::int32_t value) { return store("DshSetCardClientVal", card, &DshCard::clientValue, value); }
std::int16_t DshGetCardType(DshCard* card, std::int32_t* type) { return answer("DshGetCardType", card, type, card ? card->type : 0); }
std::int16_t DshGetFirstDSPOnCard(DshCard* card, DshDSP** dsp) { return answer("DshGetFirstDSPOnCard", card, dsp, card ? card->firstDSP : nullptr); }
std::int16_t DshGetNumDSPsOnCard(DshCard* card, std::int32_t* count) { return answer("DshGetNumDSPsOnCard", card, count, card ? card->dspCount : 0); }
std::int16_t DshIsCardGen2(DshCard* card, std::uint8_t* is) { return answer("DshIsCardGen2", card, is, std::uint8_t{card && card->gen2}); }

std::int16_t DshCreateShell(DshShell** shell)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    record("DshCreateShell");
    if (shell == nullptr)
        return kNoObject;
    DshShell* last = state.shells.empty() ? nullptr : &state.shells.back();
    state.shells.push_back(DshShell{});
    if (last != nullptr)
        last->next = &state.shells.back();
    *shell = &state.shells.back();
    return 0;
}

// Shells stay in the driver's list until it is reset; a destroyed one is only unlinked from its DSPs.
std::int16_t DshDestroyShell(DshShell* shell)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    record("DshDestroyShell");
    for (DshDSP& dsp : state.dsps)
        if (dsp.shell == shell)
            dsp.shell = nullptr;
    return check(shell);
}

std::int16_t DshGetShellClient(DshShell* shell, DshClient** client) { return answer("DshGetShellClient", shell, client, shell ? shell->client : nullptr); }
std::int16_t DshGetShellClientVal(DshShell* shell, std::int32_t* value) { return answer("DshGetShellClientVal", shell, value, shell ? shell->clientValue : 0); }
std::int16_t DshSetShellID(DshShell* shell, std::uint32_t id) { return store("DshSetShellID", shell, &DshShell::id, id); }
std::int16_t DshGetShellID(DshShell* shell, std::uint32_t* id) { return answer("DshGetShellID", shell, id, shell ? shell->id : 0u); }
std::int16_t DshSetShellIsStandard(DshShell* shell, std::uint8_t standard) { return store("DshSetShellIsStandard", shell, &DshShell::isStandard, standard != 0); }
std::int16_t DshSetShellMaxLocation(DshShell* shell, std::int32_t location) { return store("DshSetShellMaxLocation", shell, &DshShell::maxLocation, location); }

std::int16_t DshSetShellDSPCode(DshShell* shell, void* code)
{
    record("DshSetShellDSPCode", code != nullptr);
    if (shell != nullptr)
        shell->dspCode = code;
    return check(shell);
}

std::int16_t DshShellDSPCodeIsNULL(DshShell* shell, std::uint8_t* isNull) { return answer("DshShellDSPCodeIsNULL", shell, isNull, std::uint8_t{shell && shell->dspCode == nullptr}); }

std::int16_t DshSetShellHostCodeHandler(DshShell* shell, DshHostCodeHandler handler)
{
    record("DshSetShellHostCodeHandler");
    if (shell != nullptr)
        shell->hostCodeHandler = handler;
    return check(shell);
}

} // extern "C"

namespace dspshell {

void withhold(const char* name)
{
    driver().withheld.withhold(name);
}

void offerEverything()
{
    driver().withheld.offerEverything();
}

DshCard* addCard(std::int32_t type, std::int32_t dspCount)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    DshCard* previous = state.cards.empty() ? nullptr : &state.cards.back();
    state.cards.push_back(DshCard{});
    DshCard& card = state.cards.back();
    card.type = type;
    card.dspCount = dspCount;
    if (previous != nullptr)
        previous->next = &card;
    for (std::int32_t i = 0; i < dspCount; ++i) {
        DshDSP* last = state.dsps.empty() ? nullptr : &state.dsps.back();
        state.dsps.push_back(DshDSP{});
        state.behind.emplace_back();
        DshDSP& dsp = state.dsps.back();
        dsp.card = &card;
        dsp.cardIndex = static_cast<std::int32_t>(state.cards.size()) - 1;
        dsp.driverType = type;
        mapHostPort(dsp, state.dsps.size() - 1);
        if (last != nullptr)
            last->next = &dsp;
        if (card.firstDSP == nullptr)
            card.firstDSP = &dsp;
    }
    return &card;
}

DshClient* addClient(std::uint32_t type, void* messagePort)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    DshClient* previous = state.clients.empty() ? nullptr : &state.clients.back();
    state.clients.push_back(DshClient{nullptr, type, messagePort});
    if (previous != nullptr)
        previous->next = &state.clients.back();
    return &state.clients.back();
}

void reset()
{
    Driver& state = driver();
    const Guard guard(state.lock);
    state.cards.clear();
    state.dsps.clear();
    state.behind.clear();
    state.shells.clear();
    state.clients.clear();
    state.lockUsers.clear();
    state.lockServiceCount = 0;
    state.startFailure = 0;
    state.starts = 0;
    state.printed.clear();
    state.messages.clear();
    state.sendAnswer = 0;
    state.calls.clear();
    state.stuckClock = nullptr;
    state.withheld.offerEverything();
}

void failDriverStart(std::int16_t code)
{
    driver().startFailure = code;
}

int driverStarts()
{
    return driver().starts;
}

std::vector<std::string> printedTexts()
{
    Driver& state = driver();
    const Guard guard(state.lock);
    return state.printed;
}

std::vector<DshMessage> sentMessages()
{
    Driver& state = driver();
    const Guard guard(state.lock);
    return state.messages;
}

void setSendAnswer(std::int16_t answer)
{
    driver().sendAnswer = answer;
}

std::vector<std::string> calls()
{
    Driver& state = driver();
    const Guard guard(state.lock);
    return state.calls;
}

void forgetCalls()
{
    Driver& state = driver();
    const Guard guard(state.lock);
    state.calls.clear();
}

} // namespace dspshell

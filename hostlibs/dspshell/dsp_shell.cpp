#include "hostlibs/dspshell/dsp_shell.h"

#include "hostlibs/dspshell/dsp_shell_control.h"
#include "hostlibs/withheld_names.h"

#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>

namespace {

constexpr std::int16_t kNoObject = -50;

// Everything the driver knows. Records live in deques so the pointers handed out stay valid.
struct Driver {
    std::recursive_mutex lock;
    hostlibs::WithheldNames withheld;
    std::deque<DshCard> cards;
    std::deque<DshDSP> dsps;
    std::deque<DshShell> shells;
    std::deque<DshClient> clients;
    std::int16_t startFailure = 0;
    int starts = 0;
    std::vector<std::string> printed;
    std::vector<DshMessage> messages;
    std::int16_t sendAnswer = 0;
};

Driver& driver()
{
    static Driver state;
    return state;
}

template <typename Record>
Record* firstOf(std::deque<Record>& records)
{
    return records.empty() ? nullptr : &records.front();
}

template <typename Object, typename Value>
std::int16_t answer(Object* object, Value* out, Value value)
{
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

} // namespace

extern "C" {

bool kravoHostLibraryOffers(const char* name)
{
    return driver().withheld.offers(name);
}

std::int16_t InitSADriver()
{
    Driver& state = driver();
    const std::lock_guard<std::recursive_mutex> guard(state.lock);
    ++state.starts;
    return state.startFailure;
}

std::int16_t GetCardList(DshCard** first) { return answer(&driver(), first, firstOf(driver().cards)); }
std::int16_t GetDSPList(DshDSP** first) { return answer(&driver(), first, firstOf(driver().dsps)); }
std::int16_t GetShellList(DshShell** first) { return answer(&driver(), first, firstOf(driver().shells)); }
std::int16_t GetClientList(DshClient** first) { return answer(&driver(), first, firstOf(driver().clients)); }

std::int16_t DshLoadShell(DshDSP* dsp, DshShell* shell, std::int32_t)
{
    if (dsp == nullptr || shell == nullptr)
        return kNoObject;
    dsp->shell = shell;
    return 0;
}

std::int16_t ResetDSP(DshDSP* dsp) { return check(dsp); }

std::int16_t DshSendMsg(const DshMessage* message)
{
    Driver& state = driver();
    const std::lock_guard<std::recursive_mutex> guard(state.lock);
    if (message == nullptr)
        return kNoObject;
    state.messages.push_back(*message);
    return state.sendAnswer;
}

std::int16_t DshPrintf(const char* text)
{
    Driver& state = driver();
    const std::lock_guard<std::recursive_mutex> guard(state.lock);
    const std::string line = text != nullptr ? text : "";
    state.printed.push_back(line);
    std::fprintf(stderr, "%s", line.c_str());
    return 0;
}

std::int16_t DshIsDSP321(DshDSP* dsp, std::uint8_t* is) { return answer(dsp, is, std::uint8_t{dsp && dsp->coreType == 321}); }
std::int16_t DshGetDSPCardIndex(DshDSP* dsp, std::int32_t* index) { return answer(dsp, index, dsp ? dsp->cardIndex : 0); }
std::int16_t DshIsPresto(DshDSP* dsp, std::uint8_t* is) { return answer(dsp, is, std::uint8_t{dsp && dsp->coreType == 2}); }
std::int16_t DshIsGen2(DshDSP* dsp, std::uint8_t* is) { return answer(dsp, is, std::uint8_t{dsp && dsp->card && dsp->card->gen2}); }
std::int16_t DshGetCardTypeFromDSP(DshDSP* dsp, std::int32_t* type) { return answer(dsp, type, dsp && dsp->card ? dsp->card->type : 0); }
std::int16_t DshDSPToDriverType(DshDSP* dsp, std::int32_t* type) { return answer(dsp, type, dsp ? dsp->driverType : 0); }
std::int16_t DshGetNextDSP(DshDSP* dsp, DshDSP** next) { return answer(dsp, next, dsp ? dsp->next : nullptr); }
std::int16_t DshGetDSPClient(DshDSP* dsp, DshClient** client) { return answer(dsp, client, dsp ? dsp->client : nullptr); }
std::int16_t DshGetDSPClientVal(DshDSP* dsp, std::int32_t* value) { return answer(dsp, value, dsp ? dsp->clientValue : 0); }

std::int16_t DshSetDSPClientVal(DshDSP* dsp, std::int32_t value)
{
    if (dsp != nullptr)
        dsp->clientValue = value;
    return check(dsp);
}

std::int16_t DshGetDSPShell(DshDSP* dsp, DshShell** shell) { return answer(dsp, shell, dsp ? dsp->shell : nullptr); }

std::int16_t DshGetDSPInfoRecord(DshDSP* dsp, std::int32_t* info)
{
    if (dsp == nullptr || info == nullptr)
        return kNoObject;
    std::memcpy(info, dsp->info, sizeof dsp->info);
    return 0;
}

std::int16_t DshGetDSPCoreType(DshDSP* dsp, std::int32_t* type) { return answer(dsp, type, dsp ? dsp->coreType : 0); }
std::int16_t DshGetNextCard(DshCard* card, DshCard** next) { return answer(card, next, card ? card->next : nullptr); }
std::int16_t DshGetCardClient(DshCard* card, DshClient** client) { return answer(card, client, card ? card->client : nullptr); }

std::int16_t DshSetCardClient(DshCard* card, DshClient* client)
{
    if (card != nullptr)
        card->client = client;
    return check(card);
}

std::int16_t DshGetCardClientVal(DshCard* card, std::int32_t* value) { return answer(card, value, card ? card->clientValue : 0); }

std::int16_t DshSetCardClientVal(DshCard* card, std::int32_t value)
{
    if (card != nullptr)
        card->clientValue = value;
    return check(card);
}

std::int16_t DshGetCardType(DshCard* card, std::int32_t* type) { return answer(card, type, card ? card->type : 0); }
std::int16_t DshGetFirstDSPOnCard(DshCard* card, DshDSP** dsp) { return answer(card, dsp, card ? card->firstDSP : nullptr); }
std::int16_t DshGetNumDSPsOnCard(DshCard* card, std::int32_t* count) { return answer(card, count, card ? card->dspCount : 0); }
std::int16_t DshIsCardGen2(DshCard* card, std::uint8_t* is) { return answer(card, is, std::uint8_t{card && card->gen2}); }

// The stand-in has no DSP behind its host ports: commands are taken, words read back as 0.
std::int16_t DshDoHostCommand(DshDSP* dsp, std::int32_t, std::int32_t) { return check(dsp); }
std::int16_t DshDoHostCommandOnEmptyHostPort(DshDSP* dsp, std::int32_t, std::int32_t) { return check(dsp); }

std::int16_t DshDoHostCommandWithDataList(DshDSP* dsp, std::int32_t, std::int32_t resultCount, std::int32_t* results,
                                          std::int32_t, const std::int32_t*, std::int32_t)
{
    for (std::int32_t i = 0; dsp != nullptr && results != nullptr && i < resultCount; ++i)
        results[i] = 0;
    return check(dsp);
}

std::int16_t DshWaitHostBit(DshDSP* dsp, std::int32_t, std::int32_t, std::int32_t) { return check(dsp); }
std::int16_t DshSendLo24of32(DshDSP* dsp, std::int32_t, std::int32_t) { return check(dsp); }
std::int16_t DshGetLo24ofS32(DshDSP* dsp, std::int32_t* word, std::int32_t) { return answer(dsp, word, 0); }
std::int16_t DshSendLo24of32Check(DshDSP* dsp, const std::int32_t*, std::int32_t, std::int32_t) { return check(dsp); }

std::int16_t DshGetLo24ofS32Check(DshDSP* dsp, std::int32_t* words, std::int32_t count, std::int32_t)
{
    for (std::int32_t i = 0; dsp != nullptr && words != nullptr && i < count; ++i)
        words[i] = 0;
    return check(dsp);
}

std::int16_t DshSetHostBit(DshDSP* dsp, std::int32_t bit, std::int32_t value)
{
    if (dsp == nullptr || bit < 0 || bit > 7)
        return kNoObject;
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    dsp->hostControl = static_cast<std::uint8_t>(value != 0 ? dsp->hostControl | mask : dsp->hostControl & ~mask);
    return 0;
}

std::int16_t DshGetHostBit(DshDSP* dsp, std::int32_t bit, std::uint8_t* value)
{
    if (dsp == nullptr || value == nullptr || bit < 0 || bit > 7)
        return kNoObject;
    *value = static_cast<std::uint8_t>((dsp->hostControl >> bit) & 1u);
    return 0;
}

std::int16_t DshCreateShell(DshShell** shell)
{
    Driver& state = driver();
    const std::lock_guard<std::recursive_mutex> guard(state.lock);
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
    const std::lock_guard<std::recursive_mutex> guard(state.lock);
    for (DshDSP& dsp : state.dsps)
        if (dsp.shell == shell)
            dsp.shell = nullptr;
    return check(shell);
}

std::int16_t DshGetShellClient(DshShell* shell, DshClient** client) { return answer(shell, client, shell ? shell->client : nullptr); }
std::int16_t DshGetShellClientVal(DshShell* shell, std::int32_t* value) { return answer(shell, value, shell ? shell->clientValue : 0); }

std::int16_t DshSetShellID(DshShell* shell, std::uint32_t id)
{
    if (shell != nullptr)
        shell->id = id;
    return check(shell);
}

std::int16_t DshGetShellID(DshShell* shell, std::uint32_t* id) { return answer(shell, id, shell ? shell->id : 0u); }

std::int16_t DshSetShellIsStandard(DshShell* shell, std::uint8_t standard)
{
    if (shell != nullptr)
        shell->isStandard = standard != 0;
    return check(shell);
}

std::int16_t DshSetShellMaxLocation(DshShell* shell, std::int32_t location)
{
    if (shell != nullptr)
        shell->maxLocation = location;
    return check(shell);
}

std::int16_t DshSetShellDSPCode(DshShell* shell, void* code)
{
    if (shell != nullptr)
        shell->dspCode = code;
    return check(shell);
}

std::int16_t DshShellDSPCodeIsNULL(DshShell* shell, std::uint8_t* isNull) { return answer(shell, isNull, std::uint8_t{shell && shell->dspCode == nullptr}); }

std::int16_t DshSetShellHostCodeHandler(DshShell* shell, DshHostCodeHandler handler)
{
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
    const std::lock_guard<std::recursive_mutex> guard(state.lock);
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
        DshDSP& dsp = state.dsps.back();
        dsp.card = &card;
        dsp.cardIndex = static_cast<std::int32_t>(state.cards.size()) - 1;
        dsp.driverType = type;
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
    const std::lock_guard<std::recursive_mutex> guard(state.lock);
    DshClient* previous = state.clients.empty() ? nullptr : &state.clients.back();
    state.clients.push_back(DshClient{nullptr, type, messagePort});
    if (previous != nullptr)
        previous->next = &state.clients.back();
    return &state.clients.back();
}

void reset()
{
    Driver& state = driver();
    const std::lock_guard<std::recursive_mutex> guard(state.lock);
    state.cards.clear();
    state.dsps.clear();
    state.shells.clear();
    state.clients.clear();
    state.startFailure = 0;
    state.starts = 0;
    state.printed.clear();
    state.messages.clear();
    state.sendAnswer = 0;
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
    const std::lock_guard<std::recursive_mutex> guard(state.lock);
    return state.printed;
}

std::vector<DshMessage> sentMessages()
{
    Driver& state = driver();
    const std::lock_guard<std::recursive_mutex> guard(state.lock);
    return state.messages;
}

void setSendAnswer(std::int16_t answer)
{
    driver().sendAnswer = answer;
}

} // namespace dspshell

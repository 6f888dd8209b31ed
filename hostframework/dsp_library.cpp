#include "hostframework/dsp_library.h"

#include "hostframework/host_error.h"
#include "platform/module_loading.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::int32_t kAccessorModeCardType = 18;

struct DshBinding {
    HMODULE library = nullptr;
    DshAccessors accessors;
    bool accessorMode = false;
};

DshBinding& binding()
{
    static DshBinding state;
    return state;
}

template <typename Visit>
void forEachAccessor(DshAccessors& accessors, Visit visit)
{
    visit(accessors.isDSP321);
    visit(accessors.getDSPCardIndex);
    visit(accessors.isPresto);
    visit(accessors.isGen2);
    visit(accessors.getCardTypeFromDSP);
    visit(accessors.dspToDriverType);
    visit(accessors.getNextDSP);
    visit(accessors.getDSPClient);
    visit(accessors.getDSPClientVal);
    visit(accessors.setDSPClientVal);
    visit(accessors.getDSPShell);
    visit(accessors.getDSPInfoRecord);
    visit(accessors.getDSPCoreType);
    visit(accessors.getNextCard);
    visit(accessors.getCardClient);
    visit(accessors.setCardClient);
    visit(accessors.getCardClientVal);
    visit(accessors.setCardClientVal);
    visit(accessors.getCardType);
    visit(accessors.getFirstDSPOnCard);
    visit(accessors.getNumDSPsOnCard);
    visit(accessors.isCardGen2);
    visit(accessors.doHostCommand);
    visit(accessors.doHostCommandOnEmptyHostPort);
    visit(accessors.doHostCommandWithDataList);
    visit(accessors.waitHostBit);
    visit(accessors.sendLo24of32);
    visit(accessors.getLo24ofS32);
    visit(accessors.sendLo24of32Check);
    visit(accessors.getLo24ofS32Check);
    visit(accessors.setHostBit);
    visit(accessors.getHostBit);
    visit(accessors.createShell);
    visit(accessors.destroyShell);
    visit(accessors.getShellClient);
    visit(accessors.getShellClientVal);
    visit(accessors.setShellID);
    visit(accessors.getShellID);
    visit(accessors.setShellIsStandard);
    visit(accessors.setShellMaxLocation);
    visit(accessors.setShellDSPCode);
    visit(accessors.shellDSPCodeIsNULL);
    visit(accessors.setShellHostCodeHandler);
}

// Reads a record pointer through a driver call that answers 0 or an error; null on an error.
template <typename Record, typename Read>
Record* readRecord(Read read)
{
    Record* record = nullptr;
    return read(&record) == 0 ? record : nullptr;
}

DshCard* firstCard()
{
    ThrowIfError(InitSADriver());
    return readRecord<DshCard>(GetCardList);
}

DshCard* nextCard(DshCard* card)
{
    if (!IsAccessorMode())
        return card->next;
    return readRecord<DshCard>([card](DshCard** next) { return GetDshAccessors().getNextCard(card, next); });
}

std::int32_t cardType(DshCard* card)
{
    if (!IsAccessorMode())
        return card->type;
    std::int32_t type = -1;
    return GetDshAccessors().getCardType(card, &type) == 0 ? type : -1;
}

std::int32_t driverType(DshDSP* dsp)
{
    if (!IsAccessorMode())
        return dsp->driverType;
    std::int32_t type = -1;
    return GetDshAccessors().dspToDriverType(dsp, &type) == 0 ? type : -1;
}

bool hasDSPOfType(std::int32_t type)
{
    ThrowIfError(InitSADriver());
    for (DshDSP* dsp = readRecord<DshDSP>(GetDSPList); dsp != nullptr; dsp = GetNextDSP(dsp))
        if (driverType(dsp) == type)
            return true;
    return false;
}

} // namespace

DshAccessors& GetDshAccessors()
{
    return binding().accessors;
}

bool IsAccessorMode()
{
    return binding().accessorMode;
}

std::int16_t loadDshLibrary()
{
    DshBinding& state = binding();
    if (state.library == nullptr)
        state.library = LoadLibraryA("DSPShell.dll");
    if (state.library == nullptr)
        return static_cast<std::int16_t>(kHostErrNullValue);
    forEachAccessor(state.accessors, [&](auto& accessor) {
        accessor.entry = reinterpret_cast<decltype(accessor.entry)>(GetProcAddress(state.library, accessor.name));
    });
    if (!state.accessors.setShellHostCodeHandler.IsBound())
        return static_cast<std::int16_t>(kHostErrNullValue);
    state.accessorMode = false;
    state.accessorMode = !HasCardOfType(kAccessorModeCardType);
    return 0;
}

void unloadDshLibrary()
{
    DshBinding& state = binding();
    if (state.library == nullptr)
        return;
    FreeLibrary(state.library);
    state.library = nullptr;
    forEachAccessor(state.accessors, [](auto& accessor) { accessor.entry = nullptr; });
    state.accessorMode = false;
}

bool HasCardOfType(std::int32_t type)
{
    if (type == 29)
        return hasDSPOfType(type);
    for (DshCard* card = firstCard(); card != nullptr; card = nextCard(card))
        if (cardType(card) == type)
            return true;
    return false;
}

bool HasProcessingCard()
{
    return std::ranges::any_of(std::initializer_list<std::int32_t>{20, 21, 26, 28, 31, 29},
                               [](std::int32_t type) { return HasCardOfType(type); });
}

bool HasCardOfType22()
{
    return HasCardOfType(22);
}

bool HasCardOfType15()
{
    return HasCardOfType(15);
}

bool HasCardOfType28()
{
    return HasCardOfType(28);
}

bool HasCardOfType31()
{
    return HasCardOfType(31);
}

void GetDSPInfoRecord(DshDSP* dsp, std::int32_t info[20])
{
    if (!IsAccessorMode()) {
        std::memcpy(info, dsp->info, sizeof dsp->info);
        return;
    }
    GetDshAccessors().getDSPInfoRecord(dsp, info);
}

DshClient* GetDSPClient(DshDSP* dsp)
{
    if (!IsAccessorMode())
        return dsp->client;
    return readRecord<DshClient>([dsp](DshClient** client) { return GetDshAccessors().getDSPClient(dsp, client); });
}

DshCard* GetDSPCard(DshDSP* dsp)
{
    if (!IsAccessorMode())
        return dsp->card;
    std::int32_t index = -1;
    if (GetDshAccessors().getDSPCardIndex(dsp, &index) != 0)
        return nullptr;
    DshCard* card = firstCard();
    for (std::int32_t i = 0; card != nullptr && i < index; ++i)
        card = nextCard(card);
    return card;
}

std::int32_t GetDSPCoreType(DshDSP* dsp)
{
    if (!IsAccessorMode())
        return dsp->coreType;
    std::int32_t type = -1;
    return GetDshAccessors().getDSPCoreType(dsp, &type) == 0 ? type : -1;
}

DshDSP* GetNextDSP(DshDSP* dsp)
{
    if (!IsAccessorMode())
        return dsp->next;
    return readRecord<DshDSP>([dsp](DshDSP** next) { return GetDshAccessors().getNextDSP(dsp, next); });
}

std::int32_t GetNumDSPsOnCard(DshCard* card)
{
    if (!IsAccessorMode())
        return card->dspCount;
    std::int32_t count = 0;
    return GetDshAccessors().getNumDSPsOnCard(card, &count) == 0 ? count : 0;
}

#include "hostframework/effect_group_card.h"

#include "hostframework/effect_process_card.h"
#include "hostlibs/dspshell/dsp_shell.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::int32_t, 4> kCodeKinds = {18, 21, 26, 29};
constexpr std::array<std::int32_t, 12> kConfigurations = {3, 7, 27, 31, 43, 283, 287, 512, 515, 519, 539, 543};
// The configurations listed for a kind, in the order they are listed.
constexpr std::array<std::int32_t, 4> kKind29Listed = {287, 283, 539, 515};
constexpr std::array<std::int32_t, 5> kKind21Listed = {43, 27, 31, 3, 7};

bool fillsOnlyEmpty(std::int32_t kind, std::int32_t configuration)
{
    return kind == 26 || (kind == 29 && (configuration == 283 || configuration == 287));
}

void putWord(char* at, std::int32_t value)
{
    const auto word = static_cast<std::uint32_t>(value);
    for (int n = 0; n < 4; ++n)
        at[n] = static_cast<char>(word >> (24 - 8 * n));
}

} // namespace

CEffectGroupCard::CEffectGroupCard()
{
    for (std::int32_t kind : kCodeKinds)
        for (std::int32_t configuration : kConfigurations)
            codeResources[{kind, configuration}] = kNoCode;
}

void CEffectGroupCard::SetCodeResource(std::int32_t kind, std::int32_t configuration, std::int16_t number)
{
    const auto entry = codeResources.find({kind, configuration});
    if (entry == codeResources.end())
        return;
    if (fillsOnlyEmpty(kind, configuration) && entry->second != kNoCode)
        return;
    entry->second = number;
}

std::int16_t CEffectGroupCard::GetCodeResource(std::int32_t configuration, std::int32_t family) const
{
    const auto entry = codeResources.find({family, configuration});
    return entry != codeResources.end() && entry->second != kNoCode ? entry->second : std::int16_t{0};
}

std::int32_t CEffectGroupCard::ListSupportedConfigurations(std::int32_t kind, HostHandle* list) const
{
    std::vector<std::int32_t> supported;
    const auto collect = [&](const auto& listed) {
        for (std::int32_t configuration : listed)
            if (GetCodeResource(configuration, kind) != 0)
                supported.push_back(configuration);
    };
    if (kind == 29)
        collect(kKind29Listed);
    else if (kind == 21)
        collect(kKind21Listed);
    if (supported.empty())
        return kNoConfiguration;
    HostHandle handle = HostExtNewHandle(static_cast<std::int32_t>(4 * (supported.size() + 1)));
    if (handle == nullptr)
        return kHostErrNoMemory;
    putWord(*handle, static_cast<std::int32_t>(supported.size()));
    for (std::size_t n = 0; n < supported.size(); ++n)
        putWord(*handle + 4 * (n + 1), supported[n]);
    if (list != nullptr)
        *list = handle;
    else
        HostExtDisposeHandle(handle);
    return 0;
}

std::int32_t CEffectGroupCard::GetDSPCapacity(std::int32_t family)
{
    std::int32_t dsps = 0;
    DshCard* card = nullptr;
    if (GetCardList(&card) == 0)
        for (; card != nullptr; card = card->next)
            if (card->type == family)
                dsps += card->dspCount;
    if (family == 26)
        return dsps * 2;
    if (family == 29)
        return dsps * 4;
    return dsps;
}

std::int32_t CEffectGroupCard::GetDSPUsage(std::int32_t family)
{
    std::int32_t usage = 0;
    forEachDSPProcess([&](CDSPProcess& process) {
        if (auto* card = dynamic_cast<CEffectProcessCard*>(&process); card != nullptr && card->GetChipFamily() == family)
            usage += card->GetDSPLoad();
    });
    return usage;
}

std::int32_t CEffectGroupCard::AllocateInstanceSlot(std::uint32_t type)
{
    std::int32_t index = 0;
    while (std::ranges::find(instanceSlots, std::pair{index, type}) != instanceSlots.end())
        ++index;
    instanceSlots.emplace_back(index, type);
    return index;
}

void CEffectGroupCard::RemoveInstanceSlot(std::int32_t index, std::uint32_t type)
{
    std::erase(instanceSlots, std::pair{index, type});
}

std::int32_t CEffectGroupCard::CountInstanceSlots(std::uint32_t type) const
{
    return static_cast<std::int32_t>(std::ranges::count_if(
        instanceSlots, [type](const auto& slot) { return slot.second == type; }));
}

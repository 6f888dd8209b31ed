#include "hostframework/process_dsp_factory.h"

#include "hostframework/dsp_card/chip_dsps.h"
#include "hostframework/dsp_library.h"

#include <array>
#include <stdexcept>

namespace {

// The card the driver's records are read directly for.
constexpr std::int32_t kGenericCardType = 18;

bool isOnGenericCard(DshDSP* dsp)
{
    if (!IsAccessorMode())
        return dsp->card != nullptr && dsp->card->type == kGenericCardType;
    std::int32_t type = 0;
    return GetDshAccessors().getCardTypeFromDSP(dsp, &type) == 0 && type == kGenericCardType;
}

template <auto Test>
bool shellSays(DshDSP* dsp)
{
    std::uint8_t is = 0;
    return (GetDshAccessors().*Test)(dsp, &is) == 0 && is != 0;
}

template <typename Object>
CProcessDSP* make()
{
    return new Object;
}

struct SCardClass {
    bool (*test)(DshDSP* dsp);
    CProcessDSP* (*make)();
};

// Asked in this order; the first that holds picks the class.
constexpr std::array<SCardClass, 4> kCardClasses{{
    {&isOnGenericCard, &make<CProcessDSP>},
    {&shellSays<&DshAccessors::isGen2>, &make<COnyxChipDSP>},
    {&shellSays<&DshAccessors::isPresto>, &make<CPrestoChipDSP>},
    {&shellSays<&DshAccessors::isDSP321>, &make<C321ChipDSP>},
}};

} // namespace

CProcessDSP* GetNewCProcessDSP(DshShell* shell)
{
    if (DshDSP* dsp = FindDSPRunning(shell))
        for (const SCardClass& cardClass : kCardClasses)
            if (cardClass.test(dsp))
                return cardClass.make();
    throw std::runtime_error("unrecognized card type in GetNewCProcessDSP()");
}

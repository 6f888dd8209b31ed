// The host bits of a DSP object: bits of the host-interface bytes in the driver's record of the DSP,
// or the DSP shell's host bits.

#include "hostframework/dsp_card/dsp.h"

#include "hostframework/dsp_library.h"
#include "hostframework/host_error.h"

namespace {

constexpr std::int32_t kFlags = 2;
// By flag 0 and 1: the record's bit, and the accessors' host bit for the flag and for its status.
constexpr std::uint8_t kFlagBits[kFlags] = {8, 16};
constexpr std::int32_t kFlagHostBits[kFlags] = {4, 5};
constexpr std::int32_t kStatusHostBits[kFlags] = {6, 7};
constexpr std::int32_t kControlBits = 8;

std::int32_t checkedFlag(std::int32_t flag)
{
    ThrowIfFalse(flag >= 0 && flag < kFlags);
    return flag;
}

std::int32_t checkedBit(std::int32_t bit)
{
    ThrowIfFalse(bit >= 0 && bit < kControlBits);
    return bit;
}

} // namespace

// The driver keeps the record and the DSP level only when asked, before and after each change.
void CDSP::ChangeControlBits(std::uint8_t mask, bool value)
{
    if (dspRecord == nullptr)
        return;
    Refresh();
    const std::uint8_t control = dspRecord->hostControl;
    dspRecord->hostControl = static_cast<std::uint8_t>(value ? control | mask : control & ~mask);
    Refresh();
}

void CDSP::SetHostFlagTo(std::int32_t flag, bool value)
{
    const std::int32_t checked = checkedFlag(flag);
    if (accessorMode)
        GetDshAccessors().setHostBit(dspRecord, kFlagHostBits[checked], value ? 1 : 0);
    else
        ChangeControlBits(kFlagBits[checked], value);
}

bool CDSP::TestHostFlag(std::int32_t flag)
{
    const std::int32_t checked = checkedFlag(flag);
    if (accessorMode)
        return HostBitOfDriver(kFlagHostBits[checked]);
    return dspRecord != nullptr && (dspRecord->hostControl & kFlagBits[checked]) != 0;
}

bool CDSP::TestStatusFlag(std::int32_t flag)
{
    const std::int32_t checked = checkedFlag(flag);
    if (accessorMode)
        return HostBitOfDriver(kStatusHostBits[checked]);
    return dspRecord != nullptr && (dspRecord->hostStatus & kFlagBits[checked]) != 0;
}

void CDSP::SetHostBit(std::int32_t bit, bool value)
{
    const std::int32_t checked = checkedBit(bit);
    if (accessorMode)
        GetDshAccessors().setHostBit(dspRecord, checked, value ? 1 : 0);
    else
        ChangeControlBits(static_cast<std::uint8_t>(1u << checked), value);
}

std::int32_t CDSP::TestHostBit(std::int32_t bit)
{
    const std::int32_t checked = checkedBit(bit);
    if (dspRecord == nullptr)
        return -1;
    if (accessorMode)
        return HostBitOfDriver(checked) ? 1 : 0;
    return (dspRecord->hostControl >> checked) & 1;
}

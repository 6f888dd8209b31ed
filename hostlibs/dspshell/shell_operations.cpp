// The shell operations and the shell's calls back into its host-code handler.

#include "hostlibs/dspshell/driver_state.h"
#include "hostlibs/dspshell/dsp_shell_control.h"

namespace {

using dspshell::driver;
using dspshell::DSPBehind;
using dspshell::Guard;
using dspshell::kNoObject;
using dspshell::record;

enum Space { kX, kY, kP };

// Runs an operation on the DSP's behind; kNoObject for a DSP the driver does not have.
template <typename Work>
std::int16_t onDSP(DshDSP* dsp, Work work)
{
    const Guard guard(driver().lock);
    DSPBehind* behind = dspshell::behindOf(dsp);
    if (behind == nullptr)
        return kNoObject;
    work(*behind);
    return 0;
}

std::int16_t getWord(const char* name, DshDSP* dsp, Space space, std::int32_t address, std::int32_t* word)
{
    record(name, address);
    if (word == nullptr)
        return kNoObject;
    return onDSP(dsp, [&](DSPBehind& behind) { *word = behind.memory[space][address]; });
}

std::int16_t changeBits(const char* name, DshDSP* dsp, Space space, std::int32_t address, std::int32_t mask,
                        std::int32_t bits)
{
    record(name, address, mask, bits);
    return onDSP(dsp, [&](DSPBehind& behind) {
        std::int32_t& word = behind.memory[space][address];
        word = (word & ~mask) | (bits & mask);
    });
}

std::int16_t plain(const char* name, DshDSP* dsp)
{
    record(name);
    return onDSP(dsp, [](DSPBehind&) {});
}

std::int16_t withValue(const char* name, DshDSP* dsp, std::int32_t value)
{
    record(name, value);
    return onDSP(dsp, [](DSPBehind&) {});
}

template <typename Routine>
Routine routineFrom(std::intptr_t address)
{
    return reinterpret_cast<Routine>(address);
}

} // namespace

extern "C" {

std::int16_t SGetXWord(DshDSP* dsp, std::int32_t address, std::int32_t* word) { return getWord("SGetXWord", dsp, kX, address, word); }
std::int16_t SGetYWord(DshDSP* dsp, std::int32_t address, std::int32_t* word) { return getWord("SGetYWord", dsp, kY, address, word); }
std::int16_t SGetPWord(DshDSP* dsp, std::int32_t address, std::int32_t* word) { return getWord("SGetPWord", dsp, kP, address, word); }

std::int16_t SChangeXBits(DshDSP* dsp, std::int32_t address, std::int32_t mask, std::int32_t bits)
{
    return changeBits("SChangeXBits", dsp, kX, address, mask, bits);
}

std::int16_t SChangeYBits(DshDSP* dsp, std::int32_t address, std::int32_t mask, std::int32_t bits)
{
    return changeBits("SChangeYBits", dsp, kY, address, mask, bits);
}

std::int16_t SChangePBits(DshDSP* dsp, std::int32_t address, std::int32_t mask, std::int32_t bits)
{
    return changeBits("SChangePBits", dsp, kP, address, mask, bits);
}

std::int16_t SExecute(DshDSP* dsp, std::int32_t address) { return withValue("SExecute", dsp, address); }
std::int16_t SSetLeftRightBit(DshDSP* dsp, std::int32_t value) { return withValue("SSetLeftRightBit", dsp, value); }

std::int16_t SGetControlLatch(DshDSP* dsp, std::int32_t* latch)
{
    record("SGetControlLatch");
    if (latch == nullptr)
        return kNoObject;
    return onDSP(dsp, [&](DSPBehind& behind) { *latch = behind.controlLatch; });
}

std::int16_t SSetControlLatch(DshDSP* dsp, std::int32_t latch)
{
    record("SSetControlLatch", latch);
    return onDSP(dsp, [&](DSPBehind& behind) { behind.controlLatch = latch; });
}

std::int16_t SInitShell(DshDSP* dsp) { return plain("SInitShell", dsp); }
std::int16_t SStartShell(DshDSP* dsp) { return plain("SStartShell", dsp); }
std::int16_t SPauseShell(DshDSP* dsp) { return plain("SPauseShell", dsp); }
std::int16_t SResumeShell(DshDSP* dsp) { return plain("SResumeShell", dsp); }
std::int16_t SSetInputDelay(DshDSP* dsp, std::int32_t delay) { return withValue("SSetInputDelay", dsp, delay); }
std::int16_t SSetOutputDelay(DshDSP* dsp, std::int32_t delay) { return withValue("SSetOutputDelay", dsp, delay); }
std::int16_t SUpdateDSPPeripheral(DshDSP* dsp) { return plain("SUpdateDSPPeripheral", dsp); }

// The driver keeps no code table of its own: every code is unknown to it.
std::int16_t SGetDSPCodeInfo(DshDSP* dsp, std::int32_t code, std::int32_t* info)
{
    record("SGetDSPCodeInfo", code);
    if (info == nullptr)
        return kNoObject;
    return onDSP(dsp, [&](DSPBehind&) { *info = 0; });
}

} // extern "C"

namespace dspshell {

std::optional<std::int16_t> callHostCode(DshDSP* dsp, std::int32_t selector, std::int32_t first,
                                         std::int32_t second, std::int32_t third, std::int32_t* out)
{
    DshHostCodeHandler handler = nullptr;
    {
        const Guard guard(driver().lock);
        if (behindOf(dsp) == nullptr || dsp->shell == nullptr)
            return std::nullopt;
        handler = dsp->shell->hostCodeHandler;
    }
    // The handler runs the framework's code, which may call the driver again from here.
    const std::intptr_t routine = handler != nullptr ? handler(selector) : 0;
    if (routine == 0)
        return std::nullopt;
    switch (selector) {
    case 256:
    case 257:
    case 258: return routineFrom<decltype(&SGetXWord)>(routine)(dsp, first, out);
    case 259:
    case 260:
    case 261: return routineFrom<decltype(&SChangeXBits)>(routine)(dsp, first, second, third);
    case 264: return routineFrom<decltype(&SGetControlLatch)>(routine)(dsp, out);
    case 266:
    case 267:
    case 268:
    case 269:
    case 272: return routineFrom<decltype(&SInitShell)>(routine)(dsp);
    case 273: return routineFrom<decltype(&SGetDSPCodeInfo)>(routine)(dsp, first, out);
    default: return routineFrom<decltype(&SExecute)>(routine)(dsp, first); // the rest take one value
    }
}

} // namespace dspshell

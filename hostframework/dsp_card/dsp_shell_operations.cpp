// The shell operations of a DSP object: each is the shell library's own, on the object's DSP.

#include "hostframework/dsp_card/dsp.h"

#include "hostframework/host_error.h"

namespace {

// By memory space: X, Y, P.
constexpr std::int32_t kSpaces = 3;
constexpr std::int16_t (CDSP::*kReaders[kSpaces])(std::int32_t, std::int32_t*) = {&CDSP::GetXWord, &CDSP::GetYWord,
                                                                                 &CDSP::GetPWord};
constexpr std::int16_t (CDSP::*kChangers[kSpaces])(std::int32_t, std::int32_t, std::int32_t) = {
    &CDSP::ChangeXBits, &CDSP::ChangeYBits, &CDSP::ChangePBits};

} // namespace

std::int16_t CDSP::GetXWord(std::int32_t address, std::int32_t* word) { return SGetXWord(dspRecord, address, word); }
std::int16_t CDSP::GetYWord(std::int32_t address, std::int32_t* word) { return SGetYWord(dspRecord, address, word); }
std::int16_t CDSP::GetPWord(std::int32_t address, std::int32_t* word) { return SGetPWord(dspRecord, address, word); }

std::int16_t CDSP::ChangeXBits(std::int32_t address, std::int32_t mask, std::int32_t bits)
{
    return SChangeXBits(dspRecord, address, mask, bits);
}

std::int16_t CDSP::ChangeYBits(std::int32_t address, std::int32_t mask, std::int32_t bits)
{
    return SChangeYBits(dspRecord, address, mask, bits);
}

std::int16_t CDSP::ChangePBits(std::int32_t address, std::int32_t mask, std::int32_t bits)
{
    return SChangePBits(dspRecord, address, mask, bits);
}

std::int16_t CDSP::Execute(std::int32_t address) { return SExecute(dspRecord, address); }
std::int16_t CDSP::SetLeftRightBit(std::int32_t value) { return SSetLeftRightBit(dspRecord, value); }
std::int16_t CDSP::GetControlLatch(std::int32_t* latch) { return SGetControlLatch(dspRecord, latch); }
std::int16_t CDSP::SetControlLatch(std::int32_t latch) { return SSetControlLatch(dspRecord, latch); }
std::int16_t CDSP::InitShell() { return SInitShell(dspRecord); }
std::int16_t CDSP::StartShell() { return SStartShell(dspRecord); }
std::int16_t CDSP::PauseShell() { return SPauseShell(dspRecord); }
std::int16_t CDSP::ResumeShell() { return SResumeShell(dspRecord); }
std::int16_t CDSP::SetInputDelay(std::int32_t delay) { return SSetInputDelay(dspRecord, delay); }
std::int16_t CDSP::SetOutputDelay(std::int32_t delay) { return SSetOutputDelay(dspRecord, delay); }
std::int16_t CDSP::UpdateDSPPeripheral() { return SUpdateDSPPeripheral(dspRecord); }

// The framework's own code table would be asked first, passing on only what it refuses; this
// library carries no DSP code, so its table refuses every code and the shell library answers.
std::int16_t CDSP::GetDSPCodeInfo(std::int32_t code, std::int32_t* info)
{
    return SGetDSPCodeInfo(dspRecord, code, info);
}

std::int16_t CDSP::ReadMemory(std::int32_t space, std::int32_t address, std::int32_t* word)
{
    ThrowIfFalse(space >= 0 && space < kSpaces);
    return (this->*kReaders[space])(address, word);
}

std::int16_t CDSP::ChangeMemoryBits(std::int32_t space, std::int32_t address, std::int32_t mask, std::int32_t bits)
{
    ThrowIfFalse(space >= 0 && space < kSpaces);
    return (this->*kChangers[space])(address, mask, bits);
}

// The host port of a DSP object: the driver's registers, or the DSP shell's host-port accessors.

#include "hostframework/dsp_card/dsp.h"

#include "hostframework/dsp_card/timed_out_exception.h"
#include "hostframework/dsp_library.h"
#include "platform/clock.h"

#include <array>
#include <utility>

namespace {

// How long the host waits for a DSP's port before giving up, in host ticks.
constexpr DWORD kPortTimeoutTicks = 30;
// The limits the accessors' own waits are given: a word's the shorter, a block's the longer.
constexpr std::int32_t kWordWaitLimit = 1'000'000'000;
constexpr std::int32_t kBlockWaitLimit = 2'000'000'000;
// The accessors' host bits: the command bit, transmit-ready and the status signal.
constexpr std::int32_t kCommandHostBit = 0;
constexpr std::int32_t kTransmitHostBit = 1;
constexpr std::int32_t kStatusHostBit = 7;
constexpr std::uint32_t kStatusSignals = 8 | 64;
// Interrupt-control mask bits and the accessors' host bits for them.
constexpr std::array<std::pair<std::uint32_t, std::int32_t>, 3> kInterruptBits{{{8, 4}, {16, 5}, {32, 6}}};
// Tries keep a block moving; every sixth word, from the third on, waits so the DSP can catch up,
// and the last waits so the block is taken whole.
constexpr std::int32_t kBlockWaitSpacing = 6;
constexpr std::int32_t kFirstBlockWait = 2;

template <typename Ready>
void waitFor(Ready ready)
{
    const DWORD start = GetTickCount();
    while (!ready())
        if (GetTickCount() - start >= kPortTimeoutTicks)
            throw CTimedOutException();
}

// The port's words are 24 bits wide, bit 23 their sign.
std::int32_t signExtended24(std::uint32_t word)
{
    return static_cast<std::int32_t>(word << 8) >> 8;
}

} // namespace

std::uint32_t CDSP::ReadPort(DshHostRegister which)
{
    ThrowIfNull(dspRecord);
    const DshHostPort& port = dspRecord->hostPort;
    if (port.read == nullptr)
        throw CHostError(kHostErrNullValue);
    return port.read(port.addresses[which]);
}

void CDSP::WritePort(DshHostRegister which, std::uint32_t value)
{
    ThrowIfNull(dspRecord);
    const DshHostPort& port = dspRecord->hostPort;
    if (port.write == nullptr)
        throw CHostError(kHostErrNullValue);
    port.write(port.addresses[which], value);
}

void CDSP::HostCommand(std::int32_t command)
{
    const auto vector = static_cast<std::uint32_t>((command + hostCommandBase) * 2);
    if (accessorMode) {
        GetDshAccessors().doHostCommand(dspRecord, static_cast<std::int32_t>(vector), 0);
        GetDshAccessors().waitHostBit(dspRecord, kCommandHostBit, 0, kWordWaitLimit);
        return;
    }
    // A DSP too busy for a command loses it; the caller's work goes on.
    try {
        const auto taken = [this] { return (ReadPort(kDshCommandVector) & kDshCommandPending) == 0; };
        waitFor(taken);
        WritePort(kDshCommandVector, vector | kDshCommandPending);
        waitFor(taken);
    } catch (const CTimedOutException&) {
    }
}

void CDSP::HostCommandWithData(std::int32_t command, std::int32_t resultCount, std::int32_t* results,
                               std::int32_t argumentCount, const std::int32_t* arguments)
{
    if (accessorMode) {
        ThrowIfError(GetDshAccessors().doHostCommandWithDataList(dspRecord, (command + hostCommandBase) * 2, resultCount,
                                                                 results, argumentCount, arguments, kWordWaitLimit));
        return;
    }
    HostCommand(command);
    for (std::int32_t i = 0; i < argumentCount; ++i)
        WriteWord(arguments[i]);
    for (std::int32_t i = 0; i < resultCount; ++i)
        results[i] = ReadWord();
}

std::int32_t CDSP::ReadWord()
{
    if (accessorMode) {
        std::int32_t word = 0;
        ThrowIfError(GetDshAccessors().getLo24ofS32(dspRecord, &word, kWordWaitLimit));
        return word;
    }
    waitFor([this] { return (PortStatus() & kDshReceiveReady) != 0; });
    return signExtended24(ReadPort(kDshReceive));
}

void CDSP::WriteWord(std::int32_t word)
{
    if (accessorMode) {
        ThrowIfError(GetDshAccessors().sendLo24of32(dspRecord, word, kWordWaitLimit));
        return;
    }
    const auto ready = [this] { return (PortStatus() & kDshTransmitReady) != 0; };
    waitFor(ready);
    WritePort(kDshTransmit, static_cast<std::uint32_t>(word));
    waitFor(ready);
}

bool CDSP::TryWriteWord(std::int32_t word)
{
    if (accessorMode)
        return GetDshAccessors().sendLo24of32(dspRecord, word, 0) == 0;
    if ((PortStatus() & kDshTransmitReady) == 0)
        return false;
    WritePort(kDshTransmit, static_cast<std::uint32_t>(word));
    return true;
}

bool CDSP::IsTransmitReady()
{
    if (accessorMode)
        return HostBitOfDriver(kTransmitHostBit);
    return (PortStatus() & kDshTransmitReady) != 0;
}

void CDSP::WriteBlock(const std::int32_t* words, std::int32_t count)
{
    if (count <= 0)
        return;
    if (accessorMode) {
        ThrowIfError(GetDshAccessors().sendLo24of32Check(dspRecord, words, count, kBlockWaitLimit));
        return;
    }
    // A word the port cannot take at once is waited for rather than lost.
    for (std::int32_t i = 0; i < count; ++i) {
        const bool waits = i == count - 1 || i % kBlockWaitSpacing == kFirstBlockWait;
        if (waits || !TryWriteWord(words[i]))
            WriteWord(words[i]);
    }
}

void CDSP::SetInterruptControlBits(std::uint32_t mask)
{
    if (!accessorMode) {
        WritePort(kDshInterruptControl, ReadPort(kDshInterruptControl) | mask);
        return;
    }
    for (const auto& [maskBit, hostBit] : kInterruptBits)
        if ((mask & maskBit) != 0)
            GetDshAccessors().setHostBit(dspRecord, hostBit, 1);
}

bool CDSP::TestHostStatus()
{
    if (accessorMode)
        return HostBitOfDriver(kStatusHostBit);
    return (PortStatus() & kStatusSignals) != 0;
}

bool CDSP::HostBitOfDriver(std::int32_t bit)
{
    std::uint8_t value = 0;
    return GetDshAccessors().getHostBit(dspRecord, bit, &value) == 0 && value != 0;
}

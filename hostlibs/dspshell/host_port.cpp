// The DSPs' host ports: the registers a direct reader reaches through the driver's access routines,
// and the driver's own host-port functions, both served by the same port behind each DSP.

#include "hostlibs/dspshell/driver_state.h"
#include "hostlibs/dspshell/dsp_shell_control.h"

namespace {

using dspshell::driver;
using dspshell::Driver;
using dspshell::DSPBehind;
using dspshell::Guard;
using dspshell::kNoObject;
using dspshell::record;

// A port answers on addresses of its own: the DSP's number picks the block, the register the word.
constexpr std::intptr_t kPortBlock = 0x100;
// A driver wait that runs out answers this.
constexpr std::int16_t kTimedOut = -2;

constexpr const char* kRegisterNames[kDshHostRegisterCount] = {"interruptControl", "status", "commandVector",
                                                               "transmit", "receive"};

struct PortRegister {
    DSPBehind* behind;
    std::int32_t index;
};

PortRegister registerAt(std::intptr_t address)
{
    Driver& state = driver();
    const std::intptr_t number = address / kPortBlock - 1;
    const std::intptr_t index = address % kPortBlock;
    if (number < 0 || static_cast<std::size_t>(number) >= state.behind.size() || index >= kDshHostRegisterCount)
        return {nullptr, 0};
    return {&state.behind[static_cast<std::size_t>(number)], static_cast<std::int32_t>(index)};
}

// A stuck port moves the test's clock on with every look at it, so a wait for it runs out.
bool stuck()
{
    Driver& state = driver();
    if (state.stuckClock == nullptr)
        return false;
    state.stuckClock->advance(1);
    return true;
}

std::int32_t signExtended24(std::int32_t word)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(word) << 8) >> 8;
}

std::uint32_t readRegister(std::intptr_t address)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    const PortRegister port = registerAt(address);
    if (port.behind == nullptr)
        return 0;
    const bool stuckNow = stuck();
    std::uint32_t value = 0;
    switch (port.index) {
    case kDshInterruptControl: value = port.behind->interruptControl; break;
    case kDshHostStatus:
        value = port.behind->statusFlags;
        if (!stuckNow)
            value |= kDshTransmitReady | (port.behind->receive.empty() ? 0 : kDshReceiveReady);
        break;
    case kDshCommandVector: value = stuckNow ? kDshCommandPending : 0; break;
    case kDshReceive: {
        const std::int32_t word = dspshell::takeReceiveWord(*port.behind);
        record("read receive", word);
        return static_cast<std::uint32_t>(word);
    }
    default: break;
    }
    record((std::string("read ") + kRegisterNames[port.index]).c_str());
    return value;
}

void writeRegister(std::intptr_t address, std::uint32_t value)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    const PortRegister port = registerAt(address);
    if (port.behind == nullptr)
        return;
    if (port.index == kDshInterruptControl)
        port.behind->interruptControl = value;
    record((std::string("write ") + kRegisterNames[port.index]).c_str(), static_cast<std::int32_t>(value));
}

// Runs a driver function on the DSP's port: no DSP answers kNoObject, a stuck port kTimedOut.
template <typename Work>
std::int16_t onPort(DshDSP* dsp, Work work)
{
    Driver& state = driver();
    const Guard guard(state.lock);
    DSPBehind* behind = dspshell::behindOf(dsp);
    if (behind == nullptr)
        return kNoObject;
    if (state.stuckClock != nullptr)
        return kTimedOut;
    work(*behind);
    return 0;
}

} // namespace

namespace dspshell {

DSPBehind* behindOf(DshDSP* dsp)
{
    Driver& state = driver();
    for (std::size_t i = 0; dsp != nullptr && i < state.dsps.size(); ++i)
        if (&state.dsps[i] == dsp)
            return &state.behind[i];
    return nullptr;
}

void mapHostPort(DshDSP& dsp, std::size_t number)
{
    const auto block = static_cast<std::intptr_t>(number + 1) * kPortBlock;
    for (std::int32_t index = 0; index < kDshHostRegisterCount; ++index)
        dsp.hostPort.addresses[index] = block + index;
    dsp.hostPort.read = &readRegister;
    dsp.hostPort.write = &writeRegister;
}

std::int32_t takeReceiveWord(DSPBehind& behind)
{
    if (behind.receive.empty())
        return 0;
    const std::int32_t word = behind.receive.front();
    behind.receive.pop_front();
    return word;
}

void queueReceiveWords(DshDSP* dsp, const std::vector<std::int32_t>& words)
{
    const Guard guard(driver().lock);
    if (DSPBehind* behind = behindOf(dsp))
        behind->receive.insert(behind->receive.end(), words.begin(), words.end());
}

void setHostStatusFlags(DshDSP* dsp, std::uint32_t flags)
{
    const Guard guard(driver().lock);
    if (DSPBehind* behind = behindOf(dsp))
        behind->statusFlags = flags;
}

void stickHostPorts(platform::ManualClock* clock)
{
    const Guard guard(driver().lock);
    driver().stuckClock = clock;
}

} // namespace dspshell

extern "C" {

std::int16_t DshDoHostCommand(DshDSP* dsp, std::int32_t command, std::int32_t flags)
{
    record("DshDoHostCommand", command, flags);
    return onPort(dsp, [](DSPBehind&) {});
}

std::int16_t DshDoHostCommandOnEmptyHostPort(DshDSP* dsp, std::int32_t command, std::int32_t flags)
{
    record("DshDoHostCommandOnEmptyHostPort", command, flags);
    return onPort(dsp, [](DSPBehind&) {});
}

std::int16_t DshDoHostCommandWithDataList(DshDSP* dsp, std::int32_t command, std::int32_t resultCount,
                                          std::int32_t* results, std::int32_t argumentCount,
                                          const std::int32_t* arguments, std::int32_t limit)
{
    const Guard guard(driver().lock);
    std::string entry = "DshDoHostCommandWithDataList " + std::to_string(command) + " " + std::to_string(resultCount) +
                        " " + std::to_string(argumentCount);
    for (std::int32_t i = 0; arguments != nullptr && i < argumentCount; ++i)
        entry.append(" ").append(std::to_string(arguments[i]));
    record(entry.c_str(), limit);
    return onPort(dsp, [&](DSPBehind& behind) {
        for (std::int32_t i = 0; results != nullptr && i < resultCount; ++i)
            results[i] = signExtended24(dspshell::takeReceiveWord(behind));
    });
}

std::int16_t DshWaitHostBit(DshDSP* dsp, std::int32_t bit, std::int32_t value, std::int32_t limit)
{
    record("DshWaitHostBit", bit, value, limit);
    return onPort(dsp, [](DSPBehind&) {});
}

std::int16_t DshSendLo24of32(DshDSP* dsp, std::int32_t word, std::int32_t limit)
{
    record("DshSendLo24of32", word, limit);
    return onPort(dsp, [](DSPBehind&) {});
}

std::int16_t DshGetLo24ofS32(DshDSP* dsp, std::int32_t* word, std::int32_t limit)
{
    record("DshGetLo24ofS32", limit);
    if (word == nullptr)
        return kNoObject;
    return onPort(dsp, [&](DSPBehind& behind) { *word = signExtended24(dspshell::takeReceiveWord(behind)); });
}

std::int16_t DshSendLo24of32Check(DshDSP* dsp, const std::int32_t* words, std::int32_t count, std::int32_t limit)
{
    const Guard guard(driver().lock);
    std::string entry = "DshSendLo24of32Check " + std::to_string(count);
    for (std::int32_t i = 0; words != nullptr && i < count; ++i)
        entry.append(" ").append(std::to_string(words[i]));
    record(entry.c_str(), limit);
    return onPort(dsp, [](DSPBehind&) {});
}

std::int16_t DshGetLo24ofS32Check(DshDSP* dsp, std::int32_t* words, std::int32_t count, std::int32_t limit)
{
    record("DshGetLo24ofS32Check", count, limit);
    return onPort(dsp, [&](DSPBehind& behind) {
        for (std::int32_t i = 0; words != nullptr && i < count; ++i)
            words[i] = signExtended24(dspshell::takeReceiveWord(behind));
    });
}

std::int16_t DshSetHostBit(DshDSP* dsp, std::int32_t bit, std::int32_t value)
{
    record("DshSetHostBit", bit, value);
    if (dsp == nullptr || bit < 0 || bit > 7)
        return kNoObject;
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    dsp->hostControl = static_cast<std::uint8_t>(value != 0 ? dsp->hostControl | mask : dsp->hostControl & ~mask);
    return 0;
}

std::int16_t DshGetHostBit(DshDSP* dsp, std::int32_t bit, std::uint8_t* value)
{
    record("DshGetHostBit", bit);
    if (dsp == nullptr || value == nullptr || bit < 0 || bit > 7)
        return kNoObject;
    *value = static_cast<std::uint8_t>((dsp->hostControl >> bit) & 1u);
    return 0;
}

} // extern "C"

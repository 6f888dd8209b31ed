#include "hostframework/dsp_card/process_dsp.h"

#include "hostframework/host_error.h"
#include "hostframework/host_services.h"

#include <cstddef>

namespace {

constexpr std::int32_t kProcessCommand = 13;
constexpr std::int32_t kShellInitCommand = 0;
constexpr std::int32_t kShellStartCommand = 1;

// The process command's sub-commands.
constexpr std::int32_t kQuery0 = 0;
constexpr std::int32_t kSet = 1;
constexpr std::int32_t kSetSecondKind = 2;
constexpr std::int32_t kSub3 = 3;
constexpr std::int32_t kSub4 = 4;
constexpr std::int32_t kSub6 = 6;
constexpr std::int32_t kSub7 = 7;
constexpr std::int32_t kSetAddresses = 8;
constexpr std::int32_t kStateData = 9;
constexpr std::int32_t kTimedValue = 11;
constexpr std::int32_t kQuery12 = 12;
constexpr std::int32_t kQuery13 = 13;
constexpr std::int32_t kSub14 = 14;
constexpr std::int32_t kCounter = 15;
constexpr std::int32_t kTimeOfDay = 16;

// A sub-command that is not about one process's values sends these in their place.
constexpr std::int32_t kNone = -1;
constexpr std::int32_t kFlagOn = 0xFFFFFF;
constexpr std::uint32_t kLow24 = 0xFFFFFF;
constexpr std::uint32_t kTopByte = 0xFF;
constexpr int kTopByteShift = 24;
constexpr std::int64_t kHighWordScale = 16'777'216;
constexpr std::int32_t kBytesPerWord = 4;

// A block of `count` words fits the handle.
bool holds(HostHandle handle, std::int32_t count)
{
    if (count < 0 || handle == nullptr)
        return false;
    return count == 0 ||
           (*handle != nullptr && std::int64_t{HostExtGetHandleSize(handle)} >= std::int64_t{count} * kBytesPerWord);
}

class LockedHandle {
public:
    explicit LockedHandle(HostHandle handle) : handle(handle) { HostExtLockHandle(handle); }
    ~LockedHandle() { HostExtUnlockHandle(handle); }
    LockedHandle(const LockedHandle&) = delete;
    LockedHandle& operator=(const LockedHandle&) = delete;

    // Host memory blocks are aligned for any word.
    const std::int32_t* words() const { return reinterpret_cast<const std::int32_t*>(*handle); }

private:
    HostHandle handle;
};

} // namespace

class CProcessDSP::Reservation {
public:
    explicit Reservation(CProcessDSP& dsp) : dsp(dsp) { dsp.Reserve(); }
    ~Reservation() { dsp.ReleaseReservation(); }
    Reservation(const Reservation&) = delete;
    Reservation& operator=(const Reservation&) = delete;

private:
    CProcessDSP& dsp;
};

CProcessDSP::CProcessDSP(const SChipWords& words) : CDSP(words.kind, words.hostCommandBase), words(words) {}

void CProcessDSP::InitializeWithShell(DshShell* newShell)
{
    SetShell(newShell);
    Attach(FindDSP());
}

bool CProcessDSP::AcquireAccess()
{
    if (Reserve())
        return true;
    ReleaseReservation();
    return false;
}

void CProcessDSP::Attach(DshDSP* dsp)
{
    CDSP::Attach(dsp);
    std::int32_t count = 0;
    if (dsp != nullptr && lockUser == nullptr && DshGetLockServiceCount(&count) == 0 && count >= 1)
        DshRegisterLockUser(dsp, &lockUser);
}

std::int16_t CProcessDSP::InitShell()
{
    HostCommand(kShellInitCommand);
    return 0;
}

std::int16_t CProcessDSP::StartShell()
{
    HostCommand(kShellStartCommand);
    return 0;
}

bool CProcessDSP::Reserve()
{
    if (lockUser != nullptr)
        DshLockDSP(lockUser);
    return reservations++ == 0;
}

void CProcessDSP::ReleaseReservation()
{
    if (lockUser != nullptr)
        DshUnlockDSP(lockUser);
    --reservations;
}

void CProcessDSP::SendProcessCommand(std::initializer_list<std::int32_t> arguments, std::int32_t resultCount,
                                     std::int32_t* results)
{
    HostCommandWithData(kProcessCommand, resultCount, results, static_cast<std::int32_t>(arguments.size()),
                        arguments.begin());
}

std::int32_t CProcessDSP::SendProcessQuery(std::initializer_list<std::int32_t> arguments)
{
    std::int32_t result = 0;
    SendProcessCommand(arguments, 1, &result);
    return result;
}

std::int32_t CProcessDSP::Query0()
{
    const Reservation held(*this);
    const std::int32_t result = SendProcessQuery({kQuery0, kNone, kNone});
    SendProcessCommand({kQuery0, kNone, kNone});
    return result;
}

void CProcessDSP::Set(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t address)
{
    const Reservation held(*this);
    SendProcessCommand({kSet, a, b, c, address + words.addressBase});
}

void CProcessDSP::SetSecondKind(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t address)
{
    const Reservation held(*this);
    SendProcessCommand({kSetSecondKind, a, b, c, address + words.addressBase});
}

void CProcessDSP::SetWithFirstLimit(std::int32_t a, std::int32_t b, std::int32_t c)
{
    const Reservation held(*this);
    SendProcessCommand({kSet, a, b, c, words.firstLimit});
}

void CProcessDSP::SetWithSecondLimit(std::int32_t a, std::int32_t b, std::int32_t c)
{
    const Reservation held(*this);
    SendProcessCommand({kSetSecondKind, a, b, c, words.secondLimit});
}

void CProcessDSP::SubCommand3(std::int32_t a, std::int32_t b, std::int32_t c)
{
    const Reservation held(*this);
    SendProcessCommand({kSub3, a, b, c});
}

void CProcessDSP::SubCommand4(std::int32_t a, std::int32_t b, std::int32_t c)
{
    const Reservation held(*this);
    SendProcessCommand({kSub4, a, b, c});
}

void CProcessDSP::SubCommand6(std::int32_t a, std::int32_t b, bool flag)
{
    const Reservation held(*this);
    SendProcessCommand({kSub6, a, b, flag ? kFlagOn : 0});
}

void CProcessDSP::SubCommand7(std::int32_t a, std::int32_t b, bool flag)
{
    const Reservation held(*this);
    SendProcessCommand({kSub7, a, b, flag ? kFlagOn : 0});
}

void CProcessDSP::SetAddress(std::int32_t address)
{
    const Reservation held(*this);
    keptAddresses[0] = static_cast<std::int16_t>(address);
    SendProcessCommand({kSub7, kNone, kNone, address + words.addressBase});
}

void CProcessDSP::SetAddresses(std::int32_t first, std::int32_t second)
{
    const Reservation held(*this);
    keptAddresses = {static_cast<std::int16_t>(first), static_cast<std::int16_t>(second)};
    SendProcessCommand({kSetAddresses, kNone, kNone, first + words.addressBase, second + words.addressBase});
}

std::int32_t CProcessDSP::SetStateData(HostHandle state, std::int32_t wordCount, HostHandle second,
                                       std::int32_t secondCount, std::int32_t firstWord, std::int32_t secondWord,
                                       std::int32_t value1, std::int32_t value2, std::int32_t value3)
{
    const Reservation held(*this);
    if (state == nullptr) {
        DebugPrintf("CProcessDSP::SetStateData anXStateMem == NULL.");
        return kHostErrStateDataMissing;
    }
    if (!holds(state, wordCount)) {
        DebugPrintf("CProcessDSP::SetStateData anXStateMem valid, but too small!");
        return kHostErrStateDataMissing;
    }
    // The second block is read as far as its count says, so it is held to that count too.
    if (secondCount != 0 && !holds(second, secondCount)) {
        DebugPrintf("CProcessDSP::SetStateData second block missing or too small!");
        return kHostErrStateDataMissing;
    }
    SendProcessCommand({kStateData, value1, value2, value3, wordCount, secondCount});
    {
        const LockedHandle block(state);
        WriteBlock(block.words(), wordCount);
    }
    WriteWord(firstWord);
    WriteWord(secondWord);
    if (secondCount != 0) {
        const LockedHandle block(second);
        WriteBlock(block.words(), secondCount);
    }
    return 0;
}

std::int32_t CProcessDSP::SetTimedValue(std::int32_t a, std::int32_t b, std::int32_t c)
{
    const Reservation held(*this);
    if (Query12() == -1)
        return kHostErrTimedValueRefused;
    const auto value = static_cast<std::uint32_t>(a);
    SendProcessCommand({kTimedValue, kNone, kNone, c, b, static_cast<std::int32_t>(value >> kTopByteShift),
                        static_cast<std::int32_t>(value & kLow24)});
    return 0;
}

std::int32_t CProcessDSP::Query12()
{
    const Reservation held(*this);
    return SendProcessQuery({kQuery12, kNone, kNone});
}

std::int32_t CProcessDSP::Query13(std::int32_t a, std::int32_t b)
{
    const Reservation held(*this);
    return SendProcessQuery({kQuery13, a, b});
}

void CProcessDSP::SubCommand14()
{
    const Reservation held(*this);
    SendProcessCommand({kSub14, kNone, kNone});
}

std::array<std::int32_t, 2> CProcessDSP::ReadCounter(std::int32_t flag)
{
    const Reservation held(*this);
    std::array<std::int32_t, 2> counter{};
    SendProcessCommand({kCounter, kNone, kNone, flag}, 2, counter.data());
    return counter;
}

std::optional<std::int64_t> CProcessDSP::ReadCounterAt(std::int32_t flag, std::int32_t a, std::int32_t b)
{
    const Reservation held(*this);
    if (b == kNone)
        return std::nullopt;
    SendProcessCommand({kCounter, a, b});
    std::array<std::int32_t, 2> counter{};
    SendProcessCommand({kCounter, a, b, flag}, 2, counter.data());
    return counter[0] * kHighWordScale + (static_cast<std::uint32_t>(counter[1]) & kLow24);
}

std::uint32_t CProcessDSP::GetCurrentTimeOfDay()
{
    const Reservation held(*this);
    std::array<std::int32_t, 2> time{};
    SendProcessCommand({kTimeOfDay, kNone, kNone}, 2, time.data());
    if (time[0] < 0)
        DebugPrintf("CProcessDSP::GetCurrentTimeOfDay TODHi is negative!;g");
    return ((static_cast<std::uint32_t>(time[0]) & kTopByte) << kTopByteShift) | (static_cast<std::uint32_t>(time[1]) & kLow24);
}

std::int32_t CProcessDSP::WriteWordShortcut(std::int32_t word)
{
    WriteWord(word);
    return 1;
}

std::int32_t CProcessDSP::ReadWordShortcut(std::uint8_t* flag)
{
    if (flag != nullptr)
        *flag = 1;
    return ReadWord();
}

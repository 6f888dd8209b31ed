#pragma once

// The DSP object that runs processes on one DSP of a host's DSP card, as the group, the types and the
// processes use it, and the process command through which it talks to the DSP code of its
// processes: one host command whose first data word picks what the code does.

#include "hostframework/dsp_card/chip_words.h"
#include "hostframework/dsp_card/dsp.h"
#include "hostlibs/extension/host_extension.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

class CProcessDSP : public CDSP {
public:
    CProcessDSP() : CProcessDSP(kProcessDSPWords) {}

    // Processes hold references; the last release deletes the object.
    virtual std::int32_t AddRef() { return ++references; }
    virtual std::int32_t Release()
    {
        const std::int32_t left = --references;
        if (left == 0)
            delete this;
        return left;
    }
    // How many hold the object besides the one that made it; the group deletes an object nobody uses.
    virtual std::int16_t GetUserCount() { return static_cast<std::int16_t>(references - 1); }
    // Stops the DSP's shell.
    virtual void Stop() { PauseShell(); }
    // The shell the group made the object for: the object attaches to the DSP it runs on.
    virtual void InitializeWithShell(DshShell* newShell);
    virtual void InitializeWithWord(std::int32_t word) { SetHostWord(word); }
    // The value the group reports to the host for a new object.
    virtual std::int32_t GetReportValue() { return GetDSPIndex(); }
    virtual void SetChipKind(std::int16_t /*kind*/) {}
    // How many processes the DSP holds.
    virtual std::int16_t GetCapacity() { return 0; }
    virtual std::int16_t GetDSPSlot() { return 0; }
    // The four process operations of routine selectors 30 to 33, with the process's DSP index and slot.
    virtual void ProcessCall30(std::int32_t /*index*/, std::int16_t /*slot*/, std::int32_t /*a*/, std::int32_t /*b*/) {}
    virtual void ProcessCall31(std::int32_t /*index*/, std::int16_t /*slot*/, std::int32_t /*a*/, std::int32_t /*b*/) {}
    virtual void ProcessCall32(std::int32_t /*index*/, std::int16_t /*slot*/, std::int32_t /*a*/) {}
    virtual void ProcessCall33(std::int32_t /*index*/, std::int16_t /*slot*/, std::int32_t /*a*/) {}
    // Writing a connection into the DSP's memory: access first (false: refused, and nothing held), the
    // write, then access given back.
    virtual bool AcquireAccess();
    virtual void WriteConnection(std::int32_t /*address*/, std::int32_t /*direction*/, std::int32_t /*value*/) {}
    virtual void ReleaseAccess() { ReleaseReservation(); }
    // What a process asks of its DSP through its host face.
    virtual std::int32_t Operate(std::int32_t /*value*/) { return 0; }
    virtual std::int32_t Operate() { return 0; }

    // Registers with the DSP lock service when the service answers a count of 1 or more.
    void Attach(DshDSP* dsp) override;
    // The shell is started and initialised by the DSP code's own host commands.
    std::int16_t InitShell() override;
    std::int16_t StartShell() override;

    // Reserving takes the DSP lock (when registered) and answers whether nobody held the object;
    // reservations nest and every one is released.
    bool Reserve();
    void ReleaseReservation();

    // The process command. Addresses go out with the address base added.
    std::int32_t Query0();
    void Set(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t address);
    void SetSecondKind(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t address);
    void SetWithFirstLimit(std::int32_t a, std::int32_t b, std::int32_t c);
    void SetWithSecondLimit(std::int32_t a, std::int32_t b, std::int32_t c);
    void SubCommand3(std::int32_t a, std::int32_t b, std::int32_t c);
    void SubCommand4(std::int32_t a, std::int32_t b, std::int32_t c);
    void SubCommand6(std::int32_t a, std::int32_t b, bool flag);
    void SubCommand7(std::int32_t a, std::int32_t b, bool flag);
    void SetAddress(std::int32_t address);
    void SetAddresses(std::int32_t first, std::int32_t second);
    // The addresses kept by the last SetAddresses (SetAddress keeps the first); -1 before any.
    std::array<std::int16_t, 2> GetAddresses() const { return keptAddresses; }
    // The state words of `state` and the second block of `second`, each checked to hold its count of
    // 32-bit words first: 0, or -108 with nothing sent.
    std::int32_t SetStateData(HostHandle state, std::int32_t wordCount, HostHandle second, std::int32_t secondCount,
                              std::int32_t firstWord, std::int32_t secondWord, std::int32_t value1,
                              std::int32_t value2, std::int32_t value3);
    // -7433 with nothing sent when the DSP code answers query 12 with -1.
    std::int32_t SetTimedValue(std::int32_t a, std::int32_t b, std::int32_t c);
    std::int32_t Query12();
    std::int32_t Query13(std::int32_t a, std::int32_t b);
    void SubCommand14();
    std::array<std::int32_t, 2> ReadCounter(std::int32_t flag);
    // Nothing is sent, and nothing answered, for b = -1.
    std::optional<std::int64_t> ReadCounterAt(std::int32_t flag, std::int32_t a, std::int32_t b);
    std::uint32_t GetCurrentTimeOfDay();

    // The chip's word operations as the process command's users reach them: the write answers 1,
    // the read sets the flag first.
    std::int32_t WriteWordShortcut(std::int32_t word);
    std::int32_t ReadWordShortcut(std::uint8_t* flag);

protected:
    explicit CProcessDSP(const SChipWords& words);

private:
    class Reservation;

    // Sends the process command with the arguments; the results, if any, come back into `results`.
    void SendProcessCommand(std::initializer_list<std::int32_t> arguments, std::int32_t resultCount = 0,
                            std::int32_t* results = nullptr);
    std::int32_t SendProcessQuery(std::initializer_list<std::int32_t> arguments);

    SChipWords words;
    std::int32_t references = 1;
    std::array<std::int16_t, 2> keptAddresses{-1, -1};
    DshLockUser* lockUser = nullptr;
    std::int32_t reservations = 0;
};

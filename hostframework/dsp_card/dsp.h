#pragma once

// One DSP of a host's DSP card as the framework drives it: the shell that runs on it, its host port,
// its host bits and the shell operations its shell calls back for. While the binding reads the
// driver's records through the DSP shell's accessors (no card of type 18), the port and the bits go
// through those accessors too; otherwise they are the driver's registers and record bytes.

#include "hostlibs/dspshell/dsp_shell.h"

#include <cstdint>

class CDSP {
public:
    CDSP(const CDSP&) = delete;
    CDSP& operator=(const CDSP&) = delete;
    virtual ~CDSP();

    // Takes the DSP's identity from the driver, makes the object the one its shell callbacks reach
    // and sets the current shell up to call back.
    virtual void Attach(DshDSP* dsp);
    // Loads the current shell onto the DSP; a driver error is thrown.
    virtual void LoadShell();
    // The DSP the current shell runs on, null when none does.
    virtual DshDSP* FindDSP();
    // Loads the current shell again, which the driver must still list, and resets the DSP.
    virtual void ReloadShell();

    // The host port. A host command that the DSP does not take in time is dropped; the other waits
    // throw CTimedOutException. Words are 24 bits wide; a word read carries bit 23 as its sign.
    virtual void HostCommand(std::int32_t command);
    virtual void HostCommandWithData(std::int32_t command, std::int32_t resultCount, std::int32_t* results,
                                     std::int32_t argumentCount, const std::int32_t* arguments);
    virtual std::int32_t ReadWord();
    virtual void WriteWord(std::int32_t word);
    // Writes only when the port takes the word at once; answers whether it did.
    virtual bool TryWriteWord(std::int32_t word);
    virtual bool IsTransmitReady();
    virtual void WriteBlock(const std::int32_t* words, std::int32_t count);
    // Mask bits 8, 16 and 32 of the port's interrupt control.
    virtual void SetInterruptControlBits(std::uint32_t mask);
    // Whether the DSP raised either of its two status signals.
    virtual bool TestHostStatus();
    // Memory space 0, 1 or 2: X, Y or P.
    std::int16_t ReadMemory(std::int32_t space, std::int32_t address, std::int32_t* word);
    std::int16_t ChangeMemoryBits(std::int32_t space, std::int32_t address, std::int32_t mask, std::int32_t bits);

    // The host bits: flags 0 and 1 (set and tested), status flags 0 and 1 (tested only), and any
    // bit 0..7 of the control byte. A bit number outside those throws -7400.
    void SetHostFlag(std::int32_t flag) { SetHostFlagTo(flag, true); }
    void ClearHostFlag(std::int32_t flag) { SetHostFlagTo(flag, false); }
    void SetHostFlagTo(std::int32_t flag, bool value);
    bool TestHostFlag(std::int32_t flag);
    bool TestStatusFlag(std::int32_t flag);
    void SetHostBit(std::int32_t bit, bool value);
    // 0 or 1; -1 without a DSP.
    std::int32_t TestHostBit(std::int32_t bit);

    virtual void SetShell(DshShell* newShell) { shell = newShell; }
    std::int32_t GetHostWord() const { return hostWord; }
    void SetHostWord(std::int32_t word) { hostWord = word; }
    std::int16_t GetKind() const { return kind; }
    bool UsesAccessors() const { return accessorMode; }

    // The shell operations, reached by the shell's callbacks with the same arguments.
    virtual std::int16_t GetXWord(std::int32_t address, std::int32_t* word);
    virtual std::int16_t GetYWord(std::int32_t address, std::int32_t* word);
    virtual std::int16_t GetPWord(std::int32_t address, std::int32_t* word);
    virtual std::int16_t ChangeXBits(std::int32_t address, std::int32_t mask, std::int32_t bits);
    virtual std::int16_t ChangeYBits(std::int32_t address, std::int32_t mask, std::int32_t bits);
    virtual std::int16_t ChangePBits(std::int32_t address, std::int32_t mask, std::int32_t bits);
    virtual std::int16_t Execute(std::int32_t address);
    virtual std::int16_t SetLeftRightBit(std::int32_t value);
    virtual std::int16_t GetControlLatch(std::int32_t* latch);
    virtual std::int16_t SetControlLatch(std::int32_t latch);
    virtual std::int16_t InitShell();
    virtual std::int16_t StartShell();
    virtual std::int16_t PauseShell();
    virtual std::int16_t ResumeShell();
    virtual std::int16_t SetInputDelay(std::int32_t delay);
    virtual std::int16_t SetOutputDelay(std::int32_t delay);
    virtual std::int16_t UpdateDSPPeripheral();
    virtual std::int16_t GetDSPCodeInfo(std::int32_t code, std::int32_t* info);

    // The identity the driver's info record gives the DSP.
    virtual std::int32_t GetDSPIndex() { return dspIndex; }
    std::int32_t GetCardData() const { return cardData; }
    DshDSP* GetDSPRecord() const { return dspRecord; }
    // Brings the driver's record of the DSP's host interface and the DSP itself level.
    virtual void Refresh();

protected:
    CDSP(std::int16_t kind, std::int32_t hostCommandBase);

private:
    std::uint32_t ReadPort(DshHostRegister which);
    void WritePort(DshHostRegister which, std::uint32_t value);
    std::uint32_t PortStatus() { return ReadPort(kDshHostStatus); }
    void ChangeControlBits(std::uint8_t mask, bool value);
    bool HostBitOfDriver(std::int32_t bit);

    DshShell* shell = nullptr;
    std::int32_t dspIndex = 0;
    std::int32_t cardData = 0;
    DshDSP* dspRecord = nullptr;
    bool accessorMode = false;
    std::int16_t kind;
    std::int32_t hostCommandBase;
    std::int32_t hostWord = 0;
};

// The DSP of the driver's list that the shell runs on, null when none does.
DshDSP* FindDSPRunning(DshShell* shell);

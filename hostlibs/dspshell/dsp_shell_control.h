#pragma once

// The stand-in DSP shell's controls, for tests: no cards until some are added.

#include "hostlibs/dspshell/dsp_shell.h"
#include "platform/clock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dspshell {

void withhold(const char* name);
void offerEverything();

// A card of the type with `dspCount` DSPs, each of that driver type.
DshCard* addCard(std::int32_t type, std::int32_t dspCount = 1);
DshClient* addClient(std::uint32_t type, void* messagePort);
// Removes every card, DSP, shell and client and forgets what was recorded.
void reset();

// A nonzero code makes InitSADriver fail with it.
void failDriverStart(std::int16_t code);
int driverStarts();
std::vector<std::string> printedTexts();
std::vector<DshMessage> sentMessages();
// DshSendMsg answers this (0 unless set).
void setSendAnswer(std::int16_t answer);

// Every call the driver received, as "Name" and its integer arguments in order (record pointers and
// out-arguments left out, arrays written out in place), and every access of a host-port register as
// "read register" or "write register value" (register: interruptControl, status, commandVector,
// transmit, receive; a read of receive with the word it gave).
std::vector<std::string> calls();
void forgetCalls();

// The host port behaves as a card's does: the command-vector bit clears itself, transmit is always
// ready, receive is ready while words wait, handed out first in first out (to direct reads and to
// the reading accessors alike).
void queueReceiveWords(DshDSP* dsp, const std::vector<std::int32_t>& words);
// Status bits the DSP raises besides transmit-ready (2) and receive-ready (1).
void setHostStatusFlags(DshDSP* dsp, std::uint32_t flags);
// With a clock, every port stops answering: the command-vector bit never clears, transmit and
// receive never get ready, and every poll of a register moves the clock on one tick, so that a
// wait for the port runs out at once. Null makes the ports answer again.
void stickHostPorts(platform::ManualClock* clock);

// The shell running on the DSP calls back: it asks its host-code handler for the selector's routine
// and calls that with the selector's arguments (`out` receives what a reading selector answers).
// Nothing when the DSP has no shell with a handler, or the handler gives no routine.
std::optional<std::int16_t> callHostCode(DshDSP* dsp, std::int32_t selector, std::int32_t first = 0,
                                         std::int32_t second = 0, std::int32_t third = 0, std::int32_t* out = nullptr);
// The DSP lock service answers this count (0 unless set); locks its users hold now.
void setLockServiceCount(std::int32_t count);
int heldDSPLocks();

} // namespace dspshell

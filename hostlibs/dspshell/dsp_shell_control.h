#pragma once

// The stand-in DSP shell's controls, for tests: no cards until some are added.

#include "hostlibs/dspshell/dsp_shell.h"

#include <cstdint>
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

} // namespace dspshell

#pragma once

// The DSP objects by the client of their DSP, as the shell callbacks and the routines by DSP handle
// find them, and those routines.

#include "hostlibs/dspshell/dsp_shell.h"

#include <cstdint>

class CDSP;

// A DSP without a client is reached by nobody.
void RegisterDSPObject(DshClient* client, CDSP* object);
void ForgetDSPObject(CDSP* object);
// The object of the DSP's client, null when there is none.
CDSP* FindDSPObject(DshDSP* dsp);

// Through the DSP's object; without one nothing happens and a read answers 0.
void SendDSPHostCommand(DshDSP* dsp, std::int16_t command);
std::int32_t ReadDSPWord(DshDSP* dsp);
void WriteDSPWord(DshDSP* dsp, std::int32_t word);

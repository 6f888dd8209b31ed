#pragma once

#include "hostframework/process_dsp.h"

// The DSP object for the card of a DSP shell. The chip classes come with the DSP-card path; until a
// card of a known family is found this ends with the runtime error "unrecognized card type in
// GetNewCProcessDSP()", as it does on a host without DSP cards.
CProcessDSP* GetNewCProcessDSP(DshShell* shell);

#pragma once

#include "hostframework/dsp_card/process_dsp.h"

// The DSP object for the DSP a shell runs on, of the class its card asks for: the generic card's,
// or the chip family's that the DSP shell reports. Ends with the runtime error "unrecognized card
// type in GetNewCProcessDSP()" when none fits, as it does on a host without DSP cards.
CProcessDSP* GetNewCProcessDSP(DshShell* shell);

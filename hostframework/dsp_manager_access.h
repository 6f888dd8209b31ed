#pragma once

#include "hostlibs/dspmanager/dsp_manager.h"

// The host's DSP manager, asked for until it answers and then kept; null while the host has none.
IDSPManager* GetDSPManagerInterface();
// Lets go of the kept manager, as the group does when the library closes.
void ForgetDSPManagerInterface();

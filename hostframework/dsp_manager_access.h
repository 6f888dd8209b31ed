#pragma once

#include "hostlibs/dspmanager/dsp_manager.h"

// The host's DSP manager, asked for once it answers; null while the host has none.
IDSPManager* GetDSPManagerInterface();

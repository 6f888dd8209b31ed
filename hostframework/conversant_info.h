#pragma once

// How the host's engine knows a process: its plug-in spec, the codes of its plug-in and, for a DSP
// process, its channels, host words and DSP resources.

#include "hostframework/host_records.h"

#include <cstdint>

class CDSPProcess;

struct SConversantInfo {
    SHostPlugInSpec spec;
    std::uint32_t manufacturer;
    std::uint32_t product;
    std::uint32_t type;
    std::int32_t instance;
};

struct SConversantInfoFromCDSPProcess : SConversantInfo {
    std::int16_t inputs;
    std::int32_t hostPairSecond;
    std::int16_t outputs;
    std::int32_t hostPairFirst;
    std::uint8_t hasResources;
    std::int32_t resources;
    std::int32_t libraryWord;
    CDSPProcess* process;
};

// 'XXXX' stands in for a code the group does not give.
SConversantInfoFromCDSPProcess MakeConversantInfo(CDSPProcess& process);

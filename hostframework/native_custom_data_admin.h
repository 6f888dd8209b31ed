#pragma once

// The data block through which the host's real-time engine learns a native instance: the process
// that renders, where its connection flags live, its channel counts, its side-input port and its
// block-length answer. The host reads the fields from the buffer its tracker installs; the
// addresses are pointer-sized, so the record is 0: process, 8: input flags, 16: output flags,
// 24: input channels, 28: output ports, 32: side-input port, 36: the block-length answer.

#include "hostframework/plugin_model/plugin_data.h"

class S_NativeP_CustomDataAdmin : public CPlugInData {
public:
    CSmartPointer process;
    CSmartPointer inputFlags;
    CSmartPointer outputFlags;
    CSmartLong inputChannels;
    CSmartLong outputPorts;
    CSmartLong sideInputPort;
    CSmartLong blockLengthAnswer;
};

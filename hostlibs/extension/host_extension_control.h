#pragma once

// The stand-in host toolbox's controls, for the stand-in host and tests.

#include "hostlibs/extension/host_extension.h"

#include <string>
#include <vector>

namespace hostext {

void withhold(const char* name);
void offerEverything();

// Every open and release of a resource file, in order.
struct ResourceFileEvent {
    bool open;
    std::string path;
};
std::vector<ResourceFileEvent> resourceFileEvents();
void forgetResourceFileEvents();
// The byte-order procedure of the last open, null before any.
ResourceByteOrderProc lastByteOrderProc();

} // namespace hostext

#pragma once

// The stand-in host toolbox's controls, for the stand-in host and tests.

#include "hostlibs/extension/host_extension.h"

#include <cstdint>
#include <string>
#include <vector>

struct ComponentRecord;

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
int openResourceFileCount();
// How many opens of the file at that path are not yet closed; 0 when it is not open.
int resourceFileOpens(const std::string& path);

// Handles not yet disposed of; the next `count` allocations fail.
int liveHandleCount();
void failNextHandles(int count);

// The keys HostExtGetKeys reports as down.
void setKeyDown(int key, bool down);

int waitForHostCount();
std::vector<std::string> debugMessages();

// A component dispatcher as the host hands one over: it records each request with a copy of its
// parameter block and answers `answer` (0 unless set).
struct ComponentRequest {
    std::int16_t request;
    std::vector<std::uint8_t> block;
};
std::int16_t RecordComponentRequest(std::int16_t request, ComponentRecord* component, char** parameters);
std::vector<ComponentRequest> componentRequests();
void setComponentAnswer(std::int16_t answer);
void forgetComponentRequests();

} // namespace hostext

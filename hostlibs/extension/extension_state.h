#pragma once

// The stand-in toolbox's state, shared by its units. One per process, behind one lock.

#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/extension/resource_container.h"
#include "hostlibs/withheld_names.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace hostext {

struct Block {
    char* data;
    std::int32_t size;
    // Set while the block is a resource of an open file: its id, type and name.
    bool resource = false;
    std::int16_t id = 0;
    std::uint32_t type = 0;
    std::string name{};
};

struct OpenResourceFile {
    std::string path;
    std::vector<ContainerResource> resources;
    ResourceByteOrderProc byteOrder;
    int opens;
};

struct ExtensionState {
    std::recursive_mutex lock;
    hostlibs::WithheldNames withheld;
    std::vector<ResourceFileEvent> resourceFileEvents;
    ResourceByteOrderProc byteOrder = nullptr;
    std::map<std::int16_t, OpenResourceFile> resourceFiles;
    std::int16_t nextFileNumber = 1;
    std::int16_t currentFile = 0;
    std::map<HostHandle, Block> handles;
    int failingHandles = 0;
    std::uint64_t timeCounter = 0;
    int waits = 0;
    std::function<void()> waitAction;
    std::vector<std::string> debugMessages;
    std::vector<ComponentRequest> componentRequests;
    std::int16_t componentAnswer = 0;
};

ExtensionState& state();
using Guard = std::lock_guard<std::recursive_mutex>;

// A new handle holding a copy of the bytes; null when allocations are set to fail.
HostHandle newHandle(ExtensionState& extension, const void* data, std::int32_t size);

} // namespace hostext

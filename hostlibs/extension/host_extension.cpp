#include "hostlibs/extension/host_extension.h"

#include "hostlibs/extension/host_extension_control.h"
#include "hostlibs/withheld_names.h"

#include <mutex>

namespace {

struct ExtensionState {
    std::mutex lock;
    hostlibs::WithheldNames withheld;
    std::vector<hostext::ResourceFileEvent> resourceFileEvents;
    ResourceByteOrderProc byteOrder = nullptr;
    std::int16_t nextReference = 1;
};

ExtensionState& state()
{
    static ExtensionState extension;
    return extension;
}

} // namespace

extern "C" {

bool kravoHostLibraryOffers(const char* name)
{
    return state().withheld.offers(name);
}

std::int16_t HostExtOpenResourceFile(const char* path, ResourceByteOrderProc byteOrder)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    extension.resourceFileEvents.push_back({true, path != nullptr ? path : ""});
    extension.byteOrder = byteOrder;
    return extension.nextReference++;
}

void HostExtReleaseResourceFile(const char* path)
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    extension.resourceFileEvents.push_back({false, path != nullptr ? path : ""});
}

} // extern "C"

namespace hostext {

void withhold(const char* name)
{
    state().withheld.withhold(name);
}

void offerEverything()
{
    state().withheld.offerEverything();
}

std::vector<ResourceFileEvent> resourceFileEvents()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    return extension.resourceFileEvents;
}

void forgetResourceFileEvents()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    extension.resourceFileEvents.clear();
}

ResourceByteOrderProc lastByteOrderProc()
{
    ExtensionState& extension = state();
    const std::lock_guard<std::mutex> guard(extension.lock);
    return extension.byteOrder;
}

} // namespace hostext

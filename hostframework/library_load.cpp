// The plug-in library's load and unload run its attach and detach hooks, as the system runs a
// library's entry for its process.

#include "hostframework/plugin_library.h"
#include "platform/module_resources.h"

namespace {

[[gnu::constructor]] void attachLibrary()
{
    DllMain(platform::pluginModule(), kProcessAttach, nullptr);
}

[[gnu::destructor]] void detachLibrary()
{
    DllMain(platform::pluginModule(), kProcessDetach, nullptr);
}

} // namespace

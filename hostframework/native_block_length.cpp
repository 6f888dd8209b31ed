#include "hostframework/native_block_length.h"

#include "hostlibs/engine/host_engine.h"
#include "hostlibs/engine/host_native_render.h"
#include "platform/four_char_code.h"
#include "platform/module_loading.h"

namespace {

constexpr std::uint32_t kNativeQuantumCapability = FourCharCode("vqta");
constexpr std::int32_t kDefaultFrames = 32;

} // namespace

std::int32_t GetMaximumNativeBlockLength()
{
    std::intptr_t offered = 0;
    if (HostGestalt(kNativeQuantumCapability, &offered) != 0 || offered == 0)
        return kDefaultFrames;
    HMODULE engine = LoadLibraryA("HOSTENGINE.DLL");
    const auto quantum = reinterpret_cast<HostGetMaximumNativeQuantumFunction>(
        GetProcAddress(engine, "_HostGetMaximumNativeQuantum@0"));
    const std::int32_t frames = quantum != nullptr ? quantum() : 0;
    if (engine != nullptr)
        FreeLibrary(engine);
    return frames >= 1 ? frames : kDefaultFrames;
}

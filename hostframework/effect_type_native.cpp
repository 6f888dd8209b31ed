#include "hostframework/effect_type_native.h"

#include "hostframework/effect_group.h"
#include "hostframework/effect_process_native.h"
#include "hostframework/effect_process_offline.h"

namespace {

constexpr std::int32_t kNotANativeProcess = -77;

} // namespace

std::int32_t CEffectTypeNative::CreateProcess(std::int32_t* newProcessID)
{
    std::int32_t processID = 0;
    const std::int32_t created = CEffectType::CreateProcess(&processID);
    if (newProcessID != nullptr)
        *newProcessID = processID;
    if (created != 0)
        return created;
    // The identity the engine knows the instance by: the manufacturer, the type's IDs and the process.
    std::uint32_t manufacturer = 0;
    std::uint32_t plugIn = plugInID;
    std::uint32_t secondary = secondaryID;
    if (groupLink != nullptr) {
        const std::int32_t asked = groupLink->HostCall6(typeIndex, &manufacturer, &plugIn, &secondary);
        if (asked != 0) {
            DeleteProcess(processID);
            return asked;
        }
    }
    const SPlugInID identity{{manufacturer, plugIn, secondary, typeID, static_cast<std::uintptr_t>(processID)}};
    CProcess* made = FindProcess(processID);
    std::int32_t attached = kNotANativeProcess;
    if (auto* offline = dynamic_cast<CEffectProcessOffline*>(made))
        attached = offline->Start(identity);
    else if (auto* native = dynamic_cast<CEffectProcessNative*>(made)) {
        attached = native->AttachAdaptor(identity);
        if (attached == 0)
            native->ConnectMIDINode();
    }
    if (attached != 0)
        DeleteProcess(processID);
    return attached;
}

#include "hostframework/conversant_info.h"

#include "hostframework/dsp_process.h"
#include "hostframework/dsp_process_group.h"
#include "hostframework/dsp_process_type.h"
#include "hostframework/host_connections_api.h"
#include "platform/four_char_code.h"

namespace {

constexpr std::uint32_t kMissing = FourCharCode("XXXX");

} // namespace

SConversantInfoFromCDSPProcess MakeConversantInfo(CDSPProcess& process)
{
    SConversantInfoFromCDSPProcess info{};
    info.manufacturer = kMissing;
    info.product = kMissing;
    info.type = kMissing;
    CDSPProcessType* type = process.GetDSPProcessType();
    CProcessGroup* group = type != nullptr ? type->GetProcessGroup() : nullptr;
    if (group != nullptr)
        group->GetConversantCodes(info.manufacturer, info.product, info.type);
    GetHostConnectionsAPI().CreatePlugInSpec(info);
    // Every process, the host's own mixer's included, is known by its index within its type.
    info.instance = process.GetIndexB();
    process.GetNumInputs(&info.inputs);
    process.GetNumOutputs(&info.outputs);
    info.hostPairFirst = process.GetHostPairFirst();
    info.hostPairSecond = process.GetHostPairSecond();
    if (auto* dspGroup = dynamic_cast<CDSPProcessGroup*>(group)) {
        std::int16_t count = 0;
        std::int16_t unused = 0;
        dspGroup->GetDSPResourceTotals(&count, &unused, process.GetIndexB());
        info.hasResources = count > 0 ? 1 : 0;
        info.resources = count > 0 ? count : 0;
    }
    info.process = &process;
    return info;
}

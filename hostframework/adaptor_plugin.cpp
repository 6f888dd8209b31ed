#include "hostframework/adaptor_plugin.h"

#include "hostframework/classes.h"
#include "hostframework/effect_process.h"
#include "hostframework/process.h"
#include "hostframework/process_type.h"
#include "hostlibs/engine/host_engine.h"
#include "hostlibs/engine/host_native_render.h"
#include "platform/four_char_code.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr std::uint32_t kSideInputCapability = 5;
constexpr std::uint32_t kAuxConnectionsCapability = 41;
constexpr std::uint32_t kBlockLengthCapability = 48;
constexpr std::uint32_t kNativeQuantumCapability = FourCharCode("vqta");
constexpr std::int32_t kLongestName = 63;
constexpr std::int32_t kDefaultBlockFrames = 32;

std::intptr_t capability(std::uint32_t selector)
{
    std::intptr_t answer = 0;
    return HostGestalt(selector, &answer) == 0 ? answer : 0;
}

// The process's name as its type gives it, length-prefixed; false when it has none to give.
bool nameOf(CProcess& process, char* name)
{
    CProcessType* type = process.GetProcessType();
    char prefixed[kLongestName + 2] = {};
    if (type == nullptr || type->GetName(kLongestName, prefixed) != 0)
        return false;
    const auto length = std::min<std::size_t>(static_cast<unsigned char>(prefixed[0]), kLongestName);
    std::memcpy(name, prefixed + 1, length);
    name[length] = '\0';
    return true;
}

// The channels the host's active auxiliary connections add; formats it cannot read add none.
std::int32_t auxChannels(const CProcess& process)
{
    std::int32_t channels = 0;
    const std::int32_t count = HostCountAuxConnections(&process);
    for (std::int32_t index = 0; index < count; ++index) {
        std::int32_t format = -1;
        std::uint8_t active = 0;
        if (HostGetAuxConnection(&process, index, &format, &active) == 0 && active != 0 && format >= 0 && format <= 10)
            channels += GetCodeClass(format);
    }
    return channels;
}

template <typename Port>
std::unique_ptr<Port> makePort(CPlugIn& owner, std::int32_t position)
{
    std::unique_ptr<Port> port(new (std::nothrow) Port(owner, position));
    if (!port)
        throw CHostError(kHostErrNoMemory);
    return port;
}

} // namespace

CAdaptorPlugIn::CAdaptorPlugIn(const SPlugInID& identity, CProcess& process, void* inputFlags, void* outputFlags,
                               PlugInRenderCallback callback)
    : CPlugIn(identity), process(&process)
{
    if (!nameOf(process, name))
        std::strcpy(name, "<unknown>");
    worker = std::make_unique<CPlugInWorker>(*this, callback != nullptr ? callback : &DefaultRenderEntry, name);
    dataBlock = std::make_unique<S_NativeP_CustomDataAdmin>();

    std::int16_t inputs = 0;
    std::int16_t outputs = 0;
    process.GetNumInputs(&inputs);
    process.GetNumOutputs(&outputs);
    std::int32_t inputChannels = std::max<std::int16_t>(inputs, 0);
    std::int32_t outputs32 = std::max<std::int16_t>(outputs, 0);
    const bool auxConnections = capability(kAuxConnectionsCapability) != 0;
    if (auxConnections) {
        const std::int32_t extra = auxChannels(process);
        inputChannels += extra;
        outputs32 += extra;
    }
    const auto sideInputPort = static_cast<std::int32_t>(capability(kSideInputCapability));
    std::int32_t blockLength = static_cast<std::int32_t>(capability(kBlockLengthCapability));
    if (blockLength != 0 && capability(kNativeQuantumCapability) == 0)
        blockLength = 0;
    // More outputs than inputs: the inputs are raised to match, as the host pairs them.
    if (auxConnections && inputChannels < outputs32)
        inputChannels = outputs32;
    const std::int32_t inputs32 = inputChannels + (sideInputPort != 0 ? 1 : 0);
    inputPortCount = static_cast<std::int16_t>(inputs32);
    outputPortCount = static_cast<std::int16_t>(outputs32);

    for (std::int32_t position = 1; position <= inputs32; ++position) {
        const bool last = position == inputs32;
        inputPorts.push_back(makePort<CPlugInInput>(*this, last && sideInputPort != 0 ? sideInputPort : position));
    }
    for (std::int32_t position = 1; position <= outputs32; ++position)
        outputPorts.push_back(makePort<CPlugInOutput>(*this, position));

    worker->DataSet().Append(dataBlock.get());
    dataBlock->process.Set(reinterpret_cast<std::uintptr_t>(&process));
    SetConnectionFlags(inputFlags, outputFlags);
    dataBlock->inputChannels.Set(inputChannels);
    dataBlock->outputPorts.Set(outputs32);
    dataBlock->sideInputPort.Set(sideInputPort);
    dataBlock->blockLengthAnswer.Set(blockLength);
}

std::int32_t CAdaptorPlugIn::Create(std::unique_ptr<CAdaptorPlugIn>& made, const SPlugInID& identity,
                                    CProcess& process, void* inputFlags, void* outputFlags,
                                    PlugInRenderCallback callback)
{
    try {
        made.reset(new (std::nothrow) CAdaptorPlugIn(identity, process, inputFlags, outputFlags, callback));
        if (!made)
            return kHostErrNoMemory;
        made->ReportState();
        return 0;
    } catch (const CHostError& error) {
        made.reset();
        return error.GetCode();
    } catch (const std::bad_alloc&) {
        made.reset();
        return kHostErrNoMemory;
    }
}

std::int32_t CAdaptorPlugIn::AskHostConnection(const CProcess& process, std::int32_t ownChannels,
                                              std::int32_t channel, std::uint8_t* connected)
{
    if (channel > ownChannels && channel <= ownChannels + auxChannels(process)) {
        if (connected != nullptr)
            *connected = 1;
        return 0;
    }
    return kHostErrConnectionPosition;
}

CAdaptorPlugIn::~CAdaptorPlugIn()
{
    inputPorts.clear();
    outputPorts.clear();
    ReportState();
    dataBlock.reset();
    worker.reset();
}

void CAdaptorPlugIn::SetConnectionFlags(void* inputFlags, void* outputFlags)
{
    dataBlock->inputFlags.Set(reinterpret_cast<std::uintptr_t>(inputFlags));
    dataBlock->outputFlags.Set(reinterpret_cast<std::uintptr_t>(outputFlags));
}

std::int32_t CAdaptorPlugIn::DefaultRenderEntry(void* renderRecord, void* contextRecord)
{
    auto* render = static_cast<SHostNativeRender*>(renderRecord);
    auto* context = static_cast<SHostNativeContext*>(contextRecord);
    SHostNativeInstance* instance = render->instance;
    auto* process = static_cast<CProcess*>(instance->process);
    auto* adaptor = dynamic_cast<CEffectProcess*>(process) != nullptr
                        ? dynamic_cast<CEffectProcess*>(process)->GetAdaptorPlugIn()
                        : nullptr;
    if (adaptor == nullptr)
        return kHostErrNullValue;
    const std::int32_t frames = instance->hasBlockLength != 0 ? context->blockLength : kDefaultBlockFrames;
    const std::int32_t inputs = instance->inputCount + (instance->hasSideInput != 0 ? 1 : 0);
    std::int32_t cell = 0;
    for (const auto& port : adaptor->inputPorts)
        port->SetBuffer(cell < inputs ? render->cells[cell++] : nullptr, frames);
    for (std::int32_t output = 0; output < static_cast<std::int32_t>(adaptor->outputPorts.size()); ++output)
        adaptor->outputPorts[static_cast<std::size_t>(output)]->SetBuffer(
            output < instance->outputCount ? render->cells[inputs + output] : nullptr, frames);
    const std::int32_t rendered = adaptor->Render(frames);
    process->SetMetersReady(true);
    if (rendered != 0)
        return rendered;
    for (std::int32_t output = 0; output < instance->outputCount; ++output)
        render->cells[inputs + output] = context->replacementOutput;
    return instance->outputCount;
}

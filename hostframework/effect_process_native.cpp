#include "hostframework/effect_process_native.h"

#include "hostframework/adaptor_plugin.h"
#include "hostframework/host_error.h"
#include "hostframework/host_text.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::int32_t kHookSelector = 5;

} // namespace

CEffectProcessNative::CEffectProcessNative()
{
    MakeArrays();
}

// The adaptor goes first: its last report still names this process.
CEffectProcessNative::~CEffectProcessNative()
{
    adaptor.reset();
}

void CEffectProcessNative::MakeArrays()
{
    // Fresh storage: the engine must see new addresses as new.
    const auto size = static_cast<std::size_t>(capacity);
    inputChannels = std::vector<float*>(size, nullptr);
    outputChannels = std::vector<float*>(size, nullptr);
    inputFlags = std::vector<std::int32_t>(size, 0);
    outputFlags = std::vector<std::int32_t>(size, 0);
}

void CEffectProcessNative::SetChannelCapacity(std::int32_t newCapacity)
{
    if (prepared || newCapacity < 0 || newCapacity == capacity)
        return;
    capacity = newCapacity;
    MakeArrays();
    if (adaptor) {
        adaptor->SetConnectionFlags(inputFlags.data(), outputFlags.data());
        adaptor->ReportState();
    }
}

std::int32_t CEffectProcessNative::AttachAdaptor(const SPlugInID& identity)
{
    return CAdaptorPlugIn::Create(adaptor, identity, *this, inputFlags.data(), outputFlags.data(), &RenderEntry);
}

// The arrays keep their addresses, which the engine holds: they are cleared, not made anew.
void CEffectProcessNative::Prepare()
{
    std::fill(inputChannels.begin(), inputChannels.end(), nullptr);
    std::fill(outputChannels.begin(), outputChannels.end(), nullptr);
    std::fill(inputFlags.begin(), inputFlags.end(), 0);
    std::fill(outputFlags.begin(), outputFlags.end(), 0);
    prepared = true;
}

std::int32_t CEffectProcessNative::flagAt(const std::vector<std::int32_t>& flags, std::int32_t index)
{
    return index >= 0 && index < static_cast<std::int32_t>(flags.size()) ? flags[static_cast<std::size_t>(index)] : 0;
}

std::int32_t CEffectProcessNative::setFlag(std::vector<std::int32_t>& flags, std::int32_t channel, std::int32_t value)
{
    if (channel < 1 || channel > static_cast<std::int32_t>(flags.size()))
        return kHostErrConnectionPosition;
    flags[static_cast<std::size_t>(channel - 1)] = value;
    return 0;
}

std::int32_t CEffectProcessNative::GetSideInputChannel() const
{
    return adaptor ? adaptor->GetDataBlock().sideInputPort.Get() : 0;
}

std::int32_t CEffectProcessNative::ownInputs()
{
    std::int16_t count = 0;
    GetNumInputs(&count);
    return count;
}

std::int32_t CEffectProcessNative::ownOutputs()
{
    std::int16_t count = 0;
    GetNumOutputs(&count);
    return count;
}

bool CEffectProcessNative::ownsInput(std::int32_t channel)
{
    const bool own = (channel >= 1 && channel <= ownInputs()) || (channel != 0 && channel == GetSideInputChannel());
    return own && channel <= capacity;
}

bool CEffectProcessNative::ownsOutput(std::int32_t channel)
{
    const bool own = (channel >= 1 && channel <= ownOutputs()) || HasOutputChannel(channel);
    return own && channel <= capacity;
}

std::int32_t CEffectProcessNative::IsInputConnected(std::int32_t channel, std::uint8_t* connected)
{
    if (!ownsInput(channel))
        return CAdaptorPlugIn::AskHostConnection(*this, ownInputs(), channel, connected);
    return setOut(connected, GetInputConnectionFlag(channel - 1) != 0 ? 1 : 0);
}

std::int32_t CEffectProcessNative::IsOutputConnected(std::int32_t channel, std::uint8_t* connected)
{
    if (!ownsOutput(channel))
        return CAdaptorPlugIn::AskHostConnection(*this, ownOutputs(), channel, connected);
    return setOut(connected, GetOutputConnectionFlag(channel - 1) != 0 ? 1 : 0);
}

std::int32_t CEffectProcessNative::setInputFlag(std::int32_t channel, std::int32_t value)
{
    if (!ownsInput(channel))
        return kHostErrConnectionPosition;
    setFlag(inputFlags, channel, value);
    if (channel == GetSideInputChannel()) {
        if (value != 0)
            SideInputConnected();
        else
            SideInputDisconnected();
    }
    return 0;
}

std::int32_t CEffectProcessNative::ConnectInput(std::int32_t channel)
{
    return setInputFlag(channel, 1);
}

std::int32_t CEffectProcessNative::DisconnectInput(std::int32_t channel)
{
    return setInputFlag(channel, 0);
}

std::int32_t CEffectProcessNative::ConnectOutput(std::int32_t channel)
{
    return ownsOutput(channel) ? setFlag(outputFlags, channel, 1) : kHostErrConnectionPosition;
}

std::int32_t CEffectProcessNative::DisconnectOutput(std::int32_t channel)
{
    return ownsOutput(channel) ? setFlag(outputFlags, channel, 0) : kHostErrConnectionPosition;
}

std::int32_t CEffectProcessNative::GetChunkAltName(std::int32_t selector, std::uint8_t* text)
{
    if (selector != kHookSelector || text == nullptr)
        return CEffectProcess::GetChunkAltName(selector, text);
    WithPlainText(text, [this](char* plain) { TextHook(plain); });
    return 0;
}

// Whichever routine changed the bypass control (the host's set, its apply, or the bypass routine),
// the render sees it.
void CEffectProcessNative::ControlValueChanged(std::int32_t control)
{
    if (control != 0 && control == GetMasterBypassPosition())
        bypassed = GetControl(control)->GetHostValue() > 0;
    CEffectProcess::ControlValueChanged(control);
}

std::int32_t CEffectProcessNative::RenderEntry(void* renderRecord, void* contextRecord)
{
    auto* render = static_cast<SHostNativeRender*>(renderRecord);
    auto* context = static_cast<SHostNativeContext*>(contextRecord);
    SHostNativeInstance* instance = render->instance;
    // The engine knows the process by the process face the adaptor gave it.
    auto* process = dynamic_cast<CEffectProcessNative*>(static_cast<CProcess*>(instance->process));
    const std::int32_t inputs = instance->inputCount + (instance->hasSideInput != 0 ? 1 : 0);
    const std::int32_t outputs = instance->outputCount;
    try {
        if (process == nullptr)
            throw CHostError(kHostErrNullValue);
        process->instanceRecord = instance;
        process->contextRecord = context;
        const std::int32_t usedInputs = std::clamp(inputs, 0, process->capacity);
        const std::int32_t usedOutputs = std::clamp(outputs, 0, process->capacity);
        std::copy_n(render->cells, usedInputs, process->inputChannels.begin());
        std::copy_n(render->cells + inputs, usedOutputs, process->outputChannels.begin());
        const std::int32_t frames = instance->hasBlockLength != 0 ? context->blockLength : kDefaultBlockFrames;
        process->Render(process->inputChannels.data(), process->outputChannels.data(), frames);
        process->SetMetersReady(true);
    } catch (...) {
        for (std::int32_t output = 0; output < outputs; ++output)
            render->cells[inputs + output] = context->replacementOutput;
        if (process != nullptr)
            std::fill(process->outputChannels.begin(), process->outputChannels.end(), context->replacementOutput);
    }
    return 0;
}

#include "hostframework/adaptor/template_no_ui_process.h"

#include "hostframework/adaptor/host_master_callback.h"
#include "hostframework/adaptor/parameter_control_names.h"
#include "hostframework/adaptor/state_chunk.h"
#include "hostframework/adaptor/template_no_ui_view.h"
#include "hostframework/controls/linear_control.h"
#include "hostframework/controls/linear_gain_control.h"
#include "hostframework/controls/on_off_control.h"
#include "hostframework/controls/value_text.h"
#include "hostframework/plugin_library.h"
#include "hostframework/views/no_resource_view.h"
#include "hostlibs/engine/host_control_value.h"
#include "hostlibs/extension/host_extension.h"
#include "hostlibs/extension/host_graphics.h"
#include "hostlibs/extension/host_graphics_types.h"
#include "platform/debug_output.h"
#include "platform/four_char_code.h"
#include "plugin/aplugin.h"
#include "plugin/settings/registry_settings.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <span>

namespace {

// The process whose plug-in is automating on this thread right now, if any.
thread_local const CTemplateNoUIProcess* automatingProcess = nullptr;

constexpr std::int32_t kDefaultRate = 44100;
constexpr double kDefaultTempo = 120.0;
constexpr std::uint32_t kBypassID = FourCharCode("bypa");
constexpr std::uint32_t kFirstGainID = FourCharCode("sld1");
constexpr std::uint32_t kSecondGainID = FourCharCode("sld2");
constexpr std::uint32_t kFirstParameterID = 11;
constexpr double kParameterStep = 1e-6;
constexpr double kGainStep = 0.1;
constexpr std::int32_t kNoPlugInStateSize = 16;

constexpr std::uint16_t kKeyUp = 4;
constexpr std::uint32_t kDownArrow = 32031;
constexpr std::uint32_t kUpArrow = 32286;
constexpr std::size_t kKeySettingBytes = 25;

constexpr const char* kEditorViewDescription = "!NoUIView[('NoID')]";

} // namespace

CTemplateNoUIProcess::CTemplateNoUIProcess() : moduleHandle(GetPlugInModuleHandle())
{
    plugIn.reset(createEffectInstance(&hostMasterCallback));
    if (!plugIn)
        throw CHostError(kHostErrNoMemory);
    pluginRecord = plugIn->getPluginRecord();
    pluginRecord->resvd1 = reinterpret_cast<PlugIntPtr>(this);

    const std::int32_t rate = sampleRate != 0 ? sampleRate : kDefaultRate;
    plugIn->setSampleRate(static_cast<float>(rate));
    char announcement[64];
    std::snprintf(announcement, sizeof announcement, "Process sr= %d, numParams = %d\n", rate, GetParameterCount());
    platform::debugOutput(announcement);

    timeInfo.sampleRate = rate;
    timeInfo.tempo = kDefaultTempo;
    timeInfo.timeSigNumerator = 4;
    timeInfo.timeSigDenominator = 4;
    timeInfo.ppqPos = 0.0;
    timeInfo.flags = kTimeInfoFilter;

    // A control that cannot be made is added as none, which AddControl refuses with -7053.
    AddControl(new (std::nothrow)
                   CPluginControl_OnOff(kBypassID, "0000 Master Bypass\nBypass", 0, true, nullptr, nullptr));
    SetMasterBypassControl(1);
    AddParameterControls();
    for (std::uint32_t id : {kFirstGainID, kSecondGainID})
        AddControl(new (std::nothrow) CPluginControl_LinearGain(id, "Mono Gain\nGain\nGan", 0.0, 1.0, kGainStep, 1.0,
                                                                false, nullptr, nullptr));
    controlsReady = true;
    DeclareChunk(kStateChunkID, "plugstate", StateChunkSize());
}

// The editor closes while the plug-in is there to hear it; the plug-in goes before the bases, as its
// last calls may still reach this process.
CTemplateNoUIProcess::~CTemplateNoUIProcess()
{
    editorHost.reset();
    hostView = nullptr;
    plugIn.reset();
}

std::int32_t CTemplateNoUIProcess::GetParameterCount() const
{
    return pluginRecord != nullptr ? pluginRecord->numParams : 0;
}

void CTemplateNoUIProcess::AddParameterControls()
{
    const std::span<const SPrefixRecord> prefixes = ValuePrefixesFromEmpty();
    CParameterControlNames names;
    const std::int32_t count = GetParameterCount();
    for (std::int32_t index = 0; index < count; ++index) {
        char name[32] = {};
        plugIn->getParameterName(index, name);
        name[sizeof name - 1] = '\0';
        const auto list = names.Next(name);
        AddControl(new (std::nothrow) CPluginControl_Linear(
            kFirstParameterID + static_cast<std::uint32_t>(index), list.names.c_str(), 0.0, 1.0, kParameterStep,
            plugIn->getParameter(index), list.automatable, prefixes.data(), &prefixes.back()));
    }
}

std::int32_t CTemplateNoUIProcess::StateChunkSize() const
{
    if (pluginRecord == nullptr)
        return kNoPlugInStateSize;
    return StateChunkDataSize(GetParameterCount(), pluginRecord->numPrograms);
}

void CTemplateNoUIProcess::AutomateFromPlugIn(std::int32_t index, float value)
{
    if (!controlsReady || index < 0 || index >= GetParameterCount())
        return;
    // The plug-in already holds the value: handing it back would run its setParameter twice, and a
    // write of the sample reload from the audio thread would read files there.
    const CTemplateNoUIProcess* outer = automatingProcess;
    automatingProcess = this;
    SetControlValue(index + kFirstParameterPosition, FloatToHostInteger(value, 0.0f, 1.0f));
    automatingProcess = outer;
}

void CTemplateNoUIProcess::ControlValueChanged(std::int32_t control)
{
    CEffectProcessMIDI::ControlValueChanged(control);
    const std::int32_t index = control - kFirstParameterPosition;
    const std::int32_t count = GetParameterCount();
    if (index == count) {
        hostAutomationEnabled = true;
        return;
    }
    if (applyingToPlugIn || !hostAutomationEnabled || index < 0 || index >= count || automatingProcess == this)
        return;
    auto* parameter = dynamic_cast<CPluginControl_Continuous*>(GetControl(control));
    if (parameter == nullptr)
        return;
    // Every write of the host reaches the plug-in, one equal to what it holds too: writing the sample
    // reload again reloads.
    plugIn->setParameter(index, static_cast<float>(parameter->GetCurrentValue()));
}

void CTemplateNoUIProcess::UpdateControlsBeforeChunk()
{
    const std::int32_t count = GetParameterCount();
    for (std::int32_t index = 0; index < count; ++index)
        GetControl(index + kFirstParameterPosition)
            ->SetHostValue(FloatToHostInteger(plugIn->getParameter(index), 0.0f, 1.0f));
}

std::int32_t CTemplateNoUIProcess::GetLongValue(std::int32_t* delay)
{
    if (delay == nullptr)
        return 0;
    *delay = pluginRecord != nullptr ? pluginRecord->initialDelay : 0;
    return pluginRecord != nullptr ? 0 : 1;
}

bool CTemplateNoUIProcess::HandleKeyInProcess(EventRecord* event)
{
    if (event == nullptr || event->what == kKeyUp)
        return false;
    char setting[kKeySettingBytes] = {};
    kravo::readRegString("Key", std::span<char>(setting, kKeySettingBytes));
    if (std::strcmp(setting, "N") == 0 || event->what != kHostKeyDownEvent)
        return false;
    std::int32_t step = 0;
    if (event->message == kDownArrow)
        step = 1;
    else if (event->message == kUpArrow)
        step = -1;
    else
        return false;
    const std::int32_t program = (plugIn->getProgram() + step + kPrograms) % kPrograms;
    plugIn->setProgram(program);
    return true;
}

std::int32_t CTemplateNoUIProcess::GetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk)
{
    if (chunkID != kStateChunkID)
        return CEffectProcessMIDI::GetChunk(chunkID, chunk);
    if (chunk == nullptr)
        return kHostErrNullArgument;
    chunk->length = static_cast<std::uint32_t>(StateChunkSize()) + kChunkHeaderSize;
    if (pluginRecord == nullptr)
        return 0;
    chunkWalkInProgress = true;
    currentProgram = WriteStateChunk(*plugIn, GetParameterCount(), pluginRecord->numPrograms, ChunkData(chunk));
    chunkWalkInProgress = false;
    plugIn->setProgram(currentProgram);
    return 0;
}

std::int32_t CTemplateNoUIProcess::SetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk)
{
    if (chunkID != kStateChunkID)
        return CEffectProcessMIDI::SetChunk(chunkID, chunk);
    if (chunk == nullptr || pluginRecord == nullptr || chunk->length < kChunkHeaderSize)
        return 0;
    chunkWalkInProgress = true;
    applyingToPlugIn = true;
    const std::optional<std::int32_t> stored =
        ReadStateChunk(*plugIn, GetParameterCount(), pluginRecord->numPrograms,
                       std::span<const std::uint8_t>(ChunkData(chunk), chunk->length - kChunkHeaderSize));
    chunkWalkInProgress = false;
    applyingToPlugIn = false;
    if (stored) {
        currentProgram = *stored;
        plugIn->setProgram(currentProgram);
    }
    return 0;
}

ITemplateCustomUI* CTemplateNoUIProcess::NewEditorHost()
{
    return new CTemplateCustomUI(this);
}

void CTemplateNoUIProcess::MakeEditorHost()
{
    if (editorHost)
        return;
    editorHost.reset(NewEditorHost());
    editorHost->GetRect(&editorRect[0], &editorRect[1], &editorRect[2], &editorRect[3]);
}

CPlugInView* CTemplateNoUIProcess::CreateRootView()
{
    try {
        MakeEditorHost();
        const auto width = static_cast<std::int16_t>(editorRect[2] - editorRect[0]);
        const auto height = static_cast<std::int16_t>(editorRect[3] - editorRect[1]);
        std::unique_ptr<CNoResourceView> root(new CNoResourceView);
        root->SetSize(width, height);
        // A text the views cannot build (no "NoUIView" creator) becomes a static text: no host view then.
        hostView = dynamic_cast<CTemplateNoUIView*>(
            root->AddSubViewFromText(kEditorViewDescription, 0, 0, width, height, false));
        if (hostView != nullptr)
            hostView->SetEditorHost(editorHost.get());
        return root.release();
    } catch (...) {
        editorHost.reset();
        hostView = nullptr;
        return nullptr;
    }
}

std::int32_t CTemplateNoUIProcess::GetViewRect(Rect* rect)
{
    MakeEditorHost();
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    editorHost->GetRect(&left, &top, &right, &bottom);
    if (rect != nullptr)
        *rect = {static_cast<std::int16_t>(top), static_cast<std::int16_t>(left), static_cast<std::int16_t>(bottom),
                 static_cast<std::int16_t>(right)};
    return 0;
}

// A host that gives a port before it asked for the size still gets the editor.
std::int32_t CTemplateNoUIProcess::SetViewPort(OpaqueGrafPtr* port)
{
    CEffectProcessMIDI::SetViewPort(port);
    if (port != nullptr) {
        MakeEditorHost();
        editorHost->Open(HostExtGetPortWindow(reinterpret_cast<HostPort>(port)));
        if (hostView != nullptr)
            hostView->Show();
        editorHost->SetRect(editorRect[0], editorRect[1], editorRect[2], editorRect[3]);
        return 0;
    }
    if (editorHost)
        editorHost->Close();
    if (hostView != nullptr)
        hostView->Hide();
    return 0;
}

std::int32_t CTemplateNoUIProcess::Idle(EventRecord* /*event*/)
{
    DoIdle();
    if (editorHost)
        editorHost->Idle();
    if (hostPair[0] != 1 || hostPair[1] == 0)
        idleTick = HostExtTickCount();
    return 0;
}

std::int32_t CTemplateNoUIProcess::UpdateControlView(std::int32_t control, std::int32_t value)
{
    return editorHost ? editorHost->ControlChanged(control, value) : 0;
}

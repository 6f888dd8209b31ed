#include "hostframework/adaptor/template_no_ui_process_native.h"

#include "hostframework/effect_type.h"
#include "hostlibs/engine/host_midi.h"
#include "plugin/base/audio_plugin_x.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr std::int32_t kAllChannels = 0xFFFF;
constexpr double kTicksPerQuarterNote = 960000.0;
constexpr std::size_t kPacketOffsetBytes = 0;
constexpr std::size_t kPacketMIDIBytes = 8;
constexpr std::int32_t kLongestNodeName = 63;

} // namespace

// The node and the reader read the MIDI client's table, which the bases' destruction takes down.
CTemplateNoUIProcessNative::~CTemplateNoUIProcessNative()
{
    transportReader.reset();
    midiNode.reset();
}

void CTemplateNoUIProcessNative::ConnectMIDINode()
{
    if (!IsMIDIClientRegistered()) {
        RegisterMIDIClient();
        if (auto* type = dynamic_cast<CEffectType*>(processType)) {
            char name[kLongestNodeName + 2] = {};
            type->GetName(kLongestNodeName, name);
            const std::string plain(name + 1, static_cast<unsigned char>(name[0]));
            midiNode = std::make_unique<CEffectMIDINativeBufferedNode>(GetNodeTable(), plain.c_str(),
                                                                       CEffectMIDINode::kInput, this);
            midiNode->Open(kAllChannels, 0);
        }
        transportReader = std::make_unique<CEffectMIDITransportReader>(GetNodeTable());
    }
    CEffectProcessNative::ConnectMIDINode();
    GetNumInputs(&inputChannelCount);
    GetNumOutputs(&outputChannelCount);
}

void CTemplateNoUIProcessNative::TakeEvents()
{
    events.clear();
    if (!midiNode)
        return;
    const std::int32_t count = midiNode->GetPacketCount();
    const std::uint8_t* packet = midiNode->GetPacketBuffer();
    for (std::int32_t n = 0; n < count && packet != nullptr; ++n, packet += kHostMIDIPacketSize) {
        std::int32_t offset = 0;
        std::uint8_t bytes[4];
        std::memcpy(&offset, packet + kPacketOffsetBytes, sizeof offset);
        std::memcpy(bytes, packet + kPacketMIDIBytes, sizeof bytes);
        if (!events.addPacket(offset, bytes))
            break;
    }
}

// A query the host's interface is too old for leaves its field as it was.
void CTemplateNoUIProcessNative::FollowTransport()
{
    if (!transportReader)
        return;
    double tempo = 0.0;
    if (transportReader->GetTempo(&tempo) == 0)
        timeInfo.tempo = tempo;
    std::int64_t ticks = 0;
    if (transportReader->GetPositionInTicks(&ticks) == 0)
        timeInfo.ppqPos = static_cast<double>(ticks) / kTicksPerQuarterNote;
    std::uint8_t playing = 0;
    if (transportReader->GetPlayingFlag(&playing) == 0) {
        const bool wasPlaying = (timeInfo.flags & plugTimeTransportPlaying) != 0;
        if ((playing != 0) != wasPlaying) {
            timeInfo.flags |= plugTimeTransportChanged;
            timeInfo.flags = playing != 0 ? timeInfo.flags | plugTimeTransportPlaying
                                          : timeInfo.flags & ~plugTimeTransportPlaying;
        }
    }
}

void CTemplateNoUIProcessNative::PassInputsThrough(float** inputs, float** outputs, std::int32_t frames) const
{
    for (std::int32_t k = 0; k < outputChannelCount; ++k) {
        if (outputs == nullptr || outputs[k] == nullptr)
            continue;
        const float* input = inputs != nullptr && k < inputChannelCount ? inputs[k] : nullptr;
        if (input != nullptr)
            std::copy_n(input, frames, outputs[k]);
        else
            std::fill_n(outputs[k], frames, 0.0f);
    }
}

void CTemplateNoUIProcessNative::Render(float** inputs, float** outputs, std::int32_t frames)
{
    TakeEvents();
    if (events.count() > 0)
        static_cast<AudioPluginX*>(plugIn.get())->processEvents(events.list());
    FollowTransport();
    plugIn->processReplacing(inputs, outputs, frames);
    if (IsBypassed())
        PassInputsThrough(inputs, outputs, frames);
    timeInfo.flags &= ~plugTimeTransportChanged;
}

void CTemplateNoUIProcessNative::ControlValueChanged(std::int32_t control)
{
    CEffectProcessNative::ControlValueChanged(control);
    CTemplateNoUIProcess::ControlValueChanged(control);
}

CProcess* MakeTemplateNoUIProcessNative()
{
    return new (std::nothrow) CTemplateNoUIProcessNative();
}

#pragma once

// The process every instance of this plug-in is: the plug-in object's host process on the host's
// native real-time path. Once per block it turns the host's buffered MIDI into the plug-in's
// events, brings the time information up to date from the host's transport, runs the plug-in and
// passes the inputs through while the instance is bypassed.

#include "hostframework/adaptor/template_no_ui_process.h"
#include "hostframework/effect_midi_nodes.h"
#include "hostframework/effect_process_native.h"
#include "hostframework/midi_transport_reader.h"
#include "plugin/base/plug_event_list.h"

#include <memory>

class CTemplateNoUIProcessNative : public CTemplateNoUIProcess, public CEffectProcessNative {
public:
    static constexpr std::int32_t kEventCapacity = 2048;

    ~CTemplateNoUIProcessNative() override;

    void Render(float** inputs, float** outputs, std::int32_t frames) override;
    // Both halves watch control changes: the bypass for the render, parameters for the plug-in.
    void ControlValueChanged(std::int32_t control) override;
    // Registers the MIDI client, opens the instance's MIDI input named after its type, and makes the
    // transport reader before the arrays are prepared.
    void ConnectMIDINode() override;

    const CEffectMIDINativeBufferedNode* GetMIDINode() const { return midiNode.get(); }
    // What the last block handed the plug-in.
    PlugEventList& GetEventList() { return events; }

private:
    void TakeEvents();
    void FollowTransport();
    // Outputs take the inputs; an output without an input (an instrument has none) is silence.
    void PassInputsThrough(float** inputs, float** outputs, std::int32_t frames) const;

    PlugEventList events{kEventCapacity};
    std::unique_ptr<CEffectMIDINativeBufferedNode> midiNode;
    std::unique_ptr<CEffectMIDITransportReader> transportReader;
    std::int16_t inputChannelCount = 0;
    std::int16_t outputChannelCount = 0;
};

// The 'Krst' type's process factory.
CProcess* MakeTemplateNoUIProcessNative();

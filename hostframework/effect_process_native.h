#pragma once

// The process of the host's native real-time format: the host's real-time engine calls its render
// entry once per block through the adaptor object, which presents the process to the engine. The
// process keeps the channel pointers of the current block and the connection flags the engine
// writes, and follows the master bypass control.

#include "hostframework/effect_process.h"
#include "hostframework/plugin_model/plugin_id.h"
#include "hostlibs/engine/host_native_render.h"

#include <memory>
#include <vector>

class CAdaptorPlugIn;

class CEffectProcessNative : public virtual CEffectProcess {
public:
    static constexpr std::int32_t kInitialCapacity = 48;
    // A block whose context carries no length.
    static constexpr std::int32_t kDefaultBlockFrames = 32;

    CEffectProcessNative();
    ~CEffectProcessNative() override;

    // Ignored once prepared. New arrays reach the engine through a second report.
    virtual void SetChannelCapacity(std::int32_t capacity);
    // Makes the adaptor with the instance's identity and has it report; -9006 when it cannot be
    // made, the code of a host error thrown meanwhile.
    virtual std::int32_t AttachAdaptor(const SPlugInID& identity);
    virtual void Render(float** inputs, float** outputs, std::int32_t frames) = 0;
    // Sees the text of the text query's selector 5 and may change it.
    virtual void TextHook(char* /*text*/) {}

    // Once the process is placed in the host, at the end of its creation: the arrays are prepared.
    virtual void ConnectMIDINode() { Prepare(); }
    // When the host connects the process: the arrays are cleared for the engine to fill its flags.
    void Prepare();
    bool IsPrepared() const { return prepared; }
    bool IsBypassed() const { return bypassed; }
    // Entry `index` of a side's flags, for channel index + 1; 0 outside the capacity.
    std::int32_t GetInputConnectionFlag(std::int32_t index) const { return flagAt(inputFlags, index); }
    std::int32_t GetOutputConnectionFlag(std::int32_t index) const { return flagAt(outputFlags, index); }
    // Channels count from 1. The process's own channels (its inputs and the side input, its outputs
    // and those its output streams carry) are answered from its flags; the host is asked about the
    // others, and a channel the host does not carry either is -7106. Only the process's own channels
    // can be connected and disconnected here.
    std::int32_t IsInputConnected(std::int32_t channel, std::uint8_t* connected);
    std::int32_t IsOutputConnected(std::int32_t channel, std::uint8_t* connected);
    std::int32_t ConnectInput(std::int32_t channel);
    std::int32_t DisconnectInput(std::int32_t channel);
    std::int32_t ConnectOutput(std::int32_t channel);
    std::int32_t DisconnectOutput(std::int32_t channel);
    // The input channel of the side input the host gives, 0 without one.
    std::int32_t GetSideInputChannel() const;

    // The host's connection routines: 27 and 28 ask about an input and an output channel, 30 and 31
    // connect one, 32 and 33 disconnect one.
    std::int32_t HostCall27(std::int32_t channel, std::uint8_t* connected) override
        { return IsInputConnected(channel, connected); }
    std::int32_t HostCall28(std::int32_t channel, std::uint8_t* connected) override
        { return IsOutputConnected(channel, connected); }
    std::int32_t HostCall30(std::int32_t channel, std::int32_t /*connection*/) override
        { return ConnectInput(channel); }
    std::int32_t HostCall31(std::int32_t channel, std::int32_t /*connection*/) override
        { return ConnectOutput(channel); }
    std::int32_t HostCall32(std::int32_t channel) override { return DisconnectInput(channel); }
    std::int32_t HostCall33(std::int32_t channel) override { return DisconnectOutput(channel); }

    // The text query: selector 5 hands the text to the hook, plain, and back.
    std::int32_t GetChunkAltName(std::int32_t selector, std::uint8_t* text) override;
    void ControlValueChanged(std::int32_t control) override;

    CAdaptorPlugIn* GetAdaptor() const { return adaptor.get(); }
    CAdaptorPlugIn* GetAdaptorPlugIn() const override { return adaptor.get(); }
    const SHostNativeInstance* GetInstanceRecord() const { return instanceRecord; }
    const SHostNativeContext* GetContextRecord() const { return contextRecord; }

    // Handed to the adaptor; the engine calls it on its real-time thread. Never lets an exception
    // out: outputs that could not be rendered read the context's replacement buffer.
    static std::int32_t RenderEntry(void* render, void* context);

private:
    static std::int32_t flagAt(const std::vector<std::int32_t>& flags, std::int32_t index);
    std::int32_t ownInputs();
    std::int32_t ownOutputs();
    bool ownsInput(std::int32_t channel);
    bool ownsOutput(std::int32_t channel);
    std::int32_t setInputFlag(std::int32_t channel, std::int32_t value);
    std::int32_t setFlag(std::vector<std::int32_t>& flags, std::int32_t channel, std::int32_t value);
    void MakeArrays();

    bool bypassed = false;
    SHostNativeInstance* instanceRecord = nullptr;
    SHostNativeContext* contextRecord = nullptr;
    bool prepared = false;
    std::int32_t capacity = kInitialCapacity;
    std::vector<float*> inputChannels;
    std::vector<float*> outputChannels;
    std::vector<std::int32_t> inputFlags;
    std::vector<std::int32_t> outputFlags;
    std::unique_ptr<CAdaptorPlugIn> adaptor;
};

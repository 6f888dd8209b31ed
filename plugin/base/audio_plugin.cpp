#include "plugin/base/audio_plugin.h"

#include "platform/four_char_code.h"
#include "plugin/base/plugin_editor.h"

#include <cstring>

namespace {

AudioPlugin* pluginOf(PluginRecord* e)
{
    return static_cast<AudioPlugin*>(e->object);
}

constexpr auto kDefaultUniqueId = static_cast<std::int32_t>(FourCharCode("NoEf"));
constexpr auto kIdentifyAnswer = static_cast<std::int32_t>(FourCharCode("NvEf"));

} // namespace

AudioPlugin::AudioPlugin(HostCallback masterCallback, std::int32_t numPrograms, std::int32_t numParams)
    : masterCallback(masterCallback), editor(nullptr), sampleRate(44100.0f), blockSize(1024),
      numPrograms(numPrograms), numParams(numParams), curProgram(0)
{
    std::memset(&cEffect, 0, sizeof cEffect);
    cEffect.ioRatio = 1.0f;
    cEffect.magic = kPluginRecordMagic;
    cEffect.dispatcher = dispatchEffect;
    cEffect.process = processEffect;
    cEffect.setParameter = setParameterEffect;
    cEffect.getParameter = getParameterEffect;
    cEffect.numPrograms = numPrograms;
    cEffect.numParams = numParams;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.object = this;
    cEffect.uniqueID = kDefaultUniqueId;
    cEffect.version = 1;
    cEffect.processReplacing = processReplacingEffect;
    canProcessReplacing(true);
    cEffect.processDoubleReplacing = processDoubleReplacingEffect;
}

AudioPlugin::~AudioPlugin()
{
    delete editor;
}

void AudioPlugin::setEditor(PluginEditor* newEditor)
{
    editor = newEditor;
    setFlag(plugFlagsHasEditor, newEditor != nullptr);
}

void AudioPlugin::setFlag(std::int32_t flag, bool state)
{
    if (state)
        cEffect.flags |= flag;
    else
        cEffect.flags &= ~flag;
}

PlugIntPtr AudioPlugin::callHost(std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr, float opt)
{
    return masterCallback(&cEffect, opcode, index, value, ptr, opt);
}

PlugIntPtr AudioPlugin::dispatcher(std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr, float opt)
{
    switch (opcode) {
    case plugOpen: open(); return 0;
    case plugClose: close(); return 0;
    case plugSetProgram:
        if (value < numPrograms)
            setProgram(static_cast<std::int32_t>(value));
        return 0;
    case plugGetProgram: return getProgram();
    case plugSetProgramName: setProgramName(static_cast<char*>(ptr)); return 0;
    case plugGetProgramName: getProgramName(static_cast<char*>(ptr)); return 0;
    case plugGetParamLabel: getParameterLabel(index, static_cast<char*>(ptr)); return 0;
    case plugGetParamDisplay: getParameterDisplay(index, static_cast<char*>(ptr)); return 0;
    case plugGetParamName: getParameterName(index, static_cast<char*>(ptr)); return 0;
    case plugSetSampleRate: setSampleRate(opt); return 0;
    case plugSetBlockSize: setBlockSize(static_cast<std::int32_t>(value)); return 0;
    case plugMainsChanged:
        if (value == 0)
            suspend();
        else
            resume();
        return 0;
    case plugEditGetRect: return editor && editor->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
    case plugEditOpen: return editor && editor->open(ptr) ? 1 : 0;
    case plugEditClose:
        if (editor)
            editor->close();
        return 0;
    case plugEditIdle:
        if (editor)
            editor->idle();
        return 0;
    case plugIdentify: return kIdentifyAnswer;
    case plugGetChunk: return getChunk(static_cast<void**>(ptr), index != 0);
    case plugSetChunk: return setChunk(ptr, static_cast<std::int32_t>(value), index != 0);
    default: return 0;
    }
}

void AudioPlugin::processDoubleReplacing(double** inputs, double** outputs, std::int32_t frames)
{
    (void)inputs;
    (void)outputs;
    (void)frames;
}

void AudioPlugin::setParameter(std::int32_t index, float value)
{
    (void)index;
    (void)value;
}

float AudioPlugin::getParameter(std::int32_t index)
{
    (void)index;
    return 0.0f;
}

void AudioPlugin::setParameterAutomated(std::int32_t index, float value)
{
    setParameter(index, value);
    if (masterCallback)
        callHost(hostOpSetParameterAutomated, index, 0, nullptr, value);
}

void AudioPlugin::getParameterLabel(std::int32_t index, char* label)
{
    (void)index;
    label[0] = 0;
}

void AudioPlugin::getParameterDisplay(std::int32_t index, char* text)
{
    (void)index;
    text[0] = 0;
}

void AudioPlugin::getParameterName(std::int32_t index, char* text)
{
    (void)index;
    text[0] = 0;
}

std::int32_t AudioPlugin::getChunk(void** data, bool isPreset)
{
    (void)data;
    (void)isPreset;
    return 0;
}

std::int32_t AudioPlugin::setChunk(void* data, std::int32_t byteSize, bool isPreset)
{
    (void)data;
    (void)byteSize;
    (void)isPreset;
    return 0;
}

std::int32_t AudioPlugin::getMasterVersion()
{
    if (!masterCallback)
        return 1;
    const auto version = static_cast<std::int32_t>(callHost(hostOpGetMasterVersion));
    return version == 0 ? 1 : version;
}

std::int32_t AudioPlugin::getCurrentUniqueId()
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpGetCurrentUniqueId)) : 0;
}

void AudioPlugin::masterIdle()
{
    if (masterCallback)
        callHost(hostOpMasterIdle);
}

bool AudioPlugin::isInputConnected(std::int32_t input)
{
    return masterCallback ? callHost(hostOpIsConnected, input, 0) == 0 : true;
}

bool AudioPlugin::isOutputConnected(std::int32_t output)
{
    return masterCallback ? callHost(hostOpIsConnected, output, 1) == 0 : true;
}

void AudioPlugin::process(float** inputs, float** outputs, std::int32_t frames)
{
    (void)inputs;
    (void)outputs;
    (void)frames;
}

PlugIntPtr AudioPlugin::dispatchEffect(PluginRecord* e, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                                       void* ptr, float opt)
{
    AudioPlugin* plugin = pluginOf(e);
    if (opcode == plugClose) {
        plugin->dispatcher(opcode, index, value, ptr, opt);
        delete plugin;
        return 1;
    }
    return plugin->dispatcher(opcode, index, value, ptr, opt);
}

float AudioPlugin::getParameterEffect(PluginRecord* e, std::int32_t index)
{
    return pluginOf(e)->getParameter(index);
}

void AudioPlugin::setParameterEffect(PluginRecord* e, std::int32_t index, float value)
{
    pluginOf(e)->setParameter(index, value);
}

void AudioPlugin::processEffect(PluginRecord* e, float** inputs, float** outputs, std::int32_t frames)
{
    pluginOf(e)->process(inputs, outputs, frames);
}

void AudioPlugin::processReplacingEffect(PluginRecord* e, float** inputs, float** outputs, std::int32_t frames)
{
    pluginOf(e)->processReplacing(inputs, outputs, frames);
}

void AudioPlugin::processDoubleReplacingEffect(PluginRecord* e, double** inputs, double** outputs,
                                               std::int32_t frames)
{
    pluginOf(e)->processDoubleReplacing(inputs, outputs, frames);
}

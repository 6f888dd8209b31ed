#include "plugin/base/audio_plugin_x.h"

#include "plugin/base/plugin_editor.h"

namespace {

PlugIntPtr asAnswer(bool state)
{
    return state ? 1 : 0;
}

} // namespace

AudioPluginX::AudioPluginX(HostCallback masterCallback, std::int32_t numPrograms, std::int32_t numParams)
    : AudioPlugin(masterCallback, numPrograms, numParams)
{
}

PlugIntPtr AudioPluginX::dispatcher(std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr, float opt)
{
    const auto value32 = static_cast<std::int32_t>(value);
    switch (opcode) {
    case plugProcessEvents: return processEvents(static_cast<PlugEvents*>(ptr));
    case plugCanBeAutomated: return asAnswer(canParameterBeAutomated(index));
    case plugString2Parameter: return asAnswer(string2parameter(index, static_cast<char*>(ptr)));
    case plugGetProgramNameIndexed: return asAnswer(getProgramNameIndexed(value32, index, static_cast<char*>(ptr)));
    case plugGetInputProperties: return asAnswer(getInputProperties(index, static_cast<PlugPinProperties*>(ptr)));
    case plugGetOutputProperties: return asAnswer(getOutputProperties(index, static_cast<PlugPinProperties*>(ptr)));
    case plugGetPlugCategory: return getPlugCategory();
    case plugOfflineNotify: return asAnswer(offlineNotify(static_cast<PlugAudioFile*>(ptr), value32, index != 0));
    case plugOfflinePrepare: return asAnswer(offlinePrepare(static_cast<PlugOfflineTask*>(ptr), value32));
    case plugOfflineRun: return asAnswer(offlineRun(static_cast<PlugOfflineTask*>(ptr), value32));
    case plugProcessVarIo: return asAnswer(processVariableIo(static_cast<PlugVariableIo*>(ptr)));
    case plugSetSpeakerArrangement:
        return asAnswer(setSpeakerArrangement(reinterpret_cast<PlugSpeakerArrangement*>(value),
                                              static_cast<PlugSpeakerArrangement*>(ptr)));
    case plugSetBypass: return asAnswer(setBypass(value != 0));
    case plugGetEffectName: return asAnswer(getEffectName(static_cast<char*>(ptr)));
    case plugGetVendorString: return asAnswer(getVendorString(static_cast<char*>(ptr)));
    case plugGetProductString: return asAnswer(getProductString(static_cast<char*>(ptr)));
    case plugGetVendorVersion: return getVendorVersion();
    case plugVendorSpecific: return vendorSpecific(index, value, ptr, opt);
    case plugCanDo: return canDo(static_cast<char*>(ptr));
    case plugGetTailSize: return getGetTailSize();
    case plugGetParameterProperties:
        return asAnswer(getParameterProperties(index, static_cast<PlugParameterProperties*>(ptr)));
    case plugGetPlugVersion: return getPlugVersion();
    case plugEditKeyDown:
    case plugEditKeyUp: {
        if (!editor)
            return 0;
        PlugKeyCode key{index, static_cast<unsigned char>(value & 0xff),
                        static_cast<unsigned char>(static_cast<std::int32_t>(opt) & 0xff)};
        return asAnswer(opcode == plugEditKeyDown ? editor->onKeyDown(key) : editor->onKeyUp(key));
    }
    case plugSetEditKnobMode: return asAnswer(editor && editor->setKnobMode(value32));
    case plugGetMidiProgramName: return getMidiProgramName(index, static_cast<PlugMidiProgramName*>(ptr));
    case plugGetCurrentMidiProgram: return getCurrentMidiProgram(index, static_cast<PlugMidiProgramName*>(ptr));
    case plugGetMidiProgramCategory: return getMidiProgramCategory(index, ptr);
    case plugHasMidiProgramsChanged: return asAnswer(hasMidiProgramsChanged(index));
    case plugGetMidiKeyName: return asAnswer(getMidiKeyName(index, static_cast<PlugMidiKeyName*>(ptr)));
    case plugBeginSetProgram: return asAnswer(beginSetProgram());
    case plugEndSetProgram: return asAnswer(endSetProgram());
    case plugGetSpeakerArrangement:
        return asAnswer(getSpeakerArrangement(reinterpret_cast<PlugSpeakerArrangement**>(value),
                                              static_cast<PlugSpeakerArrangement**>(ptr)));
    case plugShellGetNextPlugin: return getNextShellPlugin(static_cast<char*>(ptr));
    case plugStartProcess: return startProcess();
    case plugStopProcess: return stopProcess();
    case plugSetTotalSampleToProcess: return setTotalSampleToProcess(value32);
    case plugSetPanLaw: return asAnswer(setPanLaw(value32, opt));
    case plugBeginLoadBank: return beginLoadBank(static_cast<PlugPatchChunkInfo*>(ptr));
    case plugBeginLoadProgram: return beginLoadProgram(static_cast<PlugPatchChunkInfo*>(ptr));
    case plugSetProcessPrecision: return asAnswer(setProcessPrecision(value32));
    case plugGetNumMidiInputChannels: return getNumMidiInputChannels();
    case plugGetNumMidiOutputChannels: return getNumMidiOutputChannels();
    default: return AudioPlugin::dispatcher(opcode, index, value, ptr, opt);
    }
}

void AudioPluginX::resume()
{
    char receiveMidi[] = "receivePlugMidiEvent";
    if ((cEffect.flags & plugFlagsIsSynth) || canDo(receiveMidi) == 1)
        wantEvents(1);
}

bool AudioPluginX::beginEdit(std::int32_t index)
{
    return masterCallback ? callHost(hostOpBeginEdit, index) != 0 : false;
}

bool AudioPluginX::endEdit(std::int32_t index)
{
    return masterCallback ? callHost(hostOpEndEdit, index) != 0 : false;
}

bool AudioPluginX::getProgramNameIndexed(std::int32_t category, std::int32_t index, char* text)
{
    (void)category;
    (void)index;
    (void)text;
    return false;
}

bool AudioPluginX::ioChanged()
{
    return masterCallback ? callHost(hostOpIoChanged) > 0 : false;
}

double AudioPluginX::updateSampleRate()
{
    if (masterCallback) {
        const PlugIntPtr rate = callHost(hostOpUpdateSampleRate);
        if (rate > 0)
            sampleRate = static_cast<float>(rate);
    }
    return sampleRate;
}

std::int32_t AudioPluginX::updateBlockSize()
{
    if (masterCallback) {
        const PlugIntPtr size = callHost(hostOpUpdateBlockSize);
        if (size > 0)
            blockSize = static_cast<std::int32_t>(size);
    }
    return blockSize;
}

std::int32_t AudioPluginX::getInputLatency()
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpGetInputLatency)) : 0;
}

std::int32_t AudioPluginX::getOutputLatency()
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpGetOutputLatency)) : 0;
}

bool AudioPluginX::setSpeakerArrangement(PlugSpeakerArrangement* in, PlugSpeakerArrangement* out)
{
    (void)in;
    (void)out;
    return false;
}

bool AudioPluginX::getSpeakerArrangement(PlugSpeakerArrangement** in, PlugSpeakerArrangement** out)
{
    if (in)
        *in = nullptr;
    if (out)
        *out = nullptr;
    return false;
}

PlugTimeInfo* AudioPluginX::getTimeInfo(std::int32_t filter)
{
    return masterCallback ? reinterpret_cast<PlugTimeInfo*>(callHost(hostOpGetTimeInfo, 0, filter)) : nullptr;
}

std::int32_t AudioPluginX::getCurrentProcessLevel()
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpGetCurrentProcessLevel)) : 0;
}

std::int32_t AudioPluginX::getAutomationState()
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpGetAutomationState)) : 0;
}

bool AudioPluginX::getHostVendorString(char* text)
{
    return masterCallback ? callHost(hostOpGetHostVendorString, 0, 0, text) > 0 : false;
}

bool AudioPluginX::getHostProductString(char* text)
{
    return masterCallback ? callHost(hostOpGetHostProductString, 0, 0, text) > 0 : false;
}

std::int32_t AudioPluginX::getHostVendorVersion()
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpGetHostVendorVersion)) : 0;
}

PlugIntPtr AudioPluginX::hostVendorSpecific(std::int32_t arg1, PlugIntPtr arg2, void* ptrArg, float floatArg)
{
    return masterCallback ? callHost(hostOpHostVendorSpecific, arg1, arg2, ptrArg, floatArg) : 0;
}

std::int32_t AudioPluginX::canHostDo(char* text)
{
    return masterCallback && callHost(hostOpCanHostDo, 0, 0, text) > 0 ? 1 : 0;
}

std::int32_t AudioPluginX::getHostLanguage()
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpGetHostLanguage)) : 0;
}

void* AudioPluginX::getDirectory()
{
    return masterCallback ? reinterpret_cast<void*>(callHost(hostOpGetDirectory)) : nullptr;
}

PlugIntPtr AudioPluginX::vendorSpecific(std::int32_t arg1, PlugIntPtr arg2, void* ptrArg, float floatArg)
{
    (void)arg1;
    (void)arg2;
    (void)ptrArg;
    (void)floatArg;
    return 0;
}

std::int32_t AudioPluginX::getPlugCategory()
{
    return (cEffect.flags & plugFlagsIsSynth) ? 2 : 0;
}

std::int32_t AudioPluginX::getMidiProgramName(std::int32_t channel, PlugMidiProgramName* name)
{
    (void)channel;
    (void)name;
    return 0;
}

std::int32_t AudioPluginX::getCurrentMidiProgram(std::int32_t channel, PlugMidiProgramName* name)
{
    (void)channel;
    (void)name;
    return -1;
}

std::int32_t AudioPluginX::getMidiProgramCategory(std::int32_t channel, void* category)
{
    (void)channel;
    (void)category;
    return 0;
}

bool AudioPluginX::getMidiKeyName(std::int32_t channel, PlugMidiKeyName* keyName)
{
    (void)channel;
    (void)keyName;
    return false;
}

bool AudioPluginX::updateDisplay()
{
    return masterCallback ? callHost(hostOpUpdateDisplay) != 0 : false;
}

bool AudioPluginX::sizeWindow(std::int32_t width, std::int32_t height)
{
    return masterCallback ? callHost(hostOpSizeWindow, width, height) > 0 : false;
}

bool AudioPluginX::openFileSelector(PlugFileSelect* select)
{
    return masterCallback && select ? callHost(hostOpOpenFileSelector, 0, 0, select) != 0 : false;
}

bool AudioPluginX::closeFileSelector(PlugFileSelect* select)
{
    return masterCallback && select ? callHost(hostOpCloseFileSelector, 0, 0, select) != 0 : false;
}

bool AudioPluginX::offlineRead(PlugOfflineTask* offline, std::int32_t option, bool readSource)
{
    return masterCallback ? callHost(hostOpOfflineRead, readSource ? 1 : 0, option, offline) > 0 : false;
}

bool AudioPluginX::offlineWrite(PlugOfflineTask* offline, std::int32_t option)
{
    return masterCallback ? callHost(hostOpOfflineWrite, 0, option, offline) > 0 : false;
}

bool AudioPluginX::offlineStart(PlugAudioFile* files, std::int32_t numAudioFiles, std::int32_t numNewAudioFiles)
{
    return masterCallback ? callHost(hostOpOfflineStart, numNewAudioFiles, numAudioFiles, files) > 0 : false;
}

std::int32_t AudioPluginX::offlineGetCurrentPass()
{
    return masterCallback && callHost(hostOpOfflineGetCurrentPass) > 0 ? 1 : 0;
}

std::int32_t AudioPluginX::offlineGetCurrentMetaPass()
{
    return masterCallback && callHost(hostOpOfflineGetCurrentMetaPass) > 0 ? 1 : 0;
}

bool AudioPluginX::offlineNotify(PlugAudioFile* files, std::int32_t numAudioFiles, bool start)
{
    (void)files;
    (void)numAudioFiles;
    (void)start;
    return false;
}

bool AudioPluginX::offlinePrepare(PlugOfflineTask* offline, std::int32_t count)
{
    (void)offline;
    (void)count;
    return false;
}

bool AudioPluginX::offlineRun(PlugOfflineTask* offline, std::int32_t count)
{
    (void)offline;
    (void)count;
    return false;
}

void AudioPluginX::wantEvents(std::int32_t filter)
{
    if (masterCallback)
        callHost(hostOpWantEvents, 0, filter);
}

std::int32_t AudioPluginX::tempoAt(std::int32_t pos)
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpTempoAt, 0, pos)) : 0;
}

std::int32_t AudioPluginX::getNumAutomatableParameters()
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpGetNumAutomatableParameters)) : 0;
}

std::int32_t AudioPluginX::getParameterQuantization()
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpGetParameterQuantization)) : 0;
}

bool AudioPluginX::needIdle()
{
    return masterCallback ? callHost(hostOpNeedIdle) > 0 : false;
}

PluginRecord* AudioPluginX::getPreviousPlug(std::int32_t input)
{
    (void)input;
    return masterCallback ? reinterpret_cast<PluginRecord*>(callHost(hostOpGetPreviousPlug)) : nullptr;
}

PluginRecord* AudioPluginX::getNextPlug(std::int32_t output)
{
    (void)output;
    return masterCallback ? reinterpret_cast<PluginRecord*>(callHost(hostOpGetNextPlug)) : nullptr;
}

std::int32_t AudioPluginX::willProcessReplacing()
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpWillProcessReplacing)) : 0;
}

void AudioPluginX::setOutputSampleRate(float rate)
{
    if (masterCallback)
        callHost(hostOpSetOutputSampleRate, 0, 0, nullptr, rate);
}

PlugSpeakerArrangement* AudioPluginX::getInputSpeakerArrangement()
{
    return masterCallback ? reinterpret_cast<PlugSpeakerArrangement*>(callHost(hostOpGetInputSpeakerArrangement))
                          : nullptr;
}

PlugSpeakerArrangement* AudioPluginX::getOutputSpeakerArrangement()
{
    return masterCallback ? reinterpret_cast<PlugSpeakerArrangement*>(callHost(hostOpGetOutputSpeakerArrangement))
                          : nullptr;
}

std::int32_t AudioPluginX::openWindow(PlugWindow* window)
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpOpenWindow, 0, 0, window)) : 0;
}

std::int32_t AudioPluginX::closeWindow(PlugWindow* window)
{
    return masterCallback ? static_cast<std::int32_t>(callHost(hostOpCloseWindow, 0, 0, window)) : 0;
}

void AudioPluginX::setBlockSizeAndSampleRate(std::int32_t size, float rate)
{
    blockSize = size;
    sampleRate = rate;
}

bool AudioPluginX::getChunkFile(void* nativePath)
{
    return masterCallback && nativePath ? callHost(hostOpGetChunkFile, 0, 0, nativePath) != 0 : false;
}

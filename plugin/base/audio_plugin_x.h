#pragma once

#include "plugin/base/audio_plugin.h"

// The extended operations of the boundary: events, identity, capabilities and
// the rest of the host-callback wrappers.
class AudioPluginX : public AudioPlugin {
public:
    AudioPluginX(HostCallback masterCallback, std::int32_t numPrograms, std::int32_t numParams);

    PlugIntPtr dispatcher(std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr, float opt) override;
    void resume() override;

    virtual bool canParameterBeAutomated(std::int32_t index) { (void)index; return true; }
    virtual bool string2parameter(std::int32_t index, char* text) { (void)index; (void)text; return false; }
    virtual bool getParameterProperties(std::int32_t index, PlugParameterProperties* p) { (void)index; (void)p; return false; }
    virtual bool beginEdit(std::int32_t index);
    virtual bool endEdit(std::int32_t index);
    virtual bool getProgramNameIndexed(std::int32_t category, std::int32_t index, char* text);
    virtual bool beginSetProgram() { return false; }
    virtual bool endSetProgram() { return false; }
    virtual std::int32_t beginLoadBank(PlugPatchChunkInfo* info) { (void)info; return 0; }
    virtual std::int32_t beginLoadProgram(PlugPatchChunkInfo* info) { (void)info; return 0; }
    virtual bool ioChanged();
    virtual double updateSampleRate();
    virtual std::int32_t updateBlockSize();
    virtual std::int32_t getInputLatency();
    virtual std::int32_t getOutputLatency();
    virtual bool getInputProperties(std::int32_t index, PlugPinProperties* p) { (void)index; (void)p; return false; }
    virtual bool getOutputProperties(std::int32_t index, PlugPinProperties* p) { (void)index; (void)p; return false; }
    virtual bool setSpeakerArrangement(PlugSpeakerArrangement* in, PlugSpeakerArrangement* out);
    virtual bool getSpeakerArrangement(PlugSpeakerArrangement** in, PlugSpeakerArrangement** out);
    virtual bool setBypass(bool onOff) { (void)onOff; return false; }
    virtual bool setPanLaw(std::int32_t type, float value) { (void)type; (void)value; return false; }
    virtual bool setProcessPrecision(std::int32_t precision) { (void)precision; return false; }
    virtual std::int32_t getNumMidiInputChannels() { return 0; }
    virtual std::int32_t getNumMidiOutputChannels() { return 0; }
    virtual PlugTimeInfo* getTimeInfo(std::int32_t filter);
    virtual std::int32_t getCurrentProcessLevel();
    virtual std::int32_t getAutomationState();
    virtual std::int32_t processEvents(PlugEvents* events) { (void)events; return 0; }
    virtual std::int32_t startProcess() { return 0; }
    virtual std::int32_t stopProcess() { return 0; }
    virtual bool processVariableIo(PlugVariableIo* io) { (void)io; return false; }
    virtual std::int32_t setTotalSampleToProcess(std::int32_t value) { return value; }
    virtual bool getHostVendorString(char* text);
    virtual bool getHostProductString(char* text);
    virtual std::int32_t getHostVendorVersion();
    virtual PlugIntPtr hostVendorSpecific(std::int32_t arg1, PlugIntPtr arg2, void* ptrArg, float floatArg);
    virtual std::int32_t canHostDo(char* text);
    virtual std::int32_t getHostLanguage();
    virtual void isSynth(bool state) { setFlag(plugFlagsIsSynth, state); }
    virtual void noTail(bool state) { setFlag(plugFlagsNoSoundInStop, state); }
    virtual std::int32_t getGetTailSize() { return 0; }
    virtual void* getDirectory();
    virtual bool getEffectName(char* name) { (void)name; return false; }
    virtual bool getVendorString(char* text) { (void)text; return false; }
    virtual bool getProductString(char* text) { (void)text; return false; }
    virtual std::int32_t getVendorVersion() { return 0; }
    virtual PlugIntPtr vendorSpecific(std::int32_t arg1, PlugIntPtr arg2, void* ptrArg, float floatArg);
    virtual std::int32_t canDo(char* text) { (void)text; return 0; }
    virtual std::int32_t getPlugVersion() { return 2400; }
    virtual std::int32_t getPlugCategory();
    virtual std::int32_t getMidiProgramName(std::int32_t channel, PlugMidiProgramName* name);
    virtual std::int32_t getCurrentMidiProgram(std::int32_t channel, PlugMidiProgramName* name);
    virtual std::int32_t getMidiProgramCategory(std::int32_t channel, void* category);
    virtual bool hasMidiProgramsChanged(std::int32_t channel) { (void)channel; return false; }
    virtual bool getMidiKeyName(std::int32_t channel, PlugMidiKeyName* keyName);
    virtual bool updateDisplay();
    virtual bool sizeWindow(std::int32_t width, std::int32_t height);
    virtual bool openFileSelector(PlugFileSelect* select);
    virtual bool closeFileSelector(PlugFileSelect* select);
    virtual std::int32_t getNextShellPlugin(char* name) { (void)name; return 0; }
    virtual bool offlineRead(PlugOfflineTask* offline, std::int32_t option, bool readSource);
    virtual bool offlineWrite(PlugOfflineTask* offline, std::int32_t option);
    virtual bool offlineStart(PlugAudioFile* files, std::int32_t numAudioFiles, std::int32_t numNewAudioFiles);
    virtual std::int32_t offlineGetCurrentPass();
    virtual std::int32_t offlineGetCurrentMetaPass();
    virtual bool offlineNotify(PlugAudioFile* files, std::int32_t numAudioFiles, bool start);
    virtual bool offlinePrepare(PlugOfflineTask* offline, std::int32_t count);
    virtual bool offlineRun(PlugOfflineTask* offline, std::int32_t count);
    virtual std::int32_t offlineGetNumPasses() { return 0; }
    virtual std::int32_t offlineGetNumMetaPasses() { return 0; }
    virtual void wantEvents(std::int32_t filter);
    virtual std::int32_t tempoAt(std::int32_t pos);
    virtual std::int32_t getNumAutomatableParameters();
    virtual std::int32_t getParameterQuantization();
    virtual std::int32_t getNumCategories() { return 1; }
    virtual bool copyProgram(std::int32_t destination) { (void)destination; return false; }
    virtual bool needIdle();
    virtual PluginRecord* getPreviousPlug(std::int32_t input);
    virtual PluginRecord* getNextPlug(std::int32_t output);
    virtual void inputConnected(std::int32_t index, bool state) { (void)index; (void)state; }
    virtual void outputConnected(std::int32_t index, bool state) { (void)index; (void)state; }
    virtual std::int32_t willProcessReplacing();
    virtual void wantAsyncOperation(bool state) { setFlag(plugFlagsExtIsAsync, state); }
    virtual void hasExternalBuffer(bool state) { setFlag(plugFlagsExtHasBuffer, state); }
    virtual std::int32_t reportCurrentPosition() { return 0; }
    virtual float* reportDestinationBuffer() { return nullptr; }
    virtual void setOutputSampleRate(float rate);
    virtual PlugSpeakerArrangement* getInputSpeakerArrangement();
    virtual PlugSpeakerArrangement* getOutputSpeakerArrangement();
    virtual std::int32_t openWindow(PlugWindow* window);
    virtual std::int32_t closeWindow(PlugWindow* window);
    virtual void setBlockSizeAndSampleRate(std::int32_t size, float rate);
    virtual bool getErrorText(char* text) { (void)text; return false; }
    virtual void* getIcon() { return nullptr; }
    virtual bool setViewPosition(std::int32_t x, std::int32_t y) { (void)x; (void)y; return false; }
    virtual std::int32_t fxIdle() { return 0; }
    virtual bool keysRequired() { return false; }
    virtual bool getChunkFile(void* nativePath);
};

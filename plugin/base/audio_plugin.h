#pragma once

#include "plugin/base/plug_types.h"

#include <cstdint>

class PluginEditor;

// The plug-in side of the dispatcher-style boundary: fills the record the host
// adaptor calls, turns opcodes into virtual calls and wraps the host callback.
// The order of the virtual operations is the order the adaptor and the editor
// rely on.
class AudioPlugin {
public:
    AudioPlugin(HostCallback masterCallback, std::int32_t numPrograms, std::int32_t numParams);
    virtual ~AudioPlugin();
    AudioPlugin(const AudioPlugin&) = delete;
    AudioPlugin& operator=(const AudioPlugin&) = delete;

    virtual PlugIntPtr dispatcher(std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr, float opt);
    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}
    virtual void setSampleRate(float rate) { sampleRate = rate; }
    virtual void setBlockSize(std::int32_t size) { blockSize = size; }
    virtual void processReplacing(float** inputs, float** outputs, std::int32_t frames) = 0;
    virtual void processDoubleReplacing(double** inputs, double** outputs, std::int32_t frames);
    virtual void setParameter(std::int32_t index, float value);
    virtual float getParameter(std::int32_t index);
    virtual void setParameterAutomated(std::int32_t index, float value);
    virtual std::int32_t getProgram() { return curProgram; }
    virtual void setProgram(std::int32_t program) { curProgram = program; }
    virtual void setProgramName(char* name) { (void)name; }
    virtual void getProgramName(char* name) { name[0] = 0; }
    virtual void getParameterLabel(std::int32_t index, char* label);
    virtual void getParameterDisplay(std::int32_t index, char* text);
    virtual void getParameterName(std::int32_t index, char* text);
    virtual std::int32_t getChunk(void** data, bool isPreset);
    virtual std::int32_t setChunk(void* data, std::int32_t byteSize, bool isPreset);
    virtual void setUniqueID(std::int32_t id) { cEffect.uniqueID = id; }
    virtual void setNumInputs(std::int32_t inputs) { cEffect.numInputs = inputs; }
    virtual void setNumOutputs(std::int32_t outputs) { cEffect.numOutputs = outputs; }
    virtual void canProcessReplacing(bool state) { setFlag(plugFlagsCanReplacing, state); }
    virtual void canDoubleReplacing(bool state) { setFlag(plugFlagsCanDoubleReplacing, state); }
    virtual void programsAreChunks(bool state) { setFlag(plugFlagsProgramChunks, state); }
    virtual void setInitialDelay(std::int32_t delay) { cEffect.initialDelay = delay; }
    virtual PluginEditor* getEditor() { return editor; }
    virtual PluginRecord* getPluginRecord() { return &cEffect; }
    virtual float getSampleRate() { return sampleRate; }
    virtual std::int32_t getBlockSize() { return blockSize; }
    virtual std::int32_t getMasterVersion();
    virtual std::int32_t getCurrentUniqueId();
    virtual void masterIdle();
    virtual bool isInputConnected(std::int32_t input);
    virtual bool isOutputConnected(std::int32_t output);
    virtual void process(float** inputs, float** outputs, std::int32_t frames);
    virtual float getVu() { return 0.0f; }
    virtual void hasVu(bool state) { setFlag(plugFlagsHasVu, state); }
    virtual void hasClip(bool state) { setFlag(plugFlagsHasClip, state); }
    virtual void canMono(bool state) { setFlag(plugFlagsCanMono, state); }
    virtual void setRealtimeQualities(std::int32_t qualities) { cEffect.realQualities = qualities; }
    virtual void setOfflineQualities(std::int32_t qualities) { cEffect.offQualities = qualities; }

    // Registers the editor object (or none) and keeps the editor flag in step.
    void setEditor(PluginEditor* newEditor);

protected:
    void setFlag(std::int32_t flag, bool state);
    PlugIntPtr callHost(std::int32_t opcode, std::int32_t index = 0, PlugIntPtr value = 0, void* ptr = nullptr,
                        float opt = 0.0f);

    HostCallback masterCallback;
    PluginEditor* editor;
    float sampleRate;
    std::int32_t blockSize;
    std::int32_t numPrograms;
    std::int32_t numParams;
    std::int32_t curProgram;
    PluginRecord cEffect;

private:
    static PlugIntPtr dispatchEffect(PluginRecord* e, std::int32_t opcode, std::int32_t index, PlugIntPtr value,
                                     void* ptr, float opt);
    static float getParameterEffect(PluginRecord* e, std::int32_t index);
    static void setParameterEffect(PluginRecord* e, std::int32_t index, float value);
    static void processEffect(PluginRecord* e, float** inputs, float** outputs, std::int32_t frames);
    static void processReplacingEffect(PluginRecord* e, float** inputs, float** outputs, std::int32_t frames);
    static void processDoubleReplacingEffect(PluginRecord* e, double** inputs, double** outputs,
                                             std::int32_t frames);
};

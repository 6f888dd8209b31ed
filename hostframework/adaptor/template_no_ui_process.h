#pragma once

// The process that hosts one plug-in object: it makes the object, tells it the sample rate, keeps
// the time information the object reads through its host callback, publishes one host control per
// parameter (between the master bypass and two gain controls), declares the plug-in's state chunk
// and steps programs with the arrow keys.

#include "hostframework/effect_process_midi.h"
#include "plugin/base/plug_types.h"

#include <memory>

class AudioPlugin;

class CTemplateNoUIProcess : public CEffectProcessMIDI {
public:
    static constexpr std::uint32_t kStateChunkID = FourCharCode("tQQt");
    static constexpr std::int32_t kPrograms = 32;
    // The bypass comes first, then one control per parameter.
    static constexpr std::int32_t kFirstParameterPosition = 2;

    // A plug-in object that cannot be made throws -9006.
    CTemplateNoUIProcess();
    ~CTemplateNoUIProcess() override;

    // The plug-in changed parameter `index` itself (automation from its editor or a learned controller).
    void AutomateFromPlugIn(std::int32_t index, float value);
    PlugTimeInfo& GetTimeInfo() { return timeInfo; }
    AudioPlugin* GetPlugIn() const { return plugIn.get(); }
    PluginRecord* GetPluginRecord() const { return pluginRecord; }
    std::int32_t GetParameterCount() const;
    bool IsHostAutomationEnabled() const { return hostAutomationEnabled; }

    // The arrow keys step through the programs unless the user turned them off ("Key" = "N").
    bool HandleKeyInProcess(EventRecord* event) override;
    // A host change of a parameter's control reaches the plug-in.
    void ControlValueChanged(std::int32_t control) override;
    // The controls show the plug-in's values before their chunk is built.
    void UpdateControlsBeforeChunk() override;
    // "plugstate" ('tQQt'): every program of the plug-in; other chunks go on to the MIDI process.
    std::int32_t GetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk) override;
    std::int32_t SetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk) override;
    std::int32_t GetCurrentProgram() const { return currentProgram; }

protected:
    // The state chunk's data size for the plug-in's programs and parameters.
    std::int32_t StateChunkSize() const;

    PlugTimeInfo timeInfo{};
    std::int32_t currentProgram = 0;
    bool controlsReady = false;
    bool chunkWalkInProgress = false;
    bool applyingToPlugIn = false;
    // Set when the host first writes the first gain control, after it restored a session's values;
    // until then the host's writes do not reach the plug-in.
    bool hostAutomationEnabled = false;
    std::unique_ptr<AudioPlugin> plugIn;
    PluginRecord* pluginRecord = nullptr;

private:
    void AddParameterControls();
};

#pragma once

// The process that hosts one plug-in object: it makes the object, tells it the sample rate, keeps
// the time information the object reads through its host callback, publishes one host control per
// parameter (between the master bypass and two gain controls), declares the plug-in's state chunk,
// steps programs with the arrow keys and shows the plug-in's editor in a child window of the host's
// view port.

#include "hostframework/adaptor/template_custom_ui.h"
#include "hostframework/effect_process_midi.h"
#include "platform/four_char_code.h"
#include "plugin/base/plug_types.h"

#include <memory>

class AudioPlugin;
class CTemplateNoUIView;

class CTemplateNoUIProcess : public CEffectProcessMIDI, public ITemplateProcess {
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
    PluginRecord* GetPluginRecord() const override { return pluginRecord; }
    HINSTANCE GetModuleHandleOfPlugIn() const override { return moduleHandle; }
    std::int32_t GetParameterCount() const;
    bool IsHostAutomationEnabled() const { return hostAutomationEnabled; }

    // Routine 145, the host's delay query: how many samples late the plug-in's output comes.
    std::int32_t GetLongValue(std::int32_t* delay) override;
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

    // The host's view routines. The root view is a plain view holding the one "NoUIView" that stands
    // for the editor; the editor's own window opens with a port and closes without one.
    CPlugInView* CreateRootView() override;
    std::int32_t GetViewRect(Rect* rect) override;
    std::int32_t SetViewPort(OpaqueGrafPtr* port) override;
    std::int32_t Idle(EventRecord* event) override;
    std::int32_t UpdateControlView(std::int32_t control, std::int32_t value) override;

    ITemplateCustomUI* GetEditorHost() const { return editorHost.get(); }
    // The "NoUIView" of the root view; null without one.
    CTemplateNoUIView* GetHostView() const { return hostView; }
    // The host's tick at the last idle.
    std::uint32_t GetIdleTick() const { return idleTick; }

protected:
    // The editor host of this process; a process that hosts its editor otherwise makes another.
    virtual ITemplateCustomUI* NewEditorHost();
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
    std::unique_ptr<ITemplateCustomUI> editorHost;
    CTemplateNoUIView* hostView = nullptr;
    HINSTANCE moduleHandle = nullptr;
    // The editor's rectangle as its host reported it when it was made: left, top, right, bottom.
    std::int32_t editorRect[4] = {};
    std::uint32_t idleTick = 0;

private:
    void AddParameterControls();
    // Makes the editor host when there is none and keeps its rectangle.
    void MakeEditorHost();
};

#pragma once

#include "plugin/base/audio_plugin_x.h"

#include <atomic>
#include <cstdint>

constexpr std::int32_t kNumPrograms = 32;
constexpr std::int32_t kNumParams = 9900;

// The one plug-in object: owns the parameter store, the MIDI queue, the whole
// sound engine and the editor object. It is tens of megabytes of fixed arrays,
// so it only ever lives on the heap (createEffectInstance).
class APlugin : public AudioPluginX {
public:
    explicit APlugin(HostCallback masterCallback);
    ~APlugin() override;

    // Identity and capabilities.
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    std::int32_t getVendorVersion() override;
    std::int32_t canDo(char* text) override;
    bool getOutputProperties(std::int32_t index, PlugPinProperties* properties) override;

    void setSampleRate(float rate) override;
    void suspend() override {}
    bool beginEdit(std::int32_t index) override;
    bool endEdit(std::int32_t index) override;
    void processReplacing(float** inputs, float** outputs, std::int32_t frames) override;

    // Parameters.
    void setParameter(std::int32_t index, float value) override;
    float getParameter(std::int32_t index) override;

    // Stops every voice and puts the modulators and effects back to their start.
    void resetAllVoices();

    // Editor bridge: requests raised here are polled by the editor's idle.
    bool isEditorOpen();
    void setEditorRefreshFlag(bool state) { editorRefreshFlag.store(state); }
    bool getEditorRefreshFlag() const { return editorRefreshFlag.load(); }
    void requestEditorRefresh();
    void setPatternViewRefreshFlag(bool state) { patternViewRefreshFlag.store(state); }
    bool getPatternViewRefreshFlag() const { return patternViewRefreshFlag.load(); }
    void showVoiceActivity(std::int32_t pad, bool on);
    void refreshSampleBrowserIfOpen();
    bool isUserMode(std::int32_t slot) const;

    // Set by the editor for the length of its open, so requests raised while it
    // builds its controls are not taken for requests to a finished editor.
    std::atomic<bool> editorOpening{false};

    float getSamplePeriod() const { return samplePeriod; }

private:
    // Construction steps, in the order the constructor runs them.
    void seedRandomSource();
    void loadMidiCcMap();
    void clearRecentPrograms();
    void loadProgramNames();
    void initMidiEventQueue();
    void initEngine();
    void loadFolderSettings();
    void listAllDrumPresets();
    void initDefaultPatch();
    void loadNoteMapping();

    // Engine work on a sample-rate change and on a reset, filled by the engine.
    void setupVoicesForSampleRate();
    void setupModulationForSampleRate();
    void setupMasterEffectsForSampleRate();
    void resetVoicesAndModulation();
    void resetMasterEffects();

    float samplePeriod = 1.0f / 44100.0f;
    std::atomic<bool> editorRefreshFlag{false};
    std::atomic<bool> patternViewRefreshFlag{false};
    std::atomic<bool> programReloadBusy{false};

    float currentValues[kNumParams] = {};
};

// Creates a plug-in instance for the host adaptor; null when it cannot be allocated.
AudioPlugin* createEffectInstance(HostCallback masterCallback);

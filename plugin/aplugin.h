#pragma once

#include "engine/engine.h"
#include "engine/engine_listener.h"
#include "engine/samples/factory_samples.h"
#include "plugin/base/audio_plugin_x.h"
#include "plugin/editor_requests.h"
#include "plugin/midi/midi_cc_map.h"
#include "plugin/midi/midi_event_queue.h"
#include "plugin/midi/note_map.h"
#include "plugin/patterns/pattern_clipboard.h"
#include "plugin/patterns/pattern_file.h"
#include "plugin/presets/drum_preset_list.h"
#include "plugin/presets/drum_preset_tables.h"
#include "plugin/programs/recent_programs.h"
#include "plugin/samples/layer_samples.h"
#include "plugin/samples/sample_browser.h"
#include "plugin/samples/sample_preview.h"
#include "plugin/settings/file_browser_list.h"
#include "plugin/settings/folder_settings.h"
#include "plugin/settings/recent_program_record.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <string>

constexpr std::int32_t kNumPrograms = 32;
constexpr std::int32_t kNumParams = 9900;

// The one plug-in object: owns the parameter store, the MIDI queue, the whole
// sound engine and the editor object. It is tens of megabytes of fixed arrays,
// so it only ever lives on the heap (createEffectInstance).
class APlugin : public AudioPluginX, private EngineListener {
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

    // Audio: events are queued before each block and dispatched sample by sample.
    std::int32_t processEvents(PlugEvents* events) override;
    void processReplacing(float** inputs, float** outputs, std::int32_t frames) override;
    void process(float** inputs, float** outputs, std::int32_t frames) override;

    // Parameters and programs. Each program keeps its own values, so edits
    // survive a program change and the host's state chunk sees them.
    void setParameter(std::int32_t index, float value) override;
    float getParameter(std::int32_t index) override;
    void getParameterDisplay(std::int32_t index, char* text) override;
    void setProgram(std::int32_t program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    // The kit's name, kept in the program's parameters one character each.
    std::string getBankName() const;
    bool getProgramNameIndexed(std::int32_t category, std::int32_t index, char* text) override;
    // Names for the host; the unit label is a blank, as the display texts carry their units.
    void getParameterName(std::int32_t index, char* text) override;
    void getParameterLabel(std::int32_t index, char* label) override;
    void compareShowOriginal(std::int32_t program);
    void compareShowEdited(std::int32_t program);
    void callUpdateDisplay() { updateDisplay(); }
    void emptyHook() {}
    // Completes a program change on the audio thread, at an 8192-sample mark.
    void applyPendingProgram();
    bool isProgramReloadPending() const { return programReloadPending.load(); }
    bool isCompareShowingEdited() const { return compareShowsEdited.load(); }
    const kravo::RecentProgramList& getRecentPrograms() const { return recentPrograms; }

    // Reference values per parameter: defaults, neutral values and the pattern-clear copy.
    const float* getDefaultValues() const { return defaultValues; }
    // The editor makes an effect slot's parameters default to the values of the slot's effect type.
    void setDefaultValue(std::int32_t index, float value)
    {
        if (index >= 0 && index < kNumParams)
            defaultValues[index] = value;
    }
    const float* getZeroValues() const { return zeroValues; }
    const float* getPatternClearValues() const { return patternClearValues; }

    // Stops every voice and puts the modulators and effects back to their start.
    void resetAllVoices();

    // Editor bridge: requests raised here are polled by the editor's idle.
    bool isEditorOpen();
    void setEditorRefreshFlag(bool state) { editorRefreshFlag.store(state); }
    bool getEditorRefreshFlag() const { return editorRefreshFlag.load(); }
    void requestEditorRefresh() override;
    void setPatternViewRefreshFlag(bool state) { patternViewRefreshFlag.store(state); }
    bool getPatternViewRefreshFlag() const { return patternViewRefreshFlag.load(); }
    // Read and cleared in one step, so that a request raised meanwhile is kept for the next idle.
    bool takeEditorRefreshFlag() { return editorRefreshFlag.exchange(false); }
    bool takePatternViewRefreshFlag() { return patternViewRefreshFlag.exchange(false); }
    void showVoiceActivity(std::int32_t pad, bool on) override;
    void refreshSampleBrowserIfOpen();
    bool isUserMode(std::int32_t slot) const;

    // Pad buttons of the editor: played by the audio thread before its next block.
    void triggerPadFromEditor(std::int32_t pad);
    void startPatternFromEditor(std::int32_t pattern);
    void releaseSlotByPad(std::int32_t pad);

    // The pattern page. A stop releases the pattern's pad (a latched pattern
    // plays on) and rewinds it; it reaches the player before the next block.
    void stopPattern(std::int32_t pattern);
    std::int32_t getPatternStep(std::int32_t pattern) const;
    // The pattern lock: 1 freezes a copy of the parameters, which the players
    // then play and the editor shows; 2 writes the copy's pattern values back
    // into the program and unlocks. getPatternLockMode gives 0 or 1.
    void setPatternLockMode(std::int32_t mode);
    std::int32_t getPatternLockMode() const { return patternLockMode.load(); }
    // The locked copy's value while locked, else the program's.
    float getParameterValue(std::int32_t index) const;
    // A step edit from the pattern page; refused while the patterns are locked.
    void setPatternParameter(std::int32_t index, float value);

    // Set by the editor for the length of its open, so requests raised while it
    // builds its controls are not taken for requests to a finished editor.
    std::atomic<bool> editorOpening{false};

    // MIDI learn: the editor names a target parameter and asks for the next
    // controller to be latched to it, or for its controllers to be unlatched.
    std::atomic<std::int32_t> midiLearnTarget{0};
    std::atomic<bool> midiLatchRequest{false};
    std::atomic<bool> midiUnlatchRequest{false};

    // Settings, note mapping and the MIDI controller map.
    PlugIntPtr dispatcher(std::int32_t opcode, std::int32_t index, PlugIntPtr value, void* ptr, float opt) override;
    // Stores the mapping's name and switches the note map: "Standard", or "GM" for any other name.
    void writeMappingSetting(const char* name);
    // The editor's ECS menu: 0 load, 1 save, 2 clear; other commands do nothing.
    void handleEcsCommand(std::int32_t command);
    void clearMidiCcMap();
    const kravo::FolderSettings& getFolderSettings() const { return folderSettings; }
    const kravo::RecentProgramRecord& getRecentProgramRecord() const { return recentProgramRecord; }

    float getSamplePeriod() const { return samplePeriod; }
    const Engine& getEngine() const { return engine; }
    // Off, every sample takes the full path: what the quiet runs must sound and leave exactly like.
    void setQuietRuns(bool on) { quietRuns = on; }
    // The user samples of the sample slots' layers (layer + 2 x slot).
    LayerSamples& getLayerSamples() { return layerSamples; }

    // Sample-slot layers (slot 0..7, layer 0 A or 1 B): the switch, the loop points and the
    // last frame are parameters, so programs and saved states keep them. Positions are whole
    // frames; kinds 0 loop start, 1 loop end, 2 last frame. The setters keep
    // 0 <= loop start <= loop end <= last frame; the unclamped ones are for the loader.
    float getSamplePosition(std::int32_t kind, std::int32_t slot, std::int32_t layer) const;
    void setSamplePosition(std::int32_t kind, std::int32_t slot, std::int32_t layer, float value);
    float getLoopStart(std::int32_t slot, std::int32_t layer) const;
    float getLoopEnd(std::int32_t slot, std::int32_t layer) const;
    float getLayerLastFrame(std::int32_t slot, std::int32_t layer) const;
    void setLoopStart(std::int32_t slot, std::int32_t layer, float value);
    void setLoopEnd(std::int32_t slot, std::int32_t layer, float value);
    void setLayerLastFrame(std::int32_t slot, std::int32_t layer, float value);
    bool isLayerEnabled(std::int32_t slot, std::int32_t layer) const;
    void setLayerEnabled(std::int32_t slot, std::int32_t layer, bool on);
    float setLoopStartClamped(std::int32_t slot, std::int32_t layer, float value);
    float setLoopEndClamped(std::int32_t slot, std::int32_t layer, float value);
    // The sample page's loop buttons: a step of 2 % of the sample, or to a zero crossing.
    void nudgeLoopStart(std::int32_t slot, std::int32_t layer, float delta);
    void nudgeLoopEnd(std::int32_t slot, std::int32_t layer, float delta);
    void snapLoopStart(std::int32_t slot, std::int32_t layer, float direction);
    void snapLoopEnd(std::int32_t slot, std::int32_t layer, float direction);
    // The left channel of the layer's sample as the editor's thread sees it; 0 while the layer is off.
    float sampleValueAt(std::int32_t slot, std::int32_t layer, float position) const;
    std::int32_t findZeroCrossing(std::int32_t slot, std::int32_t layer, float startFrame, float direction) const;

    // Texts kept in parameters, one character per parameter; "/" is kept as "\".
    // program -1 is the current program, written through setParameter; another
    // program number writes that program's stored values.
    void setParamText(std::int32_t first, const std::string& text, std::int32_t count, std::int32_t program);
    std::string getParamText(std::int32_t first, std::int32_t count, std::int32_t program) const;

    // The sample browser (slot 0..7, layer 0 or 1, entry n of the list). The list
    // is one for the plug-in, holding the last folder listed.
    void listSampleFolder(std::int32_t slot, std::int32_t layer);
    std::int32_t getSampleFileCount() const { return sampleList.count(); }
    std::int32_t getSampleFileType(std::int32_t n) const { return sampleList.kind(n); }
    std::string getSampleFileName(std::int32_t n) const { return sampleList.name(n); }
    std::string getLayerBrowseFolder(std::int32_t slot, std::int32_t layer) const;
    void enterSampleFolder(std::int32_t slot, std::int32_t layer, std::int32_t n);
    void sampleFolderUp(std::int32_t slot, std::int32_t layer);
    // Back to the samples root, listed again; a layer that is off follows, as on entering a folder.
    void sampleFolderToRoot(std::int32_t slot, std::int32_t layer);
    std::string getLayerSampleName(std::int32_t slot, std::int32_t layer) const;
    void previewSample(std::int32_t slot, std::int32_t layer, std::int32_t n);
    void stopPreview() { samplePreview.stop(); }
    bool isPreviewPlaying() const { return samplePreview.isPlaying(); }
    // False, changing nothing, for a name the parameters could not hold; false
    // with the layer off for a file that cannot be read.
    bool loadSampleIntoLayer(std::int32_t slot, std::int32_t layer, std::int32_t n);
    // Main thread: loads the layer from its stored name when that differs from the one loaded last.
    void reloadLayerSample(std::int32_t slot, std::int32_t layer);
    void reloadLayerSamples();
    NoteMap& getNoteMap() { return noteMap; }

    // The built-in drum samples of the synthesised slots 0..15. A slot's model
    // picks the entry; its copy is what the slot's sample layer plays. Loads
    // only copy from the module's resources, so they may run on any thread.
    void initSampleTable();
    void loadSampleResource(std::int32_t slot, std::int32_t entry);
    void loadFactorySample(std::int32_t slot);
    samples::FactorySamples& getFactorySamples() { return factorySamples; }
    MidiCcMap& getMidiCcMap() { return midiCcMap; }

    // Drum presets of the 24 voice slots. Each slot lists, loads and saves in the folder of its kind;
    // the Tom/User slots follow their mode. Loads, resets and undo go through setParameter.
    void listDrumPresets(std::int32_t slot);
    std::int32_t getDrumPresetCount(std::int32_t slot) const;
    std::string getDrumPresetName(std::int32_t slot, std::int32_t n) const;
    std::string getDrumSlotPresetName(std::int32_t slot) const;
    void setDrumSlotPresetName(std::int32_t slot, const std::string& name);
    // A load that fails changes nothing, its undo state included.
    void loadDrumPresetByIndex(std::int32_t slot, std::int32_t n);
    bool loadDrumPresetFile(std::int32_t slot, const char* path);
    void loadDefaultDrumPreset(std::int32_t slot);
    // Back to the values before the last load or reset; again and again, until the next one.
    void undoDrumPreset(std::int32_t slot);
    // Writes the slot's sound as name + ".dpr" in its preset folder, replacing a file of that name.
    bool saveDrumPreset(std::int32_t slot, const std::string& name);
    // Refuses a name that is taken.
    bool renameDrumPreset(std::int32_t slot, std::int32_t n, const std::string& name);
    bool deleteDrumPreset(std::int32_t slot, std::int32_t n);
    std::int32_t getPresetParameterIndex(std::int32_t slot, std::int32_t k) const;
    std::int32_t getPresetValueCount(std::int32_t slot) const;
    std::int32_t getPresetDrumType(std::int32_t slot) const;
    std::int32_t getPresetFolderIndex(std::int32_t slot) const;

    // The pattern menu's commands on pattern 0..7 and track 0..3, ignored while the patterns are
    // locked. Every command but Undo first keeps all values for Undo. Commands: 0, 6, 9 copy (all
    // three clipboard parts at once); 1 paste track, 7 paste pattern, 10 paste all; 2 clear track,
    // 8 clear pattern, 11 clear all; 3 random track; 4 and 5 move the track left and right; 12 Undo;
    // 13 only keeps the undo copy; 14 load and 15 save through a dialog; 16 deletes the browser's
    // selected file so that Undo can bring it back; 17 returns the browser to its root.
    void handlePatternMenu(std::int32_t command, std::int32_t pattern, std::int32_t track);
    // A file that cannot be read whole changes nothing. A loaded file names the pattern, and the
    // browser follows its folder.
    void loadPatternFile(std::int32_t pattern, const std::string& path);
    // The browser's selected file, kept for Undo like a command.
    void loadSelectedPatternFile(std::int32_t pattern);
    // The pattern's file, folder and title without extension; "None" when it has none.
    std::string getPatternName(std::int32_t pattern) const;

    // The pattern browser: one list over the pattern folder and a sub-folder of it, which is ""
    // at the root and otherwise ends in "\".
    void scanPatternFolder();
    std::int32_t getPatternFileCount() const { return patternList.count(); }
    std::int32_t getPatternFileType(std::int32_t n) const { return patternList.kind(n); }
    std::string getPatternFileName(std::int32_t n) const { return patternList.name(n); }
    void selectPatternFile(std::int32_t n) { selectedPatternFile = patternList.name(n); }
    void setSelectedPatternFile(const std::string& name) { selectedPatternFile = name; }
    const std::string& getSelectedPatternFile() const { return selectedPatternFile; }
    const std::string& getPatternBrowserFolder() const { return patternBrowserFolder; }
    // Only a folder entry whose path fits is entered.
    void enterPatternFolder(std::int32_t n);
    void patternBrowserToRoot();

private:
    // Construction steps, in the order the constructor runs them.
    void seedRandomSource();
    void loadMidiCcMap();
    void clearRecentPrograms();
    void loadFactoryPrograms();
    void initEngine();
    void loadFolderSettings();
    void listAllDrumPresets();
    void initDefaultPatch();
    void loadNoteMapping();

    void dispatchMidiEvents(std::int32_t sampleIndex);
    void handleMidiEvent(const PlugMidiEvent& event);
    void handleControlChange(std::int32_t controller, float value);
    void writeMidiMapEntry(std::int32_t controller, std::int32_t parameter);
    void saveLearnedControllers();
    void loadEcsFile();
    void saveEcsFile();
    // Returns whether the engine was left quiet, so that the next samples may take its quiet path.
    bool renderSample();
    void loadStoredProgram(std::int32_t program);
    void reapplyCurrentProgram();
    void loadFirstProgram();
    void completeProgramChange();
    void loadFactorySamplesOfVoices();
    void updateRecentPrograms();

    kravo::LayerBrowseState& browseState(std::int32_t slot, std::int32_t layer);
    // The block loop's preview: only the preview is heard while it sounds.
    void renderPreviewSample();

    float samplePeriod = 1.0f / 44100.0f;
    // The random source keeps its state per thread: the seed drawn at
    // construction is given to the audio thread at its first block too.
    std::uint32_t randomSeed = 0;
    bool audioThreadSeeded = false;
    PlugTimeInfo* timeInfo = nullptr;
    std::uint32_t sampleCounter = 0;
    float outLeft = 0.0f;
    float outRight = 0.0f;
    float lastTempo = 0.0f;
    bool quietRuns = true;

    void playEditorRequests();

    MidiEventQueue midiQueue;
    EditorRequests editorRequests;
    NoteMap noteMap;
    MidiCcMap midiCcMap;
    Engine engine;
    LayerSamples layerSamples;
    samples::FactorySamples factorySamples;
    std::atomic<bool> editorRefreshFlag{false};
    std::atomic<bool> patternViewRefreshFlag{false};
    std::atomic<bool> programReloadBusy{false};
    std::atomic<bool> programReloadPending{false};
    std::atomic<bool> compareShowsEdited{false};
    // Set only while Compare has put the loaded values over edited ones.
    std::atomic<bool> compareShowsOriginal{false};

    static constexpr std::size_t kProgramNameSize = 32;
    float currentValues[kNumParams] = {};
    float editedValues[kNumParams] = {};
    float loadedValues[kNumParams] = {};
    float lastValues[kNumParams] = {};
    float storedPrograms[kNumPrograms][kNumParams] = {};
    char programNames[kNumPrograms][kProgramNameSize] = {};
    char loadedProgramName[kProgramNameSize] = {};
    char editedProgramName[kProgramNameSize] = {};
    kravo::RecentProgramList recentPrograms;
    kravo::RecentProgramRecord recentProgramRecord;
    kravo::FolderSettings folderSettings;

    kravo::presets::DrumPresetSlot presetSlot(std::int32_t slot) const;
    std::string presetPath(std::int32_t slot, const std::string& name) const;
    std::string presetFileTitle(std::int32_t slot, std::int32_t n) const;
    bool isPresetFileName(std::int32_t slot, const std::string& name) const;
    void reloadSlotSamples(std::int32_t slot);
    void presetApplied();
    std::array<kravo::presets::DrumPresetList, kravo::presets::kPresetFolderCount> drumPresetLists{};
    float presetUndoValues[kNumParams] = {};
    bool presetUndoAvailable = false;

    kravo::FileBrowserList sampleList{kravo::isSampleFileName};
    std::array<kravo::LayerBrowseState, LayerSamples::kLayers> layerBrowse{};
    SamplePreview samplePreview;
    // A reload asked for on the audio thread, where no file is read: done at the main thread's next visit.
    std::atomic<bool> layerReloadsWanted{false};

    void keepPatternUndoCopy();
    void copyPatterns(std::int32_t pattern, std::int32_t track);
    void writeTrack(std::int32_t pattern, std::int32_t track, const float* values);
    void clearTrack(std::int32_t pattern, std::int32_t track);
    void randomizeTrack(std::int32_t pattern, std::int32_t track);
    void moveTrack(std::int32_t pattern, std::int32_t track, std::int32_t direction);
    void writePatternList(std::int32_t pattern, const float* values);
    void undoPatternCommand();
    void loadPatternFromDialog(std::int32_t pattern);
    void savePatternFromDialog(std::int32_t pattern);
    void deleteSelectedPatternFile();
    void rememberPatternFile(std::int32_t pattern, const std::string& path);
    kravo::patterns::PatternClipboard patternClipboard;
    float patternUndoCopy[kNumParams] = {};
    bool patternUndoValid = false;
    // Where the file that command 16 deleted came from; Undo copies it back from "zLastDeleted.zzz".
    std::string lastDeletedPatternPath;
    kravo::FileBrowserList patternList{kravo::patterns::isPatternFileName};
    std::string patternBrowserFolder;
    std::string selectedPatternFile;

    float defaultValues[kNumParams] = {};
    float zeroValues[kNumParams] = {};
    float patternClearValues[kNumParams] = {};
    // The pattern lock's frozen copies. The engine reads the copy of the last
    // lock it has taken until it takes an unlock; a new lock is written into a
    // copy that neither the engine reads nor a queued lock will make it read.
    static constexpr std::int32_t kPatternLockCopies = 3;
    static constexpr std::int32_t kNoLockCopy = -1;
    std::int32_t freeLockCopy() const;
    std::atomic<std::int32_t> patternLockMode{0};
    float patternLockCopies[kPatternLockCopies][kNumParams] = {};
    std::int32_t shownLockCopy = 0;               // the editor's, while locked
    std::int32_t queuedLockCopy = kNoLockCopy;    // of the newest lock or unlock request
    std::atomic<std::int32_t> engineLockCopy{kNoLockCopy};
};

// Creates a plug-in instance for the host adaptor; null when it cannot be allocated.
// Exported under its plain name: an inspector loading the library finds it there.
extern "C" AudioPlugin* createEffectInstance(HostCallback masterCallback);

#pragma once

// The plug-in's editor: made with the plug-in object and kept for its whole life. It has no window
// until the host opens it; open builds the window's content from the editor's images, close takes it
// all down, and the selections, effect-type memory and menu divisors survive in between.

#include "editor/drum_page.h"
#include "editor/easy_page.h"
#include "editor/editor_images.h"
#include "editor/effects_page.h"
#include "editor/fx_type_defaults.h"
#include "editor/main_page_controls.h"
#include "editor/modulation_page.h"
#include "editor/pattern_page_controls.h"
#include "editor/sample_page_controls.h"
#include "platform/win_types.h"
#include "toolkit/control_listener.h"
#include "toolkit/option_menu_scheme.h"
#include "toolkit/plugin_gui_editor.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <thread>

class APlugin;
class myBitmap;
class myKnob;
class myLabel;
class myOnOff;
class myOptionMenu;
class myRadioBitmapButton;
class myRadioButton;
class myTextButton;
class myVSlider;

namespace Toolkit {
class CBitmap;
class CView;
class CKickButton;
class CControl;
class CViewContainer;
} // namespace Toolkit

class uEditor : public PluginGUIEditor, public Toolkit::CControlListener {
public:
    static constexpr std::int32_t kWidth = 984;
    static constexpr std::int32_t kHeight = 623;
    static constexpr int kVoiceCount = MainPageControls::kVoiceCount;
    static constexpr int kPadCount = 32;
    static constexpr int kRegistrySize = 40000;
    static constexpr int kParameterCount = 9900;
    static constexpr int kFxRecordSize = 16; // ten knob values, mix, pan, four spare
    static constexpr int kMixField = 10;
    static constexpr int kPanField = 11;
    // The tag of a control that carries no parameter: a command the editor recognises by the control.
    static constexpr std::int32_t kCommandTag = 9999;
    // Tags from here up name no parameter: the editor neither reads them back nor names them on the info line.
    static constexpr std::int32_t kFirstUnreadTag = 9990;

    explicit uEditor(APlugin* effect);
    ~uEditor() override;

    APlugin* plugin();

    // Answers false, with nothing left built, when the window content cannot be made.
    bool open(void* parentWindow) override;
    void close() override;
    void idle() override;
    void setParameter(std::int32_t index, float value) override;
    virtual void refreshAll();

    void trackEditedControl(std::int32_t tag) override;
    // A voice or pattern pad 0..31 starts or stops sounding; also called on the audio thread. 32 is no pad.
    void setVoiceLed(std::int32_t pad, bool on) override;

    // The control registry: controls that show a parameter, in the order they were made.
    void registerControl(Toolkit::CControl* control);
    void registerMenuControl(Toolkit::CControl* control);
    void controlFromParameter(Toolkit::CControl*& control, std::int32_t tag, float scale);
    void menuFromParameter(Toolkit::CControl*& control);
    void controlToParameter(std::int32_t tag, std::int32_t item, float divisor);
    // A menu's shown text from a value: the entry its divisor reads, or the step a scale reads.
    void setControlFromParameter(myOptionMenu*& menu, float value, std::span<const std::string_view> names);
    void showStepName(myOptionMenu*& menu, float value, float scale, std::int32_t count,
                      std::span<const std::string_view> names);
    void selectProgram(std::int32_t program);
    // The control factories the page builders make their controls with: each sizes the control from its
    // image, listens to it and, for parameter controls, registers it.
    void makeRadioButton(myRadioButton*& control, std::int32_t tag, std::int32_t x, std::int32_t y);
    void makeRadioBitmapButton(myRadioBitmapButton*& control, std::int32_t imageId, std::int32_t x, std::int32_t y);
    // The kinds of on/off button: the plain switch and the second switch picture.
    static constexpr std::uint8_t kPlainSwitch = 0;
    static constexpr std::uint8_t kSecondSwitch = 1;
    void makeOnOffButton(myOnOff*& control, std::int32_t tag, std::int32_t x, std::int32_t y, std::uint8_t kind);
    void makeOnOffButtonWithImage(myOnOff*& control, std::int32_t tag, std::int32_t x, std::int32_t y,
                                  std::int32_t imageId);
    void makeKickButton(Toolkit::CKickButton*& control, std::int32_t tag, std::int32_t x, std::int32_t y,
                        std::int32_t imageId);
    void makeCommandKickButton(Toolkit::CKickButton*& control, std::int32_t x, std::int32_t y, std::int32_t imageId);
    void makeRadioKickButton(Toolkit::CKickButton*& control, std::int32_t x, std::int32_t y);
    void makeTextButton(myTextButton*& control, std::int32_t x, std::int32_t y, std::int32_t imageId, const char* text);
    void makeOptionMenu(myOptionMenu*& control, std::int32_t tag, std::int32_t x, std::int32_t y, std::int32_t imageId,
                        std::int32_t count, const char* const* entries, float divisor);
    void makeStandardOptionMenu(myOptionMenu*& control, std::int32_t tag, std::int32_t x, std::int32_t y,
                                std::int32_t count, const char* const* entries, float divisor);
    void makeKnob(myKnob*& control, std::int32_t tag, std::int32_t x, std::int32_t y);
    void makeKnobAlt(myKnob*& control, std::int32_t tag, std::int32_t x, std::int32_t y);
    void makeKnobLarge(myKnob*& control, std::int32_t tag, std::int32_t x, std::int32_t y);
    void makeVSlider(myVSlider*& control, std::int32_t tag, std::int32_t x, std::int32_t y, std::int32_t format);
    void makeLabelLeft(myLabel*& control, std::int32_t x, std::int32_t y, std::int32_t width, const char* text,
                       std::int32_t font);
    void makeLabelCentred(myLabel*& control, std::int32_t x, std::int32_t y, std::int32_t width, const char* text,
                          std::int32_t font);
    void makeLabelRight(myLabel*& control, std::int32_t x, std::int32_t y, std::int32_t width, const char* text,
                        std::int32_t font);
    void makeBitmap(myBitmap*& control, std::int32_t x, std::int32_t y, std::int32_t imageId);

    // The menus of fixed vocabulary: modulation sources, destinations and drum models, in groups.
    void makeModSourceMenu(std::int32_t tag, std::int32_t x, std::int32_t y, myOptionMenu*& menu,
                           myOptionMenu*& freeSequences, myOptionMenu*& smoothSequences);
    void makeModSourceMenuCompact(std::int32_t tag, std::int32_t x, std::int32_t y, myOptionMenu*& menu,
                                  myOptionMenu*& freeSequences, myOptionMenu*& smoothSequences);
    static constexpr int kDestinationGroups = 26;
    void makeModDestinationMenu(std::int32_t tag, std::int32_t x, std::int32_t y, myOptionMenu*& menu,
                                std::array<myOptionMenu*, kDestinationGroups>& groups);
    // The names fill the groups in order, as many as each group's size: "Model", "Classic", "Kravo";
    // the snares' "Kravo 1" and "Kravo 2"; the user voices' "Percussion 1" and "Percussion 2" after "Kravo".
    void makeModelMenu(myOptionMenu*& menu, std::int32_t tag, std::int32_t x, std::int32_t y,
                       std::array<myOptionMenu*, 3>& groups, const std::array<std::int32_t, 3>& groupSizes,
                       std::span<const std::string_view> names, float divisor);
    void makeSnareModelMenu(myOptionMenu*& menu, std::int32_t tag, std::int32_t x, std::int32_t y,
                            std::array<myOptionMenu*, 4>& groups, const std::array<std::int32_t, 4>& groupSizes,
                            std::span<const std::string_view> names, float divisor);
    void makeUserModelMenu(myOptionMenu*& menu, std::int32_t tag, std::int32_t x, std::int32_t y,
                           std::array<myOptionMenu*, 5>& groups, const std::array<std::int32_t, 5>& groupSizes,
                           std::span<const std::string_view> names, float divisor);

    // The program menu and the kit-name menu beside it; the program menu lists "01 <name>" .. "32 <name>".
    void buildProgramMenus();
    std::string numberedName(std::int32_t program);
    // The drum-preset menus of the selected voice: the synthesised voices' and the sample voices'.
    void buildDrumPresetMenu();
    void buildSampleDrumPresetMenu();
    std::string showPresetName();
    // Fill the synth-voice container for a drum page: the voice's common section with its captions and
    // artwork, and its mixer strip with the strip's captions.
    void showSampleLayerControls(std::int32_t voice);
    void showCommonStrip(std::int32_t voice);
    // Lays the synth-voice container out again for the selected voice.
    void updateVoicePage();
    // A panel, bar or artwork of the main page by its image and place; null for none.
    Toolkit::CView* mainPagePicture(std::int32_t imageId, std::int32_t x, std::int32_t y);
    // The info line's name of a pad 0..31, and the note it plays in the stored mapping: "Midi Note 36 (C1)".
    static std::string padName(std::int32_t pad);
    static std::string padNoteText(std::int32_t pad);
    void showOverlay();
    void hideOverlay();

    // The step buttons of the voice pages: the selected voice's model, a voice's drum preset.
    void stepModel(std::int32_t delta);
    void stepDrumPreset(std::int32_t voice, std::int32_t delta);
    // The program step buttons: at most one step per 500 ms, round the 32 programs.
    void stepPresetThrottled(std::int32_t delta);
    // Takes every view out of the frame and fills it again for the selected voice and page mode.
    void rebuildFrame();

    void valueChanged(Toolkit::CDrawContext* context, Toolkit::CControl* control) override;
    std::int32_t controlModifierClicked(Toolkit::CDrawContext* context, Toolkit::CControl* control,
                                        std::int32_t buttons) override;
    // The right-click menu of a control (the own controls call it), at the point in the control's
    // coordinates.
    virtual void controlContextMenu(Toolkit::CDrawContext* context, Toolkit::CControl* control,
                                    const Toolkit::CPoint& where);

    // The loaded image of the id, or null (not open, or an id the editor does not load).
    Toolkit::CBitmap* image(std::int32_t id) const;

    std::int32_t selectedFxSlot = 0;
    std::int32_t selectedVoice = 0;
    // 0 voice, 1 mixer, 2 Easy, 3 modulation, 4 no page panel, 5 sample page.
    std::int32_t pageMode = 0;
    std::int32_t selectedPattern = 0;
    // Light per pad, 1 lit; written from the audio thread too.
    std::array<std::atomic<std::uint8_t>, kPadCount> voiceLedState{};
    // Written from the audio thread when a voice starts or stops sounding; the idle takes it.
    std::atomic<std::uint8_t> voiceLedsDirty{0};
    std::uint8_t dynamicSelect = 0;
    // Per voice the drum preset last chosen from its list, -1 none.
    std::array<std::int32_t, kVoiceCount> presetIndex{};
    std::uint8_t compareShown = 0;
    std::uint8_t fxPositionIsSwitch[editor::kFxTypeCount][editor::kFxKnobCount] = {};
    std::uint8_t fxPositionKnobB[editor::kFxTypeCount][editor::kFxKnobCount] = {};
    std::uint8_t fxPositionShown[editor::kFxTypeCount][editor::kFxKnobCount] = {};
    std::uint8_t fxLayoutPending = 0;
    std::uint8_t voicePagePending = 0;
    std::uint8_t refreshBusy = 0;
    DWORD lastStepRequest = 0;
    DWORD lastStepTime = 0;
    DWORD idleTime = 0;
    Toolkit::CControl* editedControl = nullptr;
    Toolkit::COptionMenuScheme menuScheme;

    // The page containers, in the order open makes them; none while closed.
    Toolkit::CViewContainer* synthVoiceContainer = nullptr;
    Toolkit::CViewContainer* voiceSelectorContainer = nullptr;
    Toolkit::CViewContainer* effectsContainer = nullptr;
    Toolkit::CViewContainer* modulationContainer = nullptr;
    Toolkit::CViewContainer* patternContainer = nullptr;
    Toolkit::CViewContainer* mixerContainer = nullptr;
    Toolkit::CViewContainer* easyContainer = nullptr;
    Toolkit::CViewContainer* sampleContainer = nullptr;
    Toolkit::CViewContainer* pageTabContainer = nullptr;

    std::array<Toolkit::CBitmap*, editor::kImageCount> images{};
    std::array<Toolkit::CControl*, kRegistrySize> controlRegistry{};
    std::array<std::uint8_t, kRegistrySize> registryFlags{};
    // The registry by tag: the first and last entry holding each parameter's tag, and from each entry
    // the next one holding the same tag (-1: none), so a change touches only its own controls.
    std::array<std::int32_t, kParameterCount> firstWithTag{};
    std::array<std::int32_t, kParameterCount> lastWithTag{};
    std::array<std::int32_t, kRegistrySize> nextWithTag{};
    float fxTypeDefaults[editor::kFxTypeCount][kFxRecordSize] = {};
    float fxTypeMemory[editor::kFxTypeCount][kFxRecordSize] = {};
    std::uint8_t padTriggerPending = 0;
    std::int32_t padTriggerVoice = -1;
    std::uint8_t padReleasePending = 0;
    // Per parameter the divisor of the stepped control with that tag, -1.0 for none.
    std::array<float, kParameterCount> menuDivisor{};
    std::int32_t registryCount = 0;
    // The per-voice menus of the main page, none until it builds them: filter type, filter LFO mode
    // and sync of each synthesised voice; distortion, choke group and output of every voice.
    static constexpr int kSynthVoiceCount = MainPageControls::kSynthVoiceCount;
    std::array<myOptionMenu*, kSynthVoiceCount> filterTypeMenus{};
    std::array<myOptionMenu*, kSynthVoiceCount> filterLfoModeMenus{};
    std::array<myOptionMenu*, kSynthVoiceCount> filterLfoSyncMenus{};
    std::array<myOptionMenu*, kVoiceCount> distortionMenus{};
    std::array<myOptionMenu*, kVoiceCount> chokeGroupMenus{};
    std::array<myOptionMenu*, kVoiceCount> outputMenus{};
    MainPageControls mainPage;
    // The drum voice pages over their layouts.
    editor::DrumPage bassDrumPage;
    editor::DrumPage snarePage;
    editor::DrumPage closedHatPage;
    editor::DrumPage openHatPage;
    editor::DrumPage tomPage;
    editor::DrumPage clapPage;
    editor::DrumPage userPage;
    // The voice selector's pads and select buttons, in pad order.
    std::array<Toolkit::CKickButton*, kVoiceCount> voicePads{};
    std::array<myRadioBitmapButton*, kVoiceCount> voiceSelectButtons{};
    // The pattern page's pads, which show the lights of pads 24..31.
    static constexpr int kPatternCount = 8;
    std::array<Toolkit::CKickButton*, kPatternCount> patternPads{};
    // The pattern page: its controls, the selected track, the View switch's value and the engine step
    // the grid last showed (-1 none). The selections survive the window.
    PatternPageControls patternPage;
    std::int32_t selectedTrack = 0;
    float patternViewFlag = 0.0f;
    std::int32_t lastShownStep = -1;
    // The mixer page, per voice in pad order and per master effect slot; its labels read "Volume" and
    // "Pan" per voice, then "Mix" and "Pan" per slot.
    static constexpr int kFxSlotCount = MainPageControls::kFxSlotCount;
    std::array<myKnob*, kVoiceCount> mixerVolumeKnobs{};
    std::array<myKnob*, kVoiceCount> mixerPanKnobs{};
    std::array<myKnob*, kFxSlotCount> mixerFxMixKnobs{};
    std::array<myKnob*, kFxSlotCount> mixerFxPanKnobs{};
    std::array<myOnOff*, kFxSlotCount> mixerFxBypassButtons{};
    std::array<myLabel*, 2 * (kVoiceCount + kFxSlotCount)> mixerLabels{};
    OverlayControls overlay;
    // The effects, modulation and Easy pages: their controls, the selected slot's destination texts, the
    // modulators and matrix slot shown, and which pitch faders the Easy page shows (0 semitones, 1 octaves).
    static constexpr int kFxDestinationNameCount = 60;
    static constexpr std::size_t kFxDestinationNameSize = 100;
    EffectsPageControls effectsPage;
    char fxDestinationNames[kFxDestinationNameCount][kFxDestinationNameSize] = {};
    ModulationPageControls modulationPage;
    std::int32_t selectedEnv = 0;
    std::int32_t selectedLfo = 0;
    std::int32_t selectedModSlot = 0;
    EasyPageControls easyPage;
    std::int32_t easySynthPitchMode = 0;
    std::int32_t easySamplePitchMode = 0;
    char hoverText[128] = {};
    // The "Key" setting: the host's arrow keys step programs.
    std::uint8_t arrowKeysStepPrograms = 0;

    // The sample page: its controls, and the layer it edits (0 A, 1 B), which outlives the window.
    SamplePageControls samplePage;
    std::int32_t editedLayer = 0;
    // The plug-in object loaded a drum preset into a sample slot: the browser lists its layer again.
    void refreshSampleBrowser() override;

    // The thread the editor was opened on, and the parameters changed elsewhere since the last idle.
    std::thread::id editorThread;
    std::array<std::atomic<bool>, kParameterCount> changedElsewhere{};
    std::atomic<bool> anyChangedElsewhere{false};

private:
    void makeModSourceMenuOn(std::int32_t imageId, std::int32_t tag, std::int32_t x, std::int32_t y, myOptionMenu*& menu,
                             myOptionMenu*& freeSequences, myOptionMenu*& smoothSequences);
    myOptionMenu* newMainMenu(std::int32_t tag, const Toolkit::CRect& size, Toolkit::CBitmap* image);
    myOptionMenu* addSubMenu(myOptionMenu* menu, std::int32_t tag, const char* title);
    void buildModelMenu(myOptionMenu*& menu, std::int32_t tag, std::int32_t x, std::int32_t y,
                        std::span<const char* const> titles, std::span<myOptionMenu*> groups,
                        std::span<const std::int32_t> groupSizes, std::span<const std::string_view> names, float divisor);
    bool isBuilt() const { return frame != nullptr && effect != nullptr; }
    void appendToRegistry(Toolkit::CControl* control, std::uint8_t menuFlag);
    void clearRegistry();
    void showParameter(std::int32_t index);
    // Parameter changes made off the editor's thread (a learned controller on the audio thread) are only
    // marked there; the idle shows them.
    void showParametersFromOtherThreads();
    void setUpEffectDefaults();
    void loadBitmaps();
    void releaseBitmaps();
    void makeContainers();
    void releaseContainers();

protected:
    // The page builders open calls in turn, while the plug-in takes the editor for closed; each page
    // fills its own.
    virtual void buildMainPage();
    virtual void buildVoiceSelector();
    virtual void buildBassDrumPage();
    virtual void buildSnarePage();
    virtual void buildClosedHatPage();
    virtual void buildOpenHatPage();
    virtual void buildTomPage();
    virtual void buildClapPage();
    virtual void buildUserPage();
    virtual void buildSamplePage();
    virtual void buildEffectsPage();
    virtual void buildModulationPage();
    virtual void buildMixerPage();
    virtual void buildEasyPage();
    virtual void buildPatternPage();

    // The pages' parts of the parameter paths; each page fills its own.
    void refreshBassDrumPage();
    void refreshSnarePage();
    void refreshClosedHatPage();
    void refreshOpenHatPage();
    void refreshClapPage();
    void refreshTomPage();
    void refreshUserPage();
    void refreshSamplePage();
    void refreshEffectsPage();
    void refreshModulationPage();
    void refreshPatternPage();
    void fillProgramMenu();
    void refreshVoiceMenus();
    void refreshPresetAndKitNames();
    void pagesSetParameter(std::int32_t index, float value);
    void voiceMenusSetParameter(std::int32_t index, float value);
    void bassDrumPageSetParameter(std::int32_t index, float value);
    void snarePageSetParameter(std::int32_t index, float value);
    void closedHatPageSetParameter(std::int32_t index, float value);
    void openHatPageSetParameter(std::int32_t index, float value);
    void tomPageSetParameter(std::int32_t index, float value);
    void clapPageSetParameter(std::int32_t index, float value);
    void userPageSetParameter(std::int32_t index, float value);
    // The pages' parts of valueChanged: true when the page took the control as its own.
    bool bassDrumPageValueChanged(Toolkit::CControl* control);
    bool snarePageValueChanged(Toolkit::CControl* control);
    bool closedHatPageValueChanged(Toolkit::CControl* control);
    bool openHatPageValueChanged(Toolkit::CControl* control);
    bool tomPageValueChanged(Toolkit::CControl* control);
    bool clapPageValueChanged(Toolkit::CControl* control);
    bool userPageValueChanged(Toolkit::CControl* control);
    bool samplePageValueChanged(Toolkit::CControl* control);
    bool selectVoice(Toolkit::CDrawContext* context, Toolkit::CControl* control);
    bool modulationPageValueChanged(Toolkit::CDrawContext* context, Toolkit::CControl* control);
    bool patternPageValueChanged(Toolkit::CControl* control);
    bool effectsPageValueChanged(Toolkit::CDrawContext* context, Toolkit::CControl* control);
    bool easyPageValueChanged(Toolkit::CDrawContext* context, Toolkit::CControl* control);
    // The effects and modulation pages' menu texts for a changed parameter.
    void effectsPageSetParameter(std::int32_t tag, float value);
    void modulationPageSetParameter(std::int32_t tag, float value);
    // The slot's effect type 0..26; a value read beyond the types is "None".
    int fxTypeOfSlot(int slot);
    void changeFxType(int slot, std::int32_t item);
    std::array<ModulationMenu, ModulationPageControls::kShownMenuCount> shownModulationMenus();
    void layoutFxSlot();
    void updateFxDestinationMenus();
    void showSamplePage();
    void showMixerPage();
    void showEasyPage();
    void showModulationPage();
    void showVoiceSelector();
    void showPatternPage();
    void updateBassDrumPage();
    void updateSnarePage();
    void updateClosedHatPage();
    void updateOpenHatPage();
    void updateClapPage();
    void updateTomPage();
    void updateUserPage();
    void updateVoiceLeds();
    void updatePatternStepDisplay();
    void refreshPatternBrowser();
    // A per-voice menu the user chose from sends its entry; false for any other control.
    bool voiceMenuValueChanged(Toolkit::CControl* control);

private:
    // The main page's parts, in the order it builds them.
    void buildGlobalStrip();
    void buildEasyBypassSwitches();
    void buildTomUserChoice();
    void buildDrumPresetMenus();
    void buildCommonSectionCaptions();
    void buildCommonSections();
    void buildMixerStrips();
    void buildArtwork();

    // The idle's parts.
    Toolkit::CView* hoveredView();
    void showCompareState();
    void updateInfoLine(Toolkit::CView* hovered);
    void showInfo(const std::string& title, const std::string& text, const std::string& key);
    void showPageTabs(bool withEffectSlots);
    // Shows the voice's page: page mode 0, pages switched, controls refreshed.
    void showVoice(std::int32_t voice);

    // valueChanged's commands, each acting only on its own controls.
    void chooseFxSlot(Toolkit::CControl* control);
    void switchDynamicPages(Toolkit::CControl* control);
    void choosePage(Toolkit::CControl* control);
    void runGlobalCommand(Toolkit::CControl* control);
    void openHelpFile();
    void stepPresetOfSelectedVoice(Toolkit::CControl* control);
    void chooseTomOrUser(Toolkit::CControl* control);
    bool voicePagesValueChanged(Toolkit::CControl* control);
    void runOverlayCommand(Toolkit::CControl* control);
    void chooseProgramFromMenu(Toolkit::CControl* control);
    // True when the control was the selected voice's preset menu or one of its groups.
    bool chooseFromDrumPresetMenu(Toolkit::CControl* control);
    using PresetGroups = std::array<myOptionMenu*, MainPageControls::kPresetGroupCount>;
    void fillDrumPresetMenu(myOptionMenu* menu, PresetGroups& groups, const char* titleFormat);
    void runPresetCommand(std::int32_t entry);
    void loadPresetNamed(const std::string& name);
    // The last listed preset of the selected voice with the name, -1 for none.
    std::int32_t listedPresetIndex(const std::string& name);
    std::string askPresetName(const char* title);
    void saveCurrentPreset();
    void renameCurrentPreset();
    void deleteCurrentPreset();

    // What the pages do at open and close besides building; each page fills its own.
    void resetPatternStepDisplay();
    void switchPage();
    void buildOverlay();
    void forgetMainPageControls();
    void forgetBassDrumPage();
    void forgetSnarePage();
    void forgetClosedHatPage();
    void forgetOpenHatPage();
    void forgetTomPage();
    void forgetClapPage();
    void forgetUserPage();
    void releaseVoiceSelector();
    void releaseEffectsPage();
    void releaseModulationPage();
    void forgetPatternPage();
    void releaseMixerPage();
    void releaseEasyPage();
    void forgetSamplePage();
    void deleteBassDrumPage();
    void deleteSnarePage();
    void deleteClosedHatPage();
    void deleteOpenHatPage();
    void deleteTomPage();
    void deleteClapPage();
    void deleteUserPage();
    void deleteVoiceSelector();
    void deleteEffectsPage();
    void deleteModulationPage();
    void deletePatternPage();
    void deleteMixerPage();
    void deleteEasyPage();
    void deleteSamplePage();
    void forgetOverlayControls();
    void deleteOverlayControls();

    // The sample page's own parts.
    void buildSampleLayerControls(std::int32_t slot, std::int32_t layer);
    void samplePageSetParameter(std::int32_t index, float value);
    std::int32_t selectedSampleSlot() const;
    bool runLoopButton(Toolkit::CControl* control);
};

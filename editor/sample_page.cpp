// The sample page: the controls of one sample slot and of the layer it edits, the slot's loop buttons and
// the file browser of that layer. Every slot and layer has its controls made once at open; showing the
// page puts the selected slot's into the container. With combine on, both layers sound through layer A's
// tuning, envelopes, filter and stereo, so the page shows those whichever layer is edited.

#include "editor/ueditor.h"

#include "editor/control_release.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_button.h"
#include "editor/controls/sample_file_display.h"
#include "editor/caption.h"
#include "editor/entry_texts.h"
#include "editor/voice_menu_names.h"
#include "engine/voices/pad_table.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "plugin/parameters/voice_order.h"
#include "toolkit/kick_button.h"
#include "toolkit/view_container.h"

#include <array>
#include <span>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace {

namespace param = kravo::param;
namespace display = kravo::param::display;
namespace sound = kravo::param::soundblock;
namespace play = kravo::param::playblock;
using param::SampleLayer;
using param::SampleLayerLayout;
using Controls = SamplePageControls;

constexpr std::int32_t kPageImage = 10201;
constexpr float kPlayModeDivisor = 9.99f;
constexpr float kFilterTypeDivisor = 6.99f;
constexpr float kTwoWayDivisor = 1.99f;

using editor::Caption;
using editor::CaptionAlign;

constexpr std::array<Caption, Controls::kCaptionCount> kCaptions = {{
    {"Play Mode", 219, 13, 70, CaptionAlign::left},   {"Combine", 511, 63, 50, CaptionAlign::left},
    {"mix", 219, 61, 50, CaptionAlign::centred},      {"split", 266, 61, 50, CaptionAlign::centred},
    {"spread", 313, 61, 50, CaptionAlign::centred},   {"LFO Mode", 517, 6, 70, CaptionAlign::left},
    {"LFO Sync", 670, 6, 70, CaptionAlign::left},     {"Filter", 388, 6, 70, CaptionAlign::left},
    {"Loop", 253, 143, 40, CaptionAlign::left},       {"Sample", 293, 143, 50, CaptionAlign::left},
    {"Reversed", 290, 151, 50, CaptionAlign::left},   {"sample", 219, 109, 50, CaptionAlign::centred},
    {"offset", 219, 117, 50, CaptionAlign::centred},  {"sample", 266, 109, 50, CaptionAlign::centred},
    {"retrig", 266, 117, 50, CaptionAlign::centred},  {"retrig", 313, 109, 50, CaptionAlign::centred},
    {"time", 313, 117, 50, CaptionAlign::centred},    {"semi", 381, 157, 50, CaptionAlign::centred},
    {"fine", 428, 157, 50, CaptionAlign::centred},    {"vel", 475, 157, 50, CaptionAlign::centred},
    {"rnd", 522, 157, 50, CaptionAlign::centred},     {"env", 381, 205, 50, CaptionAlign::centred},
    {"attack", 428, 205, 50, CaptionAlign::centred},  {"hold", 475, 205, 50, CaptionAlign::centred},
    {"decay", 522, 205, 50, CaptionAlign::centred},   {"freq", 582, 61, 50, CaptionAlign::centred},
    {"q", 629, 61, 50, CaptionAlign::centred},        {"vel>freq", 676, 61, 50, CaptionAlign::centred},
    {"lfo", 723, 61, 50, CaptionAlign::centred},      {"speed", 770, 61, 50, CaptionAlign::centred},
    {"env", 582, 109, 50, CaptionAlign::centred},     {"attack", 629, 109, 50, CaptionAlign::centred},
    {"hold", 676, 109, 50, CaptionAlign::centred},    {"decay", 723, 109, 50, CaptionAlign::centred},
    {"vol", 582, 157, 50, CaptionAlign::centred},     {"attack", 629, 157, 50, CaptionAlign::centred},
    {"hold", 676, 157, 50, CaptionAlign::centred},    {"decay", 723, 157, 50, CaptionAlign::centred},
    {"start", 582, 205, 50, CaptionAlign::centred},   {"end", 629, 205, 50, CaptionAlign::centred},
    {"time", 676, 205, 50, CaptionAlign::centred},    {"Edit Sample A", 388, 48, 80, CaptionAlign::left},
    {"Edit Sample B", 388, 80, 80, CaptionAlign::left}, {"Loop Start", 219, 172, 70, CaptionAlign::left},
    {"Loop End", 230, 195, 70, CaptionAlign::left},
}};

using LayerTag = std::int32_t (*)(SampleLayer layer, std::int32_t slot);

template <int J> std::int32_t soundTag(SampleLayer layer, std::int32_t slot)
{
    return param::soundBlockIndex(layer, J, slot);
}

template <int J> std::int32_t playTag(SampleLayer layer, std::int32_t slot)
{
    return param::playBlockIndex(layer, J, slot);
}

template <int SampleLayerLayout::*Field> std::int32_t layoutTag(SampleLayer layer, std::int32_t slot)
{
    return param::sampleLayerLayouts[static_cast<std::size_t>(layer)].*Field + slot;
}

enum class KnobKind { plain, bipolar };

struct LayerKnob {
    LayerTag tag;
    std::int32_t x;
    std::int32_t y;
    KnobKind kind;
};

constexpr std::array<LayerKnob, Controls::kSampleKnobCount> kSampleKnobs = {{
    {&playTag<play::kOffset>, 225, 80, KnobKind::plain},
    {&playTag<play::kRetriggers>, 272, 80, KnobKind::plain},
    {&playTag<play::kRetriggerTime>, 319, 80, KnobKind::plain},
}};

constexpr std::array<LayerKnob, Controls::kSoundKnobCount> kSoundKnobs = {{
    {&soundTag<sound::kTuning>, 387, 128, KnobKind::plain},
    {&soundTag<sound::kFineTuning>, 434, 128, KnobKind::plain},
    {&playTag<play::kVelToPitch>, 481, 128, KnobKind::bipolar},
    {&playTag<play::kRandomToPitch>, 528, 128, KnobKind::plain},
    {&soundTag<sound::kPitchEnv>, 387, 176, KnobKind::bipolar},
    {&soundTag<sound::kPitchEnvAttack>, 434, 176, KnobKind::plain},
    {&soundTag<sound::kPitchEnvHold>, 481, 176, KnobKind::plain},
    {&soundTag<sound::kPitchEnvDecay>, 528, 176, KnobKind::plain},
    {&soundTag<sound::kFilterFreq>, 588, 32, KnobKind::plain},
    {&soundTag<sound::kFilterQ>, 635, 32, KnobKind::plain},
    {&playTag<play::kFilterVelToFreq>, 682, 32, KnobKind::bipolar},
    {&layoutTag<&SampleLayerLayout::filterLfoAmount>, 729, 32, KnobKind::plain},
    {&layoutTag<&SampleLayerLayout::filterLfoSpeed>, 776, 32, KnobKind::plain},
    {&soundTag<sound::kFilterEnv>, 588, 80, KnobKind::bipolar},
    {&soundTag<sound::kFilterEnvAttack>, 635, 80, KnobKind::plain},
    {&soundTag<sound::kFilterEnvHold>, 682, 80, KnobKind::plain},
    {&soundTag<sound::kFilterEnvDecay>, 729, 80, KnobKind::plain},
    {&layoutTag<&SampleLayerLayout::volume>, 588, 128, KnobKind::plain},
    {&soundTag<sound::kAmpAttack>, 635, 128, KnobKind::plain},
    {&soundTag<sound::kAmpHold>, 682, 128, KnobKind::plain},
    {&soundTag<sound::kAmpDecay>, 729, 128, KnobKind::plain},
    {&playTag<play::kStereoStart>, 588, 176, KnobKind::bipolar},
    {&playTag<play::kStereoEnd>, 635, 176, KnobKind::bipolar},
    {&playTag<play::kStereoTime>, 682, 176, KnobKind::plain},
}};

enum class LoopPoint { start, end };
enum class LoopMove { snap, nudge };

struct LoopButton {
    std::int32_t image;
    std::int32_t x;
    std::int32_t y;
    LoopPoint point;
    LoopMove move;
    float direction;
};

constexpr std::array<LoopButton, Controls::kLoopButtonCount> kLoopButtons = {{
    {10180, 293, 173, LoopPoint::start, LoopMove::snap, -1.0f},
    {10181, 302, 173, LoopPoint::start, LoopMove::snap, 1.0f},
    {10182, 321, 173, LoopPoint::start, LoopMove::nudge, -1.0f},
    {10183, 338, 173, LoopPoint::start, LoopMove::nudge, 1.0f},
    {10180, 293, 198, LoopPoint::end, LoopMove::snap, -1.0f},
    {10181, 302, 198, LoopPoint::end, LoopMove::snap, 1.0f},
    {10182, 321, 198, LoopPoint::end, LoopMove::nudge, -1.0f},
    {10183, 338, 198, LoopPoint::end, LoopMove::nudge, 1.0f},
}};

constexpr std::int32_t kLayerButtonX = 469;
constexpr std::array<std::int32_t, Controls::kLayerCount> kLayerButtonY = {43, 75};
constexpr Toolkit::CRect kBrowserPlace{11, 11, 209, 217};

// A menu's entries as the factories take them.

void makeCaption(uEditor& editor, myLabel*& label, const Caption& caption)
{
    label = editor::makeCaption(editor, caption);
}

std::size_t pairOf(std::int32_t slot, std::int32_t layer)
{
    return static_cast<std::size_t>(2 * slot + layer);
}

} // namespace

std::int32_t uEditor::selectedSampleSlot() const
{
    const bool sampleVoice = selectedVoice >= param::kFirstSampleSlot && selectedVoice < kVoiceCount;
    return sampleVoice ? selectedVoice - param::kFirstSampleSlot : -1;
}

void uEditor::buildSamplePage()
{
    Controls& page = samplePage;
    for (std::size_t n = 0; n < kCaptions.size(); ++n)
        makeCaption(*this, page.captions[n], kCaptions[n]);
    for (std::size_t layer = 0; layer < page.layerButtons.size(); ++layer)
        makeRadioButton(page.layerButtons[layer], kCommandTag, kLayerButtonX, kLayerButtonY[layer]);
    for (std::int32_t pair = 0; pair < Controls::kPairCount; ++pair) {
        const auto& layout = param::sampleLayerLayouts[static_cast<std::size_t>(pair % 2)];
        const std::int32_t slot = pair / 2;
        for (std::size_t n = 0; n < kLoopButtons.size(); ++n) {
            const LoopButton& button = kLoopButtons[n];
            const std::int32_t first = button.point == LoopPoint::start ? layout.loopStartName : layout.loopEndName;
            const std::int32_t tag = first + slot;
            makeKickButton(page.loopButtons[static_cast<std::size_t>(pair)][n], tag, button.x, button.y, button.image);
        }
    }
    // The mixer strip's captions stand beside the sample voice's strip.
    for (std::size_t n = 0; n < kMixerStripCaptions.size(); ++n) {
        Caption caption = kMixerStripCaptions[n];
        caption.x += kSampleStripShift;
        makeCaption(*this, page.mixerCaptions[n], caption);
    }

    const editor::EntryTexts playModes(display::kSampleLayerModeNames);
    const editor::EntryTexts lfoModes(editor::kFilterLfoModeNames);
    const editor::EntryTexts lfoSyncs(editor::kFilterLfoSyncNames);
    for (std::int32_t s = 0; s < Controls::kSlotCount; ++s) {
        const auto n = static_cast<std::size_t>(s);
        Controls::Slot& slot = page.slots[n];
        makeStandardOptionMenu(slot.playMode, param::sampleSlotLayerMode[n], 288, 9, playModes.count(),
                               playModes.entries(), kPlayModeDivisor);
        makeOnOffButton(slot.combine, param::sampleSlotCombine[n], 490, 58, kPlainSwitch);
        makeKnobAlt(slot.mix, param::sampleSlotMix[n], 225, 32);
        makeKnob(slot.velocitySplit, param::sampleSlotVelocitySplit[n], 272, 32);
        makeKnob(slot.spread, param::sampleSlotSpread[n], 319, 32);
        makeStandardOptionMenu(slot.lfoMode, param::sampleSlotLfoMode[n], 576, 2, lfoModes.count(), lfoModes.entries(),
                               kTwoWayDivisor);
        makeStandardOptionMenu(slot.lfoSync, param::sampleSlotLfoSync[n], 727, 2, lfoSyncs.count(), lfoSyncs.entries(),
                               kTwoWayDivisor);
        buildSampleLayerControls(s, param::kLayerA);
        buildSampleLayerControls(s, param::kLayerB);
    }
    page.browser = new TSampleFileDisplay(kBrowserPlace);
}

void uEditor::buildSampleLayerControls(std::int32_t slot, std::int32_t layer)
{
    const auto sampleLayer = static_cast<SampleLayer>(layer);
    const auto& layout = param::sampleLayerLayouts[static_cast<std::size_t>(layer)];
    Controls::Layer& controls = samplePage.layers[pairOf(slot, layer)];
    const editor::EntryTexts filterTypes(display::kVoiceFilterTypeNames);
    makeStandardOptionMenu(controls.filterType, soundTag<sound::kFilterType>(sampleLayer, slot), 427, 2,
                           filterTypes.count(), filterTypes.entries(), kFilterTypeDivisor);
    makeOnOffButton(controls.loop, layout.loop + slot, 257, 125, kPlainSwitch);
    makeOnOffButton(controls.reverse, layout.reverse + slot, 298, 125, kPlainSwitch);
    const auto makeLayerKnob = [&](myKnob*& knob, const LayerKnob& place) {
        if (place.kind == KnobKind::bipolar)
            makeKnobAlt(knob, place.tag(sampleLayer, slot), place.x, place.y);
        else
            makeKnob(knob, place.tag(sampleLayer, slot), place.x, place.y);
    };
    for (std::size_t n = 0; n < kSampleKnobs.size(); ++n)
        makeLayerKnob(controls.sampleKnobs[n], kSampleKnobs[n]);
    for (std::size_t n = 0; n < kSoundKnobs.size(); ++n)
        makeLayerKnob(controls.soundKnobs[n], kSoundKnobs[n]);
}

void uEditor::showSamplePage()
{
    const std::int32_t s = selectedSampleSlot();
    if (s < 0 || sampleContainer == nullptr)
        return;
    Controls& page = samplePage;
    sampleContainer->removeAll(false);
    sampleContainer->setBackground(image(kPageImage));
    buildSampleDrumPresetMenu();
    const auto add = [this](auto*... views) {
        for (Toolkit::CView* view : {static_cast<Toolkit::CView*>(views)...})
            if (view != nullptr)
                sampleContainer->addView(view);
    };

    const auto v = static_cast<std::size_t>(selectedVoice);
    const Controls::Slot& slot = page.slots[static_cast<std::size_t>(s)];
    const MainPageControls::MixerStrip& strip = mainPage.mixerStrips[v];
    add(mainPage.easyBypassSwitches[v]);
    for (myLabel* caption : mainPage.sampleBypassCaptions)
        add(caption);
    for (myLabel* caption : page.captions)
        add(caption);
    for (myLabel* caption : page.mixerCaptions)
        add(caption);
    for (std::size_t layer = 0; layer < page.layerButtons.size(); ++layer)
        if (myRadioButton* button = page.layerButtons[layer]) {
            add(button);
            button->setValue(static_cast<std::int32_t>(layer) == editedLayer ? 1.0f : 0.0f);
        }
    add(slot.combine);
    add(strip.volume, strip.velocityToVolume, strip.pan, strip.distortionFirst, strip.distortionSecond,
        chokeGroupMenus[v], outputMenus[v], distortionMenus[v]);
    for (Toolkit::CKickButton* button : page.loopButtons[pairOf(s, editedLayer)])
        add(button);
    add(slot.mix, slot.velocitySplit, slot.spread, slot.lfoMode, slot.lfoSync, slot.playMode);

    const Controls::Layer& edited = page.layers[pairOf(s, editedLayer)];
    for (myKnob* knob : edited.sampleKnobs)
        add(knob);
    add(edited.loop);
    add(edited.reverse);

    const bool combined = plugin()->getParameter(param::sampleSlotCombine[static_cast<std::size_t>(s)]) > 0.5f;
    const Controls::Layer& sounding = page.layers[pairOf(s, combined ? param::kLayerA : editedLayer)];
    for (myKnob* knob : sounding.soundKnobs)
        add(knob);
    add(sounding.filterType);

    plugin()->listSampleFolder(s, editedLayer);
    if (page.browser != nullptr) {
        page.browser->setSource(s, editedLayer);
        add(page.browser);
        page.browser->setDirty(true);
    }
    refreshSamplePage();
}

bool uEditor::samplePageValueChanged(Toolkit::CControl* control)
{
    const std::int32_t s = selectedSampleSlot();
    if (s < 0)
        return false;
    Controls& page = samplePage;
    const Controls::Slot& slot = page.slots[static_cast<std::size_t>(s)];
    const Controls::Layer& a = page.layers[pairOf(s, param::kLayerA)];
    const Controls::Layer& b = page.layers[pairOf(s, param::kLayerB)];
    for (myOptionMenu* menu : {slot.playMode, a.filterType, b.filterType, slot.lfoMode, slot.lfoSync})
        if (menu != nullptr && control == menu) {
            const std::int32_t tag = control->getTag();
            const auto item = static_cast<std::int32_t>(control->getValue());
            controlToParameter(tag, item, menuDivisor[static_cast<std::size_t>(tag)]);
            return true;
        }
    if (slot.combine != nullptr && control == slot.combine) {
        plugin()->setParameterAutomated(control->getTag(), control->getValue());
        showSamplePage();
        return true;
    }
    for (std::size_t layer = 0; layer < page.layerButtons.size(); ++layer)
        if (page.layerButtons[layer] != nullptr && control == page.layerButtons[layer]) {
            editedLayer = static_cast<std::int32_t>(layer);
            showSamplePage();
            return true;
        }
    return runLoopButton(control);
}

bool uEditor::runLoopButton(Toolkit::CControl* control)
{
    for (std::int32_t pair = 0; pair < Controls::kPairCount; ++pair) {
        const auto& buttons = samplePage.loopButtons[static_cast<std::size_t>(pair)];
        for (std::size_t n = 0; n < buttons.size(); ++n) {
            if (buttons[n] == nullptr || control != buttons[n])
                continue;
            // The release reaches the generic path, which sends it to the button's own tag.
            if (control->getValue() <= 0.5f)
                return false;
            const LoopButton& button = kLoopButtons[n];
            const std::int32_t slot = pair / 2;
            const std::int32_t layer = pair % 2;
            if (button.point == LoopPoint::start && button.move == LoopMove::nudge)
                plugin()->nudgeLoopStart(slot, layer, button.direction);
            else if (button.point == LoopPoint::start)
                plugin()->snapLoopStart(slot, layer, button.direction);
            else if (button.move == LoopMove::nudge)
                plugin()->nudgeLoopEnd(slot, layer, button.direction);
            else
                plugin()->snapLoopEnd(slot, layer, button.direction);
            return true;
        }
    }
    return false;
}

void uEditor::samplePageSetParameter(std::int32_t index, float value)
{
    const std::int32_t s = selectedSampleSlot();
    if (s < 0)
        return;
    Controls::Slot& slot = samplePage.slots[static_cast<std::size_t>(s)];
    const std::pair<myOptionMenu*&, std::span<const std::string_view>> menus[] = {
        {slot.playMode, display::kSampleLayerModeNames},
        {samplePage.layers[pairOf(s, 0)].filterType, display::kVoiceFilterTypeNames},
        {samplePage.layers[pairOf(s, 1)].filterType, display::kVoiceFilterTypeNames},
        {slot.lfoMode, editor::kFilterLfoModeNames},
        {slot.lfoSync, editor::kFilterLfoSyncNames},
    };
    for (const auto& [menu, names] : menus)
        if (menu != nullptr && menu->getTag() == index)
            setControlFromParameter(menu, value, names);
}

void uEditor::refreshSamplePage()
{
    const std::int32_t s = selectedSampleSlot();
    if (s < 0)
        return;
    const Controls::Slot& slot = samplePage.slots[static_cast<std::size_t>(s)];
    for (Toolkit::CControl* menu : std::initializer_list<Toolkit::CControl*>{
             samplePage.layers[pairOf(s, 0)].filterType, samplePage.layers[pairOf(s, 1)].filterType, slot.playMode,
             slot.lfoMode, slot.lfoSync})
        menuFromParameter(menu);
    if (samplePage.browser != nullptr) {
        plugin()->listSampleFolder(s, editedLayer);
        samplePage.browser->setDirty(true);
    }
}

void uEditor::refreshSampleBrowser()
{
    if (!isBuilt() || selectedVoice < 0 || selectedVoice >= kVoiceCount)
        return;
    const std::int32_t s = voices::kIndexInKindOfPad[static_cast<std::size_t>(selectedVoice)];
    plugin()->listSampleFolder(s, editedLayer);
    if (samplePage.browser != nullptr) {
        samplePage.browser->setSource(s, editedLayer);
        samplePage.browser->setDirty(true);
    }
}

void uEditor::forgetSamplePage()
{
    samplePage.forEach([](auto*& control) { editor::release(control); });
}

void uEditor::deleteSamplePage()
{
    samplePage.forEach([](auto*& control) {
        delete control;
        control = nullptr;
    });
}

// The main page's part of every voice: the common section of each synthesised voice (tuning, amplitude
// envelope, sample retrigger, filter with its envelope and LFO, stereo) with its captions, and the mixer
// strip of every voice. Parameters come from the plug-in's per-voice index tables.

#include "editor/ueditor.h"

#include "editor/controls/my_bitmap.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/entry_texts.h"
#include "editor/caption.h"
#include "editor/voice_menu_names.h"
#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/synth_layer_parameters.h"
#include "plugin/parameters/voice_order.h"
#include "toolkit/view_container.h"

#include <array>
#include <string>
#include <string_view>

namespace {

namespace param = kravo::param;
namespace display = kravo::param::display;
namespace layer = kravo::param::synthlayer;

constexpr std::int32_t kSampleStripLeft = kSynthStripLeft + kSampleStripShift;

enum class KnobKind { plain, bipolar };

struct CommonKnob {
    layer::Parameter parameter;
    std::int32_t x;
    std::int32_t y;
    KnobKind kind;
};

constexpr std::array<CommonKnob, MainPageControls::kCommonKnobCount> kCommonKnobs = {{
    {layer::kSemi, 79, 33, KnobKind::bipolar},
    {layer::kFine, 126, 33, KnobKind::bipolar},
    {layer::kVelToFreq, 173, 33, KnobKind::bipolar},
    {layer::kRndToFreq, 220, 33, KnobKind::plain},
    {layer::kAmpAttack, 79, 81, KnobKind::plain},
    {layer::kAmpHold, 126, 81, KnobKind::plain},
    {layer::kAmpDecay, 173, 81, KnobKind::plain},
    {layer::kSampleOffset, 79, 129, KnobKind::plain},
    {layer::kSampleRetriggers, 126, 129, KnobKind::plain},
    {layer::kSampleRetriggerTime, 173, 129, KnobKind::plain},
    {layer::kFilterFreq, 280, 33, KnobKind::plain},
    {layer::kFilterQ, 327, 33, KnobKind::plain},
    {layer::kFilterVelToFreq, 374, 33, KnobKind::bipolar},
    {layer::kFilterLfoAmount, 421, 33, KnobKind::plain},
    {layer::kFilterLfoSpeed, 468, 33, KnobKind::plain},
    {layer::kFilterEnvAmount, 280, 81, KnobKind::bipolar},
    {layer::kFilterEnvAttack, 327, 81, KnobKind::plain},
    {layer::kFilterEnvHold, 374, 81, KnobKind::plain},
    {layer::kFilterEnvDecay, 421, 81, KnobKind::plain},
    {layer::kStereoStart, 280, 129, KnobKind::bipolar},
    {layer::kStereoEnd, 327, 129, KnobKind::bipolar},
    {layer::kStereoTime, 374, 129, KnobKind::plain},
}};

constexpr std::array<CommonKnob, MainPageControls::kCompactKnobCount> kCompactColumn = {{
    {layer::kSemi, 12, 33, KnobKind::plain},
    {layer::kAmpHold, 12, 81, KnobKind::plain},
    {layer::kAmpDecay, 12, 129, KnobKind::plain},
    {layer::kFilterFreq, 12, 177, KnobKind::plain},
}};

using editor::Caption;
using editor::CaptionAlign;

constexpr std::array<Caption, MainPageControls::kCommonCaptionCount> kCommonCaptions = {{
    {"semi", 73, 62, 50, CaptionAlign::centred},      {"fine", 120, 62, 50, CaptionAlign::centred},
    {"vel", 162, 62, 60, CaptionAlign::centred},      {"rnd", 214, 62, 50, CaptionAlign::centred},
    {"att", 73, 110, 50, CaptionAlign::centred},      {"hold", 120, 110, 50, CaptionAlign::centred},
    {"decay", 167, 110, 50, CaptionAlign::centred},   {"freq", 274, 62, 50, CaptionAlign::centred},
    {"q", 321, 62, 50, CaptionAlign::centred},        {"vel>freq", 368, 62, 50, CaptionAlign::centred},
    {"LFO", 415, 62, 50, CaptionAlign::centred},      {"speed", 462, 62, 50, CaptionAlign::centred},
    {"env", 274, 110, 50, CaptionAlign::centred},     {"att", 321, 110, 50, CaptionAlign::centred},
    {"hold", 368, 110, 50, CaptionAlign::centred},    {"decay", 415, 110, 50, CaptionAlign::centred},
    {"sample", 73, 158, 50, CaptionAlign::centred},   {"offset", 73, 166, 50, CaptionAlign::centred},
    {"sample", 120, 158, 50, CaptionAlign::centred},  {"retrig", 120, 166, 50, CaptionAlign::centred},
    {"retrig", 167, 158, 50, CaptionAlign::centred},  {"time", 167, 166, 50, CaptionAlign::centred},
    {"sample", 214, 158, 50, CaptionAlign::centred},  {"reverse", 214, 166, 50, CaptionAlign::centred},
    {"semi", 5, 62, 50, CaptionAlign::centred},       {"hold", 5, 110, 50, CaptionAlign::centred},
    {"decay", 5, 158, 50, CaptionAlign::centred},     {"filter", 5, 206, 50, CaptionAlign::centred},
    {"start", 274, 158, 50, CaptionAlign::centred},   {"end", 321, 158, 50, CaptionAlign::centred},
    {"time", 368, 158, 50, CaptionAlign::centred},    {"model", 35, 7, 70, CaptionAlign::right},
    {"filter", 198, 7, 40, CaptionAlign::right},      {"lfo mode", 318, 7, 55, CaptionAlign::right},
    {"lfo sync", 454, 7, 50, CaptionAlign::right},
}};

void makeCaption(uEditor& editor, myLabel*& label, const Caption& caption)
{
    label = editor::makeCaption(editor, caption);
    editor.mainPage.keep(label);
}

} // namespace

void uEditor::buildCommonSectionCaptions()
{
    for (std::size_t n = 0; n < kCommonCaptions.size(); ++n)
        makeCaption(*this, mainPage.commonCaptions[n], kCommonCaptions[n]);
}

void uEditor::buildCommonSections()
{
    const editor::EntryTexts filterTypes(display::kVoiceFilterTypeNames);
    const editor::EntryTexts lfoModes(editor::kFilterLfoModeNames);
    const editor::EntryTexts lfoSyncs(editor::kFilterLfoSyncNames);
    for (int voice = 0; voice < kSynthVoiceCount; ++voice) {
        const auto v = static_cast<std::size_t>(voice);
        const auto tagOf = [v](layer::Parameter parameter) { return param::synthLayer[parameter][v]; };
        makeStandardOptionMenu(filterTypeMenus[v], tagOf(layer::kFilterType), 238, 3, filterTypes.count(),
                               filterTypes.entries(), 6.99f);
        makeStandardOptionMenu(filterLfoModeMenus[v], tagOf(layer::kFilterLfoMode), 373, 3, lfoModes.count(),
                               lfoModes.entries(), 1.99f);
        makeStandardOptionMenu(filterLfoSyncMenus[v], tagOf(layer::kFilterLfoTempoSync), 504, 3, lfoSyncs.count(),
                               lfoSyncs.entries(), 1.99f);
        for (myOptionMenu* menu : {filterTypeMenus[v], filterLfoModeMenus[v], filterLfoSyncMenus[v]})
            mainPage.keep(menu);
        MainPageControls::CommonSection& section = mainPage.commonSections[v];
        for (std::size_t k = 0; k < kCommonKnobs.size(); ++k) {
            const CommonKnob& knob = kCommonKnobs[k];
            if (knob.kind == KnobKind::bipolar)
                makeKnobAlt(section.knobs[k], tagOf(knob.parameter), knob.x, knob.y);
            else
                makeKnob(section.knobs[k], tagOf(knob.parameter), knob.x, knob.y);
            mainPage.keep(section.knobs[k]);
        }
        makeOnOffButton(section.sampleReverse, tagOf(layer::kSampleReverse), 225, 136, kPlainSwitch);
        mainPage.keep(section.sampleReverse);
        for (std::size_t k = 0; k < kCompactColumn.size(); ++k) {
            makeKnob(section.compactColumn[k], tagOf(kCompactColumn[k].parameter), kCompactColumn[k].x,
                     kCompactColumn[k].y);
            mainPage.keep(section.compactColumn[k]);
        }
    }
}

void uEditor::buildMixerStrips()
{
    for (std::size_t n = 0; n < kMixerStripCaptions.size(); ++n)
        makeCaption(*this, mainPage.mixerCaptions[n], kMixerStripCaptions[n]);
    const editor::EntryTexts outputs(display::kOutputNames);
    const editor::EntryTexts chokeGroups(display::kChokeGroupNames);
    const editor::EntryTexts distortions(display::kDistortionTypeNames);
    for (int voice = 0; voice < kVoiceCount; ++voice) {
        const auto v = static_cast<std::size_t>(voice);
        const std::int32_t x0 = voice < param::kFirstSampleSlot ? kSynthStripLeft : kSampleStripLeft;
        MainPageControls::MixerStrip& strip = mainPage.mixerStrips[v];
        makeStandardOptionMenu(outputMenus[v], param::voiceOutput[v], x0, 17, outputs.count(), outputs.entries(),
                               24.99f);
        makeStandardOptionMenu(chokeGroupMenus[v], param::voiceChokeGroup[v], x0, 44, chokeGroups.count(),
                               chokeGroups.entries(), 9.99f);
        makeKnob(strip.volume, param::voiceVolume[v], x0 - 5, 62);
        makeKnob(strip.velocityToVolume, param::voiceVelocityToVolume[v], x0 + 38, 62);
        makeKnobAlt(strip.pan, param::voicePan[v], x0 + 17, 103);
        makeStandardOptionMenu(distortionMenus[v], param::voiceDistortionType[v], x0, 154, distortions.count(),
                               distortions.entries(), 49.99f);
        makeKnob(strip.distortionFirst, param::voiceDistortionFirst[v], x0 - 8, 177);
        makeKnob(strip.distortionSecond, param::voiceDistortionSecond[v], x0 + 40, 177);
        for (Toolkit::CView* control : std::initializer_list<Toolkit::CView*>{
                 outputMenus[v], chokeGroupMenus[v], strip.volume, strip.velocityToVolume, strip.pan,
                 distortionMenus[v], strip.distortionFirst, strip.distortionSecond})
            mainPage.keep(control);
    }
}

namespace {

// The section panels and connector cells that frame a voice's common section: the first five panels,
// and the cells of the first grid (row × 10 + column) that join knobs 47 px apart within one section.
constexpr std::size_t kSampleLayerPanels = 5;
constexpr std::array<std::size_t, 16> kSampleLayerConnectors = {0, 1, 2, 4, 5, 6, 7, 10, 11, 14, 15, 16, 20, 21, 24, 25};

} // namespace

void uEditor::showSampleLayerControls(std::int32_t voice)
{
    if (synthVoiceContainer == nullptr || voice < 0 || voice >= kSynthVoiceCount)
        return;
    const auto v = static_cast<std::size_t>(voice);
    const auto add = [this](Toolkit::CView* view) {
        if (view != nullptr)
            synthVoiceContainer->addView(view);
    };
    for (std::size_t n = 0; n < kSampleLayerPanels; ++n)
        add(mainPage.sectionPanels[n]);
    for (const std::size_t cell : kSampleLayerConnectors)
        add(mainPage.cellGrids[0][cell]);
    for (myLabel* caption : mainPage.commonCaptions)
        add(caption);
    add(filterTypeMenus[v]);
    add(filterLfoModeMenus[v]);
    add(filterLfoSyncMenus[v]);
    const MainPageControls::CommonSection& section = mainPage.commonSections[v];
    for (myKnob* knob : section.knobs)
        add(knob);
    add(section.sampleReverse);
    for (myKnob* knob : section.compactColumn)
        add(knob);
}

void uEditor::showCommonStrip(std::int32_t voice)
{
    if (synthVoiceContainer == nullptr || voice < 0 || voice >= kVoiceCount)
        return;
    const auto v = static_cast<std::size_t>(voice);
    const MainPageControls::MixerStrip& strip = mainPage.mixerStrips[v];
    for (myLabel* caption : mainPage.mixerCaptions)
        if (caption != nullptr)
            synthVoiceContainer->addView(caption);
    for (Toolkit::CView* control : std::initializer_list<Toolkit::CView*>{
             outputMenus[v], chokeGroupMenus[v], strip.volume, strip.velocityToVolume, strip.pan, distortionMenus[v],
             strip.distortionFirst, strip.distortionSecond})
        if (control != nullptr)
            synthVoiceContainer->addView(control);
}

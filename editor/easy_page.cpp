// The Easy page: faders for the macro parameters that move all drum voices at once, the master effects'
// mixes and bypasses. Each pitch has a semitone and an octave fader in one place, of which a pair of
// radio buttons shows one; a button under every fader puts its parameter back to the middle.

#include "editor/easy_page.h"

#include "editor/control_release.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_radio_button.h"
#include "editor/controls/my_v_slider.h"
#include "editor/ueditor.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/mixer_parameters.h"
#include "toolkit/frame.h"
#include "toolkit/kick_button.h"
#include "toolkit/view_container.h"

namespace {

using editor::release;
namespace param = kravo::param;

constexpr std::int32_t kEasyImage = 10151;
constexpr std::int32_t kCentreButtonImage = 10065;
constexpr std::int32_t kBypassImage = 10057;
constexpr std::int32_t kLabelFont = 1;
constexpr std::int32_t kFaderTop = 12;
constexpr std::int32_t kCentreButtonTop = 102;
constexpr float kMiddle = 0.5f;
// The pitch faders: synth semitones and octaves, then sample semitones and octaves.
constexpr int kFirstSamplePitchFader = 2;
constexpr int kFirstFixedFader = 4;

struct Fader {
    std::int32_t parameter;
    std::int32_t x;
    std::int32_t format;
    std::int32_t centreX;
};

constexpr std::array<Fader, EasyPageControls::kFaderCount> kFaders = {{
    {param::kEasySynthSemi, 64, 1, 50},
    {param::kEasySynthOctave, 64, 2, 50},
    {param::kEasySampleSemi, 160, 1, 145},
    {param::kEasySampleOctave, 160, 2, 145},
    {param::kEasySynthDecaySpeed, 213, 3, 198},
    {param::kEasySampleDecaySpeed, 266, 3, 252},
    {param::kEasyFilterFreq, 342, 0, 328},
    {param::kEasyFilterQ, 395, 0, 381},
    {param::kEasyPitchEnvSpeed, 448, 3, 434},
    {param::kEasyLfoAmount, 501, 0, 487},
    {param::kEasyLfoSpeed, 554, 3, 539},
    {param::effectSlotMix[0], 651, 4, 636},
    {param::effectSlotMix[1], 721, 4, 706},
    {param::effectSlotMix[2], 789, 4, 774},
    {param::effectSlotMix[3], 861, 4, 846},
}};

constexpr std::array<Toolkit::CPoint, EasyPageControls::kPitchModeButtonCount> kPitchModeButtons = {
    {{40, 26}, {40, 44}, {135, 26}, {135, 44}}};
constexpr std::array<Toolkit::CPoint, EasyPageControls::kBypassCount> kBypassButtons = {
    {{623, 27}, {692, 27}, {761, 27}, {833, 27}}};

// The page's labels use the second bitmap font (kLabelFont), not the first of the editor's captions.
struct LabelPlace {
    const char* text;
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    bool centred;
};

constexpr std::int32_t kCaptionTop = 196;
constexpr std::int32_t kCaptionSecondTop = 204;

constexpr std::array<LabelPlace, EasyPageControls::kLabelCount> kLabels = {{
    {"semi", 14, 31, 30, false},   {"oct", 14, 49, 30, false},    {"semi", 109, 31, 30, false},
    {"oct", 109, 49, 30, false},   {"synth", 54, kCaptionTop, 60, true},  {"pitch", 54, kCaptionSecondTop, 60, true},
    {"sample", 150, kCaptionTop, 60, true}, {"pitch", 150, kCaptionSecondTop, 60, true},
    {"synth", 203, kCaptionTop, 60, true},  {"decay", 203, kCaptionSecondTop, 60, true},
    {"sample", 256, kCaptionTop, 65, true}, {"decay", 256, kCaptionSecondTop, 65, true},
    {"filter", 332, kCaptionTop, 60, true}, {"freq", 332, kCaptionSecondTop, 60, true},
    {"filter", 385, kCaptionTop, 60, true}, {"Q", 385, kCaptionSecondTop, 60, true},
    {"pitch", 439, kCaptionTop, 60, true},  {"env", 439, kCaptionSecondTop, 60, true},
    {"lfo", 491, kCaptionTop, 60, true},    {"amount", 491, kCaptionSecondTop, 60, true},
    {"lfo", 544, kCaptionTop, 60, true},    {"speed", 544, kCaptionSecondTop, 60, true},
    {"mix", 646, kCaptionTop, 50, true},    {"mix", 716, kCaptionTop, 50, true},
    {"mix", 786, kCaptionTop, 50, true},    {"mix", 856, kCaptionTop, 50, true},
    {"fx1", 623, 45, 40, false},   {"fx2", 691, 45, 40, false},   {"fx3", 760, 45, 40, false},
    {"fx4", 832, 45, 40, false},   {"by", 627, 53, 20, true},     {"by", 696, 53, 20, true},
    {"by", 765, 53, 20, true},     {"by", 837, 53, 20, true},
}};

} // namespace

void EasyPageControls::forgetAll()
{
    release(faders);
    release(centreButtons);
    release(pitchModeButtons);
    release(bypassButtons);
    release(labels);
}

void uEditor::buildEasyPage()
{
    EasyPageControls& page = easyPage;
    for (std::size_t k = 0; k < kFaders.size(); ++k) {
        makeVSlider(page.faders[k], kFaders[k].parameter, kFaders[k].x, kFaderTop, kFaders[k].format);
        makeCommandKickButton(page.centreButtons[k], kFaders[k].centreX, kCentreButtonTop, kCentreButtonImage);
        page.centreParameters[k] = kFaders[k].parameter;
    }
    for (std::size_t n = 0; n < kPitchModeButtons.size(); ++n)
        makeRadioButton(page.pitchModeButtons[n], kCommandTag, kPitchModeButtons[n].h, kPitchModeButtons[n].v);
    for (std::size_t n = 0; n < kBypassButtons.size(); ++n)
        makeOnOffButtonWithImage(page.bypassButtons[n], param::effectBypass[n], kBypassButtons[n].h,
                                 kBypassButtons[n].v, kBypassImage);
    for (std::size_t n = 0; n < kLabels.size(); ++n) {
        const LabelPlace& label = kLabels[n];
        if (label.centred)
            makeLabelCentred(page.labels[n], label.x, label.y, label.width, label.text, kLabelFont);
        else
            makeLabelLeft(page.labels[n], label.x, label.y, label.width, label.text, kLabelFont);
    }
}

void uEditor::showEasyPage()
{
    if (easyContainer == nullptr || frame == nullptr)
        return;
    EasyPageControls& page = easyPage;
    easyContainer->removeAll(false);
    if (!frame->isChild(easyContainer))
        frame->addView(easyContainer);
    easyContainer->setBackground(image(kEasyImage));
    const auto add = [this](Toolkit::CView* view) {
        if (view != nullptr)
            easyContainer->addView(view);
    };
    for (myRadioButton* button : page.pitchModeButtons)
        if (button != nullptr) {
            button->setValue(0.0f);
            add(button);
        }
    const int synthPitch = easySynthPitchMode != 0 ? 1 : 0;
    const int samplePitch = kFirstSamplePitchFader + (easySamplePitchMode != 0 ? 1 : 0);
    for (const int k : {synthPitch, samplePitch}) {
        const auto n = static_cast<std::size_t>(k);
        if (page.pitchModeButtons[n] != nullptr)
            page.pitchModeButtons[n]->setValue(1.0f);
        add(page.faders[n]);
        add(page.centreButtons[n]);
    }
    for (std::size_t k = kFirstFixedFader; k < kFaders.size(); ++k) {
        add(page.centreButtons[k]);
        add(page.faders[k]);
    }
    for (myLabel* label : page.labels)
        add(label);
    for (myOnOff* button : page.bypassButtons)
        add(button);
    easyContainer->setDirty(true);
}

bool uEditor::easyPageValueChanged(Toolkit::CDrawContext*, Toolkit::CControl* control)
{
    EasyPageControls& page = easyPage;
    for (std::size_t n = 0; n < page.pitchModeButtons.size(); ++n)
        if (page.pitchModeButtons[n] != nullptr && control == page.pitchModeButtons[n]) {
            const std::int32_t mode = static_cast<std::int32_t>(n % 2);
            (n < kFirstSamplePitchFader ? easySynthPitchMode : easySamplePitchMode) = mode;
            showEasyPage();
        }
    for (std::size_t k = 0; k < page.centreButtons.size(); ++k)
        if (page.centreButtons[k] != nullptr && control == page.centreButtons[k] && control->getValue() > kMiddle)
            plugin()->setParameter(page.centreParameters[k], kMiddle);
    return false;
}

void uEditor::releaseEasyPage()
{
    easyPage.forgetAll();
}

void uEditor::deleteEasyPage()
{
    easyPage.forgetAll();
}

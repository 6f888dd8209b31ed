// The mixer page: volume and pan of all 24 voices, and mix, pan and bypass of the four master effect
// slots. Every control carries its parameter as tag, so the generic parameter paths serve it.

#include "editor/ueditor.h"

#include "editor/caption.h"
#include "editor/control_release.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "toolkit/frame.h"
#include "toolkit/view_container.h"

namespace {

using editor::kCaptionFont;
using editor::release;

constexpr std::int32_t kMixerImage = 10150;
constexpr std::int32_t kVoicesPerColumn = 4;

struct Anchor {
    std::int32_t x;
    std::int32_t y;
};

Anchor voiceAnchor(std::int32_t voice)
{
    return {67 + 114 * (voice / kVoicesPerColumn), 46 + 54 * (voice % kVoicesPerColumn)};
}

Anchor fxSlotAnchor(std::int32_t slot)
{
    return {753 + 105 * (slot % 2), 71 + 61 * (slot / 2)};
}

constexpr Anchor kBypassPlaces[] = {{833, 14}, {876, 14}, {833, 33}, {876, 33}};

} // namespace

void uEditor::buildMixerPage()
{
    namespace param = kravo::param;
    std::size_t label = 0;
    for (std::int32_t voice = 0; voice < kVoiceCount; ++voice) {
        const auto n = static_cast<std::size_t>(voice);
        const Anchor at = voiceAnchor(voice);
        makeKnob(mixerVolumeKnobs[n], param::voiceVolume[n], at.x - 43, at.y - 29);
        makeKnob(mixerPanKnobs[n], param::voicePan[n], at.x, at.y - 29);
        makeLabelLeft(mixerLabels[label++], at.x - 47, at.y, 45, "Volume", kCaptionFont);
        makeLabelLeft(mixerLabels[label++], at.x + 6, at.y, 30, "Pan", kCaptionFont);
    }
    for (std::int32_t slot = 0; slot < kFxSlotCount; ++slot) {
        const auto n = static_cast<std::size_t>(slot);
        const Anchor at = fxSlotAnchor(slot);
        makeKnob(mixerFxMixKnobs[n], param::effectSlotMix[n], at.x - 43, at.y);
        makeKnob(mixerFxPanKnobs[n], param::effectSlotPan[n], at.x, at.y);
        makeLabelLeft(mixerLabels[label++], at.x - 36, at.y + 29, 30, "Mix", kCaptionFont);
        makeLabelLeft(mixerLabels[label++], at.x + 6, at.y + 29, 30, "Pan", kCaptionFont);
    }
    for (std::size_t n = 0; n < mixerFxBypassButtons.size(); ++n)
        makeOnOffButton(mixerFxBypassButtons[n], param::effectBypass[n], kBypassPlaces[n].x, kBypassPlaces[n].y,
                        kSecondSwitch);
}

void uEditor::showMixerPage()
{
    if (mixerContainer == nullptr)
        return;
    mixerContainer->removeAll(false);
    frame->addView(mixerContainer);
    mixerContainer->setBackground(image(kMixerImage));
    const auto add = [this](Toolkit::CView* view) {
        if (view != nullptr)
            mixerContainer->addView(view);
    };
    for (std::size_t n = 0; n < mixerVolumeKnobs.size(); ++n) {
        add(mixerVolumeKnobs[n]);
        add(mixerPanKnobs[n]);
    }
    for (std::size_t n = 0; n < mixerFxMixKnobs.size(); ++n) {
        add(mixerFxPanKnobs[n]);
        add(mixerFxMixKnobs[n]);
        add(mixerFxBypassButtons[n]);
    }
    for (myLabel* label : mixerLabels)
        add(label);
    refreshAll();
}

void uEditor::releaseMixerPage()
{
    release(mixerVolumeKnobs);
    release(mixerPanKnobs);
    release(mixerFxMixKnobs);
    release(mixerFxPanKnobs);
    release(mixerFxBypassButtons);
    release(mixerLabels);
}

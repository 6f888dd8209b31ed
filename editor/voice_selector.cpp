// The voice selector: 24 pads that audition their voices and light while they sound, each with a small
// select button that shows the voice's page.

#include "editor/ueditor.h"

#include "editor/control_release.h"
#include "editor/controls/my_pad.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/image_places.h"
#include "toolkit/view_container.h"

namespace {

constexpr std::int32_t kPadTag = 9996;
constexpr std::int32_t kFirstPadImage = 10210;
constexpr std::int32_t kSelectButtonImage = 10013;
constexpr std::int32_t kSelectorImage = 10206;
constexpr std::int32_t kPadsPerColumn = 8;
constexpr std::int32_t kColumnWidth = 64;
constexpr std::int32_t kRowHeight = 25;
constexpr std::int32_t kNoPad = 32;
constexpr std::int32_t kFirstPatternPad = 24;

} // namespace

void uEditor::buildVoiceSelector()
{
    for (std::int32_t pad = 0; pad < kVoiceCount; ++pad) {
        const auto n = static_cast<std::size_t>(pad);
        const std::int32_t left = pad / kPadsPerColumn * kColumnWidth;
        const std::int32_t top = pad % kPadsPerColumn * kRowHeight;
        Toolkit::CBitmap* picture = image(kFirstPadImage + pad);
        Toolkit::CRect size = editor::placedFrom(picture, left, top);
        size.bottom = top + editor::heightOf(picture) / 2;
        voicePads[n] = new myPad(size, this, kPadTag, picture, Toolkit::CPoint(0, 0));
        registerControl(voicePads[n]);
        makeRadioBitmapButton(voiceSelectButtons[n], kSelectButtonImage, left + 49, top + 10);
    }
}

void uEditor::showVoiceSelector()
{
    if (voiceSelectorContainer == nullptr)
        return;
    voiceSelectorContainer->removeAll(false);
    voiceSelectorContainer->setBackground(image(kSelectorImage));
    for (std::size_t n = 0; n < voicePads.size(); ++n) {
        if (voicePads[n] != nullptr)
            voiceSelectorContainer->addView(voicePads[n]);
        if (voiceSelectButtons[n] != nullptr) {
            voiceSelectorContainer->addView(voiceSelectButtons[n]);
            voiceSelectButtons[n]->setValue(0.0f);
        }
    }
    if (selectedVoice >= 0 && selectedVoice < kVoiceCount && voiceSelectButtons[static_cast<std::size_t>(selectedVoice)])
        voiceSelectButtons[static_cast<std::size_t>(selectedVoice)]->setValue(1.0f);
}

void uEditor::setVoiceLed(std::int32_t pad, bool on)
{
    if (pad < 0 || pad >= kNoPad)
        return;
    voiceLedState[static_cast<std::size_t>(pad)].store(on ? 1 : 0, std::memory_order_relaxed);
    voiceLedsDirty.store(1, std::memory_order_release);
}

void uEditor::updateVoiceLeds()
{
    for (std::int32_t n = 0; n < kPadCount; ++n) {
        Toolkit::CControl* light = n < kFirstPatternPad ? static_cast<Toolkit::CControl*>(voicePads[static_cast<std::size_t>(n)])
                                                        : patternPads[static_cast<std::size_t>(n - kFirstPatternPad)];
        if (light != nullptr)
            light->setValue(voiceLedState[static_cast<std::size_t>(n)].load(std::memory_order_relaxed) == 1 ? 1.0f : 0.0f);
    }
}

bool uEditor::selectVoice(Toolkit::CDrawContext* context, Toolkit::CControl* control)
{
    (void)context;
    for (std::int32_t voice = 0; voice < kVoiceCount; ++voice) {
        const auto n = static_cast<std::size_t>(voice);
        if (voiceSelectButtons[n] != nullptr && control == voiceSelectButtons[n]) {
            for (myRadioBitmapButton* button : voiceSelectButtons)
                if (button != nullptr)
                    button->setValue(0.0f);
            showVoice(voice);
            return true;
        }
        if (voicePads[n] != nullptr && control == voicePads[n]) {
            padTriggerVoice = voice;
            if (control->getValue() > 0.5f) {
                padTriggerPending = 1;
                if (dynamicSelect != 0 && (voice != selectedVoice || pageMode != 0))
                    showVoice(voice);
            } else {
                padReleasePending = 1;
            }
            return false;
        }
    }
    return false;
}

void uEditor::showVoice(std::int32_t voice)
{
    selectedVoice = voice;
    pageMode = 0;
    switchPage();
    refreshAll();
}

void uEditor::releaseVoiceSelector()
{
    editor::release(voicePads);
    editor::release(voiceSelectButtons);
}

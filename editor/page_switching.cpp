// Which containers and controls the frame holds for the selected voice and page mode. The pages keep
// their own references to their views: views leave the frame and the containers without being released.

#include "editor/ueditor.h"

#include "editor/controls/my_knob.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_text_button.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/voice_order.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/frame.h"
#include "toolkit/kick_button.h"
#include "toolkit/view_container.h"

#include <cstring>

namespace {

constexpr std::int32_t kFrameImage = 10000;
constexpr std::int32_t kModulationImage = 10008;
constexpr std::int32_t kTabsWithFxSlots = 10152;
constexpr std::int32_t kPlainTabs = 10153;
constexpr std::int32_t kSampleImage = 10201;
using kravo::param::kFirstSampleSlot;
using kravo::param::kFirstTomUserSlot;
constexpr std::int32_t kSamplePageMode = 5;

void addTo(Toolkit::CViewContainer* container, std::initializer_list<Toolkit::CView*> views)
{
    for (Toolkit::CView* view : views)
        if (view != nullptr)
            container->addView(view);
}

} // namespace

void uEditor::rebuildFrame()
{
    if (frame == nullptr)
        return;
    frame->removeAll(false);
    frame->setBackground(image(kFrameImage));
    switchPage();
    refreshAll();
    frame->setDirty(true);
}

void uEditor::switchPage()
{
    if (frame == nullptr)
        return;
    MainPageControls& page = mainPage;
    frame->removeAll(false);
    addTo(frame, {voiceSelectorContainer, patternContainer, pageTabContainer, page.dynamicPagesSwitch});

    char dynamic[kravo::kTextSettingCapacity + 1] = {};
    kravo::readRegString("Dynamic", dynamic);
    dynamicSelect = std::strcmp(dynamic, "N") == 0 ? 0 : 1;
    if (page.dynamicPagesSwitch != nullptr)
        page.dynamicPagesSwitch->setValue(dynamicSelect);

    addTo(frame, {page.infoTitle, page.infoText, page.kitNameMenu, page.programDownButton, page.programUpButton,
                  page.compareEditedButton, page.compareOriginalButton, page.midiMapMenu, page.helpButton,
                  page.logoButton, page.programMenu, page.smallButtons[0], page.smallButtons[1], page.masterVolume});

    const std::int32_t mode = pageMode == 0 && selectedVoice >= kFirstSampleSlot ? kSamplePageMode : pageMode;
    bool effectSlots = false;
    switch (mode) {
    case 0:
        addTo(frame, {synthVoiceContainer, effectsContainer, page.synthPresetMenu, page.synthPresetStepButtons[0],
                      page.synthPresetStepButtons[1]});
        effectSlots = true;
        break;
    case 1: showMixerPage(); break;
    case 2: showEasyPage(); break;
    case 3:
        addTo(frame, {modulationContainer, effectsContainer});
        if (modulationContainer != nullptr)
            modulationContainer->setBackground(image(kModulationImage));
        showModulationPage();
        effectSlots = true;
        break;
    case kSamplePageMode:
        if (sampleContainer != nullptr) {
            frame->addView(sampleContainer);
            sampleContainer->setBackground(image(kSampleImage));
        }
        addTo(frame, {page.samplePresetMenu, page.samplePresetStepButtons[0], page.samplePresetStepButtons[1]});
        showSamplePage();
        break;
    default: break;
    }
    showPageTabs(effectSlots);
    showVoiceSelector();
    showPatternPage();
}

void uEditor::showPageTabs(bool withEffectSlots)
{
    if (pageTabContainer == nullptr)
        return;
    MainPageControls& page = mainPage;
    pageTabContainer->removeAll(false);
    pageTabContainer->setBackground(image(withEffectSlots ? kTabsWithFxSlots : kPlainTabs));
    if (withEffectSlots) {
        for (myRadioBitmapButton* button : page.fxSlotButtons)
            if (button != nullptr) {
                pageTabContainer->addView(button);
                button->setValue(0.0f);
            }
        if (selectedFxSlot >= 0 && selectedFxSlot < MainPageControls::kFxSlotCount &&
            page.fxSlotButtons[static_cast<std::size_t>(selectedFxSlot)] != nullptr)
            page.fxSlotButtons[static_cast<std::size_t>(selectedFxSlot)]->setValue(1.0f);
    }
    for (myRadioBitmapButton* button : page.pageButtons)
        if (button != nullptr) {
            pageTabContainer->addView(button);
            button->setValue(0.0f);
        }
    if (pageMode >= 0 && pageMode < MainPageControls::kPageButtonCount &&
        page.pageButtons[static_cast<std::size_t>(pageMode)] != nullptr)
        page.pageButtons[static_cast<std::size_t>(pageMode)]->setValue(1.0f);
    if (page.noPanelPageButton != nullptr)
        pageTabContainer->addView(page.noPanelPageButton);
}

void uEditor::updateVoicePage()
{
    if (synthVoiceContainer == nullptr)
        return;
    synthVoiceContainer->removeAll(false);
    buildDrumPresetMenu();
    switch (selectedVoice) {
    case 0:
    case 1: updateBassDrumPage(); break;
    case 2:
    case 3: updateSnarePage(); break;
    case 4:
    case 6: updateClosedHatPage(); break;
    case 5:
    case 7: updateOpenHatPage(); break;
    case 8:
    case 9: updateClapPage(); break;
    case 10:
    case 11:
    case 12:
        if (plugin()->getParameter(
                kravo::param::tomUserSwitch[static_cast<std::size_t>(selectedVoice - kFirstTomUserSlot)]) < 0.5f)
            updateTomPage();
        else
            updateUserPage();
        break;
    case 13:
    case 14:
    case 15: updateUserPage(); break;
    default: break;
    }
}

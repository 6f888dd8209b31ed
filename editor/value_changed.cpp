// What a control the user changed does: the editor's commands, recognised by the control itself, then
// the pages' own parts, then the generic path that sends the control's value to its parameter.

#include "editor/ueditor.h"

#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "platform/shell/shell_execute.h"
#include "platform/windows_paths.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/voice_order.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/kick_button.h"

#include <cstdio>

namespace {

constexpr std::int32_t kFirstUnsentTag = 9000;
using kravo::param::kFirstSampleSlot;
using kravo::param::kFirstTomUserSlot;
constexpr std::int32_t kNoPanelPage = 4;

bool pressed(Toolkit::CControl* control) { return control->getValue() > 0.5f; }

template <typename Button, std::size_t N>
int indexOf(const std::array<Button*, N>& buttons, const Toolkit::CControl* control)
{
    for (std::size_t i = 0; i < N; ++i)
        if (buttons[i] != nullptr && static_cast<const Toolkit::CControl*>(buttons[i]) == control)
            return static_cast<int>(i);
    return -1;
}

template <std::size_t N> void clearAll(const std::array<myRadioBitmapButton*, N>& buttons)
{
    for (myRadioBitmapButton* button : buttons)
        if (button != nullptr)
            button->setValue(0.0f);
}

// Only one button of the group shows as chosen.
template <std::size_t N> void chooseOnly(const std::array<myRadioBitmapButton*, N>& buttons, std::size_t chosen)
{
    clearAll(buttons);
    buttons[chosen]->setValue(1.0f);
}

} // namespace

void uEditor::valueChanged(Toolkit::CDrawContext* context, Toolkit::CControl* control)
{
    if (!isBuilt() || control == nullptr)
        return;
    chooseFxSlot(control);
    switchDynamicPages(control);
    choosePage(control);
    runOverlayCommand(control);
    runGlobalCommand(control);
    chooseProgramFromMenu(control);
    if (chooseFromDrumPresetMenu(control))
        return;
    stepPresetOfSelectedVoice(control);
    if (const int step = indexOf(mainPage.modelStepButtons, control); step >= 0 && pressed(control)) {
        stepModel(step == 0 ? -1 : 1);
        return;
    }
    if (voicePagesValueChanged(control))
        return;
    voiceMenuValueChanged(control);
    chooseTomOrUser(control);
    selectVoice(context, control);
    if (modulationPageValueChanged(context, control) || patternPageValueChanged(control) ||
        effectsPageValueChanged(context, control) || easyPageValueChanged(context, control))
        return;
    const std::int32_t tag = control->getTag();
    if (tag >= 0 && tag < kFirstUnsentTag && menuDivisor[static_cast<std::size_t>(tag)] == -1.0f)
        plugin()->setParameterAutomated(tag, control->getValue());
}

void uEditor::chooseFxSlot(Toolkit::CControl* control)
{
    const int slot = indexOf(mainPage.fxSlotButtons, control);
    if (slot < 0)
        return;
    chooseOnly(mainPage.fxSlotButtons, static_cast<std::size_t>(slot));
    selectedFxSlot = slot;
    layoutFxSlot();
}

void uEditor::switchDynamicPages(Toolkit::CControl* control)
{
    if (mainPage.dynamicPagesSwitch == nullptr || control != mainPage.dynamicPagesSwitch)
        return;
    const bool on = control->getValue() >= 0.5f;
    dynamicSelect = on ? 1 : 0;
    kravo::writeRegString("Dynamic", on ? "Y" : "N");
}

void uEditor::choosePage(Toolkit::CControl* control)
{
    if (const int page = indexOf(mainPage.pageButtons, control); page >= 0) {
        chooseOnly(mainPage.pageButtons, static_cast<std::size_t>(page));
        pageMode = page;
        rebuildFrame();
    } else if (mainPage.noPanelPageButton != nullptr && control == mainPage.noPanelPageButton && pressed(control)) {
        clearAll(mainPage.pageButtons);
        pageMode = kNoPanelPage;
        rebuildFrame();
    }
}

void uEditor::runGlobalCommand(Toolkit::CControl* control)
{
    const MainPageControls& page = mainPage;
    if (!pressed(control) && control != page.midiMapMenu)
        return;
    if (control == page.compareEditedButton)
        plugin()->compareShowEdited(plugin()->getProgram());
    else if (control == page.compareOriginalButton)
        plugin()->compareShowOriginal(plugin()->getProgram());
    else if (control == page.helpButton)
        openHelpFile();
    else if (control == page.midiMapMenu)
        plugin()->handleEcsCommand(static_cast<std::int32_t>(control->getValue()));
    else if (control == page.programDownButton)
        stepPresetThrottled(-1);
    else if (control == page.programUpButton)
        stepPresetThrottled(1);
}

void uEditor::openHelpFile()
{
    const char* helpFile = plugin()->getFolderSettings().helpFile;
    FILE* file = platform::openFile(helpFile, "rb");
    if (file == nullptr)
        return;
    std::fclose(file);
    ShellExecuteA(nullptr, "open", helpFile, nullptr, nullptr, SW_SHOWNORMAL);
}

void uEditor::stepPresetOfSelectedVoice(Toolkit::CControl* control)
{
    const auto& buttons = selectedVoice < kFirstSampleSlot ? mainPage.synthPresetStepButtons
                                                            : mainPage.samplePresetStepButtons;
    if (const int step = indexOf(buttons, control); step >= 0 && pressed(control))
        stepDrumPreset(selectedVoice, step == 0 ? -1 : 1);
}

void uEditor::chooseTomOrUser(Toolkit::CControl* control)
{
    int slot = indexOf(mainPage.tomButtons, control);
    float choice = 0.0f;
    if (slot < 0) {
        slot = indexOf(mainPage.userButtons, control);
        choice = 1.0f;
    }
    if (slot < 0)
        return;
    plugin()->setParameter(kravo::param::tomUserSwitch[static_cast<std::size_t>(slot)], choice);
    plugin()->loadFactorySample(kFirstTomUserSlot + slot);
    updateVoicePage();
}

bool uEditor::voicePagesValueChanged(Toolkit::CControl* control)
{
    return bassDrumPageValueChanged(control) || snarePageValueChanged(control) ||
           closedHatPageValueChanged(control) || openHatPageValueChanged(control) || tomPageValueChanged(control) ||
           clapPageValueChanged(control) || userPageValueChanged(control) || samplePageValueChanged(control);
}

// Parameter values from the plug-in object to the controls: a refresh, a changed parameter.

#include "editor/ueditor.h"

#include "plugin/aplugin.h"
#include "plugin/parameters/voice_order.h"
#include "toolkit/control.h"

#include <algorithm>

namespace {

using kravo::param::kFirstSampleSlot;

} // namespace

void uEditor::refreshAll()
{
    if (!isBuilt() || refreshBusy != 0)
        return;
    refreshBusy = 1;
    if (selectedVoice <= 1)
        refreshBassDrumPage();
    else if (selectedVoice <= 3)
        refreshSnarePage();
    else if (selectedVoice == 4 || selectedVoice == 6)
        refreshClosedHatPage();
    else if (selectedVoice == 5 || selectedVoice == 7)
        refreshOpenHatPage();
    else if (selectedVoice <= 9)
        refreshClapPage();
    else if (selectedVoice <= 12)
        refreshTomPage();
    else if (selectedVoice <= 15)
        refreshUserPage();
    else
        refreshSamplePage();
    if (pageMode == 0 && selectedVoice < kFirstSampleSlot) {
        voicePagePending = 1;
        fxLayoutPending = 1;
    }
    if (pageMode == 3)
        fxLayoutPending = 1;
    refreshEffectsPage();
    refreshModulationPage();
    refreshPatternPage();
    fillProgramMenu();
    refreshVoiceMenus();
    refreshPresetAndKitNames();
    for (std::int32_t entry = 0; entry < registryCount; ++entry) {
        Toolkit::CControl* control = controlRegistry[static_cast<std::size_t>(entry)];
        if (control != nullptr && control->getTag() < kFirstUnreadTag && registryFlags[static_cast<std::size_t>(entry)] == 0)
            control->setValue(plugin()->getParameter(control->getTag()));
    }
    refreshBusy = 0;
}

void uEditor::setParameter(std::int32_t index, float value)
{
    (void)value; // the stored value is shown, whatever was passed
    if (index < 0 || index >= kParameterCount || !isBuilt() || plugin()->editorOpening.load())
        return;
    if (std::this_thread::get_id() != editorThread) {
        changedElsewhere[static_cast<std::size_t>(index)].store(true, std::memory_order_relaxed);
        anyChangedElsewhere.store(true, std::memory_order_release);
        return;
    }
    showParameter(index);
}

void uEditor::showParameter(std::int32_t index)
{
    const float value = std::clamp(plugin()->getParameter(index), 0.0f, 1.0f);
    pagesSetParameter(index, value);
    voiceMenusSetParameter(index, value);
    for (std::int32_t entry = firstWithTag[static_cast<std::size_t>(index)]; entry >= 0;
         entry = nextWithTag[static_cast<std::size_t>(entry)])
        if (registryFlags[static_cast<std::size_t>(entry)] == 0)
            controlRegistry[static_cast<std::size_t>(entry)]->setValue(plugin()->getParameter(index));
}

void uEditor::showParametersFromOtherThreads()
{
    if (!isBuilt() || !anyChangedElsewhere.exchange(false, std::memory_order_acquire))
        return;
    for (std::int32_t index = 0; index < kParameterCount; ++index)
        if (changedElsewhere[static_cast<std::size_t>(index)].exchange(false, std::memory_order_relaxed))
            showParameter(index);
}

void uEditor::selectProgram(std::int32_t program)
{
    plugin()->setProgram(program);
    if (refreshBusy == 0)
        refreshAll();
    plugin()->callUpdateDisplay();
}

// The editor's idle: the work the plug-in object and the controls asked for since the last one, done on
// the user-interface thread, and the info line naming what the mouse is over.

#include "editor/ueditor.h"

#include "platform/clock.h"
#include "plugin/aplugin.h"
#include "toolkit/frame.h"
#include "toolkit/kick_button.h"
#include "toolkit/view_container.h"

namespace {

constexpr std::int32_t kCompareLoadedImage = 10046;
constexpr std::int32_t kCompareEditedImage = 10047;

} // namespace

void uEditor::idle()
{
    showParametersFromOtherThreads();
    if (refreshBusy != 0 || frame == nullptr)
        return;
    idleTime = GetTickCount();
    PluginGUIEditor::idle();
    Toolkit::CView* hovered = hoveredView();

    if (plugin()->takeEditorRefreshFlag())
        refreshAll();
    if (plugin()->takePatternViewRefreshFlag())
        refreshPatternBrowser();
    // Each flag is cleared after its work: the layout ends with a refresh that asks for one more
    // layout, and this pass answers it.
    if (voicePagePending != 0) {
        updateVoicePage();
        voicePagePending = 0;
    }
    if (fxLayoutPending != 0) {
        layoutFxSlot();
        updateFxDestinationMenus();
        fxLayoutPending = 0;
    }
    if (voiceLedsDirty.exchange(0) != 0)
        updateVoiceLeds();
    if (padTriggerPending != 0 && padTriggerVoice != -1)
        plugin()->triggerPadFromEditor(padTriggerVoice);
    padTriggerPending = 0;
    if (padReleasePending != 0 && padTriggerVoice != -1)
        plugin()->releaseSlotByPad(padTriggerVoice);
    padTriggerVoice = -1;
    padReleasePending = 0;
    updatePatternStepDisplay();
    showCompareState();
    updateInfoLine(hovered);
}

// The control being edited, so that the line follows a drag that leaves it; else the view under the
// mouse, looked for inside a page container.
Toolkit::CView* uEditor::hoveredView()
{
    if (editedControl != nullptr)
        return editedControl;
    Toolkit::CView* view = frame->getCurrentView();
    for (Toolkit::CViewContainer* container :
         {synthVoiceContainer, voiceSelectorContainer, effectsContainer, modulationContainer, mixerContainer,
          easyContainer, sampleContainer, pageTabContainer, patternContainer})
        if (container != nullptr && view == container)
            return container->getCurrentView();
    return view;
}

void uEditor::showCompareState()
{
    const std::uint8_t state = plugin()->isCompareShowingEdited() ? 1 : 0;
    Toolkit::CKickButton* button = mainPage.compareEditedButton;
    if (state == compareShown || button == nullptr)
        return;
    button->setBackground(image(state != 0 ? kCompareEditedImage : kCompareLoadedImage));
    button->setDirty(true);
    compareShown = state;
}

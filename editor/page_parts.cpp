// The editor's parts that belong to no one page: its answer to a click with a modifier, the parameter
// part that asks every page in turn, and the delete parts of the pages whose release part leaves nothing
// to delete.

#include "editor/ueditor.h"

std::int32_t uEditor::controlModifierClicked(Toolkit::CDrawContext* context, Toolkit::CControl* control,
                                             std::int32_t buttons)
{
    (void)context;
    (void)control;
    (void)buttons;
    return 0;
}

// In the order the pages are asked; the other pages show no parameter in a menu text.
void uEditor::pagesSetParameter(std::int32_t index, float value)
{
    bassDrumPageSetParameter(index, value);
    snarePageSetParameter(index, value);
    closedHatPageSetParameter(index, value);
    openHatPageSetParameter(index, value);
    tomPageSetParameter(index, value);
    clapPageSetParameter(index, value);
    userPageSetParameter(index, value);
    effectsPageSetParameter(index, value);
    modulationPageSetParameter(index, value);
    samplePageSetParameter(index, value);
}

// Each release part forgets every control of its page and clears the pointer, so these find none set.
void uEditor::deleteBassDrumPage() {}
void uEditor::deleteSnarePage() {}
void uEditor::deleteClosedHatPage() {}
void uEditor::deleteOpenHatPage() {}
void uEditor::deleteTomPage() {}
void uEditor::deleteClapPage() {}
void uEditor::deleteUserPage() {}
void uEditor::deleteVoiceSelector() {}
void uEditor::deleteMixerPage() {}
void uEditor::deleteOverlayControls() {}

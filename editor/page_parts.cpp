// The parts of the editor's pages that open, close, idle and the parameter paths call. Each page's
// own unit takes its parts over as the page is built; until then they do nothing.

#include "editor/ueditor.h"

std::int32_t uEditor::controlModifierClicked(Toolkit::CDrawContext* context, Toolkit::CControl* control,
                                             std::int32_t buttons)
{
    (void)context;
    (void)control;
    (void)buttons;
    return 0;
}


// In the order the pages are asked; the pages not built yet have no part.
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

void uEditor::deleteMainPageControls() {}
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

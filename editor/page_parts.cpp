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

void uEditor::resetPatternStepDisplay() {}
void uEditor::buildBassDrumPage() {}
void uEditor::buildSnarePage() {}
void uEditor::buildClosedHatPage() {}
void uEditor::buildOpenHatPage() {}
void uEditor::buildTomPage() {}
void uEditor::buildClapPage() {}
void uEditor::buildUserPage() {}
void uEditor::buildEffectsPage() {}
void uEditor::buildModulationPage() {}
void uEditor::buildEasyPage() {}
void uEditor::buildPatternPage() {}

void uEditor::refreshBassDrumPage() {}
void uEditor::refreshSnarePage() {}
void uEditor::refreshClosedHatPage() {}
void uEditor::refreshOpenHatPage() {}
void uEditor::refreshClapPage() {}
void uEditor::refreshTomPage() {}
void uEditor::refreshUserPage() {}
void uEditor::refreshEffectsPage() {}
void uEditor::refreshModulationPage() {}
void uEditor::refreshPatternPage() {}

void uEditor::pagesSetParameter(std::int32_t index, float value)
{
    samplePageSetParameter(index, value);
}

bool uEditor::bassDrumPageValueChanged(Toolkit::CControl*) { return false; }
bool uEditor::snarePageValueChanged(Toolkit::CControl*) { return false; }
bool uEditor::closedHatPageValueChanged(Toolkit::CControl*) { return false; }
bool uEditor::openHatPageValueChanged(Toolkit::CControl*) { return false; }
bool uEditor::tomPageValueChanged(Toolkit::CControl*) { return false; }
bool uEditor::clapPageValueChanged(Toolkit::CControl*) { return false; }
bool uEditor::userPageValueChanged(Toolkit::CControl*) { return false; }
bool uEditor::modulationPageValueChanged(Toolkit::CDrawContext*, Toolkit::CControl*) { return false; }
bool uEditor::patternPageValueChanged(Toolkit::CControl*) { return false; }
bool uEditor::effectsPageValueChanged(Toolkit::CDrawContext*, Toolkit::CControl*) { return false; }
bool uEditor::easyPageValueChanged(Toolkit::CDrawContext*, Toolkit::CControl*) { return false; }
void uEditor::layoutFxSlot() {}
void uEditor::updateFxDestinationMenus() {}
void uEditor::showEasyPage() {}
void uEditor::showModulationPage() {}
void uEditor::showPatternPage() {}
void uEditor::updateBassDrumPage() {}
void uEditor::updateSnarePage() {}
void uEditor::updateClosedHatPage() {}
void uEditor::updateOpenHatPage() {}
void uEditor::updateClapPage() {}
void uEditor::updateTomPage() {}
void uEditor::updateUserPage() {}
void uEditor::updatePatternStepDisplay() {}
void uEditor::refreshPatternBrowser() {}

void uEditor::forgetBassDrumPage() {}
void uEditor::forgetSnarePage() {}
void uEditor::forgetClosedHatPage() {}
void uEditor::forgetOpenHatPage() {}
void uEditor::forgetTomPage() {}
void uEditor::forgetClapPage() {}
void uEditor::forgetUserPage() {}
void uEditor::releaseEffectsPage() {}
void uEditor::releaseModulationPage() {}
void uEditor::forgetPatternPage() {}
void uEditor::releaseEasyPage() {}
void uEditor::deleteMainPageControls() {}
void uEditor::deleteBassDrumPage() {}
void uEditor::deleteSnarePage() {}
void uEditor::deleteClosedHatPage() {}
void uEditor::deleteOpenHatPage() {}
void uEditor::deleteTomPage() {}
void uEditor::deleteClapPage() {}
void uEditor::deleteUserPage() {}
void uEditor::deleteVoiceSelector() {}
void uEditor::deleteEffectsPage() {}
void uEditor::deleteModulationPage() {}
void uEditor::deletePatternPage() {}
void uEditor::deleteMixerPage() {}
void uEditor::deleteEasyPage() {}
void uEditor::deleteOverlayControls() {}

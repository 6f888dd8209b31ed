#include "editor/main_page_controls.h"

#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "toolkit/kick_button.h"

namespace {

template <typename Control> void release(Control*& control)
{
    if (control != nullptr)
        control->forget();
    control = nullptr;
}

template <typename Control, std::size_t N> void release(std::array<Control*, N>& controls)
{
    for (Control*& control : controls)
        release(control);
}

} // namespace

void MainPageControls::forgetAll()
{
    release(pageButtons);
    release(noPanelPageButton);
    release(fxSlotButtons);
    release(dynamicPagesSwitch);
    release(programDownButton);
    release(programUpButton);
    release(compareEditedButton);
    release(compareOriginalButton);
    release(midiMapMenu);
    release(helpButton);
    release(logoButton);
    release(synthPresetStepButtons);
    release(samplePresetStepButtons);
    release(modelStepButtons);
    release(tomButtons);
    release(userButtons);
    release(programMenu);
    release(kitNameMenu);
    release(synthPresetMenu);
    release(samplePresetMenu);
    // The menus held these.
    programList = nullptr;
    synthPresetGroups = {};
    samplePresetGroups = {};
}

void OverlayControls::forgetAll()
{
    release(closeButton);
    release(syncSwitch);
    release(keySwitch);
    release(mappingMenu);
}

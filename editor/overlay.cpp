// The overlay screen over the whole window: host sync, whether the arrow keys step programs, and the note
// mapping. While shown its controls are the frame's only views.

#include "editor/ueditor.h"

#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/image_places.h"
#include "plugin/aplugin.h"
#include "plugin/settings/mapping_setting.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/frame.h"
#include "toolkit/kick_button.h"

#include <cstring>

namespace {

constexpr std::int32_t kOverlayImage = 10001;
constexpr std::int32_t kMappingMenuImage = 10030;
constexpr std::int32_t kSyncParameter = 2299;
// Above 1 so that the switch reads as on whichever way it rounds.
constexpr float kKeySwitchOn = 1.01f;

} // namespace

void uEditor::buildOverlay()
{
    overlay.closeButton = new Toolkit::CKickButton(editor::placedFrom(image(kOverlayImage), 0, 0), this, kCommandTag,
                                                   nullptr, Toolkit::CPoint(0, 0));
    makeOnOffButton(overlay.syncSwitch, kSyncParameter, 82, 390, kPlainSwitch);
    makeOnOffButton(overlay.keySwitch, kCommandTag, 82, 417, kPlainSwitch);
    const char* mappings[] = {kravo::kGmMapping, kravo::kStandardMapping};
    makeOptionMenu(overlay.mappingMenu, kCommandTag, 82, 444, kMappingMenuImage, 2, mappings, -1.0f);
}

void uEditor::showOverlay()
{
    if (frame == nullptr)
        return;
    frame->removeAll(false);
    frame->setBackground(image(kOverlayImage));
    for (Toolkit::CControl* control : std::initializer_list<Toolkit::CControl*>{
             overlay.closeButton, overlay.syncSwitch, overlay.keySwitch, overlay.mappingMenu})
        if (control != nullptr)
            frame->addView(control);
    if (overlay.keySwitch != nullptr)
        overlay.keySwitch->setValue(arrowKeysStepPrograms != 0 ? kKeySwitchOn : 0.0f);
    if (overlay.mappingMenu != nullptr) {
        char mapping[kravo::kTextSettingCapacity + 1] = {};
        kravo::readMappingSetting(mapping);
        const bool standard = std::strcmp(mapping, kravo::kStandardMapping) == 0;
        overlay.mappingMenu->setDisplayText(standard ? kravo::kStandardMapping : kravo::kGmMapping);
    }
    frame->setDirty(true);
}

void uEditor::hideOverlay()
{
    rebuildFrame();
}

void uEditor::runOverlayCommand(Toolkit::CControl* control)
{
    if (mainPage.logoButton != nullptr && control == mainPage.logoButton && control->getValue() > 0.5f)
        showOverlay();
    else if (overlay.closeButton != nullptr && control == overlay.closeButton && control->getValue() > 0.5f)
        hideOverlay();
    else if (overlay.keySwitch != nullptr && control == overlay.keySwitch) {
        const bool on = control->getValue() > 0.5f;
        kravo::writeRegString("Key", on ? "Y" : "N");
        arrowKeysStepPrograms = on ? 1 : 0;
    } else if (overlay.mappingMenu != nullptr && control == overlay.mappingMenu) {
        char chosen[Toolkit::COptionMenu::kEntrySize] = {};
        if (!overlay.mappingMenu->getEntry(overlay.mappingMenu->getCurrent(), chosen))
            return;
        const bool standard = std::strcmp(chosen, kravo::kStandardMapping) == 0;
        plugin()->writeMappingSetting(standard ? kravo::kStandardMapping : kravo::kGmMapping);
        overlay.mappingMenu->setDisplayText(chosen);
    }
}

void uEditor::forgetOverlayControls()
{
    overlay.forgetAll();
}

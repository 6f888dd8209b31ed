#include "editor/ueditor.h"

#include "editor/control_release.h"
#include "editor/drum_page_layouts.h"
#include "editor/image_places.h"
#include "platform/clock.h"
#include "plugin/aplugin.h"
#include "plugin/settings/registry_settings.h"
#include "toolkit/bitmap.h"
#include "toolkit/frame.h"
#include "toolkit/view_container.h"

#include <cstring>

using Toolkit::CBitmap;
using Toolkit::CColor;
using Toolkit::CRect;
using Toolkit::CViewContainer;

namespace {

constexpr std::int32_t kFrameImage = 10000;
constexpr std::int32_t kMenuFont = 5;

// Where each page container sits and which image gives its size, in the order open makes them.
struct ContainerPlace {
    CViewContainer* uEditor::*container;
    std::int32_t sizeImage;
    std::int32_t left;
    std::int32_t top;
};

constexpr ContainerPlace kContainerPlaces[] = {
    {&uEditor::synthVoiceContainer, 10140, 32, 136},   {&uEditor::voiceSelectorContainer, 10206, 31, 383},
    {&uEditor::effectsContainer, 10260, 712, 136},     {&uEditor::modulationContainer, 10008, 32, 136},
    {&uEditor::patternContainer, 10011, 233, 383},     {&uEditor::mixerContainer, 10150, 32, 136},
    {&uEditor::easyContainer, 10151, 32, 136},         {&uEditor::sampleContainer, 10201, 32, 136},
    {&uEditor::pageTabContainer, 10152, 32, 119},
};

// The order close takes the containers down in.
constexpr CViewContainer* uEditor::*kContainerCloseOrder[] = {
    &uEditor::synthVoiceContainer, &uEditor::voiceSelectorContainer, &uEditor::effectsContainer,
    &uEditor::modulationContainer, &uEditor::mixerContainer,          &uEditor::pageTabContainer,
    &uEditor::sampleContainer,     &uEditor::easyContainer,           &uEditor::patternContainer,
};

} // namespace

uEditor::uEditor(APlugin* effect)
    : PluginGUIEditor(effect), bassDrumPage(editor::kBassDrumPageLayout), snarePage(editor::kSnarePageLayout),
      closedHatPage(editor::kClosedHatPageLayout), openHatPage(editor::kOpenHatPageLayout),
      tomPage(editor::kTomPageLayout), clapPage(editor::kClapPageLayout), userPage(editor::kUserPageLayout)
{
    menuScheme.setColors(CColor{8, 154, 153, 0}, CColor{131, 185, 184, 0}, CColor{0, 0, 0, 0},
                         CColor{0, 0, 0, 0}, CColor{0, 0, 0, 0});
    menuScheme.setFont(kMenuFont);
    Toolkit::defaultOptionMenuScheme = &menuScheme;

    presetIndex.fill(-1);
    const DWORD now = GetTickCount();
    lastStepRequest = now;
    lastStepTime = now;
    idleTime = now;

    char key[kravo::kTextSettingCapacity + 1] = {};
    kravo::readRegString("Key", key);
    arrowKeysStepPrograms = std::strcmp(key, "Y") == 0 ? 1 : 0;

    menuDivisor.fill(-1.0f);
    clearRegistry();
    setUpEffectDefaults();
    rect = ERect{0, 0, static_cast<std::int16_t>(kHeight), static_cast<std::int16_t>(kWidth)};
}

uEditor::~uEditor() = default;

APlugin* uEditor::plugin()
{
    return static_cast<APlugin*>(effect);
}

void uEditor::setUpEffectDefaults()
{
    for (int t = 0; t < editor::kFxTypeCount; ++t) {
        const editor::FxTypeDefault& type = editor::kFxTypeDefaults[static_cast<std::size_t>(t)];
        for (int k = 0; k < editor::kFxKnobCount; ++k) {
            fxPositionShown[t][k] = 1;
            fxPositionIsSwitch[t][k] = (type.switches >> k) & 1;
            fxPositionKnobB[t][k] = (type.secondKind >> k) & 1;
            fxTypeMemory[t][k] = type.knobs[static_cast<std::size_t>(k)];
        }
        fxTypeMemory[t][kMixField] = type.mix;
        fxTypeMemory[t][kPanField] = 0.5f;
        std::memcpy(fxTypeDefaults[t], fxTypeMemory[t], 12 * sizeof(float));
    }
    fxPositionShown[editor::kFxTypeWithoutPosition][editor::kFxPositionWithoutControl] = 0;
}

CBitmap* uEditor::image(std::int32_t id) const
{
    const int slot = editor::imageSlot(id);
    return slot < 0 ? nullptr : images[static_cast<std::size_t>(slot)];
}

void uEditor::loadBitmaps()
{
    for (std::size_t n = 0; n < images.size(); ++n)
        images[n] = new CBitmap(editor::kImageIds[n]);
}

void uEditor::releaseBitmaps()
{
    editor::release(images);
}

void uEditor::makeContainers()
{
    for (const ContainerPlace& place : kContainerPlaces) {
        auto* container = new CViewContainer(editor::placedFrom(image(place.sizeImage), place.left, place.top), frame, nullptr);
        container->useOffscreen(true);
        this->*place.container = container;
    }
}

void uEditor::releaseContainers()
{
    for (CViewContainer* uEditor::*member : kContainerCloseOrder) {
        if (CViewContainer* container = this->*member) {
            container->removeAll(false);
            container->forget();
        }
        this->*member = nullptr;
    }
}

bool uEditor::open(void* parentWindow)
{
    // An open without a close: the editor moves to the new window rather than leave the first
    // window's content behind it.
    if (frame != nullptr)
        close();
    resetPatternStepDisplay();
    plugin()->editorOpening = true;
    compareShown = plugin()->isCompareShowingEdited() ? 0 : 1;
    refreshBusy = 0;
    lastStepTime = GetTickCount();
    lastStepRequest = lastStepTime;

    PluginEditor::open(parentWindow);
    editorThread = std::this_thread::get_id();
    loadBitmaps();
    frame = new Toolkit::CFrame(editor::placedFrom(image(kFrameImage), 0, 0), static_cast<HWND>(parentWindow), this);
    // Without its window the frame shows nothing: undo what was built and let a later open try again.
    if (frame->getWindow() == nullptr) {
        close();
        plugin()->editorOpening = false;
        return false;
    }
    frame->setBackground(image(kFrameImage));
    makeContainers();

    buildMainPage();
    buildVoiceSelector();
    buildBassDrumPage();
    buildSnarePage();
    buildClosedHatPage();
    buildOpenHatPage();
    buildTomPage();
    buildClapPage();
    buildUserPage();
    buildSamplePage();
    buildEffectsPage();
    buildModulationPage();
    buildMixerPage();
    buildEasyPage();
    buildPatternPage();
    switchPage();
    buildOverlay();
    refreshAll();
    plugin()->editorOpening = false;
    return true;
}

void uEditor::close()
{
    releaseBitmaps();
    releaseContainers();
    if (frame != nullptr) {
        frame->removeAll(false);
        delete frame;
    }
    frame = nullptr;
    clearRegistry();

    forgetMainPageControls();
    forgetBassDrumPage();
    forgetSnarePage();
    forgetClosedHatPage();
    forgetOpenHatPage();
    forgetTomPage();
    forgetClapPage();
    forgetUserPage();
    releaseVoiceSelector();
    releaseEffectsPage();
    releaseModulationPage();
    forgetPatternPage();
    releaseMixerPage();
    releaseEasyPage();
    forgetSamplePage();
    deleteBassDrumPage();
    deleteSnarePage();
    deleteClosedHatPage();
    deleteOpenHatPage();
    deleteTomPage();
    deleteClapPage();
    deleteUserPage();
    deleteVoiceSelector();
    deleteEffectsPage();
    deleteModulationPage();
    deletePatternPage();
    deleteMixerPage();
    deleteEasyPage();
    deleteSamplePage();
    forgetOverlayControls();
    deleteOverlayControls();
    // A control deleted above must not be taken for the edited one at the next open.
    editedControl = nullptr;
    PluginEditor::close();
}

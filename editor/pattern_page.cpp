// The pattern page: the selected pattern's settings, its four tracks' targets and bypasses, the pads
// that play the patterns, the grid and the file browser. Each pattern has its own set of controls; the
// page shows the selected pattern's.

#include "editor/ueditor.h"

#include "editor/caption.h"
#include "editor/control_release.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_pad.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/controls/my_radio_button.h"
#include "editor/controls/pattern_file_browser.h"
#include "editor/controls/pattern_grid.h"
#include "editor/image_places.h"
#include "editor/entry_texts.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/pattern_parameters.h"
#include "toolkit/view_container.h"

#include <span>
#include <string_view>
#include <vector>

namespace {

using editor::kCaptionFont;
using editor::release;
namespace param = kravo::param;
namespace display = kravo::param::display;

constexpr std::int32_t kViewOffImage = 10011;
constexpr std::int32_t kViewOnImage = 10012;
constexpr std::int32_t kSelectLightImage = 10013;
constexpr std::int32_t kBypassImage = 10167;
constexpr std::int32_t kFirstPadImage = 10300;
constexpr std::int32_t kTargetMenuImage = 10033;
constexpr std::int32_t kStepMenuImage = 10034;
constexpr std::int32_t kLockTag = 9991;
constexpr float kStepDivisor = 15.99f;
constexpr float kSpeedDivisor = 8.99f;
constexpr float kTargetDivisor = 23.99f;
constexpr float kLockDivisor = 2.99f;
constexpr std::int32_t kLockOn = 1;
constexpr std::int32_t kLockSet = 2;
constexpr std::int32_t kTrackCaptionFont = 1;
constexpr std::int32_t kPadPitch = 25;

struct Place {
    std::int32_t x;
    std::int32_t y;
};

// Per track: bypass switch, select button and target menu.
constexpr Place kBypassPlaces[] = {{80, 164}, {80, 184}, {180, 164}, {180, 184}};
constexpr Place kTrackButtonPlaces[] = {{94, 158}, {94, 178}, {195, 158}, {195, 178}};
constexpr Place kTargetPlaces[] = {{114, 160}, {114, 180}, {214, 160}, {214, 180}};

struct Caption {
    Place at;
    std::int32_t width;
    const char* text;
    std::int32_t font;
};

constexpr Caption kCaptions[PatternPageControls::kCaptionCount] = {
    {{81, 164}, 20, "T1", kTrackCaptionFont},   {{80, 184}, 20, "T2", kTrackCaptionFont},
    {{180, 164}, 20, "T3", kTrackCaptionFont},  {{180, 184}, 20, "T4", kTrackCaptionFont},
    {{352, 189}, 40, "swing", kCaptionFont},     {{400, 189}, 30, "flam", kCaptionFont},
    {{444, 189}, 40, "human", kCaptionFont},     {{308, 161}, 40, "Track", kCaptionFont},
    {{312, 169}, 40, "View", kCaptionFont},      {{308, 184}, 40, "Latch", kCaptionFont},
    {{493, 166}, 40, "start", kCaptionFont},     {{504, 186}, 40, "end", kCaptionFont},
    {{602, 166}, 40, "speed", kCaptionFont},     {{609, 186}, 40, "lock", kCaptionFont},
};

constexpr const char* kLockEntries[] = {"Off", "On", "Set"};

template <typename Control> int indexIn(std::span<Control* const> controls, const Toolkit::CControl* control)
{
    for (std::size_t n = 0; n < controls.size(); ++n)
        if (controls[n] != nullptr && static_cast<const Toolkit::CControl*>(controls[n]) == control)
            return static_cast<int>(n);
    return -1;
}

void addIfMade(Toolkit::CViewContainer* container, Toolkit::CView* view)
{
    if (view != nullptr)
        container->addView(view);
}

// A menu shows the item a value reads, as its current entry.
void showItem(myOptionMenu* menu, float value, float divisor)
{
    if (menu == nullptr)
        return;
    menu->setValue(static_cast<float>(static_cast<std::int32_t>(value * divisor)));
    menu->setDirty(true);
}

void showValue(Toolkit::CControl* control, float value)
{
    if (control == nullptr)
        return;
    control->setValue(value);
    control->setDirty(true);
}

} // namespace

void uEditor::resetPatternStepDisplay()
{
    lastShownStep = -1;
}

void uEditor::buildPatternPage()
{
    PatternPageControls& page = patternPage;
    for (std::size_t n = 0; n < page.captions.size(); ++n) {
        const Caption& caption = kCaptions[n];
        makeLabelLeft(page.captions[n], caption.at.x, caption.at.y, caption.width, caption.text, caption.font);
    }
    for (std::int32_t k = 0; k < kPatternCount; ++k) {
        const auto n = static_cast<std::size_t>(k);
        makeRadioBitmapButton(page.selectLights[n], kSelectLightImage, 56, kPadPitch * k + 10);
        // Like the voice pads, a pattern pad starts every click dark, so that pressing a playing pattern
        // plays it again.
        Toolkit::CBitmap* picture = image(kFirstPadImage + k);
        if (picture != nullptr) {
            Toolkit::CRect size = editor::placedFrom(picture, 0, kPadPitch * k);
            size.bottom = size.top + editor::heightOf(picture) / 2;
            patternPads[n] = new myPad(size, this, kCommandTag, picture, Toolkit::CPoint(0, 0));
            registerControl(patternPads[n]);
        }
    }
    for (std::int32_t t = 0; t < PatternPageControls::kTrackCount; ++t) {
        const Place at = kTrackButtonPlaces[t];
        makeRadioButton(page.trackButtons[static_cast<std::size_t>(t)], kCommandTag, at.x, at.y);
    }
    makeOnOffButton(page.viewSwitch, kCommandTag, 288, 159, kPlainSwitch);
    makeOnOffButton(page.latchSwitch, param::kPatternLatching, 288, 178, kPlainSwitch);

    const editor::EntryTexts stepNames(display::kPatternStepNames);
    const editor::EntryTexts speedNames(display::kPatternSpeedNames);
    const editor::EntryTexts targetNames(display::kTrackPadNames);
    for (std::int32_t p = 0; p < kPatternCount; ++p) {
        const auto n = static_cast<std::size_t>(p);
        for (std::int32_t t = 0; t < PatternPageControls::kTrackCount; ++t) {
            const auto m = static_cast<std::size_t>(t);
            makeOnOffButtonWithImage(page.bypassSwitches[n][m], param::trackMuteIndex(p, t), kBypassPlaces[t].x,
                                     kBypassPlaces[t].y, kBypassImage);
            makeOptionMenu(page.targetMenus[n][m], param::trackTargetPadIndex(p, t), kTargetPlaces[t].x,
                           kTargetPlaces[t].y, kTargetMenuImage, targetNames.count(),
                           targetNames.entries(), kTargetDivisor);
        }
        makeOptionMenu(page.startMenus[n], param::patternStartStep[n], 532, 162, kStepMenuImage,
                       stepNames.count(), stepNames.entries(), kStepDivisor);
        makeOptionMenu(page.endMenus[n], param::patternEndStep[n], 532, 182, kStepMenuImage,
                       stepNames.count(), stepNames.entries(), kStepDivisor);
        makeOptionMenu(page.speedMenus[n], param::patternSpeed[n], 643, 162, kStepMenuImage,
                       speedNames.count(), speedNames.entries(), kSpeedDivisor);
        makeKnob(page.swingKnobs[n], param::patternSwing[n], 351, 160);
        makeKnob(page.flamKnobs[n], param::patternFlam[n], 398, 160);
        makeKnob(page.humanKnobs[n], param::patternHumanization[n], 445, 160);
    }
    makeOptionMenu(page.lockMenu, kLockTag, 643, 182, kStepMenuImage, 3, kLockEntries, kLockDivisor);
    page.grid = new PatternGrid(Toolkit::CRect(128, 13, 592, 147), this);
    page.browser = new PatternFileBrowser(Toolkit::CRect(600, 9, 710, 147), nullptr);
    patternViewFlag = 0.0f;
}

void uEditor::showPatternPage()
{
    Toolkit::CViewContainer* container = patternContainer;
    if (container == nullptr)
        return;
    PatternPageControls& page = patternPage;
    const auto p = static_cast<std::size_t>(selectedPattern);
    const auto t = static_cast<std::size_t>(selectedTrack);
    container->removeAll(false);
    container->setBackground(image(patternViewFlag < 0.5f ? kViewOffImage : kViewOnImage));
    for (myLabel* caption : page.captions)
        addIfMade(container, caption);
    for (std::size_t k = 0; k < patternPads.size(); ++k) {
        addIfMade(container, patternPads[k]);
        addIfMade(container, page.selectLights[k]);
        if (page.selectLights[k] != nullptr)
            page.selectLights[k]->setValue(0.0f);
    }
    if (page.selectLights[p] != nullptr)
        page.selectLights[p]->setValue(1.0f);
    for (myOnOff* bypass : page.bypassSwitches[p])
        addIfMade(container, bypass);
    for (myRadioButton* button : page.trackButtons) {
        addIfMade(container, button);
        if (button != nullptr)
            button->setValue(0.0f);
    }
    if (page.trackButtons[t] != nullptr)
        page.trackButtons[t]->setValue(1.0f);
    for (Toolkit::CView* view : {page.startMenus[p], page.endMenus[p], page.speedMenus[p]})
        addIfMade(container, view);
    for (myOptionMenu* target : page.targetMenus[p])
        addIfMade(container, target);
    for (Toolkit::CView* view : std::initializer_list<Toolkit::CView*>{page.lockMenu, page.swingKnobs[p], page.flamKnobs[p],
                                                                       page.humanKnobs[p], page.viewSwitch,
                                                                       page.latchSwitch, page.grid})
        addIfMade(container, view);
    if (page.grid != nullptr) {
        page.grid->setPattern(selectedPattern);
        page.grid->setTrack(selectedTrack);
        page.grid->setView(page.viewSwitch != nullptr && page.viewSwitch->getValue() >= 0.5f ? 1 : 0);
        page.grid->setDirty(true);
    }
    addIfMade(container, page.browser);
    refreshPatternPage();
}

void uEditor::refreshPatternPage()
{
    PatternPageControls& page = patternPage;
    const auto p = static_cast<std::size_t>(selectedPattern);
    for (myOptionMenu* menu : {page.startMenus[p], page.endMenus[p], page.speedMenus[p], page.targetMenus[p][0],
                               page.targetMenus[p][1], page.targetMenus[p][2], page.targetMenus[p][3]}) {
        Toolkit::CControl* control = menu;
        menuFromParameter(control);
    }
    // The lock outlives the editor's window: a reopened page shows it.
    if (page.lockMenu != nullptr)
        page.lockMenu->setValue(static_cast<float>(plugin()->getPatternLockMode()));
    if (page.grid != nullptr)
        page.grid->setDirty(true);
    if (page.browser != nullptr) {
        page.browser->setPattern(selectedPattern);
        plugin()->scanPatternFolder();
        page.browser->setDirty(true);
    }
}

void uEditor::updatePatternStepDisplay()
{
    PatternPageControls& page = patternPage;
    const std::int32_t step = plugin()->getPatternStep(selectedPattern);
    if (step != lastShownStep && page.grid != nullptr) {
        page.grid->setCurrentStep(step);
        lastShownStep = step;
        page.grid->setDirty(true);
    }
    if (plugin()->getPatternLockMode() != kLockOn)
        return;
    // The locked copy plays: its values show, whatever the controls were moved to.
    const auto p = static_cast<std::size_t>(selectedPattern);
    const auto locked = [this](std::int32_t index) { return plugin()->getParameterValue(index); };
    showValue(page.flamKnobs[p], locked(param::patternFlam[p]));
    showValue(page.swingKnobs[p], locked(param::patternSwing[p]));
    showValue(page.humanKnobs[p], locked(param::patternHumanization[p]));
    showItem(page.startMenus[p], locked(param::patternStartStep[p]), kStepDivisor);
    showItem(page.endMenus[p], locked(param::patternEndStep[p]), kStepDivisor);
    showItem(page.speedMenus[p], locked(param::patternSpeed[p]), kSpeedDivisor);
    for (std::int32_t t = 0; t < PatternPageControls::kTrackCount; ++t)
        showItem(page.targetMenus[p][static_cast<std::size_t>(t)],
                 locked(param::trackTargetPadIndex(selectedPattern, t)), kTargetDivisor);
}

void uEditor::refreshPatternBrowser()
{
    PatternFileBrowser* browser = patternPage.browser;
    if (browser == nullptr)
        return;
    plugin()->patternBrowserToRoot();
    plugin()->setSelectedPatternFile("");
    browser->resetSelection();
    browser->setDirty(true);
}

bool uEditor::patternPageValueChanged(Toolkit::CControl* control)
{
    PatternPageControls& page = patternPage;
    const auto p = static_cast<std::size_t>(selectedPattern);
    if (const int t = indexIn<myRadioButton>(page.trackButtons, control); t >= 0) {
        selectedTrack = t;
        if (page.grid != nullptr)
            page.grid->setTrack(t);
        showPatternPage();
        return true;
    }
    if (const int k = indexIn<myRadioBitmapButton>(page.selectLights, control); k >= 0) {
        selectedPattern = k;
        if (page.browser != nullptr)
            page.browser->resetSelection();
        showPatternPage();
        return true;
    }
    for (const auto& switches : page.bypassSwitches)
        if (indexIn<myOnOff>(switches, control) >= 0 && page.grid != nullptr)
            page.grid->setDirty(true);
    const std::array<myOptionMenu*, 7> menus = {page.startMenus[p],     page.endMenus[p],      page.speedMenus[p],
                                                page.targetMenus[p][0], page.targetMenus[p][1], page.targetMenus[p][2],
                                                page.targetMenus[p][3]};
    if (indexIn<myOptionMenu>(menus, control) >= 0) {
        const std::int32_t tag = control->getTag();
        controlToParameter(tag, static_cast<myOptionMenu*>(control)->getCurrent(nullptr, false),
                           menuDivisor[static_cast<std::size_t>(tag)]);
        if (page.grid != nullptr)
            page.grid->setDirty(true);
        return true;
    }
    if (page.lockMenu != nullptr && control == page.lockMenu) {
        const std::int32_t mode = page.lockMenu->getCurrent(nullptr, false);
        plugin()->setPatternLockMode(mode);
        if (mode == kLockSet) {
            page.lockMenu->setValue(static_cast<float>(plugin()->getPatternLockMode()));
            page.lockMenu->setDirty(true);
        }
    }
    if (page.viewSwitch != nullptr && control == page.viewSwitch) {
        patternViewFlag = page.viewSwitch->getValue();
        showPatternPage();
        page.viewSwitch->setValue(patternViewFlag);
        page.viewSwitch->setDirty(true);
    }
    if (const int k = indexIn<Toolkit::CKickButton>(patternPads, control); k >= 0) {
        if (control->getValue() > 0.5f)
            plugin()->startPatternFromEditor(k);
        else
            plugin()->stopPattern(k);
    }
    return false;
}

void PatternPageControls::forgetAll()
{
    for (std::size_t p = 0; p < static_cast<std::size_t>(kPatternCount); ++p) {
        for (myOptionMenu*& menu : targetMenus[p])
            release(menu);
        release(startMenus[p]);
        release(endMenus[p]);
        release(speedMenus[p]);
        release(swingKnobs[p]);
        release(flamKnobs[p]);
        release(humanKnobs[p]);
        for (myOnOff*& bypass : bypassSwitches[p])
            release(bypass);
    }
    for (myRadioBitmapButton*& light : selectLights)
        release(light);
    for (myRadioButton*& button : trackButtons)
        release(button);
    release(lockMenu);
    release(viewSwitch);
    release(latchSwitch);
    release(grid);
    release(browser);
    for (myLabel*& caption : captions)
        release(caption);
}

void uEditor::forgetPatternPage()
{
    release(patternPads);
    patternPage.forgetAll();
}

// The forget part leaves nothing for the delete part: every pointer is cleared there.
void uEditor::deletePatternPage() {}

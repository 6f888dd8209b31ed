// The modulation page: two envelopes, two LFOs and the eight slots of the modulation matrix. Small radio
// buttons choose which envelope, LFO and slot are on screen; each has its own controls at the same place.
// Source and destination menus split their names into groups and are resolved by the chosen name.

#include "editor/modulation_page.h"

#include "editor/caption.h"
#include "editor/control_release.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_button.h"
#include "editor/menu_choice.h"
#include "editor/ueditor.h"
#include "editor/entry_texts.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/display/modulation_names.h"
#include "plugin/parameters/modulation_parameters.h"
#include "toolkit/view_container.h"

#include <algorithm>
#include <vector>

namespace {

using editor::Caption;
using editor::CaptionAlign;
using editor::release;
namespace param = kravo::param;
namespace display = kravo::param::display;

constexpr std::int32_t kModulationImage = 10008;
constexpr std::int32_t kLfoMenuImage = 10035;
constexpr float kSourceScale = 199.99f;
constexpr float kDestinationScale = 699.99f;
constexpr float kWaveScale = 5.99f;
constexpr float kModeScale = 2.99f;
constexpr float kSyncScale = 1.99f;

constexpr std::array<std::string_view, 2> kSyncNames = {"Off", "On"};

constexpr std::array<Caption, ModulationPageControls::kLabelCount> kLabels = {{
    {"env 1", 14, 20, 40, CaptionAlign::left},         {"env 2", 14, 45, 40, CaptionAlign::left},
    {"lfo 1", 236, 20, 40, CaptionAlign::left},        {"lfo 2", 236, 45, 40, CaptionAlign::left},
    {"mod 1", 457, 20, 40, CaptionAlign::left},        {"mod 2", 507, 20, 40, CaptionAlign::left},
    {"mod 3", 557, 20, 40, CaptionAlign::left},        {"mod 4", 607, 20, 40, CaptionAlign::left},
    {"mod 5", 457, 45, 40, CaptionAlign::left},        {"mod 6", 507, 45, 40, CaptionAlign::left},
    {"mod 7", 557, 45, 40, CaptionAlign::left},        {"mod 8", 607, 45, 40, CaptionAlign::left},
    {"attack", 26, 107, 45, CaptionAlign::left},       {"hold", 96, 107, 40, CaptionAlign::left},
    {"decay", 166, 107, 40, CaptionAlign::left},       {"destination", 65, 124, 80, CaptionAlign::left},
    {"amount", 166, 154, 45, CaptionAlign::left},      {"source", 76, 171, 45, CaptionAlign::left},
    {"amount", 161, 200, 45, CaptionAlign::left},      {"wave", 310, 8, 40, CaptionAlign::left},
    {"mode", 310, 33, 40, CaptionAlign::left},         {"sync", 389, 8, 40, CaptionAlign::left},
    {"speed", 252, 107, 40, CaptionAlign::left},       {"hum", 325, 107, 40, CaptionAlign::left},
    {"sym", 392, 107, 40, CaptionAlign::left},         {"destination", 286, 124, 80, CaptionAlign::left},
    {"amount", 383, 154, 45, CaptionAlign::left},      {"source", 297, 171, 45, CaptionAlign::left},
    {"amount", 383, 200, 45, CaptionAlign::left},      {"source", 522, 80, 45, CaptionAlign::left},
    {"destination", 510, 124, 80, CaptionAlign::left}, {"mod source", 516, 171, 65, CaptionAlign::left},
    {"amount", 606, 154, 50, CaptionAlign::left},      {"amount", 606, 200, 50, CaptionAlign::left},
}};

constexpr std::array<Toolkit::CPoint, 2> kEnvelopeSelectors = {{{45, 14}, {46, 39}}};
constexpr std::array<Toolkit::CPoint, 2> kLfoSelectors = {{{265, 14}, {265, 39}}};

Toolkit::CPoint slotSelectorAt(int slot)
{
    return {488 + 50 * (slot % 4), slot < 4 ? 14 : 39};
}

template <typename Menu> void releaseMenu(Menu& menu)
{
    release(menu.menu);
    menu.groups = {};
}

template <std::size_t N> void showChosen(std::array<myRadioButton*, N>& selectors, std::int32_t chosen)
{
    for (myRadioButton* selector : selectors)
        if (selector != nullptr)
            selector->setValue(0.0f);
    if (chosen >= 0 && static_cast<std::size_t>(chosen) < N && selectors[static_cast<std::size_t>(chosen)] != nullptr)
        selectors[static_cast<std::size_t>(chosen)]->setValue(1.0f);
}

} // namespace

void ModulationPageControls::forgetAll()
{
    for (Envelope& envelope : envelopes) {
        for (myKnob** knob : {&envelope.attack, &envelope.hold, &envelope.decay, &envelope.amount, &envelope.modAmount})
            release(*knob);
        releaseMenu(envelope.destination);
        releaseMenu(envelope.modSource);
    }
    for (Lfo& lfo : lfos) {
        release(lfo.wave);
        release(lfo.mode);
        release(lfo.sync);
        for (myKnob** knob : {&lfo.speed, &lfo.humanize, &lfo.symmetry, &lfo.amount, &lfo.modAmount})
            release(*knob);
        releaseMenu(lfo.destination);
        releaseMenu(lfo.modSource);
    }
    for (Slot& slot : slots) {
        releaseMenu(slot.source);
        releaseMenu(slot.destination);
        releaseMenu(slot.modSource);
        release(slot.amount);
        release(slot.modAmount);
    }
    release(envelopeSelectors);
    release(lfoSelectors);
    release(slotSelectors);
    release(labels);
}

void uEditor::buildModulationPage()
{
    ModulationPageControls& page = modulationPage;
    const auto destination = [this](ModulationPageControls::DestinationMenu& menu, std::int32_t tag, std::int32_t x,
                                    std::int32_t y) {
        makeModDestinationMenu(tag, x, y, menu.menu, menu.groups);
        menuDivisor[static_cast<std::size_t>(tag)] = kDestinationScale;
    };
    const auto source = [this](ModulationPageControls::SourceMenu& menu, std::int32_t tag, std::int32_t x, std::int32_t y) {
        makeModSourceMenu(tag, x, y, menu.menu, menu.groups[0], menu.groups[1]);
        menuDivisor[static_cast<std::size_t>(tag)] = kSourceScale;
    };

    const auto choiceMenu = [this](myOptionMenu*& menu, std::int32_t tag, std::int32_t x, std::int32_t y,
                                   std::span<const std::string_view> names, float scale) {
        const editor::EntryTexts entries(names);
        makeOptionMenu(menu, tag, x, y, kLfoMenuImage, entries.count(), entries.entries(), scale);
    };

    for (std::size_t e = 0; e < page.envelopes.size(); ++e) {
        ModulationPageControls::Envelope& envelope = page.envelopes[e];
        const std::int32_t base = param::envelopeBase[e];
        makeRadioButton(page.envelopeSelectors[e], kCommandTag, kEnvelopeSelectors[e].h, kEnvelopeSelectors[e].v);
        makeKnob(envelope.attack, base + param::envelope::kAttack, 28, 77);
        makeKnob(envelope.hold, base + param::envelope::kHold, 96, 77);
        makeKnob(envelope.decay, base + param::envelope::kDecay, 164, 77);
        makeKnobAlt(envelope.amount, base + param::envelope::kAmount, 164, 124);
        makeKnobAlt(envelope.modAmount, base + param::envelope::kModAmount, 164, 170);
        destination(envelope.destination, base + param::envelope::kDestination, 43, 135);
        source(envelope.modSource, base + param::envelope::kModSource, 43, 181);
    }
    for (std::size_t l = 0; l < page.lfos.size(); ++l) {
        ModulationPageControls::Lfo& lfo = page.lfos[l];
        const std::int32_t base = param::lfoBase[l];
        makeRadioButton(page.lfoSelectors[l], kCommandTag, kLfoSelectors[l].h, kLfoSelectors[l].v);
        choiceMenu(lfo.wave, base + param::lfo::kWave, 297, 18, display::kLfoWaveNames, kWaveScale);
        choiceMenu(lfo.mode, base + param::lfo::kMode, 297, 43, display::kLfoModeNames, kModeScale);
        choiceMenu(lfo.sync, base + param::lfo::kSync, 374, 18, kSyncNames, kSyncScale);
        makeKnob(lfo.speed, base + param::lfo::kSpeed, 251, 77);
        makeKnobAlt(lfo.humanize, base + param::lfo::kHumanize, 319, 77);
        makeKnobAlt(lfo.symmetry, base + param::lfo::kSymmetry, 387, 77);
        makeKnobAlt(lfo.amount, base + param::lfo::kAmount, 387, 124);
        makeKnobAlt(lfo.modAmount, base + param::lfo::kModAmount, 387, 170);
        destination(lfo.destination, base + param::lfo::kDestination, 266, 135);
        source(lfo.modSource, base + param::lfo::kModSource, 266, 181);
    }
    for (std::size_t m = 0; m < page.slots.size(); ++m) {
        ModulationPageControls::Slot& slot = page.slots[m];
        const Toolkit::CPoint at = slotSelectorAt(static_cast<int>(m));
        makeRadioButton(page.slotSelectors[m], kCommandTag, at.h, at.v);
        source(slot.source, param::modRowSource[m], 489, 90);
        destination(slot.destination, param::modRowDestination[m], 489, 135);
        source(slot.modSource, param::modRowModSource[m], 489, 181);
        makeKnobAlt(slot.amount, param::modRowAmount[m], 610, 124);
        makeKnobAlt(slot.modAmount, param::modRowModAmount[m], 610, 170);
    }
    for (std::size_t n = 0; n < kLabels.size(); ++n)
        page.labels[n] = editor::makeCaption(*this, kLabels[n]);
}

// The menus on screen, in the order a choice is looked for in them.
std::array<ModulationMenu, ModulationPageControls::kShownMenuCount> uEditor::shownModulationMenus()
{
    ModulationPageControls& page = modulationPage;
    ModulationPageControls::Envelope& envelope = page.envelopes[static_cast<std::size_t>(std::clamp(selectedEnv, 0, 1))];
    ModulationPageControls::Lfo& lfo = page.lfos[static_cast<std::size_t>(std::clamp(selectedLfo, 0, 1))];
    ModulationPageControls::Slot& slot = page.slots[static_cast<std::size_t>(std::clamp(selectedModSlot, 0, 7))];
    const std::span<const std::string_view> sources(display::kModSourceNames);
    const std::span<const std::string_view> destinations(display::kModDestinationNames);
    const auto destination = [&](ModulationPageControls::DestinationMenu& menu) {
        return ModulationMenu{menu.menu, menu.groups, kDestinationScale, destinations, true};
    };
    const auto source = [&](ModulationPageControls::SourceMenu& menu) {
        return ModulationMenu{menu.menu, menu.groups, kSourceScale, sources, true};
    };
    return {{
        destination(envelope.destination),
        source(envelope.modSource),
        destination(lfo.destination),
        source(lfo.modSource),
        destination(slot.destination),
        source(slot.source),
        source(slot.modSource),
        {lfo.wave, {}, kWaveScale, display::kLfoWaveNames, false},
        {lfo.mode, {}, kModeScale, display::kLfoModeNames, false},
        {lfo.sync, {}, kSyncScale, kSyncNames, false},
    }};
}

void uEditor::showModulationPage()
{
    if (modulationContainer == nullptr)
        return;
    ModulationPageControls& page = modulationPage;
    modulationContainer->removeAll(false);
    modulationContainer->setBackground(image(kModulationImage));
    const auto add = [this](std::initializer_list<Toolkit::CView*> views) {
        for (Toolkit::CView* view : views)
            if (view != nullptr)
                modulationContainer->addView(view);
    };
    for (myLabel* label : page.labels)
        add({label});

    for (myRadioButton* selector : page.envelopeSelectors)
        add({selector});
    showChosen(page.envelopeSelectors, selectedEnv);
    ModulationPageControls::Envelope& envelope = page.envelopes[static_cast<std::size_t>(std::clamp(selectedEnv, 0, 1))];
    add({envelope.attack, envelope.hold, envelope.decay, envelope.amount, envelope.modAmount, envelope.modSource.menu,
         envelope.destination.menu});

    for (myRadioButton* selector : page.lfoSelectors)
        add({selector});
    showChosen(page.lfoSelectors, selectedLfo);
    ModulationPageControls::Lfo& lfo = page.lfos[static_cast<std::size_t>(std::clamp(selectedLfo, 0, 1))];
    add({lfo.wave, lfo.mode, lfo.sync, lfo.speed, lfo.humanize, lfo.symmetry, lfo.amount, lfo.modAmount,
         lfo.modSource.menu, lfo.destination.menu});

    for (myRadioButton* selector : page.slotSelectors)
        add({selector});
    showChosen(page.slotSelectors, selectedModSlot);
    ModulationPageControls::Slot& slot = page.slots[static_cast<std::size_t>(std::clamp(selectedModSlot, 0, 7))];
    add({slot.source.menu, slot.destination.menu, slot.modSource.menu, slot.amount, slot.modAmount});
    modulationContainer->setDirty(true);
}

void uEditor::refreshModulationPage()
{
    for (const ModulationMenu& shown : shownModulationMenus()) {
        if (shown.menu == nullptr)
            continue;
        Toolkit::CControl* control = shown.menu;
        const std::int32_t tag = shown.menu->getTag();
        controlFromParameter(control, tag, shown.scale);
        modulationPageSetParameter(tag, plugin()->getParameter(tag));
    }
}

void uEditor::modulationPageSetParameter(std::int32_t tag, float value)
{
    for (const ModulationMenu& shown : shownModulationMenus())
        if (shown.menu != nullptr && shown.menu->getTag() == tag) {
            myOptionMenu* menu = shown.menu;
            showStepName(menu, value, shown.scale, static_cast<std::int32_t>(shown.names.size()), shown.names);
        }
}

bool uEditor::modulationPageValueChanged(Toolkit::CDrawContext*, Toolkit::CControl* control)
{
    ModulationPageControls& page = modulationPage;
    for (const auto& [selectors, selected] :
         {std::pair{std::span<myRadioButton* const>(page.envelopeSelectors), &selectedEnv},
          std::pair{std::span<myRadioButton* const>(page.lfoSelectors), &selectedLfo},
          std::pair{std::span<myRadioButton* const>(page.slotSelectors), &selectedModSlot}}) {
        const auto found = std::ranges::find_if(
            selectors, [control](const myRadioButton* selector) { return selector != nullptr && selector == control; });
        if (found != selectors.end()) {
            *selected = static_cast<std::int32_t>(found - selectors.begin());
            showModulationPage();
            refreshModulationPage();
            return true;
        }
    }
    for (const ModulationMenu& shown : shownModulationMenus()) {
        if (!editor::holdsChoice(shown.menu, shown.groups, control))
            continue;
        const std::int32_t tag = shown.menu->getTag();
        if (!shown.byName) {
            controlToParameter(tag, shown.menu->getCurrent(nullptr, false), shown.scale);
            return true;
        }
        const int n = editor::nameIndex(shown.names, editor::chosenText(control));
        if (n < 0)
            continue;
        controlToParameter(tag, n, shown.scale);
        Toolkit::CControl* menu = shown.menu;
        controlFromParameter(menu, tag, shown.scale);
        return true;
    }
    return false;
}

void uEditor::releaseModulationPage()
{
    modulationPage.forgetAll();
}

void uEditor::deleteModulationPage()
{
    modulationPage.forgetAll();
}

// The effects page: the routing of the four master effect slots and, for the selected slot, its type,
// mix, pan, bypass, two modulation routings and the type's own positions. A type brings its own number
// of positions, labels and background; the values a type last had come back when a slot takes it again.

#include "editor/effects_page.h"

#include "editor/caption.h"
#include "editor/control_release.h"
#include "editor/controls/blue_gator_display.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/fx_type_layout.h"
#include "editor/menu_choice.h"
#include "editor/ueditor.h"
#include "editor/entry_texts.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/display/modulation_names.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/effect_type_names.h"
#include "toolkit/view_container.h"

#include <algorithm>
#include <cstring>

namespace {

using editor::Caption;
using editor::CaptionAlign;
using editor::kCaptionFont;
using editor::release;
namespace param = kravo::param;
namespace display = kravo::param::display;

constexpr std::int32_t kTypeMenuImage = 10031;
constexpr std::int32_t kSlotMenuImage = 10032;
constexpr std::int32_t kBypassImage = 10057;
constexpr std::int32_t kSwitchImage = 10064;
constexpr std::int32_t kPositionLabelWidth = 46;
constexpr float kRoutingScale = 9.99f;
constexpr float kTypeScale = 49.99f;
constexpr float kSourceScale = 199.99f;
constexpr float kDestinationScale = 49.99f;
// Destination texts: "None", "Mix", "Pan ", then the type's positions.
constexpr int kFirstPositionDestination = 3;
constexpr int kDestinationsLookedUp = 45;

constexpr std::array<Caption, EffectsPageControls::kFixedLabelCount> kFixedLabels = {{
    {"Type", 16, 19, 40, CaptionAlign::left},          {"Path", 16, 41, 40, CaptionAlign::left},
    {"Mix", 158, 53, 40, CaptionAlign::left},          {"Pan", 199, 53, 40, CaptionAlign::left},
    {"Bypass", 160, 10, 50, CaptionAlign::left},       {"Source", 60, 157, 40, CaptionAlign::left},
    {"Destination", 49, 185, 70, CaptionAlign::left},  {"Source", 172, 157, 40, CaptionAlign::left},
    {"Destination", 160, 185, 70, CaptionAlign::left}, {"Mod 1", 14, 199, 70, CaptionAlign::left},
    {"Mod2", 124, 199, 70, CaptionAlign::left},
}};

struct RoutingPlace {
    std::int32_t sourceX;
    std::int32_t destinationX;
    std::int32_t amountX;
};
constexpr std::array<RoutingPlace, 2> kRoutings = {{{50, 50, 13}, {160, 160, 123}}};
constexpr std::int32_t kSourceY = 165;
constexpr std::int32_t kDestinationY = 193;
constexpr std::int32_t kAmountY = 170;

constexpr std::array<Toolkit::CRect, 2> kGateRowPlaces = {{{20, 115, 248, 131}, {20, 132, 248, 148}}};

std::int32_t sourceTag(int slot, int routing)
{
    return (routing == 0 ? param::effectModSourceA : param::effectModSourceB)[static_cast<std::size_t>(slot)];
}

std::int32_t destinationTag(int slot, int routing)
{
    return (routing == 0 ? param::effectModDestinationA : param::effectModDestinationB)[static_cast<std::size_t>(slot)];
}

std::int32_t amountTag(int slot, int routing)
{
    return (routing == 0 ? param::effectModAmountA : param::effectModAmountB)[static_cast<std::size_t>(slot)];
}

} // namespace

void EffectsPageControls::forgetAll()
{
    for (Slot& slot : slots) {
        release(slot.bypass);
        release(slot.mix);
        release(slot.pan);
        release(slot.type);
        for (SourceMenu& source : slot.sources) {
            release(source.menu);
            source.groups = {};
        }
        release(slot.destinations);
        release(slot.amounts);
        release(slot.gateRows);
        release(slot.knobsA);
        release(slot.knobsB);
        release(slot.switches);
        release(slot.labels);
    }
    release(fixedLabels);
    release(routingMenu);
}

void uEditor::buildEffectsPage()
{
    EffectsPageControls& page = effectsPage;
    for (std::size_t n = 0; n < kFixedLabels.size(); ++n)
        page.fixedLabels[n] = editor::makeCaption(*this, kFixedLabels[n]);
    const editor::EntryTexts routings(display::kEffectRoutingNames);
    makeOptionMenu(page.routingMenu, param::kEffectRouting, 48, 37, kTypeMenuImage, routings.count(),
                   routings.entries(), kRoutingScale);
    const editor::EntryTexts types(param::kEffectTypeNames);

    for (int s = 0; s < EffectsPageControls::kSlotCount; ++s) {
        EffectsPageControls::Slot& slot = page.slots[static_cast<std::size_t>(s)];
        const auto n = static_cast<std::size_t>(s);
        makeOptionMenu(slot.type, param::effectType[n], 48, 15, kTypeMenuImage, types.count(), types.entries(),
                       kTypeScale);
        makeKnobAlt(slot.mix, param::effectSlotMix[n], 150, 24);
        makeKnobAlt(slot.pan, param::effectSlotPan[n], 195, 24);
        makeOnOffButtonWithImage(slot.bypass, param::effectBypass[n], 203, 4, kBypassImage);
        for (int r = 0; r < 2; ++r) {
            const RoutingPlace& at = kRoutings[static_cast<std::size_t>(r)];
            EffectsPageControls::SourceMenu& source = slot.sources[static_cast<std::size_t>(r)];
            makeKnobAlt(slot.amounts[static_cast<std::size_t>(r)], amountTag(s, r), at.amountX, kAmountY);
            makeModSourceMenuCompact(sourceTag(s, r), at.sourceX, kSourceY, source.menu, source.groups[0],
                                     source.groups[1]);
            menuDivisor[static_cast<std::size_t>(sourceTag(s, r))] = kSourceScale;
            makeOptionMenu(slot.destinations[static_cast<std::size_t>(r)], destinationTag(s, r), at.destinationX,
                           kDestinationY, kSlotMenuImage, 0, nullptr, kDestinationScale);
        }
        for (int j = 0; j < editor::kFxKnobCount; ++j) {
            const auto k = static_cast<std::size_t>(j);
            const std::int32_t tag = param::effectParameterIndex(s, j);
            const std::int32_t x = 14 + 47 * (j % 5);
            const std::int32_t y = 70 + 41 * (j / 5);
            makeKnob(slot.knobsA[k], tag, x, y);
            makeKnobAlt(slot.knobsB[k], tag, x, y);
            makeOnOffButtonWithImage(slot.switches[k], tag, x, y, kSwitchImage);
            makeLabelCentred(slot.labels[k], 9 + 47 * (j % 5), 99 + 41 * (j / 5), kPositionLabelWidth, "temp",
                             kCaptionFont);
        }
        for (std::size_t row = 0; row < slot.gateRows.size(); ++row)
            slot.gateRows[row] = new blueGatorDisplay(kGateRowPlaces[row], this,
                                                      param::effectParameterIndex(s, editor::kFirstGateRow + static_cast<int>(row)));
    }
}

// A type read back beyond the list is what the engine takes it for: no effect.
int uEditor::fxTypeOfSlot(int slot)
{
    const float stored = plugin()->getParameter(param::effectType[static_cast<std::size_t>(slot)]);
    const auto type = static_cast<int>(stored * kTypeScale);
    return type < editor::kFxTypeCount ? type : 0;
}

void uEditor::layoutFxSlot()
{
    if (effectsContainer == nullptr)
        return;
    const int s = std::clamp(selectedFxSlot, 0, EffectsPageControls::kSlotCount - 1);
    EffectsPageControls::Slot& slot = effectsPage.slots[static_cast<std::size_t>(s)];
    effectsContainer->removeAll(false);
    const int type = fxTypeOfSlot(s);
    effectsContainer->setBackground(image(editor::fxBackgroundImage(type)));
    const auto add = [this](Toolkit::CView* view) {
        if (view != nullptr)
            effectsContainer->addView(view);
    };
    for (myLabel* label : effectsPage.fixedLabels)
        add(label);
    add(effectsPage.routingMenu);
    add(slot.bypass);
    add(slot.type);
    add(slot.mix);
    add(slot.pan);
    for (std::size_t r = 0; r < 2; ++r) {
        add(slot.amounts[r]);
        add(slot.sources[r].menu);
        add(slot.destinations[r]);
    }

    const editor::FxTypeLayout& layout = editor::kFxTypeLayouts[static_cast<std::size_t>(type)];
    for (int j = 0; j < layout.count; ++j) {
        const auto k = static_cast<std::size_t>(j);
        if (fxPositionShown[type][j] != 0) {
            if (fxPositionIsSwitch[type][j] != 0) {
                if (myOnOff* button = slot.switches[k]) {
                    button->setValue(plugin()->getParameter(button->getTag()) >= 0.5f ? 1.0f : 0.0f);
                    button->setDirty(true);
                    add(button);
                }
            } else {
                add(fxPositionKnobB[type][j] != 0 ? slot.knobsB[k] : slot.knobsA[k]);
            }
        }
        if (myLabel* label = slot.labels[k]) {
            label->setText(layout.labels[k]);
            label->setDirty(true);
            add(label);
        }
    }
    if (type == editor::kGatorType)
        for (blueGatorDisplay* row : slot.gateRows)
            add(row);

    updateFxDestinationMenus();
    // The refresh shows the destinations' texts from the new list.
    refreshEffectsPage();
    effectsContainer->setDirty(true);
}

void uEditor::updateFxDestinationMenus()
{
    const int s = std::clamp(selectedFxSlot, 0, EffectsPageControls::kSlotCount - 1);
    EffectsPageControls::Slot& slot = effectsPage.slots[static_cast<std::size_t>(s)];
    for (myOptionMenu* menu : slot.destinations)
        if (menu != nullptr)
            menu->removeAllEntry();
    std::memset(fxDestinationNames, 0, sizeof(fxDestinationNames));
    const editor::FxTypeLayout& layout = editor::kFxTypeLayouts[static_cast<std::size_t>(fxTypeOfSlot(s))];
    const std::array<const char*, kFirstPositionDestination> fixed = {"None", "Mix", "Pan "};
    for (std::size_t n = 0; n < fixed.size(); ++n)
        std::strcpy(fxDestinationNames[n], fixed[n]);
    for (int j = 0; j < layout.count; ++j)
        std::strncpy(fxDestinationNames[kFirstPositionDestination + j], layout.labels[static_cast<std::size_t>(j)],
                     kFxDestinationNameSize - 1);
    for (int n = 0; n < layout.count + kFirstPositionDestination; ++n)
        for (myOptionMenu* menu : slot.destinations)
            if (menu != nullptr)
                menu->addEntry(fxDestinationNames[n]);
}

void uEditor::refreshEffectsPage()
{
    const int s = std::clamp(selectedFxSlot, 0, EffectsPageControls::kSlotCount - 1);
    EffectsPageControls::Slot& slot = effectsPage.slots[static_cast<std::size_t>(s)];
    for (myOptionMenu* menu : {effectsPage.routingMenu, slot.type, slot.destinations[0], slot.destinations[1]}) {
        if (menu == nullptr)
            continue;
        Toolkit::CControl* control = menu;
        menuFromParameter(control);
        effectsPageSetParameter(menu->getTag(), plugin()->getParameter(menu->getTag()));
    }
    for (EffectsPageControls::SourceMenu& source : slot.sources) {
        if (source.menu == nullptr)
            continue;
        Toolkit::CControl* control = source.menu;
        controlFromParameter(control, source.menu->getTag(), kSourceScale);
        effectsPageSetParameter(source.menu->getTag(), plugin()->getParameter(source.menu->getTag()));
    }
    for (blueGatorDisplay* row : slot.gateRows)
        if (row != nullptr) {
            row->setValue(plugin()->getParameter(row->getTag()));
            row->setDirty(true);
        }
    fxLayoutPending = 1;
}

void uEditor::effectsPageSetParameter(std::int32_t tag, float value)
{
    if (tag == param::kEffectRouting) {
        const auto count = static_cast<std::int32_t>(display::kEffectRoutingNames.size());
        showStepName(effectsPage.routingMenu, value, kRoutingScale, count, display::kEffectRoutingNames);
        return;
    }
    const int s = std::clamp(selectedFxSlot, 0, EffectsPageControls::kSlotCount - 1);
    EffectsPageControls::Slot& slot = effectsPage.slots[static_cast<std::size_t>(s)];
    if (tag == param::effectType[static_cast<std::size_t>(s)] && slot.type != nullptr) {
        const auto type = static_cast<std::size_t>(value * kTypeScale);
        const std::string name(param::kEffectTypeNames[type < param::kEffectTypeNames.size() ? type : 0]);
        slot.type->setDisplayText(name.c_str());
        return;
    }
    for (int r = 0; r < 2; ++r) {
        const auto routing = static_cast<std::size_t>(r);
        if (tag == sourceTag(s, r))
            showStepName(slot.sources[routing].menu, value, kSourceScale,
                         static_cast<std::int32_t>(display::kModSourceNames.size()), display::kModSourceNames);
        if (tag == destinationTag(s, r) && slot.destinations[routing] != nullptr) {
            const int item = std::clamp(static_cast<int>(value * kDestinationScale), 0, kFxDestinationNameCount - 1);
            // An item the type does not have shows as a blank.
            const char* text = fxDestinationNames[item];
            slot.destinations[routing]->setDisplayText(text[0] != 0 ? text : nullptr);
        }
    }
}

bool uEditor::effectsPageValueChanged(Toolkit::CDrawContext*, Toolkit::CControl* control)
{
    if (effectsPage.routingMenu != nullptr && control == effectsPage.routingMenu) {
        controlToParameter(param::kEffectRouting, effectsPage.routingMenu->getCurrent(nullptr, false), kRoutingScale);
        return true;
    }
    const int selected = std::clamp(selectedFxSlot, 0, EffectsPageControls::kSlotCount - 1);
    EffectsPageControls::Slot& shown = effectsPage.slots[static_cast<std::size_t>(selected)];
    if (shown.type != nullptr && control == shown.type) {
        changeFxType(selected, static_cast<std::int32_t>(control->getValue()));
        return true;
    }
    for (int s = 0; s < EffectsPageControls::kSlotCount; ++s) {
        EffectsPageControls::Slot& slot = effectsPage.slots[static_cast<std::size_t>(s)];
        for (int r = 0; r < 2; ++r) {
            EffectsPageControls::SourceMenu& source = slot.sources[static_cast<std::size_t>(r)];
            if (editor::holdsChoice(source.menu, source.groups, control)) {
                const int n = editor::nameIndex(display::kModSourceNames, editor::chosenText(control));
                if (n >= 0) {
                    controlToParameter(sourceTag(s, r), n, kSourceScale);
                    Toolkit::CControl* menu = source.menu;
                    controlFromParameter(menu, sourceTag(s, r), kSourceScale);
                    source.menu->setValue(static_cast<float>(n));
                    return true;
                }
            }
            myOptionMenu* destination = slot.destinations[static_cast<std::size_t>(r)];
            if (destination != nullptr && control == destination) {
                const std::string chosen = editor::chosenText(control);
                for (int n = 0; n < kDestinationsLookedUp; ++n)
                    if (chosen == fxDestinationNames[n]) {
                        controlToParameter(destinationTag(s, r), n, kDestinationScale);
                        return true;
                    }
            }
        }
    }
    for (blueGatorDisplay* row : shown.gateRows)
        if (row != nullptr && control == row) {
            plugin()->setParameterAutomated(row->getTag(), row->getValue());
            return true;
        }
    return false;
}

// The slot's values go into the memory of the type it leaves and come back from that of the type it
// takes, whose initial values become the parameters' defaults.
void uEditor::changeFxType(int slot, std::int32_t item)
{
    const auto n = static_cast<std::size_t>(slot);
    const std::int32_t typeTag = param::effectType[n];
    const auto left = static_cast<int>(plugin()->getParameter(typeTag) * kTypeScale);
    const auto fieldTag = [slot, n](int field) {
        if (field == kMixField)
            return param::effectSlotMix[n];
        if (field == kPanField)
            return param::effectSlotPan[n];
        return param::effectParameterIndex(slot, field);
    };
    constexpr int kFieldCount = kPanField + 1;
    if (left < editor::kFxTypeCount)
        for (int field = 0; field < kFieldCount; ++field)
            fxTypeMemory[left][field] = plugin()->getParameter(fieldTag(field));

    controlToParameter(typeTag, item, kTypeScale);
    const int taken = fxTypeOfSlot(slot);
    for (int field = 0; field < kFieldCount; ++field) {
        const std::int32_t tag = fieldTag(field);
        const float initial = fxTypeDefaults[taken][field];
        plugin()->setDefaultValue(tag, initial);
        for (std::int32_t entry = firstWithTag[static_cast<std::size_t>(tag)]; entry >= 0;
             entry = nextWithTag[static_cast<std::size_t>(entry)])
            controlRegistry[static_cast<std::size_t>(entry)]->setDefaultValue(initial);
        plugin()->setParameter(tag, fxTypeMemory[taken][field]);
    }
    const EffectsPageControls::Slot& controls = effectsPage.slots[n];
    if (taken == editor::kGatorType && controls.gateRows[0] != nullptr && controls.gateRows[1] != nullptr)
        for (int row = 0; row < 2; ++row)
            plugin()->setParameterAutomated(param::effectParameterIndex(slot, editor::kFirstGateRow + row),
                                            fxTypeMemory[taken][editor::kFirstGateRow + row]);
    layoutFxSlot();
}

void uEditor::releaseEffectsPage()
{
    effectsPage.forgetAll();
}

void uEditor::deleteEffectsPage()
{
    effectsPage.forgetAll();
}

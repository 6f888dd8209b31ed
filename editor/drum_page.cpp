#include "editor/drum_page.h"

#include "editor/control_release.h"
#include "editor/controls/my_bitmap.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/controls/my_radio_bitmap_button.h"
#include "editor/entry_texts.h"
#include "editor/ueditor.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "toolkit/kick_button.h"
#include "toolkit/view_container.h"

#include <algorithm>
#include <string>
#include <tuple>

namespace editor {

namespace {

constexpr float kModelScale = kravo::param::choicescale::kDrumModel;
constexpr std::int32_t kKnobRowBands = 4;
constexpr std::int32_t kLeftColumnBand = 4;
constexpr std::int32_t kGridColumns = 10;

// Knob captions: centred under the knob, the left column's beside the section.
constexpr std::int32_t kLeftColumnX = 12;
constexpr std::int32_t kLeftCaptionX = 5;
constexpr std::int32_t kFirstKnobRowY = 33;
constexpr std::int32_t kKnobRowStep = 48;
constexpr std::int32_t kCaptionIndent = 6;
constexpr std::int32_t kCaptionDrop = 29;
constexpr std::int32_t kCaptionWidth = 50;
constexpr std::int32_t kKnobSpacing = 47;
constexpr std::int32_t kMarkIndent = 32;
constexpr std::int32_t kSectionIndent = 13;
using kravo::param::kFirstTomUserSlot;

bool shownFor(ModelSet models, std::int32_t model) { return (models >> model & 1u) != 0; }

} // namespace

int DrumPage::kindIndexOf(std::int32_t voice) const
{
    const auto found = std::find(layout.voices.begin(), layout.voices.end(), voice);
    return found == layout.voices.end() ? -1 : static_cast<int>(found - layout.voices.begin());
}

std::int32_t DrumPage::modelOf(uEditor& editor, int index) const
{
    return static_cast<std::int32_t>(editor.plugin()->getParameter(layout.modelParameterBase + index) * kModelScale);
}

void DrumPage::build(uEditor& editor)
{
    buildCaptions(editor);
    voiceControls.assign(layout.voices.size(), VoiceControls{});
    for (std::size_t index = 0; index < voiceControls.size(); ++index) {
        VoiceControls& voice = voiceControls[index];
        const auto offset = static_cast<std::int32_t>(index);
        makeModelMenu(editor, voice, layout.modelParameterBase + offset);
        for (const DrumMenuSlot& slot : layout.menus) {
            const EntryTexts entries(slot.entries);
            myOptionMenu* menu = nullptr;
            editor.makeStandardOptionMenu(menu, slot.parameterBase + offset, slot.x, slot.y, entries.count(),
                                          entries.entries(), static_cast<float>(entries.count()) - 0.01f);
            voice.menus.push_back(menu);
        }
        for (const DrumKnobSlot& slot : layout.knobs) {
            myKnob* knob = nullptr;
            if (slot.bipolar)
                editor.makeKnobAlt(knob, slot.parameterBase + offset, slot.x, slot.y);
            else
                editor.makeKnob(knob, slot.parameterBase + offset, slot.x, slot.y);
            voice.knobs.push_back(knob);
        }
    }
}

// The caption cells of the layout's table and those its knobs carry, a knob's caption centred 29 px
// under it (the left column's beside the section), in band and place order.
std::vector<DrumPage::CaptionSlot> DrumPage::captionSlots() const
{
    std::vector<CaptionSlot> slots;
    if (layout.captionGrid != nullptr) {
        const CaptionGrid& grid = *layout.captionGrid;
        for (const CaptionCell& cell : layout.captionCells) {
            const auto column = static_cast<std::size_t>(cell.column);
            if (cell.band < kKnobRowBands)
                slots.push_back({cell.band, grid.columnX[column], grid.rowY[static_cast<std::size_t>(cell.band)],
                                 grid.columnWidth, CaptionAlign::centred, cell.texts});
            else if (cell.band == kLeftColumnBand)
                slots.push_back({cell.band, grid.leftX, grid.rowY[column], grid.leftWidth, CaptionAlign::centred,
                                 cell.texts});
            else
                slots.push_back({cell.band, grid.menuX[column], grid.menuY, grid.menuWidth, CaptionAlign::right,
                                 cell.texts});
        }
    }
    for (const DrumKnobSlot& knob : layout.knobs) {
        if (knob.caption == nullptr)
            continue;
        const bool leftColumn = knob.x == kLeftColumnX;
        const std::int32_t band = leftColumn ? kLeftColumnBand : (knob.y - kFirstKnobRowY) / kKnobRowStep;
        const std::int32_t x = leftColumn ? kLeftCaptionX : knob.x - kCaptionIndent;
        const std::int32_t y = knob.y + kCaptionDrop;
        auto slot = std::find_if(slots.begin(), slots.end(),
                                 [&](const CaptionSlot& s) { return s.band == band && s.x == x && s.y == y; });
        if (slot == slots.end()) {
            slots.push_back({band, x, y, kCaptionWidth, CaptionAlign::centred, {}});
            slot = slots.end() - 1;
        }
        for (std::int32_t model = 0; model < layout.synthModelCount; ++model)
            if (shownFor(knob.models, model))
                slot->texts[static_cast<std::size_t>(model)] = knob.caption;
    }
    std::stable_sort(slots.begin(), slots.end(), [](const CaptionSlot& a, const CaptionSlot& b) {
        return std::tuple(a.band, a.x, a.y) < std::tuple(b.band, b.x, b.y);
    });
    return slots;
}

// One label per cell and model with a text, even where two models show the same one.
void DrumPage::buildCaptions(uEditor& editor)
{
    for (const CaptionSlot& slot : captionSlots())
        for (std::int32_t model = 0; model < layout.synthModelCount; ++model)
            if (const char* text = slot.texts[static_cast<std::size_t>(model)]; text != nullptr)
                captions.push_back({makeCaption(editor, {text, slot.x, slot.y, slot.width, slot.align}), onModels(model)});
    for (const PlacedCaption& extra : layout.extraCaptions)
        captions.push_back({makeCaption(editor, {extra.text, extra.x, extra.y, extra.width, extra.align}), extra.models});
}

void DrumPage::makeModelMenu(uEditor& editor, VoiceControls& voice, std::int32_t tag)
{
    const std::span<const std::int32_t> sizes = layout.modelGroupSizes;
    const auto copyGroups = [&voice](const auto& groups) { std::copy(groups.begin(), groups.end(), voice.groups.begin()); };
    if (sizes.size() == 3) {
        std::array<myOptionMenu*, 3> groups{};
        editor.makeModelMenu(voice.modelMenu, tag, layout.modelMenuX, layout.modelMenuY, groups,
                             {sizes[0], sizes[1], sizes[2]}, layout.modelNames, kModelScale);
        copyGroups(groups);
    } else if (sizes.size() == 4) {
        std::array<myOptionMenu*, 4> groups{};
        editor.makeSnareModelMenu(voice.modelMenu, tag, layout.modelMenuX, layout.modelMenuY, groups,
                                  {sizes[0], sizes[1], sizes[2], sizes[3]}, layout.modelNames, kModelScale);
        copyGroups(groups);
    } else if (sizes.size() == 5) {
        std::array<myOptionMenu*, 5> groups{};
        editor.makeUserModelMenu(voice.modelMenu, tag, layout.modelMenuX, layout.modelMenuY, groups,
                                 {sizes[0], sizes[1], sizes[2], sizes[3], sizes[4]}, layout.modelNames, kModelScale);
        copyGroups(groups);
    }
}

void DrumPage::update(uEditor& editor)
{
    const std::int32_t voice = editor.selectedVoice;
    const int index = kindIndexOf(voice);
    Toolkit::CViewContainer* container = editor.synthVoiceContainer;
    if (index < 0 || container == nullptr)
        return;
    const std::int32_t model = modelOf(editor, index);
    const VoiceControls& controls = voiceControls[static_cast<std::size_t>(index)];
    MainPageControls& main = editor.mainPage;
    const auto add = [container](Toolkit::CView* view) {
        if (view != nullptr)
            container->addView(view);
    };
    container->removeAll(false);
    const bool tomUserVoice = layout.tomUserButtons && voice >= kFirstTomUserSlot &&
                              voice < kFirstTomUserSlot + MainPageControls::kTomUserSlotCount;
    container->setBackground(editor.image(tomUserVoice ? layout.tomUserBackground : layout.background));
    if (tomUserVoice)
        addTomUserButtons(editor, voice);
    add(main.easyBypassSwitches[static_cast<std::size_t>(voice)]);
    for (myLabel* caption : main.synthBypassCaptions)
        add(caption);
    if (layout.commonStripFirst)
        editor.showCommonStrip(voice);
    add(controls.modelMenu);
    if (!layout.commonStripFirst)
        editor.showCommonStrip(voice);
    if (model >= layout.synthModelCount) {
        editor.showSampleLayerControls(voice);
    } else {
        for (const Caption& caption : captions)
            if (shownFor(caption.models, model))
                add(caption.label);
        const std::vector<MarkCell> marks =
            layout.derivedMarks ? marksOf(model) : std::vector<MarkCell>(layout.marks.begin(), layout.marks.end());
        for (const MarkCell& mark : marks)
            if (shownFor(mark.models, model))
                add(main.cellGrids[static_cast<std::size_t>(mark.grid)]
                                  [static_cast<std::size_t>(mark.row * kGridColumns + mark.column)]);
        for (const PageFurniture& item : layout.furniture)
            if (shownFor(item.models, model))
                add(item.menu >= 0 ? controls.menus[static_cast<std::size_t>(item.menu)]
                                   : editor.mainPagePicture(item.image, item.x, item.y));
        for (std::size_t slot = 0; slot < controls.knobs.size(); ++slot)
            if (shownFor(layout.knobs[slot].models, model))
                add(controls.knobs[slot]);
    }
    for (Toolkit::CKickButton* button : main.modelStepButtons)
        add(button);
    refresh(editor);
}

// A mark joins two knobs of one row 47 px apart, unless the right one starts a section (it stands 13 px
// right of a panel the model shows). It sits 32 px right of the left knob and 13 px down, in the second
// set where that set's columns differ from the first.
std::vector<MarkCell> DrumPage::marksOf(std::int32_t model) const
{
    static constexpr std::array<std::int32_t, kGridColumns> kFirstSet = {111, 158, 205, 252, 312, 359, 406, 453, 500, 547};
    static constexpr std::array<std::int32_t, kGridColumns> kSecondSet = {111, 158, 205, 252, 299, 346, 406, 453, 500, 547};
    const auto startsSection = [&](std::int32_t x) {
        return std::any_of(layout.furniture.begin(), layout.furniture.end(), [&](const PageFurniture& item) {
            return item.menu < 0 && shownFor(item.models, model) && item.x + kSectionIndent == x;
        });
    };
    const auto knobAt = [&](std::int32_t x, std::int32_t y) {
        return std::any_of(layout.knobs.begin(), layout.knobs.end(), [&](const DrumKnobSlot& knob) {
            return knob.x == x && knob.y == y && shownFor(knob.models, model);
        });
    };
    std::vector<MarkCell> marks;
    for (std::int32_t row = 0; row < kKnobRowBands; ++row) {
        const std::int32_t y = kFirstKnobRowY + row * kKnobRowStep;
        for (std::int32_t column = 0; column < kGridColumns; ++column) {
            const auto c = static_cast<std::size_t>(column);
            // Where the two sets differ, each has marks of its own.
            for (std::int32_t grid = 0; grid < (kFirstSet[c] == kSecondSet[c] ? 1 : 2); ++grid) {
                const std::int32_t left = (grid == 0 ? kFirstSet[c] : kSecondSet[c]) - kMarkIndent;
                if (knobAt(left, y) && knobAt(left + kKnobSpacing, y) && !startsSection(left + kKnobSpacing))
                    marks.push_back({row, column, onModels(model), grid});
            }
        }
    }
    return marks;
}

// The Tom / User voice's two buttons, the one of its switch's side on, with their captions.
void DrumPage::addTomUserButtons(uEditor& editor, std::int32_t voice)
{
    const auto slot = static_cast<std::size_t>(voice - kFirstTomUserSlot);
    MainPageControls& main = editor.mainPage;
    if (slot >= main.tomButtons.size())
        return;
    const bool user = editor.plugin()->getParameter(kravo::param::tomUserSwitch[slot]) >= 0.5f;
    for (auto [button, on] : {std::pair{main.tomButtons[slot], !user}, std::pair{main.userButtons[slot], user}})
        if (button != nullptr) {
            editor.synthVoiceContainer->addView(button);
            button->setValue(on ? 1.0f : 0.0f);
        }
    for (myLabel* caption : main.tomUserCaptions)
        if (caption != nullptr)
            editor.synthVoiceContainer->addView(caption);
}

void DrumPage::refresh(uEditor& editor)
{
    const int index = kindIndexOf(editor.selectedVoice);
    if (index < 0)
        return;
    VoiceControls& controls = voiceControls[static_cast<std::size_t>(index)];
    Toolkit::CControl* model = controls.modelMenu;
    editor.controlFromParameter(model, layout.modelParameterBase + index, kModelScale);
    for (myOptionMenu* menu : controls.menus) {
        Toolkit::CControl* control = menu;
        editor.menuFromParameter(control);
    }
}

void DrumPage::setParameter(uEditor& editor, std::int32_t index, float value)
{
    for (std::size_t voice = 0; voice < voiceControls.size(); ++voice) {
        VoiceControls& controls = voiceControls[voice];
        const auto offset = static_cast<std::int32_t>(voice);
        if (index == layout.modelParameterBase + offset)
            editor.showStepName(controls.modelMenu, editor.plugin()->getParameter(index), kModelScale,
                                static_cast<std::int32_t>(layout.modelNames.size()), layout.modelNames);
        for (std::size_t slot = 0; slot < controls.menus.size(); ++slot)
            if (index == layout.menus[slot].parameterBase + offset)
                editor.setControlFromParameter(controls.menus[slot], value, layout.menus[slot].entries);
    }
}

bool DrumPage::valueChanged(uEditor& editor, Toolkit::CControl* control)
{
    for (std::size_t voice = 0; voice < voiceControls.size(); ++voice) {
        VoiceControls& controls = voiceControls[voice];
        const bool modelChoice = control == controls.modelMenu ||
                                 std::find(controls.groups.begin(), controls.groups.end(), control) != controls.groups.end();
        if (control != nullptr && modelChoice && chooseModel(editor, static_cast<int>(voice), control))
            return true;
        for (myOptionMenu* menu : controls.menus)
            if (menu != nullptr && control == menu) {
                const std::int32_t tag = menu->getTag();
                editor.controlToParameter(tag, menu->getCurrent(nullptr, false),
                                          editor.menuDivisor[static_cast<std::size_t>(tag)]);
                return true;
            }
    }
    return false;
}

// The chosen entry is found by its text in the kind's full list of models.
bool DrumPage::chooseModel(uEditor& editor, int index, Toolkit::CControl* control)
{
    auto* chosenMenu = static_cast<myOptionMenu*>(control);
    char text[Toolkit::COptionMenu::kEntrySize] = {};
    if (!chosenMenu->getEntry(chosenMenu->getCurrent(), text))
        return false;
    const auto found = std::find(layout.modelNames.begin(), layout.modelNames.end(), std::string_view(text));
    if (found == layout.modelNames.end())
        return false;
    VoiceControls& controls = voiceControls[static_cast<std::size_t>(index)];
    const std::int32_t tag = layout.modelParameterBase + index;
    editor.controlToParameter(tag, static_cast<std::int32_t>(found - layout.modelNames.begin()), kModelScale);
    Toolkit::CControl* model = controls.modelMenu;
    editor.controlFromParameter(model, tag, kModelScale);
    editor.plugin()->loadFactorySample(layout.voices[static_cast<std::size_t>(index)]);
    editor.updateVoicePage();
    return true;
}

void DrumPage::forget()
{
    for (VoiceControls& voice : voiceControls) {
        release(voice.modelMenu);
        for (myOptionMenu*& menu : voice.menus)
            release(menu);
        for (myKnob*& knob : voice.knobs)
            release(knob);
    }
    voiceControls.clear();
    for (Caption& caption : captions)
        release(caption.label);
    captions.clear();
}

} // namespace editor

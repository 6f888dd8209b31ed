#include "editor/drum_page.h"

#include "editor/controls/my_bitmap.h"
#include "editor/controls/my_knob.h"
#include "editor/controls/my_label.h"
#include "editor/controls/my_on_off.h"
#include "editor/controls/my_option_menu.h"
#include "editor/entry_texts.h"
#include "editor/ueditor.h"
#include "plugin/aplugin.h"
#include "plugin/parameters/parameter_reading.h"
#include "toolkit/kick_button.h"
#include "toolkit/view_container.h"

#include <algorithm>
#include <string>

namespace editor {

namespace {

constexpr std::int32_t kVoicePageImage = 10140;
constexpr std::int32_t kCaptionFont = 0;
constexpr float kModelScale = kravo::param::choicescale::kDrumModel;
constexpr std::int32_t kKnobRowBands = 4;
constexpr std::int32_t kLeftColumnBand = 4;
constexpr std::int32_t kGridColumns = 10;
constexpr std::size_t kEntrySize = 256;

bool shownFor(ModelSet models, std::int32_t model) { return (models >> model & 1u) != 0; }

template <typename Control> void release(Control*& control)
{
    if (control != nullptr)
        control->forget();
    control = nullptr;
}

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

// One label per cell and model with a text, even where two models show the same one.
void DrumPage::buildCaptions(uEditor& editor)
{
    const CaptionGrid& grid = *layout.captionGrid;
    for (const CaptionCell& cell : layout.captionCells)
        for (std::int32_t model = 0; model < layout.synthModelCount; ++model) {
            const char* text = cell.texts[static_cast<std::size_t>(model)];
            if (text == nullptr)
                continue;
            myLabel* label = nullptr;
            const auto column = static_cast<std::size_t>(cell.column);
            if (cell.band < kKnobRowBands)
                editor.makeLabelCentred(label, grid.columnX[column], grid.rowY[static_cast<std::size_t>(cell.band)],
                                        grid.columnWidth, text, kCaptionFont);
            else if (cell.band == kLeftColumnBand)
                editor.makeLabelCentred(label, grid.leftX, grid.rowY[column], grid.leftWidth, text, kCaptionFont);
            else
                editor.makeLabelRight(label, grid.menuX[column], grid.menuY, grid.menuWidth, text, kCaptionFont);
            captions.push_back({label, onModels(model)});
        }
    for (const PlacedCaption& extra : layout.extraCaptions) {
        myLabel* label = nullptr;
        editor.makeLabelCentred(label, extra.x, extra.y, extra.width, extra.text, kCaptionFont);
        captions.push_back({label, extra.models});
    }
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
    container->setBackground(editor.image(kVoicePageImage));
    add(main.easyBypassSwitches[static_cast<std::size_t>(voice)]);
    for (myLabel* caption : main.synthBypassCaptions)
        add(caption);
    add(controls.modelMenu);
    editor.showCommonStrip(voice);
    if (model >= layout.synthModelCount) {
        editor.showSampleLayerControls(voice);
    } else {
        for (const Caption& caption : captions)
            if (shownFor(caption.models, model))
                add(caption.label);
        for (const MarkCell& mark : layout.marks)
            if (shownFor(mark.models, model))
                add(main.cellGrids[0][static_cast<std::size_t>(mark.row * kGridColumns + mark.column)]);
        for (myOptionMenu* menu : controls.menus)
            add(menu);
        for (const PagePicture& picture : layout.pictures)
            if (shownFor(picture.models, model))
                add(editor.mainPagePicture(picture.image, picture.x, picture.y));
        for (std::size_t slot = 0; slot < controls.knobs.size(); ++slot)
            if (shownFor(layout.knobs[slot].models, model))
                add(controls.knobs[slot]);
    }
    for (Toolkit::CKickButton* button : main.modelStepButtons)
        add(button);
    refresh(editor);
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
    char text[kEntrySize] = {};
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

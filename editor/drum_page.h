#pragma once

// One drum voice page, driven by its kind's layout: per voice a model menu, option menus and knobs;
// captions shared by the kind's voices; and per synthesised model which knobs, captions, connector marks
// and panels the synth-voice container shows. A model that plays a factory sample shows the main page's
// sample-layer controls instead. Every drum kind's page is one of these over its own tables.

#include "editor/caption.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class myKnob;
class myLabel;
class myOptionMenu;
class uEditor;

namespace Toolkit {
class CControl;
} // namespace Toolkit

namespace editor {

// Bit m set: shown for synthesised model m.
using ModelSet = std::uint32_t;

template <typename... Models> constexpr ModelSet onModels(Models... models)
{
    return ((ModelSet{1} << models) | ...);
}

inline constexpr int kMostSynthModels = 12;
inline constexpr int kMostModelGroups = 5;

// A control's parameter is base + the voice's index within its kind. A knob with a caption gets it
// centred under it (or beside the section for the left column), one label per model it shows on.
struct DrumKnobSlot {
    std::int32_t parameterBase;
    std::int32_t x;
    std::int32_t y;
    ModelSet models;
    const char* caption = nullptr;
    bool bipolar = false;
};

struct DrumMenuSlot {
    std::int32_t parameterBase;
    std::int32_t x;
    std::int32_t y;
    std::span<const std::string_view> entries;
};


// One caption cell: band 0..3 under the knob rows, 4 the left column, 5 the menus; a text per model,
// null for none. Each model with a text gets a label of its own.
struct CaptionCell {
    std::int32_t band;
    std::int32_t column;
    std::array<const char*, kMostSynthModels> texts;
};

// Where the caption cells stand.
struct CaptionGrid {
    std::array<std::int32_t, 10> columnX;
    std::int32_t columnWidth;
    std::array<std::int32_t, 4> rowY;
    std::int32_t leftX;
    std::int32_t leftWidth;
    std::array<std::int32_t, 4> menuX;
    std::int32_t menuY;
    std::int32_t menuWidth;
};

struct PlacedCaption {
    const char* text;
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    CaptionAlign align;
    ModelSet models;
};

// A connector mark of one of the main page's two cell grids (0 the first set, 1 the second).
struct MarkCell {
    std::int32_t row;
    std::int32_t column;
    ModelSet models;
    std::int32_t grid = 0;
};

// What the page adds between its marks and its knobs, in order: one of its option menus (by slot), or
// a panel, bar or artwork of the main page found by its image and place.
struct PageFurniture {
    std::int32_t menu;
    std::int32_t image;
    std::int32_t x;
    std::int32_t y;
    ModelSet models;
};

constexpr PageFurniture menuOf(std::int32_t slot, ModelSet models) { return {slot, 0, 0, 0, models}; }
constexpr PageFurniture pictureOf(std::int32_t image, std::int32_t x, std::int32_t y, ModelSet models)
{
    return {-1, image, x, y, models};
}

struct DrumPageLayout {
    // The kind's voices; a voice's index within its kind is its place here.
    std::span<const std::int32_t> voices;
    std::int32_t modelParameterBase;
    std::int32_t synthModelCount;
    std::int32_t modelMenuX = 103;
    std::int32_t modelMenuY = 3;
    std::span<const std::string_view> modelNames;
    std::span<const std::int32_t> modelGroupSizes;
    std::span<const DrumMenuSlot> menus;
    std::span<const DrumKnobSlot> knobs;
    std::span<const CaptionCell> captionCells;
    const CaptionGrid* captionGrid;
    std::span<const PlacedCaption> extraCaptions = {};
    std::span<const MarkCell> marks = {};
    std::span<const PageFurniture> furniture;
    std::int32_t background = 10140;
    // The hi-hat and user pages add the common strip before the model menu, the others after it.
    bool commonStripFirst = false;
    // The tom and user pages show a Tom / User voice's Tom and User buttons and their captions first, on
    // this background.
    bool tomUserButtons = false;
    std::int32_t tomUserBackground = 10141;
    // The user page's marks are not listed: a mark joins two knobs of a row 47 px apart unless the right
    // one starts a section.
    bool derivedMarks = false;
};

class DrumPage {
public:
    explicit DrumPage(const DrumPageLayout& layout) : layout(layout) {}

    void build(uEditor& editor);
    // Fill the synth-voice container for the selected voice and its model; nothing for a voice of
    // another kind.
    void update(uEditor& editor);
    void refresh(uEditor& editor);
    // The shown text of a menu whose parameter changed, for every voice of the kind.
    void setParameter(uEditor& editor, std::int32_t index, float value);
    // True when the control is one of the page's menus, and its choice was written.
    bool valueChanged(uEditor& editor, Toolkit::CControl* control);
    // Releases every control once and clears every pointer.
    void forget();

    // The voice's index within the kind, -1 for a voice of another kind.
    int kindIndexOf(std::int32_t voice) const;
    std::int32_t modelOf(uEditor& editor, int index) const;
    myOptionMenu* modelMenu(int index) const { return voiceControls.at(static_cast<std::size_t>(index)).modelMenu; }
    myKnob* knob(int index, std::size_t slot) const { return voiceControls.at(static_cast<std::size_t>(index)).knobs.at(slot); }
    myOptionMenu* menu(int index, std::size_t slot) const { return voiceControls.at(static_cast<std::size_t>(index)).menus.at(slot); }

private:
    struct VoiceControls {
        myOptionMenu* modelMenu = nullptr;
        std::array<myOptionMenu*, kMostModelGroups> groups{};
        std::vector<myOptionMenu*> menus;
        std::vector<myKnob*> knobs;
    };
    struct Caption {
        myLabel* label;
        ModelSet models;
    };
    // One cell of captions before its labels are made: a text per model.
    struct CaptionSlot {
        std::int32_t band;
        std::int32_t x;
        std::int32_t y;
        std::int32_t width;
        CaptionAlign align;
        std::array<const char*, kMostSynthModels> texts;
    };

    std::vector<CaptionSlot> captionSlots() const;

    void buildCaptions(uEditor& editor);
    void addTomUserButtons(uEditor& editor, std::int32_t voice);
    std::vector<MarkCell> marksOf(std::int32_t model) const;
    void makeModelMenu(uEditor& editor, VoiceControls& voice, std::int32_t tag);
    bool chooseModel(uEditor& editor, int index, Toolkit::CControl* control);

    const DrumPageLayout& layout;
    std::vector<VoiceControls> voiceControls;
    std::vector<Caption> captions;
};

} // namespace editor

// The two hi-hat pages: the closed hats (CL-HH 1 and 2) and the open hats (OP-HH 1 and 2) on three
// synthesised models (a filtered noise; an oscillator with modulator and filter; both), the
// factory-sample models on the sample-layer controls. The open page is the closed one with every
// parameter 120 further on.

#include "editor/drum_page_layouts.h"
#include "editor/ueditor.h"

#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/display/model_names.h"

namespace editor {

namespace {

constexpr std::int32_t kOpenOffset = 120;
constexpr std::array<std::int32_t, 2> kClosedVoices = {4, 6};
constexpr std::array<std::int32_t, 2> kOpenVoices = {5, 7};
constexpr std::array<std::int32_t, 3> kModelGroups = {3, 8, 14};
constexpr std::array<std::string_view, 2> kModulations = {"FM", "Ring"};
constexpr std::array<std::string_view, 3> kOscFilters = {"Off", "HP", "BP"};

constexpr std::array<DrumMenuSlot, 3> kClosedMenus = {{
    {368, 238, 3, kravo::param::display::kVoiceFilterTypeNames},
    {370, 373, 3, kModulations},
    {366, 504, 3, kOscFilters},
}};

constexpr ModelSet kAll = onModels(0, 1, 2);
constexpr ModelSet kNoise = onModels(0);
constexpr ModelSet kOscillator = onModels(1);
constexpr ModelSet kBoth = onModels(2);
constexpr ModelSet kWithOscillator = onModels(1, 2);

constexpr std::array<DrumKnobSlot, 47> kClosedKnobs = {{
    {362, 527, 33, kAll},
    {404, 79, 33, kNoise, "vol"},
    {406, 126, 33, kNoise, "decay"},
    {392, 173, 33, kNoise, "vel"},
    {408, 220, 33, kNoise, "freq"},
    {410, 267, 33, kNoise, "q"},
    {412, 314, 33, kNoise, "vel>freq", true},
    {414, 374, 33, kNoise, "drop", true},
    {416, 421, 33, kNoise, "decay"},
    {418, 468, 33, kNoise, "rise"},
    {404, 79, 33, kBoth, "vol"},
    {406, 126, 33, kBoth, "decay"},
    {408, 173, 33, kBoth, "freq"},
    {410, 220, 33, kBoth, "q"},
    {412, 267, 33, kBoth, "vel>freq", true},
    {414, 327, 33, kBoth, "drop", true},
    {416, 374, 33, kBoth, "decay"},
    {418, 421, 33, kBoth, "rise"},
    {384, 79, 81, kWithOscillator, "vol"},
    {388, 126, 81, kWithOscillator, "freq"},
    {386, 173, 81, kWithOscillator, "vel", true},
    {420, 220, 81, kWithOscillator, "rnd"},
    {390, 79, 129, kWithOscillator, "decay"},
    {392, 126, 129, kWithOscillator, "vel"},
    {394, 327, 81, kWithOscillator, "freq"},
    {396, 374, 81, kWithOscillator, "q"},
    {398, 421, 81, kWithOscillator, "drop", true},
    {400, 468, 81, kWithOscillator, "decay"},
    {402, 515, 81, kWithOscillator, "rise"},
    {378, 327, 129, kWithOscillator, "mod"},
    {372, 374, 129, kWithOscillator, "freq"},
    {374, 421, 129, kWithOscillator, "vel>freq", true},
    {376, 468, 129, kWithOscillator, "spread"},
    {380, 327, 177, kWithOscillator, "drop", true},
    {382, 374, 177, kWithOscillator, "decay"},
    {406, 12, 33, kNoise, "decay"},
    {408, 12, 81, kNoise, "freq"},
    {410, 12, 129, kNoise, "q"},
    {414, 12, 177, kNoise, "drop", true},
    {390, 12, 33, kOscillator, "osc dcy"},
    {394, 12, 81, kOscillator, "filter"},
    {378, 12, 129, kOscillator, "mod"},
    {382, 12, 177, kOscillator, "mod dcy"},
    {406, 12, 33, kBoth, "nse dcy,"},
    {408, 12, 81, kBoth, "nse flt"},
    {384, 12, 129, kBoth, "osc vol"},
    {390, 12, 177, kBoth, "osc dcy"},
}};

template <typename Slot, std::size_t N> constexpr std::array<Slot, N> openOf(const std::array<Slot, N>& closed)
{
    std::array<Slot, N> open = closed;
    for (Slot& slot : open)
        slot.parameterBase += kOpenOffset;
    return open;
}

constexpr std::array<DrumMenuSlot, 3> kOpenMenus = openOf(kClosedMenus);
constexpr std::array<DrumKnobSlot, 47> kOpenKnobs = openOf(kClosedKnobs);

constexpr std::array<CaptionCell, 4> kCaptionCells = {{
    {5, 0, {"model", "model", "model"}},
    {5, 1, {"filter", nullptr, "filter"}},
    {5, 2, {nullptr, "fm /ring", "fm /ring"}},
    {5, 3, {nullptr, "osc filter", "osc filter"}},
}};

constexpr std::array<PlacedCaption, 1> kExtraCaptions = {{{"attack", 520, 62, 50, CaptionAlign::left, kAll}}};

constexpr std::int32_t kSecondSet = 1;

constexpr std::array<MarkCell, 23> kMarks = {{
    {0, 0, kNoise, kSecondSet}, {0, 1, kNoise, kSecondSet}, {0, 3, kNoise, kSecondSet}, {0, 4, kNoise, kSecondSet},
    {0, 6, kNoise, kSecondSet}, {0, 7, kNoise, kSecondSet},
    {0, 0, kBoth}, {0, 2, kBoth}, {0, 3, kBoth}, {0, 5, kBoth}, {0, 6, kBoth},
    {1, 0, kWithOscillator}, {1, 1, kWithOscillator}, {1, 2, kWithOscillator}, {1, 5, kWithOscillator},
    {1, 6, kWithOscillator}, {1, 7, kWithOscillator}, {1, 8, kWithOscillator},
    {2, 0, kWithOscillator}, {2, 5, kWithOscillator}, {2, 6, kWithOscillator}, {2, 7, kWithOscillator},
    {3, 5, kWithOscillator},
}};

// Menus and panels interleave differently per model.
constexpr std::array<PageFurniture, 16> kFurniture = {{
    pictureOf(10079, 514, 22, kAll),
    pictureOf(10093, 66, 21, kNoise),
    pictureOf(10094, 207, 21, kNoise),
    pictureOf(10108, 361, 21, kNoise),
    menuOf(0, kNoise),
    menuOf(1, kWithOscillator),
    menuOf(2, kWithOscillator),
    menuOf(0, kBoth),
    pictureOf(10093, 66, 21, kBoth),
    pictureOf(10116, 160, 21, kBoth),
    pictureOf(10117, 314, 21, kBoth),
    pictureOf(10095, 66, 69, kWithOscillator),
    pictureOf(10096, 314, 69, kWithOscillator),
    pictureOf(10097, 314, 117, kWithOscillator),
    pictureOf(10119, 66, 117, kWithOscillator),
    pictureOf(10078, 316, 124, kWithOscillator),
}};

constexpr DrumPageLayout hiHatLayout(std::span<const std::int32_t> voices, std::int32_t modelParameterBase,
                                     std::span<const DrumMenuSlot> menus, std::span<const DrumKnobSlot> knobs)
{
    return {
        .voices = voices,
        .modelParameterBase = modelParameterBase,
        .synthModelCount = 3,
        .modelNames = kravo::param::display::kHiHatModelNames,
        .modelGroupSizes = kModelGroups,
        .menus = menus,
        .knobs = knobs,
        .captionCells = kCaptionCells,
        .captionGrid = &kMenuCaptionGrid,
        .extraCaptions = kExtraCaptions,
        .marks = kMarks,
        .furniture = kFurniture,
        .commonStripFirst = true,
    };
}

} // namespace

const DrumPageLayout kClosedHatPageLayout = hiHatLayout(kClosedVoices, 364, kClosedMenus, kClosedKnobs);
const DrumPageLayout kOpenHatPageLayout = hiHatLayout(kOpenVoices, 364 + kOpenOffset, kOpenMenus, kOpenKnobs);

} // namespace editor

void uEditor::buildClosedHatPage() { closedHatPage.build(*this); }
void uEditor::updateClosedHatPage() { closedHatPage.update(*this); }
void uEditor::refreshClosedHatPage() { closedHatPage.refresh(*this); }
void uEditor::closedHatPageSetParameter(std::int32_t index, float value) { closedHatPage.setParameter(*this, index, value); }
bool uEditor::closedHatPageValueChanged(Toolkit::CControl* control) { return closedHatPage.valueChanged(*this, control); }
void uEditor::forgetClosedHatPage() { closedHatPage.forget(); }

void uEditor::buildOpenHatPage() { openHatPage.build(*this); }
void uEditor::updateOpenHatPage() { openHatPage.update(*this); }
void uEditor::refreshOpenHatPage() { openHatPage.refresh(*this); }
void uEditor::openHatPageSetParameter(std::int32_t index, float value) { openHatPage.setParameter(*this, index, value); }
bool uEditor::openHatPageValueChanged(Toolkit::CControl* control) { return openHatPage.valueChanged(*this, control); }
void uEditor::forgetOpenHatPage() { openHatPage.forget(); }

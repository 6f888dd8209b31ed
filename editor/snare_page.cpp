// The snare page: SN 1 and SN 2 on their two synthesised models (the oscillator with a filtered noise;
// with the click section), the factory-sample models on the sample-layer controls.

#include "editor/drum_page_layouts.h"
#include "editor/ueditor.h"

#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/display/model_names.h"

namespace editor {

namespace {

constexpr std::array<std::int32_t, 2> kVoices = {2, 3};
constexpr std::array<std::int32_t, 4> kModelGroups = {2, 4, 31, 30};
constexpr std::array<std::string_view, 2> kOscWaves = {"Sine", "Triangle"};
constexpr std::array<std::string_view, 2> kCurveModes = {"High", "Low"};

constexpr std::array<DrumMenuSlot, 3> kMenus = {{
    {268, 238, 3, kOscWaves},
    {266, 373, 3, kravo::param::display::kVoiceFilterTypeNames},
    {270, 504, 3, kCurveModes},
}};

constexpr ModelSet kBoth = onModels(0, 1);
constexpr ModelSet kClick = onModels(1);

constexpr std::array<DrumKnobSlot, 31> kKnobs = {{
    {262, 527, 33, kBoth},
    {274, 79, 33, kBoth, "base"},
    {272, 126, 33, kBoth, "drop"},
    {276, 173, 33, kBoth, "decay"},
    {278, 220, 33, kBoth, "curve"},
    {280, 280, 33, kBoth, "vol"},
    {282, 327, 33, kBoth, "hold"},
    {284, 374, 33, kBoth, "decay"},
    {286, 421, 33, kBoth, "curve"},
    {288, 468, 33, kBoth, "hp"},
    {300, 79, 81, kBoth, "vol"},
    {302, 126, 81, kBoth, "att"},
    {304, 173, 81, kBoth, "decay"},
    {306, 79, 129, kBoth, "freq"},
    {308, 126, 129, kBoth, "q"},
    {312, 173, 129, kBoth, "spread"},
    {314, 220, 129, kBoth, "offset"},
    {316, 280, 129, kBoth, "drop"},
    {318, 327, 129, kBoth, "decay"},
    {320, 374, 129, kBoth, "rise"},
    {322, 421, 129, kBoth, "curve", true},
    {310, 468, 129, kBoth, "vel>freq", true},
    {290, 280, 81, kClick, "vol"},
    {294, 327, 81, kClick, "freq"},
    {292, 374, 81, kClick, "vel>freq", true},
    {296, 421, 81, kClick, "drop"},
    {298, 468, 81, kClick, "decay"},
    {274, 12, 33, kBoth, "base "},
    {276, 12, 81, kBoth, "frq dcy"},
    {300, 12, 129, kBoth, "noise"},
    {304, 12, 177, kBoth, "nse dcy"},
}};

constexpr std::array<CaptionCell, 4> kCaptionCells = {{
    {5, 0, {"model", "model"}},
    {5, 1, {"osc wave", "osc wave"}},
    {5, 2, {"noise filter", "noise filter"}},
    {5, 3, {"curve", "curve"}},
}};

constexpr std::array<PlacedCaption, 1> kExtraCaptions = {{{"attack", 520, 62, 50, CaptionAlign::centred, kBoth}}};

constexpr std::array<MarkCell, 20> kMarks = {{
    {0, 0, kBoth}, {0, 1, kBoth}, {0, 2, kBoth}, {0, 4, kBoth}, {0, 5, kBoth}, {0, 6, kBoth}, {0, 7, kBoth},
    {1, 0, kBoth}, {1, 1, kBoth}, {1, 4, kClick}, {1, 5, kClick}, {1, 6, kClick}, {1, 7, kClick},
    {2, 0, kBoth}, {2, 1, kBoth}, {2, 2, kBoth}, {2, 4, kBoth}, {2, 5, kBoth}, {2, 6, kBoth}, {2, 7, kBoth},
}};

constexpr std::array<PageFurniture, 10> kFurniture = {{
    menuOf(0, kBoth),
    menuOf(1, kBoth),
    menuOf(2, kBoth),
    pictureOf(10079, 514, 22, kBoth),
    pictureOf(10087, 66, 21, kBoth),
    pictureOf(10088, 267, 21, kBoth),
    pictureOf(10089, 66, 69, kBoth),
    pictureOf(10090, 66, 117, kBoth),
    pictureOf(10092, 267, 117, kBoth),
    pictureOf(10091, 267, 69, kClick),
}};

} // namespace

const DrumPageLayout kSnarePageLayout = {
    .voices = kVoices,
    .modelParameterBase = 264,
    .synthModelCount = 2,
    .modelNames = kravo::param::display::kSnareModelNames,
    .modelGroupSizes = kModelGroups,
    .menus = kMenus,
    .knobs = kKnobs,
    .captionCells = kCaptionCells,
    .captionGrid = &kMenuCaptionGrid,
    .extraCaptions = kExtraCaptions,
    .marks = kMarks,
    .furniture = kFurniture,
};

} // namespace editor

void uEditor::buildSnarePage() { snarePage.build(*this); }
void uEditor::updateSnarePage() { snarePage.update(*this); }
void uEditor::refreshSnarePage() { snarePage.refresh(*this); }
void uEditor::snarePageSetParameter(std::int32_t index, float value) { snarePage.setParameter(*this, index, value); }
bool uEditor::snarePageValueChanged(Toolkit::CControl* control) { return snarePage.valueChanged(*this, control); }
void uEditor::forgetSnarePage() { snarePage.forget(); }

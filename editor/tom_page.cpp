// The tom page: the Tom / User voices while their switch says tom, on the two synthesised models (an
// oscillator; with a modulator, a click and an oscillator filter), the factory-sample models on the
// sample-layer controls. The voice's Tom and User buttons stand on the page.

#include "editor/drum_page_layouts.h"
#include "editor/ueditor.h"

#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/display/model_names.h"

namespace editor {

namespace {

constexpr std::array<std::int32_t, 3> kVoices = {10, 11, 12};
constexpr std::array<std::int32_t, 3> kModelGroups = {2, 3, 8};
constexpr std::array<std::string_view, 2> kCurveModes = {"High", "Low"};

constexpr std::array<DrumMenuSlot, 2> kMenus = {{
    {659, 238, 3, kCurveModes},
    {662, 373, 3, kravo::param::display::kVoiceFilterTypeNames},
}};

constexpr ModelSet kBoth = onModels(0, 1);
constexpr ModelSet kPlain = onModels(0);
constexpr ModelSet kFull = onModels(1);

constexpr std::array<DrumKnobSlot, 32> kKnobs = {{
    {656, 527, 33, kBoth},
    {668, 79, 33, kBoth, "base"},
    {665, 126, 33, kBoth, "drop"},
    {671, 173, 33, kBoth, "decay"},
    {674, 220, 33, kBoth, "curve"},
    {731, 267, 33, kBoth, "vel>freq", true},
    {677, 327, 33, kBoth, "hold"},
    {680, 374, 33, kBoth, "decay"},
    {683, 421, 33, kBoth, "curve"},
    {686, 79, 81, kFull, "base"},
    {689, 126, 81, kFull, "drop"},
    {692, 173, 81, kFull, "decay"},
    {701, 327, 81, kFull, "mod"},
    {695, 374, 81, kFull, "hold"},
    {698, 421, 81, kFull, "decay"},
    {704, 79, 129, kFull, "vol"},
    {707, 126, 129, kFull, "mix"},
    {710, 173, 129, kFull, "freq"},
    {713, 220, 129, kFull, "drop"},
    {716, 267, 129, kFull, "decay"},
    {719, 327, 129, kFull, "freq"},
    {722, 374, 129, kFull, "q"},
    {725, 421, 129, kFull, "drop"},
    {728, 468, 129, kFull, "decay"},
    {656, 12, 33, kPlain, "attack"},
    {668, 12, 81, kPlain, "base"},
    {671, 12, 129, kPlain, "frq dcy"},
    {680, 12, 177, kPlain, "amp dcy"},
    {668, 12, 33, kFull, "base"},
    {671, 12, 81, kFull, "frq dcy"},
    {704, 12, 129, kFull, "click"},
    {716, 12, 177, kFull, "clk dcy"},
}};

constexpr std::array<CaptionCell, 3> kCaptionCells = {{
    {5, 0, {"model", "model"}},
    {5, 1, {"curve", "curve"}},
    {5, 2, {nullptr, "osc filter"}},
}};

// Left-aligned here, where the snare page centres it.
constexpr std::array<PlacedCaption, 1> kExtraCaptions = {{{"attack", 520, 62, 50, CaptionAlign::left, kBoth}}};

constexpr std::array<MarkCell, 17> kMarks = {{
    {0, 0, kBoth}, {0, 1, kBoth}, {0, 2, kBoth}, {0, 3, kBoth}, {0, 5, kBoth}, {0, 6, kBoth},
    {1, 0, kFull}, {1, 1, kFull}, {1, 5, kFull}, {1, 6, kFull},
    {2, 0, kFull}, {2, 1, kFull}, {2, 2, kFull}, {2, 3, kFull}, {2, 5, kFull}, {2, 6, kFull}, {2, 7, kFull},
}};

constexpr std::array<PageFurniture, 9> kFurniture = {{
    menuOf(0, kBoth),
    pictureOf(10079, 514, 22, kBoth),
    pictureOf(10098, 66, 21, kBoth),
    pictureOf(10099, 314, 21, kBoth),
    pictureOf(10100, 66, 69, kFull),
    pictureOf(10101, 314, 69, kFull),
    pictureOf(10102, 66, 117, kFull),
    pictureOf(10103, 314, 117, kFull),
    menuOf(1, kFull),
}};

} // namespace

const DrumPageLayout kTomPageLayout = {
    .voices = kVoices,
    .modelParameterBase = 653,
    .synthModelCount = 2,
    .modelNames = kravo::param::display::kTomModelNames,
    .modelGroupSizes = kModelGroups,
    .menus = kMenus,
    .knobs = kKnobs,
    .captionCells = kCaptionCells,
    .captionGrid = &kMenuCaptionGrid,
    .extraCaptions = kExtraCaptions,
    .marks = kMarks,
    .furniture = kFurniture,
    .background = 10141,
    .tomUserButtons = true,
};

} // namespace editor

void uEditor::buildTomPage() { tomPage.build(*this); }
void uEditor::updateTomPage() { tomPage.update(*this); }
void uEditor::refreshTomPage() { tomPage.refresh(*this); }
void uEditor::tomPageSetParameter(std::int32_t index, float value) { tomPage.setParameter(*this, index, value); }
bool uEditor::tomPageValueChanged(Toolkit::CControl* control) { return tomPage.valueChanged(*this, control); }
void uEditor::forgetTomPage() { tomPage.forget(); }

// The clap page: Clap 1 and Clap 2 on their three synthesised models (repeated filtered noise bursts;
// with stereo spread; with humanisation), the factory-sample models on the sample-layer controls.

#include "editor/drum_page_layouts.h"
#include "editor/ueditor.h"

#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/display/model_names.h"

namespace editor {

namespace {

constexpr std::array<std::int32_t, 2> kVoices = {8, 9};
constexpr std::array<std::int32_t, 3> kModelGroups = {3, 3, 12};
// The last text ends with a blank, as the menu has always shown it.
constexpr std::array<std::string_view, 7> kRepeats = {"None", "1", "2", "3", "4", "6", "8 "};

constexpr std::array<DrumMenuSlot, 2> kMenus = {{
    {604, 238, 3, kravo::param::display::kVoiceFilterTypeNames},
    {606, 373, 3, kRepeats},
}};

constexpr ModelSet kAll = onModels(0, 1, 2);
constexpr ModelSet kStereo = onModels(1, 2);
constexpr ModelSet kHumanised = onModels(2);

constexpr std::array<DrumKnobSlot, 18> kKnobs = {{
    {608, 79, 33, kAll},      {610, 126, 33, kAll},     {630, 173, 33, kAll},       {612, 79, 81, kAll},
    {620, 126, 81, kStereo},  {622, 173, 81, kStereo},  {624, 220, 81, kStereo},    {626, 280, 81, kHumanised},
    {628, 327, 81, kHumanised}, {634, 374, 81, kHumanised}, {614, 79, 129, kAll},  {616, 126, 129, kAll},
    {618, 173, 129, kAll},    {608, 12, 33, kAll},      {610, 12, 81, kAll},        {616, 12, 129, kAll},
    {612, 12, 177, onModels(0)}, {622, 12, 177, kStereo},
}};

// The bass drum page's columns moved 5 to the left for the wider captions.
constexpr CaptionGrid kCaptionGrid = {
    .columnX = {68, 115, 162, 209, 269, 316, 363, 410, 457, 504},
    .columnWidth = 60,
    .rowY = {62, 110, 158, 206},
    .leftX = 5,
    .leftWidth = 50,
    .menuX = {65, 198, 333, 468},
    .menuY = 7,
    .menuWidth = 40,
};

constexpr std::array<CaptionCell, 21> kCaptionCells = {{
    {0, 0, {"freq", "freq", "freq"}},
    {0, 1, {"q", "q", "q"}},
    {0, 2, {"rnd>freq", "rnd>freq", "rnd>freq"}},
    {1, 0, {"speed", "speed", "speed"}},
    {1, 1, {nullptr, "spread", "spread"}},
    {1, 2, {nullptr, "offset", "offset"}},
    {1, 3, {nullptr, "speed", "speed"}},
    {1, 4, {nullptr, nullptr, "speed"}},
    {1, 5, {nullptr, nullptr, "vol"}},
    {1, 6, {nullptr, nullptr, "decay"}},
    {1, 9, {nullptr, nullptr, ""}},
    {2, 0, {"hold", "hold", "hold"}},
    {2, 1, {"decay", "decay", "decay"}},
    {2, 2, {"curve", "curve", "curve"}},
    {4, 0, {"freq", "freq", "freq"}},
    {4, 1, {"q", "q", "q"}},
    {4, 2, {"decay", "decay", "decay"}},
    {4, 3, {"speed", "offset", "offset"}},
    {5, 0, {"model", "model", "model"}},
    {5, 1, {"Filter", "Filter", "Filter"}},
    {5, 2, {"Repeat", "Repeat", "Repeat"}},
}};

constexpr std::array<MarkCell, 8> kMarks = {{
    {0, 0, kAll}, {0, 1, kAll}, {1, 1, kStereo}, {1, 2, kStereo},
    {1, 4, kHumanised}, {1, 5, kHumanised}, {2, 0, kAll}, {2, 1, kAll},
}};

constexpr std::array<PageFurniture, 6> kFurniture = {{
    menuOf(0, kAll),
    menuOf(1, kAll),
    pictureOf(10104, 66, 21, kAll),
    pictureOf(10105, 66, 69, kAll),
    pictureOf(10106, 66, 117, kAll),
    pictureOf(10107, 267, 69, kHumanised),
}};

} // namespace

const DrumPageLayout kClapPageLayout = {
    .voices = kVoices,
    .modelParameterBase = 602,
    .synthModelCount = 3,
    .modelNames = kravo::param::display::kClapModelNames,
    .modelGroupSizes = kModelGroups,
    .menus = kMenus,
    .knobs = kKnobs,
    .captionCells = kCaptionCells,
    .captionGrid = &kCaptionGrid,
    .marks = kMarks,
    .furniture = kFurniture,
};

} // namespace editor

void uEditor::buildClapPage() { clapPage.build(*this); }
void uEditor::updateClapPage() { clapPage.update(*this); }
void uEditor::refreshClapPage() { clapPage.refresh(*this); }
void uEditor::clapPageSetParameter(std::int32_t index, float value) { clapPage.setParameter(*this, index, value); }
bool uEditor::clapPageValueChanged(Toolkit::CControl* control) { return clapPage.valueChanged(*this, control); }
void uEditor::forgetClapPage() { clapPage.forget(); }

// The bass drum page: BD 1 and BD 2 on their four synthesised models (the oscillator with frequency and
// amplitude envelopes; with the click layer; the base-frequency oscillator with the kravo envelope; with
// the click layer), the factory-sample models on the sample-layer controls.

#include "editor/drum_page_layouts.h"
#include "editor/ueditor.h"

#include "plugin/parameters/display/model_names.h"

namespace editor {

namespace {

constexpr std::array<std::int32_t, 2> kVoices = {0, 1};
constexpr std::array<std::int32_t, 3> kModelGroups = {4, 4, 20};
constexpr std::array<std::string_view, 3> kOscWaves = {"Sine", "Triangle", "Square"};
constexpr std::array<std::string_view, 2> kCurveModes = {"High", "Low"};

constexpr std::array<DrumMenuSlot, 2> kMenus = {{
    {146, 238, 3, kOscWaves},
    {148, 373, 3, kCurveModes},
}};

constexpr ModelSet kAll = onModels(0, 1, 2, 3);
constexpr ModelSet kOscEnvelopes = onModels(0, 1);
constexpr ModelSet kBaseOsc = onModels(2, 3);
constexpr ModelSet kClick = onModels(1, 3);

constexpr std::array<DrumKnobSlot, 30> kKnobs = {{
    {142, 527, 33, kAll},           {152, 79, 33, kOscEnvelopes},  {154, 126, 33, kOscEnvelopes},
    {186, 79, 33, kBaseOsc},        {188, 126, 33, kBaseOsc},      {156, 173, 33, kOscEnvelopes},
    {190, 173, 33, kBaseOsc},       {158, 220, 33, kOscEnvelopes}, {192, 220, 33, kBaseOsc},
    {160, 280, 33, kOscEnvelopes},  {162, 327, 33, kOscEnvelopes}, {164, 374, 33, kOscEnvelopes},
    {172, 280, 129, kClick},        {174, 327, 129, kClick},       {176, 374, 129, kClick},
    {178, 421, 129, kClick, nullptr, true},  {180, 468, 129, kClick},       {182, 280, 177, kClick},
    {184, 327, 177, kClick},        {166, 79, 81, kBaseOsc},       {168, 126, 81, kBaseOsc},
    {170, 173, 81, kBaseOsc},       {142, 12, 33, kAll},           {154, 12, 81, kOscEnvelopes},
    {186, 12, 81, kBaseOsc},        {156, 12, 129, kOscEnvelopes}, {190, 12, 129, kBaseOsc},
    {162, 12, 177, kOscEnvelopes},  {166, 12, 177, onModels(2)},   {172, 12, 177, onModels(3)},
}};

constexpr CaptionGrid kCaptionGrid = {
    .columnX = {73, 120, 167, 214, 274, 321, 368, 415, 462, 509},
    .columnWidth = 50,
    .rowY = {62, 110, 158, 206},
    .leftX = 5,
    .leftWidth = 50,
    .menuX = {35, 168, 303, 434},
    .menuY = 7,
    .menuWidth = 70,
};

constexpr std::array<CaptionCell, 25> kCaptionCells = {{
    {0, 0, {"start", "start", "base", "base"}},
    {0, 1, {"end", "end", "drop", "drop"}},
    {0, 2, {"decay", "decay", "decay", "decay"}},
    {0, 3, {"curve", "curve", "curve", "curve"}},
    {0, 4, {"hold", "hold"}},
    {0, 5, {"decay", "decay"}},
    {0, 6, {"curve", "curve"}},
    {1, 0, {nullptr, nullptr, "amount", "amount"}},
    {1, 1, {nullptr, nullptr, "decay", "decay"}},
    {1, 2, {nullptr, nullptr, "curve", "curve"}},
    {2, 4, {nullptr, "vol", nullptr, "vol"}},
    {2, 5, {nullptr, "mix", nullptr, "mix"}},
    {2, 6, {nullptr, "freq", nullptr, "freq"}},
    {2, 7, {nullptr, "drop", nullptr, "drop"}},
    {2, 8, {nullptr, "decay", nullptr, "decay"}},
    {3, 4, {nullptr, "spread", nullptr, "spread"}},
    {3, 5, {nullptr, "offset", nullptr, "offset"}},
    {3, 9, {nullptr, "", nullptr, ""}},
    {4, 0, {"attack", "attack", "attack", "attack"}},
    {4, 1, {"frq end", "frq end", "base", "base"}},
    {4, 2, {"frq dcy", "frq dcy", "decay", "decay"}},
    {4, 3, {"amp dcy", "amp dcy", "kravo", "click"}},
    {5, 0, {"model", "model", "model", "model"}},
    {5, 1, {"osc wave", "osc wave", "osc wave", "osc wave"}},
    {5, 2, {"curve", "curve", "curve", "curve"}},
}};

// The attack knob's caption beside the section, for every model.
constexpr std::array<PlacedCaption, 1> kExtraCaptions = {{{"attack", 520, 62, 50, CaptionAlign::centred, kAll}}};

constexpr std::array<MarkCell, 12> kMarks = {{
    {0, 0, kAll}, {0, 1, kAll}, {0, 2, kAll}, {0, 4, kOscEnvelopes}, {0, 5, kOscEnvelopes},
    {1, 0, kBaseOsc}, {1, 1, kBaseOsc}, {2, 4, kClick}, {2, 5, kClick}, {2, 6, kClick}, {2, 7, kClick},
    {3, 4, kClick},
}};

constexpr std::array<PageFurniture, 8> kFurniture = {{
    menuOf(0, kAll),
    menuOf(1, kAll),
    pictureOf(10079, 514, 22, kAll),
    pictureOf(10083, 66, 21, kAll),
    pictureOf(10084, 267, 21, kOscEnvelopes),
    pictureOf(10085, 66, 69, kBaseOsc),
    pictureOf(10086, 267, 117, kClick),
    pictureOf(10078, 269, 124, kClick),
}};

} // namespace

const DrumPageLayout kBassDrumPageLayout = {
    .voices = kVoices,
    .modelParameterBase = 144,
    .synthModelCount = 4,
    .modelNames = kravo::param::display::kBassDrumModelNames,
    .modelGroupSizes = kModelGroups,
    .menus = kMenus,
    .knobs = kKnobs,
    .captionCells = kCaptionCells,
    .captionGrid = &kCaptionGrid,
    .extraCaptions = kExtraCaptions,
    .marks = kMarks,
    .furniture = kFurniture,
};

} // namespace editor

void uEditor::buildBassDrumPage() { bassDrumPage.build(*this); }
void uEditor::updateBassDrumPage() { bassDrumPage.update(*this); }
void uEditor::refreshBassDrumPage() { bassDrumPage.refresh(*this); }
void uEditor::bassDrumPageSetParameter(std::int32_t index, float value) { bassDrumPage.setParameter(*this, index, value); }
bool uEditor::bassDrumPageValueChanged(Toolkit::CControl* control) { return bassDrumPage.valueChanged(*this, control); }
void uEditor::forgetBassDrumPage() { bassDrumPage.forget(); }

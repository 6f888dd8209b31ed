// The user voice page: the Tom / User voices while their switch says user and User 4 to 6, on twelve
// synthesised models in four groups (noise with filter, 4 and 5 adding a modulator; oscillator with
// modulator; models 6-8; models 9-11), the factory-sample models on the sample-layer controls.

#include "editor/drum_page_layouts.h"
#include "editor/ueditor.h"

#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/display/model_names.h"

namespace editor {

namespace {

constexpr std::array<std::int32_t, 6> kVoices = {10, 11, 12, 13, 14, 15};
constexpr std::array<std::int32_t, 5> kModelGroups = {12, 22, 44, 31, 31};
constexpr std::array<std::string_view, 2> kModulations = {"FM", "Ring"};
constexpr std::array<std::string_view, 5> kModWaves = {"Saw Down", "Saw Up", "Square", "Sine", "Triangle"};
constexpr std::array<std::string_view, 4> kOscWaves = {"Sine", "Saw", "Square", "Triangle"};
constexpr std::array<std::string_view, 2> kCurveModes = {"High", "Low"};

enum Menu : std::int32_t {
    kNoiseFilter,
    kModulationLeft,
    kModulationRight,
    kOscFilter,
    kModWaveRight,
    kModWaveLeft,
    kOscWave,
    kCurveMode,
};

constexpr std::array<DrumMenuSlot, 8> kMenus = {{
    {898, 238, 3, kravo::param::display::kVoiceFilterTypeNames},
    {904, 238, 3, kModulations},
    {904, 373, 3, kModulations},
    {892, 504, 3, kravo::param::display::kVoiceFilterTypeNames},
    {910, 504, 3, kModWaves},
    {910, 238, 3, kModWaves},
    {916, 373, 3, kOscWaves},
    {922, 238, 3, kCurveModes},
}};

constexpr ModelSet kNoise = onModels(0, 1, 4, 5);
constexpr ModelSet kNoiseOnly = onModels(0, 1);
constexpr ModelSet kNoiseMod = onModels(4, 5);
constexpr ModelSet kOsc = onModels(2, 3);
constexpr ModelSet kThird = onModels(6, 7, 8);
constexpr ModelSet kOscMod = onModels(7, 8);
constexpr ModelSet kFourth = onModels(9, 10, 11);
constexpr ModelSet kOscEnvelopes = onModels(9, 10);
constexpr ModelSet kStereoBelow = onModels(9, 11);

constexpr auto kKnobs = std::to_array<DrumKnobSlot>({
    {1180, 527, 33, kThird | kFourth},
    // Noise with filter; 4 and 5 add a modulator.
    {1048, 12, 33, kNoise, "attack"},
    {1042, 79, 33, kNoise, "vol"},
    {1138, 126, 33, kNoise, "mix"},
    {1048, 173, 33, kNoise, "attack"},
    {1054, 220, 33, kNoise, "curve"},
    {1060, 267, 33, kNoise, "hold"},
    {1072, 327, 33, kNoise, "freq"},
    {1078, 374, 33, kNoise, "q"},
    {1084, 421, 33, kNoise, "vel>freq", true},
    {1144, 468, 33, kNoise},
    {1060, 12, 81, kNoise, "hold"},
    {1066, 79, 81, kNoise, "decay"},
    {1006, 126, 81, kNoise, "vel"},
    {1150, 173, 81, kNoise, "rnd"},
    {1090, 327, 81, kNoise, "drop", true},
    {1096, 374, 81, kNoise, "decay"},
    {1102, 421, 81, kNoise, "rise"},
    {1066, 12, 129, kNoise, "decay"},
    {1108, 79, 129, kNoise, "start", true},
    {1114, 126, 129, kNoise, "end", true},
    {1120, 173, 129, kNoise, "time"},
    {1156, 327, 129, kNoiseOnly, "LFO amt"},
    {1162, 374, 129, kNoiseOnly, "speed"},
    {1168, 421, 129, kNoiseOnly, "free"},
    {1174, 468, 129, kNoiseOnly, "sync"},
    {946, 327, 129, kNoiseMod, "mod"},
    {1126, 374, 129, kNoiseMod, "freq"},
    {934, 421, 129, kNoiseMod, "vel>freq", true},
    {940, 468, 129, kNoiseMod, "spread"},
    {1072, 12, 177, kNoise, "filter"},
    {952, 327, 177, kNoiseMod, "drop", true},
    {958, 374, 177, kNoiseMod, "decay"},
    {1132, 421, 177, kNoiseMod, "rise"},
    // Oscillator with modulator.
    {982, 12, 33, kOsc, "attack"},
    {964, 79, 33, kOsc, "vol"},
    {976, 126, 33, kOsc, "freq"},
    {970, 173, 33, kOsc, "vel", true},
    {1012, 327, 33, kOsc, "freq"},
    {1018, 374, 33, kOsc, "q"},
    {1024, 421, 33, kOsc, "drop", true},
    {1030, 468, 33, kOsc, "decay"},
    {1036, 515, 33, kOsc, "rise"},
    {994, 12, 81, kOsc, "hold"},
    {982, 79, 81, kOsc, "attack"},
    {988, 126, 81, kOsc, "curve"},
    {994, 173, 81, kOsc, "hold"},
    {1000, 220, 81, kOsc, "decay"},
    {1006, 267, 81, kOsc, "vel"},
    {1156, 327, 81, kOsc, "lfo amt"},
    {1162, 374, 81, kOsc, "speed"},
    {1168, 421, 81, kOsc, "free"},
    {1174, 468, 81, kOsc, "sync"},
    {1000, 12, 129, kOsc, "decay"},
    {1108, 79, 129, kOsc, "start", true},
    {1114, 126, 129, kOsc, "end", true},
    {1120, 173, 129, kOsc, "time"},
    {946, 327, 129, kOsc, "mod"},
    {928, 374, 129, kOsc, "freq"},
    {934, 421, 129, kOsc, "vel>freq", true},
    {940, 468, 129, kOsc, "spread"},
    {976, 12, 177, kOsc, "freq"},
    {952, 327, 177, kOsc, "drop", true},
    {958, 374, 177, kOsc, "decay"},
    {1132, 421, 177, kOsc, "rise"},
    // Model 6: the noise row alone, its filter knobs repeated on the left.
    {1240, 12, 33, onModels(6), "decay"},
    {1042, 79, 33, onModels(6), "vol"},
    {1240, 126, 33, onModels(6), "decay"},
    {1006, 173, 33, onModels(6), "vel"},
    {1072, 220, 33, onModels(6), "freq"},
    {1078, 267, 33, onModels(6), "q"},
    {1084, 314, 33, onModels(6), "vel>freq", true},
    {1090, 374, 33, onModels(6), "drop", true},
    {1246, 421, 33, onModels(6), "decay"},
    {1252, 468, 33, onModels(6), "rise"},
    {1072, 12, 81, onModels(6), "freq"},
    {1078, 12, 129, onModels(6), "q"},
    {1090, 12, 177, onModels(6), "drop", true},
    // Models 7 and 8: the oscillator with its filter and modulator; 8 adds the noise row.
    {1210, 12, 33, onModels(7), "osc dcy"},
    {1012, 12, 81, onModels(7), "filter"},
    {946, 12, 129, onModels(7), "mod"},
    {1198, 12, 177, onModels(7), "mod dcy"},
    {964, 79, 81, kOscMod, "vol"},
    {1204, 126, 81, kOscMod, "freq"},
    {970, 173, 81, kOscMod, "vel", true},
    {1234, 220, 81, kOscMod, "rnd"},
    {1012, 280, 81, kOscMod, "freq"},
    {1018, 327, 81, kOscMod, "q"},
    {1216, 374, 81, kOscMod, "drop", true},
    {1222, 421, 81, kOscMod, "decay"},
    {1228, 468, 81, kOscMod, "rise"},
    {1210, 79, 129, kOscMod, "decay"},
    {1006, 126, 129, kOscMod, "vel"},
    {946, 280, 129, kOscMod, "mod"},
    {1186, 327, 129, kOscMod, "freq"},
    {934, 374, 129, kOscMod, "vel>freq", true},
    {940, 421, 129, kOscMod, "spread"},
    {1192, 280, 177, kOscMod, "drop", true},
    {1198, 327, 177, kOscMod, "decay"},
    {1240, 12, 33, onModels(8), "nse dcy,"},
    {1042, 79, 33, onModels(8), "vol"},
    {1240, 126, 33, onModels(8), "decay"},
    {1072, 173, 33, onModels(8), "freq"},
    {1078, 220, 33, onModels(8), "q"},
    {1084, 267, 33, onModels(8), "vel>freq", true},
    {1090, 327, 33, onModels(8), "drop", true},
    {1246, 374, 33, onModels(8), "decay"},
    {1252, 421, 33, onModels(8), "rise"},
    {1072, 12, 81, onModels(8), "nse flt"},
    {964, 12, 129, onModels(8), "osc"},
    {1210, 12, 177, onModels(8), "osc dcy"},
    // Models 9-11: the oscillator with its filter and click; 10 adds a modulator, 11 is the kravo oscillator.
    {1180, 12, 33, kFourth, "attack"},
    {1258, 79, 33, kOscEnvelopes, "start"},
    {1264, 126, 33, kOscEnvelopes, "end"},
    {1270, 173, 33, kOscEnvelopes, "decay"},
    {1276, 220, 33, kOscEnvelopes, "curve"},
    {1282, 280, 33, kOscEnvelopes, "hold"},
    {1288, 327, 33, kOscEnvelopes, "decay"},
    {1294, 374, 33, kOscEnvelopes, "curve"},
    {1264, 12, 81, kOscEnvelopes, "frq end"},
    {1012, 280, 81, kFourth, "freq"},
    {1018, 327, 81, kFourth, "q"},
    {1024, 374, 81, kFourth, "drop", true},
    {1030, 421, 81, kFourth, "decay"},
    {1036, 468, 81, kFourth, "rise"},
    {1270, 12, 129, kOscEnvelopes, "frq dcy"},
    {1108, 79, 129, kStereoBelow, "start", true},
    {1114, 126, 129, kStereoBelow, "end", true},
    {1120, 173, 129, kStereoBelow, "time"},
    {1318, 280, 129, kFourth, "vol"},
    {1324, 327, 129, kFourth, "mix"},
    {1330, 374, 129, kFourth, "freq"},
    {1336, 421, 129, kFourth, "drop", true},
    {1342, 468, 129, kFourth, "decay"},
    {1288, 12, 177, kOscEnvelopes, "amp dcy"},
    {1348, 280, 177, kFourth, "spread"},
    {1354, 327, 177, kFourth, "offset"},
    {946, 79, 81, onModels(10), "mod"},
    {1126, 126, 81, onModels(10), "freq"},
    {934, 173, 81, onModels(10), "vel>freq", true},
    {940, 220, 81, onModels(10), "spread"},
    {952, 79, 129, onModels(10), "drop", true},
    {958, 126, 129, onModels(10), "decay"},
    {1132, 173, 129, onModels(10), "rise"},
    {1108, 374, 177, onModels(10), "start", true},
    {1114, 421, 177, onModels(10), "end", true},
    {1120, 468, 177, onModels(10), "time"},
    {1360, 79, 33, onModels(11), "base"},
    {1366, 126, 33, onModels(11), "drop", true},
    {1372, 173, 33, onModels(11), "decay"},
    {1378, 220, 33, onModels(11), "curve"},
    {1360, 12, 81, onModels(11), "base"},
    {1300, 79, 81, onModels(11), "amount"},
    {1306, 126, 81, onModels(11), "decay"},
    {1312, 173, 81, onModels(11), "curve"},
    {1372, 12, 129, onModels(11), "frq dcy"},
    {1318, 12, 177, onModels(11), "click"},
});

constexpr CaptionGrid kCaptionGrid = {
    .columnX = {73, 120, 167, 214, 261, 321, 368, 415, 462, 509},
    .columnWidth = 50,
    .rowY = {62, 110, 158, 206},
    .leftX = 5,
    .leftWidth = 50,
    .menuX = {35, 168, 303, 434},
    .menuY = 7,
    .menuWidth = 70,
};

// The menus' captions per model, and the one knob caption that differs between two models sharing the
// knob (Noise Filter Rnd > Freq).
constexpr std::array<CaptionCell, 5> kCaptionCells = {{
    {0, 8, {"rnd", "rnd>freq", nullptr, nullptr, "rnd", "rnd"}},
    {5, 0, {"model", "model", "model", "model", "model", "model", "model", "model", "model", "model", "model", "model"}},
    {5, 1, {"filter", "filter", "fm /ring", "fm /ring", "filter", "filter", "filter", "fm /ring", "filter", "curve",
            "mod wave", "curve"}},
    {5, 2, {nullptr, nullptr, "osc wave", "osc wave", nullptr, nullptr, nullptr, "osc wave", "fm /ring", "osc wave",
            "osc wave", "osc wave"}},
    {5, 3, {nullptr, nullptr, "osc filter", "osc filter", "mod wave", "mod wave", nullptr, "osc filter", "osc filter",
            "osc filter", "osc filter", "osc filter"}},
}};

constexpr std::array<PlacedCaption, 1> kExtraCaptions = {
    {{"attack", 520, 62, 50, CaptionAlign::centred, kThird | kFourth}}};

constexpr ModelSet kModels01 = onModels(0, 1);
constexpr ModelSet kModels23 = onModels(2, 3);
constexpr ModelSet kModels45 = onModels(4, 5);

// Per model group, in each model's own order.
constexpr auto kFurniture = std::to_array<PageFurniture>({
    pictureOf(10110, 314, 21, kModels01),
    pictureOf(10111, 66, 117, kModels01),
    pictureOf(10121, 66, 21, kModels01),
    pictureOf(10078, 68, 28, kModels01),
    pictureOf(10077, 316, 28, kModels01),
    menuOf(kNoiseFilter, kModels01),

    menuOf(kModulationLeft, kModels23),
    menuOf(kOscFilter, kModels23),
    menuOf(kOscWave, kModels23),
    pictureOf(10112, 66, 21, kModels23),
    pictureOf(10113, 314, 21, kModels23),
    pictureOf(10114, 314, 117, kModels23),
    pictureOf(10111, 66, 117, kModels23),
    pictureOf(10122, 66, 69, kModels23),
    pictureOf(10078, 316, 28, kModels23),
    pictureOf(10078, 316, 124, kModels23),

    pictureOf(10110, 314, 21, kModels45),
    pictureOf(10111, 66, 117, kModels45),
    pictureOf(10115, 314, 117, kModels45),
    pictureOf(10121, 66, 21, kModels45),
    pictureOf(10078, 316, 28, kModels45),
    pictureOf(10078, 316, 124, kModels45),
    pictureOf(10078, 68, 28, kModels45),
    menuOf(kNoiseFilter, kModels45),
    menuOf(kModWaveRight, kModels45),

    pictureOf(10079, 514, 22, kThird | kFourth),

    pictureOf(10093, 66, 21, onModels(6)),
    pictureOf(10094, 207, 21, onModels(6)),
    pictureOf(10108, 361, 21, onModels(6)),
    menuOf(kNoiseFilter, onModels(6)),

    menuOf(kModulationLeft, onModels(7)),
    menuOf(kOscFilter, onModels(7)),
    menuOf(kOscWave, onModels(7)),
    pictureOf(10095, 66, 69, onModels(7)),
    pictureOf(10126, 267, 69, onModels(7)),
    pictureOf(10127, 267, 117, onModels(7)),
    pictureOf(10119, 66, 117, onModels(7)),
    pictureOf(10078, 269, 124, onModels(7)),

    menuOf(kModulationRight, onModels(8)),
    menuOf(kOscFilter, onModels(8)),
    menuOf(kNoiseFilter, onModels(8)),
    pictureOf(10093, 66, 21, onModels(8)),
    pictureOf(10116, 160, 21, onModels(8)),
    pictureOf(10117, 314, 21, onModels(8)),
    pictureOf(10095, 66, 69, onModels(8)),
    pictureOf(10126, 267, 69, onModels(8)),
    pictureOf(10127, 267, 117, onModels(8)),
    pictureOf(10119, 66, 117, onModels(8)),
    pictureOf(10078, 269, 124, onModels(8)),

    pictureOf(10083, 66, 21, kFourth),
    pictureOf(10084, 267, 21, kOscEnvelopes),
    pictureOf(10085, 66, 69, onModels(11)),
    pictureOf(10086, 267, 117, kFourth),
    pictureOf(10111, 66, 117, kStereoBelow),
    pictureOf(10123, 267, 69, kFourth),
    pictureOf(10124, 66, 69, onModels(10)),
    pictureOf(10125, 361, 165, onModels(10)),
    menuOf(kOscWave, kFourth),
    menuOf(kCurveMode, kStereoBelow),
    menuOf(kModWaveLeft, onModels(10)),
    menuOf(kOscFilter, kFourth),
    pictureOf(10078, 269, 124, kFourth),
    pictureOf(10078, 68, 76, onModels(10)),
});

} // namespace

const DrumPageLayout kUserPageLayout = {
    .voices = kVoices,
    .modelParameterBase = 886,
    .synthModelCount = 12,
    .modelNames = kravo::param::display::kUserModelNames,
    .modelGroupSizes = kModelGroups,
    .menus = kMenus,
    .knobs = kKnobs,
    .captionCells = kCaptionCells,
    .captionGrid = &kCaptionGrid,
    .extraCaptions = kExtraCaptions,
    .furniture = kFurniture,
    .commonStripFirst = true,
    .tomUserButtons = true,
    .derivedMarks = true,
};

} // namespace editor

void uEditor::buildUserPage() { userPage.build(*this); }
void uEditor::updateUserPage() { userPage.update(*this); }
void uEditor::refreshUserPage() { userPage.refresh(*this); }
void uEditor::userPageSetParameter(std::int32_t index, float value) { userPage.setParameter(*this, index, value); }
bool uEditor::userPageValueChanged(Toolkit::CControl* control) { return userPage.valueChanged(*this, control); }
void uEditor::forgetUserPage() { userPage.forget(); }

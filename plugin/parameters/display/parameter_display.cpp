#include "plugin/parameters/display/parameter_display.h"

#include "engine/dsp/dsp_constants.h"
#include "engine/modulation/mod_destinations.h"
#include "engine/tempo/synced_note_lengths.h"
#include "plugin/parameters/display/choice_lists.h"
#include "plugin/parameters/display/display_rules.h"
#include "plugin/parameters/display/model_names.h"
#include "plugin/parameters/display/modulation_names.h"
#include "plugin/parameters/effect_parameter_names.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/effect_type_names.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/sample_position.h"
#include "plugin/parameters/sample_slot_parameters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>

namespace kravo::param::display {
namespace {

struct IndexRange {
    int first;
    int last;
};

struct RuleGroup {
    std::span<const IndexRange> ranges;
    Rule rule;
};

// Percent texts shared by many groups.
constexpr Rule kBipolarPercent = linear("%.1f %%", 200.0f, -100.0f);
constexpr Rule kUnipolarPercent = linear("%.1f %%", 100.0f, 0.0f);
constexpr Rule kOnOff = switchTexts("Off", "On");

constexpr IndexRange kMainVolume[] = {{2, 2}};
constexpr IndexRange kVolumes[] = {{10, 33}, {172, 173}, {280, 281}, {290, 291}, {300, 301}, {384, 385},
                                   {404, 405}, {504, 505}, {524, 525}, {704, 706}, {964, 969}, {1042, 1047},
                                   {1318, 1323}, {6304, 6319}};
constexpr IndexRange kPans[] = {{34, 61}, {1108, 1119}, {2168, 2199}, {7928, 7943}, {8000, 8015}};
constexpr IndexRange kDryWet[] = {{62, 65}};
constexpr IndexRange kLayerBalance[] = {{6224, 6231}};
constexpr IndexRange kSemitones24[] = {{67, 67}, {70, 70}};
constexpr IndexRange kOctaves[] = {{68, 68}, {71, 71}};
constexpr IndexRange kEasyScale[] = {{72, 74}, {78, 78}};
constexpr IndexRange kBipolar[] = {
    {75, 77},     {178, 179},   {292, 293},   {310, 311},   {322, 323},   {374, 375},   {380, 381},
    {386, 387},   {398, 399},   {412, 415},   {494, 495},   {500, 501},   {506, 507},   {518, 519},
    {532, 535},   {731, 733},   {934, 939},   {952, 957},   {970, 975},   {1024, 1029}, {1084, 1095},
    {1192, 1197}, {1216, 1221}, {1300, 1305}, {1336, 1341}, {1366, 1371}, {1574, 1581}, {1636, 1636},
    {1646, 1646}, {1669, 1669}, {1680, 1680}, {1730, 1737}, {1928, 1943}, {2008, 2039}, {6408, 6415},
    {6464, 6471}, {6616, 6623}, {6672, 6679}, {7888, 7903}, {7960, 7975}};
constexpr IndexRange kUnipolar[] = {
    {130, 131},   {158, 159},   {164, 167},   {170, 171},   {182, 185},   {188, 189},   {192, 193},
    {250, 251},   {272, 273},   {278, 279},   {286, 287},   {296, 297},   {308, 309},   {312, 317},
    {350, 351},   {376, 379},   {392, 393},   {396, 397},   {410, 411},   {420, 421},   {470, 471},
    {496, 499},   {512, 513},   {516, 517},   {530, 531},   {540, 541},   {590, 591},   {610, 611},
    {618, 631},   {634, 635},   {665, 667},   {674, 676},   {683, 685},   {689, 691},   {701, 703},
    {713, 715},   {722, 727},   {850, 855},   {940, 951},   {988, 993},   {1006, 1011}, {1018, 1023},
    {1054, 1059}, {1078, 1083}, {1144, 1161}, {1234, 1239}, {1276, 1281}, {1294, 1299}, {1312, 1317},
    {1348, 1359}, {1378, 1383}, {1662, 1663}, {1673, 1674}, {1912, 1927}, {1992, 2007}, {2040, 2055},
    {2324, 2339}, {6190, 6197}, {6240, 6247}, {6256, 6263}, {6456, 6463}, {6664, 6671}, {6736, 6743},
    {6752, 6759}, {7880, 7887}, {7952, 7959}};
constexpr IndexRange kSemitones72[] = {{1800, 1815}, {6392, 6399}, {6600, 6607}};
constexpr IndexRange kCents[] = {{1816, 1831}, {6400, 6407}, {6608, 6615}};
constexpr IndexRange kFrequencies[] = {
    {176, 177},   {288, 289},   {294, 295},   {306, 307},   {394, 395},   {408, 409},   {514, 515},
    {528, 529},   {608, 609},   {710, 712},   {719, 721},   {1012, 1017}, {1072, 1077}, {1186, 1191},
    {1204, 1209}, {1258, 1269}, {1330, 1335}, {1360, 1365}, {1896, 1911}, {6448, 6455}, {6656, 6663}};
constexpr IndexRange kHighFrequencies[] = {{372, 373}, {388, 389}, {492, 493}, {508, 509}, {928, 933}, {976, 981}};
constexpr IndexRange kLfoFrequencies[] = {{1126, 1131}};
constexpr IndexRange kBassDrumStart[] = {{152, 153}};
constexpr IndexRange kBassDrumEnd[] = {{154, 155}};
constexpr IndexRange kBassDrumBase[] = {{186, 187}};
constexpr IndexRange kTwentyFoldBase[] = {{274, 275}, {668, 670}};
constexpr IndexRange kTomModulatorBase[] = {{686, 688}};
constexpr IndexRange kTime20[] = {{142, 143}, {262, 263}, {302, 303}, {362, 363}, {482, 483}, {656, 658}};
constexpr IndexRange kTime250[] = {{156, 157}, {168, 169}};
constexpr IndexRange kTime1500[] = {{160, 163}, {982, 987}, {994, 999}, {1048, 1053}, {1060, 1065}};
constexpr IndexRange kTime10000[] = {{180, 181}, {614, 617}, {677, 682}, {695, 700}, {716, 718}, {728, 730}};
constexpr IndexRange kTime2000[] = {{190, 191}, {304, 305}, {318, 321}, {538, 539}, {1102, 1107}};
constexpr IndexRange kTime1000[] = {{276, 277}, {282, 285}, {298, 299}};
constexpr IndexRange kTime2500[] = {{382, 383}, {390, 391},   {400, 403},   {406, 407},   {416, 419},   {502, 503},
                                    {510, 511}, {520, 523},   {526, 527},   {536, 537},   {958, 963},   {1000, 1005},
                                    {1030, 1041}, {1066, 1071}, {1096, 1101}, {1120, 1125}, {1132, 1137}};
constexpr IndexRange kTime100[] = {{612, 613}};
constexpr IndexRange kTime6000[] = {{2200, 2215}, {7944, 7951}, {8016, 8023}};
constexpr IndexRange kTimes[] = {
    {671, 673},   {692, 694},   {1180, 1185}, {1198, 1203}, {1210, 1215}, {1222, 1233}, {1240, 1257},
    {1270, 1275}, {1282, 1293}, {1306, 1311}, {1342, 1347}, {1372, 1377}, {1630, 1632}, {1640, 1642},
    {1832, 1847}, {1864, 1879}, {1944, 1959}, {1976, 1991}, {6368, 6375}, {6384, 6391}, {6416, 6423},
    {6432, 6439}, {6472, 6479}, {6488, 6495}, {6576, 6583}, {6592, 6599}, {6624, 6631}, {6640, 6647},
    {6680, 6687}, {6696, 6703}};
constexpr IndexRange kHeldTimes[] = {{1848, 1863}, {1960, 1975}, {6376, 6383}, {6424, 6431},
                                     {6480, 6487}, {6584, 6591}, {6632, 6639}, {6688, 6695}};
// Synced rates, each group with its own distance to its sync switch.
constexpr IndexRange kUserFilterLfoRates[] = {{1162, 1167}};
constexpr IndexRange kLfoRates[] = {{1660, 1660}, {1671, 1671}};
constexpr IndexRange kVoiceFilterLfoRates[] = {{2056, 2071}};
constexpr IndexRange kLayerAFilterLfoRates[] = {{6744, 6751}};
constexpr IndexRange kLayerBFilterLfoRates[] = {{6760, 6767}};
constexpr IndexRange kNoiseMixes[] = {{174, 175}, {707, 709}, {1324, 1329}};
constexpr IndexRange kWhitePinkMixes[] = {{1138, 1143}};
constexpr IndexRange kLengthShares[] = {{2120, 2135}, {2152, 2167}, {7904, 7911}, {7920, 7927}, {7976, 7983}, {7992, 7999}};
constexpr IndexRange kMidiValues[] = {{6232, 6239}};
constexpr IndexRange kLayerALoopPositions[] = {{8048, 8055}, {8064, 8071}};
constexpr IndexRange kLayerBLoopPositions[] = {{8056, 8063}, {8072, 8079}};
constexpr IndexRange kSwitches[] = {{1174, 1179}, {1554, 1557}, {1666, 1666}, {1677, 1677}, {1690, 1697}, {1776, 1799},
                                    {2088, 2119}, {2298, 2299}, {6248, 6255}, {6288, 6303}, {6496, 6511}, {7872, 7879}};
constexpr IndexRange kTriggerModes[] = {{1168, 1173}, {2072, 2087}, {7864, 7871}};
constexpr IndexRange kEnvelopeModAmounts[] = {{1633, 1633}, {1643, 1643}};
constexpr IndexRange kLfoModAmounts[] = {{1661, 1661}, {1672, 1672}};
constexpr IndexRange kRowModAmounts[] = {{1722, 1729}};
constexpr IndexRange kBassDrumModels[] = {{144, 145}};
constexpr IndexRange kSnareModels[] = {{264, 265}};
constexpr IndexRange kHiHatModels[] = {{364, 365}, {484, 485}};
constexpr IndexRange kClapModels[] = {{602, 603}};
constexpr IndexRange kTomModels[] = {{653, 655}};
constexpr IndexRange kUserModels[] = {{886, 891}};
constexpr IndexRange kBassDrumWaves[] = {{146, 147}};
constexpr IndexRange kSnareWaves[] = {{268, 269}};
constexpr IndexRange kUserModWaves[] = {{910, 915}};
constexpr IndexRange kUserWaves[] = {{916, 921}};
constexpr IndexRange kLfoWaves[] = {{1664, 1664}, {1675, 1675}};
constexpr IndexRange kFmRing[] = {{370, 371}, {490, 491}, {904, 909}};
constexpr IndexRange kOscillatorFilters[] = {{366, 367}, {486, 487}, {892, 897}};
constexpr IndexRange kVoiceFilterTypes[] = {{266, 267}, {368, 369}, {488, 489}, {604, 605}, {662, 664},
                                            {898, 903}, {1880, 1895}, {6440, 6447}, {6648, 6655}};
constexpr IndexRange kCurveModes[] = {{148, 149}, {270, 271}, {659, 661}, {922, 927}};
constexpr IndexRange kClapRepeats[] = {{606, 607}};
constexpr IndexRange kRetriggers[] = {{2136, 2151}, {7912, 7919}, {7984, 7991}};
constexpr IndexRange kOutputs[] = {{138, 139}, {258, 259}, {358, 359}, {478, 479}, {598, 599}, {874, 879}, {6200, 6207}};
constexpr IndexRange kChokeGroups[] = {{140, 141}, {260, 261}, {360, 361}, {480, 481}, {600, 601}, {880, 885}, {6208, 6215}};
constexpr IndexRange kDistortionTypes[] = {{136, 137}, {256, 257}, {356, 357}, {476, 477}, {596, 597}, {868, 873}, {6264, 6271}};
constexpr IndexRange kLayerModes[] = {{6216, 6223}};
constexpr IndexRange kRouting[] = {{1549, 1549}};
constexpr IndexRange kEffectTypes[] = {{1550, 1553}};
constexpr IndexRange kLfoModes[] = {{1665, 1665}, {1676, 1676}};
constexpr IndexRange kModSources[] = {{1558, 1565}, {1635, 1635}, {1645, 1645}, {1668, 1668}, {1679, 1679}, {1706, 1721}};
constexpr IndexRange kModDestinations[] = {{1634, 1634}, {1644, 1644}, {1667, 1667}, {1678, 1678}, {1698, 1705}};
constexpr IndexRange kPatternSteps[] = {{2300, 2315}};
constexpr IndexRange kPatternSpeeds[] = {{2316, 2323}};
constexpr IndexRange kTrackPads[] = {{2340, 2371}};
// The two parameters of each voice's distortion lie 4 and 2 (synthesised voices), 12 and 6 (user
// voices) and -8 and -16 (sample slots) from the voice's distortion type.
constexpr IndexRange kFirstDistortionBy4[] = {{132, 133}, {252, 253}, {352, 353}, {472, 473}, {592, 593}};
constexpr IndexRange kSecondDistortionBy2[] = {{134, 135}, {254, 255}, {354, 355}, {474, 475}, {594, 595}};
constexpr IndexRange kFirstUserDistortion[] = {{856, 861}};
constexpr IndexRange kSecondUserDistortion[] = {{862, 867}};
constexpr IndexRange kFirstSampleDistortion[] = {{6272, 6279}};
constexpr IndexRange kSecondSampleDistortion[] = {{6280, 6287}};
constexpr IndexRange kEffectModDestinationsA[] = {{1566, 1569}};
constexpr IndexRange kEffectModDestinationsB[] = {{1570, 1573}};
constexpr IndexRange kEffectParameters[] = {{1590, 1629}};

constexpr int kLoopPositionToHighA = sampleLayerLayouts[kLayerA].loopStartHigh - sampleLayerLayouts[kLayerA].loopStartName;
constexpr int kLoopPositionToHighB = sampleLayerLayouts[kLayerB].loopStartHigh - sampleLayerLayouts[kLayerB].loopStartName;
static_assert(sampleLayerLayouts[kLayerA].loopEndHigh - sampleLayerLayouts[kLayerA].loopEndName == kLoopPositionToHighA);
static_assert(sampleLayerLayouts[kLayerB].loopEndHigh - sampleLayerLayouts[kLayerB].loopEndName == kLoopPositionToHighB);

constexpr RuleGroup kRuleGroups[] = {
    {kMainVolume, linear("%.1f dB", 50.0f, -40.0f)},
    {kVolumes, linear("%.1f dB", 40.0f, -40.0f)},
    {kPans, balance("100L/%.0fR", "%.0fL/100R")},
    {kDryWet, balance("100D/%.0fW", "%.0fD/100W")},
    {kLayerBalance, balance("100A/%.0fB", "%.0fA/100B")},
    {kSemitones24, linearInt("%d sm", 24.99f, -12.0f)},
    {kOctaves, linearInt("%d oct", 8.99f, -4.0f)},
    {kEasyScale, exponentialInt("%d %%", 3200.0f, -10.0f)},
    {kBipolar, kBipolarPercent},
    {kUnipolar, kUnipolarPercent},
    {kSemitones72, linearInt("%d sm", 72.99f, -36.0f)},
    {kCents, linear("%.1f cent", 200.0f, -100.0f)},
    {kFrequencies, {.format = Format::Frequency}},
    {kHighFrequencies, scaledFrequency(640.0f, 5.0f)},
    {kLfoFrequencies, scaledFrequency(0.1f, 10.0f)},
    {kBassDrumStart, scaledFrequencyOf(10.0f, 2000.0f)},
    {kBassDrumEnd, scaledFrequencyOf(10.0f, 10.0f)},
    {kBassDrumBase, exponentialOf("%.1f hz", 10.0f, 10.0f)},
    {kTwentyFoldBase, exponentialOf("%.1f hz", 25.0f, 20.0f)},
    {kTomModulatorBase, exponentialOf("%.1f hz", 10.0f, 200.0f)},
    {kTime20, powerTime(20.0f)},
    {kTime250, powerTime(250.0f)},
    {kTime1500, powerTime(1500.0f)},
    {kTime10000, powerTime(10000.0f)},
    {kTime2000, powerTime(2000.0f)},
    {kTime1000, powerTime(1000.0f)},
    {kTime2500, powerTime(2500.0f)},
    {kTime100, powerTime(100.0f)},
    {kTime6000, powerTime(6000.0f)},
    {kTimes, {.format = Format::Time}},
    {kHeldTimes, {.format = Format::HeldTime}},
    {kUserFilterLfoRates, withRef(Format::SyncedRate, 12)},
    {kLfoRates, withRef(Format::SyncedRate, 6)},
    {kVoiceFilterLfoRates, withRef(Format::SyncedRate, 32)},
    {kLayerAFilterLfoRates, withRef(Format::SyncedRate, 7872 - 6744)},
    {kLayerBFilterLfoRates, withRef(Format::SyncedRate, 7872 - 6760)},
    {kNoiseMixes, {.format = Format::NoiseMix}},
    {kWhitePinkMixes, {.format = Format::WhitePink}},
    {kLengthShares, {.format = Format::PercentOfLength}},
    {kMidiValues, linearInt("%d", 127.99f, 0.0f)},
    {kLayerALoopPositions, withRef(Format::LoopPosition, kLoopPositionToHighA)},
    {kLayerBLoopPositions, withRef(Format::LoopPosition, kLoopPositionToHighB)},
    {kSwitches, kOnOff},
    {kTriggerModes, switchTexts("Free Running", "Triggered")},
    {kEnvelopeModAmounts, withRef(Format::ModAmount, 1)},
    {kLfoModAmounts, withRef(Format::ModAmount, 6)},
    {kRowModAmounts, withRef(Format::ModAmount, modRowDestination[0] - modRowAmount[0])},
    {kBassDrumModels, choice(kBassDrumModelNames, choicescale::kDrumModel)},
    {kSnareModels, choice(kSnareModelNames, choicescale::kDrumModel)},
    {kHiHatModels, choice(kHiHatModelNames, choicescale::kDrumModel)},
    {kClapModels, choice(kClapModelNames, choicescale::kDrumModel)},
    {kTomModels, choice(kTomModelNames, choicescale::kDrumModel)},
    {kUserModels, choice(kUserModelNames, choicescale::kDrumModel)},
    {kBassDrumWaves, choice(kBassDrumWaveNames, 2.99f)},
    {kSnareWaves, choice(kSnareWaveNames, 1.99f)},
    {kUserModWaves, choice(kUserModWaveNames, 4.99f)},
    {kUserWaves, choice(kUserWaveNames, 3.99f)},
    {kLfoWaves, choice(kLfoWaveNames, 5.99f)},
    {kFmRing, choice(kFmRingNames, 1.99f)},
    {kOscillatorFilters, choice(kOscillatorFilterNames, 2.99f)},
    {kVoiceFilterTypes, choice(kVoiceFilterTypeNames, choicescale::kVoiceFilterType)},
    {kCurveModes, switchTexts("High", "Low")},
    {kClapRepeats, choice(kClapRepeatNames, 6.99f)},
    {kRetriggers, choice(kRetriggerNames, 7.99f)},
    {kOutputs, choice(kOutputNames, choicescale::kOutput)},
    {kChokeGroups, choice(kChokeGroupNames, choicescale::kChokeGroup)},
    {kDistortionTypes, choice(kDistortionTypeNames, choicescale::kDistortionType)},
    {kLayerModes, choice(kSampleLayerModeNames, choicescale::kSampleLayerMode)},
    {kRouting, choice(kEffectRoutingNames, choicescale::kEffectRouting)},
    {kEffectTypes, choice(kEffectTypeNames, choicescale::kEffectType)},
    {kLfoModes, choice(kLfoModeNames, 2.99f)},
    {kModSources, choice(kModSourceNames, choicescale::kModSource)},
    {kModDestinations, choice(kModDestinationNames, choicescale::kModDestination)},
    {kPatternSteps, choice(kPatternStepNames, choicescale::kPatternStep)},
    {kPatternSpeeds, choice(kPatternSpeedNames, choicescale::kPatternSpeed)},
    {kTrackPads, choice(kTrackPadNames, choicescale::kTrackTargetPad)},
    {kFirstDistortionBy4, voiceDistortion(4, 0)},
    {kSecondDistortionBy2, voiceDistortion(2, 1)},
    {kFirstUserDistortion, voiceDistortion(12, 0)},
    {kSecondUserDistortion, voiceDistortion(6, 1)},
    {kFirstSampleDistortion, voiceDistortion(-8, 0)},
    {kSecondSampleDistortion, voiceDistortion(-16, 1)},
    {kEffectModDestinationsA, withRef(Format::EffectModDestination, effectType[0] - effectModDestinationA[0])},
    {kEffectModDestinationsB, withRef(Format::EffectModDestination, effectType[0] - effectModDestinationB[0])},
    {kEffectParameters, {.format = Format::EffectParameter}},
};

// Which group's rule each index follows; 0 is the "----" of indices without one.
constexpr std::array<std::uint8_t, kParameterCount> buildRuleLookup()
{
    std::array<std::uint8_t, kParameterCount> lookup{};
    for (std::size_t g = 0; g < std::size(kRuleGroups); ++g)
        for (const IndexRange range : kRuleGroups[g].ranges)
            for (int i = range.first; i <= range.last; ++i) {
                if (lookup[static_cast<std::size_t>(i)] != 0)
                    throw "an index in two groups"; // stops the build: every index has one text
                lookup[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(g + 1);
            }
    return lookup;
}

static_assert(std::size(kRuleGroups) < 255);
constexpr std::array<std::uint8_t, kParameterCount> kRuleLookup = buildRuleLookup();

// The two parameters of a voice's distortion, by its type; types past the list use the last row.
constexpr Rule kDistortionPercent = linear("%.1f %%", 100.0f, 0.0f);
constexpr std::array<std::array<Rule, 2>, 21> kDistortionRules = {{
    {empty(), empty()},                                                            // None
    {linear("%.1f", -16.0f, 16.0f), kDistortionPercent},                           // Bits
    {linear("%.1f %%", 100.0f, -100.0f), linear("%.1f %%", -100.0f, 100.0f)},      // Clipper
    {kDistortionPercent, kDistortionPercent},                                      // Cos
    {kDistortionPercent, kDistortionPercent},                                      // Cross1
    {linear("%.1f %%", -100.0f, 0.0f), linear("%.1f %%", -100.0f, 100.0f)},        // Cross2
    {kDistortionPercent, kDistortionPercent},                                      // FoldOver
    {kDistortionPercent, exponential("X %.1f", 1.0f, 4.0f)},                       // Fuzz
    {kDistortionPercent, kDistortionPercent},                                      // Gapper
    {kDistortionPercent, kDistortionPercent},                                      // HardLimit
    {kDistortionPercent, kDistortionPercent},                                      // OverDrive
    {kDistortionPercent, kDistortionPercent},                                      // Octave
    {exponential("X %.1f", 1.0f, 4.0f), kDistortionPercent},                       // Octave2
    {kDistortionPercent, kDistortionPercent},                                      // Power
    {linear("%.1f %%", -200.0f, 100.0f), kDistortionPercent},                      // Rectify
    {exponential("%.1f", 1.0f, 10.0f), kDistortionPercent},                        // S&H
    {kDistortionPercent, kDistortionPercent},                                      // Saturate
    {kDistortionPercent, empty()},                                                 // SoftLimit
    {kDistortionPercent, empty()},                                                 // Square
    {kDistortionPercent, linear("%.1f %%", -200.0f, 100.0f)},                      // Transient
    {kDistortionPercent, kDistortionPercent},                                      // any later type
}};

// The ten parameters of a master effect slot, by the slot's effect type.
constexpr Rule kPercent = linear("%.0f %%", 100.0f, 0.0f);
constexpr Rule kSignedPercent = linear("%+.0f %%", 200.0f, -100.0f);
constexpr Rule kFrequency = {.format = Format::Frequency};
constexpr Rule kEffectRate = rate(4096.0f, 10.0f, true);
constexpr Rule kNoteLength = {.format = Format::NoteLength};
constexpr Rule kDelayNote = choice(kDelayNoteNames, 14.99f);
constexpr Rule kDelayMs = linear("%.1f ms", 50.0f, 0.0f);
constexpr Rule kGain = decibel(40.0f, -20.0f);
constexpr Rule kThreshold = decibel(40.0f, -40.0f);
constexpr Rule kTime = {.format = Format::Time};
constexpr Rule kNone = empty();

using EffectRules = std::array<Rule, kEffectParameterCount>;

constexpr EffectRules reverbRules(Rule level)
{
    return {exponential("%.1f ms", 0.5f, 10.0f, -0.5f), Rule{.format = Format::RoomSize},
            exponentialInt("%d %%", 1.5625f, 8.0f), kPercent, kPercent, kFrequency, kFrequency, level, kTime, kTime};
}

constexpr std::array<EffectRules, kEffectTypeCount> kEffectRules = {{
    {kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone},
    // Mono Delay
    {withRef(Format::SyncedTime, 7), kSignedPercent, kFrequency, kFrequency, kPercent, kPercent, kEffectRate, kOnOff,
     kNone, kNone},
    // Stereo Delay
    {withRef(Format::SyncedTime, 8), withRef(Format::SyncedTime, 7), kSignedPercent, kSignedPercent, kOnOff,
     kFrequency, kFrequency, kPercent, kOnOff, kNone},
    // Comb Filter
    {kFrequency, kSignedPercent, kPercent, kNoteLength, kFrequency, kSignedPercent, kPercent, kNoteLength, kNone, kNone},
    reverbRules(decibel(40.0f, -40.0f)),
    reverbRules(decibel(40.0f, -20.0f)),
    // Chorus
    {kDelayMs, kPercent, kEffectRate, kPercent, kFrequency, kPercent, kNone, kNone, kNone, kNone},
    // Chorus / Delay
    {kDelayMs, kPercent, kEffectRate, kPercent, kDelayNote, kPercent, kPercent, kNone, kNone, kNone},
    // Flanger
    {kDelayMs, kPercent, kNoteLength, kSignedPercent, kPercent, kFrequency, kFrequency, kNone, kNone, kNone},
    // Phaser
    {linearInt("%d", 7.99f, 1.0f), kFrequency, kPercent, kPercent, kNoteLength, kPercent, kPercent, kNone, kNone, kNone},
    // WahWah Delay
    {kFrequency, kFrequency, kNoteLength, kPercent, kDelayNote, kPercent, kPercent, kNone, kNone, kNone},
    // Distort
    {kPercent, kSignedPercent, kPercent, kFrequency, kPercent, linear("%+.0f db", 40.0f, -20.0f), kSignedPercent, kNone,
     kNone, kNone},
    // Low Fi
    {Rule{.format = Format::CountDown, .scale = 15.99f, .offset = 16.0f}, Rule{.format = Format::SampleRateDivider}, kFrequency,
     kSignedPercent, kNone, kNone, kNone, kNone, kNone, kNone},
    // Amp Sim
    {choice(kAmpSimModelNames), kPercent, kGain, kGain, kGain, kNone, kNone, kNone, kNone, kNone},
    // Waveshaper
    {kPercent, kPercent, kSignedPercent, kFrequency, kPercent, kNoteLength, kNone, kNone, kNone, kNone},
    // Widener
    {kPercent, kPercent, kEffectRate, kFrequency, kFrequency, kNone, kNone, kNone, kNone, kNone},
    // AutoPan
    {kPercent, kNoteLength, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone},
    // Gator
    {kNoteLength, kPercent, choice(kGatorChannelNames), choice(kGatorModeNames), kNone, kNone, kNone, kNone, kNone, kNone},
    // Ring-Mod
    {choice(kRingModWaveNames), kFrequency, kPercent, kNone, kNone, kNone, kNone, kNone, kNone, kNone},
    // Filter
    {choice(kEffectFilterTypeNames), kPercent, kFrequency, kPercent, kPercent, kPercent, kNoteLength,
     linear("%.0f %%", 200.0f, -100.0f), kNone, kNone},
    // Equalizer
    {kGain, kGain, kGain, kGain, kGain, kGain, kGain, kGain, kGain, kGain},
    // Compressor
    {kThreshold, Rule{.format = Format::CompressorRatio}, offsetPowerTime(256.0f), offsetPowerTime(1024.0f), kGain, kNone,
     kNone, kNone, kNone, kNone},
    // Noise-Gate
    {kThreshold, offsetPowerTime(256.0f), kTime, kTime, kNone, kNone, kNone, kNone, kNone, kNone},
    // Ensemble
    {kDelayMs, kPercent, kEffectRate, kPercent, kPercent, kPercent, kNone, kNone, kNone, kNone},
    // Cabinet
    {choice(kCabinetNames), kPercent, kGain, kGain, kGain, kNone, kNone, kNone, kNone, kNone},
    // Multi Distort
    {choice(kMultiDistortionNames), decibel(60.0f, -30.0f), kPercent, kPercent, kPercent, kFrequency, kFrequency,
     decibel(60.0f, -30.0f), kNone, kNone},
    // AutoWah
    {choice(kAutoWahModeNames), kPercent, kPercent, kPercent, kPercent, kPercent, kNone, kNone, kNone, kNone},
}};

// The texts of an effect modulation destination before the effect's own parameters.
constexpr std::array<std::string_view, 3> kEffectModTargetNames = {"None", "Mix", "Pan"};

// A text that never runs past the caller's buffer, whatever the numbers.
class TextOut {
public:
    TextOut(char* text, std::size_t size) : text_(text), size_(size) {}

    void copy(std::string_view s)
    {
        const std::size_t n = std::min(s.size(), size_ - 1);
        std::copy_n(s.data(), n, text_);
        text_[n] = 0;
    }

    void print(const char* pattern, ...) __attribute__((format(printf, 2, 3)))
    {
        va_list args;
        va_start(args, pattern);
        std::vsnprintf(text_, size_, pattern, args);
        va_end(args);
    }

    // For patterns that come from the rule tables.
    void printValue(const char* pattern, double x) { printUnchecked(pattern, x); }
    void printValues(const char* pattern, double x, double y) { printUnchecked(pattern, x, y); }
    void printInt(const char* pattern, int n) { printUnchecked(pattern, n); }

private:
    template <typename... Args>
    void printUnchecked(const char* pattern, Args... args)
    {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
        std::snprintf(text_, size_, pattern, args...);
#pragma GCC diagnostic pop
    }

    char* text_;
    std::size_t size_;
};

class Formatter {
public:
    Formatter(ConstParameterSpan values, TextOut& out) : values_(values), out_(out) {}

    void format(const Rule& rule, int index);

private:
    // Values are 0..1 by the store's rule; anything else is held there, so that no reading below
    // can turn into an out-of-range conversion.
    float value(int index) const
    {
        if (index < 0 || index >= kParameterCount)
            return 0.0f;
        const float v = values_[static_cast<std::size_t>(index)];
        return !(v >= 0.0f) ? 0.0f : std::min(v, 1.0f);
    }

    void choiceEntry(std::span<const std::string_view> list, float v, float scale)
    {
        out_.copy(list[static_cast<std::size_t>(readChoiceClamped(v, scale, static_cast<int>(list.size())))]);
    }

    void frequency(float v)
    {
        const float f = 20.0f * std::exp2(10.0f * v);
        if (f >= 1000.0f)
            out_.print("%.1f kHz", f / 1000.0f);
        else
            out_.print("%.0f Hz", f);
    }

    // A time of t ms set by v: "Off" at the very bottom, seconds from a second on, and short
    // times with the digits `shortPattern` gives.
    void milliseconds(float v, float t, const char* shortPattern)
    {
        if (v < 0.001f)
            out_.copy("Off");
        else if (t >= 1000.0f)
            out_.print("%.1f sec", t / 1000.0f);
        else if (t >= 100.0f)
            out_.print("%.0f ms", t);
        else
            out_.printValue(shortPattern, t);
    }

    void time(float v) { milliseconds(v, std::exp2(14.0f * v), "%.1f ms"); }

    void rateText(float v, float divisor, float octaves, bool offAtZero)
    {
        const float f = 55.0f * std::exp2(v * octaves) / divisor;
        if (v == 0.0f && offAtZero)
            out_.copy("Off");
        else if (f >= 1000.0f)
            out_.print("%4.1f kHz", f / 1000.0f);
        else
            out_.print("%4.2f Hz", f);
    }

    void noteLength(float v) { out_.copy(tempo::kSyncedNoteLengths[static_cast<std::size_t>(tempo::syncedNoteIndex(v))].name); }

    void modAmount(float v, int destinationIndex)
    {
        const int d = readChoiceClamped(value(destinationIndex), choicescale::kModDestination,
                                        modulation::kModDestinationCount);
        switch (modulation::kModDestinationKinds[static_cast<std::size_t>(d)]) {
        case modulation::ModDestinationKind::Scale:
            out_.print("%.1f %%", std::floor(100.0f * std::exp2(8.0f * v - 4.0f)));
            break;
        case modulation::ModDestinationKind::Pitch: out_.print("%.1f semi", (v - 0.5f) * 48.0f); break;
        case modulation::ModDestinationKind::Add:
        case modulation::ModDestinationKind::Level: out_.print("%.1f %%", 200.0f * v - 100.0f); break;
        case modulation::ModDestinationKind::None: out_.copy("-"); break;
        }
    }

    void effectParameter(int index, float v)
    {
        (void)v;
        const int slot = (index - effectParameterIndex(0, 0)) / kEffectParameterCount;
        const int k = (index - effectParameterIndex(0, 0)) % kEffectParameterCount;
        const int type = readChoice(value(effectType[static_cast<std::size_t>(slot)]), choicescale::kEffectType);
        if (type >= kEffectTypeCount)
            return;
        format(kEffectRules[static_cast<std::size_t>(type)][static_cast<std::size_t>(k)], index);
    }

    void effectModDestination(int typeIndex, float v)
    {
        const int k = readChoice(v, choicescale::kEffectType);
        const int firstParameter = static_cast<int>(kEffectModTargetNames.size());
        if (k < firstParameter) {
            out_.copy(kEffectModTargetNames[static_cast<std::size_t>(k)]);
        } else if (k < firstParameter + kEffectParameterCount) {
            // Named as the slot's current effect calls its parameter; a type past the list reads as the last.
            const int type = std::min(readChoice(value(typeIndex), choicescale::kEffectType), kEffectTypeCount - 1);
            out_.copy(kEffectParameterNames[static_cast<std::size_t>(type)][static_cast<std::size_t>(k - firstParameter)]);
        }
    }

    ConstParameterSpan values_;
    TextOut& out_;
};

void Formatter::format(const Rule& rule, int index)
{
    const float v = value(index);
    const float octaves = rule.ratio != 0.0f ? dsp::octaveSpan(rule.ratio) : rule.octaves;
    switch (rule.format) {
    case Format::Dashes: out_.copy("----"); break;
    case Format::Empty: out_.copy(""); break;
    case Format::Linear: out_.printValue(rule.pattern, v * rule.scale + rule.offset); break;
    case Format::LinearInt: out_.printInt(rule.pattern, static_cast<int>(v * rule.scale + rule.offset)); break;
    case Format::CountDown: out_.print("%d", static_cast<int>(rule.offset) - static_cast<int>(v * rule.scale)); break;
    case Format::Balance:
        if (v < 0.5f)
            out_.printValue(rule.pattern, 200.0f * v);
        else
            out_.printValue(rule.pattern2, 200.0f * (1.0f - v));
        break;
    case Format::Exponential: out_.printValue(rule.pattern, rule.scale * std::exp2(v * octaves) + rule.offset); break;
    case Format::ExponentialInt:
        out_.printInt(rule.pattern, static_cast<int>(rule.scale * std::exp2(v * octaves)));
        break;
    case Format::Decibel: {
        const float x = v * rule.scale + rule.offset;
        if (x > 0.0f)
            out_.print("+%.1f dB", x);
        else
            out_.print("%.1f dB", x);
        break;
    }
    case Format::Frequency: frequency(v); break;
    case Format::ScaledFrequency: {
        const float f = rule.scale * std::exp2(v * octaves);
        if (f < 10.0f)
            out_.print("%.1f Hz", f);
        else if (f < 1000.0f)
            out_.print("%.0f Hz", f);
        else
            out_.print("%.1f kHz", f / 1000.0f);
        break;
    }
    case Format::PowerTime: milliseconds(v, std::pow(rule.scale, v), "%.2f ms"); break;
    case Format::OffsetPowerTime: {
        const float t = std::pow(rule.scale + 0.5f, v) - 0.5f;
        if (v < 0.001f)
            out_.copy("Off");
        else if (t >= 100.0f)
            out_.print("%.0f ms", t);
        else
            out_.print("%.2f ms", t);
        break;
    }
    case Format::Time: time(v); break;
    case Format::HeldTime:
        if (v > 0.99f)
            out_.copy("Held");
        else
            time(v);
        break;
    case Format::Rate: rateText(v, rule.scale, octaves, rule.offset != 0.0f); break;
    case Format::SyncedRate:
        if (isSwitchOn(value(index + rule.ref)))
            noteLength(v);
        else
            rateText(v, 2048.0f, 10.0f, true);
        break;
    case Format::SyncedTime:
        if (isAboveHalf(value(index + rule.ref)))
            choiceEntry(kDelayNoteNames, v, 14.99f);
        else
            out_.print("%.0f ms", std::exp2(12.0f * v));
        break;
    case Format::NoiseMix:
        if (v < 0.5f)
            out_.print("Sine/White %.1f/%.1f %%", 100.0f - 200.0f * v, 200.0f * v);
        else
            out_.print("White/Pink %.1f/%.1f %%", 200.0f - 200.0f * v, 200.0f * v - 100.0f);
        break;
    case Format::WhitePink: out_.print("White/Pink %.1f/%.1f %%", 100.0f - 100.0f * v, 100.0f * v); break;
    case Format::PercentOfLength: out_.print("%.2f %% of length", 100.0f * v * v); break;
    case Format::LoopPosition: {
        const int high = index + rule.ref;
        constexpr int kLowAfterHigh = sampleLayerLayouts[kLayerA].loopStartLow - sampleLayerLayouts[kLayerA].loopStartHigh;
        out_.print("%d", SamplePosition::read(value(high), value(high + kLowAfterHigh)));
        break;
    }
    case Format::Switch: out_.copy(isSwitchOn(v) ? rule.pattern2 : rule.pattern); break;
    case Format::ModAmount: modAmount(v, index + rule.ref); break;
    case Format::Choice: choiceEntry(rule.list, v, rule.scale); break;
    case Format::NoteLength: noteLength(v); break;
    case Format::VoiceDistortion: {
        const int type = readChoice(value(index + rule.ref), choicescale::kDistortionType);
        const std::size_t row = std::min<std::size_t>(static_cast<std::size_t>(type), kDistortionRules.size() - 1);
        format(kDistortionRules[row][static_cast<std::size_t>(rule.part)], index);
        break;
    }
    case Format::EffectModDestination: effectModDestination(index + rule.ref, v); break;
    case Format::EffectParameter: effectParameter(index, v); break;
    case Format::RoomSize: out_.print("%.2f m", std::floor(30.75f * v + 1.0f) * 0.25f); break;
    case Format::SampleRateDivider: out_.print("%d", 44100 / static_cast<int>(std::exp2(5.0f * v))); break;
    case Format::CompressorRatio:
        if (v == 0.0f)
            out_.copy("None");
        else if (v == 1.0f)
            out_.copy("Limiter");
        else
            out_.print("Ratio %.0f:1", std::exp2(7.0f * v));
        break;
    }
}

} // namespace

void formatParameterDisplay(int index, ConstParameterSpan values, char* text, std::size_t size)
{
    if (text == nullptr || size == 0)
        return;
    text[0] = 0;
    if (index < 0 || index > kParameterCount)
        return;
    TextOut out(text, size);
    if (index == kParameterCount) {
        out.copy("----");
        return;
    }
    const std::uint8_t group = kRuleLookup[static_cast<std::size_t>(index)];
    Formatter formatter(values, out);
    formatter.format(group == 0 ? dashes() : kRuleGroups[group - 1].rule, index);
}

} // namespace kravo::param::display

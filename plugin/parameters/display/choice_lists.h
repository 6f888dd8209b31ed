#pragma once

#include <array>
#include <string_view>

namespace kravo::param::display {

// The texts of the smaller choice parameters, by the choice read from the value.

inline constexpr std::array<std::string_view, 3> kBassDrumWaveNames = {"Sine", "Triangle", "Square"};
inline constexpr std::array<std::string_view, 2> kSnareWaveNames = {"Sine", "Triangle"};
inline constexpr std::array<std::string_view, 2> kFmRingNames = {"FM", "Ring"};
inline constexpr std::array<std::string_view, 3> kOscillatorFilterNames = {"Off", "HP", "BP"};
inline constexpr std::array<std::string_view, 5> kUserModWaveNames = {"Saw Down", "Saw Up", "Square", "Sine", "Triangle"};
inline constexpr std::array<std::string_view, 4> kUserWaveNames = {"Sine", "Saw", "Square", "Triangle"};
inline constexpr std::array<std::string_view, 7> kVoiceFilterTypeNames = {"Off", "LP", "HP", "BP", "N", "Vocal", "Comb"};
inline constexpr std::array<std::string_view, 2> kCurveModeNames = {"High", "Low"};
inline constexpr std::array<std::string_view, 7> kClapRepeatNames = {"None", "1", "2", "3", "4", "6", "8"};
inline constexpr std::array<std::string_view, 8> kRetriggerNames = {"Off", "1", "2", "3", "4", "6", "8", "12"};
inline constexpr std::array<std::string_view, 8> kOutputNames = {"Dry", "FX 1", "FX 2", "FX 3", "FX 4",
                                                                 "Stereo 6", "Stereo 7", "Stereo 8"};
inline constexpr std::array<std::string_view, 5> kChokeGroupNames = {"None", "1", "2", "3", "4"};
inline constexpr std::array<std::string_view, 20> kDistortionTypeNames = {
    "None",     "Bits",      "Clipper", "Cos",    "Cross1", "Cross2",  "FoldOver", "Fuzz",      "Gapper", "HardLimit",
    "OverDrive", "Octave",   "Octave2", "Power",  "Rectify", "S&H",    "Saturate", "SoftLimit", "Square", "Transient"};
inline constexpr std::array<std::string_view, 5> kSampleLayerModeNames = {"Sample A", "Sample B", "Alternate", "Split", "Mix"};
inline constexpr std::array<std::string_view, 5> kEffectRoutingNames = {"Parallel", "Serial", "[1,2,3]>4", "[1,2]>3>4",
                                                                        "1>2 + 3>4"};
inline constexpr std::array<std::string_view, 6> kLfoWaveNames = {"Sine", "Triangle", "Saw Up", "Saw Down", "Square", "S&H"};
inline constexpr std::array<std::string_view, 3> kLfoModeNames = {"Poly", "Free", "Mono"};
inline constexpr std::array<std::string_view, 16> kPatternStepNames = {
    "Step 01", "Step 02", "Step 03", "Step 04", "Step 05", "Step 06", "Step 07", "Step 08",
    "Step 09", "Step 10", "Step 11", "Step 12", "Step 13", "Step 14", "Step 15", "Step 16"};
inline constexpr std::array<std::string_view, 9> kPatternSpeedNames = {
    "1/4x bpm", "1/3x bpm", "1/2x bpm", "2/3x bpm", "1x bpm", "3/2x bpm", "2x bpm", "3x bpm", "4x bpm"};
inline constexpr std::array<std::string_view, 24> kTrackPadNames = {
    "BD1",   "BD2",   "SN1",   "SN2",     "CL-HH1",  "OP-HH1",  "CL-HH2",  "OP-HH2",
    "Clap1", "Clap2", "TM/US1", "TM/US2", "TM/US3",  "User4",   "User5",   "User6",
    "Sample1", "Sample2", "Sample3", "Sample4", "Sample5", "Sample6", "Sample7", "Sample8"};

// The tempo-synced delay times.
inline constexpr std::array<std::string_view, 15> kDelayNoteNames = {
    "1/32T", "1/32", "1/32*", "1/16T", "1/16", "1/16*", "1/8T", "1/8", "1/8*", "1/4T", "1/4", "1/4*", "1/2T", "1/2", "1/2*"};

// The choice parameters of the master effect types.
inline constexpr std::array<std::string_view, 6> kAmpSimModelNames = {"None", "4x10", "4x12", "Bass", "Combo", "Radio"};
inline constexpr std::array<std::string_view, 3> kGatorChannelNames = {"Left & Right", "Left only", "Right only"};
inline constexpr std::array<std::string_view, 3> kGatorModeNames = {"Off", "On", "Auto"};
inline constexpr std::array<std::string_view, 5> kRingModWaveNames = {"Sine", "Saw", "Sqr", "Tri", "L+R"};
inline constexpr std::array<std::string_view, 15> kEffectFilterTypeNames = {
    "Bypass",        "6dB LowPass",   "6dB HighPass",  "12dB LowPass", "12dB HighPass",
    "12dB BandPass", "12dB Notch",    "18dB LowPass",  "18dB HighPass", "24dB LowPass",
    "24dB HighPass", "24dB BandPass", "24dB Notch",    "Comb",          "Vocal"};
inline constexpr std::array<std::string_view, 4> kCabinetNames = {"None", "Fender", "Marshall", "Off Axis"};
inline constexpr std::array<std::string_view, 12> kMultiDistortionNames = {
    "None", "Atan", "Cos", "Cross", "Foldover", "Fuzz", "Limiter", "Overdrive", "Power", "Rectifier", "Saturator", "Square"};
inline constexpr std::array<std::string_view, 2> kAutoWahModeNames = {"LowPass", "BandPass"};

} // namespace kravo::param::display

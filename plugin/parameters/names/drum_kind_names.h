#pragma once

#include "plugin/parameters/synth_layer_parameters.h"

#include <array>
#include <string_view>

namespace kravo::param::names {

// Names of each drum kind's parameters, by kind parameter j. An empty name is a parameter that has
// no fixed name: j = 1 and 2 are named after the voice's distortion type, the others carry nothing.
// Some spellings look like slips ("Nose Filter Freq", the blank after "Click Freq Drop "); hosts keep
// automation and MIDI maps by these names, so they stay.

inline constexpr std::array<std::string_view, 32> kBassDrumParameterNames = {
    "Velocity > Volume", "", "", "Distortion Type", "Output", "Choke Group", "Attack", "Model", "Osc Wave",
    "Osc Freq Curve Mode", "", "Osc Freq Start", "Osc Freq End", "Osc Freq Decay", "Osc Freq Curve",
    "Osc Amp Hold", "Osc Amp Decay", "Osc Amp Decay Curve", "Kravo Amount", "Kravo Decay", "Kravo Curve",
    "Click Volume", "Click Mix", "Click Freq", "Click Freq Drop", "Click Decay", "Click Spread", "Click Offset",
    "Osc Base Freq", "Osc Freq Drop", "Osc Decay", "Osc Decay Curve"};

inline constexpr std::array<std::string_view, 37> kSnareParameterNames = {
    "Velocity > Volume", "", "", "Distortion Type", "Output", "Choke Group", "Attack", "Model",
    "Noise Filter Type", "Osc Wave", "Osc Freq Curve Mode", "Osc Freq Drop", "Osc Base Freq", "Osc Freq Decay",
    "Osc Freq Decay Curve", "Osc Volume", "Osc Amp Hold", "Osc Amp Decay", "Osc Amp Decay Curve",
    "Osc HP Filter Freq", "Click Volume", "Click Vel > Freq", "Click Freq", "Click Freq Drop ",
    "Click Freq Decay", "Noise Volume", "Noise Amp Attack", "Noise Amp Decay", "Noise Filter Freq",
    "Noise Filter Q / Vowel", "Noise Filter Vel > Freq", "Noise Filter Spread", "Noise Filter Offset",
    "Noise Filter Drop", "Noise Filter Decay", "Noise Filter Rise", "Noise Filter Curve"};

// Closed and open hi-hats share their names.
inline constexpr std::array<std::string_view, 36> kHiHatParameterNames = {
    "Velocity > Volume", "", "", "Distortion Type", "Output", "Choke Group", "Attack", "Model",
    "Osc Filter Type", "Noise Filter Type", "FM / Ring", "Mod Freq", "Mod Vel > Freq", "Mod Spread",
    "Mod Amount", "Mod Freq Drop", "Mod Freq Decay", "Osc Volume", "Osc Vel > Freq", "Osc Freq",
    "Osc Amp Decay", "Vel > Decay", "Osc Filter Freq", "Osc Filter Q", "Osc Filter Drop", "Osc Filter Decay",
    "Osc Filter Rise", "Noise Volume", "Noise Amp Decay", "Nose Filter Freq", "Noise Filter Q / Vowel",
    "Noise Filter Vel > Freq", "Noise Filter Drop", "Noise Filter Decay", "Noise Filter Rise",
    "Osc Rnd > Freq"};

inline constexpr std::array<std::string_view, 23> kClapParameterNames = {
    "Velocity > Volume", "", "", "Distortion Type", "Output", "Choke Group", "Model", "Noise Filter",
    "Number of Repeats", "Noise Filter Freq", "Noise Q / Vowel", "Repeat Speed", "Amp Hold", "Amp Decay",
    "Amp Decay Curve", "Stereo Spread", "Stereo Offset", "Stereo Speed Offset", "Speed Humanization",
    "Volume Humanization", "Filter Rnd > Freq", "", "Decay Humanization"};

inline constexpr std::array<std::string_view, 27> kTomParameterNames = {
    "Mode", "Attack", "Osc Freq Curve Mode", "Osc Filter Type", "Osc Freq Drop", "Osc Base Freq",
    "Osc Freq Decay", "Osc Freq Curve", "Osc Amp Hold", "Osc Amp Decay", "Osc Amp Decay Curve",
    "Mod Base Freq", "Mod Freq Drop", "Mod Freq Decay", "Mod Amp Hold", "Mod Amp Decay", "Mod Amount",
    "Click Volume", "Click Mix", "Click Base Freq", "Click Freq Drop", "Click Freq Decay", "Osc Filter Freq",
    "Osc Filter Q", "Osc Filter Drop", "Osc Filter Decay", "Osc Vel > Freq"};

// Names repeat here ("Mod Freq" three times, "Osc Freq" twice, ...): each belongs to another family
// of user models, and the index tells them apart.
inline constexpr std::array<std::string_view, 89> kTomUserParameterNames = {
    "Velocity > Volume", "", "", "Distortion Type", "Output", "Choke Group", "Model", "Osc Filter Type",
    "Noise Filter Type", "FM / Ring", "Mod Wave", "Osc Wave", "Osc Freq Curve Mode", "Mod Freq",
    "Mod Vel > Freq", "Mod Spread", "Mod Amount", "Mod Freq Drop", "Mod Freq Decay", "Osc Volume",
    "Osc Vel > Freq", "Osc Freq", "Osc Amp Attack", "Osc Amp Attack Curve", "Osc Amp Hold", "Osc Amp Decay",
    "Vel > Decay", "Osc Filter Freq", "Osc Filter Q / Vowel", "Osc Filter Drop", "Osc Filter Decay",
    "Osc Filter Rise", "Noise Volume", "Noise Amp Attack", "Noise Amp Attack Curve", "Noise Amp Hold",
    "Noise Amp Decay", "Nose Filter Freq", "Noise Filter Q / Vowel", "Noise Filter Vel > Freq",
    "Noise Filter Drop", "Noise Filter Decay", "Noise Filter Rise", "Stereo Start", "Stereo End",
    "Stereo Time", "Mod Freq", "Mod Freq Rise", "Noise Mix", "Noise Filter Rnd > Freq", "Random > Decay",
    "Filter LFO Amount", "Filter LFO Speed", "Filter LFO Mode", "Filter LFO Sync", "Attack", "Mod Freq",
    "Mod Freq Drop", "Mod Freq Decay", "Osc Freq", "Osc Amp Decay", "Osc Filter Drop", "Osc Filter Decay",
    "Osc Filter Rise", "Osc Rnd > Freq", "Noise Amp Decay", "Noise Filter Decay", "Noise Filter Rise",
    "Osc Freq Start", "Osc Freq End", "Osc Freq Decay", "Osc Freq Curve", "Osc Amp Hold", "Osc Amp Decay",
    "Osc Amp Decay Curve", "Kravo Amount", "Kravo Decay", "Kravo Curve", "Click Volume", "Click Mix",
    "Click Freq", "Click Freq Drop", "Click Decay", "Click Spread", "Click Offset", "Osc Base Freq",
    "Osc Freq Drop", "Osc Decay", "Osc Decay Curve"};

// The layer and filter block of the synthesised voices, by synthlayer::Parameter.
inline constexpr std::array<std::string_view, synthlayer::kParameterCount> kSynthLayerParameterNames = {
    "Semi", "Fine", "Amp Attack", "Amp Hold", "Amp Decay", "Filter Type", "Filter Freq", "Filter Q",
    "Filter Env Amount", "Filter Env Attack", "Filter Env Hold", "Filter Env Decay", "Rnd > Freq",
    "Filter Vel > Freq", "Vel > Freq", "Filter LFO Amount", "Filter LFO Speed", "Filter LFO Mode",
    "Filter LFO Tempo Sync", "Sample Reverse", "Sample Offset", "Sample Retriggers", "Sample Retrigger Time",
    "Stereo Start", "Stereo End", "Stereo Time"};

} // namespace kravo::param::names

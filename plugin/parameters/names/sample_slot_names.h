#pragma once

#include "plugin/parameters/sample_slot_parameters.h"

#include <array>
#include <string_view>

namespace kravo::param::names {

// A layer's sound block, by soundblock::Parameter; both layers use the same names.
inline constexpr std::array<std::string_view, soundblock::kParameterCount> kSoundBlockParameterNames = {
    "Amp Attack", "Amp Hold", "Amp Decay", "Tuning", "Fine-Tuning", "Pitch Env", "Pitch Env Attack",
    "Pitch Env Hold", "Pitch Env Decay", "Filter Type", "Filter Freq", "Filter Q / Vowel", "Filter Env",
    "Filter Env Attack", "Filter Env Hold", "Filter Env Decay"};

// A layer's play block, by playblock::Parameter.
inline constexpr std::array<std::string_view, playblock::kParameterCount> kPlayBlockParameterNames = {
    "Random > Pitch", "Filter Vel > Freq", "Vel > Pitch", "Offset", "Retriggers", "Retrigger Time",
    "Stereo Start", "Stereo End", "Stereo Time"};

inline constexpr std::array<std::string_view, 2> kLayerFilterLfoParameterNames = {"Filter LFO Amount",
                                                                                  "Filter LFO Speed"};

} // namespace kravo::param::names

#pragma once

#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/effect_type_names.h"

#include <array>
#include <string_view>

namespace kravo::param {

// What the ten parameters of a master effect slot are called under each effect type; "-" is a
// parameter the type leaves unused.
using EffectParameterNames = std::array<std::string_view, kEffectParameterCount>;

inline constexpr std::array<EffectParameterNames, kEffectTypeCount> kEffectParameterNames = {{
    {"FX A", "FX B", "FX C", "FX D", "FX E", "FX F", "FX G", "FX H", "FX I", "FX J"}, // None
    {"Length", "Feedback", "LP Filter", "HP Filter", "Widen", "Mod Amt", "Mod Speed", "Sync", "-", "-"},
    {"Left Delay", "Right Delay", "Feedback", "CrossFeed", "Feed Equal", "LP Filter", "HP Filter", "Mod Amt",
     "Sync", "-"},
    {"Freq 1", "Feed 1", "Mod 1", "Mod Spd 1", "Freq 2", "Feed 2", "Mod 2", "Mod Spd 2", "-", "-"},
    {"Pre", "Size", "Length", "Damp", "Spread", "LP Filter", "HP Filter", "Gate", "Gate Hold", "Gate Decay"},
    {"Pre", "Size", "Length", "Damp", "Spread", "LP Filter", "HP Filter", "Gate", "Gate Hold", "Gate Decay"},
    {"Length", "Width", "Speed", "Spread", "LP Filter", "Widen", "-", "-", "-", "-"},
    {"Length", "Width", "Speed", "Spread", "Delay Len", "Delay Feed", "Delay Vol", "-", "-", "-"},
    {"Length", "Width", "Speed", "Feedback", "Pan", "LP Filter", "HP Filter", "-", "-", "-"},
    {"Stages", "Pitch", "Feedback", "Width", "Speed", "Spread", "Pan", "-", "-", "-"},
    {"Low", "High", "Speed", "Res", "Delay Len", "Feedback", "Volume", "-", "-", "-"},
    {"Limit", "Rect", "Sat", "Tone", "Emp", "Volume", "Mod Whl", "-", "-", "-"},
    {"Bits", "Sample", "Filter", "Mod Whl", "-", "-", "-", "-", "-", "-"},
    {"Type", "Distort", "Bass", "Treble", "Volume", "-", "-", "-", "-", "-"},
    {"Top", "Bottom", "Rect", "Low", "Mod Amt", "Mod Spd", "-", "-", "-", "-"},
    {"Amount", "Width", "Speed", "LP Filter", "HP Filter", "-", "-", "-", "-", "-"},
    {"Amount", "Speed", "-", "-", "-", "-", "-", "-", "-", "-"},
    {"Speed", "Smooth", "Mode", "Sync", "-", "-", "-", "-", "-", "-"},
    {"Type", "Freq", "Amount", "-", "-", "-", "-", "-", "-", "-"},
    {"Type", "Distort", "Frequency", "Q", "-", "LFO Amt", "LFO Spd", "Mod Whl", "-", "-"},
    {"60Hz", "200Hz", "600Hz", "2KHz", "8kHz", "-", "-", "-", "-", "-"},
    {"Threshold", "Ratio", "Attack", "Release", "Volume", "-", "-", "-", "-", "-"},
    {"Threshold", "Attack", "Hold", "Decay", "-", "-", "-", "-", "-", "-"},
    {"Length", "Width", "Speed", "Feedback", "Ensemble", "Spread", "-", "-", "-", "-"},
    {"Type", "Distort", "Bass", "Treble", "Volume", "-", "-", "-", "-", "-"},
    {"Type", "PreBoost", "Amount 1", "Amount 2", "Normalize", "Low Filter", "High Filter", "Volume", "-", "-"},
    {"Type", "Low Freq", "Hi Freq", "Amount", "Q", "Smooth", "-", "-", "-", "-"},
}};

} // namespace kravo::param

#pragma once

#include <array>
#include <string_view>

namespace kravo::param {

inline constexpr int kEffectTypeCount = 27;

// The master effect types' names, by type number, as menus and the type's display show them.
inline constexpr std::array<std::string_view, kEffectTypeCount> kEffectTypeNames = {
    "None",        "Mono Delay", "Stereo Delay", "Comb Filter", "Reverb",     "HQ Reverb",     "Chorus",
    "Chorus / Delay", "Flanger", "Phaser",       "WahWah Delay", "Distort",   "Low Fi",        "Amp Sim",
    "Waveshaper",  "Widener",    "AutoPan",      "Gator",       "Ring-Mod",   "Filter",        "Equalizer",
    "Compressor",  "Noise-Gate", "Ensemble",     "Cabinet",     "Multi Distort", "AutoWah"};

// The same for narrow places, such as the effect parameters' names.
inline constexpr std::array<std::string_view, kEffectTypeCount> kEffectTypeShortNames = {
    "None",       "Mono Delay", "Stereo Delay", "Comb Filter", "Reverb",   "HQ Reverb",  "Chorus",
    "Chor/Del",   "Flanger",    "Phaser",       "Wah/Del",     "Distort",  "Low Fi",     "Amp Sim",
    "Waveshaper", "Widener",    "AutoPan",      "Gator",       "Ring-Mod", "Filter",     "Equalizer",
    "Compressor", "Noise-Gate", "Ensemble",     "Cabinet",     "Multi-Dist", "AutoWah"};

} // namespace kravo::param

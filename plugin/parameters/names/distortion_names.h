#pragma once

#include <array>
#include <string_view>

namespace kravo::param::names {

// What a voice's two distortion parameters are called under each distortion type.
struct DistortionParameterNames {
    std::string_view first;
    std::string_view second;
};

inline constexpr std::array<DistortionParameterNames, 20> kDistortionParameterNames = {{
    {"None", "None"},              // 0 None
    {"Bits", "Mix"},               // 1 Bits
    {"Lower Limit", "Upper Level"}, // 2 Clipper
    {"Amount", "Mix"},             // 3 Cos
    {"Amount", "Mix"},             // 4 Cross1
    {"Lower Limit", "Upper Level"}, // 5 Cross2
    {"Amount", "Mix"},             // 6 FoldOver
    {"Amount", "Freq"},            // 7 Fuzz
    {"Gaps", "Mix"},               // 8 Gapper
    {"Limit", "Boost"},            // 9 HardLimit
    {"Amount", "Mix"},             // 10 OverDrive
    {"Lower Mix", "Upper Mix"},    // 11 Octave
    {"Multi", "Mix"},              // 12 Octave2
    {"Amount", "Mix"},             // 13 Power
    {"Rect", "Mix"},               // 14 Rectify
    {"Samples", "Mix"},            // 15 S&H
    {"Amount", "Mix"},             // 16 Saturate
    {"Mix", "None"},               // 17 SoftLimit
    {"Lower Mix", "Upper Mix"},    // 18 Square
    {"Trans. Range", "Amount"},    // 19 Transient
}};

// Every type past the table.
inline constexpr DistortionParameterNames kLaterDistortionParameterNames = {"Amount", "Mix"};

constexpr DistortionParameterNames distortionParameterNames(int type)
{
    return type >= 0 && type < static_cast<int>(kDistortionParameterNames.size()) ? kDistortionParameterNames[type]
                                                                                 : kLaterDistortionParameterNames;
}

} // namespace kravo::param::names

#include "editor/fx_type_layout.h"

namespace editor {

const std::array<FxTypeLayout, kFxTypeCount> kFxTypeLayouts = {{
    {0, {"FX A", "FX B", "FX C", "FX D", "FX E", "FX F", "FX G", "FX H", "FX I", "FX J"}}, // None
    {8, {"Length", "Feed", "LP", "HP", "Widen", "Mod", "Speed", "Sync"}},
    {9, {"Left", "Right", "Feed", "Cross", "Equal", "LP", "HP", "Mod", "Sync"}},
    {8, {"Freq 1", "Feed 1", "Mod 1", "Mod Spd 1", "Freq 2", "Feed 2", "Mod 2", "Mod Spd 2"}},
    {10, {"Pre", "Size", "Length", "Damp", "Spread", "LP Filter", "HP Filter", "Gate", "Hold", "Decay"}},
    {10, {"Pre", "Size", "Length", "Damp", "Spread", "LP Filter", "HP Filter", "Gate", "Hold", "Decay"}},
    {6, {"Length", "Width", "Speed", "Spread", "LP", "Widen"}},
    {7, {"Length", "Width", "Speed", "Spread", "D Len", "D Fd", "D Vol"}},
    {7, {"Length", "Width", "Speed", "Feed", "Pan Mod", "LP", "HP"}},
    {7, {"Stages", "Pitch", "Feed", "Width", "Speed", "Spread", "Pan Mod"}},
    {7, {"Low", "High", "Speed", "Res", "D Len", "D Fd", "D Vol"}},
    {7, {"Limit", "Rect", "Sat", "Tone", "Emp", "Vol", "Mod Whl"}},
    {4, {"Bits", "Rate", "Filter", "Mod Whl"}},
    {5, {"Type", "Dist", "Bass", "Treb", "Vol"}},
    {6, {"Top", "Bott", "Rect", "Low", "Mod", "Spd"}},
    {5, {"Amt", "Width", "Speed", "LP", "HP"}},
    {2, {"Amt", "Speed"}},
    {4, {"Speed", "Smth", "Mode", "Sync"}},
    {3, {"Type", "Freq", "Amt"}},
    {8, {"Type", "Dist", "Freq", "Q", "-", "LFO", "Spd", "Mod Whl"}},
    {5, {"60Hz", "200Hz", "600Hz", "2kHz", "8kHz"}},
    {5, {"Thresh", "Ratio", "Att", "Rel", "Vol"}},
    {4, {"Thresh", "Attack", "Hold", "Decay"}},
    {6, {"Length", "Width", "Speed", "Feed", "Ens", "Sprd"}},
    {5, {"Type", "Dist", "Bass", "Treb", "Vol"}},
    {8, {"Type", "Pre", "Amt 1", "Amt 2", "Norm", "LP", "HP", "Vol"}},
    {6, {"Type", "Low", "High", "Amt", "Q", "Smooth"}},
}};

std::int32_t fxBackgroundImage(int type)
{
    constexpr std::int32_t kFirstBackground = 10260;
    constexpr std::int32_t kGatorBackground = 10270;
    constexpr std::int32_t kFilterBackground = 10271;
    if (type == kGatorType)
        return kGatorBackground;
    if (type == kFilterType)
        return kFilterBackground;
    const int count = type >= 0 && type < kFxTypeCount ? kFxTypeLayouts[static_cast<std::size_t>(type)].count : 0;
    return count >= 2 ? kFirstBackground + count - 1 : kFirstBackground;
}

} // namespace editor

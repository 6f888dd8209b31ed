#pragma once

#include "plugin/parameters/voice_order.h"

#include <array>
#include <string_view>

namespace kravo::param::names {

// The voices as names show them, in slot order.
inline constexpr std::array<std::string_view, kVoiceSlotCount> kVoiceNames = {
    "BD 1",     "BD 2",     "SN 1",     "SN 2",     "CL-HH 1",  "OP-HH 1",  "CL-HH 2",  "OP-HH 2",
    "Clap 1",   "Clap 2",   "TM/US 1",  "TM/US 2",  "TM/US 3",  "User 4",   "User 5",   "User 6",
    "Sample 1", "Sample 2", "Sample 3", "Sample 4", "Sample 5", "Sample 6", "Sample 7", "Sample 8"};

namespace detail {
constexpr std::array<std::string_view, kVoiceSlotCount> voiceNamesInKindOrder()
{
    std::array<std::string_view, kVoiceSlotCount> names{};
    for (int position = 0; position < kVoiceSlotCount; ++position)
        names[position] = kVoiceNames[slotOfKindPosition[position]];
    return names;
}
} // namespace detail

// The same, for the groups laid out in kind order.
inline constexpr std::array<std::string_view, kVoiceSlotCount> kVoiceNamesInKindOrder = detail::voiceNamesInKindOrder();

// The easy bypass switches have always been named with these spellings; hosts keep automation by name.
inline constexpr std::array<std::string_view, kVoiceSlotCount> kEasyBypassVoiceNames = {
    "BD 1",       "BD 2",       "SN 1",       "SN 2",     "CL-HH 1",  "OP-HH 1",  "CL-HH 2",  "OP-OH 2",
    "Clap 1",     "Clap 2",     "Tom/User 1", "Tom/User 2", "Tom/User 3", "User 4", "User 5",   "User 6",
    "Sample 1",   "Sample 2",   "Sample 3",   "Sample 4", "Sample 5", "Sample 6", "Sample 7", "Sample 8"};

// Voices of the kinds whose parameters carry their own voice names.
inline constexpr std::array<std::string_view, 3> kTomVoiceNames = {"Tom 1", "Tom 2", "Tom 3"};
inline constexpr std::array<std::string_view, 6> kUserVoiceNames = {"User 1", "User 2", "User 3",
                                                                    "User 4", "User 5", "User 6"};

inline constexpr std::array<std::string_view, 8> kPatternNames = {"Groove 1", "Groove 2", "Groove 3", "Groove 4",
                                                                  "Break 1",  "Break 2",  "Break 3",  "Break 4"};

} // namespace kravo::param::names

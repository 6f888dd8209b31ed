#pragma once

#include <array>
#include <string_view>

namespace kravo::param::display {

// The modulation sources by source number, as the source menus and the source parameters show them.
inline constexpr std::array<std::string_view, 44> kModSourceNames = {
    "None",          "Mod Whl",       "Mod/Aft",       "Ch. Aftr",      "Poly Aftr",          "Velocity",
    "Pitchbend",     "CC2 Breath",    "CC4 Foot",      "C11 Exprsn",    "CC16",               "CC17",
    "CC18",          "CC19",          "CC20",          "CC21",          "CC84",               "CC85",
    "CC86",          "CC87",          "CC88",          "CC89",          "CC90",               "Env 1",
    "Env 2",         "LFO 1",         "LFO 2",         "Offset",        "Groove 1 Free",      "Groove 2 Free",
    "Groove 3 Free", "Groove 4 Free", "Break 1 Free",  "Break 2 Free",  "Break 3 Free",       "Break 4 Free",
    "Sm. Groove 1 Free", "Sm. Groove 2 Free", "Sm. Groove 3 Free", "Sm. Groove 4 Free", "Sm. Break 1 Free",
    "Sm. Break 2 Free",  "Sm. Break 3 Free",  "Sm. Break 4 Free"};

// The parts the destination list is made of: the global destinations, then every synthesised
// voice's destinations and every sample voice's, each prefixed with the voice's short name.
inline constexpr std::array<std::string_view, 25> kGlobalModDestinationNames = {
    "Main Volume",      "Main Pan",         "Easy Synth Pitch", "Easy Sample Pitch", "Easy Synth Decay",
    "Easy Sample Decay", "Easy Filter Freq", "Easy Filter Q",   "Easy Pitch Env",    "Easy LFO Amount",
    "Easy LFO Speed",   "Env 1 Amount",     "Env 1 Speed",      "Env 1 Attack",      "Env 1 Hold",
    "Env 1 Decay",      "Env 2 Amount",     "Env 2 Speed",      "Env 2 Attack",      "Env 2 Hold",
    "Env 2 Decay",      "LFO 1 Amount",     "LFO 1 Speed",      "LFO 2 Amount",      "LFO 2 Speed"};

inline constexpr std::array<std::string_view, 16> kSynthVoiceDestinationPrefixes = {
    "BD 1", "BD 2", "SN 1", "SN 2", "CL 1", "OP 1", "CL 2", "OP 2", "Clap 1", "Clap 2",
    "TM/US 1", "TM/US 2", "TM/US 3", "User 4", "User 5", "User 6"};

inline constexpr std::array<std::string_view, 12> kSynthVoiceDestinationWords = {
    "Volume", "Pan", "Distort 1", "Distort 2", "Pitch", "Env Speed", "Filter Freq", "Filter Q",
    "Noise Freq", "Noise Q", "LFO Amt", "LFO Speed"};

inline constexpr std::array<std::string_view, 8> kSampleVoiceDestinationPrefixes = {
    "Sample 1", "Sample 2", "Sample 3", "Sample 4", "Sample 5", "Sample 6", "Sample 7", "Sample 8"};

inline constexpr std::array<std::string_view, 11> kSampleVoiceDestinationWords = {
    "Volume", "Pan", "Distort 1", "Distort 2", "Pitch", "Env Speed", "Filter", "Q", "LFO Amt", "LFO Speed", "Mix"};

inline constexpr int kModDestinationNameCount =
    1 + static_cast<int>(kGlobalModDestinationNames.size() +
                         kSynthVoiceDestinationPrefixes.size() * kSynthVoiceDestinationWords.size() +
                         kSampleVoiceDestinationPrefixes.size() * kSampleVoiceDestinationWords.size());

// A name joined from a prefix and a word at compile time; long enough for the longest of them.
struct JoinedName {
    static constexpr std::size_t kCapacity = 24;
    std::array<char, kCapacity> chars{};
    std::size_t length = 0;

    constexpr void append(std::string_view part)
    {
        for (const char c : part)
            if (length < kCapacity)
                chars[length++] = c;
    }
    constexpr std::string_view view() const { return {chars.data(), length}; }
};

namespace detail {

constexpr std::array<JoinedName, kModDestinationNameCount> joinModDestinationNames()
{
    std::array<JoinedName, kModDestinationNameCount> names{};
    std::size_t n = 0;
    names[n++].append("None");
    for (const std::string_view name : kGlobalModDestinationNames)
        names[n++].append(name);
    const auto addVoices = [&](const auto& prefixes, const auto& words) {
        for (const std::string_view prefix : prefixes)
            for (const std::string_view word : words) {
                names[n].append(prefix);
                names[n].append(" ");
                names[n++].append(word);
            }
    };
    addVoices(kSynthVoiceDestinationPrefixes, kSynthVoiceDestinationWords);
    addVoices(kSampleVoiceDestinationPrefixes, kSampleVoiceDestinationWords);
    return names;
}

inline constexpr std::array<JoinedName, kModDestinationNameCount> kJoinedModDestinationNames =
    joinModDestinationNames();

constexpr std::array<std::string_view, kModDestinationNameCount> viewModDestinationNames()
{
    std::array<std::string_view, kModDestinationNameCount> views{};
    for (std::size_t i = 0; i < views.size(); ++i)
        views[i] = kJoinedModDestinationNames[i].view();
    return views;
}

} // namespace detail

// The modulation destinations by destination number, as the destination menus and parameters show them.
inline constexpr std::array<std::string_view, kModDestinationNameCount> kModDestinationNames =
    detail::viewModDestinationNames();

static_assert(kModDestinationNameCount == 306);

} // namespace kravo::param::display

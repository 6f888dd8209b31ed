#pragma once

#include "plugin/parameters/parameter_index_table.h"
#include "plugin/parameters/voice_order.h"

#include <array>

namespace kravo::param {

// Each drum kind keeps its parameters interleaved by voice: kind parameter j of the kind's voice v
// lies at base + voiceCount * j + v. Slots 10..12 own a Tom set and a Tom/User set at the same
// time; the Tom/User switch picks which one plays, the stored values of both stay.
enum class DrumKind { Bd, Sn, ClosedHiHat, OpenHiHat, Clap, Tom, TomUser };
inline constexpr int kDrumKindCount = 7;

struct DrumKindLayout {
    int base;
    int voiceCount;
    int parameterCount;
    int modelParameter;          // kind parameter j of the drum model
    std::array<int, 6> slots;    // voice slot of each of the kind's voices, in the kind's order
};

inline constexpr std::array<DrumKindLayout, kDrumKindCount> drumKindLayouts = {{
    {130, 2, 32, 7, {0, 1}},                   // BD; j = 10 carries nothing
    {250, 2, 37, 7, {2, 3}},                   // SN
    {350, 2, 36, 7, {4, 6}},                   // CL-HH
    {470, 2, 36, 7, {5, 7}},                   // OP-HH; same kind parameters as CL-HH
    {590, 2, 23, 6, {8, 9}},                   // Clap; j = 21 carries nothing
    {653, 3, 27, 0, {10, 11, 12}},             // Tom (slots 10..12 in Tom mode)
    {850, 6, 89, 6, {10, 11, 12, 13, 14, 15}}, // Tom/User; j = 0..5 also serve the Tom mode
}};

constexpr const DrumKindLayout& drumKindLayout(DrumKind kind)
{
    return drumKindLayouts[static_cast<int>(kind)];
}

constexpr int kindParameterIndex(DrumKind kind, int j, int voice)
{
    const DrumKindLayout& layout = drumKindLayout(kind);
    return layout.base + layout.voiceCount * j + voice;
}

// The indices of kind parameter j for each of the kind's voices (consecutive indices).
template <DrumKind kind>
constexpr ParameterIndexTable<drumKindLayout(kind).voiceCount> kindParameterTable(int j)
{
    return indexRun<drumKindLayout(kind).voiceCount>(kindParameterIndex(kind, j, 0));
}

// The first six kind parameters mean the same in every kind but Tom.
namespace kindparam {
inline constexpr int kVelocityToVolume = 0;
inline constexpr int kDistortionFirst = 1;
inline constexpr int kDistortionSecond = 2;
inline constexpr int kDistortionType = 3;
inline constexpr int kOutput = 4;
inline constexpr int kChokeGroup = 5;
inline constexpr int kTomModel = 0;
} // namespace kindparam

// The kind that owns slot s's parameters; slots 10..12 answer Tom/User, whose j = 0..5 serve both modes.
constexpr DrumKind drumKindOfSlot(int slot)
{
    constexpr std::array<DrumKind, kSynthVoiceCount> kinds = {
        DrumKind::Bd, DrumKind::Bd, DrumKind::Sn, DrumKind::Sn,
        DrumKind::ClosedHiHat, DrumKind::OpenHiHat, DrumKind::ClosedHiHat, DrumKind::OpenHiHat,
        DrumKind::Clap, DrumKind::Clap, DrumKind::TomUser, DrumKind::TomUser,
        DrumKind::TomUser, DrumKind::TomUser, DrumKind::TomUser, DrumKind::TomUser};
    return kinds[slot];
}

// Position of slot s among the voices of drumKindOfSlot(s).
constexpr int kindVoiceOfSlot(int slot)
{
    constexpr std::array<int, kSynthVoiceCount> voices = {0, 1, 0, 1, 0, 0, 1, 1, 0, 1, 0, 1, 2, 3, 4, 5};
    return voices[slot];
}

namespace detail {

// A slot-order table of a parameter that every synthesised kind keeps as kind parameter j and
// every sample slot keeps at sampleBase + s.
constexpr ParameterIndexTable<kVoiceSlotCount> voiceSlotTable(int j, int sampleBase)
{
    ParameterIndexTable<kVoiceSlotCount> table{};
    for (int slot = 0; slot < kSynthVoiceCount; ++slot)
        table[slot] = kindParameterIndex(drumKindOfSlot(slot), j, kindVoiceOfSlot(slot));
    for (int s = 0; s < kSampleSlotCount; ++s)
        table[kFirstSampleSlot + s] = sampleBase + s;
    return table;
}

constexpr ParameterIndexTable<kSynthVoiceCount> synthModelTable()
{
    ParameterIndexTable<kSynthVoiceCount> table{};
    for (int slot = 0; slot < kSynthVoiceCount; ++slot) {
        const DrumKind kind = drumKindOfSlot(slot);
        table[slot] = kindParameterIndex(kind, drumKindLayout(kind).modelParameter, kindVoiceOfSlot(slot));
    }
    return table;
}

constexpr ParameterIndexTable<kVoiceSlotCount> kindOrderTable(int base)
{
    ParameterIndexTable<kVoiceSlotCount> table{};
    for (int slot = 0; slot < kVoiceSlotCount; ++slot)
        table[slot] = base + kindPositionOfSlot[slot];
    return table;
}

} // namespace detail

// Mixer: volume and pan of each voice, laid out in kind order, looked up by slot.
inline constexpr ParameterIndexTable<kVoiceSlotCount> voiceVolume = detail::kindOrderTable(10);
inline constexpr ParameterIndexTable<kVoiceSlotCount> voicePan = detail::kindOrderTable(34);

// Per-voice parameters shared by all 24 voices, by slot.
inline constexpr ParameterIndexTable<kVoiceSlotCount> voiceVelocityToVolume =
    detail::voiceSlotTable(kindparam::kVelocityToVolume, 6256);
inline constexpr ParameterIndexTable<kVoiceSlotCount> voiceDistortionFirst =
    detail::voiceSlotTable(kindparam::kDistortionFirst, 6272);
inline constexpr ParameterIndexTable<kVoiceSlotCount> voiceDistortionSecond =
    detail::voiceSlotTable(kindparam::kDistortionSecond, 6280);
inline constexpr ParameterIndexTable<kVoiceSlotCount> voiceDistortionType =
    detail::voiceSlotTable(kindparam::kDistortionType, 6264);
inline constexpr ParameterIndexTable<kVoiceSlotCount> voiceOutput = detail::voiceSlotTable(kindparam::kOutput, 6200);
inline constexpr ParameterIndexTable<kVoiceSlotCount> voiceChokeGroup =
    detail::voiceSlotTable(kindparam::kChokeGroup, 6208);
inline constexpr ParameterIndexTable<kVoiceSlotCount> voiceEasyBypass = indexRun<kVoiceSlotCount>(1776);

// Drum model of the 16 synthesised slots (slots 10..12 in User mode), and of the three Tom voices.
inline constexpr ParameterIndexTable<kSynthVoiceCount> synthVoiceModel = detail::synthModelTable();
inline constexpr ParameterIndexTable<kTomUserSlotCount> tomModel = kindParameterTable<DrumKind::Tom>(kindparam::kTomModel);

// At or above 0.5, slot 10 + i plays its User voice instead of its Tom voice.
inline constexpr ParameterIndexTable<kTomUserSlotCount> tomUserSwitch = indexRun<kTomUserSlotCount>(1770);

} // namespace kravo::param

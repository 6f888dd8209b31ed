#include "plugin/parameters/names/parameter_names.h"

#include "plugin/parameters/effect_parameter_names.h"
#include "plugin/parameters/hi_hat_parameters.h"
#include "plugin/parameters/names/distortion_names.h"
#include "plugin/parameters/names/drum_kind_names.h"
#include "plugin/parameters/names/sample_slot_names.h"
#include "plugin/parameters/names/voice_names.h"
#include "plugin/parameters/parameter_map.h"
#include "plugin/parameters/parameter_reading.h"
#include "plugin/parameters/tom_parameters.h"
#include "plugin/parameters/user_parameters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <initializer_list>

namespace kravo::param {

namespace {

using NameList = std::span<const std::string_view>;

// The layer letter a sample-slot name carries after the slot name. kCombineTag reads the slot's
// A/B combine switch on every call: while it is on, layer A's settings act on both layers.
enum class LayerTag { kNone, kA, kB, kAB, kCombineTag };

// A run of fixed names: item j of voice v lies at first + itemStride * j + voiceStride * v and is
// called "<voice><tag> <item>", or just "<item>" where the voice name is empty. An empty item
// carries no name.
struct NameGroup {
    int first;
    int itemStride;
    int voiceStride;
    NameList voices;
    NameList items;
    LayerTag tag = LayerTag::kNone;
};

constexpr std::array<std::string_view, 1> kNoVoice = {""};

// Kinds that keep their parameters interleaved by voice.
constexpr NameGroup interleaved(int first, NameList voices, NameList items, LayerTag tag = LayerTag::kNone)
{
    return {first, static_cast<int>(voices.size()), 1, voices, items, tag};
}

// Names that stand alone, one index after the other.
constexpr NameGroup standalone(int first, NameList items)
{
    return {first, 1, 0, kNoVoice, items};
}

// Voices that keep their parameters in one block each.
constexpr NameGroup blocks(int first, int blockLength, NameList voices, NameList items)
{
    return {first, 1, blockLength, voices, items};
}

constexpr NameList voiceRun(int first, int count)
{
    return NameList(names::kVoiceNames).subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
}

constexpr NameList kindOrderRun(int first, int count)
{
    return NameList(names::kVoiceNamesInKindOrder)
        .subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
}

constexpr int kindBase(DrumKind kind)
{
    return drumKindLayout(kind).base;
}

constexpr std::array<std::string_view, 1> kMainVolumeName = {"Main Volume"};
constexpr std::array<std::string_view, 1> kVolumeName = {"Volume"};
constexpr std::array<std::string_view, 1> kPanName = {"Pan"};
constexpr std::array<std::string_view, kEffectSlotCount> kEffectSlotNames = {"Fx 1", "Fx 2", "Fx 3", "Fx 4"};
constexpr std::array<std::string_view, 2> kEffectSlotMixNames = {"Pan", "Mix"};
// 69 carries nothing.
constexpr std::array<std::string_view, 12> kEasyControlNames = {"Easy Synth Semi", "Easy Synth Octave", "",
    "Easy Sample Semi", "Easy Sample Octave", "Easy Synth Decay Speed", "Easy Sample Decay Speed",
    "Easy Pitch Env Speed", "Easy Filter Freq", "Easy Filter Q / Vowel", "Easy LFO Amount", "Easy LFO Speed"};
constexpr std::array<std::string_view, 1> kEffectRoutingName = {"Fx Path"};
constexpr std::array<std::string_view, 2> kEffectSlotSwitchNames = {"Type", "Bypass"};
constexpr std::array<std::string_view, 2 * kEffectSlotCount> kEffectModulatorNames = {
    "Fx 1A", "Fx 2A", "Fx 3A", "Fx 4A", "Fx 1B", "Fx 2B", "Fx 3B", "Fx 4B"};
constexpr std::array<std::string_view, 3> kEffectModulationNames = {"Mod Source", "Mod Destination", "Mod Amount"};
constexpr std::array<std::string_view, 2> kEnvelopeNames = {"Envelope 1", "Envelope 2"};
constexpr std::array<std::string_view, envelope::kParameterCount> kEnvelopeParameterNames = {
    "Attack", "Hold", "Decay", "Amount", "Destination", "Mod Source", "Mod Amount"};
constexpr std::array<std::string_view, 2> kLfoNames = {"LFO 1", "LFO 2"};
constexpr std::array<std::string_view, lfo::kParameterCount> kLfoParameterNames = {"Speed", "Amount", "Humanize",
    "Symmetry", "Wave", "Mode", "Sync", "Destination", "Mod Source", "Mod Amount"};
constexpr std::array<std::string_view, kModRowCount> kModRowNames = {
    "Mod 1", "Mod 2", "Mod 3", "Mod 4", "Mod 5", "Mod 6", "Mod 7", "Mod 8"};
constexpr std::array<std::string_view, 6> kModRowParameterNames = {
    "Bypass", "Destination", "Source", "Mod Source", "Amount", "Mod Amount"};
constexpr std::array<std::string_view, 1> kEasyBypassName = {"Easy Bypass"};
constexpr std::array<std::string_view, 2> kPatternSwitchNames = {"Latching", "Sync"};
constexpr std::array<std::string_view, 9> kPatternParameterNames = {"Start", "End", "Speed", "Swing", "Flam",
    "Track 1 Pad", "Track 2 Pad", "Track 3 Pad", "Track 4 Pad"};
constexpr std::array<std::string_view, 1> kHumanizationName = {"Humanization"};
constexpr std::array<std::string_view, 3> kSampleSlotRoutingNames = {"Output", "Choke Group", "Mode"};
constexpr std::array<std::string_view, 4> kSampleSlotBlendNames = {"Mix", "Vel Split", "Spread", "Combine"};
constexpr std::array<std::string_view, 2> kSampleSlotVoiceNames = {"Velocity > Volume", "Distort Mode"};
constexpr std::array<std::string_view, 2> kLayerLoopNames = {"Loop", "Reverse"};
constexpr std::array<std::string_view, 2> kSampleSlotLfoNames = {"LFO Mode", "LFO Sync"};
constexpr std::array<std::string_view, 2> kLoopPointNames = {"Loop Start", "Loop End"};

constexpr NameList kSampleSlots = voiceRun(kFirstSampleSlot, kSampleSlotCount);
constexpr NameList kPlayBlock = names::kPlayBlockParameterNames;
constexpr const SampleLayerLayout& kLayoutA = sampleLayerLayouts[kLayerA];
constexpr const SampleLayerLayout& kLayoutB = sampleLayerLayouts[kLayerB];

constexpr std::array kNameGroups = {
    standalone(kMainVolume, kMainVolumeName),
    interleaved(voiceVolume[0], kindOrderRun(0, 2), kMainVolumeName),
    interleaved(voiceVolume[2], kindOrderRun(2, kVoiceSlotCount - 2), kVolumeName),
    interleaved(voicePan[0], names::kVoiceNamesInKindOrder, kPanName),
    interleaved(effectSlotPan[0], kEffectSlotNames, kEffectSlotMixNames),
    standalone(kEasySynthSemi, kEasyControlNames),

    interleaved(kindBase(DrumKind::Bd), voiceRun(0, 2), names::kBassDrumParameterNames),
    interleaved(kindBase(DrumKind::Sn), voiceRun(2, 2), names::kSnareParameterNames),
    interleaved(kindBase(DrumKind::ClosedHiHat), kindOrderRun(4, 2), names::kHiHatParameterNames),
    interleaved(kindBase(DrumKind::OpenHiHat), kindOrderRun(6, 2), names::kHiHatParameterNames),
    interleaved(kindBase(DrumKind::Clap), voiceRun(8, 2), names::kClapParameterNames),
    interleaved(kindBase(DrumKind::Tom), names::kTomVoiceNames, names::kTomParameterNames),
    // Tom/User j = 0..5 serve the three Tom/User slots in both modes; the rest belong to the users.
    interleaved(kindBase(DrumKind::TomUser), voiceRun(kFirstTomUserSlot, 6),
        NameList(names::kTomUserParameterNames).first(user::kModel)),
    interleaved(kindParameterIndex(DrumKind::TomUser, user::kModel, 0), names::kUserVoiceNames,
        NameList(names::kTomUserParameterNames).subspan(user::kModel)),

    standalone(kEffectRouting, kEffectRoutingName),
    interleaved(effectType[0], kEffectSlotNames, kEffectSlotSwitchNames),
    interleaved(effectModSourceA[0], kEffectModulatorNames, kEffectModulationNames),
    blocks(envelopeBase[0], envelopeBase[1] - envelopeBase[0], kEnvelopeNames, kEnvelopeParameterNames),
    blocks(lfoBase[0], lfoBase[1] - lfoBase[0], kLfoNames, kLfoParameterNames),
    interleaved(modRowBypass[0], kModRowNames, kModRowParameterNames),
    interleaved(voiceEasyBypass[0], names::kEasyBypassVoiceNames, kEasyBypassName),
    interleaved(synthlayer::kBase, kindOrderRun(0, kSynthVoiceCount), names::kSynthLayerParameterNames),

    standalone(kPatternLatching, kPatternSwitchNames),
    interleaved(patternStartStep[0], names::kPatternNames, kPatternParameterNames),
    interleaved(patternHumanization[0], names::kPatternNames, kHumanizationName),

    interleaved(voiceOutput[kFirstSampleSlot], kSampleSlots, kSampleSlotRoutingNames),
    interleaved(sampleSlotMix[0], kSampleSlots, kSampleSlotBlendNames, LayerTag::kAB),
    interleaved(voiceVelocityToVolume[kFirstSampleSlot], kSampleSlots, kSampleSlotVoiceNames),
    interleaved(sampleSlotLfoMode[0], kSampleSlots, kSampleSlotLfoNames),
    interleaved(kLayoutA.loop, kSampleSlots, kLayerLoopNames, LayerTag::kA),
    interleaved(kLayoutB.loop, kSampleSlots, kLayerLoopNames, LayerTag::kB),
    interleaved(kLayoutA.volume, kSampleSlots, kVolumeName, LayerTag::kCombineTag),
    interleaved(kLayoutB.volume, kSampleSlots, kVolumeName, LayerTag::kB),
    interleaved(kLayoutA.soundBlock, kSampleSlots, names::kSoundBlockParameterNames, LayerTag::kCombineTag),
    interleaved(kLayoutB.soundBlock, kSampleSlots, names::kSoundBlockParameterNames, LayerTag::kB),
    interleaved(kLayoutA.filterLfoAmount, kSampleSlots, names::kLayerFilterLfoParameterNames, LayerTag::kCombineTag),
    interleaved(kLayoutB.filterLfoAmount, kSampleSlots, names::kLayerFilterLfoParameterNames, LayerTag::kB),
    // Where a layer's sample starts and how it retriggers stay layer A's own when the layers combine.
    interleaved(kLayoutA.playBlock, kSampleSlots, kPlayBlock.first(playblock::kOffset), LayerTag::kCombineTag),
    interleaved(playBlockIndex(kLayerA, playblock::kOffset, 0), kSampleSlots,
        kPlayBlock.subspan(playblock::kOffset, playblock::kStereoStart - playblock::kOffset), LayerTag::kA),
    interleaved(playBlockIndex(kLayerA, playblock::kStereoStart, 0), kSampleSlots,
        kPlayBlock.subspan(playblock::kStereoStart), LayerTag::kCombineTag),
    interleaved(kLayoutB.playBlock, kSampleSlots, kPlayBlock, LayerTag::kB),
    NameGroup{kLayoutA.loopStartName, kLayoutA.loopEndName - kLayoutA.loopStartName, 1, kSampleSlots, kLoopPointNames,
        LayerTag::kA},
    NameGroup{kLayoutB.loopStartName, kLayoutB.loopEndName - kLayoutB.loopStartName, 1, kSampleSlots, kLoopPointNames,
        LayerTag::kB},
};

// Single indices whose names break their group's rule.
struct NamedIndex {
    int index;
    std::string_view name;
};

constexpr std::array kNameExceptions = {
    NamedIndex{kindParameterIndex(DrumKind::ClosedHiHat, hihat::kOscVelToFreq, 1), "CL-HH Osc 2 Vel > Freq"},
    NamedIndex{kindParameterIndex(DrumKind::OpenHiHat, hihat::kOscVelToFreq, 1), "OP-HH Osc 2 Vel > Freq"},
    NamedIndex{tom::index(tom::kOscFilterQ, 1), "Tom 2 Osc Filter Q / Vowel"},
    NamedIndex{tom::index(tom::kOscFilterQ, 2), "Tom 3 Osc Filter Q / Vowel"},
    NamedIndex{synthLayer[synthlayer::kFilterQ][10], "TM/US 1 Filter Q / Vowel"},
    NamedIndex{synthLayer[synthlayer::kFilterQ][11], "TM/US 2 Filter Q / Vowel"},
    NamedIndex{synthLayer[synthlayer::kFilterQ][12], "TM/US 3 Filter Q / Vowel"},
    NamedIndex{synthLayer[synthlayer::kFilterQ][13], "User 4 Filter Q / Vowel"},
    NamedIndex{synthLayer[synthlayer::kFilterQ][14], "User 5 Filter Q / Vowel"},
    NamedIndex{synthLayer[synthlayer::kFilterQ][15], "User 6 Filter Q / Vowel"},
    // Two spare indices after the play blocks have carried these names from the start.
    NamedIndex{8024, "Sample 1A"},
    NamedIndex{8032, "Sample 1B"},
};

// Appends parts to a kParameterNameSize buffer, cutting what does not fit.
class NameText {
public:
    explicit NameText(char* text) : text(text) { text[0] = 0; }

    NameText& operator<<(std::string_view part)
    {
        const std::size_t count = std::min(part.size(), kParameterNameSize - 1 - length);
        std::memcpy(text + length, part.data(), count);
        length += count;
        text[length] = 0;
        return *this;
    }

private:
    char* text;
    std::size_t length = 0;
};

float valueOf(std::span<const float> values, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < values.size() ? values[static_cast<std::size_t>(index)]
                                                                          : 0.0f;
}

// Stored values are kept in 0..1; anything else reads as the nearest end (not a number as 0).
int choiceOf(std::span<const float> values, int index, float scale)
{
    const float value = valueOf(values, index);
    return readChoice(value >= 0.0f ? std::min(value, 1.0f) : 0.0f, scale);
}

std::string_view layerTag(LayerTag tag, int slot, std::span<const float> values)
{
    switch (tag) {
    case LayerTag::kNone: return "";
    case LayerTag::kA: return "A";
    case LayerTag::kB: return "B";
    case LayerTag::kAB: return "A/B";
    case LayerTag::kCombineTag: return isSwitchOn(valueOf(values, sampleSlotCombine[slot])) ? "A/B" : "A";
    }
    return "";
}

bool writeDistortionName(int index, std::span<const float> values, char* text)
{
    for (int slot = 0; slot < kVoiceSlotCount; ++slot) {
        const bool first = index == voiceDistortionFirst[slot];
        if (!first && index != voiceDistortionSecond[slot])
            continue;
        const names::DistortionParameterNames parameterNames =
            names::distortionParameterNames(choiceOf(values, voiceDistortionType[slot], choicescale::kDistortionType));
        NameText(text) << names::kVoiceNames[slot] << " Distort : "
                       << (first ? parameterNames.first : parameterNames.second);
        return true;
    }
    return false;
}

bool writeEffectParameterName(int index, std::span<const float> values, char* text)
{
    const int offset = index - effectParameterIndex(0, 0);
    if (offset < 0 || offset >= kEffectSlotCount * kEffectParameterCount)
        return false;
    const int slot = offset / kEffectParameterCount;
    const int k = offset % kEffectParameterCount;
    const int type = std::min(choiceOf(values, effectType[slot], choicescale::kEffectType), kEffectTypeCount - 1);
    const char slotNumber[2] = {static_cast<char>('1' + slot), 0};
    NameText(text) << "FX " << slotNumber << " - " << kEffectTypeShortNames[type] << " "
                   << kEffectParameterNames[type][k];
    return true;
}

bool writeFixedName(int index, std::span<const float> values, char* text)
{
    for (const NamedIndex& exception : kNameExceptions) {
        if (exception.index == index) {
            NameText(text) << exception.name;
            return true;
        }
    }
    for (const NameGroup& group : kNameGroups) {
        for (std::size_t v = 0; v < group.voices.size(); ++v) {
            const int offset = index - group.first - group.voiceStride * static_cast<int>(v);
            if (offset < 0 || offset % group.itemStride != 0)
                continue;
            const auto j = static_cast<std::size_t>(offset / group.itemStride);
            if (j >= group.items.size() || group.items[j].empty())
                continue;
            if (group.voices[v].empty())
                NameText(text) << group.items[j];
            else
                NameText(text) << group.voices[v] << layerTag(group.tag, static_cast<int>(v), values) << " "
                               << group.items[j];
            return true;
        }
    }
    return false;
}

} // namespace

void writeParameterName(int index, std::span<const float> values, char* text)
{
    if (index < 0 || index >= kParameterCount)
        NameText(text) << kUnnamedParameter;
    else if (!writeDistortionName(index, values, text) && !writeEffectParameterName(index, values, text) &&
             !writeFixedName(index, values, text))
        NameText(text) << kUnnamedParameter;
}

} // namespace kravo::param

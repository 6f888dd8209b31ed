#include "hostframework/effect_type.h"

#include "hostframework/classes.h"
#include "hostframework/dsp_library.h"
#include "hostframework/effect_process.h"
#include "hostframework/host_text.h"

#include <algorithm>

namespace {

constexpr std::int32_t kAlwaysFeature = 7;
constexpr std::int32_t kStemFormatFeature = 29;
constexpr std::int32_t kNativeFeature = 41;
constexpr std::int32_t kNativeCompanionFeature = 30;
constexpr std::int32_t kSideInputFeature = 5;
constexpr std::int32_t kAttribute21 = 21;
constexpr std::int32_t kCardFamilyAttribute = 32;
constexpr std::int32_t kNoFormat = -1;
constexpr std::int32_t kCardsKind = 0;

} // namespace

CEffectType::CEffectType(std::uint32_t typeID, std::uint32_t plugInID, std::int32_t kind, std::int32_t attribute21)
    : typeID(typeID), plugInID(plugInID), attribute21(attribute21)
{
    typeKind = kind;
    features.insert(kAlwaysFeature);
}

CEffectType& CEffectType::operator=(const CEffectType& other)
{
    if (this == &other)
        return *this;
    features = other.features;
    nameList = other.nameList;
    typeID = other.typeID;
    plugInID = other.plugInID;
    secondaryID = other.secondaryID;
    attribute21 = other.attribute21;
    inputChannels = other.inputChannels;
    outputChannels = other.outputChannels;
    inputFormat = other.inputFormat;
    outputFormat = other.outputFormat;
    sideFormat = other.sideFormat;
    processFactory = other.processFactory;
    resourceName = other.resourceName;
    cardAttributes = other.cardAttributes;
    std::copy(std::begin(other.dspCounts), std::end(other.dspCounts), std::begin(dspCounts));
    dspLimit = other.dspLimit;
    return *this;
}

void CEffectType::AddFeature(std::int32_t feature)
{
    features.insert(feature);
    if (feature == kNativeFeature)
        features.insert(kNativeCompanionFeature);
}

void CEffectType::SetStemFormats(std::int32_t input, std::int32_t output, std::int32_t side)
{
    AddFeature(kStemFormatFeature);
    inputFormat = input;
    outputFormat = output;
    sideFormat = side;
    if (input != kNoFormat)
        inputChannels = GetCodeClass(input);
    if (output != kNoFormat)
        outputChannels = GetCodeClass(output);
}

bool CEffectType::allowsFormat(std::int32_t fixed, std::int16_t format) const
{
    return !features.contains(kStemFormatFeature) || fixed == kNoFormat || fixed == format;
}

void CEffectType::SetChannelCounts(std::int32_t inputs, std::int32_t outputs)
{
    AddFeature(kStemFormatFeature);
    inputFormat = kNoFormat;
    outputFormat = kNoFormat;
    sideFormat = 0;
    inputChannels = inputs;
    outputChannels = outputs;
}

void CEffectType::SetCardAttribute(std::int32_t value, std::int32_t key)
{
    const auto slot = std::find(kCardKeys.begin(), kCardKeys.end(), key);
    if (slot == kCardKeys.end())
        return;
    std::int32_t stored = value;
    if (key == 18 || key == 21)
        stored = value & 1;
    else if (key == 26 || key == 29)
        stored = value & 7;
    cardAttributes[static_cast<std::size_t>(slot - kCardKeys.begin())] = stored;
}

std::int32_t CEffectType::GetCardAttribute(std::int32_t key) const
{
    const auto slot = std::find(kCardKeys.begin(), kCardKeys.end(), key);
    return slot != kCardKeys.end() ? cardAttributes[static_cast<std::size_t>(slot - kCardKeys.begin())] : 1;
}

std::int32_t CEffectType::GetPlugInIDs(std::uint32_t* plugIn, std::uint32_t* secondary)
{
    setOut(plugIn, plugInID);
    return setOut(secondary, secondaryID);
}

std::int32_t CEffectType::GetName(std::int32_t maxLength, char* name)
{
    if (name == nullptr)
        return 0;
    CopyNameVariant(name, nameList.c_str(), std::clamp(maxLength, 0, 255));
    WriteLengthPrefixed(name, reinterpret_cast<std::uint8_t*>(name));
    return 0;
}

std::int32_t CEffectType::GetTypeID(std::uint32_t* id)
{
    return setOut(id, typeID);
}

std::int32_t CEffectType::GetStemFormats(std::int32_t /*processID*/, SHostPlugInStemFormats* formats)
{
    if (formats != nullptr) {
        formats->formats[0] = inputFormat;
        formats->formats[1] = outputFormat;
        formats->formats[2] = sideFormat;
    }
    return 0;
}

std::int32_t CEffectType::GetNumInputs(std::int32_t /*processID*/, std::int16_t* count)
{
    return setOut(count, static_cast<std::int16_t>(inputChannels));
}

std::int32_t CEffectType::GetNumOutputs(std::int32_t /*processID*/, std::int16_t* count)
{
    return setOut(count, static_cast<std::int16_t>(outputChannels));
}

std::int32_t CEffectType::HostCall15(std::int32_t processID, EventRecord* event)
{
    auto* process = dynamic_cast<CEffectProcess*>(FindProcess(processID));
    return process != nullptr ? process->HostCall15(event) : kHostErrNoProcess;
}

std::int32_t CEffectType::GetChunk(std::int32_t processID, std::uint32_t chunkID, SHostPlugInChunk* chunk)
{
    if (chunk == nullptr)
        return kHostErrNullArgument;
    chunk->plugInID = plugInID;
    chunk->typeID = typeID;
    chunk->chunkID = chunkID;
    chunk->zeroWord = 0;
    return CDSPProcessType::GetChunk(processID, chunkID, chunk);
}

// A chunk of another plug-in is not ours to read.
std::int32_t CEffectType::SetChunk(std::int32_t processID, std::uint32_t chunkID, SHostPlugInChunk* chunk)
{
    if (chunk == nullptr)
        return kHostErrNullArgument;
    if (chunk->plugInID != plugInID)
        return kHostErrNoSuchChunk;
    return CDSPProcessType::SetChunk(processID, chunkID, chunk);
}

std::int32_t CEffectType::CompareChunk(std::int32_t processID, SHostPlugInChunk* chunk, std::uint8_t* same)
{
    if (chunk == nullptr)
        return kHostErrNullArgument;
    if (chunk->plugInID != plugInID)
        return kHostErrNoSuchChunk;
    return CDSPProcessType::CompareChunk(processID, chunk, same);
}

std::int32_t CEffectType::GetTypeAttribute(std::int32_t attribute, std::int32_t* value)
{
    if (value == nullptr)
        return 0;
    if (attribute == kAttribute21) {
        *value = attribute21;
    } else if (attribute == kCardFamilyAttribute) {
        if (typeKind != kCardsKind) {
            *value = GetCardAttribute(-1);
        } else if (HasCardOfType(29)) {
            *value = GetCardAttribute(29) == 1 ? GetCardAttribute(26) : GetCardAttribute(29);
        } else if (HasCardOfType(26)) {
            *value = GetCardAttribute(26);
        } else if (HasCardOfType(21)) {
            *value = GetCardAttribute(21);
        }
    } else {
        *value = features.contains(attribute) ? 1 : 0;
        if (attribute == kSideInputFeature && *value == 1)
            *value = inputChannels + 1;
    }
    return 0;
}

void CEffectType::GetTypeIDString(std::uint8_t* text)
{
    if (resourceName.empty()) {
        CDSPProcessType::GetTypeIDString(text);
        return;
    }
    WriteLengthPrefixed(resourceName, text);
}

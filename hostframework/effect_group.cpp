#include "hostframework/effect_group.h"

#include "hostframework/effect_type.h"
#include "hostframework/host_text.h"
#include "platform/four_char_code.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::int32_t kMIDICapability = 28;
constexpr std::int32_t kMIDIAnswer = 2;
constexpr std::int32_t kNotAnEffectType = -77;
constexpr std::int32_t kLongestPathName = 127;
constexpr std::size_t kLongestPath = 255;
// The stem formats the host's connection queries serve: two and three channels.
constexpr std::int32_t kStereoFormat = 1;
constexpr std::int32_t kThreeChannelFormat = 2;

// The fitting variant of a name list as a length-prefixed text of at most `capacity` characters.
std::int32_t CopyPrefixedVariant(std::uint8_t* text, const std::string& list, std::int32_t capacity)
{
    if (text == nullptr)
        return 0;
    const std::int32_t maximum = std::clamp(capacity, 0, 255);
    std::vector<char> variant(static_cast<std::size_t>(maximum) + 1);
    CopyNameVariant(variant.data(), list.c_str(), maximum);
    WriteLengthPrefixed(variant.data(), text);
    return 0;
}

} // namespace

void CEffectGroup::SetManufacturer(const char* names, std::uint32_t id)
{
    manufacturerNames = names != nullptr ? names : "";
    manufacturerID = id;
}

void CEffectGroup::SetPlugInNames(const char* names, std::int32_t number)
{
    plugInNames = names != nullptr ? names : "";
    plugInNumber = number;
}

void CEffectGroup::AddEffectType(CEffectType* type)
{
    std::int32_t kind = 0;
    if (type != nullptr && type->GetTypeKind(&kind) == 0 && kind == kGroupKind)
        type->SetGroupLink(this);
    AddProcessType(type);
}

std::int32_t CEffectGroup::GetManufacturerName(std::uint8_t* text, std::int32_t capacity)
{
    return CopyPrefixedVariant(text, manufacturerNames, capacity);
}

std::int32_t CEffectGroup::GetPlugInName(std::uint8_t* text, std::int32_t capacity)
{
    return CopyPrefixedVariant(text, plugInNames, capacity);
}

void CEffectGroup::GetPlugInPath(char* text)
{
    if (plugInPath.empty()) {
        std::uint8_t manufacturer[256] = {};
        std::uint8_t plugIn[256] = {};
        GetManufacturerName(manufacturer, kLongestPathName);
        GetPlugInName(plugIn, kLongestPathName);
        plugInPath = "Plug-Ins/";
        plugInPath.append(reinterpret_cast<const char*>(manufacturer + 1), manufacturer[0]);
        plugInPath += '/';
        plugInPath.append(reinterpret_cast<const char*>(plugIn + 1), plugIn[0]);
        plugInPath += '/';
        plugInPath += std::to_string(plugInNumber);
    }
    const std::size_t length = std::min(plugInPath.size(), kLongestPath);
    std::memcpy(text, plugInPath.data(), length);
    text[length] = '\0';
}

std::int32_t CEffectGroup::HostCall12(std::int32_t capacity, char* text)
{
    return GetManufacturerName(reinterpret_cast<std::uint8_t*>(text), capacity);
}

std::int32_t CEffectGroup::HostCall6(std::int32_t index, std::uint32_t* manufacturer, std::uint32_t* plugInID,
                                     std::uint32_t* secondaryID)
{
    auto* type = dynamic_cast<CEffectType*>(GetProcessTypeByIndex(static_cast<std::int16_t>(index)));
    if (type == nullptr)
        return kNotAnEffectType;
    const std::int32_t result = type->GetPlugInIDs(plugInID, secondaryID);
    if (result != 0)
        return result;
    if (manufacturer != nullptr)
        *manufacturer = manufacturerID;
    return 0;
}

void CEffectGroup::FillPlugInIdentity(SHostPlugInSpec& record) const
{
    record.words[kRecordManufacturer] = static_cast<std::int32_t>(manufacturerID);
    record.words[kRecordPlugInNumber] = plugInNumber;
}

std::int32_t CEffectGroup::HostCall68(SHostPlugInSpec* record, std::int32_t /*arg2*/, std::int32_t /*arg3*/)
{
    if (record == nullptr)
        return kHostErrNullArgument;
    auto* type = dynamic_cast<CEffectType*>(FindProcessType(static_cast<std::uint32_t>(record->words[kRecordTypeID])));
    if (type == nullptr)
        return kHostErrNotAnEffectType;
    const auto served = [](std::int32_t format) { return format == kStereoFormat || format == kThreeChannelFormat; };
    if (!served(type->GetInputFormat()) || !served(type->GetOutputFormat()))
        return 0;
    record->words[kRecordInputFormat] = type->GetInputFormat();
    record->words[kRecordOutputFormat] = type->GetOutputFormat();
    FillPlugInIdentity(*record);
    return 0;
}

std::int32_t CEffectGroup::Operation105(SHostPlugInSpec* record, std::int32_t /*arg2*/, std::int32_t /*arg3*/,
                                        std::int32_t /*arg4*/, std::int32_t /*arg5*/, std::int32_t /*arg6*/)
{
    if (record == nullptr)
        return kHostErrNullArgument;
    std::int16_t count = 0;
    GetNumProcessTypes(&count);
    const auto word = [record](EHostPlugInRecordWord index) { return record->words[index]; };
    for (std::int16_t index = 1; index <= count; ++index) {
        auto* type = dynamic_cast<CEffectType*>(FindProcessTypeByIndex(index));
        if (type != nullptr && static_cast<std::int32_t>(type->GetTypeIDValue()) == word(kRecordTypeID) &&
            static_cast<std::int32_t>(type->GetPlugInID()) == word(kRecordPlugInID) &&
            type->GetSideFormat() == word(kRecordLayout) && type->GetInputFormat() == word(kRecordInputFormat) &&
            type->GetOutputFormat() == word(kRecordOutputFormat)) {
            FillPlugInIdentity(*record);
            return 0;
        }
    }
    return kHostErrNotAnEffectType;
}

std::int32_t CEffectGroup::HostCall93(std::uint32_t typeID, std::int32_t code, std::int32_t* value)
{
    if (value == nullptr)
        return kHostErrNullArgument;
    if (code == kMIDICapability) {
        *value = *value == static_cast<std::int32_t>(FourCharCode("midi")) ? kMIDIAnswer : 0;
        return 0;
    }
    if (capabilities.contains(code)) {
        *value = 1;
        return 0;
    }
    *value = 0;
    return CDSPProcessGroup::HostCall93(typeID, code, value);
}

std::int32_t CEffectGroup::GetChunk(std::uint32_t typeID, std::int32_t processID, std::uint32_t chunkID,
                                    SHostPlugInChunk* chunk)
{
    return GetProcessType(typeID)->GetChunk(processID, chunkID, chunk);
}

std::int32_t CEffectGroup::SetChunk(std::uint32_t typeID, std::int32_t processID, std::uint32_t chunkID,
                                    SHostPlugInChunk* chunk)
{
    return GetProcessType(typeID)->SetChunk(processID, chunkID, chunk);
}

std::int32_t CEffectGroup::CompareChunk(std::uint32_t typeID, std::int32_t processID, SHostPlugInChunk* chunk,
                                        std::uint8_t* same)
{
    return GetProcessType(typeID)->CompareChunk(processID, chunk, same);
}

#include "hostframework/process.h"

#include "hostframework/host_text.h"
#include "hostframework/keyed_table.h"
#include "hostframework/plugin_library.h"
#include "hostframework/process_group.h"
#include "hostframework/process_group_interface.h"
#include "hostframework/process_type.h"
#include "hostframework/views/plugin_view.h"
#include "hostframework/views/dialog_view.h"
#include "platform/four_char_code.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr std::uint32_t kBlankChunkID = 0x20202020;
constexpr std::int32_t kShortNameLength = 31;
constexpr std::int32_t kLengthFlag = 100;

std::int32_t saturatingAdd(std::int32_t a, std::int32_t b)
{
    const std::int64_t sum = std::int64_t{a} + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

} // namespace

CProcess::CProcess()
    : sampleRate(gProcessGroup != nullptr ? gProcessGroup->GetSampleRate() : 44100),
      hostPair{gProcessGroup != nullptr ? gProcessGroup->GetTimeCodePair()[0] : 5,
               gProcessGroup != nullptr ? gProcessGroup->GetTimeCodePair()[1] : 0}
{
}

// The root view is the process's own, whether or not Uninitialize let it go already.
CProcess::~CProcess()
{
    delete rootView;
}

std::int32_t CProcess::Idle(EventRecord* /*event*/)
{
    DoIdle();
    return 0;
}

CPlugInView* CProcess::CreateRootView()
{
    if (CProcessGroup::HostViewsDisabled())
        return nullptr;
    return new CDialogView;
}

std::int32_t CProcess::SetFormatA(std::int16_t format)
{
    if (processType != nullptr && !processType->AllowsFormatA(format))
        return kHostErrFormatANotAllowed;
    formatA = format;
    return 0;
}

std::int32_t CProcess::SetFormatB(std::int16_t format)
{
    if (processType != nullptr && !processType->AllowsFormatB(format))
        return kHostErrFormatBNotAllowed;
    formatB = format;
    return 0;
}

// The type's flag word is the value it was made with (its attribute 21); where it shares a bit with
// the host's mask, the host is told the master bypass control.
std::int32_t CProcess::QueryTypeFlags(std::uint32_t mask, std::uint32_t* flags)
{
    setOut(flags, 0);
    if (processType == nullptr)
        return 0;
    std::uint32_t word = 0;
    const std::int32_t result = processType->HostCall134(0, &word);
    if ((word & mask) != 0) {
        std::int32_t control = 0;
        GetBypassControlIndex(&control);
        setOut(flags, static_cast<std::uint32_t>(control));
    }
    return result;
}

std::int32_t CProcess::GetNumControls(std::int16_t* count)
{
    return setOut(count, static_cast<std::int16_t>(controls.Count()));
}

std::int32_t CProcess::IsControlAutomatable(std::int32_t control, std::int16_t* automatable)
{
    return setOut(automatable, IsValidControlIndex(control) ? std::int16_t{GetControl(control)->IsAutomatable()} : 0);
}

std::int32_t CProcess::GetControlNumSteps(std::int32_t control, std::int32_t* steps)
{
    return setOut(steps, IsValidControlIndex(control) ? GetControl(control)->GetNumSteps() : 0);
}

std::int32_t CProcess::SetControlValueFromText(std::int32_t control, const char* text, std::int32_t* value)
{
    if (!IsValidControlIndex(control))
        return setOut(value, 0);
    try {
        return setOut(value, GetControl(control)->SetValueFromText(text));
    } catch (const CHostError& error) {
        return error.GetCode();
    }
}

std::int32_t CProcess::IsControlKeyValid(std::int32_t control, std::int16_t key, std::uint8_t* valid)
{
    return setOut(valid, IsValidControlIndex(control) && GetControl(control)->IsKeyValid(key) ? 1 : 0);
}

// The text comes back length-prefixed, in place.
std::int32_t CProcess::GetControlValueText(std::int32_t control, std::int32_t value, std::int32_t length, char* text)
{
    if (text == nullptr)
        return 0;
    text[0] = '\0';
    if (IsValidControlIndex(control))
        GetControl(control)->GetValueText(text, length, value);
    WriteLengthPrefixed(text, reinterpret_cast<std::uint8_t*>(text));
    return 0;
}

std::int32_t CProcess::GetControlName(std::int32_t control, char* name)
{
    if (name == nullptr)
        return 0;
    name[0] = '\0';
    if (IsValidControlIndex(control))
        GetControl(control)->GetName(name, kShortNameLength);
    return 0;
}

std::int32_t CProcess::GetControlNameOfLength(std::int32_t control, char* name, std::int32_t length,
                                              std::uint32_t /*kind*/, std::int16_t* arg5)
{
    if (name == nullptr)
        return 0;
    if (IsValidControlIndex(control)) {
        GetControl(control)->GetName(name, length);
        return clearOut(arg5);
    }
    char shortName[kShortNameLength + 1] = {};
    GetControlName(control, shortName);
    const std::size_t kept = std::min<std::size_t>(std::strlen(shortName), static_cast<std::size_t>(std::max(length, 0)));
    std::memcpy(name, shortName, kept);
    name[kept] = '\0';
    return 0;
}

std::int32_t CProcess::GetControlSDSName(std::int32_t control, char* name)
{
    GetControlName(control, name);
    return 0;
}

std::int32_t CProcess::GetControlValue(std::int32_t control, std::int32_t* value)
{
    return setOut(value, IsValidControlIndex(control) ? GetControl(control)->GetHostValue() : 0);
}

std::int32_t CProcess::IncrementControlValue(std::int32_t control, std::int32_t delta)
{
    std::int32_t current = 0;
    GetControlValue(control, &current);
    return SetControlValue(control, saturatingAdd(current, delta));
}

std::int32_t CProcess::IncrementControlValueNow(std::int32_t control, std::int32_t delta)
{
    std::int32_t current = 0;
    GetControlValue(control, &current);
    return ApplyControlValue(control, saturatingAdd(current, delta));
}

std::int32_t CProcess::GetControlDefaultValue(std::int32_t control, std::int32_t* value)
{
    if (IsValidControlIndex(control))
        return setOut(value, GetControl(control)->GetValue());
    return GetControlValue(control, value);
}

std::int32_t CProcess::SetControlDefaultValue(std::int32_t control, std::int32_t value)
{
    if (IsValidControlIndex(control))
        GetControl(control)->SetValue(value);
    return 0;
}

std::int32_t CProcess::GetControlAttributeA(std::int32_t control, std::int32_t* value)
{
    return setOut(value, IsValidControlIndex(control) ? GetControl(control)->GetAttributeA() : 0);
}

std::int32_t CProcess::GetControlAttributeC(std::int32_t control, std::int32_t* value)
{
    return setOut(value, IsValidControlIndex(control) ? GetControl(control)->GetAttributeC() : 1);
}

std::int32_t CProcess::GetControlAttributeB(std::int32_t control, std::int32_t* value)
{
    return setOut(value, IsValidControlIndex(control) ? GetControl(control)->GetAttributeB() : 0);
}

std::int32_t CProcess::GetControlValueTextOfLength(std::int32_t control, std::int32_t value, char* text,
                                                   std::int32_t length)
{
    if (text == nullptr)
        return 0;
    if (length > 99)
        length -= kLengthFlag;
    if (IsValidControlIndex(control)) {
        GetControl(control)->GetValueText(text, length, value);
        return 0;
    }
    char prefixed[256] = {};
    GetControlValueText(control, value, length, prefixed);
    const auto kept = std::min<std::size_t>(static_cast<unsigned char>(prefixed[0]), static_cast<std::size_t>(std::max(length, 0)));
    std::memcpy(text, prefixed + 1, kept);
    text[kept] = '\0';
    return 0;
}

std::int32_t CProcess::GetChunkID(std::int32_t /*index*/, std::uint32_t* chunkID)
{
    setOut(chunkID, kBlankChunkID);
    return kHostErrNoSuchChunk;
}

std::int32_t CProcess::GetChunkName(std::uint32_t /*chunkID*/, std::uint8_t* name)
{
    clearOut(name);
    return kHostErrNoSuchChunk;
}

std::int32_t CProcess::GetChunkSize(std::uint32_t /*chunkID*/, std::int32_t* size)
{
    clearOut(size);
    return kHostErrNoSuchChunk;
}

std::int32_t CProcess::CompareChunk(SHostPlugInChunk* /*chunk*/, std::uint8_t* same)
{
    return clearOut(same);
}

std::int32_t CProcess::GetChangeCount(std::int32_t* count)
{
    if (changeCount >= 0)
        setOut(count, changeCount);
    return 0;
}

std::int32_t CProcess::GetLongValue(std::int32_t* value)
{
    std::int16_t shortValue = 0;
    const std::int32_t result = GetShortValue(&shortValue);
    setOut(value, std::int32_t{shortValue});
    return result;
}

std::int32_t CProcess::SetHostWord(std::int32_t word)
{
    hostWord = word;
    return 0;
}

std::int32_t CProcess::GetViewSettings(SHostPlugInSpec* settings)
{
    if (settings != nullptr)
        std::copy(viewSettings.begin(), viewSettings.end(), settings->words);
    return 0;
}

std::int32_t CProcess::SetViewSettings(SHostPlugInSpec* settings)
{
    if (settings != nullptr)
        std::copy(settings->words, settings->words + viewSettings.size(), viewSettings.begin());
    return 0;
}

void CProcess::GetBaseName(char* name)
{
    std::strcpy(name, "Plug-Ins/Undefined BaseName");
}

std::uint8_t* CProcess::GetTypeResource(std::uint32_t id)
{
    return processType != nullptr ? processType->GetCachedResource(id) : nullptr;
}

std::int32_t CProcess::GetTableEntryCount(std::uint32_t table, std::int16_t entry)
{
    const std::uint8_t* bytes = GetTypeResource(table);
    return tableEntryCount(bytes, TypeResourceSize(table), entry);
}

std::int32_t CProcess::GetTableEntryValue(std::uint32_t table, std::int16_t entry, std::int16_t group,
                                          std::int16_t item)
{
    const std::uint8_t* bytes = GetTypeResource(table);
    return tableEntryValue(bytes, TypeResourceSize(table), entry, group, item);
}

std::int32_t CProcess::HasTableEntry(std::uint32_t table, std::int16_t entry)
{
    const std::uint8_t* bytes = GetTypeResource(table);
    return hasTableEntry(bytes, TypeResourceSize(table), entry) ? 1 : 0;
}

// Asked after GetTypeResource, which may load the resource into the cache.
std::size_t CProcess::TypeResourceSize(std::uint32_t id) const
{
    return processType != nullptr ? processType->GetCachedResourceSize(id) : 0;
}

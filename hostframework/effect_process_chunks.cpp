#include "hostframework/controls/continuous_control.h"
#include "hostframework/controls/discrete_control.h"
#include "hostframework/effect_process.h"
#include "hostframework/host_error.h"
#include "hostframework/host_text.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::int32_t kLongestValueText = 255;

// A control's key in the chunk: its four-character ID, most significant byte first. An ID whose
// first byte is zero (a plain number) gives the empty key; such entries differ only by their order.
struct SControlKey {
    explicit SControlKey(std::uint32_t id)
    {
        for (int i = 0; i < 4; ++i)
            text[i] = static_cast<char>(id >> (24 - 8 * i));
    }
    char text[5] = {};
};

} // namespace

std::int32_t CEffectProcess::GetNumChunks(std::int32_t* count)
{
    const auto declared = static_cast<std::int32_t>(declaredChunks.size());
    return setOut(count, ownChunks ? declared : declared - 1);
}

// Chunks count from 1; while the process has none of its own the count starts after the controls chunk.
std::int32_t CEffectProcess::GetChunkID(std::int32_t index, std::uint32_t* chunkID)
{
    const std::int32_t listIndex = ownChunks ? index - 1 : index;
    if (index < 1 || listIndex >= static_cast<std::int32_t>(declaredChunks.size()))
        return CDSPProcess::GetChunkID(index, chunkID);
    return setOut(chunkID, declaredChunks[static_cast<std::size_t>(listIndex)].id);
}

const CEffectProcess::SDeclaredChunk* CEffectProcess::FindDeclaredChunk(std::uint32_t chunkID) const
{
    const auto found = std::find_if(declaredChunks.begin(), declaredChunks.end(),
                                    [chunkID](const SDeclaredChunk& chunk) { return chunk.id == chunkID; });
    return found != declaredChunks.end() ? &*found : nullptr;
}

std::int32_t CEffectProcess::GetChunkName(std::uint32_t chunkID, std::uint8_t* name)
{
    const SDeclaredChunk* chunk = FindDeclaredChunk(chunkID);
    if (chunk == nullptr)
        return kHostErrNoSuchChunk;
    if (name != nullptr)
        WriteLengthPrefixed(chunk->name, name);
    return 0;
}

// Sizes count the host's chunk header once: data + 56.
std::int32_t CEffectProcess::GetChunkSize(std::uint32_t chunkID, std::int32_t* size)
{
    if (chunkID == kControlsChunkID) {
        if (controlsChunkSize == 0) {
            BuildControlsChunk();
            controlsChunkSize = static_cast<std::int32_t>(parser.GetRecordSize());
        }
        return setOut(size, controlsChunkSize);
    }
    if (ownChunks)
        if (const SDeclaredChunk* chunk = FindDeclaredChunk(chunkID))
            return setOut(size, chunk->size + static_cast<std::int32_t>(kChunkHeaderSize));
    return CDSPProcess::GetChunkSize(chunkID, size);
}

std::int32_t CEffectProcess::GetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk)
{
    if (chunkID != kControlsChunkID)
        return CDSPProcess::GetChunk(chunkID, chunk);
    BuildControlsChunk();
    if (parser.IsEmpty())
        return kHostErrEmptyChunk;
    if (chunk == nullptr)
        return kHostErrNullArgument;
    parser.Write(chunk);
    return 0;
}

std::int32_t CEffectProcess::SetChunk(std::uint32_t chunkID, SHostPlugInChunk* chunk)
{
    if (chunkID != kControlsChunkID || chunk == nullptr)
        return 0;
    parser.Parse(chunk);
    for (std::int32_t position = 1; position <= controls.Count(); ++position)
        if (position != bypassPosition)
            RestoreControlFromChunk(position, false);
    return 0;
}

std::int32_t CEffectProcess::CompareChunk(SHostPlugInChunk* chunk, std::uint8_t* same)
{
    if (chunk == nullptr)
        return kHostErrNullArgument;
    if (chunk->chunkID != kControlsChunkID)
        return setOut(same, 1);
    setOut(same, 0);
    parser.Parse(chunk);
    return setOut(same, ControlsMatchChunk() ? 1 : 0);
}

// No chunk has a second name here.
std::int32_t CEffectProcess::GetChunkAltName(std::int32_t /*chunkID*/, std::uint8_t* /*text*/)
{
    return kHostErrNoSuchChunk;
}

void CEffectProcess::BuildControlsChunk()
{
    UpdateControlsBeforeChunk();
    parser.Clear();
    for (std::int32_t position = 1; position <= controls.Count(); ++position) {
        CPluginControl* control = GetControl(position);
        if (IsLeftOut(control))
            continue;
        const SControlKey key(control->GetID());
        if (auto* continuous = dynamic_cast<CPluginControl_Continuous*>(control))
            parser.AddDouble(key.text, continuous->GetCurrentValue());
        else if (auto* discrete = dynamic_cast<CPluginControl_Discrete*>(control))
            parser.AddInt32(key.text, discrete->GetCurrentInteger());
    }
}

std::int32_t CEffectProcess::RestoreControlFromChunk(std::int32_t position, bool apply)
{
    if (!IsValidControlIndex(position))
        return 0;
    CPluginControl* control = GetControl(position);
    const SControlKey key(control->GetID());
    std::int32_t hostValue = 0;
    if (auto* continuous = dynamic_cast<CPluginControl_Continuous*>(control)) {
        double value = 0.0;
        if (!parser.GetDouble(key.text, value))
            return 0;
        hostValue = continuous->ContinuousToHost(value);
    } else if (auto* discrete = dynamic_cast<CPluginControl_Discrete*>(control)) {
        std::int32_t step = 0;
        if (!parser.GetInt32(key.text, step))
            return 0;
        hostValue = discrete->IntegerToHost(step);
    } else {
        return kHostErrUnexpected;
    }
    return apply ? ApplyControlValue(position, hostValue) : SetControlValue(position, hostValue);
}

// Continuous values are compared as the host shows them, so a difference below the display's
// precision does not count; a key the chunk lacks counts as equal.
bool CEffectProcess::ControlsMatchChunk()
{
    for (std::int32_t position = 1; position <= controls.Count(); ++position) {
        if (position == bypassPosition)
            continue;
        CPluginControl* control = GetControl(position);
        const SControlKey key(control->GetID());
        if (auto* continuous = dynamic_cast<CPluginControl_Continuous*>(control)) {
            double stored = 0.0;
            if (!parser.GetDouble(key.text, stored))
                continue;
            char storedText[kLongestValueText + 1] = {};
            char currentText[kLongestValueText + 1] = {};
            continuous->GetValueText(storedText, kLongestValueText, continuous->ContinuousToHost(stored));
            continuous->GetValueText(currentText, kLongestValueText,
                                     continuous->ContinuousToHost(continuous->GetCurrentValue()));
            if (std::strcmp(storedText, currentText) != 0)
                return false;
        } else if (auto* discrete = dynamic_cast<CPluginControl_Discrete*>(control)) {
            std::int32_t stored = 0;
            if (!parser.GetInt32(key.text, stored))
                continue;
            if (discrete->HostToInteger(discrete->IntegerToHost(stored)) != discrete->GetCurrentInteger())
                return false;
        }
    }
    return true;
}
